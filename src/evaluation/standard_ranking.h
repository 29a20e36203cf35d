#pragma once

#include "core/card.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace tavolier {

// The kinds of hand, weakest first.
enum class HandCategory {
    highCard,
    onePair,
    twoPairs,
    threeOfAKind,
    straight,
    flush,
    fullHouse,
    fourOfAKind,
    straightFlush,
};

// Seven cards ranked the way card rooms rank them: the best five, every kicker.
// ranks holds the ranks (0 the Two .. 12 the Ace) of the best five cards in order of
// significance: the larger group first, groups of a size and kickers from high to low, so
// "Kings over Sevens" reads 11,11,11,5,5 and two pairs with a kicker 11,11,5,5,12. In a
// five-high straight (flush) the Ace plays low and is written -1: 3,2,1,0,-1, so its top is
// the Five. Comparing category, then ranks lexicographically, orders hands as value does.
struct StandardRank {
    HandCategory category = HandCategory::highCard;
    std::array<int, 5> ranks {};
    // Totally ordered: a higher value beats a lower one, equal values tie.
    std::uint32_t value = 0;
    friend constexpr bool operator==(const StandardRank&, const StandardRank&) = default;
};

// The rank of the showdown's seven distinct real cards (two hole cards and the board).
// Asserts on other input; in a build without assertions a card outside the deck is left
// out and a repeated card counts once, and a missing rank in ranks reads -1.
[[nodiscard]] StandardRank rankStandard(const std::array<Card, 7>& cards);
// The same for the cards seen so far (five or six from the flop on): the
// best hand they make, kickers missing from a short hand reading -1.
[[nodiscard]] StandardRank rankStandard(std::span<const Card> cards);

// The hand's name, saying enough to tell hands apart: "Two pairs Kings and Sevens, Ace
// kicker", "Full house Kings over Sevens", "Royal flush".
[[nodiscard]] std::string standardHandName(const StandardRank& rank);

} // namespace tavolier
