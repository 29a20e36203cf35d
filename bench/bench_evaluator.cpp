#include "evaluation/hand_evaluator.h"
#include "evaluation/random_hands.h"
#include "evaluation/reference_evaluator.h"
#include "fastest.h"

#include <benchmark/benchmark.h>

#include <array>
#include <span>
#include <vector>

namespace {

using Hand = std::array<tavolier::Card, 7>;

// Random seven-card sets of distinct cards in random slot order, drawn once
// from a fixed seed so that every run measures the same hands.
const std::vector<Hand>& randomHands() {
    static const std::vector<Hand> hands = [] {
        tavolier::testing::HandSource source(0xBE7C4);
        std::vector<Hand> out(1 << 13);
        for (Hand& h : out)
            h = source.distinct();
        return out;
    }();
    return hands;
}

// One evaluation per iteration, walking the array in order. The walk keeps
// its own pointer: read through the vector, every iteration would first
// reload the vector's data pointer (DoNotOptimize clobbers memory).
template <tavolier::HandValue (*Evaluate)(const Hand&)> void runOverHands(benchmark::State& state) {
    const std::vector<Hand>& hands = randomHands();
    const Hand* const first = hands.data();
    const Hand* const last = first + hands.size() - 1;
    const Hand* hand = first;
    // The first evaluation builds the fast evaluator's rank table; keep that
    // out of the measurement.
    benchmark::DoNotOptimize(Evaluate(*first));
    for (auto _ : state) {
        benchmark::DoNotOptimize(Evaluate(*hand));
        hand = hand == last ? first : hand + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_EvaluateHand(benchmark::State& state) {
    runOverHands<tavolier::evaluate>(state);
}
BENCHMARK(BM_EvaluateHand)->ComputeStatistics("min", tavolier::bench::fastest);

void BM_EvaluateHandReference(benchmark::State& state) {
    runOverHands<tavolier::testing::referenceEvaluate>(state);
}
BENCHMARK(BM_EvaluateHandReference)->ComputeStatistics("min", tavolier::bench::fastest);

} // namespace
