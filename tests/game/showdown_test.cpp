// The showdown: who takes part, who wins, the settlement once per hand, the
// match target, and arithmetic near the 32-bit limits.
#include "flow_harness.h"

#include "evaluation/hand_evaluator.h"
#include "evaluation/hand_names.h"
#include "game/classic/hand_flow.h"
#include "game/classic/match.h"
#include "game/classic/opponent_turns.h"
#include "game/classic/player_actions.h"
#include "game/classic/showdown.h"

#include <gtest/gtest.h>

#include <climits>

namespace tavolier::testing {
namespace {

// A dealt table at the showdown with a royal flush in spades on the board,
// so that every seat still in ties.
struct AtShowdown : Harness {
    AtShowdown() {
        startUp(table);
        setAllChips(1000);
        state.board
            = { Card { 3, 8 }, Card { 3, 9 }, Card { 3, 10 }, Card { 3, 11 }, Card { 3, 12 } };
        // Hole cards that cannot improve on the board.
        for (int seat = 1; seat <= 8; ++seat)
            state.seat(seat).holeCards = { Card { 0, seat - 1 }, Card { 1, seat - 1 } };
        for (int seat = 1; seat <= 7; ++seat)
            state.seat(seat).openBet = false;
        state.street = Street::showdown;
        clearLogs();
    }
    void foldAllBut(std::initializer_list<int> kept) {
        state.outCount = 0;
        for (int seat = 1; seat <= 7; ++seat) {
            const bool keep = std::find(kept.begin(), kept.end(), seat) != kept.end();
            state.seat(seat).folded = !keep;
            state.outCount += keep ? 0 : 1;
        }
    }
};

TEST(PotSplit, TwoTiedSeatsLoseTheOddChip) {
    AtShowdown h;
    h.foldAllBut({ 7 });
    h.state.outCount = 6;
    h.state.pot = 25;
    showdown(h.table);
    EXPECT_EQ(settleShowdown(h.state).winnerCount, 2);
    EXPECT_EQ(h.chips(8), 1012);
    EXPECT_EQ(h.chips(7), 1012);
    EXPECT_EQ(h.chipsLabel(8), "1012");
    EXPECT_EQ(h.view.style(Label::humanStatus), FontStyle::italic);
    EXPECT_EQ(h.view.style(Label::chongStatus), FontStyle::italic);
    EXPECT_EQ(h.view.style(Label::jackStatus), FontStyle::plain);
    EXPECT_EQ(h.status(8), handName(h.state.seatResults[8] / 130));
    EXPECT_FALSE(h.status(8).empty());
    EXPECT_EQ(h.state.handsWon, 1);
    EXPECT_EQ(h.state.showdowns, 1);
    EXPECT_EQ(h.state.handsPlayed, 1);
    EXPECT_EQ(h.state.pot, 25); // the pot keeps its value until the next Deal
    EXPECT_TRUE(h.view.timerRunning(Timer::goldtimer));
    EXPECT_TRUE(h.view.timerRunning(Timer::wintimer));
    EXPECT_FALSE(h.view.timerRunning(Timer::winktimer));
}

TEST(PotSplit, EverySeatStillInSharesABoardHand) {
    AtShowdown h;
    h.foldAllBut({ 7, 6, 5, 4, 3, 2, 1 });
    h.state.seat(3).chips = 0; // in the hand with its last chips: takes no part
    h.state.pot = 100;
    showdown(h.table);
    EXPECT_EQ(settleShowdown(h.state).winnerCount, 7);
    EXPECT_EQ(h.state.seatResults[3], -115);
    EXPECT_EQ(h.status(3), ""); // not named
    EXPECT_EQ(h.chips(3), 0);
    EXPECT_EQ(h.chips(5), 1000 + 100 / 7);
}

TEST(Participation, NamesInTheOrderChongJackHuman) {
    AtShowdown h;
    h.foldAllBut({ 7, 6, 5 });
    showdown(h.table);
    std::vector<std::string> named;
    for (const std::string& line : h.view.linesStartingWith("text ")) {
        if (line.find("status=") != std::string::npos)
            named.push_back(line.substr(5, line.find('=') - 5));
    }
    ASSERT_GE(named.size(), 4u);
    EXPECT_EQ(named[0], "freakstatus");
    EXPECT_EQ(named[1], "geekstatus");
    EXPECT_EQ(named[2], "playerstatus");
    EXPECT_EQ(named[3], "masterstatus");
    for (int seat : { 4, 3, 2, 1 })
        EXPECT_EQ(h.state.seatResults[static_cast<std::size_t>(seat)], kShowdownSentinel[seat]);
}

TEST(Settlement, RunsOncePerHand) {
    AtShowdown h;
    h.foldAllBut({ 7 });
    h.state.pot = 40;
    showdown(h.table);
    const std::int32_t after = h.chips(8);
    const auto writes = h.settings.writes.size();
    showdown(h.table);
    EXPECT_EQ(h.chips(8), after);
    EXPECT_EQ(h.state.handsPlayed, 1);
    EXPECT_EQ(h.settings.writes.size(), writes);
    EXPECT_EQ(h.view.sounds(), std::vector<std::string> { "sound chip4.wav" });
    EXPECT_EQ(h.view.style(Label::humanStatus), FontStyle::italic); // the display repeats
}

TEST(Settlement, WritesTheStatisticsFromBeforeTheHand) {
    AtShowdown h;
    h.state.showdowns = 4;
    h.state.handsPlayed = 9;
    h.state.handsWon = 2;
    h.foldAllBut({ 2 });
    showdown(h.table);
    ASSERT_GE(h.settings.writes.size(), 3u);
    EXPECT_EQ(h.settings.writes[0], "Stats/showdowns=4");
    EXPECT_EQ(h.settings.writes[1], "Stats/handsplayed=9");
    EXPECT_EQ(h.settings.writes[2], "Stats/handswon=2");
    EXPECT_EQ(h.state.showdowns, 5);
    EXPECT_EQ(h.state.handsPlayed, 10);
    EXPECT_EQ(h.state.handsWon, 3);
}

TEST(Settlement, SkippedWhenEveryOpponentIsOut) {
    AtShowdown h;
    h.foldAllBut({});
    h.state.pot = 50;
    showdown(h.table);
    EXPECT_EQ(h.chips(8), 1000);
    EXPECT_EQ(h.state.handsPlayed, 0);
    EXPECT_TRUE(h.settings.writes.empty());
    EXPECT_EQ(h.view.style(Label::humanStatus), FontStyle::italic);
    for (int seat = 1; seat <= 7; ++seat)
        EXPECT_EQ(h.view.style(seatInfo(seat).statusLabel), FontStyle::plain) << seat;
}

TEST(Settlement, RefusedSaveComesAfterThePayout) {
    // The statistics and chips are saved once the pot is paid: a refused
    // save leaves no pot unpaid and no hand uncounted.
    AtShowdown h;
    h.foldAllBut({ 7 });
    h.state.pot = 40;
    h.settings.failAfter = 0;
    EXPECT_THROW(showdown(h.table), SettingsWriteError);
    EXPECT_TRUE(h.state.potSettled);
    EXPECT_EQ(h.state.handsPlayed, 1);
    EXPECT_EQ(h.chips(7) + h.chips(8), 2040);
}

TEST(FoldedSeats, NeverWinWhenNobodyTakesPart) {
    // The human has folded; the one opponent left called with its last
    // chips. Every result is a sentinel, and the highest (Cindy's) belongs
    // to a folded seat: the pot goes to Marc, who has not folded.
    AtShowdown h;
    h.foldAllBut({ 1 });
    h.state.seat(8).folded = true;
    h.state.seat(1).chips = 0;
    h.state.pot = 30;
    showdown(h.table);
    EXPECT_EQ(settleShowdown(h.state).winnerCount, 1);
    EXPECT_EQ(h.chips(4), 1000);
    EXPECT_EQ(h.chips(1), 30);
    EXPECT_EQ(h.view.style(Label::cindyStatus), FontStyle::plain);
    EXPECT_EQ(h.view.style(Label::marcStatus), FontStyle::italic);
    EXPECT_EQ(h.state.handsPlayed, 1);
    EXPECT_EQ(h.state.handsWon, 0);
}

TEST(FoldedSeats, NobodyIsPaidWhenEverySeatFolded) {
    AtShowdown h;
    h.foldAllBut({});
    h.state.outCount = 5; // two of them sat out broke, then folded: still not seven
    h.state.seat(8).folded = true;
    h.state.pot = 30;
    showdown(h.table);
    EXPECT_EQ(settleShowdown(h.state).winnerCount, 0);
    EXPECT_EQ(h.totalChips(), 8000);
    EXPECT_EQ(h.state.handsPlayed, 1);
    for (int seat = 1; seat <= 8; ++seat)
        EXPECT_EQ(h.view.style(seatInfo(seat).statusLabel), FontStyle::plain) << seat;
}

TEST(MatchTarget, EverySeatAtTheTargetGetsItsBoxInSeatOrder) {
    AtShowdown h;
    h.foldAllBut({ 7 });
    h.state.initialChips = 1200;
    h.state.untilMargin = 600;
    h.state.seat(8).chips = 1790;
    h.state.seat(7).chips = 1800;
    h.state.seat(2).chips = 1850; // folded, still announced
    h.state.pot = 20;
    showdown(h.table);
    EXPECT_EQ(h.view.messages(),
        (std::vector<std::string> { "message You win!|Game over", "message Chong wins|Game over",
            "message Edmund wins|Game over" }));
    EXPECT_FALSE(h.view.enabled(Button::deal));
    EXPECT_FALSE(h.view.enabled(Button::checkOrCall));
}

TEST(MatchTarget, ASecondShowdownOfTheSameHandAnnouncesNothingAgain) {
    AtShowdown h;
    h.foldAllBut({ 7 });
    h.state.initialChips = 1200;
    h.state.untilMargin = 600;
    h.state.seat(8).chips = 1790;
    h.state.seat(7).chips = 1800;
    h.state.pot = 20;
    showdown(h.table);
    ASSERT_EQ(h.view.messages().size(), 2u);
    showdown(h.table);
    showdown(h.table);
    EXPECT_EQ(h.view.messages(),
        (std::vector<std::string> {
            "message You win!|Game over", "message Chong wins|Game over" }));
    EXPECT_FALSE(h.view.enabled(Button::deal));
    EXPECT_EQ(h.events.count<MatchEnded>(), 1u);
}

TEST(MatchTarget, NewTakesTheWinnersItalicsAwayWithTheWhite) {
    AtShowdown h;
    h.foldAllBut({ 7 });
    h.state.pot = 20;
    showdown(h.table);
    ASSERT_EQ(h.view.style(Label::chongStatus), FontStyle::italic);
    newMatch(h.table, "1200");
    for (int seat = 1; seat <= 8; ++seat)
        EXPECT_EQ(h.view.style(seatInfo(seat).statusLabel), FontStyle::plain) << seat;
}

TEST(Limits, PaysAndSplitsNearTheInt32Range) {
    AtShowdown h;
    h.foldAllBut({ 7 });
    h.state.pot = INT32_MAX;
    h.state.seat(8).chips = INT32_MAX - 5;
    h.state.seat(7).chips = 1;
    h.state.initialChips = INT32_MAX;
    h.state.untilMargin = INT32_MAX;
    showdown(h.table);
    EXPECT_EQ(h.chips(8), INT32_MAX);
    EXPECT_EQ(h.chips(7), 1 + INT32_MAX / 2);
    EXPECT_TRUE(h.view.messages().empty()); // the target lies beyond 32 bits
    EXPECT_EQ(h.chipsLabel(8), std::to_string(INT32_MAX));
}

TEST(Limits, HugeStatisticsStopAtTheTop) {
    AtShowdown h;
    h.foldAllBut({ 7 });
    h.state.handsPlayed = INT32_MAX;
    h.state.showdowns = INT32_MAX;
    h.state.handsWon = INT32_MAX;
    showdown(h.table);
    EXPECT_EQ(h.state.handsPlayed, INT32_MAX);
    EXPECT_EQ(h.state.handsWon, INT32_MAX);
}

TEST(Limits, FoldOutAndBlindsClampTheirSums) {
    Harness h;
    startUp(h.table);
    h.state.seat(8).chips = INT32_MAX - 1;
    h.state.pot = INT32_MAX;
    h.state.initialChips = INT32_MIN;
    h.state.untilMargin = INT32_MIN;
    endHandByFolds(h.table);
    EXPECT_EQ(h.chips(8), INT32_MAX);
    EXPECT_EQ(h.view.messages().size(), 1u); // any stack is above that target

    Harness b;
    startUp(b.table);
    b.setAllChips(INT32_MIN + 1);
    b.state.seat(8).chips = 5;
    b.state.seat(1).chips = 5;
    b.state.smallBet = INT32_MAX;
    deal(b.table);
    EXPECT_EQ(b.state.pot, INT32_MAX);
    EXPECT_EQ(b.state.bigBlind, INT32_MAX);
    EXPECT_EQ(b.chips(1), 5 - INT32_MAX / 2); // Marc's small blind

    Harness c;
    startUp(c.table);
    c.state.seat(1).openBet = false;
    c.state.street = Street::turn;
    c.state.bigBet = INT32_MAX;
    c.state.pot = INT32_MAX - 10;
    c.state.seat(8).chips = INT32_MIN + 3;
    c.state.seat(8).chips = 2;
    c.state.seat(7).chips = INT32_MAX;
    c.decisions.defaultRaise = false;
    raise(c.table);
    EXPECT_EQ(c.chips(8), 2 - INT32_MAX);
    EXPECT_EQ(c.chips(7), 0); // the one seat that could pay the whole bet
    EXPECT_EQ(c.state.pot, INT32_MAX);
    EXPECT_TRUE(c.state.seat(6).folded); // cannot pay: folds whatever it wants
}

TEST(Limits, AnOpponentRaiseFromTheBottomClamps) {
    Harness h;
    startUp(h.table);
    h.state.seat(7).chips = 1;
    h.state.street = Street::turn;
    h.state.bigBet = INT32_MAX;
    h.state.pot = INT32_MAX;
    h.decisions.raiseQueue[7] = { true };
    checkOrRaise(h.table, 7);
    EXPECT_EQ(h.chips(7), 1 - INT32_MAX);
    EXPECT_EQ(h.state.pot, INT32_MAX);
    h.state.seat(7).chips = INT32_MIN + 1;
    h.state.seat(7).folded = false;
    h.table.pay(7, INT32_MAX);
    EXPECT_EQ(h.chips(7), INT32_MIN);
}

} // namespace
} // namespace tavolier::testing
