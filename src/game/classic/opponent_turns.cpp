#include "game/classic/opponent_turns.h"

#include "core/seat_lists.h"
#include "core/seats.h"
#include "game/classic/hand_flow.h"
#include "game/classic/match.h"
#include "game/classic/player_actions.h"
#include "game/classic/showdown.h"
#include "game/seat_views.h"
#include "game/table.h"
#include "opponents/odds.h"
#include "presentation/animations.h"
#include "presentation/card_drawing.h"

namespace tavolier {

namespace {

// clang-format off
    // The seats tried, in order, for anchorSeat when a seat folds while holding
    // it; the human takes it when none of them is still in the hand.
    constexpr std::array<SeatList, 8> kAnchorHeirs { {
        {},
        { 0, {} },
        { 1, { 1 } },
        { 2, { 2, 1 } },
        { 3, { 3, 2, 1 } },
        { 4, { 4, 3, 2, 1 } },
        { 5, { 5, 4, 3, 2, 1 } },
        { 6, { 6, 5, 4, 3, 2, 1 } },
    } };

    // The later seats that answer a seat's raise at once, in order.
    constexpr std::array<SeatList, 8> kRaiseAnswerers = kAnchorHeirs;

    // The earlier opponents whose status is emptied after a seat's raise.
    constexpr std::array<SeatList, 8> kEmptiedByRaise { {
        {},
        { 6, { 7, 6, 5, 4, 3, 2 } },
        { 5, { 7, 6, 5, 4, 3 } },
        { 4, { 7, 6, 5, 4 } },
        { 3, { 7, 6, 5 } },
        { 2, { 7, 6 } },
        { 1, { 7 } },
        { 0, {} },
    } };
// clang-format on

[[nodiscard]] std::size_t at(int seat) {
    return static_cast<std::size_t>(seat);
}

// The seat's answer to a bet: stays in or folds, whatever the bet.
[[nodiscard]] bool decideToStay(Table& table, int seat) {
    TableState& s = table.state;
    const TurnQuestion question { seat, true, s.toCall, streetBet(s), false };
    return table.opponentAt(seat).decide(seatViewOf(table, seat, question), table.random).kind
        != DecisionKind::fold;
}

// The seat's own turn: what its raise adds to toCall, 0 for a check.
[[nodiscard]] std::int32_t decideRaiseBy(Table& table, int seat) {
    TableState& s = table.state;
    const TurnQuestion question { seat, false, 0, streetBet(s), true };
    const Decision decision
        = table.opponentAt(seat).decide(seatViewOf(table, seat, question), table.random);
    const bool raises = decision.kind == DecisionKind::bet || decision.kind == DecisionKind::raise;
    return raises ? decision.amount : 0;
}

void foldSeat(Table& table, int seat) {
    TableState& s = table.state;
    clearArea(table, kCardPlaces[at(seat)].cleared);
    table.setStatus(seat, "Folds");
    s.seat(seat).folded = true;
    table.reportAction(seat, ActionKind::fold, 0);
    s.outCount += 1;
    if (s.outCount == 7)
        endHandByFolds(table);
    if (s.anchorSeat == seat) {
        int heir = kHuman;
        for (int candidate : kAnchorHeirs[at(seat)]) {
            const Seat& c = s.seat(candidate);
            if (!c.folded && c.chips > 0) {
                heir = candidate;
                break;
            }
        }
        s.anchorSeat = heir;
    }
}

void raiseSeat(Table& table, int seat, std::int32_t raiseBy) {
    TableState& s = table.state;
    stampRaiseHighlight(table, seat);
    drawCards(table);
    table.playSoundIfOn("chip1.wav");
    table.setStatus(seat, "Raises");
    table.view.setLabelColor(seatInfo(seat).statusLabel, kWhite);
    s.toCall = clampedAdd(s.toCall, raiseBy);
    table.pay(seat, s.toCall);
    table.reportAction(seat, ActionKind::raise, s.toCall);
    for (int other : kOpponents)
        s.seat(other).openBet = other == seat;
    for (int answerer : kRaiseAnswerers[at(seat)]) {
        if (s.inHand(answerer))
            answerBet(table, answerer);
    }
    for (int earlier : kEmptiedByRaise[at(seat)]) {
        if (s.inHand(earlier))
            table.setStatus(earlier, "");
    }
    captionsAfterRaise(table, raiseBy);
}

} // namespace

void answerBet(Table& table, int seat) {
    TableState& s = table.state;
    Seat& me = s.seat(seat);
    const bool stays = decideToStay(table, seat);
    if (stays && static_cast<std::int64_t>(me.chips) - s.toCall >= 0) {
        table.setStatus(seat, "Calls");
        table.pay(seat, s.toCall);
        table.reportAction(seat, ActionKind::call, s.toCall);
        return;
    }
    foldSeat(table, seat);
}

void checkOrRaise(Table& table, int seat) {
    TableState& s = table.state;
    if (s.anchorSeat == seat)
        advanceStreet(table);
    if (s.street == Street::showdown) {
        showdown(table);
        return;
    }
    Seat& me = s.seat(seat);
    me.openBet = false;
    if (me.chips <= 0 || me.folded) {
        if (!me.folded)
            table.reportSitsOut(seat);
        return;
    }
    s.toCall = 0;
    const std::int32_t raiseBy = decideRaiseBy(table, seat);
    if (raiseBy == 0) {
        // A pre-flop check keeps the seat's last action on its label; paying
        // nothing still shows the seat's chips and the pot.
        if (s.street != Street::preflop)
            table.setStatus(seat, "Check");
        table.pay(seat, 0);
        table.reportAction(seat, ActionKind::check, 0);
        return;
    }
    raiseSeat(table, seat, raiseBy);
}

} // namespace tavolier
