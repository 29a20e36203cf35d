// The options panel's picture (the real controls sit on top of it) and the
// application icon.
#include "assetgen.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavolier::assetgen {
namespace {

const QColor kBrass(0xc9, 0xa2, 0x4a);

// An engraved, darker inset that groups some controls.
void inset(QPainter& p, const QRectF& r) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(r, 8, 8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 120), 1.0));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    p.setPen(QPen(QColor(255, 230, 180, 40), 1.0));
    p.drawRoundedRect(r.adjusted(0.5, 1.5, -0.5, 0.5), 8, 8);
}

} // namespace

QImage paintOptionsPanel(int scale) {
    QImage img = newImage(kOptionsWidth, kOptionsHeight, scale, Qt::black);
    {
        QPainter p(&img);
        prepare(p, scale);
        const QRectF all(0, 0, kOptionsWidth, kOptionsHeight);
        // Dark mahogany board with a brass-lined felt field.
        QLinearGradient wood(0, 0, 0, kOptionsHeight);
        wood.setColorAt(0, QColor(0x4e, 0x2c, 0x18));
        wood.setColorAt(1, QColor(0x2c, 0x17, 0x0c));
        p.fillRect(all, wood);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 60; ++i) { // wood grain
            const qreal y = (hash3(i, 1, 77) % 4370) / 10.0;
            p.setBrush(QColor(0, 0, 0, 10 + hash3(i, 2, 77) % 14));
            p.drawRect(QRectF(0, y, kOptionsWidth, 0.6 + (hash3(i, 3, 77) % 20) / 10.0));
        }
        const QRectF field = all.adjusted(14, 14, -21, -20);
        QRadialGradient felt(field.center() + QPointF(0, -60), 360);
        felt.setColorAt(0, QColor(0x52, 0x32, 0x1e));
        felt.setColorAt(1, QColor(0x26, 0x14, 0x0a));
        p.setBrush(felt);
        p.drawRoundedRect(field, 14, 14);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kBrass, 2.0));
        p.drawRoundedRect(field.adjusted(-1, -1, 1, 1), 15, 15);
        p.setPen(QPen(QColor(0, 0, 0, 140), 1.0));
        p.drawRoundedRect(field.adjusted(1.5, 1.5, -1.5, -1.5), 13, 13);
        // The visible panel is 522 x 431: a dark edge marks where it ends.
        p.setPen(QPen(QColor(0, 0, 0, 160), 2));
        p.drawRect(QRectF(1, 1, 520, 429));
    }
    addGrain(img, 3, 99);
    {
        QPainter p(&img);
        prepare(p, scale);

        const QString title = QCoreApplication::translate("OptionsPicture", "Options");
        const QFont titleFont = pixelFont(QStringLiteral("DejaVu Serif"), 24, QFont::Bold);
        drawCentredText(p, QPointF(261, 36), title, titleFont, QColor(0xf0, 0xd4, 0x84), 1.5);
        // The rules and suits either side move out for a longer word.
        const QFontMetricsF metrics(titleFont);
        const qreal room = std::max<qreal>(0,
            (metrics.horizontalAdvance(title)
                - metrics.horizontalAdvance(QStringLiteral("Options")))
                / 2);
        p.setPen(QPen(QColor(0xc9, 0xa2, 0x4a, 150), 1));
        p.drawLine(QPointF(150 - room, 36), QPointF(205 - room, 36));
        p.drawLine(QPointF(317 + room, 36), QPointF(372 + room, 36));
        const qreal suitX[4] = { 126 - room, 140 - room, 382 + room, 396 + room };
        for (int s = 0; s < 4; ++s)
            paintSuit(p, s, QPointF(suitX[s], 36), 9, QColor(0xc9, 0xa2, 0x4a, 200));

        inset(p, QRectF(66, 60, 250, 94)); // initial cash and target
        inset(p, QRectF(364, 54, 84, 62)); // sound
        inset(p, QRectF(364, 134, 134, 212)); // card backs
        inset(p, QRectF(66, 180, 124, 160)); // AI level
        inset(p, QRectF(212, 176, 128, 164)); // betting limits
        inset(p, QRectF(364, 356, 134, 48)); // opponents' pace
        inset(p, QRectF(66, 356, 124, 48)); // rules

        // A small preview of each card back beside the radio items.
        for (int i = 0; i < 8; ++i) {
            const qreal rowH = 169.0 / 8;
            const qreal sc = 0.24;
            p.save();
            p.translate(444, 168 + i * rowH + (rowH - kCardHeight * sc) / 2);
            p.scale(sc, sc);
            paintCardBack(p, i);
            p.restore();
            drawCentredText(p, QPointF(470, 168 + i * rowH + rowH / 2), QString::number(i + 1),
                pixelFont(QStringLiteral("DejaVu Sans"), 9, QFont::Bold), QColor(0xf0, 0xd4, 0x84));
        }
        // A short stack of chips beside the betting limits.
        for (int i = 0; i < 4; ++i) {
            const QPointF c(276, 228 - i * 4.5);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x6a, 0x10, 0x18));
            p.drawEllipse(c + QPointF(0, 2.2), 15, 6);
            p.setBrush(i % 2 ? QColor(0xc0, 0x24, 0x30) : QColor(0xe8, 0xe4, 0xd8));
            p.drawEllipse(c, 15, 6);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(i % 2 ? QColor(255, 255, 255, 170) : QColor(0xc0, 0x24, 0x30, 170), 1.4,
                Qt::DashLine));
            p.drawEllipse(c, 11, 4.2);
        }
        // A speaker beside the sound switch.
        {
            const QPointF s(437, 96);
            QPainterPath cone;
            cone.moveTo(s + QPointF(-4, -2.5));
            cone.lineTo(s + QPointF(-1.5, -2.5));
            cone.lineTo(s + QPointF(2.5, -6));
            cone.lineTo(s + QPointF(2.5, 6));
            cone.lineTo(s + QPointF(-1.5, 2.5));
            cone.lineTo(s + QPointF(-4, 2.5));
            cone.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xf0, 0xd4, 0x84));
            p.drawPath(cone);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(0xf0, 0xd4, 0x84), 1.1, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(s.x() - 1, s.y() - 4, 8, 8), -50 * 16, 100 * 16);
        }
        // Plate behind the Ok button.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawRoundedRect(QRectF(226, 360, 89, 40), 10, 10);
    }
    return img;
}

