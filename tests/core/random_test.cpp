#include "core/cpu_paths.h"
#include "core/random.h"
#include "core/random_blocks.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace tavolier {
namespace {

TEST(RandomStreams, SplitMixFollowsTheDocumentedFormula) {
    std::uint64_t x = 5;
    auto random = Random::splitMix64(5);
    for (int n : { 52, 100, 105, 7, 1 }) {
        x += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = x;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        z ^= z >> 31;
        EXPECT_EQ(random.below(n), static_cast<int>(z % static_cast<std::uint64_t>(n)));
    }
}

TEST(RandomStreams, ClockReseedLeavesSplitMixAndScriptsAlone) {
    auto a = Random::splitMix64(1);
    auto b = Random::splitMix64(1);
    b.seedFromClock();
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(a.below(1000), b.below(1000));

    auto s = Random::scripted({ 3, 4 });
    s.seedFromClock();
    EXPECT_EQ(s.below(10), 3);
    EXPECT_EQ(s.below(10), 4);
    EXPECT_FALSE(s.scriptExhausted());
    (void)s.below(10);
    EXPECT_TRUE(s.scriptExhausted());
}

TEST(RandomStreams, DrawsStayInRangeAndCoverIt) {
    Random random(3);
    std::array<int, 105> seen {};
    for (int i = 0; i < 100000; ++i) {
        const int v = random.below(105);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 105);
        ++seen[static_cast<std::size_t>(v)];
    }
    for (int count : seen)
        EXPECT_GT(count, 700); // about 952 expected each
}

TEST(RandomStreams, BlockDrawsEqualSingleDraws) {
    for (auto make : { +[] { return Random(11); }, +[] { return Random::splitMix64(11); } }) {
        Random a = make();
        Random b = make();
        std::array<std::uint8_t, 700> block {};
        (void)a.below(3); // leave the buffer mid-way
        (void)b.below(3);
        a.below52Block(block.data(), static_cast<int>(block.size()));
        for (std::uint8_t v : block)
            ASSERT_EQ(v, b.below(52));
        EXPECT_EQ(a.drawCount(), b.drawCount());
        EXPECT_EQ(a.below(1000), b.below(1000));
    }
}

TEST(RandomStreams, SameSeedSameStream) {
    Random a(77), b(77), c(78);
    int differ = 0;
    for (int i = 0; i < 1000; ++i) {
        const int va = a.below(52);
        EXPECT_EQ(va, b.below(52));
        differ += va != c.below(52);
    }
    EXPECT_GT(differ, 900);
}

// xoshiro256** one step at a time, the yardstick for the block kernels.
std::uint64_t xoshiroNext(std::uint64_t (&s)[4]) {
    const auto rotl = [](std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); };
    const std::uint64_t result = rotl(s[1] * 5, 7) * 9;
    const std::uint64_t t = s[1] << 17;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = rotl(s[3], 45);
    return result;
}

TEST(RandomBlocks, KernelsFollowEightScalarLanesInOrder) {
    std::uint64_t seed = 123;
    std::uint64_t state[4][blocks::kLanes];
    for (auto& word : state)
        for (auto& lane : word) {
            seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
            lane = seed;
        }
    std::uint64_t scalar[blocks::kLanes][4];
    for (int l = 0; l < blocks::kLanes; ++l)
        for (int w = 0; w < 4; ++w)
            scalar[l][w] = state[w][l];

    std::uint64_t portableState[4][blocks::kLanes];
    std::memcpy(portableState, state, sizeof(state));
    std::vector<std::uint16_t> quarters(blocks::kQuarters);
    std::vector<std::uint8_t> draws(blocks::kQuarters);
    for (int refill = 0; refill < 3; ++refill) {
        blocks::refillPortable(portableState, quarters.data(), draws.data());
        for (int step = 0; step < blocks::kSteps; ++step)
            for (int l = 0; l < blocks::kLanes; ++l) {
                const std::uint64_t raw = xoshiroNext(scalar[l]);
                const auto at = static_cast<std::size_t>(4 * (step * blocks::kLanes + l));
                for (std::size_t q = 0; q < 4; ++q)
                    ASSERT_EQ(quarters[at + q], static_cast<std::uint16_t>(raw >> (16 * q)));
            }
        for (std::size_t i = 0; i < quarters.size(); ++i)
            ASSERT_EQ(draws[i], (std::uint32_t { quarters[i] } * 52) >> 16) << i;
    }
}

