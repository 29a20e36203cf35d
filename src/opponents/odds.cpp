// The opponents' estimate and decisions. The trials they run are in
// odds_trials.cpp, which a build for any x86-64 processor compiles twice;
// estimateOn picks one copy at run time, once per estimate.
#include "opponents/odds.h"

#include "core/cpu_paths.h"
#include "evaluation/hand_evaluator.h"
#include "opponents/odds_trials.h"

#include <algorithm>
#include <cstdint>

namespace tavolier {

namespace {

[[nodiscard]] EstimateRun runOf(const EstimateInput& in, EstimateCarry& carry) {
    EstimateRun run { carry.spareDeck, carry.carriedSlots, carry.oddsScore, in.board };
    run.actorCards = in.cards;
    run.street = in.street;
    run.aiLevelCode = in.levelCode;
    run.smallBet = in.smallBet;
    run.bigBet = in.bigBet;
    run.outCount = in.outCount;
    return run;
}

[[nodiscard]] Estimate estimateOf(const EstimateRun& run) {
    return Estimate { run.oddsScore, run.raiseBarred, run.handScore };
}

// A hand-edited level code cannot run more trials than this.
constexpr std::int64_t kMaxTrials = 10001;

// The level codes that come with a divisor: the four levels and the odds badge.
[[nodiscard]] bool hasDivisor(std::int32_t n) {
    return n == 400 || n == 600 || n == 800 || n == 900 || n == 2000;
}

// N + 1 trials, but never fewer than none nor more than the cap, and no
// overflow for the largest code.
[[nodiscard]] int trialCount(std::int32_t n) {
    return static_cast<int>(
        std::clamp<std::int64_t>(static_cast<std::int64_t>(n) + 1, 0, kMaxTrials));
}

} // namespace

// Later rules overwrite earlier ones; a flop-made bonus of 20 ends the rules.
std::int32_t preflopBonus(Card c0, Card c1, std::int32_t s, bool badge) {
    const std::int32_t r0 = c0.rank;
    const std::int32_t r1 = c1.rank;
    const bool suited = c0.suit == c1.suit;
    std::int32_t bonus = 0;
    if (!badge) {
        if (s > 100 && r0 > 7 && r1 > 7)
            bonus = 20;
        if (s > 108 && r0 > 5 && r1 > 8)
            bonus = 20;
        if (s > 108 && r0 > 8 && r1 > 5)
            bonus = 20;
        if (bonus == 20)
            return bonus;
    }
    if (r0 > 4 && r1 > 7 && suited)
        bonus = 7;
    if (r0 > 7 && r1 > 4 && suited)
        bonus = 7;
    if (r0 > 6 && r1 > 6 && suited)
        bonus = 7;
    if (r0 > 8 && r1 > 8)
        bonus = 10;
    if (r0 > 7 && r1 > 7 && suited)
        bonus = 12;
    const bool low = r0 < 4 || r1 < 4;
    if (low && r0 != r1 && !suited)
        bonus = -20;
    if (r0 < 6 && r1 < 6 && r0 != r1)
        bonus = -20;
    return bonus;
}

// A high-card hand scores 100 with the placeholders and so counts as the
// lowest pair.
bool flopBarsRaise(std::int32_t s, const std::array<Card, 5>& board) {
    const std::int32_t top = std::max({ board[0].rank, board[1].rank, board[2].rank });
    if (s >= 100 && s <= 149 && s - 100 < top)
        return true;
    if (s >= 200 && s <= 208 && s - 200 < top)
        return true;
    return false;
}

namespace {

// The seat's hole cards with the flop (shown or not) and the two
// placeholders in the slots no real card fills, scored into the table's
// evaluator output.
std::int32_t scoreWithFlop(EstimateRun& state) {
    std::array<Card, 7> slots = state.evalCards;
    slots[2] = state.board[0];
    slots[3] = state.board[1];
    slots[4] = state.board[2];
    slots[5] = kPlaceholderA;
    slots[6] = kPlaceholderB;
    state.evalCards = slots;
    state.handScore = evaluate(slots).score;
    return state.handScore;
}

// The copy of the trials for processors with AVX2. A build with one copy
// (tuned for its own machine) has none and runs the portable one everywhere.
#ifdef TAVOLIER_HAS_AVX2_COPY
constexpr bool kHasAvx2Copy = true;
constexpr auto& avx2Trials = trialPaths::avx2Run;
#else
constexpr bool kHasAvx2Copy = false;
constexpr auto& avx2Trials = trialPaths::portableRun;
#endif

void estimateOn(EstimateRun& state, Random& random) {
    const std::int32_t n = state.aiLevelCode;
    std::int32_t bonus = 0;
    state.evalCards[0] = state.actorCards[0];
    state.evalCards[1] = state.actorCards[1];

    if (state.street == Street::preflop) {
        const std::int32_t s = scoreWithFlop(state);
        bonus = preflopBonus(state.actorCards[0], state.actorCards[1], s, n == 2000);
    }

    if (state.street >= Street::flop && state.street <= Street::river && random.below(100) > 50)
        state.raiseBarred = true;

    if (state.street == Street::flop) {
        if (flopBarsRaise(scoreWithFlop(state), state.board))
            state.raiseBarred = true;
    }

    // The processor is asked once per estimate, never per evaluation.
    const int trials = trialCount(n);
    const std::int32_t wins = kHasAvx2Copy && cpu::useAvx2Paths()
        ? avx2Trials(state, random, trials)
        : trialPaths::portableRun(state, random, trials);

    // Only the known level codes have a divisor; any other code keeps the
    // previous percentage and adds the bonus to it.
    if (hasDivisor(n))
        state.oddsScore = wins / (n / 100) + bonus;
    else
        state.oddsScore = clampedAdd(state.oddsScore, bonus);
}

} // namespace

Estimate estimateOdds(const EstimateInput& input, EstimateCarry& carry, Random& random) {
    EstimateRun state = runOf(input, carry);
    estimateOn(state, random);
    return estimateOf(state);
}

RaiseDecision raiseOn(const Estimate& estimate, const EstimateInput& input, Random& random) {
    // clang-format off
    // By street: above the first score raise with the first chance, above the
    // second with the second.
    struct RaiseRow { std::int32_t over1, chance1, over2, chance2; };
    static constexpr RaiseRow kRows[] = {
        { 30, 50, 40, 100 }, // pre-flop
        { 20, 50, 30, 100 }, // flop
        { 20, 60, 30, 100 }, // turn
        { 20, 90, 25, 100 }, // river
    };
    // clang-format on
    RaiseDecision decision;
    decision.estimate = estimate;
    const Street street = input.street;
    if (street >= Street::preflop && street <= Street::river) {
        const RaiseRow& row = kRows[streetIndex(street)];
        if (estimate.oddsScore > row.over2)
            decision.raiseChance = row.chance2;
        else if (estimate.oddsScore > row.over1)
            decision.raiseChance = row.chance1;
    }

    const int r = random.below(100);
    if (r > 100 - decision.raiseChance && !estimate.raiseBarred)
        decision.raiseAmount = street <= Street::flop ? input.smallBet : input.bigBet;
    return decision;
}

RaiseDecision decideRaise(const EstimateInput& input, EstimateCarry& carry, Random& random) {
    EstimateRun state = runOf(input, carry);
    state.raiseBarred = false;
    estimateOn(state, random);
    return raiseOn(estimateOf(state), input, random);
}

bool staysOn(const Estimate& estimate, const EstimateInput& input) {
    // clang-format off
    // By street: with at most `limit` seats out fold below `few`, with more
    // seats out fold below `many`.
    struct StayRow { std::int32_t limit, few, many; };
    static constexpr StayRow kRows[] = {
        { 3, 27, 21 }, // pre-flop
        { 2, 20, 10 }, // flop
        { 2, 20, 7 },  // turn
        { 2, 15, 2 },  // river
    };
    // clang-format on
    const Street street = input.street;
    if (street < Street::preflop || street > Street::river)
        return true;
    const StayRow& row = kRows[streetIndex(street)];
    const std::int32_t floor = input.outCount <= row.limit ? row.few : row.many;
    return estimate.oddsScore >= floor;
}

StayDecision decideStay(const EstimateInput& input, EstimateCarry& carry, Random& random) {
    EstimateRun state = runOf(input, carry);
    state.raiseBarred = false;
    estimateOn(state, random);
    const Estimate estimate = estimateOf(state);
    return StayDecision { staysOn(estimate, input), estimate };
}

std::int32_t trialPaths::portable(
    const EstimateInput& input, EstimateCarry& carry, Random& random, int trials) {
    EstimateRun run = runOf(input, carry);
    return portableRun(run, random, trials);
}

bool trialPaths::haveAvx2() {
    return kHasAvx2Copy && cpu::hasAvx2();
}

std::int32_t trialPaths::avx2(
    const EstimateInput& input, EstimateCarry& carry, Random& random, int trials) {
    EstimateRun run = runOf(input, carry);
    return avx2Trials(run, random, trials);
}

} // namespace tavolier
