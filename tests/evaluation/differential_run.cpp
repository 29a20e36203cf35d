// The long differential run: ten million slot-ordered sets from fixed seeds,
// fast evaluator against the literal reference. Labelled "slow" in ctest.
#include "evaluation/differential.h"

namespace tavolier::testing {
namespace {

TEST(EvaluatorDifferential, ThreeMillionDistinctSets) {
    expectSameAsReference(0x5EED0001, 3'000'000, [](HandSource& s) { return s.distinct(); });
}

TEST(EvaluatorDifferential, ThreeMillionSetsWithRepeats) {
    expectSameAsReference(0x5EED0002, 3'000'000, [](HandSource& s) { return s.withRepeats(); });
}

TEST(EvaluatorDifferential, TwoMillionCrowdedSets) {
    expectSameAsReference(0x5EED0003, 2'000'000, [](HandSource& s) { return s.crowded(); });
}

TEST(EvaluatorDifferential, TwoMillionSetsWithPlaceholders) {
    expectSameAsReference(
        0x5EED0004, 2'000'000, [](HandSource& s) { return s.withPlaceholders(); });
}

} // namespace
} // namespace tavolier::testing
