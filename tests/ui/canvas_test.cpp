// What the canvas shows: the screenshot of a hand on the flop, the card back
// change, the 2x canvas and the table without its pictures.
#include "presentation/card_drawing.h"
#include "ui/options_panel.h"
#include "ui/sound_player.h"
#include "ui_fixture.h"

#include <QButtonGroup>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QtTest/QTest>

namespace tavolier::uitest {

namespace {

QImage loadAsset(const QString& name) {
    QImage image(QDir(TAVOLIER_ASSET_DIR).filePath(name));
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Picture index of the cards strip, cut as the window cuts it.
QImage cardPicture(int index, int scale = 1) {
    const QImage strip = loadAsset(scale == 1 ? "cards.png" : "cards@2x.png");
    return strip.copy(index * 62 * scale, 0, 62 * scale, 84 * scale);
}

// How many opaque pixels of the picture differ from the shot at (x, y),
// leaving out the columns from clipRight on (hidden by a later card) and
// the top-left pixel (the corner touch-up).
int differences(const QImage& shot, const QImage& picture, int x, int y, int clipRight = 1 << 20) {
    int count = 0;
    for (int py = 0; py < picture.height(); ++py) {
        for (int px = 0; px < std::min(picture.width(), clipRight); ++px) {
            if (px == 0 && py == 0)
                continue;
            const QRgb want = picture.pixel(px, py);
            if (qAlpha(want) != 255)
                continue;
            if ((shot.pixel(x + px, y + py) & 0xFFFFFFu) != (want & 0xFFFFFFu))
                ++count;
        }
    }
    return count;
}

int backgroundDifferences(const QImage& shot, const QImage& background, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((shot.pixel(x, y) & 0xFFFFFFu) != (background.pixel(x, y) & 0xFFFFFFu))
                ++count;
    return count;
}

// Plays Check/Call until the flop is out with the human still in the hand.
bool reachTheFlop(WindowFixture& f) {
    TableWindow& form = f.form();
    for (int press = 0; press < 6; ++press) {
        if (f.state.street >= Street::flop)
            return !f.state.seat(kHuman).folded && !form.button(Button::deal)->isEnabled();
        if (!form.button(Button::checkOrCall)->isEnabled())
            return false;
        QTest::mouseClick(form.button(Button::checkOrCall), Qt::LeftButton);
    }
    return false;
}

} // namespace

TEST(TableScreenshot, OnTheFlopShowsBackgroundHumanFacesOpponentBacksAndBoard) {
    std::unique_ptr<WindowFixture> f;
    for (std::uint64_t seed = 1; seed < 40; ++seed) {
        f = std::make_unique<WindowFixture>(seed);
        f->open().show();
        if (reachTheFlop(*f) && f->state.street == Street::flop)
            break;
        f.reset();
    }
    ASSERT_TRUE(f) << "no seed reached the flop";
    TableWindow& form = f->form();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QImage shot = form.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shot.size(), QSize(1000, 670));

    // The background: two corners of the table away from cards and labels.
    const QImage background = loadAsset("texasbmp2.bmp");
    ASSERT_EQ(background.size(), QSize(1000, 670));
    EXPECT_EQ(backgroundDifferences(shot, background, QRect(200, 30, 150, 20)), 0);
    EXPECT_EQ(backgroundDifferences(shot, background, QRect(880, 600, 100, 50)), 0);

    // The human's two faces, the second over the first.
    const Seat& human = f->state.seat(kHuman);
    EXPECT_EQ(differences(shot, cardPicture(imageIndex(human.holeCards[0])), 503, 484, 40), 0);
    EXPECT_EQ(differences(shot, cardPicture(imageIndex(human.holeCards[1])), 543, 497), 0);

    // Every opponent still in shows the chosen back; those out show felt.
    const QImage back = cardPicture(f->state.cardBackImage);
    int backsShown = 0;
    for (int seat = 1; seat <= 7; ++seat) {
        const CardPlace& place = kCardPlaces[static_cast<std::size_t>(seat)];
        if (f->state.inHand(seat)) {
            EXPECT_EQ(differences(shot, back, place.x + place.stepX, place.y + place.stepY), 0)
                << "seat " << seat;
            ++backsShown;
        } else {
            EXPECT_EQ(
                backgroundDifferences(shot, background, QRect(place.x + 1, place.y + 1, 100, 90)),
                0)
                << "seat " << seat;
        }
    }
    EXPECT_GT(backsShown, 0);

