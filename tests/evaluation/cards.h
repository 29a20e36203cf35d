#pragma once

#include "core/card.h"

#include <array>
#include <stdexcept>
#include <string_view>

namespace tavolier::testing {

// Reads a card written rank then suit ("As", "Td", "2c"); "P1" and "P2" are
// the two placeholder cards.
[[nodiscard]] inline Card card(std::string_view text) {
    if (text == "P1")
        return kPlaceholderA;
    if (text == "P2")
        return kPlaceholderB;
    constexpr std::string_view ranks = "23456789TJQKA";
    constexpr std::string_view suits = "cdhs";
    if (text.size() != 2 || ranks.find(text[0]) == std::string_view::npos
        || suits.find(text[1]) == std::string_view::npos)
        throw std::invalid_argument("bad card");
    return { static_cast<std::int32_t>(suits.find(text[1])),
        static_cast<std::int32_t>(ranks.find(text[0])) };
}

// Seven cards in slot order from "As Kd 7h 7c 2s Td 9c".
[[nodiscard]] inline std::array<Card, 7> hand(std::string_view text) {
    std::array<Card, 7> slots {};
    std::size_t n = 0;
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        if (!word.empty()) {
            if (n == 7)
                throw std::invalid_argument("more than seven cards");
            slots[n++] = card(word);
        }
        if (space == std::string_view::npos)
            break;
        text.remove_prefix(space + 1);
    }
    if (n != 7)
        throw std::invalid_argument("fewer than seven cards");
    return slots;
}

} // namespace tavolier::testing
