#pragma once

#include "core/card.h"
#include "core/game_events.h"
#include "opponents/opponent.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavolier {

class Table;

// One set of rules the table plays by. Everything above the game (the
// window, the command-line companion, the tournament, the tests) drives the
// table through Game, which hands each call to the rule set in play; what
// happened comes back as game events and screen effects. A rule set keeps
// no state of its own: the match and the hand live in the table's state.
class RuleSet {
public:
    virtual ~RuleSet() = default;

    // The first hand of a run, dealt once the settings are read.
    virtual void startupDeal(Table& table) const = 0;
    // "Deal": ends a finished match or deals the next hand, and plays the
    // opponents up to the human's turn.
    virtual void deal(Table& table) const = 0;
    // The human's three actions; each plays the opponents' turns that follow.
    virtual void checkOrCall(Table& table) const = 0;
    virtual void raise(Table& table) const = 0;
    virtual void fold(Table& table) const = 0;
    // "New": asks, then starts a match with the stack that moneyText holds.
    virtual void newMatch(Table& table, std::string_view moneyText) const = 0;

    // What the human may do now, with the costs.
    [[nodiscard]] virtual LegalActions legalActions(const Table& table) const = 0;
    // The question these rules put to the human's seat now, for a program
    // that plays the human as an opponent would.
    [[nodiscard]] virtual TurnQuestion humanTurn(const Table& table) const = 0;
    // The name of the best hand in five to seven cards (a seat's two and the
    // board so far), as these rules name hands; empty for fewer cards.
    [[nodiscard]] virtual std::string handName(std::span<const Card> cards) const = 0;
};

// A rule set as the options panel, the settings file and the command line
// name it: the panel's caption, the command line's word, the stored number.
struct RuleSetEntry {
    std::string_view caption; // "Classic"
    std::string_view code; // "classic"
    const RuleSet& rules;
};

// Every rule set, in the order of the stored numbers (Rules=0, 1, ...).
// Adding one is a module and an entry here.
[[nodiscard]] const std::array<RuleSetEntry, 2>& ruleSets();

// The rule set a stored number names; any other number is Classic's (0).
[[nodiscard]] std::int32_t validRulesNumber(std::int64_t stored);
// The stored number of the rule set a command-line word names ("classic",
// "standard"); nullopt for any other word.
[[nodiscard]] std::optional<std::int32_t> parseRules(std::string_view word);

} // namespace tavolier
