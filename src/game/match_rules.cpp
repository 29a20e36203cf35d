#include "game/match_rules.h"

#include "core/seats.h"
#include "game/options.h"
#include "game/table.h"
#include "presentation/animations.h"

namespace tavolier {

void resetPreviousHand(Table& table) {
    resetAtDeal(table);
    table.state.potSettled = false;
    for (int seat = kSeatCount; seat >= 1; --seat) {
        table.view.setLabelStyle(seatInfo(seat).statusLabel, FontStyle::plain);
        table.view.setLabelColor(seatInfo(seat).statusLabel, kWhite);
    }
}

bool announceFinishedMatch(Table& table) {
    const TableState& s = table.state;
    if (s.seat(kHuman).chips < 1) {
        table.view.message("You lose!", "Game over");
        table.disableActions();
        table.reportMatchEnded(MatchResult::humanLost, kHuman);
        return true;
    }
    bool opponentHasChips = false;
    for (int seat : kOpponents)
        opponentHasChips = opponentHasChips || s.seat(seat).chips >= 1;
    if (!opponentHasChips) {
        table.view.message("You win!", "Game over");
        table.disableActions();
        table.reportMatchEnded(MatchResult::humanWon, kHuman);
        return true;
    }
    return false;
}

std::optional<std::int32_t> confirmNewMatch(Table& table, std::string_view moneyText) {
    table.random.seedFromClock();
    if (!table.view.ask("Are you sure?", "New game"))
        return std::nullopt;
    whitenStatusLabels(table);
    // The last showdown's italics end with the match, as they do at a Deal.
    for (int seat = kSeatCount; seat >= 1; --seat)
        table.view.setLabelStyle(seatInfo(seat).statusLabel, FontStyle::plain);
    // The stack is read the way the options panel reads the same field.
    const auto number = wholeNumber(moneyText);
    if (!number)
        table.view.message("Invalid value", "New game");
    return number;
}

void markWinner(Table& table, int seat) {
    const Label label = seatInfo(seat).statusLabel;
    table.view.setLabelStyle(label, FontStyle::italic);
    table.view.setLabelColor(label, kWhite);
    if (seat == kHuman)
        startGoldFigure(table);
}

} // namespace tavolier
