#include "game/levels.h"

#include <string>

namespace tavolier {

std::optional<std::int32_t> parseLevel(std::string_view text) {
    for (const OpponentLevel& level : kOpponentLevels) {
        if (text == level.caption || text == std::to_string(level.code))
            return level.code;
    }
    return std::nullopt;
}

} // namespace tavolier
