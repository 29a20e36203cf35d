#include "ui/assets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tavolier {

QStringList defaultAssetDirs() {
    const QString cwd = QDir::currentPath();
    const QString exe = QCoreApplication::applicationDirPath();
    QStringList dirs { cwd, cwd + "/assets" };
    if (!exe.isEmpty())
        dirs << exe << exe + "/assets" << QDir::cleanPath(exe + "/" TAVOLIER_DATA_FROM_PROGRAM);
    dirs.removeDuplicates();
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

QString doubledName(const QString& name) {
    const qsizetype dot = name.lastIndexOf('.');
    if (dot < 0)
        return name + "@2x";
    QString suffix = name.mid(dot);
    if (suffix.compare(".bmp", Qt::CaseInsensitive) == 0)
        suffix = ".png";
    return name.left(dot) + "@2x" + suffix;
}

QImage loadPicture(const AssetFinder& finder, const QString& name, qreal scale) {
    if (scale > 1.0) {
        const QString path = finder.find(doubledName(name));
        QImage image;
        if (!path.isEmpty() && image.load(path)) {
            image.setDevicePixelRatio(2.0);
            return image;
        }
    }
    const QString path = finder.find(name);
    QImage image;
    if (path.isEmpty() || !image.load(path))
        return {};
    return image;
}

void ImageStrip::load(
    const AssetFinder& finder, const QString& name, int width, int height, qreal scale) {
    m_pictures.clear();
    m_width = width;
    m_height = height;
    const QImage strip = loadPicture(finder, name, scale);
    if (strip.isNull() || width <= 0 || height <= 0)
        return;
    const int factor = strip.devicePixelRatio() > 1.0 ? 2 : 1;
    const int w = width * factor;
    const int h = height * factor;
    const QImage converted = strip.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int count = converted.width() / w;
    m_pictures.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        QImage picture = converted.copy(i * w, 0, w, std::min(h, converted.height()));
        picture.setDevicePixelRatio(factor);
        m_pictures.push_back(std::move(picture));
    }
}

const QImage* ImageStrip::picture(int index) const {
    if (index < 0 || index >= count())
        return nullptr;
    return &m_pictures[static_cast<std::size_t>(index)];
}

} // namespace tavolier
