#pragma once

#include "core/card.h"
#include "core/game_events.h"

#include <array>
#include <cstdint>
#include <optional>

namespace tavolier {

// How one seat played, counted from the game events of the hands it was
// dealt into. Every field is a count, so the counts of two runs add up.
struct SeatStyle {
    std::int64_t hands = 0; // dealt in (a seat sitting out is not)
    std::int64_t voluntarilyIn = 0; // hands it called, bet or raised before the flop
    std::int64_t raisedPreflop = 0; // hands it bet or raised before the flop
    std::int64_t postflopAggressive = 0; // bets and raises from the flop on
    std::int64_t postflopCalls = 0;
    std::int64_t flopsSeen = 0; // still in when the flop came
    std::int64_t showdowns = 0; // of the flops seen, hands it showed down
    std::int64_t showdownsWon = 0; // of those, hands it took a share of a pot

    // River bets and raises whose cards became known (at the showdown, or
    // told afterwards by reveal), and those of them made with a bluff: a
    // hand of no higher kind than the five board cards make alone, on a
    // board of one pair at most (high card on a board without a pair, the
    // board's own pair on a paired one).
    std::int64_t riverAggressive = 0;
    std::int64_t riverBluffs = 0;

    // The first decision before the flop of a seat that had put nothing in
    // (no blind), by what it faced: the big blind alone, one raise, or a
    // three-bet or more; and how often it called or raised rather than fold.
    std::int64_t facingBlind = 0;
    std::int64_t continuedFacingBlind = 0;
    std::int64_t facingRaise = 0;
    std::int64_t continuedFacingRaise = 0;
    std::int64_t facingThreeBet = 0;
    std::int64_t continuedFacingThreeBet = 0;

    // Turns with nothing to call, and the folds among them.
    std::int64_t freeTurns = 0;
    std::int64_t freeFolds = 0;

    // Hands in which the seat acted on the river, able to bet or raise,
    // holding the best hand any two cards could make with that board (cards
    // known as for the bluffs), and those of them in which it bet or raised.
    std::int64_t nutsOnRiver = 0;
    std::int64_t nutsBetOrRaised = 0;

    // Hands in which the seat raised on the river and was called (the hand
    // went to the showdown with it), and those of them it won.
    std::int64_t riverRaisesCalled = 0;
    std::int64_t riverRaisesWon = 0;

    SeatStyle& operator+=(const SeatStyle& other);
    friend bool operator==(const SeatStyle&, const SeatStyle&) = default;

    // The figures, in per cent (the aggression factor as a ratio); none
    // while the count below the line is zero.
    [[nodiscard]] std::optional<double> vpip() const;
    [[nodiscard]] std::optional<double> pfr() const;
    // (bets + raises) / calls from the flop on.
    [[nodiscard]] std::optional<double> aggressionFactor() const;
    [[nodiscard]] std::optional<double> wentToShowdown() const;
    [[nodiscard]] std::optional<double> wonAtShowdown() const;
    [[nodiscard]] std::optional<double> riverBluffShare() const;
    [[nodiscard]] std::optional<double> continuesFacingBlind() const;
    [[nodiscard]] std::optional<double> continuesFacingRaise() const;
    [[nodiscard]] std::optional<double> continuesFacingThreeBet() const;
    [[nodiscard]] std::optional<double> nutsAggression() const;
    [[nodiscard]] std::optional<double> riverRaiseWins() const;
};

// The style of every seat, kept up from the game events: VPIP, PFR, the
// aggression after the flop, showdowns, and what the seats did about the
// price. What needs cards nobody showed (bluffs, the best possible hand)
// counts only the cards the events show, unless whoever owns the table
// tells the hand's cards after it ended (reveal): a measuring program may,
// the window never does.
class StyleStatistics : public GameEvents {
public:
    // By seat number ([0] unused).
    [[nodiscard]] const SeatStyle& seat(SeatNumber seat) const { return m_seats[seat.index()]; }
    [[nodiscard]] const std::array<SeatStyle, 9>& seats() const { return m_seats; }
    // Every seat's counts added up.
    [[nodiscard]] SeatStyle table() const;

    // The hole cards of every seat of the hand that has just ended, by seat
    // number: the river's bets and the best hands of seats that did not show
    // are counted with them. Only until the next hand starts.
    void reveal(const std::array<std::array<Card, 2>, 9>& holeCards);

    void handStarted(const HandStarted& e) override;
    void blindPosted(const BlindPosted& e) override;
    void actionTaken(const ActionTaken& e) override;
    void streetDealt(const StreetDealt& e) override;
    void handShown(const HandShown& e) override;
    void potAwarded(const PotAwarded& e) override;
    void handEnded(const HandEnded& e) override;

private:
    // What one seat did in the hand in progress.
    struct SeatHand {
        bool dealtIn = false;
        bool inHand = false;
        bool actedPreflop = false;
        bool countedIn = false; // counted in VPIP this hand
        bool countedRaise = false; // counted in PFR this hand
        bool sawFlop = false;
        bool raisedOnRiver = false;
        bool riverChance = false; // acted on the river while a bet or raise was open to it
        bool riverBetOrRaised = false;
        int riverAggressive = 0; // river bets and raises still to be judged by its cards
        bool shown = false;
        bool judged = false; // its river play has been judged
        std::int32_t street = 0; // put in on this street
    };

    void judgeRiver(int seat, const std::array<Card, 2>& cards);

    std::array<SeatStyle, 9> m_seats {};
    std::array<SeatHand, 9> m_hand {};
    bool m_handOpen = false;
    bool m_riverDealt = false;
    Street m_street = Street::preflop;
    std::int32_t m_level = 0; // what a seat must have put in on this street
    int m_bets = 0; // the bet (or the big blind) and the raises of this street
    bool m_uncapped = false; // two seats started the street: no cap on raises
    std::array<Card, 5> m_board {};
    std::optional<std::uint32_t> m_bestPossible; // the board's best possible hand, once needed
};

} // namespace tavolier
