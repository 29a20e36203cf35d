// Card faces and backs at 62 x 84, designed to be read at that size: a large
// corner index, one big centre pip, flat court busts and eight distinct backs.
#include "assetgen.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace tavolier::assetgen {
namespace {

constexpr QRectF kCardRect(0.5, 0.5, kCardWidth - 1.0, kCardHeight - 1.0);
constexpr qreal kCardRadius = 5.0;
const QColor kPaper(0xfb, 0xfa, 0xf5);
const QColor kGold(0xd4, 0xa9, 0x3a);
const QColor kGoldDark(0x9a, 0x74, 0x1e);

// Suit shapes in a unit box centred on the origin (height 1).
QPainterPath unitSuit(int suit) {
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    switch (suit) {
    case 0: { // clubs
        const qreal r = 0.215;
        p.addEllipse(QPointF(0, -0.27), r, r);
        p.addEllipse(QPointF(-0.255, 0.07), r, r);
        p.addEllipse(QPointF(0.255, 0.07), r, r);
        p.addEllipse(QPointF(0, -0.02), 0.12, 0.12);
        QPainterPath stem;
        stem.moveTo(0.035, 0.0);
        stem.cubicTo(0.05, 0.28, 0.12, 0.44, 0.21, 0.5);
        stem.lineTo(-0.21, 0.5);
        stem.cubicTo(-0.12, 0.44, -0.05, 0.28, -0.035, 0.0);
        stem.closeSubpath();
        p.addPath(stem);
        break;
    }
    case 1: // diamonds
        p.moveTo(0, -0.5);
        p.quadTo(0.17, -0.21, 0.38, 0);
        p.quadTo(0.17, 0.21, 0, 0.5);
        p.quadTo(-0.17, 0.21, -0.38, 0);
        p.quadTo(-0.17, -0.21, 0, -0.5);
        p.closeSubpath();
        break;
    case 2: // hearts
        p.moveTo(0, 0.48);
        p.cubicTo(-0.12, 0.33, -0.5, 0.1, -0.5, -0.19);
        p.cubicTo(-0.5, -0.38, -0.37, -0.5, -0.25, -0.5);
        p.cubicTo(-0.11, -0.5, -0.03, -0.41, 0, -0.3);
        p.cubicTo(0.03, -0.41, 0.11, -0.5, 0.25, -0.5);
        p.cubicTo(0.37, -0.5, 0.5, -0.38, 0.5, -0.19);
        p.cubicTo(0.5, 0.1, 0.12, 0.33, 0, 0.48);
        p.closeSubpath();
        break;
    default: // spades
        p.moveTo(0, -0.5);
        p.cubicTo(0.12, -0.33, 0.5, -0.14, 0.5, 0.1);
        p.cubicTo(0.5, 0.28, 0.37, 0.38, 0.25, 0.38);
        p.cubicTo(0.14, 0.38, 0.06, 0.32, 0.03, 0.25);
        p.cubicTo(0.05, 0.37, 0.12, 0.46, 0.21, 0.5);
        p.lineTo(-0.21, 0.5);
        p.cubicTo(-0.12, 0.46, -0.05, 0.37, -0.03, 0.25);
        p.cubicTo(-0.06, 0.32, -0.14, 0.38, -0.25, 0.38);
        p.cubicTo(-0.37, 0.38, -0.5, 0.28, -0.5, 0.1);
        p.cubicTo(-0.5, -0.14, -0.12, -0.33, 0, -0.5);
        p.closeSubpath();
        break;
    }
    return p;
}

QPainterPath suitPath(int suit, QPointF centre, qreal height) {
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(height, height);
    return t.map(unitSuit(suit));
}

// A text path scaled to a cap height and squeezed to a maximum width, centred on c.
QPainterPath fittedText(
    const QString& text, const QFont& font, QPointF c, qreal height, qreal maxWidth) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    const qreal sy = height / box.height();
    const qreal sx = std::min(sy, maxWidth / box.width());
    QTransform t;
    t.translate(c.x(), c.y());
    t.scale(sx, sy);
    t.translate(-box.center().x(), -box.center().y());
    return t.map(path);
}

