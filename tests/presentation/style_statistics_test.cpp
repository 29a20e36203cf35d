// The style figures counted from the events of a scripted hand.
#include "presentation/style_statistics.h"

#include <gtest/gtest.h>

namespace tavolier::testing {

namespace {

ActionTaken act(int seat, ActionKind kind, Street street, std::int32_t paid = 0) {
    ActionTaken e;
    e.seat = SeatNumber(seat);
    e.kind = kind;
    e.street = street;
    e.paid = paid;
    return e;
}

StreetDealt street(Street s, int count) {
    // Kc 7d 2h 9s 4c: no straight or flush is possible, three Kings are the best hand.
    StreetDealt e;
    e.street = s;
    e.boardCount = count;
    e.board = { Card { 0, 11 }, Card { 1, 5 }, Card { 2, 0 }, Card { 3, 7 }, Card { 0, 2 } };
    return e;
}

} // namespace

// Four seats: Carlos (5) raises, the human cold-calls, Jack (6) in the big
// blind calls, Chong (7) in the small blind folds. Jack folds on
// the flop with checking free; Carlos bets the flop, both check the turn,
// Carlos bets the river with Jack-high, the human raises with Ace-high,
// Carlos calls, and the human's Ace-high wins.
TEST(StyleStatistics, CountsAScriptedHand) {
    StyleStatistics stats;
    HandStarted start;
    for (int seat : { 5, 6, 7, 8 })
        start.stacks[static_cast<std::size_t>(seat)] = 100;
    stats.handStarted(start);
    stats.blindPosted(BlindPosted { SeatNumber(7), false, 2, 2, false });
    stats.blindPosted(BlindPosted { SeatNumber(6), true, 4, 6, false });
    stats.actionTaken(act(5, ActionKind::raise, Street::preflop, 8));
    stats.actionTaken(act(8, ActionKind::call, Street::preflop, 8));
    stats.actionTaken(act(7, ActionKind::fold, Street::preflop));
    stats.actionTaken(act(6, ActionKind::call, Street::preflop, 4));
    stats.streetDealt(street(Street::flop, 3));
    stats.actionTaken(act(6, ActionKind::fold, Street::flop));
    stats.actionTaken(act(5, ActionKind::bet, Street::flop, 4));
    stats.actionTaken(act(8, ActionKind::call, Street::flop, 4));
    stats.streetDealt(street(Street::turn, 4));
    stats.actionTaken(act(5, ActionKind::check, Street::turn));
    stats.actionTaken(act(8, ActionKind::check, Street::turn));
    stats.streetDealt(street(Street::river, 5));
    stats.actionTaken(act(5, ActionKind::bet, Street::river, 8));
    stats.actionTaken(act(8, ActionKind::raise, Street::river, 16));
    stats.actionTaken(act(5, ActionKind::call, Street::river, 8));
    stats.streetDealt(street(Street::showdown, 5));
    HandShown human { SeatNumber(8), { Card { 2, 12 }, Card { 1, 10 } }, 0, 0, "" };
    HandShown carlos { SeatNumber(5), { Card { 2, 9 }, Card { 0, 8 } }, 0, 0, "" };
    stats.handShown(human);
    stats.handShown(carlos);
    PotAwarded award;
    award.winners[8] = true;
    award.winnerCount = 1;
    stats.potAwarded(award);
    stats.handEnded(HandEnded {});

    const SeatStyle& c = stats.seat(SeatNumber(5));
    EXPECT_EQ(c.hands, 1);
    EXPECT_EQ(c.voluntarilyIn, 1);
    EXPECT_EQ(c.raisedPreflop, 1);
    EXPECT_EQ(c.facingBlind, 1);
    EXPECT_EQ(c.continuedFacingBlind, 1);
    EXPECT_EQ(c.postflopAggressive, 2);
    EXPECT_EQ(c.postflopCalls, 1);
    EXPECT_EQ(c.flopsSeen, 1);
    EXPECT_EQ(c.showdowns, 1);
    EXPECT_EQ(c.showdownsWon, 0);
    EXPECT_EQ(c.riverAggressive, 1);
    EXPECT_EQ(c.riverBluffs, 1);
    EXPECT_EQ(c.freeTurns, 3); // the flop and river bets and the turn check

    const SeatStyle& h = stats.seat(SeatNumber(8));
    EXPECT_EQ(h.voluntarilyIn, 1);
    EXPECT_EQ(h.raisedPreflop, 0);
    EXPECT_EQ(h.facingRaise, 1);
    EXPECT_EQ(h.continuedFacingRaise, 1);
    EXPECT_EQ(h.postflopAggressive, 1);
    EXPECT_EQ(h.postflopCalls, 1);
    EXPECT_EQ(h.showdownsWon, 1);
    EXPECT_EQ(h.riverRaisesCalled, 1);
    EXPECT_EQ(h.riverRaisesWon, 1);
    EXPECT_EQ(h.riverBluffs, 1);

    const SeatStyle& jack = stats.seat(SeatNumber(6));
    EXPECT_EQ(jack.voluntarilyIn, 1); // called the raise from the big blind
    EXPECT_EQ(jack.facingRaise, 0); // a blind had put chips in already
    EXPECT_EQ(jack.freeFolds, 1);
    EXPECT_EQ(jack.showdowns, 0);
    EXPECT_EQ(stats.seat(SeatNumber(7)).voluntarilyIn, 0);
    EXPECT_EQ(stats.table().nutsOnRiver, 0);

    // A second hand: Carlos bets the river with three Kings, the best hand
    // this board allows, and the human folds. Nobody shows; the cards told
    // after the hand judge the bet.
    HandStarted second;
    second.stacks[5] = 100;
    second.stacks[8] = 100;
    stats.handStarted(second);
    stats.blindPosted(BlindPosted { SeatNumber(8), false, 2, 2, false });
    stats.blindPosted(BlindPosted { SeatNumber(5), true, 4, 6, false });
    stats.actionTaken(act(8, ActionKind::call, Street::preflop, 2));
    stats.actionTaken(act(5, ActionKind::check, Street::preflop));
    for (const Street s : { Street::flop, Street::turn }) {
        stats.streetDealt(street(s, s == Street::flop ? 3 : 4));
        stats.actionTaken(act(5, ActionKind::check, s));
        stats.actionTaken(act(8, ActionKind::check, s));
    }
    stats.streetDealt(street(Street::river, 5));
    stats.actionTaken(act(5, ActionKind::bet, Street::river, 8));
    stats.actionTaken(act(8, ActionKind::fold, Street::river));
    PotAwarded byFolds;
    byFolds.byFolds = true;
    byFolds.winners[5] = true;
    stats.potAwarded(byFolds);
    stats.handEnded(HandEnded {});
    EXPECT_EQ(stats.seat(SeatNumber(5)).riverAggressive, 1)
        << "not judged before the cards are told";
    std::array<std::array<Card, 2>, 9> cards {};
    cards[5] = { Card { 1, 11 }, Card { 2, 11 } };
    cards[8] = { Card { 0, 1 }, Card { 1, 1 } };
    stats.reveal(cards);
    stats.reveal(cards);
    EXPECT_EQ(stats.seat(SeatNumber(5)).riverAggressive, 2);
    EXPECT_EQ(stats.seat(SeatNumber(5)).riverBluffs, 1);
    EXPECT_EQ(stats.seat(SeatNumber(5)).nutsOnRiver, 1);
    EXPECT_EQ(stats.seat(SeatNumber(5)).nutsBetOrRaised, 1);
    EXPECT_EQ(stats.seat(SeatNumber(8)).nutsOnRiver, 0);
    EXPECT_EQ(stats.seat(SeatNumber(8)).hands, 2);
}

} // namespace tavolier::testing
