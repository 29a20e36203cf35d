// The rules page shown by "About": fixed-limit hold'em as this table plays it,
// with the hand ranking illustrated by small cards.
#include "assetgen.h"
#include "ui/rules_text.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QTextDocument>

namespace tavolier::assetgen {
namespace {

using namespace rules_text;

// A text of the page in the language the pictures are painted in.
QString words(const char* english) {
    return QCoreApplication::translate("RulesPage", english);
}

const QColor kInk(0x2a, 0x24, 0x1e);
const QColor kGreen(0x17, 0x52, 0x2e);
const QColor kRulesPaper(0xf6, 0xef, 0xdc);
constexpr qreal kMargin = 16;
constexpr qreal kWidth = kRulesWidth - 2 * kMargin;

// Rich text laid out once in window pixels, so 1x and 2x break lines alike.
qreal drawHtml(QPainter& p, qreal y, const QString& html, qreal width = kWidth, qreal x = kMargin) {
    QTextDocument doc;
    doc.setDocumentMargin(0);
    QFont body = pixelFont(QStringLiteral("DejaVu Sans"), 10);
    doc.setDefaultFont(body);
    doc.setDefaultStyleSheet(QStringLiteral("b { color: #17522e; }"));
    doc.setTextWidth(width);
    doc.setHtml(QStringLiteral("<div style='color:#2a241e'>") + html + QStringLiteral("</div>"));
    p.save();
    p.translate(x, y);
    QAbstractTextDocumentLayout::PaintContext ctx;
    ctx.palette.setColor(QPalette::Text, kInk);
    doc.documentLayout()->draw(&p, ctx);
    p.restore();
    return y + doc.size().height();
}

qreal heading(QPainter& p, qreal y, const QString& text) {
    QFont f = pixelFont(QStringLiteral("DejaVu Serif"), 13.5, QFont::Bold);
    QPainterPath path;
    path.addText(kMargin, y + 12, f, text);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawPath(path);
    const qreal end = path.boundingRect().right() + 8;
    p.setPen(QPen(QColor(0xc9, 0xa2, 0x4a), 0.9));
    p.drawLine(QPointF(end, y + 8), QPointF(kRulesWidth - kMargin, y + 8));
    return y + 17;
}

// A small card for the examples: rank over suit on white.
void miniCard(QPainter& p, QPointF at, const QString& rank, int suit) {
    const QRectF r(at.x(), at.y(), 14, 18);
    p.setPen(QPen(QColor(0x8a, 0x8a, 0x8a), 0.7));
    p.setBrush(QColor(0xfe, 0xfd, 0xf8));
    p.drawRoundedRect(r, 2.2, 2.2);
    const QColor ink = suitColour(suit);
    QFont f = pixelFont(QStringLiteral("DejaVu Sans Condensed"), 9.5, QFont::Bold);
    drawCentredText(p, QPointF(r.center().x(), r.top() + 5.5), rank, f, ink);
    paintSuit(p, suit, QPointF(r.center().x(), r.top() + 13), 7, ink);
}

struct Example {
    const char* ranks[5];
    int suits[5];
};

// The example cards of each hand of the ranking.
const Example kExamples[9] = {
    { { "9", "8", "7", "6", "5" }, { 2, 2, 2, 2, 2 } },
    { { "Q", "Q", "Q", "Q", "7" }, { 0, 1, 2, 3, 1 } },
    { { "K", "K", "K", "4", "4" }, { 3, 2, 0, 1, 3 } },
    { { "A", "J", "8", "5", "2" }, { 1, 1, 1, 1, 1 } },
    { { "10", "9", "8", "7", "6" }, { 0, 2, 3, 1, 0 } },
    { { "8", "8", "8", "K", "3" }, { 2, 3, 0, 1, 3 } },
    { { "J", "J", "5", "5", "A" }, { 3, 1, 0, 2, 0 } },
    { { "A", "A", "9", "6", "2" }, { 2, 0, 3, 1, 2 } },
    { { "A", "Q", "9", "6", "3" }, { 3, 1, 0, 2, 1 } },
};

} // namespace

QImage paintRules(int scale) {
    QImage img = newImage(kRulesWidth, kRulesHeight, scale, kRulesPaper);
    QPainter p(&img);
    prepare(p, scale);

    QRadialGradient paper(QPointF(212, 260), 420);
    paper.setColorAt(0, QColor(0xfa, 0xf5, 0xe6));
    paper.setColorAt(1, QColor(0xe8, 0xdc, 0xbc));
    p.fillRect(QRectF(0, 0, kRulesWidth, kRulesHeight), paper);

    // Title band.
    QLinearGradient band(0, 0, 0, 54);
    band.setColorAt(0, QColor(0x1e, 0x70, 0x40));
    band.setColorAt(1, QColor(0x0e, 0x48, 0x26));
    p.fillRect(QRectF(0, 0, kRulesWidth, 54), band);
    p.fillRect(QRectF(0, 54, kRulesWidth, 2), QColor(0xc9, 0xa2, 0x4a));
    QFont title = pixelFont(QStringLiteral("DejaVu Serif"), 24, QFont::Bold);
    drawCentredText(p, QPointF(212.5, 22), words(kTitle), title, QColor(0xf4, 0xd8, 0x86), 1.5);
    QFont sub = pixelFont(QStringLiteral("DejaVu Serif"), 11);
    sub.setItalic(true);
    drawCentredText(p, QPointF(212.5, 43), words(kSubtitle), sub, QColor(0xe8, 0xf0, 0xe0));
    const qreal suitX[4] = { 40, 60, 365, 385 };
    for (int s = 0; s < 4; ++s)
        paintSuit(p, s, QPointF(suitX[s], 28), 12, QColor(0xc9, 0xa2, 0x4a));

    qreal y = 62;
    y = heading(p, y, words(kDealHeading));
    y = drawHtml(p, y, words(kDealText)) + 6;
    y = heading(p, y, words(kBetsHeading));
    y = drawHtml(p, y, words(kBetsText)) + 6;

    y = heading(p, y, words(kStreetsHeading));

    const qreal colW = (kWidth - 3 * 6) / 4;
    for (int i = 0; i < 4; ++i) {
        const QRectF box(kMargin + i * (colW + 6), y + 1, colW, 34);
        p.setPen(QPen(QColor(0x17, 0x52, 0x2e, 120), 0.8));
        p.setBrush(QColor(0x1e, 0x70, 0x40, 26));
        p.drawRoundedRect(box, 5, 5);
        QFont b = pixelFont(QStringLiteral("DejaVu Sans"), 10.5, QFont::Bold);
        drawCentredText(p, QPointF(box.center().x(), box.top() + 11),
            QStringLiteral("%1. %2").arg(i + 1).arg(
                words(kStreets[static_cast<std::size_t>(i)][0])),
            b, kGreen);
        QFont n = pixelFont(QStringLiteral("DejaVu Sans"), 9);
        drawCentredText(p, QPointF(box.center().x(), box.top() + 25),
            words(kStreets[static_cast<std::size_t>(i)][1]), n, kInk);
    }
    y += 39;
    y = drawHtml(p, y, words(kShowdownText)) + 6;

    y = heading(p, y, words(kRankingHeading));
    QFont nameFont = pixelFont(QStringLiteral("DejaVu Sans"), 10.5, QFont::Bold);
    QFont noteFont = pixelFont(QStringLiteral("DejaVu Sans"), 9.5);
    for (int i = 0; i < 9; ++i) {
        const qreal rowY = y + i * 20.0;
        if (i % 2 == 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x1e, 0x70, 0x40, 18));
            p.drawRoundedRect(QRectF(kMargin - 4, rowY - 1, kWidth + 8, 20), 4, 4);
        }
        QPainterPath name;
        name.addText(
            kMargin, rowY + 12.5, nameFont, words(kRanking[static_cast<std::size_t>(i)][0]));
        QPainterPath note;
        note.addText(
            kMargin + 112, rowY + 12.5, noteFont, words(kRanking[static_cast<std::size_t>(i)][1]));
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawPath(name);
        p.setBrush(QColor(0x5a, 0x50, 0x44));
        p.drawPath(note);
        for (int c = 0; c < 5; ++c)
            miniCard(p, QPointF(kRulesWidth - kMargin - 5 * 16 + c * 16 + 1, rowY),
                QLatin1String(kExamples[i].ranks[c]), kExamples[i].suits[c]);
    }
    y += 9 * 20.0 + 3;

    y = heading(p, y, words(kOddsHeading));
    y = drawHtml(p, y, words(kOddsText)) + 6;
    y = heading(p, y, words(kButtonsHeading));
    drawHtml(p, y, words(kButtonsText));

    // A thin frame around the page; the dialog shows only the left 421 pixels.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x8a, 0x6a, 0x2a, 140), 1));
    p.drawRect(QRectF(3.5, 59.5, kRulesWidth - 11, kRulesHeight - 63));
    p.end();
    return img;
}

} // namespace tavolier::assetgen
