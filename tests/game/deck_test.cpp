#include "core/random.h"
#include "core/seats.h"
#include "game/deck.h"

#include <gtest/gtest.h>

#include <set>

namespace tavolier {
namespace {

TEST(Decks, InitDecksPutsCardsInSuitThenRankOrder) {
    TableState state;
    initDecks(state);
    EXPECT_EQ(state.deck[0], (Card { 0, 0 }));
    EXPECT_EQ(state.deck[13], (Card { 1, 0 }));
    EXPECT_EQ(state.deck[51], (Card { 3, 12 }));
    EXPECT_EQ(state.estimate.spareDeck, state.deck);
    EXPECT_EQ(imageIndex(state.deck[51]), 51);
    EXPECT_EQ(imageIndex(Card { 2, 5 }), 31);
}

TEST(Decks, ShuffleMakesExactly25002SwapsOfTwoDraws) {
    TableState state;
    initDecks(state);
    Random random(7);
    random.recordBounds(true);
    shuffleAndDeal(state, random);
    EXPECT_EQ(random.drawCount(), 2u * (5001 + 20001));
    for (int bound : random.bounds())
        ASSERT_EQ(bound, 52);
}

TEST(Decks, SpareDeckIsShuffledFirst) {
    // A script that swaps positions 0 and 1 in the first swap of the spare
    // deck and leaves everything else in place (j == k).
    std::vector<int> script { 0, 1 };
    for (int i = 1; i < 5001 + 20001; ++i) {
        script.push_back(5);
        script.push_back(5);
    }
    auto random = Random::scripted(script);
    TableState state;
    initDecks(state);
    shuffleAndDeal(state, random);
    EXPECT_FALSE(random.scriptExhausted());
    EXPECT_EQ(state.estimate.spareDeck[0], (Card { 0, 1 }));
    EXPECT_EQ(state.estimate.spareDeck[1], (Card { 0, 0 }));
    EXPECT_EQ(state.deck[0], (Card { 0, 0 }));
}

TEST(Dealing, EachDeckPositionGoesToItsSeat) {
    // With every swap a no-op the deck stays in order, so position p deals
    // card (p / 13, p % 13).
    auto random = Random::scripted(std::vector<int>(2 * (5001 + 20001), 0));
    TableState state;
    initDecks(state);
    shuffleAndDeal(state, random);
    const std::pair<int, int> positions[]
        = { { 7, 0 }, { 8, 2 }, { 6, 4 }, { 5, 6 }, { 4, 8 }, { 3, 10 }, { 2, 12 }, { 1, 14 } };
    for (auto [seat, p] : positions) {
        EXPECT_EQ(state.seat(seat).holeCards[0], state.deck[static_cast<std::size_t>(p)]) << seat;
        EXPECT_EQ(state.seat(seat).holeCards[1], state.deck[static_cast<std::size_t>(p + 1)])
            << seat;
    }
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(
            state.board[static_cast<std::size_t>(i)], state.deck[static_cast<std::size_t>(20 + i)]);
}

TEST(Dealing, SameGeneratorStateGivesSameDealAndTheNextDiffers) {
    TableState a, b;
    initDecks(a);
    initDecks(b);
    Random ra(99), rb(99);
    shuffleAndDeal(a, ra);
    shuffleAndDeal(b, rb);
    EXPECT_EQ(a.deck, b.deck);
    EXPECT_EQ(a.board, b.board);
    const auto first = a.deck;
    shuffleAndDeal(a, ra);
    EXPECT_NE(a.deck, first);
}

TEST(Dealing, NoCardIsDealtTwice) {
    TableState state;
    initDecks(state);
    Random random(12345);
    for (int hand = 0; hand < 200; ++hand) {
        shuffleAndDeal(state, random);
        std::set<int> seen;
        for (int seat = 1; seat <= kSeatCount; ++seat)
            for (const Card& c : state.seat(seat).holeCards)
                seen.insert(imageIndex(c));
        for (const Card& c : state.board)
            seen.insert(imageIndex(c));
        ASSERT_EQ(seen.size(), 21u);
    }
}

TEST(Dealing, PinnedDealForTheSplitMixStream) {
    // A regression signature: the first deal of the documented stream 42.
    auto random = Random::splitMix64(42);
    TableState state;
    initDecks(state);
    shuffleAndDeal(state, random);
    std::string dealt;
    for (int seat = 8; seat >= 1; --seat)
        for (const Card& c : state.seat(seat).holeCards)
            dealt += std::to_string(imageIndex(c)) + " ";
    for (const Card& c : state.board)
        dealt += std::to_string(imageIndex(c)) + " ";
    EXPECT_EQ(dealt, "35 4 27 38 32 24 41 5 6 36 18 10 0 40 46 31 50 51 37 16 43 ");
}

} // namespace
} // namespace tavolier
