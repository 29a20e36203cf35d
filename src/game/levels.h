#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tavolier {

// An opponents' level as the options panel offers it: its caption, and the
// level code the settings keep (an estimate at code N runs N + 1 trials).
struct OpponentLevel {
    std::string_view caption;
    std::int32_t code;
};

// The levels in the order of the panel's Levels items.
// clang-format off
inline constexpr std::array<OpponentLevel, 4> kOpponentLevels { {
    { "Amateur", 400 },
    { "Expert",  600 },
    { "Master",  800 },
    { "Genius",  900 },
} };
// clang-format on

// An opponent level by its code or caption, in any case: "400" or
// "Amateur" ("amateur"), "600" or "Expert", "800" or "Master", "900" or
// "Genius"; nullopt otherwise.
[[nodiscard]] std::optional<std::int32_t> parseLevel(std::string_view text);

} // namespace tavolier
