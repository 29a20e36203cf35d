// The seven opponents as flat head-and-shoulders portraits in a coloured
// ring, plus the question-mark badge in the same rings. Each person differs in
// face shape, skin tone, hair, age and one accessory.
#include "assetgen.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <functional>

namespace tavolier::assetgen {
namespace {

constexpr QPointF kCentre(64, 64);
constexpr qreal kRingOuter = 60.5;
constexpr qreal kRingInner = 53.5;

// What tells one person from another, apart from the hand-drawn hair and clothes.
struct Person {
    QColor skin;
    QColor hair;
    QColor brow;
    QColor iris;
    QColor backdrop;
    qreal headW; // half width of the head
    qreal headTop; // crown above the head centre
    qreal headBot; // chin below the head centre
    qreal jaw; // 0.5 pointed .. 0.9 square
};

const Person kPeopleLook[kPeople] = {
    // Chong
    { QColor(0xe6, 0xbf, 0x96), QColor(0x17, 0x17, 0x1c), QColor(0x1c, 0x1a, 0x1c),
        QColor(0x3a, 0x26, 0x1a), QColor(0x3c, 0x58, 0x74), 19.0, 24.5, 24.0, 0.72 },
    // Jack
    { QColor(0xf4, 0xcf, 0xb0), QColor(0xcf, 0xa2, 0x58), QColor(0xa8, 0x7c, 0x40),
        QColor(0x3f, 0x7a, 0xb0), QColor(0x8c, 0x6c, 0x48), 18.2, 24.0, 23.0, 0.62 },
    // Carlos
    { QColor(0xc4, 0x8a, 0x5a), QColor(0x24, 0x17, 0x10), QColor(0x22, 0x15, 0x0e),
        QColor(0x4a, 0x2c, 0x18), QColor(0x8a, 0x3e, 0x2c), 19.5, 24.5, 24.5, 0.80 },
    // Cindy
    { QColor(0xf7, 0xd5, 0xbe), QColor(0xb8, 0x48, 0x2a), QColor(0x8c, 0x3a, 0x22),
        QColor(0x3f, 0x8a, 0x5a), QColor(0x5c, 0x42, 0x70), 17.6, 24.0, 23.5, 0.55 },
    // Robert
    { QColor(0xea, 0xbd, 0x9e), QColor(0xec, 0xea, 0xe4), QColor(0xd8, 0xd6, 0xd0),
        QColor(0x5a, 0x6e, 0x84), QColor(0x55, 0x60, 0x3c), 19.3, 24.5, 24.0, 0.70 },
    // Edmund
    { QColor(0x8a, 0x57, 0x36), QColor(0x3a, 0x33, 0x30), QColor(0x2a, 0x1e, 0x18),
        QColor(0x2a, 0x18, 0x10), QColor(0x2e, 0x4c, 0x62), 20.5, 26.0, 23.5, 0.74 },
    // Marc
    { QColor(0xd6, 0xa0, 0x78), QColor(0x1c, 0x18, 0x17), QColor(0x1c, 0x18, 0x17),
        QColor(0x30, 0x22, 0x18), QColor(0x70, 0x2c, 0x2c), 19.6, 24.0, 24.5, 0.86 },
};

constexpr qreal kHeadCx = 64;
constexpr qreal kHeadCy = 56;
constexpr qreal kEyeY = 57;
constexpr qreal kEyeDx = 8.6;

QPainterPath headPath(const Person& who) {
    const qreal cx = kHeadCx, cy = kHeadCy, w = who.headW, t = who.headTop, b = who.headBot;
    QPainterPath p;
    p.moveTo(cx - w, cy);
    p.cubicTo(cx - w, cy - t * 0.56, cx - w * 0.56, cy - t, cx, cy - t);
    p.cubicTo(cx + w * 0.56, cy - t, cx + w, cy - t * 0.56, cx + w, cy);
    p.cubicTo(cx + w, cy + b * 0.45, cx + w * who.jaw, cy + b * 0.92, cx, cy + b);
    p.cubicTo(cx - w * who.jaw, cy + b * 0.92, cx - w, cy + b * 0.45, cx - w, cy);
    p.closeSubpath();
    return p;
}

// Direction from the portrait towards the middle of the table, for the gaze.
QPointF gaze(int who) {
    const QPointF c(kPortraitPos[who].x + 64.0, kPortraitPos[who].y + 64.0);
    QPointF d = QPointF(500, 330) - c;
    const qreal len = std::hypot(d.x(), d.y());
    return d / len;
}

QPainterPath ellipsePath(QPointF c, qreal rx, qreal ry) {
    QPainterPath p;
    p.addEllipse(c, rx, ry);
    return p;
}

void fill(QPainter& p, const QPainterPath& path, const QBrush& brush) {
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPath(path);
}

void stroke(QPainter& p, const QPainterPath& path, QColor c, qreal w) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

QLinearGradient sideLight(qreal x0, qreal x1, QColor c) {
    QLinearGradient g(x0, 0, x1, 0);
    g.setColorAt(0, c.lighter(112));
    g.setColorAt(1, c.darker(118));
    return g;
}

// The shoulders' outline: a broad curve from the ring's lower edge up to the neck.
QPainterPath shoulders(qreal width, qreal top) {
    QPainterPath p;
    p.moveTo(64 - width, 130);
    p.cubicTo(64 - width, top + 14, 64 - width * 0.7, top + 2, 50, top - 1);
    p.lineTo(78, top - 1);
    p.cubicTo(64 + width * 0.7, top + 2, 64 + width, top + 14, 64 + width, 130);
    p.closeSubpath();
    return p;
}

void paintEye(
    QPainter& p, const Person& look, QPointF c, QPointF look2, Eyes eyes, bool smile, bool lashes) {
    const QColor lid = look.skin.darker(135);
    const QColor lash(0x2a, 0x1a, 0x14);
    if (eyes == Eyes::Closed) {
        QPainterPath line;
        line.moveTo(c + QPointF(-4.2, -0.3));
        line.quadTo(c + QPointF(0, 2.4), c + QPointF(4.2, -0.3));
        stroke(p, line, lash, lashes ? 1.4 : 1.1);
        QPainterPath crease;
        crease.moveTo(c + QPointF(-3.6, -2.6));
        crease.quadTo(c + QPointF(0, -3.6), c + QPointF(3.6, -2.6));
        stroke(p, crease, QColor(lid.red(), lid.green(), lid.blue(), 110), 0.7);
        return;
    }
    const qreal top = eyes == Eyes::Closing ? 0.9 : 3.0;
    const qreal bottom = eyes == Eyes::Closing ? 1.4 : (smile ? 1.5 : 2.5);
    QPainterPath white;
    white.moveTo(c + QPointF(-4.3, 0));
    white.quadTo(c + QPointF(0, -top * 2 + (eyes == Eyes::Closing ? 1.6 : 0)), c + QPointF(4.3, 0));
    white.quadTo(c + QPointF(0, bottom * 2 - 0.6), c + QPointF(-4.3, 0));
    white.closeSubpath();
    fill(p, white, QColor(0xf8, 0xf6, 0xf0));
    p.save();
    p.setClipPath(white, Qt::IntersectClip);
    const QPointF iris = c + QPointF(look2.x() * 1.2, 0.3 + look2.y() * 0.5);
    fill(p, ellipsePath(iris, 2.75, 2.75), look.iris);
    fill(p, ellipsePath(iris, 1.3, 1.3), QColor(0x10, 0x0c, 0x0a));
    fill(p, ellipsePath(iris + QPointF(-0.8, -0.9), 0.65, 0.65), QColor(255, 255, 255, 230));
    // The upper lid's shadow on the eyeball.
    QLinearGradient shade(0, c.y() - 3, 0, c.y());
    shade.setColorAt(0, QColor(0, 0, 0, 70));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(c.x() - 5, c.y() - 4, 10, 4), shade);
    p.restore();
    QPainterPath upper;
    upper.moveTo(c + QPointF(-4.6, 0.3));
    upper.quadTo(c + QPointF(0, -top * 2 + (eyes == Eyes::Closing ? 1.6 : 0)), c + QPointF(4.6, 0));
    stroke(p, upper, lash, lashes ? 1.4 : 1.0);
    if (lashes) {
        QPainterPath flick;
        flick.moveTo(c + QPointF(4.4, -0.2));
        flick.lineTo(c + QPointF(5.8, -1.4));
        stroke(p, flick, lash, 0.9);
    }
    if (eyes == Eyes::Open) {
        QPainterPath crease;
        crease.moveTo(c + QPointF(-3.6, -3.9));
        crease.quadTo(c + QPointF(0, -5.2), c + QPointF(3.8, -3.6));
        stroke(p, crease, QColor(lid.red(), lid.green(), lid.blue(), 90), 0.6);
    }
    if (smile) { // raised cheeks push the lower lid up
        QPainterPath cheek;
        cheek.moveTo(c + QPointF(-4.5, 2.2));
        cheek.quadTo(c + QPointF(0, 0.4), c + QPointF(4.5, 2.2));
        stroke(p, cheek, QColor(lid.red(), lid.green(), lid.blue(), 150), 0.7);
    }
}

void paintBrows(QPainter& p, const Person& look, qreal dx, qreal lift, qreal weight) {
    for (int side = -1; side <= 1; side += 2) {
        const QPointF c(kHeadCx + dx + side * kEyeDx, kEyeY - 6.3 - lift);
        QPainterPath brow;
        brow.moveTo(c + QPointF(-4.8 * side, 1.2));
        brow.quadTo(c + QPointF(-0.5 * side, -1.4), c + QPointF(4.6 * side, 0.6));
        stroke(p, brow, look.brow, weight);
    }
}

void paintMouth(QPainter& p, const Person& look, QPointF m, Mood mood, bool lipstick) {
    const QColor lip = lipstick ? QColor(0xc0, 0x3a, 0x52) : look.skin.darker(150);
    if (mood == Mood::Smile) {
        QPainterPath open;
        open.moveTo(m + QPointF(-7, -1.2));
        open.quadTo(m + QPointF(0, 0.8), m + QPointF(7, -1.2));
        open.quadTo(m + QPointF(0, 8.5), m + QPointF(-7, -1.2));
        open.closeSubpath();
        fill(p, open, QColor(0x5c, 0x1c, 0x1e));
        p.save();
        p.setClipPath(open, Qt::IntersectClip);
        fill(p, ellipsePath(m + QPointF(0, -0.8), 6.5, 2.6), QColor(0xfa, 0xf8, 0xf2));
        fill(p, ellipsePath(m + QPointF(0, 6.2), 3.8, 2.4), QColor(0xd8, 0x6a, 0x70));
        p.restore();
        stroke(p, open, lipstick ? lip : lip.darker(110), lipstick ? 1.2 : 0.8);
        // Laugh lines.
        for (int s = -1; s <= 1; s += 2) {
            QPainterPath fold;
            fold.moveTo(m + QPointF(s * 8.5, -6));
            fold.quadTo(m + QPointF(s * 10, -1), m + QPointF(s * 8.2, 2.5));
            stroke(p, fold, QColor(0, 0, 0, 40), 0.8);
        }
        return;
    }
    if (lipstick) {
        QPainterPath lips;
        lips.moveTo(m + QPointF(-5.4, -0.8));
        lips.quadTo(m + QPointF(-2.2, -2.6), m + QPointF(0, -1.5));
        lips.quadTo(m + QPointF(2.2, -2.6), m + QPointF(5.4, -0.8));
        lips.quadTo(m + QPointF(0, 4.2), m + QPointF(-5.4, -0.8));
        lips.closeSubpath();
        fill(p, lips, lip);
        fill(p, ellipsePath(m + QPointF(0.6, 1.6), 2.2, 0.8), QColor(255, 255, 255, 70));
        for (int s = -1; s <= 1; s += 2) {
            QPainterPath corner;
            corner.moveTo(m + QPointF(s * 4.6, -0.4));
            corner.quadTo(m + QPointF(s * 5.8, -0.9), m + QPointF(s * 6.6, -1.8));
            stroke(p, corner, look.skin.darker(140), 0.8);
        }
    }
    QPainterPath line;
    line.moveTo(m + QPointF(-5, -0.9));
    line.quadTo(m + QPointF(0, 1.9), m + QPointF(5, -0.9));
    stroke(p, line, lipstick ? lip.darker(130) : lip, 1.2);
    fill(p, ellipsePath(m + QPointF(0, 2.6), 2.6, 0.9), QColor(255, 255, 255, 40));
}

void paintNose(QPainter& p, const Person& look, QPointF n, qreal size) {
    const QColor shadow = look.skin.darker(128);
    QPainterPath bridge;
    bridge.moveTo(n + QPointF(1.2, -9));
    bridge.quadTo(n + QPointF(2.6, -3), n + QPointF(2.6 * size, -0.2));
    stroke(p, bridge, QColor(shadow.red(), shadow.green(), shadow.blue(), 70), 1.0);
    QPainterPath base;
    base.moveTo(n + QPointF(-3.2 * size, -0.6));
    base.quadTo(n + QPointF(0, 1.9), n + QPointF(3.2 * size, -0.6));
    stroke(p, base, shadow, 1.1);
    fill(p, ellipsePath(n + QPointF(-0.6, -2.4), 1.1, 1.3), QColor(255, 255, 255, 45));
}

// Clothes and everything below the neck.
void paintClothes(QPainter& p, int who, const Person& look) {
    const QPainterPath body = shoulders(46, 90);
    switch (who) {
    case 0: { // grey jacket, white shirt, navy tie
        fill(p, body, sideLight(20, 108, QColor(0x6c, 0x70, 0x78)));
        QPainterPath shirt;
        shirt.moveTo(52, 88);
        shirt.lineTo(76, 88);
        shirt.lineTo(70, 130);
        shirt.lineTo(58, 130);
        shirt.closeSubpath();
        fill(p, shirt, QColor(0xf2, 0xf2, 0xf0));
        QPainterPath tie;
        tie.moveTo(61.5, 92);
        tie.lineTo(66.5, 92);
        tie.lineTo(68, 124);
        tie.lineTo(64, 130);
        tie.lineTo(60, 124);
        tie.closeSubpath();
        fill(p, tie, QColor(0x2a, 0x36, 0x58));
        fill(p, ellipsePath(QPointF(64, 92), 3.2, 2.6), QColor(0x22, 0x2c, 0x48));
        for (int s = -1; s <= 1; s += 2) {
            QPainterPath lapel;
            lapel.moveTo(64 + s * 12, 88);
            lapel.lineTo(64 + s * 4, 118);
            lapel.lineTo(64 + s * 6, 130);
            lapel.lineTo(64 + s * 22, 130);
            lapel.lineTo(64 + s * 17, 104);
            lapel.lineTo(64 + s * 21, 99);
            lapel.closeSubpath();
            fill(p, lapel, QColor(0x5c, 0x60, 0x68));
            stroke(p, lapel, QColor(0x48, 0x4b, 0x52), 0.7);
        }
        break;
    }
    case 1: { // green hoodie with the hood folded behind the neck
        fill(p, shoulders(48, 88), sideLight(16, 112, QColor(0x2f, 0x8c, 0x58)));
        QPainterPath hood;
        hood.moveTo(40, 100);
        hood.cubicTo(38, 84, 50, 80, 64, 80);
        hood.cubicTo(78, 80, 90, 84, 88, 100);
        hood.cubicTo(80, 92, 48, 92, 40, 100);
        fill(p, hood, QColor(0x24, 0x70, 0x46));
        QPainterPath neckline;
        neckline.addEllipse(QPointF(64, 91), 12, 5);
        fill(p, neckline, QColor(0x1f, 0x5e, 0x3a));
        for (int s = -1; s <= 1; s += 2) {
            QPainterPath cord;
            cord.moveTo(64 + s * 5, 95);
            cord.quadTo(64 + s * 6, 108, 64 + s * 5, 118);
            stroke(p, cord, QColor(0xf0, 0xf0, 0xe8), 1.3);
            fill(p, ellipsePath(QPointF(64 + s * 5, 119), 1.2, 2.0), QColor(0xd0, 0xd0, 0xc8));
        }
        break;
    }
    case 2: { // white shirt with an open collar
        fill(p, body, sideLight(20, 108, QColor(0xf4, 0xf2, 0xec)));
        QPainterPath chest;
        chest.moveTo(54, 88);
        chest.lineTo(74, 88);
        chest.lineTo(64, 110);
        chest.closeSubpath();
        fill(p, chest, look.skin.darker(108));
        QPainterPath chain;
        chain.moveTo(55, 90);
        chain.quadTo(64, 104, 73, 90);
        stroke(p, chain, QColor(0xe0, 0xb8, 0x48), 0.9);
        for (int s = -1; s <= 1; s += 2) {
            QPainterPath collar;
            collar.moveTo(64 + s * 9, 84);
            collar.lineTo(64 + s * 1, 108);
            collar.lineTo(64 + s * 14, 100);
            collar.lineTo(64 + s * 17, 92);
            collar.closeSubpath();
            fill(p, collar, QColor(0xfc, 0xfb, 0xf8));
            stroke(p, collar, QColor(0xc8, 0xc4, 0xbc), 0.8);
        }
        for (int i = 0; i < 2; ++i)
            fill(p, ellipsePath(QPointF(64, 115 + i * 8), 1.1, 1.1), QColor(0xd0, 0xcc, 0xc4));
        break;
    }
    case 3: { // blue blouse with a V neckline
        fill(p, shoulders(44, 92), sideLight(20, 108, QColor(0x2f, 0x6c, 0xb8)));
        QPainterPath vee;
        vee.moveTo(55, 88);
        vee.lineTo(73, 88);
        vee.lineTo(64, 106);
        vee.closeSubpath();
        fill(p, vee, look.skin.darker(106));
        QPainterPath trim;
        trim.moveTo(53, 89);
        trim.lineTo(64, 108);
        trim.lineTo(75, 89);
        stroke(p, trim, QColor(0x1e, 0x4e, 0x8c), 1.6);
        QPainterPath pendant = ellipsePath(QPointF(64, 100), 1.6, 1.9);
        QPainterPath chain;
        chain.moveTo(57, 89);
        chain.quadTo(64, 99, 71, 89);
        stroke(p, chain, QColor(0xe6, 0xc2, 0x5a), 0.6);
        fill(p, pendant, QColor(0xe6, 0xc2, 0x5a));
        break;
    }
    case 4: { // tweed jacket, pale shirt, green tie
        fill(p, body, sideLight(20, 108, QColor(0x7e, 0x66, 0x48)));
        p.save();
        p.setClipPath(body, Qt::IntersectClip);
        for (int y = 84; y < 130; y += 3)
            for (int x = 14; x < 116; x += 4) {
                QPainterPath h;
                const qreal d = ((x / 4 + y / 3) % 2) ? 1.5 : -1.5;
                h.moveTo(x, y);
                h.lineTo(x + d, y + 2.4);
                stroke(p, h, QColor(0x4e, 0x3c, 0x26, 90), 0.6);
            }
        p.restore();
        QPainterPath shirt;
        shirt.moveTo(53, 88);
        shirt.lineTo(75, 88);
        shirt.lineTo(69, 130);
        shirt.lineTo(59, 130);
        shirt.closeSubpath();
        fill(p, shirt, QColor(0xdc, 0xe6, 0xf0));
        QPainterPath tie;
        tie.moveTo(61.5, 95);
        tie.lineTo(66.5, 95);
        tie.lineTo(68, 124);
        tie.lineTo(64, 130);
        tie.lineTo(60, 124);
        tie.closeSubpath();
        fill(p, tie, QColor(0x2e, 0x5a, 0x3a));
        for (int s = -1; s <= 1; s += 2) {
            QPainterPath lapel;
            lapel.moveTo(64 + s * 12, 88);
            lapel.lineTo(64 + s * 5, 120);
            lapel.lineTo(64 + s * 6, 130);
            lapel.lineTo(64 + s * 22, 130);
            lapel.lineTo(64 + s * 16, 106);
            lapel.lineTo(64 + s * 21, 100);
            lapel.closeSubpath();
            fill(p, lapel, QColor(0x6c, 0x56, 0x3a));
            stroke(p, lapel, QColor(0x4a, 0x3a, 0x26), 0.7);
        }
        break;
    }
    case 5: { // white shirt sleeves, charcoal waistcoat, red bow tie
        fill(p, body, sideLight(20, 108, QColor(0xf2, 0xf0, 0xea)));
        QPainterPath vest;
        vest.moveTo(40, 130);
        vest.lineTo(44, 96);
        vest.lineTo(54, 90);
        vest.lineTo(64, 114);
        vest.lineTo(74, 90);
        vest.lineTo(84, 96);
        vest.lineTo(88, 130);
        vest.closeSubpath();
        fill(p, vest, sideLight(40, 88, QColor(0x4a, 0x2a, 0x34)));
        stroke(p, vest, QColor(0x30, 0x1a, 0x22), 0.8);
        for (int i = 0; i < 2; ++i)
            fill(p, ellipsePath(QPointF(64, 119 + i * 7), 1.4, 1.4), QColor(0xd8, 0xb0, 0x48));
        break;
    }
    default: { // leather jacket over a dark tee
        fill(p, shoulders(48, 89), sideLight(16, 112, QColor(0x2e, 0x24, 0x20)));
        QPainterPath tee;
        tee.moveTo(52, 88);
        tee.lineTo(76, 88);
        tee.lineTo(72, 130);
        tee.lineTo(56, 130);
        tee.closeSubpath();
        fill(p, tee, QColor(0x44, 0x46, 0x4c));
        for (int s = -1; s <= 1; s += 2) {
            QPainterPath lapel;
            lapel.moveTo(64 + s * 11, 86);
            lapel.lineTo(64 + s * 7, 130);
            lapel.lineTo(64 + s * 24, 130);
            lapel.lineTo(64 + s * 19, 106);
            lapel.lineTo(64 + s * 28, 96);
            lapel.lineTo(64 + s * 16, 86);
            lapel.closeSubpath();
            fill(p, lapel, QColor(0x3a, 0x2e, 0x28));
            stroke(p, lapel, QColor(0x1a, 0x14, 0x12), 0.8);
            QPainterPath shine;
            shine.moveTo(64 + s * 30, 104);
            shine.quadTo(64 + s * 36, 112, 64 + s * 38, 126);
            stroke(p, shine, QColor(255, 255, 255, 40), 2.0);
        }
        QPainterPath zip;
        zip.moveTo(64 + 9, 112);
        zip.lineTo(64 + 9, 130);
        stroke(p, zip, QColor(0xb0, 0xb0, 0xb0, 160), 0.8);
        break;
    }
    }
}

// Hair that lies behind the head (and over the shoulders).
void paintHairBack(QPainter& p, int who, const Person& look) {
    if (who == 3) {
        QPainterPath mass;
        mass.moveTo(64, 28);
        mass.cubicTo(40, 27, 36, 46, 38, 62);
        mass.cubicTo(39, 78, 34, 92, 30, 108);
        mass.cubicTo(38, 112, 48, 110, 52, 104);
        mass.lineTo(76, 104);
        mass.cubicTo(80, 110, 90, 112, 98, 108);
        mass.cubicTo(94, 92, 89, 78, 90, 62);
        mass.cubicTo(92, 46, 88, 27, 64, 28);
        mass.closeSubpath();
        fill(p, mass, sideLight(30, 98, look.hair));
        for (int i = 0; i < 5; ++i) {
            QPainterPath strand;
            strand.moveTo(40 + i * 0.5, 56 + i * 8);
            strand.quadTo(36 + i, 80 + i * 4, 33 + i * 2, 104);
            stroke(p, strand, QColor(0xe0, 0x78, 0x50, 90), 0.8);
            QPainterPath strand2;
            strand2.moveTo(88 - i * 0.5, 56 + i * 8);
            strand2.quadTo(92 - i, 80 + i * 4, 95 - i * 2, 104);
            stroke(p, strand2, QColor(0x80, 0x2a, 0x18, 110), 0.8);
        }
    } else if (who == 2) { // Carlos's wavy volume at the back
        QPainterPath mass = ellipsePath(QPointF(64, 44), 23.5, 20);
        fill(p, mass, look.hair);
    }
}

void paintEars(QPainter& p, int who, const Person& look) {
    for (int s = -1; s <= 1; s += 2) {
        const QPointF c(kHeadCx + s * (look.headW - 0.5), kEyeY + 2.5);
        fill(p, ellipsePath(c, 3.6, 6.0), look.skin.darker(108));
        QPainterPath inner;
        inner.moveTo(c + QPointF(s * -0.2, -3.5));
        inner.quadTo(c + QPointF(s * 2.2, 0), c + QPointF(s * 0.2, 3.5));
        stroke(p, inner, look.skin.darker(135), 0.8);
        if (who == 3) { // gold hoop earrings
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(0xe8, 0xc0, 0x50), 1.3));
            p.drawEllipse(c + QPointF(s * 0.5, 8.5), 2.8, 3.2);
            p.setPen(QPen(QColor(255, 245, 200, 160), 0.5));
            p.drawArc(QRectF(c.x() + s * 0.5 - 2.8, c.y() + 5.3, 5.6, 6.4), 100 * 16, 80 * 16);
        }
    }
}

