#pragma once

#include "core/card.h"
#include "core/street.h"

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavolier {

// A seat's number at the table: 8 the human, 7 Chong, 6 Jack, 5 Carlos,
// 4 Cindy, 3 Robert, 2 Edmund, 1 Marc; 0 is no seat. Play runs from higher
// to lower numbers, 1 wrapping to 8. Arrays indexed by seat have nine
// entries; [0] is unused.
class SeatNumber {
public:
    constexpr SeatNumber() = default;
    explicit constexpr SeatNumber(int number)
        : m_number(number) { }

    [[nodiscard]] constexpr int number() const { return m_number; }
    [[nodiscard]] constexpr std::size_t index() const { return static_cast<std::size_t>(m_number); }
    [[nodiscard]] constexpr bool isHuman() const { return m_number == 8; }
    [[nodiscard]] constexpr bool isSeat() const { return m_number >= 1 && m_number <= 8; }
    // The next seat in the order of play: one lower, 1 wrapping to 8.
    [[nodiscard]] constexpr SeatNumber next() const {
        return SeatNumber(m_number == 1 ? 8 : m_number - 1);
    }
    friend constexpr auto operator<=>(SeatNumber, SeatNumber) = default;

private:
    int m_number = 0;
};
inline constexpr SeatNumber kHumanSeat { 8 };

// Per-seat figures of an event, indexed by seat number ([0] unused).
using SeatFigures = std::array<std::int32_t, 9>;
using SeatFlags = std::array<bool, 9>;

// What a seat did when its turn came.
enum class ActionKind {
    check,
    call,
    raise,
    fold,
    sitsOut, // a seat without chips passed over ("Marc is out of chips")
    bet, // the first bet of a street (rules where a bet and a raise differ)
};

// A new hand was dealt. Stacks are as they stood before the blinds.
struct HandStarted {
    std::int64_t handNumber = 0; // counts from 1 over the life of the game object
    bool newMatch = false; // the first hand after "New"
    SeatNumber buttonSeat {}; // the dealer button: the seat before the small blind
    SeatNumber smallBlindSeat {};
    SeatNumber bigBlindSeat {};
    std::int32_t smallBlind = 0;
    std::int32_t bigBlind = 0;
    std::int32_t smallBet = 0;
    std::int32_t bigBet = 0;
    SeatFigures stacks {};
    std::array<Card, 2> humanCards {};
    std::string_view rulesName = "Classic"; // the rule set the hand is played by
    // Blinds count toward the call, every bet is answered and nobody bets
    // more than it has (the card rooms' limit rules); false for Classic.
    bool standardBetting = false;
};

// A blind left a seat for the pot.
struct BlindPosted {
    SeatNumber seat {};
    bool big = false;
    std::int32_t amount = 0;
    std::int32_t potAfter = 0;
    bool allIn = false; // the seat had no more than this (amount may be short of the blind)
};

// A seat acted. paid is what left its stack (0 for a check or fold).
struct ActionTaken {
    SeatNumber seat {};
    ActionKind kind = ActionKind::check;
    Street street = Street::preflop;
    std::int32_t paid = 0;
    std::int32_t potAfter = 0;
    std::int32_t stackAfter = 0;
    bool allIn = false; // the seat put in its last chip
};

// The part of a bet nobody called went back to the seat that made it.
struct BetReturned {
    SeatNumber seat {};
    std::int32_t amount = 0;
    std::int32_t potAfter = 0;
    std::int32_t stackAfter = 0;
};

// The board grew: the flop (3 cards), the turn (4) or the river (5). The
// showdown street is reported too, with the full board.
struct StreetDealt {
    Street street = Street::flop;
    int boardCount = 0;
    std::array<Card, 5> board {};
};

// A hand still in at the showdown was shown and named.
struct HandShown {
    SeatNumber seat {};
    std::array<Card, 2> cards {};
    std::int32_t score = 0;
    std::int32_t kicker = 0;
    std::string name; // "Two pairs Queens"; empty for a score without a name
};

// One pot of a hand: the main pot, or a side pot that only the seats which
// put in more could win, with the seats that won it.
struct PotShare {
    std::int32_t amount = 0;
    SeatFlags eligible {};
    SeatFlags winners {};
};

// The pot went to its winners. share is what each winner received;
// lostToSplit the chips nobody received (an uneven split's remainder, or a
// pot with no winner). With side pots the winners' takes differ: won holds
// what each seat received in all, and pots the main pot then the side pots.
struct PotAwarded {
    SeatFlags winners {};
    int winnerCount = 0; // the number of seats flagged in winners
    std::int32_t pot = 0;
    std::int32_t share = 0;
    std::int32_t lostToSplit = 0;
    bool byFolds = false; // everyone else folded: one winner, no showdown
    SeatFigures won {};
    std::vector<PotShare> pots;
};

// The hand is over; stacks are after the pot was paid.
struct HandEnded {
    std::int64_t handNumber = 0;
    bool byFolds = false;
    SeatFigures stacks {};
};

enum class MatchResult {
    humanWon, // every opponent is broke: "You win!"
    humanLost, // the human is broke: "You lose!"
    seatReachedTarget, // seat reached the starting stack plus the margin
};

struct MatchEnded {
    MatchResult result = MatchResult::humanWon;
    SeatNumber seat {}; // the winning seat for seatReachedTarget, else the human
};

// What happened at the table, as the game reports it while it plays. The
// window's history and statistics, the hand-history file, the command-line
// narration and the tests read these; none of them changes a rule.
// Every handler does nothing unless overridden.
class GameEvents {
public:
    virtual ~GameEvents() = default;
    virtual void handStarted(const HandStarted&) { }
    virtual void blindPosted(const BlindPosted&) { }
    virtual void actionTaken(const ActionTaken&) { }
    virtual void betReturned(const BetReturned&) { }
    virtual void streetDealt(const StreetDealt&) { }
    virtual void handShown(const HandShown&) { }
    virtual void potAwarded(const PotAwarded&) { }
    virtual void handEnded(const HandEnded&) { }
    virtual void matchEnded(const MatchEnded&) { }
};

// Passes every event on to each listener added, in the order they were
// added: the window hands one of these to the game and adds its history,
// statistics and playback to it.
class EventFanOut : public GameEvents {
public:
    void add(GameEvents& listener) { m_listeners.push_back(&listener); }
    void remove(GameEvents& listener) { std::erase(m_listeners, &listener); }

    void handStarted(const HandStarted& e) override { each(&GameEvents::handStarted, e); }
    void blindPosted(const BlindPosted& e) override { each(&GameEvents::blindPosted, e); }
    void actionTaken(const ActionTaken& e) override { each(&GameEvents::actionTaken, e); }
    void betReturned(const BetReturned& e) override { each(&GameEvents::betReturned, e); }
    void streetDealt(const StreetDealt& e) override { each(&GameEvents::streetDealt, e); }
    void handShown(const HandShown& e) override { each(&GameEvents::handShown, e); }
    void potAwarded(const PotAwarded& e) override { each(&GameEvents::potAwarded, e); }
    void handEnded(const HandEnded& e) override { each(&GameEvents::handEnded, e); }
    void matchEnded(const MatchEnded& e) override { each(&GameEvents::matchEnded, e); }

private:
    std::vector<GameEvents*> m_listeners;

    template <typename Event> void each(void (GameEvents::*handler)(const Event&), const Event& e) {
        for (GameEvents* listener : m_listeners)
            (listener->*handler)(e);
    }
};

// Where the game stands between clicks: whether a hand is in progress and
// what the human may do now. The buttons, their captions and tooltips, the
// keys and the command-line driver follow from it.
struct LegalActions {
    bool handInProgress = false;
    bool deal = false; // "Deal"
    bool checkOrCall = false;
    bool raise = false;
    bool fold = false;
    bool mustCall = false; // the Check/Call button reads "Call"
    std::int32_t callCost = 0; // what Check/Call pays now
    std::int32_t raiseCost = 0; // what Raise pays now, in all
};

} // namespace tavolier
