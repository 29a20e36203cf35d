#include "game/hand_flow.h"

#include "game/table.h"

namespace tavolier {

// Placeholders until the hand flow lands.
void startUp(Table&) { }
void startupDeal(Table&) { }
void newgame(Table&) { }
void advanceStreet(Table&) { }

} // namespace tavolier
