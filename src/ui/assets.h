#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <future>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

namespace tavolier {

// Where the pictures and sounds are looked for, first match wins: the
// executable's folder, its "assets" folder (the build tree) and the installed
// data folder as seen from the installed executable ("../share/tavolier" from
// /usr/games), so an installed tree works wherever its prefix is. The folder
// the game is started from is not among them.
[[nodiscard]] QStringList defaultAssetDirs();

// Where the sound module and the chips chart plugin are looked for: the
// executable's folder, then the installed module folder as seen from the
// installed executable.
[[nodiscard]] QStringList defaultPluginDirs();

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

// Reads a picture file. PNG and BMP files are read by Qt's own readers,
// chosen by the suffix, so that no image format plugin is loaded to guess
// the format (loading them all costs start-up time and memory); a file whose
// contents are not what its suffix says, and every other format, is read
// through the plugins. A null image when nothing reads it.
[[nodiscard]] QImage readPictureFile(const QString& path);

// The file name of the doubled-resolution variant: "cards.png" ->
// "cards@2x.png"; "texasbmp2.bmp" -> "texasbmp2@2x.png" (bitmaps come as PNG).
[[nodiscard]] QString doubledName(const QString& name);

// The files a picture may be read from, best first: at scale > 1 the 2x
// variant (raw, then as named), then the 1x picture (raw, then as named).
// The raw copies ("cards.argb", see raw_picture.h) load fastest; only the
// pictures listed there have one.
struct PictureFiles {
    struct File {
        QString path;
        bool doubled = false;
    };
    std::vector<File> files;

    [[nodiscard]] static PictureFiles find(
        const AssetFinder& finder, const QString& name, qreal scale);
    // The first file that reads, its device pixel ratio set (2 for the 2x
    // variant); a null image when none reads. Safe on any thread.
    [[nodiscard]] QImage read() const;
};

// A piece of work started on a worker thread: its result, and a signal that
// completes as soon as the work has returned (the next piece waits on it).
template <typename Result> struct ChainedWork {
    std::future<Result> result;
    std::shared_future<void> finished;
};

// Runs work on a worker thread once after has completed (at once when after
// is empty), so that decodes chained this way run one at a time and their
// scratch memory does not pile up.
template <typename Work>
[[nodiscard]] ChainedWork<std::invoke_result_t<Work&>> startAfter(
    std::shared_future<void> after, Work work) {
    auto finished = std::make_shared<std::promise<void>>();
    ChainedWork<std::invoke_result_t<Work&>> started;
    started.finished = finished->get_future().share();
    started.result = std::async(
        std::launch::async, [after = std::move(after), work = std::move(work), finished]() mutable {
            if (after.valid())
                after.wait();
            auto result = work();
            finished->set_value();
            return result;
        });
    return started;
}

// A list of equal-sized pictures cut from a horizontal strip. Each picture
// carries its device pixel ratio, so it is drawn at its 1x size in logical
// coordinates whatever resolution it was loaded at. The strip is decoded
// when first asked for a picture, or ahead of that on a worker thread
// (prefetch); either way the pictures are the same.
class ImageStrip {
public:
    ImageStrip() = default;
    ~ImageStrip();
    ImageStrip(const ImageStrip&) = delete;
    ImageStrip& operator=(const ImageStrip&) = delete;

    // Cuts the strip found under name (preferring the 2x file when scale > 1)
    // into pictures of width x height logical pixels, at once. A missing
    // file gives an empty list.
    void load(const AssetFinder& finder, const QString& name, int width, int height, qreal scale);
    // The same, but only finds the file now; it is decoded on first use.
    void locate(const AssetFinder& finder, const QString& name, int width, int height, qreal scale);
    // Starts decoding a located strip on a worker thread, once after has
    // completed (so that decodes run one at a time and their scratch memory
    // does not pile up); the result completes when this decode has.
    std::shared_future<void> prefetch(std::shared_future<void> after = {});
    // True once the pictures are in memory.
    [[nodiscard]] bool decoded() const { return m_decoded; }

    [[nodiscard]] int count() const;
    // nullptr for an index outside the list.
    [[nodiscard]] const QImage* picture(int index) const;
    [[nodiscard]] int width() const { return m_width; }
    [[nodiscard]] int height() const { return m_height; }

private:
    void decode() const;

    PictureFiles m_source;
    mutable std::vector<QImage> m_pictures;
    mutable std::future<std::vector<QImage>> m_pending;
    mutable bool m_decoded = true;
    int m_width = 0;
    int m_height = 0;
};

// A single picture that is found at once (preferring the 2x variant when
// scale > 1) but decoded only when first asked for, or ahead of that on a
// worker thread (prefetch); either way the picture is the same.
class LazyPicture {
public:
    LazyPicture(const AssetFinder& finder, const QString& name, qreal scale);
    ~LazyPicture();
    LazyPicture(const LazyPicture&) = delete;
    LazyPicture& operator=(const LazyPicture&) = delete;

    // Starts decoding on a worker thread once after has completed, unless
    // done or started already; the result completes when this decode has.
    std::shared_future<void> prefetch(std::shared_future<void> after = {});
    [[nodiscard]] bool decoded() const { return m_decoded; }
    // The picture (a null image when its file is missing or unreadable).
    [[nodiscard]] const QImage& image();

private:
    PictureFiles m_source;
    QImage m_image;
    std::future<QImage> m_pending;
    bool m_decoded = false;
};

} // namespace tavolier
