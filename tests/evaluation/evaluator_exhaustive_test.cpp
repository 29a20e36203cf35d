// Every way to hold seven ranks, checked against the reference: the fast
// evaluator scores hands without a flush from a table of these.
#include "evaluation/differential.h"

#include <vector>

namespace tavolier::testing {
namespace {

// Calls visit with every multiset of `left` more ranks from `rank` up,
// as ranks in ascending order.
template <typename Visit>
void everyMultiset(std::vector<int>& ranks, int rank, int left, Visit& visit) {
    if (left == 0) {
        visit(ranks);
        return;
    }
    for (int r = rank; r < 13; ++r) {
        ranks.push_back(r);
        everyMultiset(ranks, r, left - 1, visit);
        ranks.pop_back();
    }
}

TEST(EvaluatorExhaustive, EveryRankMultisetWithoutAFlush) {
    HandSource source(0xE7A0);
    int sets = 0;
    int failures = 0;
    auto visit = [&](const std::vector<int>& ranks) {
        // Suits dealt round so that no suit holds more than two cards,
        // then the slots shuffled.
        std::array<Card, 7> slots {};
        for (int i = 0; i < 7; ++i)
            slots[i] = { i % 4, ranks[i] };
        for (int i = 6; i > 0; --i)
            std::swap(slots[i], slots[source.below(i + 1)]);
        ++sets;
        if (failures < 5 && evaluate(slots) != referenceEvaluate(slots)) {
            ++failures;
            ADD_FAILURE() << describe(slots);
        }
    };
    std::vector<int> ranks;
    everyMultiset(ranks, 0, 7, visit);
    EXPECT_EQ(sets, 50388);
}

} // namespace
} // namespace tavolier::testing