// Hair and headwear in front of the face.
void paintHairFront(QPainter& p, int who, const Person& look) {
    const qreal w = look.headW;
    switch (who) {
    case 0: { // neat black hair with a side part
        QPainterPath h;
        h.moveTo(kHeadCx - w - 0.8, 56);
        h.cubicTo(kHeadCx - w - 2, 38, kHeadCx - 12, 29, kHeadCx + 2, 29.5);
        h.cubicTo(kHeadCx + 16, 30, kHeadCx + w + 2, 38, kHeadCx + w + 0.8, 56);
        h.cubicTo(kHeadCx + w - 1.5, 48, kHeadCx + w - 4, 42, kHeadCx + 10, 41);
        h.cubicTo(kHeadCx + 2, 40, kHeadCx - 6, 39, kHeadCx - 9, 36.5);
        h.cubicTo(kHeadCx - 13, 41, kHeadCx - w + 1.5, 44, kHeadCx - w + 1.2, 56);
        h.closeSubpath();
        fill(p, h, look.hair);
        QPainterPath sheen;
        sheen.moveTo(kHeadCx - 4, 33);
        sheen.quadTo(kHeadCx + 8, 31.5, kHeadCx + 14, 36);
        stroke(p, sheen, QColor(0x80, 0x90, 0xb0, 110), 1.4);
        QPainterPath part;
        part.moveTo(kHeadCx - 9, 36.5);
        part.quadTo(kHeadCx - 7, 32, kHeadCx - 4, 30);
        stroke(p, part, QColor(0x50, 0x50, 0x60, 150), 0.7);
        break;
    }
    case 1: { // sandy tufts under a red baseball cap
        for (int s = -1; s <= 1; s += 2) {
            QPainterPath tuft;
            tuft.moveTo(kHeadCx + s * (w + 1), 48);
            tuft.quadTo(kHeadCx + s * (w + 1.5), 58, kHeadCx + s * (w - 1.5), 62);
            tuft.quadTo(kHeadCx + s * (w - 3), 54, kHeadCx + s * (w - 6), 48);
            tuft.closeSubpath();
            fill(p, tuft, look.hair);
        }
        QPainterPath fringe;
        fringe.moveTo(kHeadCx - 14, 45);
        fringe.quadTo(kHeadCx - 9, 52, kHeadCx - 4, 47);
        fringe.quadTo(kHeadCx, 52, kHeadCx + 5, 47);
        fringe.quadTo(kHeadCx + 10, 51, kHeadCx + 14, 45);
        fringe.closeSubpath();
        fill(p, fringe, look.hair);
        QPainterPath crown;
        crown.moveTo(kHeadCx - w - 2.5, 48);
        crown.cubicTo(kHeadCx - w - 2, 30, kHeadCx - 12, 24, kHeadCx, 24);
        crown.cubicTo(kHeadCx + 12, 24, kHeadCx + w + 2, 30, kHeadCx + w + 2.5, 48);
        crown.closeSubpath();
        QLinearGradient cap(0, 24, 0, 48);
        cap.setColorAt(0, QColor(0xd8, 0x48, 0x3a));
        cap.setColorAt(1, QColor(0xa8, 0x2a, 0x22));
        fill(p, crown, cap);
        QPainterPath seam;
        seam.moveTo(kHeadCx, 24.5);
        seam.lineTo(kHeadCx, 47);
        stroke(p, seam, QColor(0x80, 0x18, 0x14, 140), 0.7);
        fill(p, ellipsePath(QPointF(kHeadCx, 25), 2.0, 1.2), QColor(0xb8, 0x30, 0x28));
        fill(p, ellipsePath(QPointF(kHeadCx, 38), 4.2, 4.2), QColor(0xf4, 0xf0, 0xe6));
        drawCentredText(p, QPointF(kHeadCx, 38.2), QStringLiteral("J"),
            pixelFont(QStringLiteral("DejaVu Sans"), 7, QFont::Bold), QColor(0xb0, 0x28, 0x22));
        QPainterPath bill;
        bill.moveTo(kHeadCx - w - 3.5, 47);
        bill.quadTo(kHeadCx, 43, kHeadCx + w + 3.5, 47);
        bill.quadTo(kHeadCx + w, 53.5, kHeadCx, 53.5);
        bill.quadTo(kHeadCx - w, 53.5, kHeadCx - w - 3.5, 47);
        bill.closeSubpath();
        fill(p, bill, QColor(0x92, 0x22, 0x1c));
        QPainterPath edge;
        edge.moveTo(kHeadCx - w - 3.5, 47);
        edge.quadTo(kHeadCx, 43, kHeadCx + w + 3.5, 47);
        stroke(p, edge, QColor(0xe0, 0x60, 0x50), 0.8);
        break;
    }
    case 2: { // dark wavy hair
        QPainterPath h;
        h.moveTo(kHeadCx - w - 1.5, 58);
        h.cubicTo(kHeadCx - w - 5, 40, kHeadCx - 16, 25, kHeadCx - 2, 25);
        h.cubicTo(kHeadCx + 16, 24, kHeadCx + w + 6, 38, kHeadCx + w + 1.5, 58);
        h.cubicTo(kHeadCx + w - 1, 50, kHeadCx + w - 1, 44, kHeadCx + 13, 41);
        h.quadTo(kHeadCx + 9, 37, kHeadCx + 5, 41);
        h.quadTo(kHeadCx + 1, 36, kHeadCx - 4, 40);
        h.quadTo(kHeadCx - 8, 35, kHeadCx - 12, 40.5);
        h.cubicTo(kHeadCx - w + 1, 43, kHeadCx - w + 1, 50, kHeadCx - w - 1.5, 58);
        h.closeSubpath();
        fill(p, h, look.hair);
        for (int i = 0; i < 4; ++i) {
            QPainterPath wave;
            wave.moveTo(kHeadCx - 14 + i * 7, 30 + (i % 2));
            wave.quadTo(kHeadCx - 10 + i * 7, 27 + (i % 2), kHeadCx - 7 + i * 7, 32 + (i % 2));
            stroke(p, wave, QColor(0x6a, 0x48, 0x34, 140), 1.0);
        }
        break;
    }
    case 3: { // a sweep of red fringe
        QPainterPath fringe;
        fringe.moveTo(kHeadCx - w - 1.5, 60);
        fringe.cubicTo(kHeadCx - w - 3, 38, kHeadCx - 10, 29, kHeadCx + 2, 30);
        fringe.cubicTo(kHeadCx + 15, 30, kHeadCx + w + 3, 40, kHeadCx + w + 1.5, 60);
        fringe.cubicTo(kHeadCx + w - 2, 48, kHeadCx + 8, 42, kHeadCx + 2, 38);
        fringe.cubicTo(kHeadCx - 4, 44, kHeadCx - 10, 47, kHeadCx - 16, 46);
        fringe.cubicTo(kHeadCx - w + 1, 50, kHeadCx - w, 54, kHeadCx - w - 1.5, 60);
        fringe.closeSubpath();
        fill(p, fringe, sideLight(44, 84, look.hair));
        QPainterPath shine;
        shine.moveTo(kHeadCx - 8, 34);
        shine.quadTo(kHeadCx + 2, 31, kHeadCx + 12, 36);
        stroke(p, shine, QColor(0xf0, 0x96, 0x6a, 150), 1.3);
        break;
    }
    case 4: { // white hair around a receding top, wrinkles
        for (int s = -1; s <= 1; s += 2) {
            QPainterPath side;
            side.moveTo(kHeadCx + s * (w + 1.5), 62);
            side.cubicTo(kHeadCx + s * (w + 3), 48, kHeadCx + s * (w + 1), 36, kHeadCx + s * 9, 32);
            side.cubicTo(
                kHeadCx + s * 13, 38, kHeadCx + s * (w - 1), 44, kHeadCx + s * (w - 1), 62);
            side.closeSubpath();
            fill(p, side, look.hair);
        }
        QPainterPath wisp;
        wisp.moveTo(kHeadCx - 10, 33);
        wisp.quadTo(kHeadCx, 29, kHeadCx + 10, 33);
        stroke(p, wisp, look.hair, 2.4);
        const QColor line(0x9a, 0x70, 0x58, 90);
        for (int i = 0; i < 2; ++i) {
            QPainterPath wr;
            wr.moveTo(kHeadCx - 9, 41 + i * 3);
            wr.quadTo(kHeadCx, 39.5 + i * 3, kHeadCx + 9, 41 + i * 3);
            stroke(p, wr, line, 0.7);
        }
        break;
    }
    case 5: { // bald with a trim fringe above the ears and a shine on top
        for (int s = -1; s <= 1; s += 2) {
            QPainterPath fringe;
            fringe.moveTo(kHeadCx + s * (w + 0.8), 62);
            fringe.quadTo(kHeadCx + s * (w + 1.8), 50, kHeadCx + s * (w - 2), 44);
            fringe.quadTo(kHeadCx + s * (w - 2.5), 52, kHeadCx + s * (w - 1.5), 62);
            fringe.closeSubpath();
            fill(p, fringe, look.hair);
        }
        fill(p, ellipsePath(QPointF(kHeadCx - 6, 37), 7, 3.6), QColor(255, 255, 255, 55));
        fill(p, ellipsePath(QPointF(kHeadCx - 7, 36.5), 3, 1.4), QColor(255, 255, 255, 70));
        break;
    }
    default: { // short dark crop with a straight hairline
        QPainterPath h;
        h.moveTo(kHeadCx - w - 0.5, 54);
        h.cubicTo(kHeadCx - w - 1.5, 36, kHeadCx - 12, 30, kHeadCx, 30);
        h.cubicTo(kHeadCx + 12, 30, kHeadCx + w + 1.5, 36, kHeadCx + w + 0.5, 54);
        h.cubicTo(kHeadCx + w - 2, 46, kHeadCx + w - 3, 42, kHeadCx + 12, 40);
        h.quadTo(kHeadCx, 38.5, kHeadCx - 12, 40);
        h.cubicTo(kHeadCx - w + 3, 42, kHeadCx - w + 2, 46, kHeadCx - w - 0.5, 54);
        h.closeSubpath();
        fill(p, h, look.hair);
        p.save();
        p.setClipPath(h, Qt::IntersectClip);
        for (int i = 0; i < 40; ++i) {
            const qreal x = kHeadCx - w + (hash3(i, 3, 6) % 400) / 10.0;
            const qreal y = 31 + (hash3(i, 5, 6) % 110) / 10.0;
            fill(p, ellipsePath(QPointF(x, y), 0.5, 0.5), QColor(0x50, 0x48, 0x44, 120));
        }
        p.restore();
        break;
    }
    }
}

