#include "game/classic/match.h"

#include "core/seats.h"
#include "game/classic/hand_steps.h"
#include "game/deck.h"
#include "game/match_rules.h"
#include "game/options.h"
#include "game/table.h"
#include "presentation/animations.h"
#include "presentation/card_drawing.h"
#include "settings/settings_io.h"

namespace tavolier {

namespace {

// The chip target of the match, computed wide: both figures may come from
// a hand-edited settings file.
[[nodiscard]] std::int64_t chipTarget(const TableState& s) {
    return static_cast<std::int64_t>(s.initialChips) + s.untilMargin;
}

} // namespace

void endHandByFolds(Table& table) {
    TableState& s = table.state;
    for (int seat : kOpponents) {
        if (s.seat(seat).chips > 0) {
            clearArea(table, kCardPlaces[static_cast<std::size_t>(seat)].cleared);
            table.setStatus(seat, "Folds");
            s.seat(seat).folded = true;
        }
    }
    table.offerDealOnly();
    Seat& human = s.seat(kHuman);
    human.chips = clampedAdd(human.chips, s.pot);
    table.showChips(kHuman);
    table.playSoundIfOn("chip4.wav");
    PotAwarded award;
    award.winners[static_cast<std::size_t>(kHuman)] = true;
    award.winnerCount = 1;
    award.pot = s.pot;
    award.share = s.pot;
    award.won[static_cast<std::size_t>(kHuman)] = s.pot;
    award.byFolds = true;
    PotShare pot;
    pot.amount = s.pot;
    pot.eligible[static_cast<std::size_t>(kHuman)] = true;
    pot.winners[static_cast<std::size_t>(kHuman)] = true;
    award.pots.push_back(pot);
    table.reportPotAndEnd(award);
    if (human.chips >= chipTarget(s)) {
        table.view.message("You win!", "Game over");
        table.setButtonEnabled(Button::deal, false);
        table.reportMatchEnded(MatchResult::seatReachedTarget, kHuman);
    }
    s.handsPlayed = clampedAdd(s.handsPlayed, 1);
    s.handsWon = clampedAdd(s.handsWon, 1);
    writeChips(table.settings, s);
}

void newMatch(Table& table, std::string_view moneyText) {
    TableState& s = table.state;
    const std::optional<std::int32_t> number = confirmNewMatch(table, moneyText);
    if (!number)
        return;
    const std::int32_t stack = *number;
    for (int seat = 1; seat <= kSeatCount; ++seat)
        s.seat(seat).chips = stack;
    s.initialChips = stack;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        s.seat(seat).openBet = false;
        s.seat(seat).folded = false;
        s.seat(seat).outAtDeal = s.seat(seat).chips < 1;
    }
    s.street = Street::preflop;
    s.outCount = 0;
    s.anchorSeat = 1;
    s.blindMarker = 1;
    table.setStatus(kHuman, "");
    for (int seat : kOpponents)
        table.setStatus(seat, "");
    table.setButtonEnabled(Button::deal, false);
    table.setButtonEnabled(Button::fold, true);
    table.setButtonEnabled(Button::checkOrCall, true);
    table.setButtonEnabled(Button::raise, true);
    resetAtNewMatch(table);
    computeBlinds(table);
    countBrokeOpponents(table);
    showOpeningPot(table);
    setDealCaptions(table);

    // The first blinds of a match fall on Edmund and Marc without a search;
    // a seat without chips pays nothing.
    const SeatFigures stacks = stacksOf(s);
    table.setStatus(3, "");
    table.setStatus(2, "Small Blind");
    const bool smallPaid = s.seat(2).chips > 0;
    if (smallPaid)
        s.seat(2).chips = clampedAdd(s.seat(2).chips, -static_cast<std::int64_t>(s.smallBlind));
    table.setStatus(1, "Big Blind");
    const bool bigPaid = s.seat(1).chips > 0;
    if (bigPaid)
        s.seat(1).chips = clampedAdd(s.seat(1).chips, -static_cast<std::int64_t>(s.bigBlind));
    table.showChips(2);
    table.showChips(1);
    table.showPot();
    s.seat(1).openBet = true;

    shuffleAndDeal(s, table.random);
    table.reportHandStarted(true, 2, 1, stacks);
    if (smallPaid)
        table.reportBlind(2, false, s.smallBlind);
    if (bigPaid)
        table.reportBlind(1, true, s.pot);
    // A new hand starts from a fresh table: the full repaint also takes away
    // the cards of seats that went broke in the last hand.
    redraw(table);
}

} // namespace tavolier
