// The four table sounds, synthesised: two card snaps (band-passed noise), one
// clay chip set down (inharmonic partials over a soft thud) and a stack of
// chips pushed in. 44.1 kHz, 16-bit mono, peak -3.5 dBFS, 5 ms fades.
#include "assetgen.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavolier::assetgen {
namespace {

constexpr int kRate = 44100;
constexpr double kPeak = 0.668; // -3.5 dBFS
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// A fixed-seed generator so every build writes the same samples.
class Noise {
public:
    explicit Noise(std::uint64_t seed)
        : m_state(seed) { }
    double next() // uniform in -1..1
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return static_cast<double>(m_state >> 11) / static_cast<double>(1ull << 52) - 1.0;
    }

private:
    std::uint64_t m_state;
};

// A two-pole band-pass filter (constant peak gain).
class BandPass {
public:
    BandPass(double centre, double q) {
        const double w = kTwoPi * centre / kRate;
        const double alpha = std::sin(w) / (2 * q);
        const double a0 = 1 + alpha;
        m_b0 = alpha / a0;
        m_b2 = -alpha / a0;
        m_a1 = -2 * std::cos(w) / a0;
        m_a2 = (1 - alpha) / a0;
    }
    double operator()(double x) {
        const double y = m_b0 * x + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
        m_x2 = m_x1;
        m_x1 = x;
        m_y2 = m_y1;
        m_y1 = y;
        return y;
    }

private:
    double m_b0, m_b2, m_a1, m_a2;
    double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

using Samples = std::vector<double>;

void addCardSnap(Samples& out, double centre, double lengthMs, double decayMs, std::uint64_t seed) {
    Noise noise(seed);
    BandPass body(centre, 1.1);
    BandPass air(centre * 1.9, 1.6);
    BandPass low(420, 0.9);
    const int n = static_cast<int>(lengthMs * kRate / 1000);
    out.assign(n, 0.0);
    for (int i = 0; i < n; ++i) {
        const double t = i * 1000.0 / kRate;
        const double x = noise.next();
        const double env = std::exp(-t / decayMs);
        const double slap = std::exp(-t / 3.0);
        out[i] = env * (body(x) + 0.45 * air(x)) + 0.6 * slap * low(x);
    }
}

void addChip(Samples& out, std::size_t at, double pitch, double gain, std::uint64_t seed) {
    const double partials[3][3] = { { 2900, 1.0, 24 }, { 4700, 0.62, 16 }, { 7100, 0.36, 10 } };
    Noise noise(seed);
    BandPass tick(5200 * pitch, 0.8);
    const int n = static_cast<int>(0.09 * kRate);
    if (out.size() < at + n)
        out.resize(at + n, 0.0);
    for (int i = 0; i < n; ++i) {
        const double t = i * 1000.0 / kRate;
        double v = 0;
        for (const auto& p : partials)
            v += p[1] * std::exp(-t / p[2]) * std::sin(kTwoPi * p[0] * pitch * t / 1000.0 + p[0]);
        v += 0.5 * std::exp(-t / 12.0) * std::sin(kTwoPi * 170 * t / 1000.0); // soft thud
        v += 0.5 * std::exp(-t / 1.2) * tick(noise.next());
        out[at + i] += gain * v;
    }
}

// Applies 5 ms raised-cosine fades at both ends, then scales to the peak level.
std::vector<std::int16_t> finish(Samples s) {
    const int fade = kRate * 5 / 1000;
    const int n = static_cast<int>(s.size());
    for (int i = 0; i < n; ++i) {
        if (i < fade)
            s[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / fade);
        if (n - 1 - i < fade)
            s[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * (n - 1 - i) / fade);
    }
    double peak = 0;
    for (double v : s)
        peak = std::max(peak, std::abs(v));
    std::vector<std::int16_t> pcm(n);
    for (int i = 0; i < n; ++i)
        pcm[i] = static_cast<std::int16_t>(std::lround(s[i] * kPeak / peak * 32767.0));
    return pcm;
}

bool writeWav(const QString& path, const std::vector<std::int16_t>& pcm) {
    QByteArray data;
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            data.append(static_cast<char>((v >> (8 * i)) & 0xff));
    };
    auto u16 = [&](std::uint16_t v) {
        data.append(static_cast<char>(v & 0xff));
        data.append(static_cast<char>(v >> 8));
    };
    const std::uint32_t bytes = static_cast<std::uint32_t>(pcm.size() * 2);
    data.append("RIFF");
    u32(36 + bytes);
    data.append("WAVEfmt ");
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(kRate);
    u32(kRate * 2);
    u16(2);
    u16(16);
    data.append("data");
    u32(bytes);
    for (std::int16_t v : pcm)
        u16(static_cast<std::uint16_t>(v));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

bool writeSounds(const QString& dir) {
    bool ok = true;
    Samples s;
    addCardSnap(s, 3200, 52, 9.0, 101);
    ok &= writeWav(dir + "/card1.wav", finish(s));
    addCardSnap(s, 2300, 66, 13.0, 202);
    ok &= writeWav(dir + "/card2.wav", finish(s));

    s.assign(static_cast<std::size_t>(0.075 * kRate), 0.0);
    addChip(s, 0, 1.0, 1.0, 303);
    s.resize(static_cast<std::size_t>(0.075 * kRate));
    ok &= writeWav(dir + "/chip1.wav", finish(s));

    // A stack pushed in: seven clicks, uneven in time and pitch, fading.
    s.assign(static_cast<std::size_t>(0.34 * kRate), 0.0);
    Noise jitter(404);
    double t = 0.004;
    for (int i = 0; i < 7; ++i) {
        const double pitch = 0.92 + 0.16 * (0.5 + 0.5 * jitter.next());
        addChip(s, static_cast<std::size_t>(t * kRate), pitch, std::pow(0.8, i), 500 + i);
        t += 0.036 + 0.014 * (0.5 + 0.5 * jitter.next());
    }
    s.resize(static_cast<std::size_t>(0.34 * kRate));
    ok &= writeWav(dir + "/chip4.wav", finish(s));
    return ok;
}

} // namespace tavolier::assetgen
