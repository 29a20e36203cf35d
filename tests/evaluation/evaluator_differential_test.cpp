// A short differential run in the everyday suite; the long one runs apart.
#include "evaluation/differential.h"

namespace tavolier::testing {
namespace {

TEST(EvaluatorDifferential, QuarterMillionMixedSets) {
    expectSameAsReference(0xD1FF, 250'000, [](HandSource& s) { return s.mixed(); });
}

} // namespace
} // namespace tavolier::testing
