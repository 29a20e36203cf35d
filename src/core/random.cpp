#include "core/random.h"

#include "core/cpu_paths.h"
#include "core/random_blocks.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <chrono>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define TAVOLIER_HAS_AVX2_KERNEL 1
#include <immintrin.h>
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
inline int bounded32(std::uint32_t word, int n) {
    return static_cast<int>(
        (static_cast<std::uint64_t>(word) * static_cast<std::uint64_t>(n)) >> 32);
}

} // namespace

namespace blocks {

// The portable kernel: the eight lanes in two vectors of four (GCC and Clang
// vector extensions), so every line of a step is one vector operation, two
// with SSE2 only; the multiplies by 5 and 9 are shifts and adds.
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

void refillPortable(
    std::uint64_t (&state)[4][kLanes], std::uint16_t* quarters, std::uint8_t* below52) {
    static_assert(kLanes == 8);
    Lane4 a0, a1, a2, a3, b0, b1, b2, b3;
    std::memcpy(&a0, &state[0][0], 32);
    std::memcpy(&b0, &state[0][4], 32);
    std::memcpy(&a1, &state[1][0], 32);
    std::memcpy(&b1, &state[1][4], 32);
    std::memcpy(&a2, &state[2][0], 32);
    std::memcpy(&b2, &state[2][4], 32);
    std::memcpy(&a3, &state[3][0], 32);
    std::memcpy(&b3, &state[3][4], 32);
    for (int step = 0; step < kSteps; ++step) {
        // Little-endian: each raw number's lowest quarter lands first.
        TAVOLIER_XOSHIRO_STEP(a0, a1, a2, a3, quarters + 32 * step);
        TAVOLIER_XOSHIRO_STEP(b0, b1, b2, b3, quarters + 32 * step + 16);
    }
    std::memcpy(&state[0][0], &a0, 32);
    std::memcpy(&state[0][4], &b0, 32);
    std::memcpy(&state[1][0], &a1, 32);
    std::memcpy(&state[1][4], &b1, 32);
    std::memcpy(&state[2][0], &a2, 32);
    std::memcpy(&state[2][4], &b2, 32);
    std::memcpy(&state[3][0], &a3, 32);
    std::memcpy(&state[3][4], &b3, 32);

    quartersBelow52(quarters, below52, kQuarters);
}

void quartersBelow52(
    const std::uint16_t* __restrict quarters, std::uint8_t* __restrict below52, int count) {
    for (int i = 0; i < count; ++i)
        below52[i] = static_cast<std::uint8_t>((std::uint32_t { quarters[i] } * 52U) >> 16);
}

#undef TAVOLIER_XOSHIRO_STEP
#undef TAVOLIER_ROTL4

#ifdef TAVOLIER_HAS_AVX2_KERNEL

namespace {

// One step of four lanes: returns the raw numbers.
__attribute__((target("avx2"), always_inline)) inline __m256i xoshiroStep(
    __m256i& s0, __m256i& s1, __m256i& s2, __m256i& s3) {
    const __m256i times5 = _mm256_add_epi64(_mm256_slli_epi64(s1, 2), s1);
    const __m256i rotated
        = _mm256_or_si256(_mm256_slli_epi64(times5, 7), _mm256_srli_epi64(times5, 57));
    const __m256i result = _mm256_add_epi64(_mm256_slli_epi64(rotated, 3), rotated);
    const __m256i t = _mm256_slli_epi64(s1, 17);
    s2 = _mm256_xor_si256(s2, s0);
    s3 = _mm256_xor_si256(s3, s1);
    s1 = _mm256_xor_si256(s1, s2);
    s0 = _mm256_xor_si256(s0, s3);
    s2 = _mm256_xor_si256(s2, t);
    s3 = _mm256_or_si256(_mm256_slli_epi64(s3, 45), _mm256_srli_epi64(s3, 19));
    return result;
}

// The AVX2 kernel's body, compiled into each caller with the caller's
// instruction set: with AVX-512VL the same intrinsics become single rotates
// and three-way logic operations.
__attribute__((target("avx2"), always_inline)) inline void refillKernel(
    std::uint64_t (&state)[4][kLanes], std::uint16_t* quarters, std::uint8_t* below52) {
#define TAVOLIER_LOAD(word, lane)                                                                  \
    _mm256_loadu_si256(reinterpret_cast<const __m256i*>(&state[word][lane]))
    __m256i a0 = TAVOLIER_LOAD(0, 0), a1 = TAVOLIER_LOAD(1, 0), a2 = TAVOLIER_LOAD(2, 0),
            a3 = TAVOLIER_LOAD(3, 0);
    __m256i b0 = TAVOLIER_LOAD(0, 4), b1 = TAVOLIER_LOAD(1, 4), b2 = TAVOLIER_LOAD(2, 4),
            b3 = TAVOLIER_LOAD(3, 4);
#undef TAVOLIER_LOAD
    // (q * 52) >> 16 is the high half of the 16-bit product.
    const __m256i n = _mm256_set1_epi16(52);
    for (int step = 0; step < kSteps; ++step) {
        const __m256i ra = xoshiroStep(a0, a1, a2, a3);
        const __m256i rb = xoshiroStep(b0, b1, b2, b3);
        auto* out = reinterpret_cast<__m256i*>(quarters + 32 * step);
        _mm256_storeu_si256(out, ra);
        _mm256_storeu_si256(out + 1, rb);
        // The pack works within 128-bit halves; the permute puts the four
        // 8-byte runs back in order.
        const __m256i bytes
            = _mm256_packus_epi16(_mm256_mulhi_epu16(ra, n), _mm256_mulhi_epu16(rb, n));
        _mm256_storeu_si256(
            reinterpret_cast<__m256i*>(below52 + 32 * step), _mm256_permute4x64_epi64(bytes, 0xD8));
    }
    const __m256i lanes[4][2] = { { a0, b0 }, { a1, b1 }, { a2, b2 }, { a3, b3 } };
    for (int word = 0; word < 4; ++word)
        for (int half = 0; half < 2; ++half)
            _mm256_storeu_si256(
                reinterpret_cast<__m256i*>(&state[word][4 * half]), lanes[word][half]);
}

} // namespace

__attribute__((target("avx2"))) void refillAvx2(
    std::uint64_t (&state)[4][kLanes], std::uint16_t* quarters, std::uint8_t* below52) {
    refillKernel(state, quarters, below52);
}

__attribute__((target("avx2,avx512f,avx512vl"))) void refillAvx512(
    std::uint64_t (&state)[4][kLanes], std::uint16_t* quarters, std::uint8_t* below52) {
    refillKernel(state, quarters, below52);
}

#else

void refillAvx2(std::uint64_t (&state)[4][kLanes], std::uint16_t* quarters, std::uint8_t* below52) {
    refillPortable(state, quarters, below52);
}

void refillAvx512(
    std::uint64_t (&state)[4][kLanes], std::uint16_t* quarters, std::uint8_t* below52) {
    refillPortable(state, quarters, below52);
}

#endif

} // namespace blocks

