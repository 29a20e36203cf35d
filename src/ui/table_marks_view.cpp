#include "ui/table_marks_view.h"

#include "presentation/hand_history.h"
#include "ui/fonts.h"
#include "ui/table_style.h"
#include "ui/table_texts.h"

#include <QPainter>
#include <QPainterPath>
#include <QVariantAnimation>

namespace tavolier {

namespace {

QRect qrect(Rect r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

const QColor kInk = QColor::fromRgb(kCaptionInk);
const QColor kShadow(0, 0, 0, 200);
// Behind the street's name, the pot's legend and the pot in high contrast.
constexpr Rect kPotPlate { 418, 242, 564, 285 };
constexpr int kSlideMilliseconds = 260;

// Light letters with a dark shadow, legible on the felt and the rail; on a
// black plate in high contrast.
void raisedText(QPainter& painter, const QRect& area, int align, const QString& text,
    const QColor& ink = kInk, bool plate = false) {
    if (plate) {
        const QRect bounds = painter.fontMetrics().boundingRect(area, align, text);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromRgb(kHighContrastPlate));
        painter.drawRoundedRect(QRectF(bounds).adjusted(-4, -1, 4, 1), 4, 4);
    }
    painter.setPen(kShadow);
    painter.drawText(area.translated(1, 1), align, text);
    painter.setPen(ink);
    painter.drawText(area, align, text);
}

// The markers a seat holds, in the order they stand: the dealer button, then
// its blind.
struct Marker {
    const char* text;
    QColor fill;
    QColor ink;
};

std::vector<Marker> markersOf(const TableMarks& marks, SeatNumber seat) {
    std::vector<Marker> held;
    if (seat == marks.button())
        held.push_back({ QT_TRANSLATE_NOOP("TableMarksView", "D"), QColor(0xf4, 0xf1, 0xe6),
            QColor(0x1a, 0x1a, 0x1a) });
    if (seat == marks.smallBlind())
        held.push_back(
            { QT_TRANSLATE_NOOP("TableMarksView", "SB"), QColor(0x2f, 0x6f, 0xb3), Qt::white });
    if (seat == marks.bigBlind())
        held.push_back({ QT_TRANSLATE_NOOP("TableMarksView", "BB"), QColor(0xd4, 0xa9, 0x3a),
            QColor(0x24, 0x16, 0x0a) });
    return held;
}

QRect markerRect(int seat, int slot) {
    const SeatMarkPlace& place = kSeatMarkPlaces[static_cast<std::size_t>(seat)];
    return QRect(place.markerX + slot * kMarkerStep, place.markerY, kMarkerSize, kMarkerSize);
}

QPointF betOrigin(int seat) {
    const Rect& r = kSeatMarkPlaces[static_cast<std::size_t>(seat)].bet;
    return QPointF(r.left, r.top);
}

} // namespace

TableMarksView::TableMarksView(const TableMarks& marks, QWidget* parent)
    : QWidget(parent)
    , m_marks(marks) {
    setObjectName("tableMarks");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(0, 0, 1000, 670);
    m_slide = new QVariantAnimation(this);
    m_slide->setStartValue(0.0);
    m_slide->setEndValue(1.0);
    m_slide->setDuration(kSlideMilliseconds);
    m_slide->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_slide, &QVariantAnimation::valueChanged, this, [this] { update(); });
    connect(m_slide, &QVariantAnimation::finished, this, [this] { update(); });
}

void TableMarksView::setCues(const TableCues& cues) {
    const bool same = cues.legal.handInProgress == m_cues.legal.handInProgress
        && cues.legal.checkOrCall == m_cues.legal.checkOrCall
        && cues.legal.raise == m_cues.legal.raise && cues.legal.fold == m_cues.legal.fold
        && cues.legal.mustCall == m_cues.legal.mustCall
        && cues.legal.callCost == m_cues.legal.callCost
        && cues.legal.raiseCost == m_cues.legal.raiseCost && cues.playing == m_cues.playing
        && cues.humanStatusShown == m_cues.humanStatusShown && cues.humanHand == m_cues.humanHand;
    m_cues = cues;
    if (!same)
        update();
}

