#include "ui/wave_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string_view>

namespace tavolier {

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

// The tail shared by the sub-format identifiers of the extensible header.
constexpr std::array<std::uint8_t, 14> kSubFormatTail
    = { 0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71 };

// Little-endian reads from a byte span; the caller checks the bounds.
std::uint32_t readLe(std::span<const std::byte> bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8)
            | std::to_integer<std::uint32_t>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

bool hasTag(std::span<const std::byte> bytes, std::size_t at, std::string_view tag) {
    return std::memcmp(bytes.data() + at, tag.data(), tag.size()) == 0;
}

struct Layout {
    bool isFloat = false;
    int channels = 0;
    int sampleRate = 0;
    int bits = 0;
};

// Reads the format chunk; nothing for a layout this decoder does not play.
std::optional<Layout> readFormat(std::span<const std::byte> chunk) {
    if (chunk.size() < 16)
        return std::nullopt;
    std::uint16_t tag = static_cast<std::uint16_t>(readLe(chunk, 0, 2));
    Layout layout;
    layout.channels = static_cast<int>(readLe(chunk, 2, 2));
    const std::uint32_t rate = readLe(chunk, 4, 4);
    const std::uint32_t blockAlign = readLe(chunk, 12, 2);
    layout.bits = static_cast<int>(readLe(chunk, 14, 2));
    if (tag == kFormatExtensible) {
        if (chunk.size() < 40 || readLe(chunk, 16, 2) < 22)
            return std::nullopt;
        tag = static_cast<std::uint16_t>(readLe(chunk, 24, 2));
        if (!std::equal(kSubFormatTail.begin(), kSubFormatTail.end(), chunk.begin() + 26,
                [](std::uint8_t a, std::byte b) { return a == std::to_integer<std::uint8_t>(b); }))
            return std::nullopt;
    }
    layout.isFloat = tag == kFormatFloat;
    const bool bitsFit = layout.isFloat
        ? (layout.bits == 32 || layout.bits == 64)
        : (layout.bits == 8 || layout.bits == 16 || layout.bits == 24 || layout.bits == 32);
    if ((tag != kFormatPcm && tag != kFormatFloat) || !bitsFit || layout.channels < 1
        || layout.channels > 32 || rate < 1000 || rate > 768000
        || blockAlign != static_cast<std::uint32_t>(layout.channels * layout.bits / 8))
        return std::nullopt;
    layout.sampleRate = static_cast<int>(rate);
    return layout;
}

// One sample in -1..1.
float sampleAt(std::span<const std::byte> data, std::size_t at, const Layout& layout) {
    if (layout.isFloat) {
        if (layout.bits == 32) {
            const std::uint32_t raw = readLe(data, at, 4);
            float value;
            std::memcpy(&value, &raw, sizeof value);
            return value;
        }
        const std::uint64_t raw
            = readLe(data, at, 4) | (static_cast<std::uint64_t>(readLe(data, at + 4, 4)) << 32);
        double value;
        std::memcpy(&value, &raw, sizeof value);
        return static_cast<float>(value);
    }
    const std::uint32_t raw = readLe(data, at, layout.bits / 8);
    switch (layout.bits) {
    case 8:
        return (static_cast<float>(raw) - 128.0f) / 128.0f;
    case 16:
        return static_cast<float>(static_cast<std::int16_t>(raw)) / 32768.0f;
    case 24: {
        const auto value = static_cast<std::int32_t>(raw << 8) >> 8;
        return static_cast<float>(value) / 8388608.0f;
    }
    default:
        return static_cast<float>(
            static_cast<double>(static_cast<std::int32_t>(raw)) / 2147483648.0);
    }
}

} // namespace

std::optional<SoundClip> decodeWave(std::span<const std::byte> file, int maxSeconds) {
    if (file.size() < 12 || !hasTag(file, 0, "RIFF") || !hasTag(file, 8, "WAVE"))
        return std::nullopt;
    std::optional<Layout> layout;
    std::size_t at = 12;
    while (at + 8 <= file.size()) {
        const std::size_t size = readLe(file, at + 4, 4);
        const std::size_t body = at + 8;
        if (size > file.size() - body)
            return std::nullopt; // cut short
        const std::span<const std::byte> chunk = file.subspan(body, size);
        if (hasTag(file, at, "fmt ")) {
            layout = readFormat(chunk);
            if (!layout)
                return std::nullopt;
        } else if (hasTag(file, at, "data")) {
            if (!layout)
                return std::nullopt;
            const std::size_t sampleBytes = static_cast<std::size_t>(layout->bits / 8);
            const std::size_t frameBytes = sampleBytes * static_cast<std::size_t>(layout->channels);
            const std::size_t frames = size / frameBytes;
            if (frames > static_cast<std::size_t>(maxSeconds)
                    * static_cast<std::size_t>(layout->sampleRate))
                return std::nullopt; // too long for a cue
            SoundClip clip;
            clip.sampleRate = layout->sampleRate;
            clip.samples.resize(frames);
            for (std::size_t f = 0; f < frames; ++f) {
                float sum = 0;
                for (int c = 0; c < layout->channels; ++c)
                    sum += sampleAt(
                        chunk, f * frameBytes + static_cast<std::size_t>(c) * sampleBytes, *layout);
                clip.samples[f]
                    = std::clamp(sum / static_cast<float>(layout->channels), -1.0f, 1.0f);
            }
            return clip;
        }
        at = body + size + (size & 1); // chunks are padded to an even length
    }
    return std::nullopt;
}

std::vector<std::int16_t> renderClip(const SoundClip& clip, int sampleRate, int channels) {
    const auto toInt16 = [](float x) {
        return static_cast<std::int16_t>(std::clamp(std::lround(x * 32768.0f), -32768L, 32767L));
    };
    const std::size_t in = clip.samples.size();
    std::size_t out = in;
    if (sampleRate != clip.sampleRate && in > 0)
        out = static_cast<std::size_t>(
            (static_cast<std::uint64_t>(in) * static_cast<std::uint64_t>(sampleRate)
                + static_cast<std::uint64_t>(clip.sampleRate) - 1)
            / static_cast<std::uint64_t>(clip.sampleRate));
    std::vector<std::int16_t> rendered;
    rendered.reserve(out * static_cast<std::size_t>(channels));
    for (std::size_t i = 0; i < out; ++i) {
        float value;
        if (sampleRate == clip.sampleRate) {
            value = clip.samples[i];
        } else {
            const double position = static_cast<double>(i) * clip.sampleRate / sampleRate;
            const auto left = static_cast<std::size_t>(position);
            const auto right = std::min(left + 1, in - 1);
            const auto weight = static_cast<float>(position - static_cast<double>(left));
            value = clip.samples[left] * (1.0f - weight) + clip.samples[right] * weight;
        }
        rendered.insert(rendered.end(), static_cast<std::size_t>(channels), toInt16(value));
    }
    return rendered;
}

} // namespace tavolier
