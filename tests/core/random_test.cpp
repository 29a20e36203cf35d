#include "core/random.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace tavolier {
namespace {

TEST(RandomStreams, SplitMixFollowsTheDocumentedFormula)
{
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

TEST(RandomStreams, ClockReseedLeavesSplitMixAndScriptsAlone)
{
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

TEST(RandomStreams, DrawsStayInRangeAndCoverIt)
{
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

TEST(RandomStreams, BlockDrawsEqualSingleDraws)
{
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

TEST(RandomStreams, SameSeedSameStream)
{
    Random a(77), b(77), c(78);
    int differ = 0;
    for (int i = 0; i < 1000; ++i) {
        const int va = a.below(52);
        EXPECT_EQ(va, b.below(52));
        differ += va != c.below(52);
    }
    EXPECT_GT(differ, 900);
}

} // namespace
} // namespace tavolier
