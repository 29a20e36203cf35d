// The WAV decoder on files built here byte by byte: every layout it plays
// gives the samples that were written, and a damaged file gives nothing (and
// the player sounds the alert for it).
#include "ui/sound_player.h"
#include "ui/wave_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace tavolier {
namespace {

void put(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

struct WaveSpec {
    std::uint16_t tag = 1; // 1 PCM, 3 float
    int channels = 1;
    int rate = 44100;
    int bits = 16;
    bool extensible = false;
    bool extraChunk = false; // an odd-sized chunk before the data
};

// A WAV file whose frames are `frames` (values in -1..1, one per channel).
std::string makeWave(const WaveSpec& spec, const std::vector<std::vector<double>>& frames) {
    std::string data;
    for (const auto& frame : frames)
        for (double v : frame) {
            if (spec.tag == 3 && spec.bits == 32) {
                const float f = static_cast<float>(v);
                std::uint32_t raw;
                std::memcpy(&raw, &f, 4);
                put(data, raw, 4);
            } else if (spec.tag == 3) {
                std::uint64_t raw;
                std::memcpy(&raw, &v, 8);
                put(data, raw, 8);
            } else if (spec.bits == 8) {
                put(data, static_cast<std::uint64_t>(std::lround(v * 128) + 128), 1);
            } else {
                const double scale = std::ldexp(1.0, spec.bits - 1);
                const auto value = static_cast<std::int64_t>(std::lround(v * scale));
                put(data, static_cast<std::uint64_t>(value), spec.bits / 8);
            }
        }
    std::string fmt;
    put(fmt, spec.extensible ? 0xFFFE : spec.tag, 2);
    put(fmt, static_cast<std::uint64_t>(spec.channels), 2);
    put(fmt, static_cast<std::uint64_t>(spec.rate), 4);
    const int align = spec.channels * spec.bits / 8;
    put(fmt, static_cast<std::uint64_t>(spec.rate * align), 4);
    put(fmt, static_cast<std::uint64_t>(align), 2);
    put(fmt, static_cast<std::uint64_t>(spec.bits), 2);
    if (spec.extensible) {
        put(fmt, 22, 2);
        put(fmt, static_cast<std::uint64_t>(spec.bits), 2);
        put(fmt, 0, 4);
        put(fmt, spec.tag, 2);
        fmt += std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    }
    std::string body = "WAVE";
    body += "fmt ";
    put(body, fmt.size(), 4);
    body += fmt;
    if (spec.extraChunk) {
        body += "LIST";
        put(body, 3, 4);
        body += std::string("abc\0", 4); // padded to even
    }
    body += "data";
    put(body, data.size(), 4);
    body += data;
    std::string file = "RIFF";
    put(file, body.size(), 4);
    return file + body;
}

std::optional<SoundClip> decode(const std::string& file) {
    return decodeWave(std::as_bytes(std::span(file.data(), file.size())));
}

const std::vector<std::vector<double>> kMono = { { 0.0 }, { 0.5 }, { -0.5 }, { 0.25 }, { -1.0 } };

TEST(WaveDecoding, EveryPlayedLayoutGivesTheWrittenSamples) {
    const WaveSpec specs[] = {
        { 1, 1, 44100, 8, false, false },
        { 1, 1, 44100, 16, false, false },
        { 1, 1, 22050, 24, false, true },
        { 1, 1, 48000, 32, false, false },
        { 3, 1, 44100, 32, false, false },
        { 3, 1, 44100, 64, true, false },
        { 1, 1, 44100, 16, true, true },
    };
    for (const WaveSpec& spec : specs) {
        const auto clip = decode(makeWave(spec, kMono));
        ASSERT_TRUE(clip) << spec.bits << " bits, tag " << spec.tag;
        EXPECT_EQ(clip->sampleRate, spec.rate);
        ASSERT_EQ(clip->samples.size(), kMono.size());
        for (std::size_t i = 0; i < kMono.size(); ++i)
            EXPECT_NEAR(clip->samples[i], kMono[i][0], 1.0 / 128) << spec.bits << " bits";
    }
}

TEST(WaveDecoding, ChannelsAreMixedDownToMono) {
    WaveSpec stereo;
    stereo.channels = 2;
    const auto clip = decode(makeWave(stereo, { { 0.5, 0.25 }, { -0.5, 0.5 }, { 0.75, -0.75 } }));
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->samples, (std::vector<float> { 0.375f, 0.0f, 0.0f }));
}

TEST(WaveDecoding, DamagedOrUnplayableFilesGiveNothing) {
    const std::string good = makeWave({}, kMono);
    ASSERT_TRUE(decode(good));
    EXPECT_FALSE(decode(good.substr(0, good.size() - 1))) << "cut short";
    EXPECT_FALSE(decode(good.substr(0, 30))) << "cut in the format chunk";
    EXPECT_FALSE(decode("")) << "empty";
    EXPECT_FALSE(decode("RIFX" + good.substr(4))) << "big-endian";
    std::string noData = good;
    noData.replace(noData.find("data"), 4, "junk");
    EXPECT_FALSE(decode(noData)) << "no data chunk";
    EXPECT_FALSE(decode(makeWave({ 2, 1, 44100, 4 }, kMono))) << "ADPCM";
    EXPECT_FALSE(decode(makeWave({ 1, 1, 44100, 12 }, kMono))) << "12-bit";
    EXPECT_FALSE(decode(makeWave({ 1, 0, 44100, 16 }, {}))) << "no channels";
    std::string badAlign = good;
    badAlign[32] = 3; // block align of a 16-bit mono frame is 2
    EXPECT_FALSE(decode(badAlign));
}

// A cue is capped in seconds of sound, whatever the file's size: ten seconds
// at the lowest rate play, a frame more does not.
TEST(WaveDecoding, ASoundLongerThanACueMayBeGivesNothing) {
    const WaveSpec slow { 1, 1, 1000, 8 };
    std::vector<std::vector<double>> frames(std::size_t { 1000 } * kMaxSoundSeconds, { 0.25 });
    EXPECT_TRUE(decode(makeWave(slow, frames)));
    frames.push_back({ 0.25 });
    EXPECT_FALSE(decode(makeWave(slow, frames)));
}

TEST(WaveRendering, SixteenBitAtTheOutputRateComesBackSampleForSample) {
    std::vector<std::vector<double>> frames;
    for (int s = -32768; s < 32768; s += 7)
        frames.push_back({ s / 32768.0 });
    frames.push_back({ 32767 / 32768.0 });
    const auto clip = decode(makeWave({}, frames));
    ASSERT_TRUE(clip);
    const std::vector<std::int16_t> mono = renderClip(*clip, 44100, 1);
    ASSERT_EQ(mono.size(), frames.size());
    for (std::size_t i = 0; i < frames.size(); ++i)
        ASSERT_EQ(mono[i], std::lround(frames[i][0] * 32768)) << i;
    const std::vector<std::int16_t> stereo = renderClip(*clip, 44100, 2);
    ASSERT_EQ(stereo.size(), 2 * frames.size());
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(stereo[2 * i], mono[i]);
        EXPECT_EQ(stereo[2 * i + 1], mono[i]);
    }
}