void TableMarksView::marksChanged() {
    if (m_marks.gatherCount() != m_gatherSeen) {
        m_gatherSeen = m_marks.gatherCount();
        m_slide->stop();
        if (m_sliding)
            m_slide->start();
    }
    update();
}

void TableMarksView::setHighContrast(bool on) {
    m_highContrast = on;
    update();
}

bool TableMarksView::sliding() const {
    return m_slide->state() == QAbstractAnimation::Running;
}

bool TableMarksView::humanToAct() const {
    const LegalActions& legal = m_cues.legal;
    return !m_cues.playing && legal.handInProgress && (legal.checkOrCall || legal.fold);
}

std::vector<QRect> TableMarksView::markRects() const {
    std::vector<QRect> rects;
    for (int seat = 1; seat <= 8; ++seat) {
        const std::size_t count = markersOf(m_marks, SeatNumber(seat)).size();
        for (std::size_t slot = 0; slot < count; ++slot)
            rects.push_back(markerRect(seat, static_cast<int>(slot)));
        if (m_marks.streetBets()[static_cast<std::size_t>(seat)] > 0)
            rects.push_back(qrect(kSeatMarkPlaces[static_cast<std::size_t>(seat)].bet));
    }
    if (m_marks.street())
        rects.push_back(qrect(kStreetNamePlace));
    return rects;
}

