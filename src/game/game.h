#pragma once

#include "core/game_events.h"
#include "game/rule_set.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavolier {

class Table;

// The game as everything above it sees it: the Deal, the human's actions,
// "New", the legal actions with their costs, and the rule set in play. The
// rules chosen on the options panel take effect at the next Deal (or start-up
// deal, or "New"); a hand always ends under the rules it was dealt by.
class Game {
public:
    explicit Game(Table& table);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // The window's start-up: reads every setting, seeds the generator from
    // the clock, builds the decks, shows the chips and deals the first hand.
    void startUp();
    // startUp up to the first deal, with or without the clock: the
    // command-line companion and the benchmarks seed the generator
    // themselves and may change the table before startupDeal.
    void prepareStartUp(bool seedFromClock);
    void startupDeal();

    void deal();
    void checkOrCall();
    void raise();
    void fold();
    void newMatch(std::string_view moneyText);

    [[nodiscard]] LegalActions legalActions() const;
    [[nodiscard]] TurnQuestion humanTurn() const;
    // The rule set the hand in progress is played by.
    [[nodiscard]] const RuleSet& rules() const;
    [[nodiscard]] const RuleSetEntry& rulesEntry() const;

    // A rule set chosen on the options panel or the command line (its stored
    // number): kept in the state, written to the settings, played from the
    // next Deal on. A refused write throws SettingsWriteError after the
    // choice is kept.
    void chooseRules(std::int32_t number);

    Table& table;

private:
    // The chosen rules become the rules in play.
    void takeUpChosenRules();
};

} // namespace tavolier
