#include "game/classic/classic_rules.h"
#include "game/rule_set.h"
#include "game/standard/standard_rules.h"

namespace tavolier {

const std::array<RuleSetEntry, 2>& ruleSets() {
    static const ClassicRules classic;
    static const StandardRules standard;
    // clang-format off
    static const std::array<RuleSetEntry, 2> table { {
        { "Classic",  "classic",  classic },
        { "Standard", "standard", standard },
    } };
    // clang-format on
    return table;
}

std::int32_t validRulesNumber(std::int64_t stored) {
    if (stored < 0 || stored >= static_cast<std::int64_t>(ruleSets().size()))
        return 0;
    return static_cast<std::int32_t>(stored);
}

std::optional<std::int32_t> parseRules(std::string_view word) {
    for (std::size_t i = 0; i < ruleSets().size(); ++i) {
        if (ruleSets()[i].code == word)
            return static_cast<std::int32_t>(i);
    }
    return std::nullopt;
}

} // namespace tavolier
