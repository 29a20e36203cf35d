#pragma once

#include "game/rule_set.h"

namespace tavolier {

// The written rules of the game, exactly as they have always played: the
// blinds that do not count toward a call, the turn tables, the showdown that
// stops at the first kicker, stacks that may go below zero. The same
// arguments deal the same hands, draw for draw.
class ClassicRules : public RuleSet {
public:
    void startupDeal(Table& table) const override;
    void deal(Table& table) const override;
    void checkOrCall(Table& table) const override;
    void raise(Table& table) const override;
    void fold(Table& table) const override;
    void newMatch(Table& table, std::string_view moneyText) const override;
    [[nodiscard]] LegalActions legalActions(const Table& table) const override;
    [[nodiscard]] TurnQuestion humanTurn(const Table& table) const override;
    [[nodiscard]] std::string handName(std::span<const Card> cards) const override;
};

} // namespace tavolier
