#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace tavolier {

// The streets of a hand, numbered as the rules count them. The enumerators
// compare in the order the streets come.
enum class Street : std::int32_t { preflop = 1, flop = 2, turn = 3, river = 4, showdown = 5 };

// The street after this one; the showdown is the last and stays.
[[nodiscard]] constexpr Street nextStreet(Street street) {
    return street < Street::showdown ? static_cast<Street>(static_cast<std::int32_t>(street) + 1)
                                     : Street::showdown;
}

// The street's number as the rules count it: 1 pre-flop to 5 showdown.
[[nodiscard]] constexpr std::int32_t streetNumber(Street street) {
    return static_cast<std::int32_t>(street);
}

// The street's place in a table with one row per street from pre-flop: 0 to 4.
[[nodiscard]] constexpr std::size_t streetIndex(Street street) {
    return static_cast<std::size_t>(static_cast<std::int32_t>(street) - 1);
}

// The street a number from outside names (1 pre-flop to 5 showdown); none for
// any other number.
[[nodiscard]] constexpr std::optional<Street> streetFromNumber(std::int64_t number) {
    if (number < 1 || number > 5)
        return std::nullopt;
    return static_cast<Street>(static_cast<std::int32_t>(number));
}

} // namespace tavolier
