#pragma once

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <QtEndian>

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace tavolier {

// The pictures the first frame shows are also stored raw, so that they load
// with one read instead of a decode ("cards.argb" beside "cards.png"):
//  - 8 bytes "TVARGB01", then the width and the height as 32-bit
//    little-endian numbers;
//  - width x height pixels, rows top to bottom, each a 32-bit little-endian
//    word 0xAARRGGBB with premultiplied alpha.
// Fields and pixels are those of QImage::Format_ARGB32_Premultiplied, so on
// a little-endian machine the pixels are read straight into the image.
inline constexpr char kRawMagic[8] = { 'T', 'V', 'A', 'R', 'G', 'B', '0', '1' };
inline constexpr int kRawHeaderSize = 16;
// The largest side a raw picture may have (the sheets are a few thousand wide).
inline constexpr std::uint32_t kRawMaxSide = 1U << 15;

// The pictures that come with a raw copy: those the start-up deal and the
// first frame show. Only these are looked for raw, so no other picture costs
// a look-up more.
inline constexpr std::array<const char*, 8> kRawCopies { "cards.png", "cards@2x.png",
    "highlights.png", "highlights@2x.png", "procent.png", "procent@2x.png", "texasbmp2.bmp",
    "texasbmp2@2x.png" };

// The same picture painted in another language ("procent_de@2x.png") has
// one too.
[[nodiscard]] inline bool hasRawCopy(const QString& name) {
    QString plain = name;
    const qsizetype mark = name.lastIndexOf(QLatin1Char('_'));
    if (mark > 0 && mark + 3 < name.size()
        && (name[mark + 3] == QLatin1Char('.') || name[mark + 3] == QLatin1Char('@')))
        plain = name.left(mark) + name.mid(mark + 3);
    for (const char* copy : kRawCopies) {
        if (plain == QLatin1String(copy))
            return true;
    }
    return false;
}

// The raw file name of a picture: "cards@2x.png" -> "cards@2x.argb".
[[nodiscard]] inline QString rawName(const QString& name) {
    const qsizetype dot = name.lastIndexOf('.');
    return (dot < 0 ? name : name.left(dot)) + QStringLiteral(".argb");
}

// Reads a raw picture; a null image when the file is missing, short, not
// raw at all, or bigger than the image readers' allocation limit.
[[nodiscard]] inline QImage readRawPicture(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::array<char, kRawHeaderSize> header {};
    if (file.read(header.data(), kRawHeaderSize) != kRawHeaderSize
        || std::memcmp(header.data(), kRawMagic, sizeof kRawMagic) != 0)
        return {};
    const auto width = qFromLittleEndian<std::uint32_t>(header.data() + 8);
    const auto height = qFromLittleEndian<std::uint32_t>(header.data() + 12);
    if (width == 0 || height == 0 || width > kRawMaxSide || height > kRawMaxSide)
        return {};
    const qint64 bytes = qint64 { width } * height * 4;
    // The same cap as for every other picture the image readers decode.
    if (const int limitMb = QImageReader::allocationLimit();
        limitMb > 0 && bytes > qint64 { limitMb } * 1024 * 1024)
        return {};
    if (file.size() != kRawHeaderSize + bytes)
        return {};
    QImage image(
        static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull() || image.sizeInBytes() != bytes)
        return {};
    if (file.read(reinterpret_cast<char*>(image.bits()), bytes) != bytes)
        return {};
    if constexpr (Q_BYTE_ORDER == Q_BIG_ENDIAN) {
        auto* pixels = reinterpret_cast<std::uint32_t*>(image.bits());
        for (qint64 i = 0; i < qint64 { width } * height; ++i)
            pixels[i] = qFromLittleEndian(pixels[i]);
    }
    return image;
}

// Writes a picture raw; false when the file cannot be written.
[[nodiscard]] inline bool writeRawPicture(const QImage& picture, const QString& path) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QFile file(path);
    if (image.isNull() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    std::array<char, kRawHeaderSize> header {};
    std::memcpy(header.data(), kRawMagic, sizeof kRawMagic);
    qToLittleEndian<std::uint32_t>(static_cast<std::uint32_t>(image.width()), header.data() + 8);
    qToLittleEndian<std::uint32_t>(static_cast<std::uint32_t>(image.height()), header.data() + 12);
    bool ok = file.write(header.data(), kRawHeaderSize) == kRawHeaderSize;
    for (int y = 0; y < image.height() && ok; ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        std::vector<std::uint32_t> words(line, line + image.width());
        for (std::uint32_t& w : words)
            w = qToLittleEndian(w);
        const auto size = static_cast<qint64>(words.size() * 4);
        ok = file.write(reinterpret_cast<const char*>(words.data()), size) == size;
    }
    return ok && file.flush();
}

} // namespace tavolier
