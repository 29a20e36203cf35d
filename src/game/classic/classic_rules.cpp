#include "game/classic/classic_rules.h"

#include "evaluation/hand_evaluator.h"
#include "evaluation/hand_names.h"
#include "game/classic/hand_flow.h"
#include "game/classic/match.h"
#include "game/classic/player_actions.h"
#include "game/table.h"

namespace tavolier {

void ClassicRules::startupDeal(Table& table) const {
    tavolier::startupDeal(table);
}

void ClassicRules::deal(Table& table) const {
    tavolier::deal(table);
}

void ClassicRules::checkOrCall(Table& table) const {
    tavolier::checkOrCall(table);
}

void ClassicRules::raise(Table& table) const {
    tavolier::raise(table);
}

void ClassicRules::fold(Table& table) const {
    tavolier::fold(table);
}

void ClassicRules::newMatch(Table& table, std::string_view moneyText) const {
    tavolier::newMatch(table, moneyText);
}

LegalActions ClassicRules::legalActions(const Table& table) const {
    return tavolier::legalActions(table.state);
}

TurnQuestion ClassicRules::humanTurn(const Table& table) const {
    // A bet to answer is called or folded; otherwise the seat checks or raises.
    const LegalActions legal = legalActions(table);
    const std::int32_t bet = streetBet(table.state);
    if (legal.mustCall)
        return TurnQuestion { kHuman, true, legal.callCost, bet, false };
    return TurnQuestion { kHuman, false, 0, bet, true };
}

std::string ClassicRules::handName(std::span<const Card> cards) const {
    // Before the river the slots the cards leave hold a card of no rank,
    // which the evaluator leaves out, so that the name is the best five of
    // the cards shown (the opponents' placeholders would rank above the Ace
    // and pair each other). Fewer than five cards have no name.
    if (cards.size() < 5)
        return {};
    constexpr Card kNoCard { 0, -1 };
    std::array<Card, 7> slots {};
    for (std::size_t i = 0; i < slots.size(); ++i)
        slots[i] = i < cards.size() ? cards[i] : kNoCard;
    return std::string(tavolier::handName(evaluate(slots).score));
}

} // namespace tavolier
