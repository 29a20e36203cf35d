#pragma once

#include "evaluation/cards.h"
#include "evaluation/hand_evaluator.h"
#include "evaluation/random_hands.h"
#include "evaluation/reference_evaluator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>

namespace tavolier::testing {

[[nodiscard]] inline std::string describe(const std::array<Card, 7>& slots) {
    std::ostringstream out;
    for (const Card& c : slots)
        out << '{' << c.suit << ',' << c.rank << "} ";
    return out.str();
}

using Evaluator = HandValue (*)(const std::array<Card, 7>&);

// Compares a fast evaluator (the one this processor uses unless told) with
// the reference on count sets of one kind; reports the first few
// differences with their cards.
template <typename Draw>
void expectSameAsReference(
    std::uint64_t seed, std::int64_t count, Draw draw, Evaluator fastEvaluate = evaluate) {
    HandSource source(seed);
    int failures = 0;
    for (std::int64_t i = 0; i < count && failures < 5; ++i) {
        const std::array<Card, 7> slots = draw(source);
        const HandValue fast = fastEvaluate(slots);
        const HandValue slow = referenceEvaluate(slots);
        if (fast != slow) {
            ++failures;
            ADD_FAILURE() << "set " << i << ": " << describe(slots) << "fast " << fast.score << '/'
                          << fast.kicker << " reference " << slow.score << '/' << slow.kicker;
        }
    }
}

} // namespace tavolier::testing
