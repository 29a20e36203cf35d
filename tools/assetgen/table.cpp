// The empty card table seen from above: a dark room, a padded leather rail
// with a brass inner edge, and green felt lit from above the board.
#include "assetgen.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace tavolier::assetgen {
namespace {

// The felt's rounded rectangle and the rail's width around it.
constexpr QRectF kFelt(108, 92, 784, 506);
constexpr qreal kFeltRadius = 175;
constexpr qreal kRailWidth = 44;

QPainterPath roundedPath(qreal outset) {
    QPainterPath path;
    const qreal r = kFeltRadius + outset;
    path.addRoundedRect(kFelt.adjusted(-outset, -outset, outset, outset), r, r);
    return path;
}

// Colour of the padded rail across its width: t = 0 at the outer edge, 1 at the felt.
QColor railColour(qreal t) {
    struct Stop {
        qreal t;
        QColor c;
    };
    static const Stop stops[] = {
        { 0.00, QColor(0x12, 0x0a, 0x05) },
        { 0.07, QColor(0x2c, 0x1a, 0x0e) },
        { 0.22, QColor(0x4a, 0x2e, 0x1a) },
        { 0.36, QColor(0x5c, 0x3a, 0x21) },
        { 0.46, QColor(0x58, 0x37, 0x1f) },
        { 0.70, QColor(0x42, 0x29, 0x17) },
        { 0.88, QColor(0x33, 0x1f, 0x11) },
        { 1.00, QColor(0x22, 0x14, 0x0b) },
    };
    for (std::size_t i = 1; i < std::size(stops); ++i) {
        if (t <= stops[i].t) {
            const qreal u = (t - stops[i - 1].t) / (stops[i].t - stops[i - 1].t);
            // Smooth the profile so the padding looks rounded, not banded.
            return mix(stops[i - 1].c, stops[i].c, u * u * (3 - 2 * u));
        }
    }
    return stops[std::size(stops) - 1].c;
}

void paintRoom(QPainter& p) {
    QRadialGradient glow(500, 345, 640);
    glow.setColorAt(0.0, QColor(0x2a, 0x1d, 0x13));
    glow.setColorAt(0.55, QColor(0x16, 0x0f, 0x0a));
    glow.setColorAt(1.0, QColor(0x03, 0x02, 0x01));
    p.fillRect(QRectF(0, 0, kTableWidth, kBareHeight), glow);
    // The table's shadow on the floor, soft and slightly below.
    p.setPen(Qt::NoPen);
    for (int i = 14; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, 16));
        p.drawPath(roundedPath(kRailWidth + i * 1.2).translated(0, 5));
    }
}

void paintRail(QPainter& p, int scale) {
    QImage layer = newImage(kTableWidth, kBareHeight, scale);
    {
        QPainter lp(&layer);
        prepare(lp, scale);
        // The padding's profile, painted as thin concentric bands over a base fill.
        lp.setPen(Qt::NoPen);
        lp.setBrush(railColour(0.4));
        lp.drawPath(roundedPath(kRailWidth));
        lp.setBrush(Qt::NoBrush);
        const qreal step = 0.5 / scale;
        for (qreal d = 0; d < kRailWidth + 1.0; d += step) {
            lp.setPen(QPen(railColour(std::min<qreal>(1.0, d / kRailWidth)), step * 1.8));
            lp.drawPath(roundedPath(kRailWidth - d - step / 2));
        }
        // Light from the lamp: the far side of the rail catches more of it.
        lp.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        QLinearGradient light(0, 40, 0, 650);
        light.setColorAt(0.0, QColor(255, 220, 170, 26));
        light.setColorAt(0.5, QColor(255, 220, 170, 0));
        light.setColorAt(1.0, QColor(0, 0, 0, 40));
        lp.fillRect(QRectF(0, 0, kTableWidth, kBareHeight), light);
        // Stitching along the outer seam of the padding.
        lp.setCompositionMode(QPainter::CompositionMode_SourceOver);
        QPen stitch(QColor(0x9a, 0x74, 0x4c, 110), 0.9);
        stitch.setDashPattern({ 3.0, 2.6 });
        stitch.setCapStyle(Qt::RoundCap);
        lp.setPen(stitch);
        lp.setBrush(Qt::NoBrush);
        lp.drawPath(roundedPath(kRailWidth - 6.5));
        lp.setPen(QPen(QColor(0, 0, 0, 60), 0.8));
        lp.drawPath(roundedPath(kRailWidth - 5.2));
    }
    addGrain(layer, 3, 11);
    p.save();
    p.resetTransform();
    p.drawImage(0, 0, layer);
    p.restore();
}

