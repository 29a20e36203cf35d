// The estimate's trials are compiled twice in a build for any x86-64
// processor: the portable copy and the one for processors with AVX2. Both
// must win the same trials, take the same draws and leave the carried state
// the same, on every street and whatever the cards hold.
#include "core/random.h"
#include "core/table_state.h"
#include "game/deck.h"
#include "opponents/odds.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace tavolier {
namespace {

struct HandSetup {
    EstimateInput input;
    EstimateCarry carry;
};

// Some hand in progress: the spare deck shuffled, the seat's cards, the board
// and the slots the last estimate left, drawn from setup. Every tenth holds a
// card outside the card range somewhere.
HandSetup someHand(Random& setup, Street street) {
    TableState table;
    initDecks(table);
    HandSetup s;
    s.carry.spareDeck = table.estimate.spareDeck;
    auto& deck = s.carry.spareDeck;
    for (int i = 51; i > 0; --i)
        std::swap(
            deck[static_cast<std::size_t>(i)], deck[static_cast<std::size_t>(setup.below(i + 1))]);
    s.input.street = street;
    s.input.cards = { deck[0], deck[1] };
    for (std::size_t i = 0; i < 5; ++i)
        s.input.board[i] = deck[2 + i];
    for (std::size_t i = 0; i < 7; ++i)
        s.carry.carriedSlots[i] = deck[static_cast<std::size_t>(setup.below(52))];
    s.carry.carriedSlots[5] = kPlaceholderA;
    s.carry.carriedSlots[6] = kPlaceholderB;
    if (setup.below(10) == 0) {
        const Card odd { setup.below(7) - 1, setup.below(20) - 2 };
        switch (setup.below(3)) {
        case 0:
            deck[static_cast<std::size_t>(setup.below(52))] = odd;
            break;
        case 1:
            s.input.board[static_cast<std::size_t>(setup.below(5))] = odd;
            break;
        default:
            s.input.cards[static_cast<std::size_t>(setup.below(2))] = odd;
            break;
        }
    }
    return s;
}

TEST(TrialPaths, BothCopiesWinTheSameTrialsAndLeaveTheSameCarry) {
    if (!trialPaths::haveAvx2())
        GTEST_SKIP() << "this build or this processor has one copy of the trials";
    Random setup(20261208);
    for (int round = 0; round < 600; ++round) {
        const Street street
            = streetFromNumber(1 + round % 5).value(); // the showdown shows no board
        const int trials = 1 + setup.below(300);
        HandSetup a = someHand(setup, street);
        HandSetup b = a;
        const std::uint64_t seed = static_cast<std::uint64_t>(round) * 7919u;
        Random ra(seed);
        Random rb(seed);
        const std::int32_t winsA = trialPaths::portable(a.input, a.carry, ra, trials);
        const std::int32_t winsB = trialPaths::avx2(b.input, b.carry, rb, trials);
        ASSERT_EQ(winsA, winsB) << "round " << round;
        ASSERT_EQ(ra.drawCount(), rb.drawCount()) << "round " << round;
        ASSERT_EQ(a.carry.spareDeck, b.carry.spareDeck) << "round " << round;
        ASSERT_EQ(a.carry.carriedSlots, b.carry.carriedSlots) << "round " << round;
        // The next draw comes from the same place in the stream.
        ASSERT_EQ(ra.below(1000), rb.below(1000)) << "round " << round;
    }
}

TEST(TrialPaths, TheEstimateCountsThePortableCopysWins) {
    // Whichever copy the estimate runs (TAVOLIER_BASELINE set in the tests'
    // second run, or no AVX2), its figure is the portable copy's count.
    Random setup(7);
    HandSetup a = someHand(setup, Street::flop);
    a.input.levelCode = 900;
    HandSetup b = a;
    Random ra(99);
    Random rb(99);
    const Estimate estimate = estimateOdds(a.input, a.carry, ra);
    (void)rb.below(100); // the draw the estimate takes on the flop first
    const std::int32_t wins = trialPaths::portable(b.input, b.carry, rb, 901);
    EXPECT_EQ(ra.drawCount(), rb.drawCount());
    EXPECT_EQ(a.carry.spareDeck, b.carry.spareDeck);
    EXPECT_EQ(estimate.oddsScore, wins / 9);
}

} // namespace
} // namespace tavolier