    // The flop in its V, and nothing yet at the turn's and river's places.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(
            differences(shot, cardPicture(imageIndex(f->state.board[static_cast<std::size_t>(i)])),
                kBoardPlaces[static_cast<std::size_t>(i)][0],
                kBoardPlaces[static_cast<std::size_t>(i)][1]),
            0)
            << "flop card " << i;
    EXPECT_EQ(backgroundDifferences(shot, background, QRect(606, 311, 60, 82)), 0);
}

TEST(TableScreenshot, ChosenCardBackRedrawsEveryFaceDownCard) {
    WindowFixture f(3);
    TableWindow& form = f.open();
    form.show();
    QTest::mouseClick(f.named("dxButton6"), Qt::LeftButton);
    QTest::mouseClick(form.optionsPanel()->cardbacks->button(7), Qt::LeftButton);
    QTest::mouseClick(form.optionsPanel()->dxButton1, Qt::LeftButton);
    const QImage canvas = form.canvas().convertToFormat(QImage::Format_ARGB32);
    const QImage back = cardPicture(59);
    for (int seat = 1; seat <= 7; ++seat) {
        if (!f.state.inHand(seat))
            continue;
        const CardPlace& place = kCardPlaces[static_cast<std::size_t>(seat)];
        EXPECT_EQ(differences(canvas, back, place.x + place.stepX, place.y + place.stepY), 0)
            << "seat " << seat;
    }
}

TEST(TableCanvas, IndexOutsideAListDrawsNothing) {
    WindowFixture f;
    TableWindow& form = f.open();
    const QImage before = form.canvas();
    form.stamp(ImageList::cards, 60, 10, 10);
    form.stamp(ImageList::cards, -1, 10, 10);
    form.stamp(ImageList::gold, 3, 10, 10);
    form.stamp(ImageList::procent, 8, 10, 10);
    EXPECT_EQ(form.canvas(), before);
    form.stamp(ImageList::gold, 1, 10, 10);
    EXPECT_NE(form.canvas(), before);
}

TEST(TableCanvas, ClearAreaRestoresTheBackgroundPixels) {
    WindowFixture f;
    TableWindow& form = f.open();
    form.stamp(ImageList::cards, 51, 600, 40);
    form.clearArea(Rect { 600, 40, 662, 124 });
    const QImage canvas = form.canvas().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(backgroundDifferences(canvas, loadAsset("texasbmp2.bmp"), QRect(600, 40, 62, 84)), 0);
}

TEST(TableCanvas, DoubleScaleCanvasUsesTheSharpPictures) {
    TableState state;
    Random random = Random::splitMix64(9);
    MemorySettings settings;
    WindowOptions options;
    options.assetDirs = generatedAssets();
    options.scale = 2.0;
    options.audio = false;
    options.runTimers = false;
    TableWindow form(state, random, settings, options);
    const QImage& canvas = form.canvas();
    EXPECT_EQ(canvas.size(), QSize(2000, 1340));
    EXPECT_EQ(canvas.devicePixelRatio(), 2.0);
    const QImage human
        = canvas.copy(2 * 543, 2 * 497, 124, 168).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(
        differences(human, cardPicture(imageIndex(state.seat(kHuman).holeCards[1]), 2), 0, 0), 0);
    const QImage background = loadAsset("texasbmp2@2x.png");
    EXPECT_EQ(backgroundDifferences(canvas.convertToFormat(QImage::Format_ARGB32), background,
                  QRect(1760, 1200, 200, 100)),
        0);
}

// Without any picture the cards are still drawn, plain, and each missing
// file is told once, however often it is asked for.
TEST(MissingAssets, TableStillPlaysWithABeepForTheBackgroundAndPlainCards) {
    QTemporaryDir empty;
    WindowFixture f(4, { empty.path() });
    TableWindow& form = f.open();
    EXPECT_GE(form.beepCount(), 1);
    const QImage canvas = form.canvas().convertToFormat(QImage::Format_ARGB32);
    const QRect humanCard(503, 484, 62, 84);
    int lit = 0;
    for (int y = humanCard.top(); y <= humanCard.bottom(); ++y)
        for (int x = humanCard.left(); x <= humanCard.right(); ++x)
            lit += (canvas.pixel(x, y) & 0xFFFFFFu) != 0;
    EXPECT_GT(lit, humanCard.width() * humanCard.height() / 2);
    EXPECT_EQ(canvas.pixel(10, 10) & 0xFFFFFFu, 0u);
    redraw(form.table());
    EXPECT_EQ(form.missingPictures().count("cards.png"), 1);
    EXPECT_EQ(form.missingPictures().count("texasbmp2.bmp"), 1);
    ASSERT_NE(form.pictureNotice(), nullptr);
    EXPECT_FALSE(form.pictureNotice()->isHidden());

    // A missing sound sounds the alert instead, and play goes on.
    const int beeps = form.beepCount();
    form.playSound("chip1.wav");
    EXPECT_EQ(form.beepCount(), beeps + 1);
    QTest::mouseClick(form.button(Button::fold), Qt::LeftButton);
    EXPECT_TRUE(f.state.seat(kHuman).folded);
}