void paintBlank(QPainter& p, QColor fill) {
    QPainterPath outline;
    outline.addRoundedRect(kCardRect, kCardRadius, kCardRadius);
    p.setPen(Qt::NoPen);
    // A thin shadow so the card lifts off the felt.
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(kCardRect.translated(0.4, 0.7), kCardRadius, kCardRadius);
    p.setBrush(fill);
    p.drawPath(outline);
}

void paintBorder(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 14), 1.5));
    p.drawRoundedRect(kCardRect.adjusted(1.3, 1.3, -1.3, -1.3), kCardRadius - 1, kCardRadius - 1);
    p.setPen(QPen(QColor(0x8a, 0x8a, 0x8a), 1.0));
    p.drawRoundedRect(kCardRect, kCardRadius, kCardRadius);
}

const char* rankText(int rank) {
    static const char* names[13]
        = { "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A" };
    return names[rank];
}

void paintIndex(QPainter& p, int suit, int rank, QColor ink) {
    const QFont font = pixelFont(QStringLiteral("DejaVu Sans"), 40, QFont::Bold);
    const QFont narrow = pixelFont(QStringLiteral("DejaVu Sans Condensed"), 40, QFont::Bold);
    QPainterPath index = fittedText(QString::fromLatin1(rankText(rank)), rank == 8 ? narrow : font,
        QPointF(10.4, 13.6), 16.0, rank == 8 ? 15.5 : 13.5);
    index.addPath(suitPath(suit, QPointF(10.4, 31.0), 11.0));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(index);
    QTransform turn;
    turn.translate(kCardWidth, kCardHeight);
    turn.rotate(180);
    p.drawPath(turn.map(index));
}

void paintPip(QPainter& p, int suit, QPointF c, qreal height, QColor ink) {
    const QPainterPath pip = suitPath(suit, c, height);
    QLinearGradient shade(
        c.x() - height / 2, c.y() - height / 2, c.x() + height / 2, c.y() + height / 2);
    shade.setColorAt(0, ink.lighter(125));
    shade.setColorAt(1, ink.darker(115));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(pip);
}

void paintAce(QPainter& p, int suit, QColor ink) {
    const QPointF c(31, 42);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 1.0));
    p.drawEllipse(c, 19.5, 19.5);
    p.setPen(QPen(mix(ink, kPaper, 0.55), 0.7));
    p.drawEllipse(c, 17.5, 17.5);
    // Four small flourishes on the ring.
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    for (int i = 0; i < 4; ++i) {
        const qreal a = std::numbers::pi / 4 + i * std::numbers::pi / 2;
        const QPointF d(std::cos(a) * 19.5, std::sin(a) * 19.5);
        QPainterPath leaf;
        leaf.moveTo(c + d * 1.1);
        leaf.quadTo(c + d + QPointF(-d.y(), d.x()) * 0.12, c + d * 0.9);
        leaf.quadTo(c + d + QPointF(d.y(), -d.x()) * 0.12, c + d * 1.1);
        p.drawPath(leaf);
    }
    paintPip(p, suit, c, 27, ink);
    if (suit == 3) { // the ace of spades carries an inlaid line
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 150), 0.7));
        p.drawPath(suitPath(3, c + QPointF(0, -0.5), 17));
        p.setPen(Qt::NoPen);
        p.setBrush(kGold);
        p.drawEllipse(c + QPointF(0, 1.5), 1.6, 1.6);
    }
}