TEST(RandomBlocks, TheAvx2KernelGivesThePortableKernelsNumbers) {
    if (!cpu::hasAvx2())
        GTEST_SKIP() << "no AVX2 on this processor";
    std::uint64_t a[4][blocks::kLanes];
    std::uint64_t b[4][blocks::kLanes];
    std::uint64_t x = 99;
    for (auto& word : a)
        for (auto& lane : word)
            lane = x = x * 2862933555777941757ULL + 3037000493ULL;
    std::memcpy(b, a, sizeof(a));
    std::vector<std::uint16_t> wa(blocks::kQuarters), wb(blocks::kQuarters);
    std::vector<std::uint8_t> da(blocks::kQuarters), db(blocks::kQuarters);
    for (int refill = 0; refill < 4; ++refill) {
        blocks::refillPortable(a, wa.data(), da.data());
        blocks::refillAvx2(b, wb.data(), db.data());
        ASSERT_EQ(wa, wb);
        ASSERT_EQ(da, db);
        ASSERT_EQ(std::memcmp(a, b, sizeof(a)), 0);
    }
}

TEST(RandomBlocks, TheAvx512KernelGivesThePortableKernelsNumbers) {
    if (!cpu::hasAvx512vl())
        GTEST_SKIP() << "no AVX-512VL on this processor";
    std::uint64_t a[4][blocks::kLanes];
    std::uint64_t b[4][blocks::kLanes];
    std::uint64_t x = 12345;
    for (auto& word : a)
        for (auto& lane : word)
            lane = x = x * 6364136223846793005ULL + 1442695040888963407ULL;
    std::memcpy(b, a, sizeof(a));
    std::vector<std::uint16_t> wa(blocks::kQuarters), wb(blocks::kQuarters);
    std::vector<std::uint8_t> da(blocks::kQuarters), db(blocks::kQuarters);
    for (int refill = 0; refill < 4; ++refill) {
        blocks::refillPortable(a, wa.data(), da.data());
        blocks::refillAvx512(b, wb.data(), db.data());
        ASSERT_EQ(wa, wb);
        ASSERT_EQ(da, db);
        ASSERT_EQ(std::memcmp(a, b, sizeof(a)), 0);
    }
}

TEST(RandomBlocks, DrawsBelow52MatchTheMultiplyForEveryQuarter) {
    std::vector<std::uint16_t> all(1 << 16);
    for (std::size_t q = 0; q < all.size(); ++q)
        all[q] = static_cast<std::uint16_t>(q);
    std::vector<std::uint8_t> draws(all.size());
    blocks::quartersBelow52(all.data(), draws.data(), static_cast<int>(all.size()));
    std::array<int, 52> hits {};
    for (std::size_t q = 0; q < all.size(); ++q) {
        ASSERT_EQ(draws[q], (q * 52) >> 16) << q;
        ++hits[draws[q]];
    }
    // 65536 = 52 * 1260 + 16: every draw has 1260 or 1261 quarters.
    for (int h : hits)
        EXPECT_TRUE(h == 1260 || h == 1261) << h;
}

TEST(RandomStreams, QuartersServeSmallBoundsAndPairsServeLargeOnes) {
    Random a(5);
    Random b(5);
    // b draws the raw quarters through the largest one-quarter bound.
    const int q0 = b.below(1 << 16);
    const int q1 = b.below(1 << 16);
    EXPECT_EQ(a.below(100), (q0 * 100) >> 16);
    EXPECT_EQ(a.below(7), (q1 * 7) >> 16);
    const std::uint32_t low = static_cast<std::uint32_t>(b.below(1 << 16));
    const std::uint32_t word = low | (static_cast<std::uint32_t>(b.below(1 << 16)) << 16);
    const int big = 1 << 20;
    EXPECT_EQ(a.below(big), static_cast<int>((std::uint64_t { word } * big) >> 32));
    EXPECT_EQ(a.drawCount(), 3u);
    EXPECT_EQ(a.below(52), b.below(52));
}

TEST(RandomBlocks, InPlaceDrawsAreTheSingleDrawsAndDeclineWhatTheyCannotServe) {
    Random a(21);
    Random b(21);
    int served = 0;
    int declined = 0;
    for (int trial = 0; trial < 40; ++trial) {
        const std::uint8_t* ready = a.below52InPlace(202);
        std::array<std::uint8_t, 202> copy {};
        if (ready == nullptr) {
            ++declined;
            a.below52Block(copy.data(), 202);
        } else {
            ++served;
            std::memcpy(copy.data(), ready, copy.size());
        }
        for (std::uint8_t v : copy)
            ASSERT_EQ(v, b.below(52)) << trial;
        ASSERT_EQ(a.drawCount(), b.drawCount());
    }
    EXPECT_GT(served, 0);
    EXPECT_GT(declined, 0); // a block does not divide into 202s
    EXPECT_EQ(a.below(100), b.below(100));

    auto script = Random::scripted({ 1, 2 });
    EXPECT_EQ(script.below52InPlace(2), nullptr);
    EXPECT_EQ(script.drawCount(), 0u);
    Random recorded(3);
    recorded.recordBounds(true);
    EXPECT_EQ(recorded.below52InPlace(2), nullptr);
    auto stream = Random::splitMix64(3);
    EXPECT_EQ(stream.below52InPlace(2), nullptr);
}

} // namespace
} // namespace tavolier
