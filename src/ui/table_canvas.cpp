#include "ui/table_canvas.h"

#include "ui/fonts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QRegion>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace tavolier {

namespace {

// A card drawn without its picture: a plain face with its rank and suit, or
// a plain back (pictures 52 and up), so the cards show whatever happened to
// the card sheet.
void drawPlainCard(QPainter& painter, const QRectF& area, int index) {
    const QRectF card = area.adjusted(1, 1, -1, -1);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    if (index >= 52) {
        painter.setBrush(QColor(30, 50, 120));
        painter.drawRoundedRect(card, 5, 5);
        painter.setPen(QPen(QColor(220, 220, 240), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(card.adjusted(5, 5, -5, -5), 3, 3);
    } else {
        static constexpr std::string_view kRanks = "23456789TJQKA";
        static constexpr std::array<const char*, 4> kSuits { "\u2663", "\u2666", "\u2665",
            "\u2660" };
        const int suit = index / 13;
        const int rank = index % 13;
        painter.setBrush(QColor(250, 250, 245));
        painter.drawRoundedRect(card, 5, 5);
        painter.setPen(suit == 1 || suit == 2 ? QColor(190, 20, 20) : QColor(10, 10, 10));
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(static_cast<int>(card.height() / 3));
        painter.setFont(font);
        const QString rankText = kRanks[static_cast<std::size_t>(rank)] == 'T'
            ? QStringLiteral("10")
            : QString(QChar(kRanks[static_cast<std::size_t>(rank)]));
        painter.drawText(
            card.adjusted(4, 2, -4, -card.height() / 2), Qt::AlignLeft | Qt::AlignTop, rankText);
        painter.drawText(card.adjusted(0, card.height() / 3, 0, 0), Qt::AlignCenter,
            QString::fromUtf8(kSuits[static_cast<std::size_t>(suit)]));
    }
    painter.restore();
}

} // namespace

TableCanvas::TableCanvas(QWidget& window, const AssetFinder& finder)
    : m_window(window)
    , m_finder(finder)
    , m_pictures(finder) {
}

void TableCanvas::setScale(qreal scale) {
    m_scale = scale;
    m_pictures.locate(m_scale);
    m_image = QImage(QSize(1000, 670) * m_scale, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(m_scale);
    m_image.fill(Qt::black);
}

bool TableCanvas::fit(QSize window) {
    const qreal zoom = std::max(1.0, std::min(window.width() / 1000.0, window.height() / 670.0));
    const QPoint origin(static_cast<int>((window.width() - 1000 * zoom) / 2),
        static_cast<int>((window.height() - 670 * zoom) / 2));
    if (zoom == m_zoom && origin == m_origin)
        return false;
    m_zoom = zoom;
    m_origin = origin;
    return true;
}

bool TableCanvas::paintBackground() {
    if (!m_pictures.loadBackground()) {
        reportMissingPicture(QStringLiteral("texasbmp2.bmp"));
        return false;
    }
    clearArea(Rect { 0, 0, 1012, 680 });
    return true;
}

void TableCanvas::clearArea(Rect area) {
    const QRect target = QRect(QPoint(area.left, area.top), QPoint(area.right - 1, area.bottom - 1))
                             .intersected(QRect(0, 0, 1000, 670));
    if (target.isEmpty())
        return;
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage& background = m_pictures.background();
    if (background.isNull()) {
        painter.fillRect(target, Qt::black);
    } else {
        const qreal s = background.devicePixelRatio();
        const QRectF source(
            target.x() * s, target.y() * s, target.width() * s, target.height() * s);
        painter.drawImage(QRectF(target), background, source);
    }
    touched(target);
}

void TableCanvas::stamp(ImageList list, int index, int x, int y) {
    const ImageStrip& pictures = strip(list);
    const QImage* picture = pictures.picture(index);
    const QRect target(x, y, pictures.width(), pictures.height());
    if (picture == nullptr) {
        if (pictures.count() == 0)
            reportMissingPicture(QString::fromLatin1(TablePictures::fileOf(list)));
        // The cards are the game: without their pictures they are drawn plain.
        if (list != ImageList::cards || index < 0 || index >= 60)
            return;
        QPainter painter(&m_image);
        drawPlainCard(painter, QRectF(target), index);
        touched(target);
        return;
    }
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(target), *picture);
    touched(target);
}

void TableCanvas::reportMissingPicture(const QString& file) {
    if (m_missingPictures.contains(file))
        return;
    m_missingPictures << file;
    qWarning("tavolier: the picture %s is missing or cannot be read (looked for in %s)",
        qPrintable(file), qPrintable(m_finder.dirs().join(QStringLiteral(", "))));
    if (m_pictureNotice == nullptr) {
        m_pictureNotice = new QLabel(&m_window);
        m_pictureNotice->setObjectName("pictureNotice");
        m_pictureNotice->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_pictureNotice->setStyleSheet(
            "QLabel { color: #fff4d6; background: rgba(0, 0, 0, 160); padding: 1px 4px; }");
        m_pictureNotice->setFont(uiFont("Verdana", 8, false));
        m_pictureNotice->move(292, 3);
        // Sized by its text at every zoom; placed at once when the table
        // is enlarged already.
        m_pictureNotice->setProperty("fitsText", true);
        if (zoomed())
            zoomWidget(m_pictureNotice, m_zoom, m_origin, true);
    }
    m_pictureNotice->setText(
        QCoreApplication::translate("TableWindow", "Pictures missing or unreadable: %1")
            .arg(m_missingPictures.join(", ")));
    m_pictureNotice->adjustSize();
    m_pictureNotice->show();
    m_pictureNotice->raise();
}

void TableCanvas::touched(const QRect& area) {
    m_window.update(zoomed() ? toWindow(area) : area);
}

QRect TableCanvas::toWindow(const QRect& logical) const {
    const QRectF r(
        QPointF(logical.topLeft()) * m_zoom + QPointF(m_origin), QSizeF(logical.size()) * m_zoom);
    return r.toAlignedRect().adjusted(-1, -1, 1, 1);
}

QPoint TableCanvas::toTable(const QPoint& inWindow) const {
    return ((QPointF(inWindow - m_origin)) / m_zoom).toPoint();
}

void TableCanvas::paint(QPainter& painter, const QRect& area) const {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!zoomed()) {
        const QRectF source(area.x() * m_scale, area.y() * m_scale, area.width() * m_scale,
            area.height() * m_scale);
        painter.drawImage(QRectF(area), m_image, source);
        return;
    }
    // Black round the table, the table scaled into its place.
    const QRectF table(QPointF(m_origin), QSizeF(1000, 670) * m_zoom);
    painter.setClipRegion(QRegion(area) - QRegion(table.toAlignedRect()));
    painter.fillRect(area, Qt::black);
    painter.setClipRect(area);
    painter.drawImage(table, m_image);
}

void zoomWidget(QWidget* widget, qreal zoom, QPoint origin, bool placed) {
    if (!widget->property("tableGeometry").isValid()) {
        widget->setProperty("tableGeometry", widget->geometry());
        const QFont font = widget->font();
        widget->setProperty("tableFontPixels", font.pixelSize());
        widget->setProperty("tableFontPoints", font.pointSizeF());
    }
    QFont font = widget->font();
    const int pixels = widget->property("tableFontPixels").toInt();
    if (pixels > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels * zoom))));
    else if (const qreal points = widget->property("tableFontPoints").toReal(); points > 0)
        font.setPointSizeF(points * zoom);
    widget->setFont(font);
    if (placed) {
        const QRect r = widget->property("tableGeometry").toRect();
        widget->setGeometry(
            QRectF(QPointF(r.topLeft()) * zoom + QPointF(origin), QSizeF(r.size()) * zoom)
                .toRect());
        if (widget->property("fitsText").toBool())
            widget->adjustSize();
    }
    // Children placed by hand follow; those of a layout are placed by it.
    const bool byHand = widget->layout() == nullptr;
    for (QObject* child : widget->children()) {
        auto* inner = qobject_cast<QWidget*>(child);
        if (inner != nullptr && !inner->isWindow())
            zoomWidget(inner, zoom, QPoint(), byHand);
    }
}

} // namespace tavolier
