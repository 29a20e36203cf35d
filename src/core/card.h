#pragma once

#include <cstdint>

namespace tavolier {

// A playing card: suit 0..3 (clubs, diamonds, hearts, spades) and rank 0..12
// (0 the deuce .. 12 the ace). The opponents' estimate also fills unused
// evaluator slots with placeholder cards far outside that range.
struct Card {
    std::int32_t suit = 0;
    std::int32_t rank = 0;
    friend constexpr bool operator==(const Card&, const Card&) = default;
};

// Picture index of a face in the "cards" image list; 52..59 are the backs.
[[nodiscard]] constexpr int imageIndex(Card c) {
    return c.suit * 13 + c.rank;
}

// Placeholders that never pair, run or suit with a real card.
inline constexpr Card kPlaceholderA { 70, 80 };
inline constexpr Card kPlaceholderB { 90, 100 };

} // namespace tavolier