TEST(SoundCues, FilesAreFoundOnceAndMissingOnesBeep) {
    int beeps = 0;
    SoundPlayer present(AssetFinder(generatedAssets()), SoundPlayer::Output::None);
    present.setBeep([&] { ++beeps; });
    for (std::string_view file : SoundPlayer::kFiles)
        present.play(file);
    EXPECT_EQ(beeps, 0);
    present.play("chip9.wav");
    EXPECT_EQ(beeps, 1);

    // Whatever the machine's audio, detecting it neither hangs nor fails,
    // and the files that exist raise no alert.
    SoundPlayer detected(AssetFinder(generatedAssets()), SoundPlayer::Output::Detect);
    detected.setBeep([&] { ++beeps; });
    for (std::string_view file : SoundPlayer::kFiles)
        detected.play(file);
    detected.play("chip4.wav");
    EXPECT_EQ(beeps, 1);

    QTemporaryDir empty;
    SoundPlayer missing(AssetFinder({ empty.path() }), SoundPlayer::Output::None);
    missing.setBeep([&] { ++beeps; });
    missing.play("card1.wav");
    EXPECT_EQ(beeps, 2);
}

} // namespace tavolier::uitest

namespace tavolier::uitest {

TEST(TableBackground, IsLookedUpAtEveryRepaintAndFollowsTheFile) {
    QTemporaryDir assets;
    const QString picture = QDir(assets.path()).filePath("texasbmp2.bmp");
    ASSERT_TRUE(QFile::copy(QDir(TAVOLIER_ASSET_DIR).filePath("texasbmp2.bmp"), picture));
    WindowFixture f(4, { assets.path() });
    TableWindow& form = f.open();
    EXPECT_EQ(form.beepCount(), 0);

    // A changed picture shows at the next repaint.
    QImage red(1000, 670, QImage::Format_RGB32);
    red.fill(QColor(200, 0, 0));
    ASSERT_TRUE(red.save(picture, "BMP"));
    QFile file(picture);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(
        QDateTime::currentDateTime().addSecs(10), QFileDevice::FileModificationTime));
    file.close();
    redraw(form.table());
    EXPECT_EQ(form.canvas().pixel(10, 10) & 0xFFFFFFu, 0xC80000u);

    // A picture that has gone beeps at every repaint and leaves the canvas as it was.
    ASSERT_TRUE(QFile::remove(picture));
    const int beeps = form.beepCount();
    redraw(form.table());
    redraw(form.table());
    EXPECT_EQ(form.beepCount(), beeps + 2);
    EXPECT_EQ(form.canvas().pixel(10, 10) & 0xFFFFFFu, 0xC80000u);
}

TEST(AssetLookup, DoubledFilesAreNamedAndSingleOnesServeWhenMissing) {
    EXPECT_EQ(doubledName("cards.png"), "cards@2x.png");
    EXPECT_EQ(doubledName("texasbmp2.bmp"), "texasbmp2@2x.png");
    EXPECT_EQ(doubledName("rules.jpg"), "rules@2x.jpg");

    QTemporaryDir only1x;
    ASSERT_TRUE(QFile::copy(
        QDir(TAVOLIER_ASSET_DIR).filePath("cards.png"), QDir(only1x.path()).filePath("cards.png")));
    ImageStrip strip;
    strip.load(AssetFinder({ only1x.path() }), "cards.png", 62, 84, 2.0);
    ASSERT_EQ(strip.count(), 60);
    EXPECT_EQ(strip.picture(0)->devicePixelRatio(), 1.0);
    EXPECT_EQ(strip.picture(59)->size(), QSize(62, 84));
    EXPECT_EQ(strip.picture(60), nullptr);

    ImageStrip sharp;
    sharp.load(AssetFinder(generatedAssets()), "cards.png", 62, 84, 2.0);
    ASSERT_EQ(sharp.count(), 60);
    EXPECT_EQ(sharp.picture(0)->size(), QSize(124, 168));
    EXPECT_EQ(sharp.picture(0)->devicePixelRatio(), 2.0);
}

} // namespace tavolier::uitest
