#pragma once

#include <array>
#include <cstdint>

namespace tavolier {

// What the window's animations and mouse-over effects remember between
// events. It belongs to the window, not to the table state.
struct PresentationState {
    bool oddsStale = true; // estimate the human's odds afresh at the next hover
    std::array<bool, 9> hoverShown {}; // by seat number; [8] is the human's badge
    // A rating is on the badge. An action of the human clears hoverShown[8]
    // but leaves the rating, which still goes when the pointer leaves.
    bool badgeRated = false;
    std::int32_t blinkStep = 0; // 0..2
    std::int32_t blinkPick = 0; // 0..104, the blinking opponent
    std::int32_t winStep = 0; // 0..4, the winners' flash
    std::int32_t goldStep = 0; // 0..8, the gold figure
    std::int32_t drawX = 0; // the card last stamped, for the corner touch-up
    std::int32_t drawY = 0;
};

} // namespace tavolier
