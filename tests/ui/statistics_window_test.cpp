// The Statistics window: opened by S and by its button, not modal, with the
// counters, the session's figures and the chart of the match; Qt Charts is
// loaded only when it first opens.
#include "ui/chips_chart.h"
#include "ui_fixture.h"

#include <QFile>
#include <QLabel>
#include <QtTest/QTest>

namespace tavolier::uitest {

namespace {

// Whether a library whose file name holds name is mapped into this process.
bool libraryLoaded(const char* name) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains(name);
}

QString figure(StatisticsWindow& window, const char* name) {
    auto* label = window.findChild<QLabel*>(name);
    return label != nullptr ? label->text() : QStringLiteral("<missing>");
}

// One hand as the game reports it, through the window's event path.
void reportHand(TForm1& form, std::int64_t hand, bool newMatch, int winner, std::int32_t pot) {
    GameEvents& events = form.turnSteps();
    HandStarted start;
    start.handNumber = hand;
    start.newMatch = newMatch;
    events.handStarted(start);
    PotAwarded award;
    award.pot = pot;
    award.winners[static_cast<std::size_t>(winner)] = true;
    award.winnerCount = 1;
    events.potAwarded(award);
    HandEnded end;
    end.handNumber = hand;
    for (int seat = 1; seat <= 8; ++seat)
        end.stacks[static_cast<std::size_t>(seat)] = 1200 + (seat == winner ? pot : -10);
    events.handEnded(end);
}

} // namespace

TEST(StatisticsWindow, QtChartsIsLoadedOnlyWhenTheWindowFirstOpens) {
    WindowFixture f;
    TForm1& form = f.open();
    form.show();
    EXPECT_FALSE(libraryLoaded("libQt6Charts"));
    EXPECT_EQ(form.statisticsWindow(), nullptr);
    QTest::keyClick(&form, Qt::Key_S);
    ASSERT_NE(form.statisticsWindow(), nullptr);
    EXPECT_TRUE(libraryLoaded("libQt6Charts"));
    EXPECT_NE(form.statisticsWindow()->chart(), nullptr);
}

TEST(StatisticsWindow, TheButtonAndTheKeyOpenOneWindowThatIsNotModal) {
    WindowFixture f;
    TForm1& form = f.open();
    form.show();
    QPushButton* button = f.named("statisticsButton");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "Statistics");
    EXPECT_EQ(button->geometry(), QRect(227, 3, 57, 17));
    QTest::mouseClick(button, Qt::LeftButton);
    StatisticsWindow* window = form.statisticsWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Statistics");
    EXPECT_FALSE(window->isModal());
    EXPECT_TRUE(window->isWindow());
    window->close();
    QTest::keyClick(&form, Qt::Key_S);
    EXPECT_EQ(form.statisticsWindow(), window);
    EXPECT_TRUE(window->isVisible());
    // The table still plays while it is open.
    QTest::keyClick(&form, Qt::Key_F);
    EXPECT_TRUE(f.state.seat(kHuman).folded);
}

TEST(StatisticsWindow, ShowsTheCountersAndUpdatesAfterEveryHand) {
    WindowFixture f;
    f.file.writeInteger("Stats", "handsplayed", 20);
    f.file.writeInteger("Stats", "handswon", 5);
    f.file.writeInteger("Stats", "showdowns", 8);
    TForm1& form = f.open();
    form.openStatistics();
    StatisticsWindow& window = *form.statisticsWindow();
    EXPECT_EQ(figure(window, "handsPlayedAllTime"), "20");
    EXPECT_EQ(figure(window, "wonRateAllTime"), "25.0 %");
    EXPECT_EQ(figure(window, "showdownRateAllTime"), "40.0 %");
    EXPECT_EQ(figure(window, "handsPlayedSession"), "0");
    EXPECT_EQ(figure(window, "wonRateSession"), "–");

    f.state.handsPlayed += 2;
    f.state.handsWon += 1;
    reportHand(form, 2, false, 8, 48);
    reportHand(form, 3, false, 7, 120);
    EXPECT_EQ(figure(window, "handsPlayedSession"), "2");
    EXPECT_EQ(figure(window, "wonRateSession"), "50.0 %");
    EXPECT_EQ(figure(window, "handsPlayedAllTime"), "22");
    EXPECT_EQ(figure(window, "wins8"), "1");
    EXPECT_EQ(figure(window, "wins7"), "1");
    EXPECT_EQ(figure(window, "wins1"), "0");
    EXPECT_EQ(figure(window, "biggestPot"), "Biggest pot: 120, taken by Chong");
}

TEST(StatisticsWindow, TheChartHasOneLinePerSeatWithOnePointPerHandAndStartsAgainAtNew) {
    WindowFixture f;
    TForm1& form = f.open();
    form.openStatistics();
    StatisticsWindow& window = *form.statisticsWindow();
    ASSERT_NE(window.chartFactory(), nullptr);
    for (int hand = 1; hand <= 4; ++hand)
        reportHand(form, hand, hand == 1, 8 - hand, 30);
    EXPECT_EQ(window.chartFactory()->pointCounts(window.chart()), QList<int>(8, 4));
    reportHand(form, 5, true, 3, 30);
    EXPECT_EQ(window.chartFactory()->pointCounts(window.chart()), QList<int>(8, 1));
}

TEST(StatisticsWindow, WithoutThePluginTheFiguresStillShow) {
    WindowFixture f;
    TForm1& form = f.open();
    StatisticsWindow window(
        form.statistics(),
        [] {
            return StoredCounters { 4, 1, 2 };
        },
        { QStringLiteral("/nonexistent") }, nullptr);
    EXPECT_EQ(window.chart(), nullptr);
    EXPECT_EQ(figure(window, "handsPlayedAllTime"), "4");
    EXPECT_NE(window.findChild<QLabel*>("chartNote"), nullptr);
}

} // namespace tavolier::uitest
