#pragma once

#include "core/random.h"
#include "opponents/opponent.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace tavolier {

// How one opponent plays, as data. Percentages run 0..100.
struct Character {
    std::string_view name; // the seat's opponent: "Chong", ... ; the table's key
    std::string_view style; // one line for the portrait's tooltip and the statistics
    // Before the flop: the share of starting hands it plays when nobody has
    // raised, from an early place, a middle one, a late one (the last two
    // seats before the blinds) and from the blinds.
    std::array<int, 4> looseness {};
    // Of the hands it plays, the share it raises with rather than calls.
    int raising = 0;
    // After the flop: how readily it bets and raises rather than checks and
    // calls (50 a plain regular).
    int aggression = 50;
    // When checked to on the river with a hand that cannot win: how often it bets.
    int bluffing = 0;
    // With a draw to a flush or a straight: how often it bets or raises.
    int semiBluffing = 0;
    // With a very strong hand before the river: how often it checks or
    // calls to trap instead of betting.
    int slowPlaying = 0;
    // How much the price moves it: 100 calls exactly as the pot pays, 0
    // calls far too often (a calling station).
    int priceSense = 100;
};

// The style a character is built to show over many hands, at any level:
// low and high ends of its VPIP and PFR (per cent of hands) and of its
// aggression factor after the flop ((bets + raises) / calls).
struct StyleBand {
    double vpipLow = 0, vpipHigh = 100;
    double pfrLow = 0, pfrHigh = 100;
    double aggressionLow = 0, aggressionHigh = 1000;
};

// A character's declared band; the plain style's is open.
[[nodiscard]] const StyleBand& styleBand(const Character& character);

// The seven characters, in the order of play of their seats (Chong first).
[[nodiscard]] const std::array<Character, 7>& characters();

// A character by name, any case ("cindy", "CINDY"); nullptr when there is none.
[[nodiscard]] const Character* findCharacter(std::string_view name);

// The character of an opponent seat by seat number (7 Chong .. 1 Marc);
// nullptr for the human's seat or a number that is no seat.
[[nodiscard]] const Character* characterOfSeat(int seat);

// The plain style a level plays with when it has no character of its own
// (a program that plays the human's seat at a level).
[[nodiscard]] const Character& plainCharacter();

// A new opponent that plays character at a level (its code: 400 Amateur,
// 600 Expert, 800 Master, 900 Genius; other codes play as the nearest level
// below, and codes under 600 as Amateur). Each seat needs its own object: an
// opponent remembers what it saw in the hands before.
[[nodiscard]] std::unique_ptr<Opponent> makeOpponent(
    const Character& character, std::int32_t levelCode);

} // namespace tavolier
