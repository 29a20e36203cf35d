// The rules page shown by "About": fixed-limit hold'em as this table plays it,
// with the hand ranking illustrated by small cards.
#include "assetgen.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QTextDocument>

namespace tavolier::assetgen {
namespace {

const QColor kInk(0x2a, 0x24, 0x1e);
const QColor kGreen(0x17, 0x52, 0x2e);
const QColor kPaper(0xf6, 0xef, 0xdc);
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
    const char* name;
    const char* note;
    const char* ranks[5];
    int suits[5];
};

const Example kRanking[9] = {
    { QT_TRANSLATE_NOOP("RulesPage", "Straight flush"),
        QT_TRANSLATE_NOOP("RulesPage", "five in a row, one suit"), { "9", "8", "7", "6", "5" },
        { 2, 2, 2, 2, 2 } },
    { QT_TRANSLATE_NOOP("RulesPage", "Four of a kind"),
        QT_TRANSLATE_NOOP("RulesPage", "four cards of one rank"), { "Q", "Q", "Q", "Q", "7" },
        { 0, 1, 2, 3, 1 } },
    { QT_TRANSLATE_NOOP("RulesPage", "Full house"),
        QT_TRANSLATE_NOOP("RulesPage", "three of a kind and a pair"), { "K", "K", "K", "4", "4" },
        { 3, 2, 0, 1, 3 } },
    { QT_TRANSLATE_NOOP("RulesPage", "Flush"), QT_TRANSLATE_NOOP("RulesPage", "five of one suit"),
        { "A", "J", "8", "5", "2" }, { 1, 1, 1, 1, 1 } },
    { QT_TRANSLATE_NOOP("RulesPage", "Straight"),
        QT_TRANSLATE_NOOP("RulesPage", "five in a row (A-2-3-4-5 too)"),
        { "10", "9", "8", "7", "6" }, { 0, 2, 3, 1, 0 } },
    { QT_TRANSLATE_NOOP("RulesPage", "Three of a kind"),
        QT_TRANSLATE_NOOP("RulesPage", "three cards of one rank"), { "8", "8", "8", "K", "3" },
        { 2, 3, 0, 1, 3 } },
    { QT_TRANSLATE_NOOP("RulesPage", "Two pairs"),
        QT_TRANSLATE_NOOP("RulesPage", "two different pairs"), { "J", "J", "5", "5", "A" },
        { 3, 1, 0, 2, 0 } },
    { QT_TRANSLATE_NOOP("RulesPage", "One pair"),
        QT_TRANSLATE_NOOP("RulesPage", "two cards of one rank"), { "A", "A", "9", "6", "2" },
        { 2, 0, 3, 1, 2 } },
    { QT_TRANSLATE_NOOP("RulesPage", "High card"),
        QT_TRANSLATE_NOOP("RulesPage", "none of the above"), { "A", "Q", "9", "6", "3" },
        { 3, 1, 0, 2, 1 } },
};

} // namespace

