// A short differential run in the everyday suite; the long one runs apart.
#include "evaluation/differential.h"

namespace tavolier::testing {
namespace {

TEST(EvaluatorDifferential, QuarterMillionMixedSets) {
    expectSameAsReference(0xD1FF, 250'000, [](HandSource& s) { return s.mixed(); });
}

// The evaluator of processors without AVX2 (where this one has it, the
// everyday evaluator is the vector one).
TEST(EvaluatorDifferential, TableEvaluatorOnAQuarterMillionMixedSets) {
    expectSameAsReference(
        0x7AB1E, 250'000, [](HandSource& s) { return s.mixed(); }, detail::evaluateByTable);
}

// Words no card has (ranks 13..15 and beyond, suits 4 and beyond, negative
// values) in one to three slots: the vector evaluator must send every such
// set down the careful path, as the table evaluator does, and score it the
// same.
TEST(EvaluatorDifferential, BothEvaluatorsAgreeOnSlotsOutsideTheCardRange) {
    constexpr std::array<std::int32_t, 12> kOddValues
        = { 4, 5, 7, 8, 13, 14, 15, 16, 31, -1, -2147483647 - 1, 2147483647 };
    HandSource source(0x0DD5);
    int failures = 0;
    for (int i = 0; i < 200'000 && failures < 5; ++i) {
        std::array<Card, 7> slots = source.mixed();
        const int odd = 1 + source.below(3);
        for (int k = 0; k < odd; ++k) {
            Card& c = slots[static_cast<std::size_t>(source.below(7))];
            const std::int32_t value = kOddValues[static_cast<std::size_t>(source.below(12))];
            if (source.below(2) == 0)
                c.suit = value;
            else
                c.rank = value;
        }
        const HandValue vector = evaluate(slots);
        const HandValue table = detail::evaluateByTable(slots);
        if (vector != table) {
            ++failures;
            ADD_FAILURE() << "set " << i << ": " << describe(slots) << "evaluate " << vector.score
                          << '/' << vector.kicker << " by table " << table.score << '/'
                          << table.kicker;
        }
    }
}

} // namespace
} // namespace tavolier::testing
