// The game events of scripted hands: what the game reports agrees with what
// it did to the table.
#include "flow_harness.h"

#include "game/classic/showdown.h"

#include <gtest/gtest.h>

namespace tavolier::testing {
namespace {

std::int64_t sum(const SeatFigures& figures) {
    std::int64_t total = 0;
    for (std::int32_t f : figures)
        total += f;
    return total;
}

// Plays the human's Check/Call until the hand is over.
void callDown(Harness& h) {
    for (int guard = 0; guard < 10 && h.game.legalActions().handInProgress; ++guard)
        h.game.checkOrCall();
    ASSERT_FALSE(h.game.legalActions().handInProgress);
}

TEST(GameEvents, StartUpReportsHandOneAndTheBlindsThatLeftTheSeats) {
    Harness h;
    h.game.startUp();
    const auto started = h.events.all<HandStarted>();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].handNumber, 1);
    EXPECT_FALSE(started[0].newMatch);
    EXPECT_EQ(started[0].smallBlindSeat, SeatNumber(2));
    EXPECT_EQ(started[0].bigBlindSeat, SeatNumber(1));
    EXPECT_EQ(started[0].buttonSeat, SeatNumber(3));
    EXPECT_EQ(started[0].stacks[2], h.chips(2) + 2);
    EXPECT_EQ(started[0].humanCards, h.state.seat(kHuman).holeCards);
    const auto blinds = h.events.all<BlindPosted>();
    ASSERT_EQ(blinds.size(), 2u);
    EXPECT_EQ(blinds[0].seat, SeatNumber(2));
    EXPECT_EQ(blinds[0].amount, 2);
    EXPECT_TRUE(blinds[1].big);
    EXPECT_EQ(blinds[1].amount, 4);
    EXPECT_EQ(blinds[1].potAfter, h.state.pot);
}

TEST(GameEvents, AHandCalledDownEndsOnceAndAccountsForEveryChip) {
    Harness h;
    h.game.startUp();
    callDown(h);

    const auto started = h.events.all<HandStarted>();
    const auto ended = h.events.all<HandEnded>();
    const auto awards = h.events.all<PotAwarded>();
    ASSERT_EQ(started.size(), 1u);
    ASSERT_EQ(ended.size(), 1u);
    ASSERT_EQ(awards.size(), 1u);
    EXPECT_TRUE(std::holds_alternative<HandEnded>(h.events.events.back()));
    EXPECT_EQ(sum(ended[0].stacks) + awards[0].lostToSplit, sum(started[0].stacks));
    EXPECT_EQ(ended[0].stacks[kHuman], h.chips(kHuman));
    EXPECT_EQ(awards[0].pot, h.state.pot);
    EXPECT_EQ(
        static_cast<std::int64_t>(awards[0].share) * awards[0].winnerCount + awards[0].lostToSplit,
        awards[0].pot);

    // Every payment is reported with the pot as it grew.
    std::int32_t pot = 0;
    for (const RecordedEvent& e : h.events.events) {
        if (const auto* b = std::get_if<BlindPosted>(&e))
            pot += b->amount;
        if (const auto* a = std::get_if<ActionTaken>(&e)) {
            pot += a->paid;
            EXPECT_EQ(a->potAfter, pot);
        }
    }
    EXPECT_EQ(pot, awards[0].pot);

    // The flop, turn, river and showdown, in order, each once.
    const auto streets = h.events.all<StreetDealt>();
    ASSERT_EQ(streets.size(), 4u);
    EXPECT_EQ(streets[0].street, Street::flop);
    EXPECT_EQ(streets[0].boardCount, 3);
    EXPECT_EQ(streets[2].street, Street::river);
    EXPECT_EQ(streets[3].street, Street::showdown);
    EXPECT_EQ(streets[3].board, h.state.board);
    EXPECT_EQ(h.events.count<HandShown>(), 8u); // nobody folded
}

TEST(GameEvents, ASecondShowdownOfTheHandPaysAndReportsNothing) {
    Harness h;
    h.game.startUp();
    callDown(h);
    const std::int64_t chips = h.totalChips();
    const std::size_t events = h.events.events.size();
    showdown(h.table);
    EXPECT_EQ(h.totalChips(), chips);
    EXPECT_EQ(h.events.events.size(), events);
}

TEST(GameEvents, TheHumansRaiseAndFoldAreReported) {
    Harness h;
    h.game.startUp();
    h.events.clear();
    const std::int32_t before = h.chips(kHuman);
    const LegalActions legal = h.game.legalActions();
    ASSERT_TRUE(legal.raise);
    h.game.raise();
    const auto actions = h.events.all<ActionTaken>();
    ASSERT_FALSE(actions.empty());
    EXPECT_EQ(actions[0].seat, kHumanSeat);
    EXPECT_EQ(actions[0].kind, ActionKind::raise);
    EXPECT_EQ(actions[0].paid, before - h.chips(kHuman));
    EXPECT_EQ(actions[0].paid, legal.raiseCost);

    h.events.clear();
    if (h.game.legalActions().handInProgress) {
        h.game.fold();
        const auto folds = h.events.all<ActionTaken>();
        ASSERT_FALSE(folds.empty());
        EXPECT_EQ(folds[0].seat, kHumanSeat);
        EXPECT_EQ(folds[0].kind, ActionKind::fold);
        EXPECT_EQ(h.events.count<HandEnded>(), 1u);
    }
}

TEST(LegalActions, FollowTheHandFromTheDealToItsEnd) {
    Harness h;
    h.game.startUp();
    LegalActions legal = h.game.legalActions();
    EXPECT_TRUE(legal.handInProgress);
    EXPECT_FALSE(legal.deal);
    EXPECT_TRUE(legal.mustCall); // Marc's big blind is open
    EXPECT_EQ(legal.callCost, h.state.smallBet);
    const std::int32_t before = h.chips(kHuman);
    h.game.checkOrCall();
    EXPECT_EQ(before - h.chips(kHuman), legal.callCost);
    h.game.fold();
    legal = h.game.legalActions();
    EXPECT_FALSE(legal.handInProgress);
    EXPECT_TRUE(legal.deal);
    EXPECT_FALSE(legal.raise);
    h.game.deal();
    EXPECT_TRUE(h.game.legalActions().handInProgress);
    EXPECT_EQ(h.events.all<HandStarted>().back().handNumber, 2);
}

} // namespace
} // namespace tavolier::testing
