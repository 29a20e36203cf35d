// Mouse moves and timer ticks reach the game only from where they should.
#include "ui_fixture.h"

#include <QLabel>
#include <QTimer>
#include <QtTest/QTest>

namespace tavolier::uitest {

TEST(MouseForwarding, HoverOverAPortraitShowsThatOpponentsCards) {
    WindowFixture f(3);
    TForm1& form = f.open();
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
    TForm1& form = f.open();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    // Chong's chips label lies below his portrait: a move onto the label
    // still reaches the game and ends the hover.
    ASSERT_TRUE(f.state.inHand(7));
    QTest::mouseMove(&form, QPoint(60, 300));
    ASSERT_TRUE(f.hoverShown(7));
    QTest::mouseMove(form.label(Label::lblfcash), QPoint(2, 2));
    EXPECT_FALSE(f.hoverShown(7));

    // A move over a button is not a move over the canvas.
    QTest::mouseMove(&form, QPoint(460, 60));
    ASSERT_TRUE(f.hoverShown(5));
    QTest::mouseMove(f.named("dxButton5"), QPoint(5, 5));
    EXPECT_TRUE(f.hoverShown(5));
}

TEST(TimerForwarding, BlinkTimerTicksDrawForTheBlink) {
    WindowFixture f(3);
    TForm1& form = f.open();
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
