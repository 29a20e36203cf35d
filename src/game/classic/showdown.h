#pragma once

#include "core/game_events.h"
#include "core/table_state.h"

#include <cstdint>

namespace tavolier {

class Table;

// Out-of-hand results of the showdown by seat number (index 0 unused).
inline constexpr std::int32_t kShowdownSentinel[9] { 0, -195, -165, -115, -110, -170, -120, -150,
    -180 };

// The showdown worked out as a value before anything is paid or shown:
// every seat's score and kicker, whether it takes part, its result (its
// showdown value, or its sentinel), the winners and the share each.
struct Settlement {
    SeatFigures scores {};
    SeatFigures kickers {};
    SeatFlags takesPart {};
    SeatFigures results {};
    SeatFlags winners {};
    int winnerCount = 0;
    std::int32_t share = 0;
    std::int32_t lostToSplit = 0; // an uneven split's remainder; the pot without a winner
};
[[nodiscard]] Settlement settleShowdown(const TableState& state);

// Scores all eight seats, names the hands still in, splits the pot among the
// best (once per hand), counts the statistics, writes the settings, starts the
// win animation and announces any seat at the match target.
void showdown(Table& table);

// Writes the name of score to the status label of seat (1..8); any other seat
// number changes no label.
void nameHand(Table& table, std::int32_t score, int seat);

} // namespace tavolier
