#include "ui/side_windows.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tavolier {

SidePlaces sidePlaces(const QRect& room, const QRect& frame, const QSize& tableClient,
    int wantedWidth, int minimumWidth) {
    // The decorations of the side window are taken to be the table's.
    const int decorationX = frame.width() - tableClient.width();
    const int decorationY = frame.height() - tableClient.height();
    constexpr int gap = 4;
    int width = wantedWidth;
    const int height = std::max(200, std::min(tableClient.height(), room.height() - decorationY));
    const int rightRoom = room.right() - frame.right() - gap;
    const int leftRoom = frame.left() - room.left() - gap;
    const int pairRoom = room.width() - frame.width() - gap - decorationX;
    QPoint tableAt = frame.topLeft();
    int x = 0;
    if (rightRoom >= width + decorationX) {
        x = frame.right() + 1 + gap;
    } else if (leftRoom >= width + decorationX) {
        x = frame.left() - gap - width - decorationX;
    } else if (pairRoom >= minimumWidth) {
        // The table moves over so that both fit, the pair centred.
        width = std::min(width, pairRoom);
        const int pairWidth = frame.width() + gap + width + decorationX;
        const int left = room.left() + std::max(0, (room.width() - pairWidth) / 2);
        tableAt.setX(left);
        x = left + frame.width() + gap;
    } else {
        x = room.right() + 1 - width - decorationX;
    }
    const int y = std::clamp(
        frame.top(), room.top(), std::max(room.top(), room.bottom() + 1 - height - decorationY));
    return { QRect(x, y, width, height), tableAt };
}

void placeBesideTable(QWidget& side, QWidget& table, int wantedWidth, int minimumWidth) {
    const QScreen* screen = table.screen();
    const QRect frame = table.frameGeometry();
    const QRect room = screen != nullptr
        ? screen->availableGeometry()
        : QRect(frame.topLeft(), QSize(frame.width() * 2, frame.height()));
    const SidePlaces places = sidePlaces(room, frame, table.size(), wantedWidth, minimumWidth);
    if (places.tableAt != frame.topLeft())
        table.move(places.tableAt);
    side.resize(places.side.size());
    side.move(places.side.topLeft());
}

bool passKeyToTable(QKeyEvent* event, QWidget* table, int ownKey) {
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || table == nullptr)
        return false;
    const int key = event->key();
    if (key == ownKey || key == Qt::Key_Escape)
        return false;
    static constexpr int kPassed[] { Qt::Key_D, Qt::Key_C, Qt::Key_R, Qt::Key_F, Qt::Key_H,
        Qt::Key_S, Qt::Key_N };
    if (std::find(std::begin(kPassed), std::end(kPassed), key) == std::end(kPassed))
        return false;
    QKeyEvent copy(event->type(), key, event->modifiers(), event->text());
    QApplication::sendEvent(table, &copy);
    return true;
}

} // namespace tavolier
