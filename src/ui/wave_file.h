#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tavolier {

// One sound decoded into memory: mono samples in -1..1 at its own rate.
struct SoundClip {
    int sampleRate = 0;
    std::vector<float> samples;
};

// Decodes a RIFF WAVE file held in memory: integer PCM of 8, 16, 24 or 32
// bits and IEEE float of 32 or 64 bits, plain or in the extensible header,
// any number of channels (mixed down to mono). Anything else, or a file cut
// short, gives nothing.
[[nodiscard]] std::optional<SoundClip> decodeWave(std::span<const std::byte> file);

// The clip as 16-bit samples for an output of the given rate and channel
// count: resampled (linearly) when the rates differ, the mono signal copied
// to every channel. A 16-bit clip at the output's rate comes back sample for
// sample.
[[nodiscard]] std::vector<std::int16_t> renderClip(
    const SoundClip& clip, int sampleRate, int channels);

} // namespace tavolier
