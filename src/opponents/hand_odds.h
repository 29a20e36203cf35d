#pragma once

#include "core/card.h"
#include "core/random.h"

#include <array>
#include <cstdint>

namespace tavolier {

// What two hole cards make with the board seen so far (three to five
// cards), in the few classes a player reads a hand by.
enum class MadeHand {
    nothing, // no pair with a hole card, no draw
    draw, // four to a flush or to a straight, cards to come
    weakPair, // a pair with a hole card below the top card of the board
    goodPair, // top pair or an overpair
    strong, // two pairs with both hole cards or better
};

// The board as a few masks, worked out once for many hands.
struct BoardShape {
    int count = 0;
    std::uint32_t ranks = 0; // bit r: a card of rank r is on the board
    std::array<int, 13> ofRank {}; // cards of each rank on the board
    std::array<int, 4> ofSuit {}; // cards of each suit on the board
    int top = -1; // the highest rank on the board
};

[[nodiscard]] BoardShape shapeOf(const std::array<Card, 5>& board, int count);
[[nodiscard]] MadeHand madeHand(Card a, Card b, const BoardShape& board);

// What an opponent still in the hand has been telling: the share of the
// best starting hands it plays the way it played (1 for any two cards),
// how often it still holds something else, and its bets and calls after
// the flop this hand.
struct HandRange {
    double top = 1.0;
    double outside = 0.08;
    int bets = 0; // bets and raises after the flop
    int calls = 0; // calls after the flop
    double bluffs = 0.3; // when it bets after the flop: how often with nothing
};

struct OddsQuestion {
    std::array<Card, 2> hole {};
    std::array<Card, 5> board {};
    int boardCount = 0;
    int opponents = 1; // seats still in besides this one (1 .. 7)
    std::array<HandRange, 7> ranges {}; // read only when weighted
    bool weighted = false; // false: every opponent holds any two cards
    int trials = 200;
};

// The share of the pot the hole cards take at the showdown (ties split),
// by simulation with the game's generator: the opponents' cards drawn from
// their ranges, the board completed at random.
[[nodiscard]] double potShare(const OddsQuestion& question, Random& random);

} // namespace tavolier
