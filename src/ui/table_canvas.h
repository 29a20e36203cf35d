#pragma once

#include "core/table_view.h"
#include "ui/assets.h"
#include "ui/table_pictures.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

class QLabel;
class QPainter;
class QWidget;

namespace tavolier {

// TableCanvas: the table's retained canvas. The core stamps pictures into an
// image of the table's 1000 x 670 layout at the pictures' scale, and the
// window only shows it, enlarged to fill the window with black bars round
// it. A picture file that is missing or unreadable is told once, in the log
// and in a notice on the table.
class TableCanvas {
public:
    // Paints into window (which it asks to repaint what it touched), with the
    // pictures found by finder.
    TableCanvas(QWidget& window, const AssetFinder& finder);
    TableCanvas(const TableCanvas&) = delete;
    TableCanvas& operator=(const TableCanvas&) = delete;

    // The image at the device pixel ratio of the pictures.
    [[nodiscard]] const QImage& image() const { return m_image; }
    [[nodiscard]] TablePictures& pictures() { return m_pictures; }
    [[nodiscard]] const ImageStrip& strip(ImageList list) const { return m_pictures.strip(list); }
    [[nodiscard]] qreal scale() const { return m_scale; }
    // How much the table is enlarged in the window, and where it starts.
    [[nodiscard]] qreal zoom() const { return m_zoom; }
    [[nodiscard]] QPoint origin() const { return m_origin; }
    [[nodiscard]] bool zoomed() const { return m_zoom != 1.0 || !m_origin.isNull(); }

    // A black image at scale, and the pictures found again at it.
    void setScale(qreal scale);
    // Fits the table into a window of this size, keeping its proportions;
    // false when its zoom and place stay as they were.
    bool fit(QSize window);

    // What the core asks of the canvas.
    bool paintBackground();
    void clearArea(Rect area);
    void stamp(ImageList list, int index, int x, int y);

    // The table's layout to the window's pixels and back.
    [[nodiscard]] QRect toWindow(const QRect& logical) const;
    [[nodiscard]] QPoint toTable(const QPoint& inWindow) const;
    // Shows the part area of the window.
    void paint(QPainter& painter, const QRect& area) const;

    // The picture files that were missing or unreadable, and the notice that
    // names them (null while none is).
    [[nodiscard]] const QStringList& missingPictures() const { return m_missingPictures; }
    [[nodiscard]] QLabel* pictureNotice() const { return m_pictureNotice; }

private:
    void reportMissingPicture(const QString& file);
    // Marks a logical rectangle of the canvas for repainting.
    void touched(const QRect& area);

    QWidget& m_window;
    const AssetFinder& m_finder;
    // The picture lists and the background, at the canvas's scale.
    TablePictures m_pictures;
    QImage m_image;
    qreal m_scale = 1.0;
    qreal m_zoom = 1.0;
    QPoint m_origin;
    QStringList m_missingPictures;
    QLabel* m_pictureNotice = nullptr;
};

// Places and sizes a control of the table, and the controls placed by hand
// inside it, for the zoom: their 1x places and fonts are kept the first time.
void zoomWidget(QWidget* widget, qreal zoom, QPoint origin, bool placed);

} // namespace tavolier
