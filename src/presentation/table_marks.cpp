#include "presentation/table_marks.h"

#include "presentation/hand_history.h"

namespace tavolier {

namespace {

std::string withAmount(std::string_view verb, std::int32_t amount) {
    return std::string(verb) + " " + std::to_string(amount);
}

std::string humanActionText(const ActionTaken& e) {
    if (e.allIn && e.kind != ActionKind::fold)
        return withAmount("All-in", e.paid);
    switch (e.kind) {
    case ActionKind::check:
        return "Check";
    case ActionKind::call:
        return withAmount("Calls", e.paid);
    case ActionKind::bet:
        return withAmount("Bets", e.paid);
    case ActionKind::raise:
        return withAmount("Raises", e.paid);
    case ActionKind::fold:
        return "Folds";
    case ActionKind::sitsOut:
        return {};
    }
    return {};
}

} // namespace

void TableMarks::handStarted(const HandStarted& e) {
    m_button = e.buttonSeat;
    m_smallBlind = e.smallBlindSeat;
    m_bigBlind = e.bigBlindSeat;
    m_bets = {};
    m_gathered = {};
    m_street = Street::preflop;
    m_acting = {};
    m_handOpen = true;
    m_humanFolded = false;
    m_humanAction.clear();
    m_humanCards = e.humanCards;
    m_board = {};
    m_boardCount = 0;
    m_matchResult.clear();
    m_matchEnd.reset();
    notify();
}

void TableMarks::blindPosted(const BlindPosted& e) {
    if (!e.seat.isSeat())
        return;
    m_bets[e.seat.index()] += e.amount;
    if (e.seat.isHuman())
        m_humanAction = withAmount(e.big ? "Big Blind" : "Small Blind", e.amount);
    notify();
}

void TableMarks::actionTaken(const ActionTaken& e) {
    if (!e.seat.isSeat() || e.kind == ActionKind::sitsOut)
        return;
    // An action on a later street than the one shown closes the street first.
    if (m_street && e.street > *m_street) {
        gather();
        m_street = e.street;
    }
    m_bets[e.seat.index()] += e.paid;
    m_acting = e.seat;
    if (e.seat.isHuman()) {
        m_humanAction = humanActionText(e);
        m_humanFolded = e.kind == ActionKind::fold;
    }
    notify();
}

void TableMarks::betReturned(const BetReturned& e) {
    if (!e.seat.isSeat())
        return;
    std::int32_t& bet = m_bets[e.seat.index()];
    bet = bet > e.amount ? bet - e.amount : 0;
    notify();
}

void TableMarks::streetDealt(const StreetDealt& e) {
    gather();
    m_street = e.street;
    m_acting = {};
    m_board = e.board;
    m_boardCount = e.boardCount;
    notify();
}

void TableMarks::potAwarded(const PotAwarded&) {
    gather();
    m_acting = {};
    notify();
}

void TableMarks::handEnded(const HandEnded&) {
    m_handOpen = false;
    m_acting = {};
    notify();
}

void TableMarks::matchEnded(const MatchEnded& e) {
    m_matchResult = matchEndText(e);
    m_matchEnd = e;
    // The last hand stays on the felt as it ended.
    m_handOpen = false;
    m_acting = {};
    notify();
}

void TableMarks::gather() {
    bool any = false;
    for (std::int32_t bet : m_bets)
        any = any || bet > 0;
    if (!any)
        return;
    m_gathered = m_bets;
    m_bets = {};
    ++m_gatherCount;
}

void TableMarks::notify() const {
    if (changed)
        changed();
}

} // namespace tavolier
