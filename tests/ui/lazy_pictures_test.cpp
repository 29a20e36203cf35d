// The pictures decoded late (on first use, on a worker thread, or from
// their raw copies) are the very pixels of the PNG files, and a window whose
// pictures are all asked for still plays a hand.
#include "ui/options_panel.h"
#include "ui/raw_picture.h"
#include "ui/rules_dialog.h"
#include "ui_fixture.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QTimer>
#include <QtTest/QTest>

namespace tavolier::uitest {

namespace {

struct Sheet {
    const char* file;
    int width;
    int height;
    int count;
};

// clang-format off
const Sheet kSheets[] = {
    { "cards.png",      62,  84,  60 },
    { "highlights.png", 128, 128, 16 },
    { "winks.png",      71,  104, 21 },
    { "smiles.png",     128, 128, 8 },
    { "procent.png",    139, 127, 8 },
    { "gold.png",       94,  94,  3 },
};
// clang-format on

QString asset(const QString& name) {
    return QDir(TAVOLIER_ASSET_DIR).filePath(name);
}

// Picture i of a sheet cut straight from its PNG file, as the window cut it
// before pictures were decoded late.
QImage cutFromPng(const QString& png, int w, int h, int i) {
    return QImage(png).convertToFormat(QImage::Format_ARGB32_Premultiplied).copy(i * w, 0, w, h);
}

void expectSamePictures(const ImageStrip& strip, const Sheet& sheet, int scale) {
    const QString png = asset(scale == 1 ? QString(sheet.file) : doubledName(sheet.file));
    ASSERT_EQ(strip.count(), sheet.count) << sheet.file;
    for (int i = 0; i < sheet.count; ++i) {
        const QImage* picture = strip.picture(i);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->devicePixelRatio(), scale);
        EXPECT_EQ(*picture, cutFromPng(png, sheet.width * scale, sheet.height * scale, i))
            << sheet.file << " picture " << i << " at " << scale << "x";
    }
}

} // namespace

TEST(LatePictures, EverySheetDecodedLateHasThePngsPixels) {
    const AssetFinder finder(generatedAssets());
    for (int scale : { 1, 2 }) {
        for (const Sheet& sheet : kSheets) {
            ImageStrip onFirstUse;
            onFirstUse.locate(finder, sheet.file, sheet.width, sheet.height, scale);
            EXPECT_FALSE(onFirstUse.decoded());
            expectSamePictures(onFirstUse, sheet, scale);

            ImageStrip ahead;
            ahead.locate(finder, sheet.file, sheet.width, sheet.height, scale);
            ahead.prefetch();
            expectSamePictures(ahead, sheet, scale);
        }
    }
}

TEST(LatePictures, RawCopiesHoldThePngsPixels) {
    for (const char* name : kRawCopies) {
        const QImage raw = readRawPicture(asset(rawName(name)));
        ASSERT_FALSE(raw.isNull()) << name;
        EXPECT_EQ(raw, QImage(asset(name)).convertToFormat(QImage::Format_ARGB32_Premultiplied))
            << name;
    }
}

TEST(LatePictures, SinglePicturesDecodedLateAreThoseOfTheirFiles) {
    const AssetFinder finder(generatedAssets());
    for (const char* name : { "options.png", "rules.jpg" }) {
        for (int scale : { 1, 2 }) {
            const QImage expected = QImage(asset(scale == 1 ? QString(name) : doubledName(name)));
            LazyPicture later(finder, name, scale);
            EXPECT_FALSE(later.decoded());
            EXPECT_EQ(later.image(), expected) << name;
            EXPECT_EQ(later.image().devicePixelRatio(), scale);
            LazyPicture ahead(finder, name, scale);
            ahead.prefetch();
            EXPECT_EQ(ahead.image(), expected) << name;
        }
    }
}

TEST(LatePictures, ARawCopyServesOnlyWhenSoundAndNotOlderThanItsPng) {
    ASSERT_TRUE(hasRawCopy("procent.png"));
    EXPECT_FALSE(hasRawCopy("gold.png"));
    QTemporaryDir dir;
    const QString png = QDir(dir.path()).filePath("procent.png");
    const QString raw = QDir(dir.path()).filePath("procent.argb");
    ASSERT_TRUE(QFile::copy(asset("procent.png"), png));
    // A raw copy of another picture, to tell which file was read.
    QImage other(139 * 8, 127, QImage::Format_ARGB32_Premultiplied);
    other.fill(qRgb(1, 2, 3));
    ASSERT_TRUE(writeRawPicture(other, raw));
    const AssetFinder finder({ dir.path() });
    const QImage fromPng = QImage(png).convertToFormat(QImage::Format_ARGB32_Premultiplied);

    auto first = [&] {
        ImageStrip strip;
        strip.locate(finder, "procent.png", 139, 127, 1.0);
        return strip.count() == 8 ? *strip.picture(0) : QImage();
    };
    EXPECT_EQ(first(), other.copy(0, 0, 139, 127));

    // A repainted PNG wins over the older copy.
    QFile rawFile(raw);
    ASSERT_TRUE(rawFile.open(QIODevice::ReadWrite));
    ASSERT_TRUE(rawFile.setFileTime(
        QFileInfo(png).lastModified().addSecs(-60), QFileDevice::FileModificationTime));
    rawFile.close();
    EXPECT_EQ(first(), fromPng.copy(0, 0, 139, 127));

    // A copy cut short is passed over for the PNG.
    ASSERT_TRUE(writeRawPicture(other, raw));
    ASSERT_TRUE(QFile::resize(raw, 1000));
    EXPECT_EQ(first(), fromPng.copy(0, 0, 139, 127));
}

