#include "core/random.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <chrono>
#include <cstring>

// Function multiversioning: the block routines get an AVX2 copy beside the
// generic one and the loader picks the copy the processor can run. Both copies
// do the same integer arithmetic, so every path yields the same numbers.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__SANITIZE_ADDRESS__)
#define TAVOLIER_MULTIVERSION __attribute__((target_clones("avx2", "default")))
#else
#define TAVOLIER_MULTIVERSION
#endif

static_assert(
    std::endian::native == std::endian::little, "the block layout assumes little-endian words");

namespace tavolier {

namespace {

std::uint64_t splitMixNext(std::uint64_t& x) {
    x += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = x;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// One multiply maps a 32-bit word onto 0..n-1 (the bias is below n / 2^32).
inline int bounded(std::uint32_t word, int n) {
    return static_cast<int>(
        (static_cast<std::uint64_t>(word) * static_cast<std::uint64_t>(n)) >> 32);
}

// Advances every lane Steps times. Step s of lane l gives the raw number
// whose low half is word 2 * (s * 8 + l) and whose high half is the word
// after it. The eight lanes are independent and held in two vectors of
// four, kept in registers, so every line below is one vector operation
// (two with SSE2 only); the multiplies by 5 and 9 are shifts and adds.
using Lane4 = std::uint64_t __attribute__((vector_size(32)));

#define TAVOLIER_ROTL4(x, k) (((x) << (k)) | ((x) >> (64 - (k))))
#define TAVOLIER_XOSHIRO_STEP(s0, s1, s2, s3, out)                                                 \
    do {                                                                                           \
        const Lane4 times5 = ((s1) << 2) + (s1);                                                   \
        const Lane4 rotated = TAVOLIER_ROTL4(times5, 7);                                           \
        const Lane4 result = (rotated << 3) + rotated;                                             \
        const Lane4 t = (s1) << 17;                                                                \
        (s2) ^= (s0);                                                                              \
        (s3) ^= (s1);                                                                              \
        (s1) ^= (s2);                                                                              \
        (s0) ^= (s3);                                                                              \
        (s2) ^= t;                                                                                 \
        (s3) = TAVOLIER_ROTL4(s3, 45);                                                             \
        std::memcpy((out), &result, sizeof(result));                                               \
    } while (false)

template <int Steps>
TAVOLIER_MULTIVERSION void refillLanes(std::uint64_t (&state)[4][8], std::uint32_t* words) {
    Lane4 a0, a1, a2, a3, b0, b1, b2, b3;
    std::memcpy(&a0, &state[0][0], 32);
    std::memcpy(&b0, &state[0][4], 32);
    std::memcpy(&a1, &state[1][0], 32);
    std::memcpy(&b1, &state[1][4], 32);
    std::memcpy(&a2, &state[2][0], 32);
    std::memcpy(&b2, &state[2][4], 32);
    std::memcpy(&a3, &state[3][0], 32);
    std::memcpy(&b3, &state[3][4], 32);
    for (int step = 0; step < Steps; ++step) {
        // Little-endian: each raw number's low half lands first.
        TAVOLIER_XOSHIRO_STEP(a0, a1, a2, a3, words + 16 * step);
        TAVOLIER_XOSHIRO_STEP(b0, b1, b2, b3, words + 16 * step + 8);
    }
    std::memcpy(&state[0][0], &a0, 32);
    std::memcpy(&state[0][4], &b0, 32);
    std::memcpy(&state[1][0], &a1, 32);
    std::memcpy(&state[1][4], &b1, 32);
    std::memcpy(&state[2][0], &a2, 32);
    std::memcpy(&state[2][4], &b2, 32);
    std::memcpy(&state[3][0], &a3, 32);
    std::memcpy(&state[3][4], &b3, 32);
}

#undef TAVOLIER_XOSHIRO_STEP
#undef TAVOLIER_ROTL4

// Every word of a block turned into a draw below 52 ahead of use: the
// same (w * 52) >> 32 as bounded(), worked in 32-bit lanes. With
// w = 64a + b, (w * 52) >> 32 = (52a + ((52b) >> 6)) >> 26 exactly, and
// 52a + 51 stays below 2^32.
template <int Count>
TAVOLIER_MULTIVERSION void wordsBelow52(
    const std::uint32_t* __restrict words, std::uint8_t* __restrict out) {
    for (int i = 0; i < Count; ++i) {
        const std::uint32_t w = words[i];
        out[i] = static_cast<std::uint8_t>(((w >> 6) * 52U + (((w & 63U) * 52U) >> 6)) >> 26);
    }
}

} // namespace

Random::Random() {
    seedFromClock();
}

Random::Random(std::uint64_t seedValue) {
    seed(seedValue);
}

Random Random::splitMix64(std::uint64_t state) {
    Random r(0);
    r.m_kind = Kind::SplitMix64;
    r.m_splitmix = state;
    return r;
}

Random Random::scripted(std::vector<int> values) {
    Random r(0);
    r.m_kind = Kind::Scripted;
    r.m_script.assign(values.begin(), values.end());
    return r;
}

void Random::seedFromClock() {
    if (m_kind != Kind::Xoshiro || m_ignoreClock)
        return;
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
    seed(static_cast<std::uint64_t>(now) ^ (static_cast<std::uint64_t>(steady) << 17));
}

void Random::seed(std::uint64_t seedValue) {
    std::uint64_t x = seedValue;
    for (auto& word : m_lane)
        for (auto& lane : word)
            lane = splitMixNext(x);
    m_next = kWords;
}

void Random::refill() {
    static_assert(kLanes == 8);
    refillLanes<kSteps>(m_lane, m_words.data());
    wordsBelow52<kWords>(m_words.data(), m_below52.data());
    m_next = 0;
}

std::uint32_t Random::nextWord() {
    if (m_next == kWords)
        refill();
    return m_words[static_cast<std::size_t>(m_next++)];
}

int Random::scriptedBelow(int n) {
    if (m_script.empty()) {
        m_scriptExhausted = true;
        return bounded(nextWord(), n);
    }
    const int v = m_script.front();
    m_script.pop_front();
    assert(v >= 0 && v < n && "scripted draw out of range");
    // Out of range values are folded into range rather than trusted.
    return ((v % n) + n) % n;
}

int Random::below(int n) {
    assert(n >= 1);
    if (n < 1)
        return 0;
    ++m_draws;
    if (m_recordBounds)
        m_bounds.push_back(n);
    switch (m_kind) {
    case Kind::Xoshiro:
        return bounded(nextWord(), n);
    case Kind::SplitMix64:
        return static_cast<int>(splitMixNext(m_splitmix) % static_cast<std::uint64_t>(n));
    case Kind::Scripted:
        return scriptedBelow(n);
    }
    return 0;
}

void Random::below52Block(std::uint8_t* out, int count) {
    if (m_kind != Kind::Xoshiro || m_recordBounds) {
        for (int i = 0; i < count; ++i)
            out[i] = static_cast<std::uint8_t>(below(52));
        return;
    }
    if (count <= 0)
        return;
    m_draws += static_cast<std::uint64_t>(count);
    int i = 0;
    while (i < count) {
        if (m_next == kWords)
            refill();
        const int take = std::min(count - i, kWords - m_next);
        std::memcpy(out + i, m_below52.data() + m_next, static_cast<std::size_t>(take));
        m_next += take;
        i += take;
    }
}

void Random::enqueue(std::initializer_list<int> values) {
    m_script.insert(m_script.end(), values.begin(), values.end());
}

} // namespace tavolier
