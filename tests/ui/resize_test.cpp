// The table scales with its window: the controls, the pointer and the
// canvas's pictures follow, and the size is kept for the next start.
#include "presentation/card_drawing.h"
#include "ui_fixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
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

// The notice of missing pictures follows the zoom like the labels, whether
// it was put up before the window grew or while it is enlarged (here the
// background goes missing then).
TEST(WindowResize, TheMissingPictureNoticeFollowsTheZoom) {
    QTemporaryDir empty;
    WindowFixture f(4, { empty.path() });
    TableWindow& form = f.open();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QLabel* notice = form.pictureNotice();
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->pos(), QPoint(292, 3));
    const int height = notice->height();
    form.resize(2000, 1340);
    QCoreApplication::processEvents();
    EXPECT_EQ(notice->pos(), QPoint(584, 6));
    EXPECT_GE(notice->height(), 2 * height - 2);

    // Every generated picture, through links the test can take away.
    QTemporaryDir linked;
    const QDir generated(QStringLiteral(TAVOLIER_ASSET_DIR));
    for (const QString& name : generated.entryList(QDir::Files))
        ASSERT_TRUE(QFile::link(generated.filePath(name), QDir(linked.path()).filePath(name)));
    WindowFixture g(4, { linked.path() });
    TableWindow& large = g.open();
    large.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&large));
    large.resize(2000, 1340);
    QCoreApplication::processEvents();
    ASSERT_EQ(large.pictureNotice(), nullptr);
    for (const QString& name : QDir(linked.path()).entryList({ "texasbmp2*" }, QDir::Files))
        ASSERT_TRUE(QFile::remove(QDir(linked.path()).filePath(name)));
    redraw(large.table());
    ASSERT_NE(large.pictureNotice(), nullptr);
    EXPECT_EQ(large.pictureNotice()->pos(), QPoint(584, 6));
    EXPECT_GE(large.pictureNotice()->height(), 2 * height - 2);
}

} // namespace tavolier::uitest
