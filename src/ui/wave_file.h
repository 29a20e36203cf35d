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

// The longest sound a cue may be. The cues last under a second; a longer
// file is refused before it is decoded, so a huge file cannot hold memory
// for the whole session.
inline constexpr int kMaxSoundSeconds = 10;

// Decodes a RIFF WAVE file held in memory: integer PCM of 8, 16, 24 or 32
// bits and IEEE float of 32 or 64 bits, plain or in the extensible header,
// any number of channels (mixed down to mono). Anything else, a file cut
// short, or more than maxSeconds of sound, gives nothing.
[[nodiscard]] std::optional<SoundClip> decodeWave(
    std::span<const std::byte> file, int maxSeconds = kMaxSoundSeconds);

// The clip as 16-bit samples for an output of the given rate and channel
// count: resampled (linearly) when the rates differ, the mono signal copied
// to every channel. A 16-bit clip at the output's rate comes back sample for
// sample.
[[nodiscard]] std::vector<std::int16_t> renderClip(
    const SoundClip& clip, int sampleRate, int channels);

} // namespace tavolier
