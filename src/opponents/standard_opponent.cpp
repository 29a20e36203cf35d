#include "opponents/standard_opponent.h"

#include "opponents/odds.h"

#include <algorithm>

namespace tavolier {

Thinking levelOfCode(std::int32_t code) {
    if (code >= 900)
        return Thinking::genius;
    if (code >= 800)
        return Thinking::master;
    if (code >= 600)
        return Thinking::expert;
    return Thinking::amateur;
}

namespace {

[[nodiscard]] std::int32_t codeOf(Thinking level) {
    switch (level) {
    case Thinking::amateur:
        return 400;
    case Thinking::expert:
        return 600;
    case Thinking::master:
        return 800;
    case Thinking::genius:
        return 900;
    }
    return 400;
}

} // namespace

StandardOpponent::StandardOpponent(const Character& character, Thinking level)
    : m_character(character)
    , m_level(level) {
    for (std::size_t i = 0; i < m_carry.spareDeck.size(); ++i)
        m_carry.spareDeck[i]
            = Card { static_cast<std::int32_t>(i / 13), static_cast<std::int32_t>(i % 13) };
}

Decision StandardOpponent::decide(const SeatView& view, Random& random) {
    const TurnQuestion& turn = view.turn;
    EstimateInput input;
    input.cards = view.holeCards;
    input.street = view.street;
    input.board = view.board;
    input.levelCode = codeOf(m_level);
    input.smallBet = view.smallBet;
    input.bigBet = view.bigBet;
    input.outCount = std::max(0, kSeatCount - view.inHandCount());
    if (turn.facingBet) {
        const Estimate estimate = estimateOdds(input, m_carry, random);
        if (!staysOn(estimate, input))
            return Decision { DecisionKind::fold, 0 };
        if (turn.mayRaise && raiseOn(estimate, input, random).raiseAmount > 0)
            return Decision { DecisionKind::raise, turn.betSize };
        return Decision { DecisionKind::call, turn.toCall };
    }
    if (!turn.mayRaise)
        return Decision { DecisionKind::check, 0 };
    const std::int32_t amount = decideRaise(input, m_carry, random).raiseAmount;
    return amount > 0 ? Decision { DecisionKind::bet, turn.betSize }
                      : Decision { DecisionKind::check, 0 };
}

} // namespace tavolier
