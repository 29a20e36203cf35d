// The long differential run: ten million slot-ordered sets from fixed seeds,
// fast evaluator against the literal reference. Labelled "slow" in ctest.
#include "evaluation/differential.h"

#include <bit>

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

// Every set of distinct cards with five, six or seven cards of one suit
// (the suit turns with each set), each in a shuffled slot order.
TEST(EvaluatorDifferential, EverySuitedSetInShuffledOrder) {
    HandSource source(0x5EED0005);
    std::int64_t sets = 0;
    int failures = 0;
    auto check = [&](std::array<Card, 7> slots) {
        for (int i = 6; i > 0; --i)
            std::swap(slots[i], slots[source.below(i + 1)]);
        ++sets;
        if (failures < 5 && evaluate(slots) != referenceEvaluate(slots)) {
            ++failures;
            ADD_FAILURE() << describe(slots);
        }
    };
    // suited: a bit mask of ranks; others: cards 0..38 of the other suits.
    for (std::uint32_t suited = 0; suited < (1u << 13); ++suited) {
        const int n = std::popcount(suited);
        if (n < 5 || n > 7)
            continue;
        const int suit = static_cast<int>(sets % 4);
        std::array<Card, 7> slots {};
        int k = 0;
        for (int r = 0; r < 13; ++r)
            if ((suited >> r) & 1u)
                slots[k++] = { suit, r };
        auto other = [suit](int c) { return Card { (suit + 1 + c / 13) % 4, c % 13 }; };
        if (n == 7) {
            check(slots);
        } else if (n == 6) {
            for (int a = 0; a < 39; ++a) {
                slots[6] = other(a);
                check(slots);
            }
        } else {
            for (int a = 0; a < 39; ++a)
                for (int b = a + 1; b < 39; ++b) {
                    slots[5] = other(a);
                    slots[6] = other(b);
                    check(slots);
                }
        }
    }
    EXPECT_EQ(sets, 1716 + 1716 * 39 + 1287 * 741);
}

} // namespace
} // namespace tavolier::testing
