// Painting helpers shared by every sheet.
#include "assetgen.h"

#include <algorithm>

namespace tavolier::assetgen {

QImage newImage(int w, int h, int scale, QColor fill) {
    QImage img(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void prepare(QPainter& p, int scale) {
    p.setRenderHints(
        QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
}

QFont pixelFont(const QString& family, qreal px, int weight) {
    QFont f(family);
    f.setPixelSize(std::max(1, qRound(px)));
    f.setPixelSize(std::max(1, qRound(px)));
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferVerticalHinting);
    return f;
}

std::uint32_t hash3(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
    std::uint32_t h = x * 374761393u + y * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

QImage cropAt(const QImage& src, Pos pos, int w, int h, int scale) {
    return src.copy(pos.x * scale, pos.y * scale, w * scale, h * scale)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage hstrip(const std::vector<QImage>& pictures) {
    if (pictures.empty())
        return {};
    const int w = pictures.front().width();
    const int h = pictures.front().height();
    QImage strip(w * static_cast<int>(pictures.size()), h, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (std::size_t i = 0; i < pictures.size(); ++i)
        p.drawImage(static_cast<int>(i) * w, 0, pictures[i]);
    return strip;
}

QColor mix(QColor a, QColor b, qreal t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
        a.greenF() + (b.greenF() - a.greenF()) * t, a.blueF() + (b.blueF() - a.blueF()) * t,
        a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

void drawCentredText(QPainter& p, QPointF centre, const QString& text, const QFont& font,
    QColor colour, qreal shadow) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(centre - box.center());
    p.save();
    p.setPen(Qt::NoPen);
    if (shadow > 0.0) {
        p.setBrush(QColor(0, 0, 0, 110));
        p.drawPath(path.translated(0, shadow));
        p.setBrush(Qt::NoBrush);
        p.setPen(
            QPen(QColor(0, 0, 0, 70), shadow * 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.setPen(Qt::NoPen);
    }
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

void addGrain(QImage& img, int amount, std::uint32_t seed) {
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = line[x];
            const int a = qAlpha(c);
            if (a == 0)
                continue;
            const int n = static_cast<int>(hash3(x, y, seed) % (2 * amount + 1)) - amount;
            const int d = n * a / 255;
            line[x] = qRgba(std::clamp(qRed(c) + d, 0, a), std::clamp(qGreen(c) + d, 0, a),
                std::clamp(qBlue(c) + d, 0, a), a);
        }
    }
}

} // namespace tavolier::assetgen
