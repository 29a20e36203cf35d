#include "opponents/opponent_turns.h"

#include "game/table.h"

namespace tavolier {

// Placeholders until the opponents' turns land.
void answerBet(Table&, int) { }
void checkOrRaise(Table&, int) { }

} // namespace tavolier