namespace {

using RefillKernel = void (*)(
    std::uint64_t (&state)[4][blocks::kLanes], std::uint16_t* quarters, std::uint8_t* below52);

// The block kernel for this processor, chosen at the first refill of the
// process: the AVX2 kernel built for AVX-512VL, the AVX2 kernel, or the
// portable one (everywhere when TAVOLIER_BASELINE asks for it).
RefillKernel chosenKernel() {
    static const RefillKernel kernel = [] {
        if (!cpu::useAvx2Paths())
            return &blocks::refillPortable;
        return cpu::hasAvx512vl() ? &blocks::refillAvx512 : &blocks::refillAvx2;
    }();
    return kernel;
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
    m_next = kQuarters;
}

void Random::refill() {
    static_assert(kLanes == blocks::kLanes && kQuarters == blocks::kQuarters);
    chosenKernel()(m_lane, m_quarters.data(), m_below52.data());
    m_next = 0;
}

std::uint32_t Random::nextQuarter() {
    if (m_next == kQuarters)
        refill();
    return m_quarters[static_cast<std::size_t>(m_next++)];
}

int Random::fastBelow(int n) {
    if (n <= kQuarterRange)
        return static_cast<int>((nextQuarter() * static_cast<std::uint32_t>(n)) >> 16);
    const std::uint32_t low = nextQuarter();
    return bounded32(low | (nextQuarter() << 16), n);
}

int Random::scriptedBelow(int n) {
    if (m_script.empty()) {
        m_scriptExhausted = true;
        return fastBelow(n);
    }
    const int v = m_script.front();
    m_script.pop_front();
    assert(v >= 0 && v < n && "scripted draw out of range");
    // Out of range values are folded into range rather than trusted.
    return ((v % n) + n) % n;
}

int Random::belowSlow(int n) {
    assert(n >= 1);
    if (n < 1)
        return 0;
    ++m_draws;
    if (m_recordBounds)
        m_bounds.push_back(n);
    switch (m_kind) {
    case Kind::Xoshiro:
        return fastBelow(n);
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
        if (m_next == kQuarters)
            refill();
        const int take = std::min(count - i, kQuarters - m_next);
        std::memcpy(out + i, m_below52.data() + m_next, static_cast<std::size_t>(take));
        m_next += take;
        i += take;
    }
}

void Random::enqueue(std::initializer_list<int> values) {
    m_script.insert(m_script.end(), values.begin(), values.end());
}

} // namespace tavolier
