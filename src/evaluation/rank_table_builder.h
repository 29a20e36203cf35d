#pragma once

#include "evaluation/rank_table.h"

namespace tavolier::ranks {

// Fills a rank table: every way to hold seven ranks placed by the perfect
// hash, each slot holding its score and kicker. False when the hash cannot
// place every key. The build runs it once (tools/rank-table) and compiles
// the result in as g_rankSlots; the tests run it again to compare.
[[nodiscard]] bool buildRankSlots(RankSlots& table);

} // namespace tavolier::ranks
