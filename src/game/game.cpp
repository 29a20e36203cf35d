#include "game/game.h"

#include "game/classic/hand_flow.h"
#include "game/table.h"

namespace tavolier {

namespace {

constexpr std::string_view kRulesSection = "Settings";
constexpr std::string_view kRulesKey = "Rules";

} // namespace

Game::Game(Table& table_)
    : table(table_) {
}

void Game::startUp() {
    prepareStartUp(true);
    startupDeal();
}

void Game::prepareStartUp(bool seedFromClock) {
    tavolier::prepareStartUp(table, seedFromClock);
    table.state.rulesChoice
        = validRulesNumber(table.settings.readInteger(kRulesSection, kRulesKey, 0));
}

void Game::startupDeal() {
    takeUpChosenRules();
    rules().startupDeal(table);
}

void Game::deal() {
    takeUpChosenRules();
    rules().deal(table);
}

void Game::checkOrCall() {
    rules().checkOrCall(table);
}

void Game::raise() {
    rules().raise(table);
}

void Game::fold() {
    rules().fold(table);
}

void Game::newMatch(std::string_view moneyText) {
    takeUpChosenRules();
    rules().newMatch(table, moneyText);
}

LegalActions Game::legalActions() const {
    return rules().legalActions(table);
}

TurnQuestion Game::humanTurn() const {
    return rules().humanTurn(table);
}

const RuleSet& Game::rules() const {
    return rulesEntry().rules;
}

const RuleSetEntry& Game::rulesEntry() const {
    return ruleSets()[static_cast<std::size_t>(validRulesNumber(table.state.rulesInPlay))];
}

void Game::chooseRules(std::int32_t number) {
    table.state.rulesChoice = validRulesNumber(number);
    table.settings.writeInteger(kRulesSection, kRulesKey, table.state.rulesChoice);
}

void Game::takeUpChosenRules() {
    TableState& s = table.state;
    const std::int32_t chosen = validRulesNumber(s.rulesChoice);
    // Rules taken up anew start their betting afresh: the dealer button
    // starts again from the human's chair, as at the first hand of a run.
    if (chosen != s.rulesInPlay)
        s.betting = Betting {};
    s.rulesInPlay = chosen;
}

} // namespace tavolier
