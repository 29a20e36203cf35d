#pragma once

#include "core/card.h"
#include "evaluation/hand_evaluator.h"

#include <array>

namespace tavolier::testing {

// The scoring rules written out as plain scans over the seven slots, step by
// step and in the rules' own words: slow and obvious. The fast evaluator must
// give the same result for every set of real cards, duplicates included, and
// for the two placeholder cards.
[[nodiscard]] HandValue referenceEvaluate(const std::array<Card, 7>& slots);

} // namespace tavolier::testing