// Beard, moustache and glasses go over the face features.
void paintFacialExtras(QPainter& p, int who, const Person& look, qreal dx, Mood mood) {
    const QPointF l(kHeadCx + dx - kEyeDx, kEyeY), r(kHeadCx + dx + kEyeDx, kEyeY);
    if (who == 0) { // round glasses
        for (const QPointF c : { l, r }) {
            fill(p, ellipsePath(c, 6.2, 6.0), QColor(200, 220, 240, 35));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(0x2a, 0x2a, 0x30), 1.3));
            p.drawEllipse(c, 6.2, 6.0);
            p.setPen(QPen(QColor(255, 255, 255, 120), 0.7));
            p.drawArc(QRectF(c.x() - 4.6, c.y() - 4.4, 9.2, 8.8), 95 * 16, 55 * 16);
        }
        QPainterPath bridge;
        bridge.moveTo(l + QPointF(6.0, -1));
        bridge.quadTo(QPointF(kHeadCx + dx, kEyeY - 3), r + QPointF(-6.0, -1));
        stroke(p, bridge, QColor(0x2a, 0x2a, 0x30), 1.2);
        QPainterPath temples;
        temples.moveTo(l + QPointF(-6.1, -1));
        temples.lineTo(QPointF(kHeadCx - look.headW + 0.5, kEyeY - 1.5));
        temples.moveTo(r + QPointF(6.1, -1));
        temples.lineTo(QPointF(kHeadCx + look.headW - 0.5, kEyeY - 1.5));
        stroke(p, temples, QColor(0x2a, 0x2a, 0x30), 1.1);
    } else if (who == 2) { // moustache
        const QPointF m(kHeadCx + dx, 68.6);
        QPainterPath mo;
        mo.moveTo(m + QPointF(0, -1.6));
        mo.cubicTo(m + QPointF(3, -3.2), m + QPointF(7, -2), m + QPointF(8.6, 2.6));
        mo.cubicTo(m + QPointF(6, 1), m + QPointF(3, 1.4), m + QPointF(0, 1.0));
        mo.cubicTo(m + QPointF(-3, 1.4), m + QPointF(-6, 1), m + QPointF(-8.6, 2.6));
        mo.cubicTo(m + QPointF(-7, -2), m + QPointF(-3, -3.2), m + QPointF(0, -1.6));
        mo.closeSubpath();
        fill(p, mo, look.hair);
    } else if (who == 4) { // full white beard and moustache, mouth showing between
        const qreal w = look.headW;
        QPainterPath beard;
        beard.moveTo(kHeadCx - w - 0.5, 58);
        beard.cubicTo(kHeadCx - w, 74, kHeadCx - 12, 90, kHeadCx, 91);
        beard.cubicTo(kHeadCx + 12, 90, kHeadCx + w, 74, kHeadCx + w + 0.5, 58);
        beard.cubicTo(kHeadCx + w - 3, 66, kHeadCx + 10, 66, kHeadCx + 8, 70);
        beard.lineTo(kHeadCx - 8, 70);
        beard.cubicTo(kHeadCx - 10, 66, kHeadCx - w + 3, 66, kHeadCx - w - 0.5, 58);
        beard.closeSubpath();
        QPainterPath mouthHole;
        if (mood == Mood::Smile) {
            mouthHole.moveTo(kHeadCx + dx - 7, 71);
            mouthHole.quadTo(kHeadCx + dx, 73, kHeadCx + dx + 7, 71);
            mouthHole.quadTo(kHeadCx + dx, 80.5, kHeadCx + dx - 7, 71);
        } else {
            mouthHole.addEllipse(QPointF(kHeadCx + dx, 73), 5.2, 1.9);
        }
        fill(p, beard.subtracted(mouthHole), sideLight(44, 84, look.hair));
        for (int i = 0; i < 9; ++i) {
            QPainterPath s;
            const qreal x = kHeadCx - 12 + i * 3;
            s.moveTo(x, 76 + std::abs(i - 4) * -0.8);
            s.quadTo(x + 0.5, 82, x * 0.9 + kHeadCx * 0.1, 87 - std::abs(i - 4));
            stroke(p, s, QColor(0xb8, 0xb4, 0xac, 120), 0.6);
        }
        const QPointF m(kHeadCx + dx, 69.5);
        QPainterPath mo;
        mo.moveTo(m + QPointF(0, -2.2));
        mo.cubicTo(m + QPointF(4, -3.2), m + QPointF(8, -1.6), m + QPointF(9.4, 2.8));
        mo.cubicTo(m + QPointF(6, 1.4), m + QPointF(3, 1.2), m + QPointF(0, 0.8));
        mo.cubicTo(m + QPointF(-3, 1.2), m + QPointF(-6, 1.4), m + QPointF(-9.4, 2.8));
        mo.cubicTo(m + QPointF(-8, -1.6), m + QPointF(-4, -3.2), m + QPointF(0, -2.2));
        mo.closeSubpath();
        fill(p, mo, look.hair.darker(104));
    } else if (who == 6) { // sunglasses: dark tinted lenses that let the eyes show faintly
        QPainterPath lenses;
        for (const QPointF c : { l, r }) {
            QPainterPath lens;
            lens.moveTo(c + QPointF(-6.4, -3.6));
            lens.quadTo(c + QPointF(0, -4.8), c + QPointF(6.4, -3.6));
            lens.quadTo(c + QPointF(6.8, 3.6), c + QPointF(1.4, 4.6));
            lens.quadTo(c + QPointF(-5.6, 4.6), c + QPointF(-6.4, -3.6));
            lens.closeSubpath();
            lenses.addPath(lens);
        }
        QLinearGradient tint(0, kEyeY - 5, 0, kEyeY + 5);
        tint.setColorAt(0, QColor(0x10, 0x12, 0x18, 228));
        tint.setColorAt(1, QColor(0x3a, 0x40, 0x50, 205));
        fill(p, lenses, tint);
        stroke(p, lenses, QColor(0x0a, 0x0a, 0x0c), 1.2);
        QPainterPath bar;
        bar.moveTo(l + QPointF(6.2, -3.6));
        bar.quadTo(QPointF(kHeadCx + dx, kEyeY - 5.5), r + QPointF(-6.2, -3.6));
        bar.moveTo(l + QPointF(-6.3, -3.4));
        bar.lineTo(QPointF(kHeadCx - look.headW + 0.5, kEyeY - 3));
        bar.moveTo(r + QPointF(6.3, -3.4));
        bar.lineTo(QPointF(kHeadCx + look.headW - 0.5, kEyeY - 3));
        stroke(p, bar, QColor(0x0a, 0x0a, 0x0c), 1.2);
        for (const QPointF c : { l, r }) {
            QPainterPath glint;
            glint.moveTo(c + QPointF(-4, -1.5));
            glint.lineTo(c + QPointF(-1.5, -3.2));
            stroke(p, glint, QColor(255, 255, 255, 150), 1.0);
        }
    }
}

