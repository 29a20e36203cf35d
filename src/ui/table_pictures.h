#pragma once

#include "core/table_view.h"
#include "ui/assets.h"

#include <QImage>
#include <QString>

#include <array>
#include <future>
#include <memory>

namespace tavolier {

// The table's pictures: the six picture lists the core stamps and the
// background that clears its areas, found in the asset folders at the
// canvas's scale. What the start-up deal shows is read ahead on a worker
// thread while the window builds its controls, the rest after the first
// frame, one list after the other so their decoding scratch never piles up.
class TablePictures {
public:
    explicit TablePictures(const AssetFinder& finder);
    TablePictures(const TablePictures&) = delete;
    TablePictures& operator=(const TablePictures&) = delete;

    // Finds every list at scale (each is decoded when first stamped or read
    // ahead); the background is read again at its next use.
    void locate(qreal scale);
    // Starts reading the start-up deal's lists and the background.
    void prefetchFirstFrame();
    // Reads the lists the first frame did not need.
    void prefetchRest();

    [[nodiscard]] const ImageStrip& strip(ImageList list) const;
    // The file of a picture list ("cards.png").
    [[nodiscard]] static const char* fileOf(ImageList list);

    // The background, looked up and checked at every call and decoded again
    // only when its file has changed; false when it cannot be read.
    bool loadBackground();
    // The last background that loaded (null before).
    [[nodiscard]] const QImage& background() const { return m_background; }

private:
    const AssetFinder& m_finder;
    qreal m_scale = 1.0;
    std::array<std::unique_ptr<ImageStrip>, 6> m_strips;
    QImage m_background;
    QString m_backgroundPath;
    qint64 m_backgroundStamp = -1;
    // The background's first read, started on a worker thread.
    struct {
        QString path;
        qint64 stamp = -1;
        std::future<QImage> image;
    } m_backgroundAhead;
};

} // namespace tavolier
