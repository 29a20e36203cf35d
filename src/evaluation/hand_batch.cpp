// Scores many hands in one call. In a build for any x86-64 processor this
// file is compiled twice: as it is, and once more for processors with AVX2
// (TAVOLIER_AVX2_COPY defined), which keeps only the loop, as
// evaluationPaths::avx2; evaluateHands picks one copy at run time, once per
// call.
#include "core/cpu_paths.h"
#include "evaluation/hand_evaluator.h"

#include <cassert>

namespace tavolier {

namespace {

[[maybe_unused]] void scoreAll(
    std::span<const std::array<Card, 7>> hands, std::span<HandValue> values) {
    assert(values.size() >= hands.size());
    for (std::size_t i = 0; i < hands.size(); ++i)
        values[i] = evaluate(hands[i]);
}

} // namespace

#ifdef TAVOLIER_AVX2_COPY

void evaluationPaths::avx2(
    std::span<const std::array<Card, 7>> hands, std::span<HandValue> values) {
    scoreAll(hands, values);
}

#else

void evaluationPaths::portable(
    std::span<const std::array<Card, 7>> hands, std::span<HandValue> values) {
    scoreAll(hands, values);
}

bool evaluationPaths::haveAvx2() {
#ifdef TAVOLIER_HAS_AVX2_COPY
    return cpu::hasAvx2();
#else
    return false;
#endif
}

#ifndef TAVOLIER_HAS_AVX2_COPY
void evaluationPaths::avx2(
    std::span<const std::array<Card, 7>> hands, std::span<HandValue> values) {
    scoreAll(hands, values);
}
#endif

void evaluateHands(std::span<const std::array<Card, 7>> hands, std::span<HandValue> values) {
    if (evaluationPaths::haveAvx2() && cpu::useAvx2Paths())
        evaluationPaths::avx2(hands, values);
    else
        scoreAll(hands, values);
}

#endif

} // namespace tavolier
