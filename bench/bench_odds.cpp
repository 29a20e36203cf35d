#include "core/random.h"
#include "core/table_state.h"
#include "fastest.h"
#include "game/deck.h"
#include "opponents/odds.h"

#include <benchmark/benchmark.h>

namespace {

// A dealt table on the given street.
void dealTable(tavolier::TableState& state, tavolier::Random& random, int street, int level) {
    tavolier::initDecks(state);
    tavolier::shuffleAndDeal(state, random);
    state.street = tavolier::streetFromNumber(street).value();
    state.aiLevelCode = level;
    state.outCount = 2;
}

// One opponent answering a bet: the whole estimate plus the fold rule.
// Arguments: level code (400, 600, 800, 900), street (1..4).
void BM_DecideStay(benchmark::State& bench) {
    tavolier::Random random(2024);
    tavolier::TableState state;
    dealTable(state, random, static_cast<int>(bench.range(1)), static_cast<int>(bench.range(0)));
    const tavolier::EstimateInput input
        = tavolier::estimateInput(state, state.seat(1).holeCards, state.aiLevelCode);
    for (auto _ : bench) {
        const tavolier::StayDecision decision = tavolier::decideStay(input, state.estimate, random);
        benchmark::DoNotOptimize(decision.staysIn);
    }
    bench.SetItemsProcessed(bench.iterations() * (bench.range(0) + 1));
}
BENCHMARK(BM_DecideStay)
    ->ArgsProduct({ { 400, 600, 800, 900 }, { 1, 2, 3, 4 } })
    ->ArgNames({ "level", "street" })
    ->Unit(benchmark::kMicrosecond)
    ->ComputeStatistics("min", tavolier::bench::fastest);

// The human's odds badge: 2001 trials. Argument: street (1..4).
void BM_OddsBadge(benchmark::State& bench) {
    tavolier::Random random(7);
    tavolier::TableState state;
    dealTable(state, random, static_cast<int>(bench.range(0)), 2000);
    const tavolier::EstimateInput input
        = tavolier::estimateInput(state, state.seat(tavolier::kHuman).holeCards, 2000);
    for (auto _ : bench) {
        const tavolier::Estimate estimate = tavolier::estimateOdds(input, state.estimate, random);
        benchmark::DoNotOptimize(estimate.oddsScore);
    }
    bench.SetItemsProcessed(bench.iterations() * 2001);
}
BENCHMARK(BM_OddsBadge)
    ->DenseRange(1, 4)
    ->ArgName("street")
    ->Unit(benchmark::kMicrosecond)
    ->ComputeStatistics("min", tavolier::bench::fastest);

} // namespace
