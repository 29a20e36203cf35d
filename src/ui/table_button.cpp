#include "ui/table_button.h"

#include <QLinearGradient>
#include <QPainter>

namespace tavolier {
namespace {

// The lacquer's gradient from top to bottom.
QLinearGradient lacquer(const QRectF& area, std::initializer_list<QGradientStop> stops) {
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setStops(QList<QGradientStop>(stops));
    return gradient;
}

} // namespace

TableButton::TableButton(const QString& caption, Look look, QWidget* parent)
    : QPushButton(caption, parent)
    , m_look(look) {
    setAttribute(Qt::WA_Hover);
}

QSize TableButton::sizeHint() const {
    const QFontMetrics metrics(font());
    return { metrics.horizontalAdvance(text()) + (m_look == Look::top ? 6 : 8),
        metrics.height() + 4 };
}

void TableButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool top = m_look == Look::top;
    const bool focused = hasFocus();
    const qreal edge = focused ? 2.0 : 1.0;
    const QRectF area = QRectF(rect()).adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2);
    const qreal radius = top ? 3.0 : 4.0;

    QBrush fill;
    QColor border(0x3a, 0x24, 0x16);
    QColor ink(0x24, 0x16, 0x0a);
    if (!isEnabled()) {
        fill = lacquer(area, { { 0, QColor(0xa9, 0xa2, 0x93) }, { 1, QColor(0x7c, 0x76, 0x6a) } });
        border = QColor(0x3a, 0x35, 0x30);
        ink = QColor(0x6e, 0x66, 0x57);
    } else if (isDown()) {
        fill = QColor(0xa8, 0x81, 0x39);
    } else if (underMouse()) {
        fill = top
            ? lacquer(area, { { 0, QColor(0xff, 0xf4, 0xd6) }, { 1, QColor(0xd8, 0xb2, 0x66) } })
            : lacquer(area,
                { { 0, QColor(0xff, 0xf4, 0xd6) }, { 0.5, QColor(0xec, 0xd0, 0x8e) },
                    { 1, QColor(0xc7, 0x9d, 0x4a) } });
    } else {
        fill = top
            ? lacquer(area, { { 0, QColor(0xf1, 0xde, 0xab) }, { 1, QColor(0xc4, 0x9b, 0x4c) } })
            : lacquer(area,
                { { 0, QColor(0xf6, 0xe7, 0xbd) }, { 0.5, QColor(0xe0, 0xc2, 0x7a) },
                    { 1, QColor(0xb6, 0x8d, 0x3c) } });
    }
    if (focused && isEnabled())
        border = QColor(0x1f, 0x4f, 0xbf);
    painter.setPen(QPen(border, edge));
    painter.setBrush(fill);
    painter.drawRoundedRect(area, radius, radius);

    painter.setPen(ink);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
}

} // namespace tavolier
