#include "evaluation/cards.h"
#include "evaluation/hand_evaluator.h"
#include "evaluation/rank_table.h"
#include "evaluation/reference_evaluator.h"

#include <gtest/gtest.h>

#include <string_view>

namespace tavolier {
namespace {

using testing::hand;
using testing::referenceEvaluate;

// Checks the fast evaluator and the reference against the same expected
// value, so every case below also pins the reference.
void expectValue(std::string_view cards, std::int32_t score, std::int32_t kicker) {
    const auto slots = hand(cards);
    EXPECT_EQ(evaluate(slots), (HandValue { score, kicker })) << cards << " (fast)";
    EXPECT_EQ(referenceEvaluate(slots), (HandValue { score, kicker })) << cards << " (reference)";
}

TEST(StraightScoring, AceToFiveMixedSuitsIsFiveHigh) {
    expectValue("As 2d 3h 4c 5s 9d Jh", 403, 0);
    expectValue("9d 5s 4c Jh 3h 2d As", 403, 0);
}

TEST(StraightScoring, AceToFiveWithASixIsSixHigh) {
    expectValue("As 2d 3h 4c 5s 6d Jh", 404, 0);
}

TEST(StraightScoring, SevenConsecutiveRanksReportTheTopCard) {
    expectValue("2c 3d 4h 5s 6c 7d 8h", 406, 0);
    expectValue("8h 7d 6c 5s 4h 3d 2c", 406, 0);
}

TEST(StraightScoring, EqualTopCardsTieWhateverTheSuits) {
    expectValue("9c Td Jh Qs Kc 2d 3h", 411, 0);
    expectValue("9h Th Jh Qh Kd 2c 4s", 411, 0);
}

TEST(StraightScoring, AceToFiveNeedsAnAceOfAnySuit) {
    // Four hearts to the Five with the Ace in spades: no straight flush,
    // but the straight is there.
    expectValue("As 2h 3h 4h 5h Kc Qd", 403, 0);
    expectValue("Ks 2h 3h 4h 5h Kc Qd", 111, 10 * 10 + 3 * 3 + 2);
}

TEST(StraightFlushScoring, AceToFiveInOneSuitHasKickerThree) {
    expectValue("Ah 2h 3h 4h 5h 9d Jc", 1000, 3);
    // A Six of another suit does not lengthen the suited run.
    expectValue("Ah 2h 3h 4h 5h 6c Kd", 1000, 3);
}

TEST(StraightFlushScoring, RunTopRankGoesIntoTheKicker) {
    expectValue("Th Jh Qh Kh Ah 2c 3d", 1000, 12);
    expectValue("2h 3h 4h 5h 6h 7h 8h", 1000, 6);
}

TEST(StraightFlushScoring, FoundOnTheSecondStartRank) {
    expectValue("2c 3c 7h 8h 9h Th Jh", 1000, 9);
}

TEST(StraightFlushScoring, OnlyTwoStartRanksAreTried) {
    // The start ranks tried are the Five (in spades) and the Six (in
    // clubs); the hearts run is never followed and the hand is a flush.
    expectValue("7h 8h 9h Th Jh 5s 6c", 459, 98);
}

TEST(StraightFlushScoring, FirstSlotHoldingTheStartRankChoosesTheSuit) {
    expectValue("2s 2h 3h 4h 5h 6h Kc", 454, 33);
    expectValue("2h 2s 3h 4h 5h 6h Kc", 1000, 4);
}

TEST(FlushScoring, KickerWeighsTheSecondCardTenfold) {
    expectValue("Ah 9h 8h 7h 6h 2c 3d", 462, 85);
    expectValue("Ah Th 4h 3h 2h Kc Qd", 462, 83);
}

TEST(FlushScoring, SixCardsOfTheSuitKeepTheFiveHighest) {
    expectValue("Kd Jd 9d 7d 4d 2d Ac", 461, 10 * 9 + 7 + 5 + 2);
}

TEST(QuadsScoring, FourOnTheBoardTieWhateverTheHoleCards) {
    expectValue("Ac Kd 7c 7d 7h 7s 2c", 805, 0);
    expectValue("2d 3h 7c 7d 7h 7s Qc", 805, 0);
}

TEST(FullHouseScoring, SecondTripsCountAsThePair) {
    expectValue("7c 7d 7h Kc Kd Ks 2h", 511, 25);
    expectValue("7c 7d 7h Kc Kd 2s 2h", 505, 55);
}

TEST(TripsScoring, KickerIsFiveTimesTheFirstPlusTheSecond) {
    expectValue("7c 7d 7h Ac Kd 2h 3s", 305, 5 * 12 + 11);
}

TEST(TwoPairsScoring, WeightedKickerCanTieAndOrderOddly) {
    expectValue("Ac Ad 5h 5s Kc 8d 2h", 212, 41);
    expectValue("Ac Ad 6h 6s 2c 2d 3h", 212, 41);
    expectValue("Kc Kd 5h 5s Ac 8d 2h", 211, 42);
    expectValue("Kc Kd 6h 6s 2c 2d 3h", 211, 41);
}

TEST(TwoPairsScoring, ThirdPairCanBeTheKicker) {
    expectValue("Ac Ad Kc Kd Qc Qd 2h", 212, 120);
}

TEST(PairScoring, ThreeKickersWeightedTenThreeOne) {
    expectValue("Ac Ad Kh 9s 7c 4d 2h", 112, 136);
}

TEST(HighCardScoring, OnlyTheTopThreeRanksCount) {
    expectValue("Ac Kd Qh 9s 7c 4d 2h", 12, 120);
    expectValue("Ac Kd Qh 9s 8c 5d 3h", 12, 120);
}

TEST(PlaceholderCards, TakePartInEveryHighestRank) {
    expectValue("Ac 9d 5h 3s 2c P1 P2", 100, 812);
    expectValue("Ac Ad 5h 3s 2c P1 P2", 112, 1243);
}

TEST(PlaceholderCards, RepeatedPlaceholderCountsOnceAmongTheHighestRanks) {
    expectValue("Ac 9d 5h 3s P1 P1 P2", 100, 10 * 80 + 12);
    expectValue("P2 Ac 9d P2 5h 3s P2", 100, 10 * 12 + 7);
}

TEST(PlaceholderCards, NeverPairRunOrSuit) {
    expectValue("Kc Qc Jc 9c 7d P1 P2", 100, 10 * 80 + 11);
    expectValue("Kc Qc Jc Tc 9c P1 P2", 1000, 11);
    expectValue("Kc Kd 7h 7s 2c P1 P2", 211, 10 * 5 + 100);
    expectValue("2c 3d 4h 5s Ac P1 P2", 403, 0);
}

// The opponents' simulation deals from a deck from which nothing is
// removed, so a card can stand in two slots. The rules' words then still
// give one answer: "four cards" means exactly four, and the flush kicker
// counts repeated cards.
TEST(DuplicateCards, FiveOfARankIsNotFourOfAKind) {
    expectValue("7c 7c 7d 7h 7s Ac 2d", 12, 10 * 5 + 0);
    expectValue("7c 7c 7d 7h 7s Ac Ad", 505, 60);
}

TEST(DuplicateCards, ExactlyFourCountsEvenWithARepeat) {
    expectValue("7c 7c 7d 7h Ac Kd 2h", 805, 0);
}

TEST(DuplicateCards, FlushCountsRepeatedCards) {
    expectValue("Ah Ah 9h 8h 2h 3c 4d", 462, 133);
}

TEST(DuplicateCards, MissingKickersStayBelowAllRanks) {
    expectValue("7c 7d 7h 7s 7c 7d 7h", 5, -11);
    expectValue("7c 7d 7h 7s 7c 7d Ad", 12, 10 * 5 - 1);
    // Six repeats of one card are a flush.
    expectValue("7c 7c 7c 7c 7c 7c Ad", 455, 65);
}

TEST(EvaluateHand, GivesScoreAndKickerOfTheSlots) {
    const HandValue v = evaluate(hand("Ac Ad Kh 9s 7c 4d 2h"));
    EXPECT_EQ(v.score, 112);
    EXPECT_EQ(v.kicker, 136);
}

// The tally words the opponents' trials keep in place of cards.
TEST(CardTally, GivesEveryRealCardBackAndKeepsTheFieldsApart) {
    std::uint64_t all = ranks::kStart;
    for (int rank = 0; rank < 13; ++rank)
        for (int suit = 0; suit < 4; ++suit) {
            const std::uint64_t t = ranks::kCardTally[ranks::cardCode(suit, rank)];
            EXPECT_EQ(ranks::suitOfTally(t), suit);
            EXPECT_EQ(ranks::rankOfTally(t), rank);
            EXPECT_EQ(t & ranks::kOutside, 0u);
        }
    // Seven aces of one suit, the fullest a hand can be: no field spills
    // into the rank hash.
    const std::uint64_t ace = ranks::kCardTally[ranks::cardCode(3, 12)];
    for (int i = 0; i < 7; ++i)
        all += ace;
    EXPECT_EQ(all >> ranks::kHashShift, (7 * ranks::kRankHash[12]) >> ranks::kHashShift);
    EXPECT_NE(all & ranks::kFlush, 0u);
}

} // namespace
} // namespace tavolier
