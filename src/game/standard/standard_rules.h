#pragma once

#include "game/rule_set.h"

namespace tavolier {

// Fixed-limit hold'em as card rooms play it. Play runs clockwise round the
// table as drawn (You, Marc, Chong, Jack, Carlos, Cindy, Robert, Edmund);
// the dealer button moves one seat with chips each hand; the blinds count
// toward the call and the big blind has the option; a bet and three raises
// a street (no cap heads-up); a street closes only when every seat still in
// has acted and matched the bet; short stacks go all-in, with side pots;
// the showdown ranks every kicker and splits ties, the odd chip to the
// first winner clockwise from the button.
class StandardRules : public RuleSet {
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
