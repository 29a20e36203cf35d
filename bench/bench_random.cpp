#include "core/random.h"
#include "fastest.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

// One bounded draw below 52, the opponents' most frequent operation.
void BM_RandomBelow52(benchmark::State& state) {
    tavolier::Random random(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(random.below(52));
}
BENCHMARK(BM_RandomBelow52)->ComputeStatistics("min", tavolier::bench::fastest);

// The 202 draws of one trial taken as a block.
void BM_RandomBlock202(benchmark::State& state) {
    tavolier::Random random(1);
    std::array<std::uint8_t, 202> out {};
    for (auto _ : state) {
        random.below52Block(out.data(), 202);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * 202);
}
BENCHMARK(BM_RandomBlock202)->ComputeStatistics("min", tavolier::bench::fastest);

} // namespace
