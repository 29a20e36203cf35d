// The table scales with its window: the controls, the pointer and the
// canvas's pictures follow, and the size is kept for the next start.
#include "ui_fixture.h"

#include <QLabel>
#include <QtTest/QTest>

namespace tavolier::uitest {

TEST(WindowResize, ControlsPointerAndPicturesFollowTheZoomAndTheSizeIsKept) {
    WindowFixture f(3);
    TableWindow& form = f.open();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.resize(1500, 1005);
    QCoreApplication::processEvents();
    EXPECT_EQ(form.button(Button::deal)->geometry(), QRect(593, 911, 97, 49));
    EXPECT_EQ(form.label(Label::pot)->pos(), QPoint(732, 399));
    // The canvas now holds the 2x pictures.
    EXPECT_EQ(form.canvas().size(), QSize(2000, 1340));

    // Carlos's portrait, where the zoomed table shows it.
    ASSERT_TRUE(f.state.inHand(5));
    QTest::mouseMove(&form, QPoint(690, 90));
    EXPECT_TRUE(f.hoverShown(5));
    QTest::mouseMove(&form, QPoint(1020, 660)); // bare felt
    EXPECT_FALSE(f.hoverShown(5));
    // A click on a zoomed button plays.
    QTest::mouseClick(form.button(Button::fold), Qt::LeftButton);
    EXPECT_TRUE(f.state.seat(kHuman).folded);

    // A wider window keeps the proportions: bars at the sides.
    form.resize(1800, 1005);
    QCoreApplication::processEvents();
    EXPECT_EQ(form.button(Button::deal)->geometry().topLeft(), QPoint(743, 911));

    form.close();
    EXPECT_EQ(f.file.readInteger("Settings", "WindowWidth", 0), 1800);
    EXPECT_EQ(f.file.readInteger("Settings", "WindowHeight", 0), 1005);
}

} // namespace tavolier::uitest
