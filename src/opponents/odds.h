#pragma once

#include "core/random.h"
#include "game/table_state.h"

namespace tavolier {

// The opponents' Monte Carlo estimate for the two cards in actorCards:
// writes oddsScore (percent of N + 1 trials in which the hand beat six random
// hands, plus the pre-flop bonus) and may set raiseBarred. N is aiLevelCode.
void estimateOdds(TableState& state, Random& random);

// An opponent's own turn: clears raiseBarred, raiseAmount and raiseChance,
// estimates, then sets raiseAmount to 0 (check) or the street's bet.
void decideRaise(TableState& state, Random& random);

// An opponent answering a bet: clears raiseBarred, estimates, sets staysIn.
void decideStay(TableState& state, Random& random);

} // namespace tavolier
