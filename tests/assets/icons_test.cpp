// Checks the menu icons in their hicolor tree: every size is there, square
// and painted, and the scalable SVG is vector paths that draw the same
// picture as the pixel icons.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const QString kIcons = QStringLiteral(TAVOLIER_ICON_DIR "/hicolor");
constexpr int kSizes[] = { 16, 22, 24, 32, 48, 64, 128, 256, 512 };

QImage pixelIcon(int size) {
    return QImage(kIcons + QStringLiteral("/%1x%1/apps/tavolier.png").arg(size))
        .convertToFormat(QImage::Format_ARGB32);
}

TEST(MenuIcons, EverySizeIsSquareWithClearCornersAndAPaintedMiddle) {
    for (const int size : kSizes) {
        const QImage icon = pixelIcon(size);
        ASSERT_FALSE(icon.isNull()) << size;
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    }
}

TEST(MenuIcons, ScalableIconIsVectorPathsThatDrawThePixelIcon) {
    const QString path = kIcons + QStringLiteral("/scalable/apps/tavolier.svg");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_FALSE(text.contains("<image")) << "a picture embedded in the vector icon";
    EXPECT_TRUE(text.contains("<path"));

    QSvgRenderer renderer(path);
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 256, 256));
    QImage drawn(256, 256, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    {
        QPainter p(&drawn);
        p.setRenderHint(QPainter::Antialiasing);
        renderer.render(&p);
    }
    drawn = drawn.convertToFormat(QImage::Format_ARGB32);
    const QImage expected = pixelIcon(256);

    // Edges may be smoothed a little differently; the picture must not differ.
    long long total = 0;
    int farOff = 0;
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            const QRgb a = drawn.pixel(x, y);
            const QRgb b = expected.pixel(x, y);
            const int d = std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b))
                + std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
            total += d;
            farOff += d > 96 ? 1 : 0;
        }
    }
    EXPECT_LT(static_cast<double>(total) / (256.0 * 256.0 * 4.0), 2.0);
    EXPECT_LT(farOff, 256 * 256 / 100);
}

} // namespace
