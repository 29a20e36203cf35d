#include "opponents/characters.h"

#include "opponents/standard_opponent.h"

#include <algorithm>
#include <cctype>

namespace tavolier {

namespace {

// clang-format off
// looseness: early, middle, late, blinds.
const std::array<Character, 7> kCharacters { {
    { "Chong", "Tight and aggressive: plays few hands and plays them hard",
      { 12, 16, 24, 18 }, 80, 65, 30, 45, 10, 100 },
    { "Jack", "Calling station: sees many flops and calls down far too light",
      { 22, 28, 36, 40 }, 20, 25, 0, 10, 5, 25 },
    { "Carlos", "Loose and passive: limps in with many hands, raises only when strong",
      { 30, 36, 44, 40 }, 15, 35, 15, 15, 25, 70 },
    { "Cindy", "Tricky: slow-plays her big hands, check-raises and semi-bluffs",
      { 15, 19, 28, 22 }, 60, 55, 30, 60, 55, 90 },
    { "Robert", "Rock: waits for premium hands, never bluffs",
      { 7, 9, 13, 10 }, 70, 45, 0, 0, 5, 100 },
    { "Edmund", "Solid regular: aggressive, uses his position, bluffs in balance",
      { 14, 19, 30, 22 }, 75, 60, 25, 40, 15, 100 },
    { "Marc", "Maniac: raises and re-raises with almost anything, bluffs often",
      { 34, 40, 50, 45 }, 80, 90, 30, 70, 5, 55 },
} };

const Character kPlain { "", "Plays by the level alone",
    { 14, 18, 27, 22 }, 70, 55, 25, 35, 10, 100 };
// clang-format on

// clang-format off
// Each character's band, in the order of kCharacters: VPIP, PFR, aggression.
const std::array<StyleBand, 7> kBands { {
    { 9, 17,   5, 12,   2.0, 6.0 }, // Chong: tight and aggressive
    { 19, 30,  1, 7,    0.2, 0.9 }, // Jack: calling station
    { 24, 36,  1, 7,    0.6, 1.6 }, // Carlos: loose and passive
    { 12, 21,  5, 12,   1.5, 3.5 }, // Cindy: tricky
    { 4, 11,   2, 7,    1.2, 3.8 }, // Robert: rock
    { 12, 22,  7.5, 15, 2.0, 6.0 }, // Edmund: solid regular
    { 28, 42,  18, 30,  2.2, 5.0 }, // Marc: maniac
} };
const StyleBand kOpenBand {};
// clang-format on

[[nodiscard]] bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x))
            == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

const std::array<Character, 7>& characters() {
    return kCharacters;
}

const Character* findCharacter(std::string_view name) {
    for (const Character& c : kCharacters) {
        if (sameName(c.name, name))
            return &c;
    }
    return nullptr;
}

const Character* characterOfSeat(int seat) {
    // Seat 7 is Chong, 1 is Marc: the table lists them from seat 7 down.
    if (seat < 1 || seat > 7)
        return nullptr;
    return &kCharacters[static_cast<std::size_t>(7 - seat)];
}

const StyleBand& styleBand(const Character& character) {
    for (std::size_t i = 0; i < kCharacters.size(); ++i) {
        if (&kCharacters[i] == &character)
            return kBands[i];
    }
    return kOpenBand;
}

const Character& plainCharacter() {
    return kPlain;
}

std::unique_ptr<Opponent> makeOpponent(const Character& character, std::int32_t levelCode) {
    return std::make_unique<StandardOpponent>(character, levelOfCode(levelCode));
}

} // namespace tavolier