// Paints what `paint` draws and, under it, its soft shadow falling on `receiver`
// (the face): hair, caps and glasses sit a little above the skin.
void withCastShadow(
    QPainter& p, const QPainterPath& receiver, const std::function<void(QPainter&)>& paint) {
    const QPaintDevice* device = p.device();
    QImage layer(device->width(), device->height(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHints(p.renderHints());
        lp.setTransform(p.worldTransform());
        paint(lp);
    }
    QImage shadow = layer.copy();
    {
        QPainter sp(&shadow);
        sp.setCompositionMode(QPainter::CompositionMode_SourceIn);
        sp.fillRect(shadow.rect(), QColor(50, 20, 5, 40));
    }
    const QTransform world = p.worldTransform();
    p.save();
    p.setClipPath(receiver, Qt::IntersectClip);
    p.resetTransform();
    for (const QPointF off : { QPointF(0.4, 1.2), QPointF(0.8, 2.0), QPointF(1.2, 2.8) })
        p.drawImage(QPointF(off.x() * world.m11(), off.y() * world.m22()), shadow);
    p.restore();
    p.save();
    p.resetTransform();
    p.drawImage(0, 0, layer);
    p.restore();
}

void paintPerson(QPainter& p, int who, Mood mood, Eyes eyes) {
    const Person& look = kPeopleLook[who];
    const QPointF g = gaze(who);
    const qreal dx = g.x() * 1.6; // the face turns a little towards the table

    paintClothes(p, who, look);
    paintHairBack(p, who, look);

    // Neck with the chin's shadow on it.
    QPainterPath neck;
    neck.moveTo(kHeadCx - 7.5, 70);
    neck.lineTo(kHeadCx + 7.5, 70);
    neck.lineTo(kHeadCx + 8.5, 90);
    neck.quadTo(kHeadCx, 95, kHeadCx - 8.5, 90);
    neck.closeSubpath();
    fill(p, neck, look.skin.darker(112));
    fill(p, ellipsePath(QPointF(kHeadCx, 80), 9, 4), QColor(0, 0, 0, 35));
    if (who == 5) { // a wing collar and the bow tie sit on the neck
        for (int s = -1; s <= 1; s += 2) {
            QPainterPath collar;
            collar.moveTo(kHeadCx + s * 9, 84);
            collar.lineTo(kHeadCx + s * 2, 93);
            collar.lineTo(kHeadCx + s * 12, 92);
            collar.closeSubpath();
            fill(p, collar, QColor(0xfa, 0xfa, 0xf6));
        }
        QPainterPath bow;
        bow.moveTo(kHeadCx, 91);
        bow.lineTo(kHeadCx - 9, 86.5);
        bow.quadTo(kHeadCx - 10.5, 91, kHeadCx - 9, 95.5);
        bow.closeSubpath();
        bow.moveTo(kHeadCx, 91);
        bow.lineTo(kHeadCx + 9, 86.5);
        bow.quadTo(kHeadCx + 10.5, 91, kHeadCx + 9, 95.5);
        bow.closeSubpath();
        fill(p, bow, QColor(0xb0, 0x22, 0x32));
        fill(p, ellipsePath(QPointF(kHeadCx, 91), 2.4, 2.8), QColor(0x8a, 0x18, 0x26));
        for (const QPointF d :
            { QPointF(-5.5, -1.5), QPointF(-6, 2), QPointF(5.5, -1.5), QPointF(6, 2) })
            fill(p, ellipsePath(QPointF(kHeadCx, 91) + d, 0.7, 0.7), QColor(255, 255, 255, 170));
    }

    paintEars(p, who, look);
    const QPainterPath head = headPath(look);
    QRadialGradient skin(QPointF(kHeadCx - 6, kHeadCy - 6), look.headW * 1.8);
    skin.setColorAt(0, look.skin.lighter(106));
    skin.setColorAt(0.7, look.skin);
    skin.setColorAt(1, look.skin.darker(112));
    fill(p, head, skin);
    p.save();
    p.setClipPath(head, Qt::IntersectClip);
    // Soft shade on the side away from the light.
    QLinearGradient shade(kHeadCx - look.headW, 0, kHeadCx + look.headW, 0);
    shade.setColorAt(0.55, QColor(0, 0, 0, 0));
    shade.setColorAt(1.0, QColor(60, 20, 0, 45));
    p.fillRect(QRectF(30, 20, 70, 70), shade);
    // Warm cheeks, stronger when smiling.
    const int blush = mood == Mood::Smile ? 60 : 28;
    for (int s = -1; s <= 1; s += 2)
        fill(p, ellipsePath(QPointF(kHeadCx + dx + s * 11, 66), 4.5, 3),
            QColor(0xe0, 0x60, 0x50, who == 5 ? blush / 2 : blush));
    if (who == 1) { // freckles
        for (int i = 0; i < 14; ++i) {
            const int s = i % 2 ? 1 : -1;
            const qreal x = kHeadCx + dx + s * (7 + (hash3(i, 1, 9) % 70) / 10.0);
            const qreal y = 62 + (hash3(i, 2, 9) % 50) / 10.0;
            fill(p, ellipsePath(QPointF(x, y), 0.45, 0.45), QColor(0xc0, 0x84, 0x50, 95));
        }
    }
    if (who == 6) { // stubble
        QPainterPath jaw;
        jaw.addRect(QRectF(30, 66, 70, 30));
        fill(p, jaw, QColor(0x30, 0x22, 0x1a, 48));
        for (int i = 0; i < 60; ++i) {
            const qreal x = kHeadCx - 16 + (hash3(i, 7, 3) % 320) / 10.0;
            const qreal y = 67 + (hash3(i, 8, 3) % 150) / 10.0;
            fill(p, ellipsePath(QPointF(x, y), 0.3, 0.3), QColor(0x20, 0x18, 0x14, 70));
        }
    }
    if (who == 4) { // crow's feet
        for (int s = -1; s <= 1; s += 2)
            for (int i = 0; i < 2; ++i) {
                QPainterPath cf;
                cf.moveTo(kHeadCx + dx + s * 13.5, kEyeY - 1 + i * 2.5);
                cf.lineTo(kHeadCx + dx + s * 16.5, kEyeY - 2 + i * 4);
                stroke(p, cf, QColor(0x9a, 0x70, 0x58, 100), 0.6);
            }
    }
    p.restore();

    const bool smile = mood == Mood::Smile;
    const bool lashes = who == 3;
    const qreal browWeight = who == 3 ? 1.1 : (who == 4 ? 2.0 : 1.7);
    paintBrows(p, look, dx, smile ? 0.8 : 0, browWeight);
    paintEye(p, look, QPointF(kHeadCx + dx - kEyeDx, kEyeY), g, eyes, smile, lashes);
    paintEye(p, look, QPointF(kHeadCx + dx + kEyeDx, kEyeY), g, eyes, smile, lashes);
    paintNose(p, look, QPointF(kHeadCx + dx * 1.4, 66), who == 5 ? 1.2 : 1.0);
    paintMouth(p, look, QPointF(kHeadCx + dx, 73), mood, who == 3);
    if (who == 2 || who == 4) {
        paintFacialExtras(p, who, look, dx, mood);
    } else {
        withCastShadow(p, head, [&](QPainter& lp) { paintFacialExtras(lp, who, look, dx, mood); });
    }
    withCastShadow(p, head, [&](QPainter& lp) { paintHairFront(lp, who, look); });
}

QColor ringColour(Ring ring) {
    switch (ring) {
    case Ring::Green:
        return QColor(0x27, 0xae, 0x60);
    case Ring::Red:
        return QColor(0xd6, 0x45, 0x41);
    default:
        return QColor(0xd4, 0xa9, 0x3a);
    }
}

void paintDropShadow(QPainter& p) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(QColor(0, 0, 0, 34));
        p.drawEllipse(
            kCentre + QPointF(0.6, 1.6), kRingOuter + 2.4 - i * 0.8, kRingOuter + 2.4 - i * 0.8);
    }
}