// A flat court bust: crown or cap, face, collar, two-tone robe in the suit colour and gold.
void paintCourt(QPainter& p, int suit, int rank, QColor ink) {
    const QRectF frame(17.5, 7.5, 27, 69);
    QPainterPath clip;
    clip.addRoundedRect(frame, 2.5, 2.5);
    QLinearGradient wash(0, frame.top(), 0, frame.bottom());
    wash.setColorAt(0, mix(kPaper, ink, 0.06));
    wash.setColorAt(1, mix(kPaper, ink, 0.16));
    p.setPen(Qt::NoPen);
    p.setBrush(wash);
    p.drawPath(clip);

    p.save();
    p.setClipPath(clip);
    const qreal cx = frame.center().x();
    const QColor skin(0xf2, 0xc9, 0xa0);
    const QColor hair = rank == 9
        ? QColor(0x7a, 0x4a, 0x22)
        : (rank == 10 ? QColor(0xd9, 0xa4, 0x3c) : QColor(0x8a, 0x8a, 0x90));
    const qreal headY = 33;

    // Robe: a broad trapezoid with a gold band down the front.
    QPainterPath robe;
    robe.moveTo(cx - 4, headY + 9);
    robe.cubicTo(cx - 11, headY + 11, cx - 14, headY + 17, cx - 15, frame.bottom());
    robe.lineTo(cx + 15, frame.bottom());
    robe.cubicTo(cx + 14, headY + 17, cx + 11, headY + 11, cx + 4, headY + 9);
    robe.closeSubpath();
    const QColor cloth = suit == 1 || suit == 2 ? ink : QColor(0x34, 0x36, 0x48);
    p.setBrush(cloth);
    p.drawPath(robe);
    QPainterPath half;
    half.addRect(QRectF(cx, headY, 20, 60));
    p.setBrush(cloth.darker(140));
    p.drawPath(robe.intersected(half));
    p.setBrush(kGold);
    p.drawRect(QRectF(cx - 2.2, headY + 10, 4.4, 40));
    p.setBrush(kGoldDark);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(cx, headY + 15 + i * 7), 1.0, 1.0);
    // Trim along the hem of the shoulders.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 1.2));
    p.drawLine(QPointF(cx - 13, headY + 24), QPointF(cx - 5, headY + 18));
    p.drawLine(QPointF(cx + 13, headY + 24), QPointF(cx + 5, headY + 18));
    p.setPen(Qt::NoPen);
    // Collar.
    p.setBrush(Qt::white);
    QPainterPath collar;
    collar.moveTo(cx - 8, headY + 8);
    collar.quadTo(cx, headY + 15, cx + 8, headY + 8);
    collar.lineTo(cx + 5, headY + 12.5);
    collar.quadTo(cx, headY + 16, cx - 5, headY + 12.5);
    collar.closeSubpath();
    p.drawPath(collar);

    // Hair behind the face (the queen's falls to the shoulders).
    p.setBrush(hair);
    if (rank == 10)
        p.drawRoundedRect(QRectF(cx - 7.5, headY - 7, 15, 18), 5, 5);
    else
        p.drawEllipse(QPointF(cx, headY - 2), 6.6, 6.4);
    // Face.
    p.setBrush(skin);
    p.drawEllipse(QPointF(cx, headY), 5.2, 6.2);
    p.setBrush(QColor(0x2a, 0x1c, 0x14));
    p.drawEllipse(QPointF(cx - 2, headY - 0.5), 0.75, 0.9);
    p.drawEllipse(QPointF(cx + 2, headY - 0.5), 0.75, 0.9);
    p.setBrush(QColor(0xc0, 0x40, 0x40));
    p.drawEllipse(QPointF(cx, headY + 3.2), 1.5, 0.7);
    if (rank == 11) { // the king's beard
        p.setBrush(hair);
        QPainterPath beard;
        beard.moveTo(cx - 5.2, headY + 0.5);
        beard.quadTo(cx - 4.5, headY + 9, cx, headY + 10);
        beard.quadTo(cx + 4.5, headY + 9, cx + 5.2, headY + 0.5);
        beard.quadTo(cx, headY + 5.5, cx - 5.2, headY + 0.5);
        p.drawPath(beard);
        p.setBrush(QColor(0xc0, 0x40, 0x40));
        p.drawEllipse(QPointF(cx, headY + 3.0), 1.4, 0.6);
    }

    // Headwear.
    if (rank == 11) { // crown with three points
        QPainterPath crown;
        crown.moveTo(cx - 6, headY - 5);
        crown.lineTo(cx - 7, headY - 14);
        crown.lineTo(cx - 3.5, headY - 9.5);
        crown.lineTo(cx, headY - 16);
        crown.lineTo(cx + 3.5, headY - 9.5);
        crown.lineTo(cx + 7, headY - 14);
        crown.lineTo(cx + 6, headY - 5);
        crown.closeSubpath();
        p.setBrush(kGold);
        p.drawPath(crown);
        p.setBrush(kGoldDark);
        p.drawRect(QRectF(cx - 6, headY - 6.5, 12, 1.6));
        p.setBrush(ink);
        p.drawEllipse(QPointF(cx, headY - 10), 1.1, 1.1);
    } else if (rank == 10) { // tiara
        QPainterPath tiara;
        tiara.moveTo(cx - 6, headY - 5.5);
        tiara.quadTo(cx, headY - 15, cx + 6, headY - 5.5);
        tiara.quadTo(cx, headY - 8.5, cx - 6, headY - 5.5);
        p.setBrush(kGold);
        p.drawPath(tiara);
        p.setBrush(ink);
        p.drawEllipse(QPointF(cx, headY - 10), 1.3, 1.3);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(cx - 3.2, headY - 8), 0.7, 0.7);
        p.drawEllipse(QPointF(cx + 3.2, headY - 8), 0.7, 0.7);
    } else { // the jack's flat cap with a feather
        p.setBrush(ink.darker(120));
        p.drawRoundedRect(QRectF(cx - 8, headY - 9.5, 16, 5), 2.2, 2.2);
        p.setBrush(kGold);
        p.drawRect(QRectF(cx - 7, headY - 5.5, 14, 1.2));
        QPainterPath feather;
        feather.moveTo(cx + 4, headY - 9);
        feather.cubicTo(cx + 9, headY - 14, cx + 11, headY - 20, cx + 8, headY - 23);
        feather.cubicTo(cx + 7, headY - 18, cx + 5, headY - 13, cx + 2.5, headY - 9);
        feather.closeSubpath();
        p.setBrush(kGold.lighter(115));
        p.drawPath(feather);
    }
    p.restore();

    // Small suit marks in the free corners of the frame, and the frame itself.
    paintPip(p, suit, QPointF(frame.left() + 5, frame.top() + 6), 6, ink);
    paintPip(p, suit, QPointF(frame.right() - 5, frame.top() + 6), 6, ink);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 0.9));
    p.drawRoundedRect(frame, 2.5, 2.5);
    p.setPen(QPen(kGold, 0.6));
    p.drawRoundedRect(frame.adjusted(1.4, 1.4, -1.4, -1.4), 1.6, 1.6);
}

