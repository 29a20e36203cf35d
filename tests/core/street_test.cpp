#include "core/street.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace tavolier {
namespace {

// Every street moves to the one numbered next, and the showdown stays.
TEST(Streets, EachStreetMovesToTheNextAndTheShowdownStays) {
    for (std::int32_t n = 1; n <= 5; ++n) {
        const Street street = streetFromNumber(n).value();
        EXPECT_EQ(streetNumber(street), n);
        EXPECT_EQ(streetIndex(street), static_cast<std::size_t>(n - 1));
        EXPECT_EQ(streetNumber(nextStreet(street)), n < 5 ? n + 1 : 5);
        EXPECT_GE(nextStreet(street), street);
    }
    static_assert(nextStreet(Street::river) == Street::showdown);
    static_assert(Street::preflop < Street::flop && Street::turn < Street::river);
}

// Only the numbers 1 to 5 name a street.
TEST(Streets, NumbersOutsideOneToFiveNameNoStreet) {
    for (std::int64_t n : { -1LL, 0LL, 6LL, 7LL, 4294967297LL, -4294967295LL })
        EXPECT_FALSE(streetFromNumber(n).has_value()) << n;
    EXPECT_EQ(streetFromNumber(1), Street::preflop);
    EXPECT_EQ(streetFromNumber(5), Street::showdown);
}

} // namespace
} // namespace tavolier
