#include "opponents/odds.h"

namespace tavolier {

// Placeholders until the estimate lands.
void estimateOdds(TableState& state, Random&) { state.oddsScore = 50; }
void decideRaise(TableState& state, Random&) { state.raiseAmount = 0; }
void decideStay(TableState& state, Random&) { state.staysIn = true; }

} // namespace tavolier
