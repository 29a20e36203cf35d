#pragma once

#include "core/card.h"

#include <array>
#include <cstdint>

namespace tavolier {

// The 169 kinds of starting hand: thirteen pairs, 78 suited and 78 offsuit
// pairs of ranks. Index by the ranks: a pair at hi * 13 + hi, suited cards
// at hi * 13 + lo, offsuit cards at lo * 13 + hi (hi the higher rank).
inline constexpr int kStartingHandKinds = 169;
inline constexpr int kMostOpponents = 7;

[[nodiscard]] constexpr int startingHandIndex(Card a, Card b) {
    const int hi = a.rank > b.rank ? a.rank : b.rank;
    const int lo = a.rank > b.rank ? b.rank : a.rank;
    if (hi == lo || a.suit == b.suit)
        return hi * 13 + lo;
    return lo * 13 + hi;
}

// What a kind of starting hand is worth, worked out when the program is
// built: its share of the pot at a showdown against 1 .. 7 random hands
// (in ten-thousandths), and how good it is among all starting hands (the
// share of the 1326 two-card hands as good as it or better, in
// ten-thousandths: 45 for a pair of Aces, 10000 for the worst).
struct StartingHandWorth {
    std::array<std::uint16_t, kMostOpponents> share {};
    std::uint16_t percentile = 0;
};

// Written by tavolier-starting-hands at build time, by index.
extern const std::array<StartingHandWorth, kStartingHandKinds> g_startingHands;

// The hand's share of the pot against opponents random hands (1 .. 7).
[[nodiscard]] inline double startingShare(int index, int opponents) {
    const int k = opponents < 1 ? 1 : opponents > kMostOpponents ? kMostOpponents : opponents;
    return g_startingHands[static_cast<std::size_t>(index)].share[static_cast<std::size_t>(k - 1)]
        / 10000.0;
}

// The share of starting hands as good as this one or better (0..1).
[[nodiscard]] inline double startingPercentile(int index) {
    return g_startingHands[static_cast<std::size_t>(index)].percentile / 10000.0;
}

} // namespace tavolier