TEST(WaveRendering, AnotherRateIsResampledToTheSameLength) {
    SoundClip clip { 22050, { 0.0f, 0.5f, 1.0f, 0.5f } };
    const std::vector<std::int16_t> out = renderClip(clip, 44100, 1);
    ASSERT_EQ(out.size(), 8u);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], 8192); // half way between 0 and 0.5
    EXPECT_EQ(out[2], 16384);
    EXPECT_EQ(out[4], 32767); // full scale clamps
    EXPECT_EQ(out[7], 16384); // the last sample holds
    EXPECT_EQ(renderClip({ 48000, {} }, 44100, 1).size(), 0u);
}

} // namespace
} // namespace tavolier

namespace tavolier {
namespace {

// A sound file that is there but cannot be decoded sounds the alert on every
// play, and the sounds that decode stay silent of alerts; a play asked for
// before the sounds were decoded gives its alert once they are.
TEST(UndecodableSound, SoundsTheAlertInstead) {
    QTemporaryDir dir;
    for (std::string_view name : SoundPlayer::kFiles) {
        QFile file(
            QDir(dir.path())
                .filePath(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const std::string bytes
            = name == "chip1.wav" ? std::string("RIFF....WAVEjunk") : makeWave({}, kMono);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    int beeps = 0;
    SoundPlayer player(AssetFinder({ dir.path() }), SoundPlayer::Output::None);
    player.setBeep([&] { ++beeps; });
    player.play("chip1.wav"); // not decoded yet: waits
    EXPECT_EQ(beeps, 0);
    player.start();
    EXPECT_EQ(beeps, 1);
    player.play("chip1.wav");
    player.play("chip1.wav");
    EXPECT_EQ(beeps, 3);
    for (std::string_view name : { "card1.wav", "card2.wav", "chip4.wav" })
        player.play(name);
    EXPECT_EQ(beeps, 3);
}

} // namespace
} // namespace tavolier