void paintRing(QPainter& p, Ring ring) {
    const QColor base = ringColour(ring);
    QPainterPath band;
    band.addEllipse(kCentre, kRingOuter, kRingOuter);
    band.addEllipse(kCentre, kRingInner, kRingInner);
    band.setFillRule(Qt::OddEvenFill);
    QLinearGradient metal(20, 8, 108, 120);
    metal.setColorAt(0.0, base.lighter(150));
    metal.setColorAt(0.35, base.lighter(112));
    metal.setColorAt(0.7, base);
    metal.setColorAt(1.0, base.darker(165));
    fill(p, band, metal);
    // Bevel: a bright rim on the inner top, dark lines on the edges.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.0));
    p.drawArc(QRectF(kCentre.x() - kRingOuter + 1.6, kCentre.y() - kRingOuter + 1.6,
                  (kRingOuter - 1.6) * 2, (kRingOuter - 1.6) * 2),
        60 * 16, 120 * 16);
    p.setPen(QPen(QColor(0, 0, 0, 120), 0.9));
    p.drawEllipse(kCentre, kRingOuter - 0.4, kRingOuter - 0.4);
    p.setPen(QPen(QColor(0, 0, 0, 150), 1.0));
    p.drawEllipse(kCentre, kRingInner + 0.2, kRingInner + 0.2);
    p.setPen(QPen(QColor(255, 255, 255, 70), 0.8));
    p.drawArc(QRectF(kCentre.x() - kRingInner - 1.2, kCentre.y() - kRingInner - 1.2,
                  (kRingInner + 1.2) * 2, (kRingInner + 1.2) * 2),
        200 * 16, 140 * 16);
}