// The eight back designs, painted inside the white margin.
void paintBackPattern(QPainter& p, int design, const QRectF& area) {
    const qreal l = area.left(), t = area.top(), r = area.right(), b = area.bottom();
    auto lattice = [&](QColor ground, QColor line) {
        p.fillRect(area, ground);
        p.setPen(QPen(line, 0.9));
        for (qreal x = l - 80; x < r + 80; x += 6) {
            p.drawLine(QPointF(x, t), QPointF(x + (b - t), b));
            p.drawLine(QPointF(x, b), QPointF(x + (b - t), t));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(line.lighter(120));
        for (qreal y = t; y <= b + 6; y += 6)
            for (qreal x = l + std::fmod(y - t, 12.0) / 2; x <= r + 6; x += 6)
                p.drawEllipse(QPointF(x, y), 0.8, 0.8);
    };
    switch (design) {
    case 0:
        lattice(QColor(0xb0, 0x1e, 0x2a), QColor(0xf0, 0x8a, 0x86));
        break;
    case 1:
        lattice(QColor(0x1c, 0x4a, 0x98), QColor(0x86, 0xb0, 0xf0));
        break;
    case 2: { // green checks
        p.fillRect(area, QColor(0x1a, 0x62, 0x34));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x34, 0x90, 0x56));
        const qreal s = 5;
        for (int j = 0; t + j * s < b; ++j)
            for (int i = j % 2; l + i * s < r; i += 2)
                p.drawRect(QRectF(l + i * s, t + j * s, s, s));
        p.setPen(QPen(QColor(0xd8, 0xf0, 0xd8, 70), 0.6));
        for (qreal x = l + s * 2; x < r; x += s * 4)
            p.drawLine(QPointF(x, t), QPointF(x, b));
        for (qreal y = t + s * 2; y < b; y += s * 4)
            p.drawLine(QPointF(l, y), QPointF(r, y));
        break;
    }
    case 3: { // navy with gold stars
        QRadialGradient g(area.center(), 45);
        g.setColorAt(0, QColor(0x22, 0x30, 0x6a));
        g.setColorAt(1, QColor(0x10, 0x18, 0x3c));
        p.fillRect(area, g);
        auto star = [&](QPointF c, qreal rr) {
            QPainterPath s;
            for (int i = 0; i < 10; ++i) {
                const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
                const qreal rad = i % 2 ? rr * 0.42 : rr;
                const QPointF pt = c + QPointF(std::cos(a) * rad, std::sin(a) * rad);
                i ? s.lineTo(pt) : s.moveTo(pt);
            }
            s.closeSubpath();
            p.drawPath(s);
        };
        p.setPen(Qt::NoPen);
        p.setBrush(kGold);
        for (int j = 0; j < 10; ++j)
            for (int i = 0; i < 7; ++i)
                if (!(std::abs(j - 4.5) < 2 && std::abs(i - 2.75) < 2))
                    star(QPointF(l + 4 + i * 8 + (j % 2) * 4, t + 4 + j * 8), 2.3);
        p.setBrush(QColor(0xf0, 0xcc, 0x60));
        star(area.center(), 10);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kGold, 0.7));
        p.drawEllipse(area.center(), 13, 13);
        break;
    }
    case 4: { // burgundy damask
        p.fillRect(area, QColor(0x62, 0x12, 0x22));
        p.setPen(Qt::NoPen);
        const QColor motif(0x8e, 0x2c, 0x3e);
        for (int j = -1; j < 8; ++j)
            for (int i = -1; i < 6; ++i) {
                const QPointF c(l + 6 + i * 12 + (j % 2 ? 6 : 0), t + 6 + j * 12);
                QPainterPath m;
                m.moveTo(c + QPointF(0, -5));
                m.cubicTo(c + QPointF(3.5, -3), c + QPointF(1.5, 0), c + QPointF(4.5, 1.5));
                m.cubicTo(c + QPointF(2, 2.2), c + QPointF(1, 3), c + QPointF(0, 5));
                m.cubicTo(c + QPointF(-1, 3), c + QPointF(-2, 2.2), c + QPointF(-4.5, 1.5));
                m.cubicTo(c + QPointF(-1.5, 0), c + QPointF(-3.5, -3), c + QPointF(0, -5));
                p.setBrush(motif);
                p.drawPath(m);
                p.setBrush(QColor(0xb0, 0x48, 0x58));
                p.drawEllipse(c + QPointF(6, 6), 0.9, 0.9);
            }
        break;
    }
    case 5: { // teal waves
        QLinearGradient g(0, t, 0, b);
        g.setColorAt(0, QColor(0x12, 0x78, 0x78));
        g.setColorAt(1, QColor(0x0a, 0x55, 0x5a));
        p.fillRect(area, g);
        p.setBrush(Qt::NoBrush);
        for (int j = 0; t + j * 4.5 < b + 4; ++j) {
            QPainterPath w;
            const qreal y0 = t + j * 4.5;
            w.moveTo(l - 2, y0);
            for (qreal x = l - 2; x < r + 4; x += 1)
                w.lineTo(x, y0 + 1.6 * std::sin((x - l) * 2 * std::numbers::pi / 12 + j * 0.9));
            p.setPen(QPen(j % 2 ? QColor(0x7c, 0xcf, 0xc8) : QColor(0x3f, 0xa8, 0xa6), 0.9));
            p.drawPath(w);
        }
        break;
    }
    case 6: { // black with a gold monogram
        QRadialGradient g(area.center(), 40);
        g.setColorAt(0, QColor(0x2a, 0x2a, 0x2c));
        g.setColorAt(1, QColor(0x0c, 0x0c, 0x0e));
        p.fillRect(area, g);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kGold, 0.8));
        p.drawRect(area.adjusted(3, 3, -3, -3));
        p.setPen(QPen(kGoldDark, 0.5));
        p.drawRect(area.adjusted(5, 5, -5, -5));
        p.setPen(Qt::NoPen);
        p.setBrush(kGold);
        for (const QPointF c : { QPointF(l + 3, t + 3), QPointF(r - 3, t + 3),
                 QPointF(l + 3, b - 3), QPointF(r - 3, b - 3) }) {
            QPainterPath d;
            d.moveTo(c + QPointF(0, -2.5));
            d.lineTo(c + QPointF(2.5, 0));
            d.lineTo(c + QPointF(0, 2.5));
            d.lineTo(c + QPointF(-2.5, 0));
            d.closeSubpath();
            p.drawPath(d);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kGold, 0.9));
        p.drawEllipse(area.center(), 15, 19);
        const QFont serif = pixelFont(QStringLiteral("DejaVu Serif"), 40, QFont::Bold);
        const QPainterPath letter
            = fittedText(QStringLiteral("T"), serif, area.center() + QPointF(0, 0.5), 20, 20);
        QLinearGradient gl(0, area.center().y() - 10, 0, area.center().y() + 10);
        gl.setColorAt(0, QColor(0xf4, 0xd8, 0x7a));
        gl.setColorAt(1, QColor(0xb0, 0x84, 0x28));
        p.setPen(Qt::NoPen);
        p.setBrush(gl);
        p.drawPath(letter);
        break;
    }
    default: { // purple diamonds
        p.fillRect(area, QColor(0x45, 0x26, 0x72));
        p.setPen(QPen(QColor(0xb8, 0x9c, 0xe8, 110), 0.6));
        const qreal w = 10, h = 14;
        for (int j = -1; t + j * h / 2 < b + h; ++j)
            for (int i = -1; l + i * w < r + w; ++i) {
                const QPointF c(l + i * w + (j % 2 ? w / 2 : 0), t + j * h / 2);
                QPainterPath d;
                d.moveTo(c + QPointF(0, -h / 2));
                d.lineTo(c + QPointF(w / 2, 0));
                d.lineTo(c + QPointF(0, h / 2));
                d.lineTo(c + QPointF(-w / 2, 0));
                d.closeSubpath();
                p.setBrush((i + j) % 2 ? QColor(0x5e, 0x38, 0x98) : QColor(0x3a, 0x1e, 0x60));
                p.drawPath(d);
            }
        break;
    }
    }
}

} // namespace

