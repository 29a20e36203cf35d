#pragma once

#include "core/card.h"
#include "core/street.h"

#include <array>
#include <cstdint>

namespace tavolier {

// Seat numbers: 8 the human, 7 Chong, 6 Jack, 5 Carlos, 4 Cindy, 3 Robert,
// 2 Edmund, 1 Marc. Play runs from higher to lower numbers, 1 wrapping to 8.
inline constexpr int kHuman = 8;
inline constexpr int kSeatCount = 8;

// One seat at the table. A seat with chips < 1 sits out until a new match;
// under the Classic rules chips may go below zero (blinds, calls and raises
// are not checked); under rules with all-ins a seat that put its last chip
// in stays in the hand without chips.
struct Seat {
    std::int32_t chips = 1200;
    bool folded = false;
    bool allIn = false; // in the hand with every chip in the pot
    bool openBet = false; // opponents only: holds the bet the human must answer
    bool outAtDeal = false; // had no chips when the hand was dealt: sits the hand out
    std::array<Card, 2> holeCards {};
};

// What the opponents' estimate carries from one run to the next, and the
// odds badge and the showdown move too: the spare deck every trial shuffles
// (shuffled afresh at each deal), the evaluator slots the last hand it
// scored left behind (the acting seat's slots that no street refills start
// from them), and the last percentage (a level code without a divisor adds
// its bonus to it).
struct EstimateCarry {
    std::array<Card, 52> spareDeck {};
    std::array<Card, 7> carriedSlots {};
    std::int32_t oddsScore = 0;
};

// The betting of a hand under rules where every bet is answered (Standard):
// the dealer button, what each seat has put in on this street and over the
// hand, and who still has to act. Classic plays by its own fields and
// leaves this alone. Indexed by seat number; [0] is unused.
struct Betting {
    std::int32_t buttonSeat = 0; // 0: no hand dealt by these rules yet
    std::int32_t smallBlindSeat = 0;
    std::int32_t bigBlindSeat = 0;
    std::int32_t level = 0; // what a seat must have put in on this street to stay
    std::int32_t bets = 0; // the bet and the raises of this street (the big blind counts)
    bool uncapped = false; // only two seats started this street: no cap on raises
    std::int32_t actingSeat = 0; // whose turn it is; 0 while nobody's
    std::array<std::int32_t, 9> street {}; // put in on this street
    std::array<std::int32_t, 9> hand {}; // put in over the hand
    std::array<bool, 9> toAct {}; // has yet to act at the present level
    std::array<bool, 9> mayRaise {}; // a raise is still open to the seat
};

// The whole state of the match and of the hand in progress. Exactly one
// exists, owned by the main window (or by a test); every rule works on it
// through plain field access.
struct TableState {
    std::array<Seat, kSeatCount + 1> seats {}; // by seat number; [0] is unused

    Street street = Street::preflop;
    std::int32_t blindMarker = 1;
    std::int32_t anchorSeat = 1;
    std::int32_t smallBet = 4;
    std::int32_t bigBet = 8;
    std::int32_t smallBlind = 2;
    std::int32_t bigBlind = 4;
    std::int32_t pot = 6;
    std::int32_t toCall = 4;
    std::int32_t outCount = 0;
    std::int32_t initialChips = 1200;
    std::int32_t untilMargin = 600;

    std::array<Card, 52> deck {};
    std::array<Card, 5> board {};
    EstimateCarry estimate;

    bool potSettled = false;
    // The showdown's result by seat (its showdown value, or its sentinel when
    // it took no part): the winners' flash reads it, and a second showdown of
    // the same hand shows the same result.
    std::array<std::int32_t, kSeatCount + 1> seatResults {};

    // The human's controls as the rules last set them; the buttons, their
    // captions and the command-line driver follow from these.
    bool dealAllowed = true;
    bool checkOrCallAllowed = true;
    bool raiseAllowed = true;
    bool foldAllowed = true;
    bool callDue = false; // the Check/Call button reads "Call"

    std::int32_t handsPlayed = 0;
    std::int32_t handsWon = 0;
    std::int32_t showdowns = 0;
    bool soundOn = true;
    std::int32_t aiLevelCode = 400;
    std::int32_t cardBackImage = 52;
    // The rule set chosen on the options panel, and the one the hand in
    // progress is played by (the choice takes effect at the next Deal).
    std::int32_t rulesChoice = 0;
    std::int32_t rulesInPlay = 0;
    Betting betting;

    [[nodiscard]] Seat& seat(int number) { return seats[static_cast<std::size_t>(number)]; }
    [[nodiscard]] const Seat& seat(int number) const {
        return seats[static_cast<std::size_t>(number)];
    }
    // In the hand: not folded, with chips above zero or all in.
    [[nodiscard]] bool inHand(int number) const {
        const Seat& s = seat(number);
        return !s.folded && (s.chips > 0 || s.allIn);
    }
};

// The human folded and one opponent is left: the hand ends without a
// showdown, that opponent's cards and the river stay hidden.
[[nodiscard]] inline bool loneSurvivor(const TableState& s) {
    return s.seat(kHuman).folded && s.outCount == 6;
}

// The street's bet: the small bet up to the flop, the big bet from the turn.
[[nodiscard]] inline std::int32_t streetBet(const TableState& s) {
    return s.street > Street::flop ? s.bigBet : s.smallBet;
}

// True for the bet sizes the buttons know a caption for: the blinds' at the
// Deal, and the raises' (also the big bets) after a raise or a redraw.
[[nodiscard]] constexpr bool isDealBetSize(std::int32_t amount) {
    return amount == 2 || amount == 4 || amount == 6 || amount == 8 || amount == 10;
}
[[nodiscard]] constexpr bool isRaiseBetSize(std::int32_t amount) {
    return isDealBetSize(amount) || amount == 12 || amount == 16 || amount == 20;
}

// The next seat in the order of play: one lower, 1 wrapping to 8.
[[nodiscard]] constexpr int nextSeat(int number) {
    return number == 1 ? kSeatCount : number - 1;
}

// Adds without leaving the 32-bit range: stacks and pots can come from a
// hand-edited settings file and hold anything an int32 holds.
[[nodiscard]] constexpr std::int32_t clampedAdd(std::int32_t a, std::int64_t b) {
    const std::int64_t sum = static_cast<std::int64_t>(a) + b;
    if (sum > INT32_MAX)
        return INT32_MAX;
    if (sum < INT32_MIN)
        return INT32_MIN;
    return static_cast<std::int32_t>(sum);
}

} // namespace tavolier
