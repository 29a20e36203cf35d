#pragma once

#include <QCoreApplication>

#include "core/game_events.h"
#include "presentation/table_marks.h"

#include <QString>
#include <QWidget>

#include <cstdint>

class QVariantAnimation;

namespace tavolier {

// What the marks are shown with besides the events: the human's legal
// actions, whether a turn is being played back, whether the core has written
// the human's status itself, and the human's best hand named by the rules.
struct TableCues {
    LegalActions legal;
    bool playing = false;
    bool humanStatusShown = false;
    QString humanHand;
};

// Paints the table's marks over the canvas and under the labels: the dealer
// button and blind markers, each seat's chips on this street with their
// figure (sliding into the pot when the street ends, unless the pace is
// Instant), the street's name, the plate behind the seat acting now, the
// glowing action row with "Your turn" and the buttons' costs, the human's
// last action and "You have: ...". It lets the mouse through to the table.
class TableMarksView : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TableMarksView)

public:
    TableMarksView(const TableMarks& marks, QWidget* parent);

    void setCues(const TableCues& cues);
    // Whether gathered chips slide into the pot (false at Instant).
    void setSliding(bool sliding) { m_sliding = sliding; }
    // High contrast: a black plate behind every seat's labels, the pot and
    // each caption, the acting seat's plate ringed in gold.
    void setHighContrast(bool on);
    [[nodiscard]] bool highContrast() const { return m_highContrast; }
    // Reads the marks again after an event.
    void marksChanged();

    [[nodiscard]] const TableCues& cues() const { return m_cues; }
    // The human is to act: the row glows and says "Your turn".
    [[nodiscard]] bool humanToAct() const;
    // The logical rectangles of every mark shown now, for tests that check
    // they cover nothing else.
    [[nodiscard]] std::vector<QRect> markRects() const;
    [[nodiscard]] bool sliding() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintBet(QPainter& painter, QPointF at, std::int32_t amount) const;
    void paintMarker(QPainter& painter, int seat, int slot, const QString& text, const QColor& fill,
        const QColor& ink) const;

    const TableMarks& m_marks;
    TableCues m_cues;
    bool m_sliding = true;
    bool m_highContrast = false;
    std::int64_t m_gatherSeen = 0;
    QVariantAnimation* m_slide = nullptr;
};

} // namespace tavolier
