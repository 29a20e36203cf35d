// The table scales with its window, keeping its proportions: every control
// stands at its 1x place times the zoom (beside the bars' offset), the
// pointer and the canvas's pictures follow, and the size is kept for the next
// start.
#include "presentation/card_drawing.h"
#include "presentation/portraits.h"
#include "ui_fixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest/QTest>

namespace tavolier::uitest {

TEST(WindowResize, EveryControlThePointerAndThePicturesFollowTheZoom) {
    WindowFixture f(3);
    TableWindow& form = f.open();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    std::vector<std::pair<QWidget*, QPoint>> placed;
    for (QWidget* widget : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (widget->isVisible())
            placed.emplace_back(widget, widget->pos());
    ASSERT_GT(placed.size(), 30u);
    const auto expectZoomed = [&placed](qreal zoom, QPoint origin) {
        for (const auto& [widget, at] : placed)
            EXPECT_LE((widget->pos() - (origin + at * zoom)).manhattanLength(), 2)
                << widget->objectName().toStdString() << " at zoom " << zoom;
    };

    form.resize(1500, 1005);
    QCoreApplication::processEvents();
    expectZoomed(1.5, {});
    // The canvas now holds the 2x pictures.
    EXPECT_EQ(form.canvas().size(), QSize(2000, 1340));
    // Carlos's portrait and the bare felt, where the zoomed table shows them.
    ASSERT_TRUE(f.state.inHand(5));
    const PortraitPlace& carlos = kPortraits[5];
    QTest::mouseMove(&form, QPoint(carlos.x + 64, carlos.y + 64) * 1.5);
    EXPECT_TRUE(f.hoverShown(5));
    QTest::mouseMove(&form, QPoint(680, 440) * 1.5);
    EXPECT_FALSE(f.hoverShown(5));
    // A click on a zoomed button plays.
    QTest::mouseClick(form.button(Button::fold), Qt::LeftButton);
    EXPECT_TRUE(f.state.seat(kHuman).folded);

    // A wider window keeps the proportions: bars at the sides.
    form.resize(1800, 1005);
    QCoreApplication::processEvents();
    expectZoomed(1.5, QPoint(150, 0));

    form.close();
    EXPECT_EQ(f.file.readInteger("Settings", "WindowWidth", 0), 1800);
    EXPECT_EQ(f.file.readInteger("Settings", "WindowHeight", 0), 1005);
}

// The notice of a missing picture put up while the window is enlarged (here
// the background goes missing then) stands zoomed like the other controls.
TEST(WindowResize, ANoticePutUpWhileEnlargedStandsZoomed) {
    // Every generated picture, through links the test can take away.
    QTemporaryDir linked;
    const QDir generated(QStringLiteral(TAVOLIER_ASSET_DIR));
    for (const QString& name : generated.entryList(QDir::Files))
        ASSERT_TRUE(QFile::link(generated.filePath(name), QDir(linked.path()).filePath(name)));
    WindowFixture f(4, { linked.path() });
    TableWindow& form = f.open();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.resize(2000, 1340);
    QCoreApplication::processEvents();
    ASSERT_EQ(form.pictureNotice(), nullptr);
    for (const QString& name : QDir(linked.path()).entryList({ "texasbmp2*" }, QDir::Files))
        ASSERT_TRUE(QFile::remove(QDir(linked.path()).filePath(name)));
    redraw(form.table());
    const QLabel* notice = form.pictureNotice();
    ASSERT_NE(notice, nullptr);
    const QPoint enlarged = notice->pos();
    const int height = notice->height();
    form.resize(1000, 670);
    QCoreApplication::processEvents();
    EXPECT_EQ(enlarged, notice->pos() * 2);
    EXPECT_GE(height, 2 * notice->height() - 2);
}

} // namespace tavolier::uitest
