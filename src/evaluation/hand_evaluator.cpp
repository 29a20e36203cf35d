#include "evaluation/hand_evaluator.h"

namespace tavolier {

// Placeholder until the evaluator lands.
HandValue evaluate(const std::array<Card, 7>&) { return {}; }

void evaluateHand(TableState& state)
{
    const HandValue v = evaluate(state.evalCards);
    state.handScore = v.score;
    state.kickerValue = v.kicker;
}

} // namespace tavolier
