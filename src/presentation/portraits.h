#pragma once

#include "core/table_state.h"

#include <array>

namespace tavolier {

// A mouse region given by its edge lines. It is open: the mouse is inside only
// strictly between the edges, and it has left only once it is strictly past
// one of them, so standing exactly on an edge neither enters nor leaves.
struct HoverRegion {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    [[nodiscard]] constexpr bool inside(int x, int y) const {
        return x > left && x < right && y > top && y < bottom;
    }
    [[nodiscard]] constexpr bool past(int x, int y) const {
        return x < left || x > right || y < top || y > bottom;
    }
};

// Where each opponent's pictures go, by seat number (0 and 8 unused here).
// Picture k of every portrait list belongs to seat 7 - k: Chong 0 .. Marc 6.
struct PortraitPlace {
    int k;
    int x; // portrait, top-left
    int y;
    HoverRegion hover;
    int blinkX; // the face crop of the blink
    int blinkY;
};

// clang-format off
inline constexpr std::array<PortraitPlace, kSeatCount + 1> kPortraits { {
    { -1,   0,   0, {},                     0,   0 },
    {  6,  35, 449, {  35, 449, 163, 577 },  64, 449 }, // Marc
    {  5, 829, 449, { 829, 449, 957, 577 }, 862, 449 }, // Edmund
    {  4, 870, 239, { 870, 239, 998, 367 }, 902, 244 }, // Robert
    {  3, 764,  57, { 764,  57, 892, 185 }, 798,  57 }, // Cindy
    {  2, 397,   5, { 397,   5, 528, 135 }, 429,   5 }, // Carlos
    {  1, 101,  57, { 101,  57, 229, 185 }, 127,  57 }, // Jack
    {  0,   1, 239, {   1, 239, 129, 367 },  32, 244 }, // Chong
    { -1,   0,   0, {},                     0,   0 },
} };

// The human's odds badge: where the rating is drawn, where the winner's badge
// is drawn, and the region the mouse holds to see the rating.
inline constexpr int kBadgeX = 257;
inline constexpr int kBadgeY = 543;
inline constexpr int kWinnerBadgeX = 264;
inline constexpr int kWinnerBadgeY = 542;
inline constexpr HoverRegion kBadgeHover { 264, 543, 388, 668 };

// The patch where the gold figure dances.
inline constexpr int kGoldX = 335;
inline constexpr int kGoldY = 453;

// Picture numbers in the portrait lists.
inline constexpr int kGreenRing = 0;       // highlights k
inline constexpr int kGoldRing = 7;        // highlights 7 + k
inline constexpr int kBadgeGreen = 14;     // highlights 14
inline constexpr int kBadgeGold = 15;      // highlights 15
inline constexpr int kBadgeRed = 7;        // smiles 7
inline constexpr int kBadgeQuestion = 7;   // procent 7
inline constexpr int kWinkClosed = 0;      // winks k
inline constexpr int kWinkOpen = 7;        // winks 7 + k
inline constexpr int kWinkClosedAgain = 14; // winks 14 + k
// clang-format on

[[nodiscard]] constexpr const PortraitPlace& portraitOf(int seat) {
    return kPortraits[static_cast<std::size_t>(seat)];
}

// The opponent a blink pick 0..104 chooses: 0..19 Chong, 20..34 Jack,
// 35..44 Carlos, 45..59 Cindy, 60..74 Robert, 75..89 Edmund, 90..104 Marc.
[[nodiscard]] constexpr int blinkSeat(int pick) {
    if (pick < 20)
        return 7;
    if (pick < 35)
        return 6;
    if (pick < 45)
        return 5;
    if (pick < 60)
        return 4;
    if (pick < 75)
        return 3;
    if (pick < 90)
        return 2;
    return 1;
}

// The rating badge (procent picture) for an odds score on a street; -1 for a
// score of 200 or more, which draws nothing. Scores below 0 never reach here.
[[nodiscard]] constexpr int oddsBadge(std::int32_t score, Street street) {
    if (score < 5)
        return 0;
    if (score < 15)
        return 1;
    if (score < 20)
        return street == Street::preflop ? 1 : 2;
    if (score < 30)
        return 2;
    if (score < 40)
        return 3;
    if (score < 50)
        return 4;
    if (score < 60)
        return 5;
    if (score < 200)
        return 6;
    return -1;
}

} // namespace tavolier
