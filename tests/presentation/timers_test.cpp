#include "core/seats.h"
#include "presentation/animations.h"
#include "presentation/portraits.h"

#include "presentation_fixture.h"

namespace tavolier {
namespace {

using testing::PresentationTest;
using Lines = std::vector<std::string>;

class Blink : public PresentationTest { };

TEST_F(Blink, CarlosKeepsHisEyesClosedFor800Milliseconds) {
    random.enqueue({ 40 });
    random.recordBounds(true);
    blinkTick(table);
    EXPECT_EQ(view.log(), (Lines { "stamp winks 2 429,5", "interval winktimer=800" }));
    EXPECT_EQ(table.presentation.blinkPick, 40);
    EXPECT_EQ(table.presentation.blinkStep, 1);
    view.clearLog();
    blinkTick(table);
    EXPECT_EQ(view.log(), (Lines { "stamp winks 16 429,5" }));
    EXPECT_EQ(table.presentation.blinkStep, 2);
    view.clearLog();
    blinkTick(table);
    EXPECT_EQ(view.log(), (Lines { "stamp winks 9 429,5", "interval winktimer=300" }));
    EXPECT_EQ(table.presentation.blinkStep, 0);
    EXPECT_EQ(random.bounds(), (std::vector<int> { 105 }));
}

TEST_F(Blink, ChongBlinksFor150Milliseconds) {
    random.enqueue({ 10 });
    blinkTick(table);
    EXPECT_EQ(view.log(), (Lines { "stamp winks 0 32,244", "interval winktimer=150" }));
}

TEST_F(Blink, PickRangesChooseTheOpponentAndTheInterval) {
    // pick, seat, slow (800 ms)
    const std::tuple<int, int, bool> cases[] = { { 0, 7, false }, { 19, 7, false },
        { 20, 6, false }, { 29, 6, false }, { 30, 6, true }, { 34, 6, true }, { 35, 5, true },
        { 44, 5, true }, { 45, 4, false }, { 59, 4, false }, { 60, 3, false }, { 74, 3, false },
        { 75, 2, false }, { 89, 2, false }, { 90, 1, true }, { 104, 1, true } };
    for (auto [pick, seat, slow] : cases) {
        random.enqueue({ pick });
        view.clearLog();
        blinkTick(table);
        const PortraitPlace& p = portraitOf(seat);
        EXPECT_EQ(view.log(),
            (Lines { "stamp winks " + std::to_string(p.k) + " " + std::to_string(p.blinkX) + ","
                    + std::to_string(p.blinkY),
                slow ? "interval winktimer=800" : "interval winktimer=150" }))
            << pick;
        blinkTick(table);
        blinkTick(table);
    }
}

TEST_F(Blink, NoFaceWhileHoldingTheOpenBetButTheCycleGoesOn) {
    state.seat(5).openBet = true;
    random.enqueue({ 40, 40 });
    for (int tick = 0; tick < 3; ++tick)
        blinkTick(table);
    EXPECT_TRUE(stamps().empty());
    EXPECT_EQ(view.linesStartingWith("interval "),
        (Lines { "interval winktimer=800", "interval winktimer=300" }));
    EXPECT_EQ(table.presentation.blinkStep, 0);
    EXPECT_EQ(random.drawCount(), 1u);
    // Once the bet is answered he blinks again.
    state.seat(5).openBet = false;
    blinkTick(table);
    EXPECT_EQ(stamps(), (Lines { "stamp winks 2 429,5" }));
}

TEST_F(Blink, NoFaceWhileHovered) {
    table.presentation.hoverShown[1] = true;
    random.enqueue({ 100 });
    for (int tick = 0; tick < 3; ++tick)
        blinkTick(table);
    EXPECT_TRUE(stamps().empty());
    EXPECT_EQ(table.presentation.blinkStep, 0);
}

TEST_F(Blink, FoldedAndBrokeOpponentsBlinkToo) {
    state.seat(4).folded = true;
    state.seat(3).chips = 0;
    random.enqueue({ 50 });
    blinkTick(table);
    random.enqueue({ 70 });
    blinkTick(table);
    blinkTick(table);
    blinkTick(table);
    EXPECT_EQ(stamps().front(), "stamp winks 3 798,57");
    EXPECT_EQ(stamps().back(), "stamp winks 4 902,244");
}

TEST_F(Blink, DrawsOncePerCycle) {
    random.recordBounds(true);
    for (int tick = 0; tick < 9; ++tick)
        blinkTick(table);
    EXPECT_EQ(random.bounds(), (std::vector<int> { 105, 105, 105 }));
}

class WinnersFlash : public PresentationTest {
protected:
    WinnersFlash() {
        state.street = Street::showdown;
        state.seatResults = { 0, -195, 352, -115, 120, -170, 352, -150, 352 };
    }
};

TEST_F(WinnersFlash, StartStopsTheBlinkAndStartsTheFlash) {
    table.presentation.winStep = 3;
    startWinAnimation(table);
    EXPECT_EQ(table.presentation.winStep, 0);
    EXPECT_EQ(view.log(), (Lines { "stop winktimer", "start wintimer" }));
}

TEST_F(WinnersFlash, FiveTicksGreenGoldGreenGoldRed) {
    startWinAnimation(table);
    // Jack (6), the human and Edmund (2) share the best result.
    const Lines frames[] = {
        { "stamp highlights 1 101,57", "stamp highlights 14 264,542",
            "stamp highlights 5 829,449" },
        { "stamp highlights 8 101,57", "stamp highlights 15 264,542",
            "stamp highlights 12 829,449" },
        { "stamp highlights 1 101,57", "stamp highlights 14 264,542",
            "stamp highlights 5 829,449" },
        { "stamp highlights 8 101,57", "stamp highlights 15 264,542",
            "stamp highlights 12 829,449" },
        { "stamp smiles 1 101,57", "stamp smiles 7 264,542", "stamp smiles 5 829,449" },
    };
    for (int tick = 0; tick < 5; ++tick) {
        view.clearLog();
        winnersFlashTick(table);
        const Lines& log = view.log();
        Lines portraits;
        for (const auto& line : log)
            if (line.starts_with("stamp highlights ") || line.starts_with("stamp smiles ")
                || line.starts_with("refresh ") || line.starts_with("stop "))
                portraits.push_back(line);
        Lines expected = frames[tick];
        if (tick == 4) {
            expected.push_back("refresh lblecash");
            expected.push_back("stop wintimer");
        }
        EXPECT_EQ(portraits, expected) << "tick " << tick;
        // Every frame ends with the cards drawn again, face up at the showdown.
        EXPECT_EQ(cardStamps().size(), 2u * 8u + 5u) << "tick " << tick;
        EXPECT_TRUE(view.contains("stamp cards 6 216,146"));
    }
    EXPECT_FALSE(view.timerRunning(Timer::wintimer));
    EXPECT_FALSE(view.timerRunning(Timer::winktimer));
}

TEST_F(WinnersFlash, EdmundsLabelIsRefreshedRightAfterHisSmile) {
    startWinAnimation(table);
    for (int tick = 0; tick < 5; ++tick)
        winnersFlashTick(table);
    const Lines& log = view.log();
    const auto smile = std::find(log.begin(), log.end(), "stamp smiles 5 829,449");
    ASSERT_NE(smile, log.end());
    EXPECT_EQ(*(smile + 1), "refresh lblecash");
    EXPECT_EQ(view.linesStartingWith("refresh ").size(), 1u);
}

TEST_F(WinnersFlash, NoRefreshWhenEdmundDidNotWin) {
    state.seatResults[2] = 10;
    startWinAnimation(table);
    for (int tick = 0; tick < 5; ++tick)
        winnersFlashTick(table);
    EXPECT_FALSE(view.contains("refresh lblecash"));
    EXPECT_FALSE(view.contains("stamp smiles 5 829,449"));
}

class GoldFigure : public PresentationTest { };

TEST_F(GoldFigure, NineTicksWithTheChipSoundOnTheThird) {
    startGoldFigure(table);
    EXPECT_EQ(view.log(), (Lines { "start goldtimer" }));
    view.clearLog();
    for (int tick = 0; tick < 9; ++tick)
        goldFigureTick(table);
    EXPECT_EQ(view.log(),
        (Lines { "stamp gold 1 335,453", "stamp gold 2 335,453", "stamp gold 1 335,453",
            "sound chip4.wav", "stamp gold 2 335,453", "stamp gold 1 335,453",
            "stamp gold 2 335,453", "stamp gold 1 335,453", "stamp gold 2 335,453",
            "stamp gold 0 335,453", "stop goldtimer" }));
    EXPECT_EQ(random.drawCount(), 0u);
}

TEST_F(GoldFigure, SilentWithSoundOff) {
    state.soundOn = false;
    startGoldFigure(table);
    for (int tick = 0; tick < 9; ++tick)
        goldFigureTick(table);
    EXPECT_TRUE(view.sounds().empty());
    EXPECT_EQ(view.linesStartingWith("stamp gold ").size(), 9u);
}

TEST_F(GoldFigure, RestartingBeginsAgainFromTheFirstFrame) {
    startGoldFigure(table);
    for (int tick = 0; tick < 5; ++tick)
        goldFigureTick(table);
    startGoldFigure(table);
    view.clearLog();
    for (int tick = 0; tick < 3; ++tick)
        goldFigureTick(table);
    EXPECT_EQ(view.sounds(), (Lines { "sound chip4.wav" }));
}

class PresentationResets : public PresentationTest { };

Lines goldRings() {
    Lines out;
    for (int seat : kOpponents) {
        const PortraitPlace& p = portraitOf(seat);
        out.push_back("stamp highlights " + std::to_string(7 + p.k) + " " + std::to_string(p.x)
            + "," + std::to_string(p.y));
    }
    return out;
}

TEST_F(PresentationResets, DealRestartsTheBlinkAndRedrawsPortraits) {
    table.presentation.hoverShown[kHuman] = true;
    table.presentation.hoverShown[3] = true;
    table.presentation.oddsStale = false;
    resetAtDeal(table);
    Lines expected { "start winktimer", "stamp procent 7 257,543" };
    for (const auto& line : goldRings())
        expected.push_back(line);
    expected.push_back("refresh lblecash");
    expected.push_back("clear 315,300,700,430");
    EXPECT_EQ(view.log(), expected);
    EXPECT_FALSE(table.presentation.hoverShown[kHuman]);
    EXPECT_TRUE(table.presentation.hoverShown[3]);
    EXPECT_TRUE(table.presentation.oddsStale);
}

TEST_F(PresentationResets, RaiseOnlyMarksTheOddsStale) {
    table.presentation.hoverShown[kHuman] = true;
    table.presentation.oddsStale = false;
    state.seat(4).openBet = true;
    resetAtHumanAction(table, false);
    EXPECT_TRUE(view.log().empty());
    EXPECT_FALSE(table.presentation.hoverShown[kHuman]);
    EXPECT_TRUE(table.presentation.oddsStale);
}

TEST_F(PresentationResets, CallAndFoldTurnTheOpenBetGoldAndRedrawTheTable) {
    state.seat(4).openBet = true;
    state.seat(1).openBet = true;
    resetAtHumanAction(table, true);
    const Lines& log = view.log();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[0], "stamp highlights 10 764,57");
    EXPECT_EQ(log[1], "stamp highlights 13 35,449");
    EXPECT_EQ(log[2],
        "stamp cards " + std::to_string(imageIndex(state.seat(kHuman).holeCards[0])) + " 503,484");
    EXPECT_EQ(cardStamps().size(), 16u);
}

TEST_F(PresentationResets, NewMatchClearsTheBoardAndShowsTheGoldBadge) {
    table.presentation.oddsStale = false;
    resetAtNewMatch(table);
    Lines expected { "clear 315,300,700,430", "stamp highlights 15 264,543" };
    for (const auto& line : goldRings())
        expected.push_back(line);
    expected.push_back("refresh lblecash");
    EXPECT_EQ(view.log(), expected);
    EXPECT_FALSE(table.presentation.oddsStale);
    EXPECT_FALSE(view.timerRunning(Timer::winktimer));
}

} // namespace
} // namespace tavolier
