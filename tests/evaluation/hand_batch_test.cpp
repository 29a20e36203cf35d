// The batch evaluator scores as evaluate does one hand at a time, and in a
// build for any x86-64 processor its two copies (portable and AVX2) agree on
// every kind of set, odd slots included.
#include "evaluation/hand_evaluator.h"
#include "evaluation/random_hands.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace tavolier {
namespace {

using Hand = std::array<Card, 7>;

std::vector<Hand> mixedHands(std::size_t count) {
    testing::HandSource source(0x5EED18);
    std::vector<Hand> hands(count);
    for (Hand& h : hands)
        h = source.mixed();
    // Slots the card range does not hold: negative, too high, the sign bit.
    hands[0][3] = Card { -1, 5 };
    hands[1][6] = Card { 2, 13 };
    hands[2][0] = Card { 4, 0 };
    hands[3][1] = Card { 0, -2147483647 - 1 };
    return hands;
}

TEST(HandBatch, ScoresEveryHandAsEvaluateDoes) {
    const std::vector<Hand> hands = mixedHands(20000);
    std::vector<HandValue> values(hands.size());
    evaluateHands(hands, values);
    for (std::size_t i = 0; i < hands.size(); ++i)
        ASSERT_EQ(values[i], evaluate(hands[i])) << "hand " << i;
}

TEST(HandBatch, BothCopiesScoreAlike) {
    if (!evaluationPaths::haveAvx2())
        GTEST_SKIP() << "this build or this processor has one copy of the evaluator";
    const std::vector<Hand> hands = mixedHands(200000);
    std::vector<HandValue> portable(hands.size());
    std::vector<HandValue> avx2(hands.size());
    evaluationPaths::portable(hands, portable);
    evaluationPaths::avx2(hands, avx2);
    for (std::size_t i = 0; i < hands.size(); ++i)
        ASSERT_EQ(portable[i], avx2[i]) << "hand " << i;
}

} // namespace
} // namespace tavolier
