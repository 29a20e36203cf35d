#include "game/levels.h"

#include <algorithm>
#include <string>

namespace tavolier {

std::optional<std::int32_t> parseLevel(std::string_view text) {
    const auto lower
        = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (const OpponentLevel& level : kOpponentLevels) {
        if (std::ranges::equal(text, level.caption, {}, lower, lower)
            || text == std::to_string(level.code))
            return level.code;
    }
    return std::nullopt;
}

} // namespace tavolier
