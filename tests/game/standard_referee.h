#pragma once

// A referee for hands played by the Standard rules (fixed-limit hold'em as
// card rooms play it). It rebuilds every hand from the game events alone,
// with its own bookkeeping of the rules (the order of play, the blinds and
// the button, the level and the cap, who still has to act, the uncalled bet,
// the main and side pots and their split), and keeps the first broken rule
// with the hand it happened in. A driver that plays the human's seat may
// also tell it what the legal actions said before each click and which
// button was pressed; the referee then checks those too.

#include "core/card.h"
#include "core/game_events.h"
#include "core/street.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tavolier::testing {

// The human's button presses.
enum class HumanClick { checkOrCall, raise, fold };

// What a run went through, so that a test can tell the rare paths came up.
struct RefereeCounts {
    long long hands = 0; // hands that ended
    long long showdowns = 0;
    long long endsByFolds = 0;
    long long allIns = 0; // blinds, calls, bets and raises that took a seat's last chip
    long long shortBlinds = 0; // a blind posted for less than its size
    long long incompleteRaises = 0; // all in above the level that raised nothing
    long long incompleteBets = 0; // all in for less than a street's opening bet
    long long halfRaises = 0; // all in short of a full raise by at most half a bet
    long long returns = 0; // uncalled bets given back
    long long sidePotHands = 0; // hands paid in more than one pot
    long long sidePots = 0; // pots after the main pot
    long long splitPots = 0; // pots shared by tied hands
    long long oddChips = 0; // split pots whose chips did not divide evenly
    long long cappedStreets = 0; // streets that reached four bets with the cap in force
    long long uncappedStreets = 0; // heads-up streets that went past four bets
    long long runOuts = 0; // streets dealt with nobody left to bet
    long long headsUpHands = 0; // hands dealt to exactly two seats with chips
    long long sitOuts = 0; // seats without chips at a deal
    long long humanTurns = 0; // the human's legal actions checked
    long long humanRaiseBarred = 0; // human turns where Raise was rightly not allowed
    long long freeFolds = 0; // computer seats that folded with nothing to call

    RefereeCounts& operator+=(const RefereeCounts& other);
};

class StandardReferee : public GameEvents {
public:
    void handStarted(const HandStarted& e) override;
    void blindPosted(const BlindPosted& e) override;
    void actionTaken(const ActionTaken& e) override;
    void betReturned(const BetReturned& e) override;
    void streetDealt(const StreetDealt& e) override;
    void handShown(const HandShown& e) override;
    void potAwarded(const PotAwarded& e) override;
    void handEnded(const HandEnded& e) override;
    void matchEnded(const MatchEnded& e) override;

    // The driver read may and is about to press click for the human.
    void humanClicks(const LegalActions& may, HumanClick click);
    // The driver found no hand waiting for the human (it is about to Deal or
    // start a new match).
    void humanIdle(const LegalActions& may);

    // The first broken rule, "hand 12: ..."; empty while every rule held.
    [[nodiscard]] const std::string& fault() const { return m_fault; }
    // The events of the hand the fault was found in, one a line.
    [[nodiscard]] const std::string& faultHand() const { return m_faultHand; }
    [[nodiscard]] const RefereeCounts& counts() const { return m_counts; }
    [[nodiscard]] long long handsStarted() const { return m_handsStarted; }

private:
    enum class Phase {
        between, // no hand open
        dealt, // HandStarted seen: seats sitting out may be told, then the small blind
        smallBlindPosted,
        betting, // the blinds are in: actions, streets, the end of the hand
        awarded, // the pot was paid: the hand ends next
    };

    struct Seat {
        bool present = false; // had chips at the deal
        bool folded = false;
        bool toldSitsOut = false;
        bool needsToAct = false;
        bool mayRaise = false;
        bool shown = false;
        std::int32_t stack = 0;
        std::int32_t street = 0; // put in on this street
        std::int32_t hand = 0; // put in over the hand, less any returned bet
        std::array<Card, 2> cards {};
        std::uint32_t value = 0; // the shown hand's rank
    };

    // ---- The rules, kept here and nowhere else.
    [[nodiscard]] bool inHand(int seat) const;
    [[nodiscard]] bool canAct(int seat) const;
    [[nodiscard]] int countInHand() const;
    [[nodiscard]] int countCanAct() const;
    [[nodiscard]] int nextPresentAfter(int seat) const;
    // The seat whose turn it is; 0 when nobody has to act.
    [[nodiscard]] int seatToAct() const;
    [[nodiscard]] std::int32_t toCallOf(int seat) const;
    // Why the seat may not bet or raise now; empty when it may.
    [[nodiscard]] std::string whyNoRaise(int seat) const;
    // The level the street's full bets and raises have reached.
    [[nodiscard]] std::int32_t rung() const;
    [[nodiscard]] std::int32_t raiseCostOf(int seat) const;
    void openStreet(std::int32_t level, int fullBets);
    [[nodiscard]] std::int64_t potNow() const;

    // ---- Bookkeeping.
    bool check(bool holds, const std::string& reason);
    [[nodiscard]] bool live() const { return m_fault.empty(); }
    void note(const std::string& line);
    [[nodiscard]] std::string streetName() const;

    std::string m_fault;
    std::string m_faultHand;
    RefereeCounts m_counts;
    std::vector<std::string> m_lines; // the hand so far

    // Across hands.
    long long m_handsStarted = 0;
    std::int64_t m_lastHandNumber = 0;
    bool m_seenHand = false;
    int m_lastButton = 0;
    SeatFigures m_lastStacks {};
    bool m_clicksReported = false;
    bool m_clickPending = false;
    HumanClick m_click = HumanClick::checkOrCall;

    // The hand in progress.
    Phase m_phase = Phase::between;
    std::int64_t m_handNumber = 0;
    std::array<Seat, 9> m_seats {};
    std::array<Card, 2> m_humanCards {};
    int m_button = 0;
    int m_smallBlindSeat = 0;
    int m_bigBlindSeat = 0;
    std::int32_t m_smallBlind = 0;
    std::int32_t m_bigBlind = 0;
    std::int32_t m_smallBet = 0;
    std::int32_t m_bigBet = 0;
    std::int64_t m_chipsAtDeal = 0;
    Street m_street = Street::preflop;
    std::int32_t m_level = 0;
    std::int32_t m_betSize = 0;
    int m_fullBets = 0;
    bool m_uncapped = false;
    int m_lastToAct = 0; // the seat play goes on clockwise from
    bool m_returned = false;
    std::array<Card, 5> m_board {};
    int m_boardCount = 0;
};

} // namespace tavolier::testing
