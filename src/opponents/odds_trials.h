#pragma once

// The estimate's trials, apart from the estimate: in a build for any x86-64
// processor odds_trials.cpp is compiled twice, as it is and once more for
// processors with AVX2 (TAVOLIER_AVX2_COPY defined), and each copy defines
// its own entry point. Private to the opponents' folder.

#include "core/random.h"
#include "core/table_state.h"

#include <array>
#include <cstdint>

namespace tavolier {

// One run of the estimate or of a decision: what it reads of the table, the
// carried state it moves (by reference) and what it works out, under the
// names the trial loops use.
struct EstimateRun {
    std::array<Card, 52>& spareDeck;
    std::array<Card, 7>& evalCards; // the carried slots
    std::int32_t& oddsScore; // the carried percentage
    const std::array<Card, 5>& board;
    std::array<Card, 2> actorCards {};
    Street street = Street::preflop;
    std::int32_t aiLevelCode = 0;
    std::int32_t smallBet = 0;
    std::int32_t bigBet = 0;
    std::int32_t outCount = 0;
    std::int32_t handScore = 0;
    bool raiseBarred = false;
};

namespace trialPaths {

// Runs that many trials on the run's street, shuffling its spare deck and
// moving its carried slots; returns W, the trials in which the acting seat's
// hand beat all six simulated hands, and leaves evalCards and handScore with
// the last simulated hand. Both copies give the same results.
std::int32_t portableRun(EstimateRun& state, Random& random, int trials);
// The copy for processors with AVX2: only in a build with that copy
// (TAVOLIER_HAS_AVX2_COPY), called only where cpu::useAvx2Paths().
std::int32_t avx2Run(EstimateRun& state, Random& random, int trials);

} // namespace trialPaths

} // namespace tavolier