QImage paintIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHints(
        QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    p.scale(size / 256.0, size / 256.0);
    paintIconOn(p);
    return img;
}

void paintIconOn(QPainter& p) {
    const QRectF tile(8, 8, 240, 240);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(tile.translated(0, 3), 48, 48);
    QRadialGradient felt(QPointF(110, 90), 220);
    felt.setColorAt(0, QColor(0x22, 0x88, 0x4a));
    felt.setColorAt(1, QColor(0x0c, 0x48, 0x24));
    p.setBrush(felt);
    p.drawRoundedRect(tile, 48, 48);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBrass, 6));
    p.drawRoundedRect(tile.adjusted(3, 3, -3, -3), 45, 45);

    auto card = [&](qreal angle, QPointF at, int suit, int rank) {
        p.save();
        p.translate(at);
        p.rotate(angle);
        p.scale(2.3, 2.3);
        p.translate(-kCardWidth / 2.0, -kCardHeight / 2.0);
        paintCardFace(p, suit, rank);
        p.restore();
    };
    card(-14, QPointF(100, 124), 2, 12);
    card(12, QPointF(156, 132), 3, 12);

    // A chip in the corner.
    const QPointF c(190, 192);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(c + QPointF(2, 4), 36, 36);
    p.setBrush(QColor(0xb8, 0x1e, 0x2a));
    p.drawEllipse(c, 36, 36);
    p.setBrush(Qt::white);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 45);
        p.drawRect(QRectF(-4.5, -36, 9, 11));
        p.restore();
    }
    p.setBrush(QColor(0xd8, 0x36, 0x40));
    p.drawEllipse(c, 23, 23);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 200), 2, Qt::DashLine));
    p.drawEllipse(c, 20, 20);
    drawCentredText(p, c, QStringLiteral("T"),
        pixelFont(QStringLiteral("DejaVu Serif"), 26, QFont::Bold), Qt::white, 1.2);
}

} // namespace tavolier::assetgen
