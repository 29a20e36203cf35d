#include "opponents/opponent.h"

#include "opponents/odds.h"

namespace tavolier {

Decision MonteCarloOpponents::decide(const SeatView& view, Random& random) {
    const TurnQuestion& turn = view.turn;
    TableState& table = m_table;
    EstimateCarry& carry = table.estimate;
    const EstimateInput input
        = estimateInput(table, view.holeCards, m_levelCode != 0 ? m_levelCode : table.aiLevelCode);
    if (turn.facingBet) {
        if (!turn.mayRaise) {
            const bool stays = decideStay(input, carry, random).staysIn;
            return stays ? Decision { DecisionKind::call, turn.toCall }
                         : Decision { DecisionKind::fold, 0 };
        }
        const Estimate estimate = estimateOdds(input, carry, random);
        if (!staysOn(estimate, input))
            return Decision { DecisionKind::fold, 0 };
        if (raiseOn(estimate, input, random).raiseAmount > 0)
            return Decision { DecisionKind::raise, turn.betSize };
        return Decision { DecisionKind::call, turn.toCall };
    }
    if (!turn.mayRaise)
        return Decision { DecisionKind::check, 0 };
    const std::int32_t amount = decideRaise(input, carry, random).raiseAmount;
    return amount > 0 ? Decision { DecisionKind::bet, amount }
                      : Decision { DecisionKind::check, 0 };
}

} // namespace tavolier
