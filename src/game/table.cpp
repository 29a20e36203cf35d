#include "game/table.h"

#include "core/seats.h"
#include "game/rule_set.h"
#include "opponents/characters.h"
#include "presentation/card_drawing.h"

#include <algorithm>

namespace tavolier {

Table::Table(TableState& state_, Random& random_, TableView& view_, SettingsStore& settings_)
    : Scene(state_, random_, view_)
    , m_classicOpponents(state_)
    , settings(settings_)
    , events(m_nobodyListens) {
}

Table::Table(TableState& state_, Random& random_, TableView& view_, SettingsStore& settings_,
    GameEvents& events_)
    : Scene(state_, random_, view_)
    , m_classicOpponents(state_)
    , settings(settings_)
    , events(events_) {
}

Opponent& Table::opponentAt(int seat) {
    const bool isSeat = seat >= 1 && seat <= kSeatCount;
    const std::size_t i = isSeat ? static_cast<std::size_t>(seat) : 0;
    if (isSeat && m_seated[i] != nullptr)
        return *m_seated[i];
    if (!isSeat || validRulesNumber(state.rulesInPlay) == 0)
        return m_classicOpponents;
    if (m_charactersLevel != state.aiLevelCode) {
        // A new level: every seat starts afresh at it.
        for (auto& opponent : m_characters)
            opponent.reset();
        m_charactersLevel = state.aiLevelCode;
    }
    std::unique_ptr<Opponent>& opponent = m_characters[i];
    if (!opponent) {
        const Character* character = characterOfSeat(seat);
        opponent
            = makeOpponent(character != nullptr ? *character : plainCharacter(), state.aiLevelCode);
    }
    return *opponent;
}

Opponent& Table::humansStandIn(const Character& character, std::int32_t levelCode) {
    if (!m_standIn || m_standInCharacter != &character || m_standInLevel != levelCode) {
        m_standIn = makeOpponent(character, levelCode);
        m_standInCharacter = &character;
        m_standInLevel = levelCode;
    }
    return *m_standIn;
}

void Table::seatOpponent(int seat, Opponent* opponent) {
    if (seat >= 1 && seat <= kSeatCount)
        m_seated[static_cast<std::size_t>(seat)] = opponent;
}

void Table::seatOpponents(Opponent& opponents) {
    for (int seat = 1; seat <= kSeatCount; ++seat)
        seatOpponent(seat, &opponents);
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
    m_log.clear();
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
    e.smallBet = opening.smallBet > 0 ? opening.smallBet : state.smallBet;
    e.bigBet = opening.bigBet > 0 ? opening.bigBet : state.bigBet;
    e.stacks = stacks;
    e.humanCards = state.seat(kHuman).holeCards;
    events.handStarted(e);
}

void Table::reportBlind(int seat, bool big, std::int32_t potAfter) {
    if (!m_handOpen)
        return;
    const BlindPosted e { SeatNumber(seat), big, big ? state.bigBlind : state.smallBlind,
        potAfter };
    logBlind(e);
    events.blindPosted(e);
}

void Table::reportBlindPosted(const BlindPosted& blind) {
    if (!m_handOpen)
        return;
    logBlind(blind);
    events.blindPosted(blind);
}

void Table::logBlind(const BlindPosted& blind) {
    ViewAction a;
    a.street = Street::preflop;
    a.kind = blind.big ? ViewActionKind::bigBlind : ViewActionKind::smallBlind;
    a.amount = blind.amount;
    a.allIn = blind.allIn;
    m_log.push_back(LoggedAction { blind.seat.number(), a });
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
    if (kind != ActionKind::sitsOut) {
        ViewAction a;
        a.street = state.street;
        a.kind = kind == ActionKind::fold ? ViewActionKind::fold
            : kind == ActionKind::check   ? ViewActionKind::check
            : kind == ActionKind::call    ? ViewActionKind::call
            : kind == ActionKind::bet     ? ViewActionKind::bet
                                          : ViewActionKind::raise;
        a.amount = paid;
        a.allIn = allIn;
        m_log.push_back(LoggedAction { seat, a });
    }
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
