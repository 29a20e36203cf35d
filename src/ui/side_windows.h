#pragma once

#include <QPoint>
#include <QRect>

class QKeyEvent;
class QWidget;

namespace tavolier {

// Where a side window goes (its client area) and where the table's frame
// goes, on a screen whose free area is room: see placeBesideTable.
struct SidePlaces {
    QRect side;
    QPoint tableAt;
};
[[nodiscard]] SidePlaces sidePlaces(const QRect& room, const QRect& tableFrame,
    const QSize& tableClient, int wantedWidth, int minimumWidth);

// The side windows (History, Statistics) stand against the table's edge on
// its screen, as tall as the table, and never over it: right of the table,
// else left of it; when neither side has room the table moves along so that
// the two fit side by side (a 1366 x 768 screen holds the table and a side
// window 350 wide); only a screen narrower than both gets the window over
// the table's right-hand side. wantedWidth is the side window's own width.
void placeBesideTable(QWidget& side, QWidget& table, int wantedWidth, int minimumWidth);

// The keys a side window passes on to the table: D, C, R, F, N and the other
// side window's key. True when the key went to the table.
bool passKeyToTable(QKeyEvent* event, QWidget* table, int ownKey);

} // namespace tavolier
