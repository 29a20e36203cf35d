#pragma once

#include "core/random.h"
#include "core/table_state.h"

namespace tavolier {

// Fills deck and spareDeck in order: position p holds suit p / 13, rank p % 13.
void initDecks(TableState& state);

// Shuffles spareDeck by 5001 random swaps and deck by 20001 (two draws below
// 52 per swap), then deals the hole cards from deck positions 0..15 and the
// board from positions 20..24.
void shuffleAndDeal(TableState& state, Random& random);

} // namespace tavolier
