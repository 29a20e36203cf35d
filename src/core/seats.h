#pragma once

#include "core/table_state.h"
#include "core/table_view.h"

#include <array>
#include <string_view>

namespace tavolier {

// Everything that depends on a seat's position, written once and indexed by
// seat number (index 0 unused).
struct SeatInfo {
    std::string_view key; // settings key under "Cash"
    std::string_view caption; // name label on the table
    std::string_view name; // name used in texts ("Chong wins")
    Label chipsLabel;
    Label statusLabel;
    int deckPosition; // deck positions of its hole cards: this and the next
};

// clang-format off
inline constexpr std::array<SeatInfo, kSeatCount + 1> kSeats { {
    { "", "", "", Label::humanChips, Label::humanStatus, 0 },
    { "robot",   "Marc:",   "Marc",   Label::marcChips,    Label::marcStatus,   14 },
    { "expert",  "Edmund:", "Edmund", Label::edmundChips,    Label::edmundStatus,  12 },
    { "pinhead", "Robert:", "Robert", Label::robertChips, Label::robertStatus, 10 },
    { "champ",   "Cindy:",  "Cindy",  Label::cindyChips,    Label::cindyStatus,    8 },
    { "master",  "Carlos:", "Carlos", Label::carlosChips,    Label::carlosStatus,   6 },
    { "geek",    "Jack:",   "Jack",   Label::jackChips,    Label::jackStatus,     4 },
    { "freak",   "Chong:",  "Chong",  Label::chongChips,    Label::chongStatus,    0 },
    { "player",  "You:",    "You",    Label::humanChips,        Label::humanStatus,   2 },
} };

// The order in which chips are written to the settings file.
inline constexpr std::array<int, kSeatCount> kCashWriteOrder { 7, 8, 6, 5, 4, 3, 2, 1 };
// The seven opponents in the order of play.
inline constexpr std::array<int, 7> kOpponents { 7, 6, 5, 4, 3, 2, 1 };
// The seats clockwise round the table as drawn, from the human's chair: the
// order of play under the card rooms' rules.
inline constexpr std::array<int, kSeatCount> kClockwise { 8, 1, 7, 6, 5, 4, 3, 2 };
// clang-format on

[[nodiscard]] constexpr const SeatInfo& seatInfo(int number) {
    return kSeats[static_cast<std::size_t>(number)];
}

} // namespace tavolier
