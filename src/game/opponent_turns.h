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

// Decides for the opponents in place of the estimate, so that tests can play
// a hand with chosen calls, folds, checks and raises. Set on a Table through
// decisionOverride; no draw is made for a decision it answers.
class DecisionOverride {
public:
    virtual ~DecisionOverride() = default;
    // True: the seat calls toCall (it still folds when it cannot pay).
    [[nodiscard]] virtual bool staysIn(const TableState& state, int seat) = 0;
    // True: the seat raises by the street's bet; false: it checks.
    [[nodiscard]] virtual bool raises(const TableState& state, int seat) = 0;
};

} // namespace tavolier
