#pragma once

#include "core/random.h"
#include "core/table_state.h"

#include <array>
#include <cstdint>

namespace tavolier {

// The pre-flop bonus or penalty for the shape of the hole cards c0, c1, given
// flopScore, the score of the hole cards with the hidden flop and the two
// placeholders. The odds badge (badge true) skips the three flop-made rules.
[[nodiscard]] std::int32_t preflopBonus(Card c0, Card c1, std::int32_t flopScore, bool badge);

// On the flop, whether the score of the hole cards with the flop and the two
// placeholders bars raising: a pair below a flop card, two pairs up to Tens
// whose higher pair is below a flop card, or a bare high card.
[[nodiscard]] bool flopBarsRaise(std::int32_t flopScore, const std::array<Card, 5>& board);

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
