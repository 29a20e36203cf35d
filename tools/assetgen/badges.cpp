// The odds badges (a plaque graded red to green with a seven-bar meter) and
// the little dancing figure made of gold coins.
#include "assetgen.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace tavolier::assetgen {
namespace {

// The badge's words, in the language the pictures are painted for.
const char* const kRatings[7] = { QT_TRANSLATE_NOOP("OddsBadge", "Poor"),
    QT_TRANSLATE_NOOP("OddsBadge", "Below\nAverage"), QT_TRANSLATE_NOOP("OddsBadge", "Average"),
    QT_TRANSLATE_NOOP("OddsBadge", "Good"), QT_TRANSLATE_NOOP("OddsBadge", "Very\nGood"),
    QT_TRANSLATE_NOOP("OddsBadge", "Great"), QT_TRANSLATE_NOOP("OddsBadge", "Excellent") };

QColor gradeColour(int grade) {
    static const QColor colours[7] = {
        QColor(0xc0, 0x30, 0x2a),
        QColor(0xd0, 0x55, 0x1e),
        QColor(0xdb, 0x8a, 0x14),
        QColor(0xc4, 0xa8, 0x12),
        QColor(0x86, 0xae, 0x24),
        QColor(0x3c, 0xa0, 0x46),
        QColor(0x1a, 0x8e, 0x52),
    };
    return colours[grade];
}

void paintCoin(QPainter& p, QPointF c, qreal rx, qreal ry) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7a, 0x56, 0x10));
    p.drawEllipse(c + QPointF(0, ry * 0.35), rx, ry);
    QRadialGradient g(c + QPointF(-rx * 0.35, -ry * 0.4), std::max(rx, ry) * 1.3);
    g.setColorAt(0, QColor(0xff, 0xf0, 0xa8));
    g.setColorAt(0.45, QColor(0xe8, 0xbc, 0x40));
    g.setColorAt(1, QColor(0xa8, 0x78, 0x18));
    p.setBrush(g);
    p.drawEllipse(c, rx, ry);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x8a, 0x62, 0x12, 200), 0.6));
    p.drawEllipse(c, rx * 0.72, ry * 0.72);
}

} // namespace

void paintOddsBadge(QPainter& p, int grade) {
    const QColor base = gradeColour(grade);
    const QRectF plaque(9.5, 9.5, 120, 108);
    // Shadow, dark frame, coloured face.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(QColor(0, 0, 0, 30));
        p.drawRoundedRect(
            plaque.adjusted(-2 + i * 0.6, -1 + i * 0.6, 2 - i * 0.6, 4 - i * 0.6), 16, 16);
    }
    QLinearGradient frame(0, plaque.top(), 0, plaque.bottom());
    frame.setColorAt(0, QColor(0xe8, 0xc8, 0x70));
    frame.setColorAt(1, QColor(0x8a, 0x64, 0x1e));
    p.setBrush(frame);
    p.drawRoundedRect(plaque, 14, 14);
    const QRectF face = plaque.adjusted(3, 3, -3, -3);
    QLinearGradient g(0, face.top(), 0, face.bottom());
    g.setColorAt(0, base.lighter(135));
    g.setColorAt(0.5, base);
    g.setColorAt(1, base.darker(150));
    p.setBrush(g);
    p.drawRoundedRect(face, 11, 11);
    // Gloss on the upper half.
    QPainterPath gloss;
    gloss.addRoundedRect(face.adjusted(2, 2, -2, -face.height() * 0.55), 9, 9);
    QLinearGradient gl(0, face.top(), 0, face.top() + face.height() * 0.45);
    gl.setColorAt(0, QColor(255, 255, 255, 70));
    gl.setColorAt(1, QColor(255, 255, 255, 8));
    p.setBrush(gl);
    p.drawPath(gloss);

    drawCentredText(p, QPointF(face.center().x(), face.top() + 13),
        QCoreApplication::translate("OddsBadge", "YOUR HAND"),
        pixelFont(QStringLiteral("DejaVu Sans"), 10, QFont::Bold), QColor(255, 255, 255, 215), 0.8);
    const QString label = QCoreApplication::translate("OddsBadge", kRatings[grade]);
    const QStringList lines = label.split(QLatin1Char('\n'));
    const QFont big
        = pixelFont(QStringLiteral("DejaVu Sans"), lines.size() == 1 ? 21 : 18, QFont::Bold);
    const qreal mid = face.top() + 47;
    if (lines.size() == 1) {
        QFont f = big;
        if (label.size() > 7)
            f.setPixelSize(19);
        drawCentredText(p, QPointF(face.center().x(), mid), label, f, Qt::white, 1.4);
    } else {
        drawCentredText(p, QPointF(face.center().x(), mid - 10.5), lines[0], big, Qt::white, 1.4);
        drawCentredText(p, QPointF(face.center().x(), mid + 10.5), lines[1], big, Qt::white, 1.4);
    }

    // Meter: seven rising bars, grade + 1 of them lit.
    const qreal barW = 9, gap = 3.5;
    const qreal total = 7 * barW + 6 * gap;
    const qreal x0 = face.center().x() - total / 2;
    const qreal bottom = face.bottom() - 9;
    for (int i = 0; i < 7; ++i) {
        const qreal h = 6 + i * 2.6;
        const QRectF bar(x0 + i * (barW + gap), bottom - h, barW, h);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRoundedRect(bar.translated(0, 1), 1.8, 1.8);
        if (i <= grade) {
            QLinearGradient lit(0, bar.top(), 0, bar.bottom());
            lit.setColorAt(0, QColor(255, 255, 255));
            lit.setColorAt(1, mix(base, Qt::white, 0.55));
            p.setBrush(lit);
        } else {
            p.setBrush(QColor(0, 0, 0, 55));
        }
        p.drawRoundedRect(bar, 1.8, 1.8);
    }
}

