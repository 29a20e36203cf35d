#pragma once

#include "game/card.h"
#include "game/table_state.h"

#include <array>
#include <cstdint>

namespace tavolier {

// The evaluator's result: the category base (0, 100, 200, 300, 400, 450, 500,
// 800, 1000) plus a rank, and the weighted kicker value that orders hands of
// equal score.
struct HandValue {
    std::int32_t score = 0;
    std::int32_t kicker = 0;
    friend constexpr bool operator==(const HandValue&, const HandValue&) = default;
};

// Scores seven cards in slot order. Slots may hold duplicates and the two
// placeholder cards; nothing reads outside an array whatever they hold.
[[nodiscard]] HandValue evaluate(const std::array<Card, 7>& slots);

// Scores state.evalCards into state.handScore and state.kickerValue.
void evaluateHand(TableState& state);

} // namespace tavolier
