#include "evaluation/random_hands.h"
#include "evaluation/standard_ranking.h"
#include "fastest.h"

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

namespace {

using Hand = std::array<tavolier::Card, 7>;

// Random showdown hands (seven distinct cards), drawn once from a fixed seed so that every
// run ranks the same hands.
const std::vector<Hand>& showdownHands() {
    static const std::vector<Hand> hands = [] {
        tavolier::testing::HandSource source(0x57A2D);
        std::vector<Hand> out(1 << 13);
        for (Hand& h : out)
            h = source.distinct();
        return out;
    }();
    return hands;
}

// One standard ranking per iteration, walking the hands in order.
void BM_RankStandard(benchmark::State& state) {
    const std::vector<Hand>& hands = showdownHands();
    const Hand* const first = hands.data();
    const Hand* const last = first + hands.size() - 1;
    const Hand* hand = first;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tavolier::rankStandard(*hand));
        hand = hand == last ? first : hand + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RankStandard)->ComputeStatistics("min", tavolier::bench::fastest);

} // namespace