void TableMarksView::paintMarker(QPainter& painter, int seat, int slot, const QString& text,
    const QColor& fill, const QColor& ink) const {
    const QRectF disc = QRectF(markerRect(seat, slot)).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(QColor(0, 0, 0, 110), 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(disc.translated(0.8, 1.2));
    painter.setPen(QPen(fill.darker(160), 1.0));
    painter.setBrush(fill);
    painter.drawEllipse(disc);
    painter.setPen(QPen(fill.lighter(130), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(disc.adjusted(2.5, 2.5, -2.5, -2.5));
    QFont font = uiFont("Verdana", text.size() > 1 ? 5 : 7, true);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(disc, Qt::AlignCenter, text);
}

void TableMarksView::paintBet(QPainter& painter, QPointF at, std::int32_t amount) const {
    // A short stack of chips, taller for bigger bets, and its figure beside it.
    const int chips = amount >= 40 ? 4 : amount >= 12 ? 3 : amount >= 4 ? 2 : 1;
    const QColor body = amount >= 40 ? QColor(0x22, 0x22, 0x28)
        : amount >= 12               ? QColor(0x1f, 0x5f, 0xa8)
                                     : QColor(0xb3, 0x26, 0x1e);
    for (int i = 0; i < chips; ++i) {
        const QRectF chip(at.x(), at.y() + 9 - i * 3, 14, 6);
        painter.setPen(QPen(body.darker(170), 1.0));
        painter.setBrush(body);
        painter.drawEllipse(chip);
        painter.setPen(QPen(QColor(255, 255, 255, 200), 1.2, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(chip.adjusted(2, 1.2, -2, -1.2));
    }
    painter.setFont(uiFont("Verdana", 8, true));
    raisedText(painter, QRect(at.toPoint() + QPoint(17, 0), QSize(34, 16)),
        Qt::AlignLeft | Qt::AlignVCenter, QString::number(amount), QColor(0xff, 0xf2, 0x9a));
}

void TableMarksView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // Drawn in the table's 1000 x 670 layout, scaled with the window.
    if (width() != 1000)
        painter.scale(width() / 1000.0, height() / 670.0);

    // High contrast: every seat's labels and the pot on black.
    if (m_highContrast) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromRgb(kHighContrastPlate));
        for (int seat = 1; seat <= 8; ++seat)
            painter.drawRoundedRect(
                QRectF(qrect(kSeatMarkPlaces[static_cast<std::size_t>(seat)].plate)), 6, 6);
        painter.drawRoundedRect(QRectF(qrect(kPotPlate)), 6, 6);
    }

    // The seat acting now, during the playback of a turn.
    if (m_cues.playing && m_marks.acting().isSeat()) {
        const QRectF plate = QRectF(qrect(kSeatMarkPlaces[m_marks.acting().index()].plate))
                                 .adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setPen(QPen(QColor(0xff, 0xe6, 0x8a, 220), 1.5));
        painter.setBrush(QColor(0xff, 0xe6, 0x8a, 48));
        painter.drawRoundedRect(plate, 6, 6);
    }

    // The dealer button and the blinds.
    for (int seat = 1; seat <= 8; ++seat) {
        const std::vector<Marker> held = markersOf(m_marks, SeatNumber(seat));
        for (std::size_t slot = 0; slot < held.size(); ++slot)
            paintMarker(painter, seat, static_cast<int>(slot), tr(held[slot].text), held[slot].fill,
                held[slot].ink);
    }

    // The chips of this street, and those of the last one sliding to the pot.
    if (sliding()) {
        const qreal t = m_slide->currentValue().toReal();
        for (int seat = 1; seat <= 8; ++seat) {
            const std::int32_t amount = m_marks.gathered()[static_cast<std::size_t>(seat)];
            if (amount <= 0)
                continue;
            const QPointF from = betOrigin(seat);
            const QPointF to(kPotX, kPotY);
            painter.setOpacity(1.0 - 0.6 * t);
            paintBet(painter, from + (to - from) * t, amount);
        }
        painter.setOpacity(1.0);
    }
    for (int seat = 1; seat <= 8; ++seat) {
        const std::int32_t amount = m_marks.streetBets()[static_cast<std::size_t>(seat)];
        if (amount > 0)
            paintBet(painter, betOrigin(seat), amount);
    }

    // The street's name above the pot.
    if (const std::optional<Street> street = m_marks.street()) {
        // The labels' own face: another family would cost the first frame a
        // font file.
        QFont font = uiFont("Verdana", 9, true);
        font.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
        painter.setFont(font);
        // Once the hand is over the name leans, keeping its contrast.
        font.setItalic(!m_marks.handOpen());
        painter.setFont(font);
        raisedText(painter, qrect(kStreetNamePlace), Qt::AlignCenter,
            tableText(streetName(*street)), kInk, m_highContrast);
    }

    // The human's last action, where the core writes no status of its own.
    if (!m_cues.humanStatusShown && !m_marks.humanAction().empty()) {
        painter.setFont(uiFont("Verdana", 8, false));
        painter.setPen(Qt::white);
        painter.drawText(QRect(396, 575, 120, 15), Qt::AlignLeft | Qt::AlignTop,
            tableText(m_marks.humanAction()));
    }

    // "You have: ..." under the human's cards.
    if (!m_cues.humanHand.isEmpty()) {
        painter.setFont(uiFont("Verdana", 8, true));
        raisedText(painter, qrect(kHumanHandPlace), Qt::AlignCenter,
            tr("You have: %1").arg(m_cues.humanHand), kInk, m_highContrast);
    }

    // The human's turn: the action row glows, says so, and shows its costs.
    if (humanToAct()) {
        const QRectF row = QRectF(qrect(kActionRow)).adjusted(-3, -3, 3, 3);
        for (int i = 3; i >= 1; --i) {
            painter.setPen(QPen(QColor(0xff, 0xe6, 0x8a, 70 / i), 2.0 * i));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(row, 6, 6);
        }
        painter.setFont(uiFont("Verdana", 9, true));
        raisedText(painter, qrect(kYourTurnPlace).adjusted(4, 0, 0, 0),
            Qt::AlignLeft | Qt::AlignVCenter, tr("Your turn"), QColor(0xff, 0xe6, 0x8a),
            m_highContrast);
        // The costs as large as the buttons' captions allow under them.
        painter.setFont(uiFont("Verdana", 9, true));
        const LegalActions& legal = m_cues.legal;
        if (legal.checkOrCall && legal.mustCall)
            raisedText(
                painter, qrect(kCallCostPlace), Qt::AlignCenter, QString::number(legal.callCost));
        if (legal.raise)
            raisedText(
                painter, qrect(kRaiseCostPlace), Qt::AlignCenter, QString::number(legal.raiseCost));
    }
}

} // namespace tavolier
