#pragma once

#include "opponents/seat_view.h"

namespace tavolier {

class Table;

// What seat may know at its turn, with the question the rules put to it:
// its own cards, the board, the hand's public betting, every seat's chips
// and what it put in, the places from the button. Never another seat's cards.
[[nodiscard]] SeatView seatViewOf(const Table& table, int seat, const TurnQuestion& question);

} // namespace tavolier