void paintGoldFigure(QPainter& p, int frame) {
    const bool up = frame == 0;
    // Shadow on the felt.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawEllipse(QPointF(47, 85), 20 - i * 3, 4.5 - i * 0.8);
    }
    // Legs: two short coin stacks, one lifted in the second frame.
    const qreal liftL = up ? 0 : 4, liftR = up ? 4 : 0;
    for (int i = 0; i < 4; ++i) {
        paintCoin(p, QPointF(38 - (up ? 0 : 1), 82 - liftL - i * 4.2), 6, 2.4);
        paintCoin(p, QPointF(56 + (up ? 1 : 0), 82 - liftR - i * 4.2), 6, 2.4);
    }
    // Arms: chains of small coins, raised or lowered.
    for (int s = -1; s <= 1; s += 2) {
        for (int i = 1; i <= 4; ++i) {
            const qreal a = up ? (-0.35 - 0.16 * i) : (0.3 + 0.14 * i);
            const QPointF c(47 + s * (9 + i * 5.0 * std::cos(a)), 47 + i * 5.0 * std::sin(a));
            paintCoin(p, c, 4.0, 4.0);
        }
    }
    // Body: a stack of coins seen from the side.
    for (int i = 0; i < 6; ++i)
        paintCoin(p, QPointF(47, 66 - i * 4.6), 12 - std::abs(i - 2.5) * 0.8, 3.4);
    // Head: one large coin with a cheerful face.
    const QPointF head(47 + (up ? -1 : 1), 28);
    paintCoin(p, head, 10.5, 10.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6a, 0x48, 0x0c));
    p.drawEllipse(head + QPointF(-3.4, -1.8), 1.3, 1.6);
    p.drawEllipse(head + QPointF(3.4, -1.8), 1.3, 1.6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x6a, 0x48, 0x0c), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(head.x() - 4.5, head.y() - 2.5, 9, 8), 200 * 16, 140 * 16);
    // Sparkles around the dancer.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf4, 0xc0, 230));
    const QPointF sparks[2][3] = { { QPointF(16, 20), QPointF(80, 34), QPointF(74, 12) },
        { QPointF(22, 36), QPointF(78, 20), QPointF(14, 12) } };
    for (const QPointF s : sparks[frame]) {
        QPainterPath star;
        star.moveTo(s + QPointF(0, -4));
        star.quadTo(s, s + QPointF(4, 0));
        star.quadTo(s, s + QPointF(0, 4));
        star.quadTo(s, s + QPointF(-4, 0));
        star.quadTo(s, s + QPointF(0, -4));
        p.drawPath(star);
    }
}

} // namespace tavolier::assetgen