void paintFelt(QPainter& p, int scale) {
    QImage layer = newImage(kTableWidth, kBareHeight, scale);
    {
        QPainter lp(&layer);
        prepare(lp, scale);
        lp.setPen(Qt::NoPen);
        QRadialGradient lamp(QPointF(0, 0), 1.0);
        lamp.setColorAt(0.0, QColor(0x1e, 0x7e, 0x43));
        lamp.setColorAt(0.35, QColor(0x1a, 0x74, 0x3d));
        lamp.setColorAt(0.75, QColor(0x13, 0x63, 0x32));
        lamp.setColorAt(1.0, QColor(0x0f, 0x5a, 0x2c));
        QBrush brush(lamp);
        QTransform t;
        t.translate(500, 310);
        t.scale(470, 330);
        brush.setTransform(t);
        lp.setBrush(brush);
        lp.drawPath(roundedPath(0));

        // The rail throws a soft shadow onto the felt edge.
        lp.setClipPath(roundedPath(0));
        lp.setBrush(Qt::NoBrush);
        for (int i = 0; i < 14; ++i) {
            lp.setPen(QPen(QColor(0, 12, 4, 13), 30 - 2 * i));
            lp.drawPath(roundedPath(0));
        }
        lp.setClipping(false);

        // Printed marks: a betting line, the board places and the player's places.
        lp.setPen(QPen(QColor(236, 206, 128, 44), 1.2));
        lp.drawPath(roundedPath(-34));
        lp.setPen(QPen(QColor(236, 206, 128, 20), 0.8));
        lp.drawPath(roundedPath(-38));
        lp.setPen(QPen(QColor(255, 255, 255, 30), 1.0));
        for (const Pos& b : kBoardPos)
            lp.drawRoundedRect(QRectF(b.x + 0.5, b.y + 0.5, kCardWidth - 1, kCardHeight - 1), 5, 5);
        QPainterPath human;
        human.setFillRule(Qt::WindingFill);
        for (const Pos& c : kHumanCardPos)
            human.addRoundedRect(
                QRectF(c.x + 0.5, c.y + 0.5, kCardWidth - 1, kCardHeight - 1), 5, 5);
        lp.drawPath(human.simplified());

        // The house's name printed faintly between the board and the player's cards.
        QFont serif = pixelFont(QStringLiteral("DejaVu Serif"), 15, QFont::Bold);
        serif.setLetterSpacing(QFont::AbsoluteSpacing, 5);
        drawCentredText(
            lp, QPointF(500, 452), QStringLiteral("TAVOLIER"), serif, QColor(236, 206, 128, 38));
        lp.setPen(QPen(QColor(236, 206, 128, 34), 1.0));
        lp.drawLine(QPointF(421, 452), QPointF(398, 452));
        lp.drawLine(QPointF(579, 452), QPointF(602, 452));
        for (const qreal x : { 426.0, 574.0 }) {
            QPainterPath d;
            d.moveTo(x, 449);
            d.lineTo(x + 3, 452);
            d.lineTo(x, 455);
            d.lineTo(x - 3, 452);
            d.closeSubpath();
            lp.setPen(Qt::NoPen);
            lp.setBrush(QColor(236, 206, 128, 38));
            lp.drawPath(d);
        }
    }
    addGrain(layer, 3, 7);
    p.save();
    p.resetTransform();
    p.drawImage(0, 0, layer);
    p.restore();

    // The brass line on the rail's inner edge and the dark groove under it.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 120), 1.4));
    p.drawPath(roundedPath(-0.6));
    QLinearGradient brass(0, 90, 0, 600);
    brass.setColorAt(0.0, QColor(0xe8, 0xc8, 0x70));
    brass.setColorAt(0.5, QColor(0xc9, 0xa2, 0x4a));
    brass.setColorAt(1.0, QColor(0x8c, 0x6a, 0x2a));
    p.setPen(QPen(QBrush(brass), 1.6));
    p.drawPath(roundedPath(1.2));
    p.setPen(QPen(QColor(255, 240, 200, 60), 0.6));
    p.drawPath(roundedPath(1.8));
}

} // namespace

QImage paintBareTable(int scale) {
    QImage img = newImage(kTableWidth, kBareHeight, scale, Qt::black);
    QPainter p(&img);
    prepare(p, scale);
    paintRoom(p);
    paintRail(p, scale);
    paintFelt(p, scale);
    p.end();
    return img;
}

} // namespace tavolier::assetgen