// A raw picture is held to the image readers' allocation limit, as a PNG is,
// and pictures are found only in the game's own folders.
TEST(LatePictures, ARawPictureOverTheReadersLimitIsRefusedAndTheStartFolderIsNotSearched) {
    QTemporaryDir dir;
    const QString raw = QDir(dir.path()).filePath("big.argb");
    QImage big(1024, 1024, QImage::Format_ARGB32_Premultiplied); // 4 MB
    big.fill(qRgb(9, 8, 7));
    ASSERT_TRUE(writeRawPicture(big, raw));
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(3);
    const QImage refused = readRawPicture(raw);
    QImageReader::setAllocationLimit(limit);
    EXPECT_TRUE(refused.isNull());
    EXPECT_EQ(readRawPicture(raw), big);

    const QString started = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    ASSERT_TRUE(QFile::copy(asset("gold.png"), "gold.png"));
    const QString found = AssetFinder().find("gold.png");
    ASSERT_TRUE(QDir::setCurrent(started));
    EXPECT_FALSE(found.startsWith(dir.path())) << found.toStdString();
}

TEST(LatePictures, PngAndBmpAreReadWithoutImageFormatPlugins) {
    // Loading a plugin to guess a format costs the start-up time and memory.
    QTemporaryDir dir;
    const QString disguised = QDir(dir.path()).filePath("rules.png");
    ASSERT_TRUE(QFile::copy(asset("rules.jpg"), disguised));
    const QImage png = readPictureFile(asset("winks.png"));
    const QImage bmp = readPictureFile(asset("texasbmp2.bmp"));
    EXPECT_FALSE(libraryLoaded("imageformats/"));
    EXPECT_EQ(png.size(), QSize(1491, 104));
    EXPECT_EQ(bmp.size(), QSize(1000, 670));
    // A file that is not what its name says is still read, by the plugins.
    EXPECT_EQ(readPictureFile(disguised), QImage(asset("rules.jpg")));
}

TEST(LatePictures, TheTableShowsAndDecodesItsPicturesWithoutImageFormatPlugins) {
    WindowFixture f(5);
    TableWindow& form = f.open();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(50);
    for (std::size_t list = 0; list < std::size(kSheets); ++list)
        EXPECT_EQ(form.strip(static_cast<ImageList>(list)).count(), kSheets[list].count);
    EXPECT_FALSE(form.windowIcon().isNull());
    EXPECT_FALSE(libraryLoaded("imageformats/"));
    // The rules are a JPEG: shown, they bring in its plugin.
    QTimer::singleShot(20, form.aboutBox(), [&] { form.aboutBox()->accept(); });
    f.named("dxButton8")->click();
    EXPECT_TRUE(libraryLoaded("imageformats/libqjpeg"));
}

TEST(LatePictures, AHandPlaysWithEveryPictureAskedFor) {
    for (qreal scale : { 1.0, 2.0 }) {
        WindowFixture f(5);
        f.scale = scale;
        TableWindow& form = f.open();
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        // The first frame is painted and the rest is decoded behind it.
        QTest::qWait(50);

        for (std::size_t list = 0; list < std::size(kSheets); ++list) {
            const ImageStrip& strip = form.strip(static_cast<ImageList>(list));
            ASSERT_EQ(strip.count(), kSheets[list].count) << kSheets[list].file;
            for (int i = 0; i < strip.count(); ++i) {
                form.stamp(static_cast<ImageList>(list), i, 300, 300);
                EXPECT_EQ(strip.picture(i)->devicePixelRatio(), scale);
            }
        }
        // The options panel and the rules dialog show their pictures.
        form.showOptionsPanel(true);
        EXPECT_FALSE(form.optionsPanel()->findChild<QLabel*>("Image1")->pixmap().isNull());
        form.showOptionsPanel(false);
        bool rulesShown = false;
        QTimer::singleShot(20, form.aboutBox(), [&] {
            rulesShown = !form.aboutBox()->findChild<QLabel*>("Image1")->pixmap().isNull();
            form.aboutBox()->accept();
        });
        f.named("dxButton8")->click();
        EXPECT_TRUE(rulesShown);

        // A whole hand still plays to its end.
        EXPECT_TRUE(checkDownToTheEnd(form));
        QTest::mouseClick(form.button(Button::deal), Qt::LeftButton);
        EXPECT_EQ(f.state.street, Street::preflop);
    }
}

} // namespace tavolier::uitest
