#include "ui/assets.h"

#include "tavolier_install_paths.h"
#include "ui/raw_picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <memory>

namespace tavolier {

QStringList defaultAssetDirs() {
    // Only the game's own folders: a picture or sound in whatever folder the
    // game was started from is never taken for one of its own.
    const QString exe = QCoreApplication::applicationDirPath();
    QStringList dirs;
    if (!exe.isEmpty())
        dirs << exe << exe + "/assets" << QDir::cleanPath(exe + "/" TAVOLIER_DATA_FROM_PROGRAM);
    dirs.removeDuplicates();
    return dirs;
}

QStringList defaultPluginDirs() {
    const QString exe = QCoreApplication::applicationDirPath();
    QStringList dirs;
    if (!exe.isEmpty())
        dirs << exe << QDir::cleanPath(exe + "/" TAVOLIER_PLUGIN_FROM_PROGRAM);
    return dirs;
}

AssetFinder::AssetFinder(QStringList dirs)
    : m_dirs(std::move(dirs)) {
}

QString AssetFinder::find(const QString& name) const {
    for (const QString& dir : m_dirs) {
        const QFileInfo info(QDir(dir), name);
        if (info.isFile())
            return info.absoluteFilePath();
    }
    return {};
}

QImage readPictureFile(const QString& path) {
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    if (suffix == "png" || suffix == "bmp") {
        QImageReader reader(path, suffix);
        reader.setAutoDetectImageFormat(false);
        if (QImage image = reader.read(); !image.isNull())
            return image;
    }
    return QImageReader(path).read();
}

QString doubledName(const QString& name) {
    const qsizetype dot = name.lastIndexOf('.');
    if (dot < 0)
        return name + "@2x";
    QString suffix = name.mid(dot);
    if (suffix.compare(".bmp", Qt::CaseInsensitive) == 0)
        suffix = ".png";
    return name.left(dot) + "@2x" + suffix;
}

PictureFiles PictureFiles::find(const AssetFinder& finder, const QString& name, qreal scale) {
    PictureFiles found;
    // A raw copy counts beside its picture when it is not older, so a picture
    // replaced in an earlier folder, or repainted, wins over a stale copy.
    auto add = [&](const QString& file, bool doubled) {
        const bool raw = hasRawCopy(file);
        const QString path = finder.find(file);
        if (path.isEmpty()) {
            const QString copy = raw ? finder.find(rawName(file)) : QString();
            if (!copy.isEmpty())
                found.files.push_back({ copy, doubled });
            return;
        }
        const QFileInfo copy(rawName(path));
        if (raw && copy.isFile() && copy.lastModified() >= QFileInfo(path).lastModified())
            found.files.push_back({ copy.filePath(), doubled });
        found.files.push_back({ path, doubled });
    };
    if (scale > 1.0)
        add(doubledName(name), true);
    add(name, false);
    return found;
}

QImage PictureFiles::read() const {
    for (const File& file : files) {
        QImage image = file.path.endsWith(QStringLiteral(".argb")) ? readRawPicture(file.path)
                                                                   : readPictureFile(file.path);
        if (image.isNull())
            continue;
        if (file.doubled)
            image.setDevicePixelRatio(2.0);
        return image;
    }
    return {};
}

LazyPicture::LazyPicture(const AssetFinder& finder, const QString& name, qreal scale)
    : m_source(PictureFiles::find(finder, name, scale)) {
}

LazyPicture::~LazyPicture() {
    if (m_pending.valid())
        m_pending.wait();
}

std::shared_future<void> LazyPicture::prefetch(std::shared_future<void> after) {
    if (m_decoded || m_pending.valid())
        return after;
    ChainedWork<QImage> started
        = startAfter(std::move(after), [source = m_source] { return source.read(); });
    m_pending = std::move(started.result);
    return started.finished;
}

const QImage& LazyPicture::image() {
    if (!m_decoded) {
        m_image = m_pending.valid() ? m_pending.get() : m_source.read();
        m_decoded = true;
    }
    return m_image;
}

namespace {

// Cuts a strip picture into pictures of the given logical size, at the
// strip's own device pixel ratio.
std::vector<QImage> cutStrip(const QImage& strip, int width, int height) {
    std::vector<QImage> pictures;
    if (strip.isNull() || width <= 0 || height <= 0)
        return pictures;
    const int factor = strip.devicePixelRatio() > 1.0 ? 2 : 1;
    const int w = width * factor;
    const int h = height * factor;
    const QImage converted = strip.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int count = converted.width() / w;
    pictures.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        QImage picture = converted.copy(i * w, 0, w, std::min(h, converted.height()));
        picture.setDevicePixelRatio(factor);
        pictures.push_back(std::move(picture));
    }
    return pictures;
}

} // namespace

ImageStrip::~ImageStrip() {
    if (m_pending.valid())
        m_pending.wait();
}

void ImageStrip::locate(
    const AssetFinder& finder, const QString& name, int width, int height, qreal scale) {
    if (m_pending.valid())
        m_pending.wait();
    m_pending = {};
    m_pictures.clear();
    m_width = width;
    m_height = height;
    m_source = PictureFiles::find(finder, name, scale);
    m_decoded = false;
}

void ImageStrip::load(
    const AssetFinder& finder, const QString& name, int width, int height, qreal scale) {
    locate(finder, name, width, height, scale);
    decode();
}

std::shared_future<void> ImageStrip::prefetch(std::shared_future<void> after) {
    if (m_decoded || m_pending.valid())
        return after;
    ChainedWork<std::vector<QImage>> started
        = startAfter(std::move(after), [source = m_source, width = m_width, height = m_height] {
              return cutStrip(source.read(), width, height);
          });
    m_pending = std::move(started.result);
    return started.finished;
}

void ImageStrip::decode() const {
    if (m_decoded)
        return;
    m_pictures = m_pending.valid() ? m_pending.get() : cutStrip(m_source.read(), m_width, m_height);
    m_decoded = true;
}

int ImageStrip::count() const {
    decode();
    return static_cast<int>(m_pictures.size());
}

const QImage* ImageStrip::picture(int index) const {
    if (index < 0 || index >= count())
        return nullptr;
    return &m_pictures[static_cast<std::size_t>(index)];
}

} // namespace tavolier