void paintDisc(QPainter& p, QColor backdrop) {
    QRadialGradient g(kCentre + QPointF(-14, -18), 80);
    g.setColorAt(0, backdrop.lighter(135));
    g.setColorAt(0.6, backdrop);
    g.setColorAt(1, backdrop.darker(150));
    fill(p, ellipsePath(kCentre, kRingInner + 0.5, kRingInner + 0.5), g);
}

} // namespace

void paintPortrait(QPainter& p, int who, Ring ring, Mood mood, Eyes eyes) {
    paintDropShadow(p);
    paintDisc(p, kPeopleLook[who].backdrop);
    p.save();
    p.setClipPath(ellipsePath(kCentre, kRingInner + 0.5, kRingInner + 0.5));
    p.save();
    // Head and shoulders fill the disc.
    p.translate(64, 72);
    p.scale(1.1, 1.1);
    p.translate(-64, -72);
    paintPerson(p, who, mood, eyes);
    p.restore();
    // An inner shadow under the ring gives the disc depth.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(QColor(0, 0, 0, 22), 6 - i));
        p.drawEllipse(kCentre, kRingInner, kRingInner);
    }
    p.restore();
    paintRing(p, ring);
}

void paintQuestionBadge(QPainter& p, Ring ring) {
    paintDropShadow(p);
    QRadialGradient felt(kCentre + QPointF(-12, -16), 80);
    felt.setColorAt(0, QColor(0x1e, 0x6e, 0x3c));
    felt.setColorAt(0.6, QColor(0x10, 0x4a, 0x26));
    felt.setColorAt(1, QColor(0x08, 0x2a, 0x14));
    fill(p, ellipsePath(kCentre, kRingInner + 0.5, kRingInner + 0.5), felt);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xd4, 0xa9, 0x3a, 90), 0.8));
    p.drawEllipse(kCentre, kRingInner - 5, kRingInner - 5);
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(QColor(0, 0, 0, 22), 6 - i));
        p.drawEllipse(kCentre, kRingInner, kRingInner);
    }
    const QFont font = pixelFont(QStringLiteral("DejaVu Serif"), 70, QFont::Bold);
    QPainterPath mark;
    mark.addText(0, 0, font, QStringLiteral("?"));
    mark.translate(kCentre - mark.boundingRect().center() + QPointF(0, 1));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawPath(mark.translated(1.2, 2.2));
    QLinearGradient gold(0, 30, 0, 98);
    gold.setColorAt(0, QColor(0xfa, 0xe4, 0x96));
    gold.setColorAt(0.5, QColor(0xe2, 0xb8, 0x50));
    gold.setColorAt(1, QColor(0xa8, 0x7c, 0x24));
    p.setBrush(gold);
    p.drawPath(mark);
    paintRing(p, ring);
}

} // namespace tavolier::assetgen
