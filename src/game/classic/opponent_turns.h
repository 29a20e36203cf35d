#pragma once

#include "core/table_state.h"

namespace tavolier {

class Table;

// Opponent seat (1..7) answers toCall: calls, or folds (also when it cannot
// pay), moving anchorSeat on and ending the hand by folds at the seventh out.
void answerBet(Table& table, int seat);

// Opponent seat (1..7) takes its own turn: advances the street when it holds
// anchorSeat, runs the showdown at street 5, then checks or raises; a raise
// is answered at once by the later seats.
void checkOrRaise(Table& table, int seat);

} // namespace tavolier