QImage paintRules(int scale) {
    QImage img = newImage(kRulesWidth, kRulesHeight, scale, kPaper);
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
    drawCentredText(p, QPointF(212.5, 22),
        QCoreApplication::translate("RulesPage", "Texas Hold'em"), title, QColor(0xf4, 0xd8, 0x86),
        1.5);
    QFont sub = pixelFont(QStringLiteral("DejaVu Serif"), 11);
    sub.setItalic(true);
    drawCentredText(p, QPointF(212.5, 43),
        QCoreApplication::translate("RulesPage", "fixed-limit, as played at this table"), sub,
        QColor(0xe8, 0xf0, 0xe0));
    const qreal suitX[4] = { 40, 60, 365, 385 };
    for (int s = 0; s < 4; ++s)
        paintSuit(p, s, QPointF(suitX[s], 28), 12, QColor(0xc9, 0xa2, 0x4a));

    qreal y = 62;
    y = heading(p, y, QCoreApplication::translate("RulesPage", "The deal and the blinds"));
    y = drawHtml(p, y,
            QCoreApplication::translate("RulesPage",
                "You and seven opponents get two cards face down each. First the next two "
                "players post the blinds: the <b>small blind</b> is half a small bet, the "
                "<b>big blind</b> one small bet (with limits of 4 and 8: 2 and 4)."))
        + 6;
    y = heading(p, y, QCoreApplication::translate("RulesPage", "Fixed bets"));
    y = drawHtml(p, y,
            QCoreApplication::translate("RulesPage",
                "Every bet and raise has one fixed size: the <b>small bet</b> before and on the "
                "flop, the <b>big bet</b> (twice as much) on the turn and the river. Answer a "
                "bet with <b>Call</b> or <b>Fold</b>; with none to answer, <b>Check</b> or "
                "<b>Raise</b>."))
        + 6;

    y = heading(p, y, QCoreApplication::translate("RulesPage", "The four streets"));
    const char* streets[4][2] = { { QT_TRANSLATE_NOOP("RulesPage", "Pre-flop"),
                                      QT_TRANSLATE_NOOP("RulesPage", "two cards each") },
        { QT_TRANSLATE_NOOP("RulesPage", "Flop"),
            QT_TRANSLATE_NOOP("RulesPage", "three on the board") },
        { QT_TRANSLATE_NOOP("RulesPage", "Turn"), QT_TRANSLATE_NOOP("RulesPage", "a fourth card") },
        { QT_TRANSLATE_NOOP("RulesPage", "River"),
            QT_TRANSLATE_NOOP("RulesPage", "the fifth card") } };
    const qreal colW = (kWidth - 3 * 6) / 4;
    for (int i = 0; i < 4; ++i) {
        const QRectF box(kMargin + i * (colW + 6), y + 1, colW, 34);
        p.setPen(QPen(QColor(0x17, 0x52, 0x2e, 120), 0.8));
        p.setBrush(QColor(0x1e, 0x70, 0x40, 26));
        p.drawRoundedRect(box, 5, 5);
        QFont b = pixelFont(QStringLiteral("DejaVu Sans"), 10.5, QFont::Bold);
        drawCentredText(p, QPointF(box.center().x(), box.top() + 11),
            QStringLiteral("%1. %2").arg(i + 1).arg(
                QCoreApplication::translate("RulesPage", streets[i][0])),
            b, kGreen);
        QFont n = pixelFont(QStringLiteral("DejaVu Sans"), 9);
        drawCentredText(p, QPointF(box.center().x(), box.top() + 25),
            QCoreApplication::translate("RulesPage", streets[i][1]), n, kInk);
    }
    y += 39;
    y = drawHtml(p, y,
            QCoreApplication::translate("RulesPage",
                "Each street has a round of betting. At the <b>showdown</b> the best five of "
                "your two cards and the board's five win the pot; equal hands share it."))
        + 6;

    y = heading(p, y, QCoreApplication::translate("RulesPage", "Hands, best first"));
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
        name.addText(kMargin, rowY + 12.5, nameFont,
            QCoreApplication::translate("RulesPage", kRanking[i].name));
        QPainterPath note;
        note.addText(kMargin + 112, rowY + 12.5, noteFont,
            QCoreApplication::translate("RulesPage", kRanking[i].note));
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawPath(name);
        p.setBrush(QColor(0x5a, 0x50, 0x44));
        p.drawPath(note);
        for (int c = 0; c < 5; ++c)
            miniCard(p, QPointF(kRulesWidth - kMargin - 5 * 16 + c * 16 + 1, rowY),
                QLatin1String(kRanking[i].ranks[c]), kRanking[i].suits[c]);
    }
    y += 9 * 20.0 + 3;

    y = heading(p, y, QCoreApplication::translate("RulesPage", "Your odds"));
    y = drawHtml(p, y,
            QCoreApplication::translate("RulesPage",
                "Hold the mouse over the badge under your cards to see how your hand rates "
                "against six random hands: from <b>Poor</b> through <b>Average</b> to "
                "<b>Excellent</b>."))
        + 6;
    y = heading(p, y, QCoreApplication::translate("RulesPage", "The buttons"));
    drawHtml(p, y,
        QCoreApplication::translate("RulesPage",
            "<b>Deal</b> starts the next hand, <b>New</b> a new match. A match ends "
            "when you or all opponents are broke, or a player reaches the target. "
            "<b>Options</b> sets the starting chips, the target, the limits, the "
            "card back, the opponents' level and the sound."));

    // A thin frame around the page; the dialog shows only the left 421 pixels.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x8a, 0x6a, 0x2a, 140), 1));
    p.drawRect(QRectF(3.5, 59.5, kRulesWidth - 11, kRulesHeight - 63));
    p.end();
    return img;
}

} // namespace tavolier::assetgen
