#include "game/table.h"

#include "core/seats.h"
#include "presentation/card_drawing.h"

#include <algorithm>

namespace tavolier {

Table::Table(TableState& state_, Random& random_, TableView& view_, SettingsStore& settings_)
    : Scene(state_, random_, view_)
    , settings(settings_)
    , events(m_nobodyListens) {
}

Table::Table(TableState& state_, Random& random_, TableView& view_, SettingsStore& settings_,
    GameEvents& events_)
    : Scene(state_, random_, view_)
    , settings(settings_)
    , events(events_) {
}

void Table::pay(int seat, std::int32_t amount) {
    Seat& s = state.seat(seat);
    s.chips = clampedAdd(s.chips, -static_cast<std::int64_t>(amount));
    state.pot = clampedAdd(state.pot, amount);
    showChips(seat);
    showPot();
}

void Table::setButtonEnabled(Button button, bool enabled) {
    switch (button) {
    case Button::deal:
        state.dealAllowed = enabled;
        break;
    case Button::checkOrCall:
        state.checkOrCallAllowed = enabled;
        break;
    case Button::raise:
        state.raiseAllowed = enabled;
        m_raiseShown = enabled && raiseTakesEffect(state);
        view.setButtonEnabled(button, m_raiseShown);
        return;
    case Button::fold:
        state.foldAllowed = enabled;
        break;
    case Button::sound:
        break;
    }
    view.setButtonEnabled(button, enabled);
}

void Table::refreshRaise() {
    const bool shown = state.raiseAllowed && raiseTakesEffect(state);
    if (shown == m_raiseShown)
        return;
    m_raiseShown = shown;
    view.setButtonEnabled(Button::raise, shown);
}

void Table::setCallDue(bool due) {
    state.callDue = due;
    view.setButtonCaption(Button::checkOrCall, due ? "Call" : "Check");
}

void Table::showRaiseCaption() {
    view.setButtonCaption(Button::raise, "Raise");
}

void Table::setSoundCaption(bool on) {
    view.setButtonCaption(Button::sound, on ? "On" : "Off");
}

void Table::setRaiseButton(bool enabled) {
    state.raiseAllowed = enabled;
    m_raiseShown = enabled;
    view.setButtonEnabled(Button::raise, enabled);
}

void Table::disableActions() {
    setButtonEnabled(Button::deal, false);
    setButtonEnabled(Button::raise, false);
    setButtonEnabled(Button::fold, false);
    setButtonEnabled(Button::checkOrCall, false);
}

void Table::offerDealOnly() {
    setButtonEnabled(Button::deal, true);
    setButtonEnabled(Button::raise, false);
    setButtonEnabled(Button::fold, false);
    setButtonEnabled(Button::checkOrCall, false);
}

void advanceStreet(Table& table) {
    TableState& s = table.state;
    // The street never passes the showdown, whatever path reaches here twice.
    s.street = nextStreet(s.street);
    drawCards(table);
    table.reportStreet();
    if (s.soundOn && s.street < Street::showdown) {
        const int r = table.random.below(100);
        table.view.playSound(r <= 50 ? "card2.wav" : "card1.wav");
    }
}

void whitenStatusLabels(Table& table) {
    for (int seat = kSeatCount; seat >= 1; --seat)
        table.view.setLabelColor(seatInfo(seat).statusLabel, kWhite);
}

SeatFigures stacksOf(const TableState& s) {
    SeatFigures stacks {};
    for (int seat = 1; seat <= kSeatCount; ++seat)
        stacks[static_cast<std::size_t>(seat)] = s.seat(seat).chips;
    return stacks;
}

void Table::reportHandStarted(
    bool newMatch, int smallBlindSeat, int bigBlindSeat, const SeatFigures& stacks) {
    const int button = smallBlindSeat == kHuman ? 1 : smallBlindSeat + 1;
    reportHandStarted(newMatch, smallBlindSeat, bigBlindSeat, stacks, HandOpening { button });
}

void Table::reportHandStarted(bool newMatch, int smallBlindSeat, int bigBlindSeat,
    const SeatFigures& stacks, const HandOpening& opening) {
    m_handOpen = true;
    m_streetReported = state.street;
    // A seat out of chips at the deal is told once, at its first turn; a seat
    // that runs out during the hand is passed over without a word.
    for (int seat = 1; seat <= kSeatCount; ++seat)
        m_toldSitsOut[static_cast<std::size_t>(seat)] = stacks[static_cast<std::size_t>(seat)] > 0;
    HandStarted e;
    e.handNumber = ++m_handNumber;
    e.newMatch = newMatch;
    e.smallBlindSeat = SeatNumber(smallBlindSeat);
    e.buttonSeat = SeatNumber(opening.buttonSeat);
    e.rulesName = opening.rulesName;
    e.standardBetting = opening.standardBetting;
    e.bigBlindSeat = SeatNumber(bigBlindSeat);
    e.smallBlind = state.smallBlind;
    e.bigBlind = state.bigBlind;
    e.smallBet = state.smallBet;
    e.bigBet = state.bigBet;
    e.stacks = stacks;
    e.humanCards = state.seat(kHuman).holeCards;
    events.handStarted(e);
}

void Table::reportBlind(int seat, bool big, std::int32_t potAfter) {
    if (!m_handOpen)
        return;
    events.blindPosted(
        BlindPosted { SeatNumber(seat), big, big ? state.bigBlind : state.smallBlind, potAfter });
}

void Table::reportBlindPosted(const BlindPosted& blind) {
    if (m_handOpen)
        events.blindPosted(blind);
}

void Table::reportAction(int seat, ActionKind kind, std::int32_t paid, bool allIn) {
    if (!m_handOpen)
        return;
    ActionTaken e;
    e.seat = SeatNumber(seat);
    e.kind = kind;
    e.street = state.street;
    e.paid = paid;
    e.potAfter = state.pot;
    e.stackAfter = state.seat(seat).chips;
    e.allIn = allIn;
    events.actionTaken(e);
}

void Table::reportSitsOut(int seat) {
    bool& told = m_toldSitsOut[static_cast<std::size_t>(seat)];
    if (told)
        return;
    told = true;
    reportAction(seat, ActionKind::sitsOut, 0);
}

void Table::reportStreet() {
    if (!m_handOpen || state.street == m_streetReported)
        return;
    if (state.street == Street::showdown && loneSurvivor(state))
        return;
    m_streetReported = state.street;
    StreetDealt e;
    e.street = state.street;
    e.boardCount = e.street == Street::flop ? 3 : e.street == Street::turn ? 4 : 5;
    e.board = state.board;
    events.streetDealt(e);
}

void Table::reportShown(int seat, std::int32_t score, std::int32_t kicker, std::string_view name) {
    if (!m_handOpen)
        return;
    HandShown e;
    e.seat = SeatNumber(seat);
    e.cards = state.seat(seat).holeCards;
    e.score = score;
    e.kicker = kicker;
    e.name = std::string(name);
    events.handShown(e);
}

void Table::reportPotAndEnd(const PotAwarded& award) {
    if (!m_handOpen)
        return;
    m_handOpen = false;
    events.potAwarded(award);
    HandEnded e;
    e.handNumber = m_handNumber;
    e.byFolds = award.byFolds;
    e.stacks = stacksOf(state);
    events.handEnded(e);
}

void Table::reportMatchEnded(MatchResult result, int seat) {
    events.matchEnded(MatchEnded { result, SeatNumber(seat) });
}

bool raiseTakesEffect(const TableState& s) {
    return s.outCount < 7 && s.seat(kHuman).chips > 1;
}

LegalActions legalActions(const TableState& s) {
    LegalActions a;
    a.deal = s.dealAllowed;
    a.checkOrCall = s.checkOrCallAllowed;
    a.raise = s.raiseAllowed && raiseTakesEffect(s);
    a.fold = s.foldAllowed;
    a.handInProgress = !s.dealAllowed && s.checkOrCallAllowed;
    a.mustCall = s.callDue;
    bool betOpen = false;
    for (int seat = 1; seat < kHuman; ++seat)
        betOpen = betOpen || s.seat(seat).openBet;
    // Check/Call pays the open bet (a small bet before the flop); Raise pays
    // the street's bet, and before the flop a small bet more.
    if (betOpen)
        a.callCost = s.street == Street::preflop ? s.smallBet : s.toCall;
    if (raiseTakesEffect(s)) {
        const std::int64_t bet = streetBet(s);
        a.raiseCost = clampedAdd(0, bet + (s.street == Street::preflop ? s.smallBet : 0));
    }
    return a;
}

} // namespace tavolier
