#include "core/random.h"

#include <algorithm>
#include <cassert>
#include <chrono>

namespace tavolier {

namespace {

    std::uint64_t splitMixNext(std::uint64_t& x)
    {
        x += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = x;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    constexpr std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    // One multiply maps a raw 64-bit number onto 0..n-1 (the bias is below 2^-25
    // for the small bounds the game uses).
    inline int bounded(std::uint64_t raw, int n)
    {
        return static_cast<int>(((raw >> 32) * static_cast<std::uint64_t>(n)) >> 32);
    }

} // namespace

Random::Random() { seedFromClock(); }

Random::Random(std::uint64_t seedValue) { seed(seedValue); }

Random Random::splitMix64(std::uint64_t state)
{
    Random r(0);
    r.m_kind = Kind::SplitMix64;
    r.m_splitmix = state;
    return r;
}

Random Random::scripted(std::vector<int> values)
{
    Random r(0);
    r.m_kind = Kind::Scripted;
    r.m_script.assign(values.begin(), values.end());
    return r;
}

void Random::seedFromClock()
{
    if (m_kind != Kind::Xoshiro)
        return;
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
    seed(static_cast<std::uint64_t>(now) ^ (static_cast<std::uint64_t>(steady) << 17));
}

void Random::seed(std::uint64_t seedValue)
{
    std::uint64_t x = seedValue;
    for (auto& word : m_lane)
        for (auto& lane : word)
            lane = splitMixNext(x);
    m_next = kBlock;
}

void Random::refill()
{
    // The lanes are independent, so the compiler can keep them in vector registers.
    auto& s = m_lane;
    for (int i = 0; i < kBlock; i += kLanes) {
        for (int l = 0; l < kLanes; ++l) {
            const std::uint64_t result = rotl(s[1][l] * 5, 7) * 9;
            const std::uint64_t t = s[1][l] << 17;
            s[2][l] ^= s[0][l];
            s[3][l] ^= s[1][l];
            s[1][l] ^= s[2][l];
            s[0][l] ^= s[3][l];
            s[2][l] ^= t;
            s[3][l] = rotl(s[3][l], 45);
            m_buffer[static_cast<std::size_t>(i + l)] = result;
        }
    }
    m_next = 0;
}

std::uint64_t Random::nextRaw()
{
    if (m_next == kBlock)
        refill();
    return m_buffer[static_cast<std::size_t>(m_next++)];
}

int Random::scriptedBelow(int n)
{
    if (m_script.empty()) {
        m_scriptExhausted = true;
        return bounded(nextRaw(), n);
    }
    const int v = m_script.front();
    m_script.pop_front();
    assert(v >= 0 && v < n && "scripted draw out of range");
    // Out of range values are folded into range rather than trusted.
    return ((v % n) + n) % n;
}

int Random::below(int n)
{
    assert(n >= 1);
    if (n < 1)
        return 0;
    ++m_draws;
    if (m_recordBounds)
        m_bounds.push_back(n);
    switch (m_kind) {
    case Kind::Xoshiro:
        return bounded(nextRaw(), n);
    case Kind::SplitMix64:
        return static_cast<int>(splitMixNext(m_splitmix) % static_cast<std::uint64_t>(n));
    case Kind::Scripted:
        return scriptedBelow(n);
    }
    return 0;
}

void Random::below52Block(std::uint8_t* out, int count)
{
    if (m_kind != Kind::Xoshiro || m_recordBounds) {
        for (int i = 0; i < count; ++i)
            out[i] = static_cast<std::uint8_t>(below(52));
        return;
    }
    m_draws += static_cast<std::uint64_t>(count);
    int i = 0;
    while (i < count) {
        if (m_next == kBlock)
            refill();
        const int take = std::min(count - i, kBlock - m_next);
        for (int j = 0; j < take; ++j)
            out[i + j] = static_cast<std::uint8_t>(bounded(m_buffer[static_cast<std::size_t>(m_next + j)], 52));
        m_next += take;
        i += take;
    }
}

void Random::enqueue(std::initializer_list<int> values)
{
    m_script.insert(m_script.end(), values.begin(), values.end());
}

} // namespace tavolier
