#include "ui/table_pictures.h"

#include "ui/language.h"

#include <QDateTime>
#include <QFileInfo>

namespace tavolier {

namespace {

template <typename E> constexpr std::size_t at(E value) {
    return static_cast<std::size_t>(value);
}

// Each picture list: its file, the 1x size of one picture, and whether it
// carries words (painted again in each language).
struct StripFile {
    const char* file;
    int width;
    int height;
    bool words;
};

// clang-format off
const std::array<StripFile, 6> kStripFiles { {
    { "cards.png",      62,  84,  false },
    { "highlights.png", 128, 128, false },
    { "winks.png",      71, 104,  false },
    { "smiles.png",     128, 128, false },
    { "procent.png",    139, 127, true },
    { "gold.png",       94,  94,  false },
} };
// clang-format on

constexpr const char* kBackgroundFile = "texasbmp2.bmp";

// What tells a changed picture file from the one read before.
qint64 fileStamp(const QString& path) {
    const QFileInfo info(path);
    return info.lastModified().toMSecsSinceEpoch() ^ (info.size() << 20);
}

// The background as the canvas uses it: opaque RGB32. The raw copy is
// written opaque, so its pixels are taken as they are.
QImage readBackground(const PictureFiles& files) {
    QImage loaded = files.read();
    if (!loaded.isNull()
        && (!files.files.front().path.endsWith(QStringLiteral(".argb"))
            || !loaded.reinterpretAsFormat(QImage::Format_RGB32)))
        loaded = loaded.convertToFormat(QImage::Format_RGB32);
    return loaded;
}

} // namespace

TablePictures::TablePictures(const AssetFinder& finder)
    : m_finder(finder) {
}

void TablePictures::locate(qreal scale) {
    m_scale = scale;
    // Only found here: a list is decoded when first stamped (the first frame
    // needs only the cards) or after the first frame on a worker thread.
    for (std::size_t i = 0; i < kStripFiles.size(); ++i) {
        m_strips[i] = std::make_unique<ImageStrip>();
        const StripFile& strip = kStripFiles[i];
        const QString file = QString::fromLatin1(strip.file);
        m_strips[i]->locate(m_finder, strip.words ? pictureInLanguage(m_finder, file) : file,
            strip.width, strip.height, m_scale);
    }
    m_background = QImage();
    m_backgroundPath.clear();
    m_backgroundStamp = -1;
}

void TablePictures::prefetchFirstFrame() {
    // One after the other on a worker thread, while the window builds its
    // controls (their fonts take most of its time): the start-up deal's
    // pictures and the background are then ready, or nearly, when asked for.
    std::shared_future<void> turn;
    for (ImageList list : { ImageList::procent, ImageList::highlights, ImageList::cards })
        turn = m_strips[at(list)]->prefetch(turn);
    PictureFiles background = PictureFiles::find(m_finder, kBackgroundFile, m_scale);
    if (background.files.empty())
        return;
    m_backgroundAhead.path = background.files.front().path;
    m_backgroundAhead.stamp = fileStamp(m_backgroundAhead.path);
    m_backgroundAhead.image = startAfter(std::move(turn), [files = std::move(background)] {
        return readBackground(files);
    }).result;
}

void TablePictures::prefetchRest() {
    std::shared_future<void> turn;
    for (const auto& strip : m_strips)
        turn = strip->prefetch(turn);
}

const ImageStrip& TablePictures::strip(ImageList list) const {
    return *m_strips[at(list)];
}

const char* TablePictures::fileOf(ImageList list) {
    return kStripFiles[at(list)].file;
}

bool TablePictures::loadBackground() {
    const PictureFiles files = PictureFiles::find(m_finder, kBackgroundFile, m_scale);
    if (files.files.empty())
        return false;
    const QString& path = files.files.front().path;
    const qint64 stamp = fileStamp(path);
    if (path != m_backgroundPath || stamp != m_backgroundStamp || m_background.isNull()) {
        QImage loaded;
        // The read started with the window serves if the file is the same.
        if (m_backgroundAhead.image.valid()) {
            QImage ahead = m_backgroundAhead.image.get();
            if (path == m_backgroundAhead.path && stamp == m_backgroundAhead.stamp)
                loaded = std::move(ahead);
        }
        if (loaded.isNull())
            loaded = readBackground(files);
        if (loaded.isNull())
            return false;
        m_background = std::move(loaded);
        m_backgroundPath = path;
        m_backgroundStamp = stamp;
    }
    return true;
}

} // namespace tavolier
