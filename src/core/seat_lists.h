#pragma once

#include <array>
#include <cstddef>

namespace tavolier {

// A short constant list of seat numbers (at most seven), in the order in
// which the seats act. The turn tables of the hand are built from these.
struct SeatList {
    int count = 0;
    std::array<int, 7> seats {};

    [[nodiscard]] constexpr const int* begin() const { return seats.data(); }
    [[nodiscard]] constexpr const int* end() const { return seats.data() + count; }
    [[nodiscard]] constexpr bool empty() const { return count == 0; }
};

} // namespace tavolier
