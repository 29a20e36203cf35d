// The Statistics window: opened by S and by its button, not modal, with the
// counters, the session's figures and the chart of the match; Qt Charts is
// loaded only when it first opens.
#include "doubles/event_recorder.h"
#include "opponents/characters.h"
#include "presentation/style_statistics.h"
#include "ui/chips_chart.h"
#include "ui/playback.h"
#include "ui_fixture.h"

#include <QFile>
#include <QLabel>
#include <QtTest/QTest>

namespace tavolier::uitest {

namespace {

QString figure(StatisticsWindow& window, const char* name) {
    auto* label = window.findChild<QLabel*>(name);
    return label != nullptr ? label->text() : QStringLiteral("<missing>");
}

// One hand as the game reports it, through the window's event path.
void reportHand(TableWindow& form, std::int64_t hand, bool newMatch, int winner, std::int32_t pot) {
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
    TableWindow& form = f.open();
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
    TableWindow& form = f.open();
    form.show();
    QPushButton* button = f.named("statisticsButton");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "Statistics");
    EXPECT_EQ(button->geometry(), QRect(291, 3, 69, 18));
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
    TableWindow& form = f.open();
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
    TableWindow& form = f.open();
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
    TableWindow& form = f.open();
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

namespace tavolier::uitest {

// Hands played through the window's real buttons (turns played back and
// skipped with a key): the window's figures agree with the game's own
// counters and stacks, and the chart has a point per hand for every seat.
TEST(StatisticsWindow, AgreesWithHandsPlayedThroughTheRealButtons) {
    WindowFixture f(9);
    f.playback = true;
    f.file.writeInteger("Stats", "handsplayed", 7);
    f.file.writeInteger("Stats", "handswon", 3);
    TableWindow& form = f.open();
    form.show();
    testing::EventRecorder recorder;
    form.gameEvents().add(recorder);
    StyleStatistics styles; // counted from the game's events as they happen
    form.gameEvents().add(styles);
    QTest::keyClick(&form, Qt::Key_S);
    StatisticsWindow& window = *form.statisticsWindow();

    int dealt = 0;
    for (int click = 0; click < 200; ++click) {
        const bool deal = form.button(Button::deal)->isEnabled();
        // Stop between hands, when the last one has ended.
        if (deal && dealt >= 10)
            break;
        QPushButton* action = form.button(deal ? Button::deal : Button::checkOrCall);
        if (!action->isEnabled())
            break;
        QTest::mouseClick(action, Qt::LeftButton);
        dealt += deal ? 1 : 0;
        // Any key shows the rest of the turn.
        if (form.playback()->playing())
            QTest::keyClick(&form, Qt::Key_Space);
    }
    ASSERT_GE(dealt, 10);

    const auto ended = recorder.all<HandEnded>();
    EXPECT_EQ(figure(window, "handsPlayedAllTime"), QString::number(f.state.handsPlayed));
    EXPECT_EQ(figure(window, "handsPlayedSession"), QString::number(f.state.handsPlayed - 7));
    EXPECT_EQ(figure(window, "handsWonSession"), QString::number(f.state.handsWon - 3));
    EXPECT_EQ(figure(window, "showdownsSession"), QString::number(f.state.showdowns));
    EXPECT_EQ(f.state.handsPlayed - 7, static_cast<int>(ended.size()));
    // The human's wins by seat are the game's own count of hands won.
    EXPECT_EQ(figure(window, "wins8"), QString::number(f.state.handsWon - 3));
    long long wins = 0;
    for (int seat = 1; seat <= 8; ++seat)
        wins += figure(window, QStringLiteral("wins%1").arg(seat).toLatin1().constData())
                    .toLongLong();
    EXPECT_GE(wins, static_cast<long long>(ended.size()));
    // Each seat's style figures are those of its own events (the window's
    // count has the start-up hand too, dealt before this test listened),
    // and each opponent's name carries its character's line.
    for (int seat = 1; seat <= 8; ++seat) {
        const SeatStyle& shown = form.styles().seat(SeatNumber(seat));
        const SeatStyle& counted = styles.seat(SeatNumber(seat));
        EXPECT_EQ(shown.hands, counted.hands + 1) << "seat " << seat;
        EXPECT_GE(shown.voluntarilyIn, counted.voluntarilyIn) << "seat " << seat;
        EXPECT_LE(shown.voluntarilyIn, counted.voluntarilyIn + 1) << "seat " << seat;
        ASSERT_TRUE(shown.vpip()) << "seat " << seat;
        EXPECT_EQ(figure(window, QStringLiteral("vpip%1").arg(seat).toLatin1().constData()),
            QString::number(*shown.vpip(), 'f', 0))
            << "seat " << seat;
        EXPECT_EQ(figure(window, QStringLiteral("pfr%1").arg(seat).toLatin1().constData()),
            QString::number(*shown.pfr(), 'f', 0))
            << "seat " << seat;
        auto* name = window.findChild<QLabel*>(QStringLiteral("name%1").arg(seat));
        ASSERT_NE(name, nullptr);
        const Character* character = characterOfSeat(seat);
        EXPECT_EQ(name->toolTip().toStdString(),
            character != nullptr ? std::string(character->style) : std::string());
    }

    ASSERT_NE(window.chartFactory(), nullptr);
    EXPECT_EQ(window.chartFactory()->pointCounts(window.chart()),
        QList<int>(8, static_cast<int>(ended.size())));
    for (int seat = 1; seat <= 8; ++seat) {
        EXPECT_EQ(form.statistics().chipsOf(SeatNumber(seat)).back(), f.state.seat(seat).chips)
            << "seat " << seat;
    }
    // The biggest pot is one of the pots awarded, and the largest.
    std::int32_t biggest = 0;
    for (const PotAwarded& pot : recorder.all<PotAwarded>())
        biggest = std::max(biggest, pot.winnerCount > 0 ? pot.pot : 0);
    ASSERT_TRUE(form.statistics().biggestPot());
    EXPECT_EQ(form.statistics().biggestPot()->pot, biggest);

    // "New" starts the chart again; the session's figures go on.
    const QString sessionPlayed = figure(window, "handsPlayedSession");
    QTest::mouseClick(f.named("dxButton5"), Qt::LeftButton);
    EXPECT_EQ(window.chartFactory()->pointCounts(window.chart()), QList<int>(8, 0));
    EXPECT_EQ(figure(window, "handsPlayedSession"), sessionPlayed);
}

} // namespace tavolier::uitest