QColor suitColour(int suit) {
    return (suit == 1 || suit == 2) ? QColor(0xc4, 0x12, 0x2f) : QColor(0x15, 0x15, 0x1a);
}

void paintSuit(QPainter& p, int suit, QPointF centre, qreal height, const QBrush& brush) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPath(suitPath(suit, centre, height));
    p.restore();
}

void paintCardFace(QPainter& p, int suit, int rank) {
    const QColor ink = suitColour(suit);
    paintBlank(p, kPaper);
    if (rank <= 8)
        paintPip(p, suit, QPointF(31.5, 42), 27, ink);
    else if (rank <= 11)
        paintCourt(p, suit, rank, ink);
    else
        paintAce(p, suit, ink);
    paintIndex(p, suit, rank, ink);
    paintBorder(p);
}

void paintCardBack(QPainter& p, int design) {
    paintBlank(p, Qt::white);
    const QRectF area(3, 3, kCardWidth - 6, kCardHeight - 6);
    QPainterPath clip;
    clip.addRoundedRect(area, 2.5, 2.5);
    p.save();
    p.setClipPath(clip);
    paintBackPattern(p, design, area);
    // A soft sheen over the pattern.
    QLinearGradient sheen(area.topLeft(), area.bottomRight());
    sheen.setColorAt(0, QColor(255, 255, 255, 40));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    sheen.setColorAt(1, QColor(0, 0, 0, 40));
    p.fillRect(area, sheen);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 120), 0.7));
    p.drawRoundedRect(area.adjusted(1.6, 1.6, -1.6, -1.6), 1.8, 1.8);
    p.setPen(QPen(QColor(0, 0, 0, 60), 0.6));
    p.drawRoundedRect(area, 2.5, 2.5);
    paintBorder(p);
}

} // namespace tavolier::assetgen
