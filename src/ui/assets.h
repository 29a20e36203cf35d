#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

namespace tavolier {

// Where the pictures and sounds are looked for, first match wins: the
// working folder, its "assets" folder, the executable's folder, its "assets"
// folder (the build tree) and the installed data folder as seen from the
// installed executable ("../share/tavolier" from /usr/games), so an installed
// tree works wherever its prefix is.
[[nodiscard]] QStringList defaultAssetDirs();

// Finds asset files by bare name in an ordered list of folders.
class AssetFinder {
public:
    explicit AssetFinder(QStringList dirs = defaultAssetDirs());

    // The full path of the first existing file called name, or empty.
    [[nodiscard]] QString find(const QString& name) const;
    [[nodiscard]] const QStringList& dirs() const { return m_dirs; }

private:
    QStringList m_dirs;
};

// The file name of the doubled-resolution variant: "cards.png" ->
// "cards@2x.png"; "texasbmp2.bmp" -> "texasbmp2@2x.png" (bitmaps come as PNG).
[[nodiscard]] QString doubledName(const QString& name);

// A list of equal-sized pictures cut from a horizontal strip. Each picture
// carries its device pixel ratio, so it is drawn at its 1x size in logical
// coordinates whatever resolution it was loaded at.
class ImageStrip {
public:
    ImageStrip() = default;
    // Cuts the strip found under name (preferring the 2x file when scale > 1)
    // into pictures of width x height logical pixels. A missing file gives an
    // empty list.
    void load(const AssetFinder& finder, const QString& name, int width, int height, qreal scale);

    [[nodiscard]] int count() const { return static_cast<int>(m_pictures.size()); }
    // nullptr for an index outside the list.
    [[nodiscard]] const QImage* picture(int index) const;
    [[nodiscard]] int width() const { return m_width; }
    [[nodiscard]] int height() const { return m_height; }

private:
    std::vector<QImage> m_pictures;
    int m_width = 0;
    int m_height = 0;
};

// Loads a single picture, preferring the 2x variant when scale > 1; a null
// image when neither exists.
[[nodiscard]] QImage loadPicture(const AssetFinder& finder, const QString& name, qreal scale);

} // namespace tavolier
