// Mouse moves and timer ticks reach the game only from where they should.
#include "ui/options_panel.h"
#include "ui_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QtTest/QTest>

namespace tavolier::uitest {

TEST(MouseForwarding, HoverOverAPortraitShowsThatOpponentsCards) {
    WindowFixture f(3);
    TableWindow& form = f.open();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_TRUE(f.state.inHand(5));
    const QImage before = form.canvas();
    QTest::mouseMove(&form, QPoint(460, 60)); // Carlos's portrait
    EXPECT_TRUE(f.hoverShown(5));
    EXPECT_NE(form.canvas(), before);
    QTest::mouseMove(&form, QPoint(680, 440)); // bare felt
    EXPECT_FALSE(f.hoverShown(5));
}

TEST(MouseForwarding, MovesOverLabelsCountButNotOverButtonsOrThePanel) {
    WindowFixture f(3);
    TableWindow& form = f.open();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    // Chong's chips label lies below his portrait: a move onto the label
    // still reaches the game and ends the hover.
    ASSERT_TRUE(f.state.inHand(7));
    QTest::mouseMove(&form, QPoint(60, 300));
    ASSERT_TRUE(f.hoverShown(7));
    QTest::mouseMove(form.label(Label::chongChips), QPoint(2, 2));
    EXPECT_FALSE(f.hoverShown(7));

    // A move over the options panel is not a move over the canvas: the part
    // of Carlos's portrait under the panel does not show his cards.
    form.showOptionsPanel(true);
    QTest::mouseMove(form.optionsPanel(), form.optionsPanel()->mapFrom(&form, QPoint(460, 120)));
    EXPECT_FALSE(f.hoverShown(5));
    form.showOptionsPanel(false);
}

TEST(MouseForwarding, TheBadgeTurnsBackToItsQuestionMarkWhateverThePointerMovesOnto) {
    WindowFixture f(3);
    TableWindow& form = f.open();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QImage question = form.canvas().copy(QRect(QPoint(257, 543), QSize(139, 127)));

    // Straight from the badge onto the Deal button.
    QTest::mouseMove(&form, QPoint(330, 610));
    ASSERT_TRUE(f.hoverShown(kHuman));
    ASSERT_NE(form.canvas().copy(QRect(QPoint(257, 543), QSize(139, 127))), question);
    QTest::mouseMove(form.button(Button::deal), QPoint(10, 10));
    EXPECT_FALSE(f.hoverShown(kHuman));
    EXPECT_EQ(form.canvas().copy(QRect(QPoint(257, 543), QSize(139, 127))), question);

    // Straight from the badge out of the window.
    QTest::mouseMove(&form, QPoint(330, 610));
    ASSERT_TRUE(f.hoverShown(kHuman));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&form, &leave);
    EXPECT_FALSE(f.hoverShown(kHuman));
    EXPECT_EQ(form.canvas().copy(QRect(QPoint(257, 543), QSize(139, 127))), question);
}

TEST(TimerForwarding, BlinkTimerTicksDrawForTheBlink) {
    WindowFixture f(3);
    TableWindow& form = f.open();
    const auto draws = f.random.drawCount();
    form.startTimer(Timer::winktimer);
    EXPECT_TRUE(form.timer(Timer::winktimer)->isActive());
    QTest::qWait(700);
    EXPECT_GT(f.random.drawCount(), draws);
    form.stopTimer(Timer::winktimer);
    form.setTimerInterval(Timer::winktimer, 800);
    EXPECT_EQ(form.timer(Timer::winktimer)->interval(), 800);
    EXPECT_FALSE(form.timer(Timer::winktimer)->isActive());
}

} // namespace tavolier::uitest
