// The side windows beside the table: they fit on a small screen without
// covering it, and the table's keys work whichever of them has the focus.
#include "doubles/event_recorder.h"
#include "ui/history_window.h"
#include "ui/side_windows.h"
#include "ui/statistics_window.h"
#include "ui/table_story.h"
#include "ui_fixture.h"

#include <QTreeWidget>
#include <QtTest/QTest>

namespace tavolier::uitest {

TEST(SideWindows, FitBesideTheTableOnA1366By768Screen) {
    WindowFixture f;
    TableWindow& form = f.open();
    form.show();
    form.openStatistics();
    form.story()->openHistory();
    const QRect room(0, 0, 1366, 768);
    // The table centred on that screen, with a title bar.
    const QSize client(1000, 670);
    const QRect frame(183, 34, 1000, 700);
    for (QWidget* side : { static_cast<QWidget*>(form.statisticsWindow()),
             static_cast<QWidget*>(form.story()->historyWindow()) }) {
        const QSize least = side->minimumSizeHint();
        const SidePlaces places = sidePlaces(room, frame, client, 360, least.width());
        const QRect table(places.tableAt, frame.size());
        const QRect sideFrame(places.side.topLeft(), places.side.size() + QSize(0, 30));
        EXPECT_TRUE(room.contains(table));
        EXPECT_TRUE(room.contains(sideFrame)) << side->objectName().toStdString();
        EXPECT_FALSE(table.intersects(sideFrame)) << side->objectName().toStdString();
        EXPECT_GE(places.side.width(), least.width()) << side->objectName().toStdString();
        EXPECT_GE(places.side.height(), least.height()) << side->objectName().toStdString();
    }
}

TEST(SideWindows, TheTablesKeysWorkWithEitherSideWindowFocused) {
    WindowFixture f(6);
    TableWindow& form = f.open();
    form.show();
    testing::EventRecorder recorder;
    form.gameEvents().add(recorder);
    auto humanActions = [&recorder] {
        int n = 0;
        for (const ActionTaken& a : recorder.all<ActionTaken>())
            n += a.seat.isHuman() ? 1 : 0;
        return n;
    };

    QTest::keyClick(&form, Qt::Key_S);
    StatisticsWindow* statistics = form.statisticsWindow();
    ASSERT_NE(statistics, nullptr);
    ASSERT_TRUE(form.game().legalActions().checkOrCall);
    QTest::keyClick(statistics, Qt::Key_C);
    EXPECT_EQ(humanActions(), 1);
    // H opens the history from the statistics; S and Esc close each window.
    QTest::keyClick(statistics, Qt::Key_H);
    HistoryWindow* history = form.story()->historyWindow();
    ASSERT_NE(history, nullptr);
    EXPECT_TRUE(history->isVisible());
    QTest::keyClick(statistics, Qt::Key_S);
    EXPECT_FALSE(statistics->isVisible());

    // From the history's list: the actions, the Deal and the statistics.
    for (int press = 0; press < 12 && !form.game().legalActions().deal; ++press)
        QTest::keyClick(history->handList(), Qt::Key_F);
    EXPECT_TRUE(form.game().legalActions().deal);
    const std::size_t hands = recorder.count<HandStarted>();
    QTest::keyClick(history->handList(), Qt::Key_D);
    EXPECT_EQ(recorder.count<HandStarted>(), hands + 1);
    QTest::keyClick(history->handList(), Qt::Key_S);
    EXPECT_TRUE(statistics->isVisible());
    QTest::keyClick(statistics, Qt::Key_Escape);
    EXPECT_FALSE(statistics->isVisible());
    QTest::keyClick(history->handList(), Qt::Key_R);
    QTest::keyClick(history->handList(), Qt::Key_H);
    EXPECT_FALSE(history->isVisible());
    EXPECT_GE(humanActions(), 2);
}

} // namespace tavolier::uitest
