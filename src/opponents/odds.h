#pragma once

#include "core/random.h"
#include "core/table_state.h"

#include <array>
#include <cstdint>

namespace tavolier {

// The pre-flop bonus or penalty for the shape of the hole cards c0, c1, given
// flopScore, the score of the hole cards with the hidden flop and the two
// placeholders. The odds badge (badge true) skips the three flop-made rules.
[[nodiscard]] std::int32_t preflopBonus(Card c0, Card c1, std::int32_t flopScore, bool badge);

// On the flop, whether the score of the hole cards with the flop and the two
// placeholders bars raising: a pair below a flop card, two pairs up to Tens
// whose higher pair is below a flop card, or a bare high card.
[[nodiscard]] bool flopBarsRaise(std::int32_t flopScore, const std::array<Card, 5>& board);

// The level code of the human's odds badge: its estimate runs 2001 trials.
inline constexpr std::int32_t kBadgeLevelCode = 2000;

// What an estimate reads of the table: the acting seat's hole cards, the
// street and the board, the level code N (N + 1 trials; kBadgeLevelCode for
// the odds badge), and for the decisions the bet sizes and the seats out.
struct EstimateInput {
    std::array<Card, 2> cards {};
    Street street = Street::preflop;
    std::array<Card, 5> board {};
    std::int32_t levelCode = 400;
    std::int32_t smallBet = 4;
    std::int32_t bigBet = 8;
    std::int32_t outCount = 0;
};

// The table as an estimate for cards with levelCode sees it.
[[nodiscard]] inline EstimateInput estimateInput(
    const TableState& table, std::array<Card, 2> cards, std::int32_t levelCode) {
    return EstimateInput { cards, table.street, table.board, levelCode, table.smallBet,
        table.bigBet, table.outCount };
}

// What an estimate found: oddsScore (percent of N + 1 trials in which the
// hand beat six random hands, plus the pre-flop bonus), whether a rule bars
// raising, and the score of the last hand it evaluated.
struct Estimate {
    std::int32_t oddsScore = 0;
    bool raiseBarred = false;
    std::int32_t lastScore = 0;
};

// The opponents' Monte Carlo estimate. It shuffles the carried spare deck,
// starts from and leaves behind the carried slots, and keeps the carried
// percentage for a level code without a divisor (adding the bonus to it).
[[nodiscard]] Estimate estimateOdds(
    const EstimateInput& input, EstimateCarry& carry, Random& random);

// An opponent's own turn: the raise (0: check, else the street's bet), with
// the chance it had and its estimate. One draw below 100 after the estimate.
struct RaiseDecision {
    std::int32_t raiseAmount = 0;
    std::int32_t raiseChance = 0;
    Estimate estimate;
};
[[nodiscard]] RaiseDecision decideRaise(
    const EstimateInput& input, EstimateCarry& carry, Random& random);

// The raise rule on an estimate already made: the street's row of chances
// and one draw below 100. decideRaise is an estimate followed by this.
[[nodiscard]] RaiseDecision raiseOn(
    const Estimate& estimate, const EstimateInput& input, Random& random);

// The stay rule on an estimate already made: the street's floor for the
// seats out. No draw. decideStay is an estimate followed by this.
[[nodiscard]] bool staysOn(const Estimate& estimate, const EstimateInput& input);

// An opponent answering a bet: whether it stays in, with its estimate.
struct StayDecision {
    bool staysIn = false;
    Estimate estimate;
};
[[nodiscard]] StayDecision decideStay(
    const EstimateInput& input, EstimateCarry& carry, Random& random);

// The estimate's trials on each code path, for the tests that hold them
// against each other: each runs that many trials for input's cards on its
// street, shuffling carry's spare deck and moving its carried slots, and
// returns how many the hand won. estimateOdds runs avx2 where haveAvx2()
// (unless told not to, see cpu::useAvx2Paths) and portable elsewhere.
namespace trialPaths {
[[nodiscard]] std::int32_t portable(
    const EstimateInput& input, EstimateCarry& carry, Random& random, int trials);
// True where this build has a second copy for processors with AVX2 and the
// processor has it. A build tuned for its own machine has one copy only.
[[nodiscard]] bool haveAvx2();
// Only where haveAvx2(); in a build with one copy, that copy.
[[nodiscard]] std::int32_t avx2(
    const EstimateInput& input, EstimateCarry& carry, Random& random, int trials);
} // namespace trialPaths

} // namespace tavolier
