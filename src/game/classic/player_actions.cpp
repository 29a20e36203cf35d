#include "game/classic/player_actions.h"

#include "core/seats.h"
#include "game/classic/hand_flow.h"
#include "game/classic/hand_steps.h"
#include "game/classic/opponent_turns.h"
#include "game/classic/showdown.h"
#include "game/table.h"
#include "presentation/animations.h"
#include "presentation/card_drawing.h"

namespace tavolier {

namespace {

// Who answers when the human meets the open bet of opponent X, by X: on
// the pre-flop (A1), on later streets (A2), when the human folds (F), and
// whose own turns resume after the answer.
struct AnswerLists {
    SeatList preflop;
    SeatList later;
    SeatList onFold;
    SeatList resumed;
};

// clang-format off
    constexpr std::array<AnswerLists, 8> kAnswerLists { {
        {},
        /* 1 Marc   */ { { 7, { 7, 6, 5, 4, 3, 2, 1 } }, { 6, { 7, 6, 4, 5, 3, 2 } }, { 6, { 7, 6, 4, 5, 3, 2 } }, { 0, {} } },
        /* 2 Edmund */ { { 6, { 7, 6, 5, 4, 3, 2 } },    { 5, { 7, 6, 4, 5, 3 } },    { 5, { 7, 6, 4, 5, 3 } },    { 1, { 1 } } },
        /* 3 Robert */ { { 5, { 7, 6, 5, 4, 3 } },       { 4, { 7, 6, 4, 5 } },       { 4, { 7, 6, 4, 5 } },       { 2, { 2, 1 } } },
        /* 4 Cindy  */ { { 4, { 7, 6, 5, 4 } },          { 3, { 7, 6, 5 } },          { 3, { 7, 6, 5 } },          { 3, { 3, 2, 1 } } },
        /* 5 Carlos */ { { 3, { 7, 6, 5 } },             { 2, { 7, 6 } },             { 2, { 7, 6 } },             { 4, { 4, 3, 2, 1 } } },
        /* 6 Jack   */ { { 2, { 7, 6 } },                { 1, { 7 } },                { 1, { 7 } },                { 5, { 5, 4, 3, 2, 1 } } },
        /* 7 Chong  */ { { 1, { 7 } },                   { 0, {} },                   { 0, {} },                   { 6, { 6, 5, 4, 3, 2, 1 } } },
    } };

    // The opponents' own turns after the human's check or raise.
    constexpr SeatList kAllOpponents { 7, { 7, 6, 5, 4, 3, 2, 1 } };
// clang-format on

// The opponent holding the open bet, or 0.
[[nodiscard]] int openBetHolder(const TableState& s) {
    for (int seat : kOpponents) {
        if (s.seat(seat).openBet)
            return seat;
    }
    return 0;
}

void answerAll(Table& table, const SeatList& seats) {
    for (int seat : seats) {
        if (table.state.inHand(seat))
            answerBet(table, seat);
    }
}

// Raise comes back only while no call is due and the hand runs.
void enableRaiseIfOpen(Table& table) {
    const TableState& s = table.state;
    if (!s.callDue && s.street < Street::showdown && s.outCount < 7)
        table.setButtonEnabled(Button::raise, true);
    table.refreshRaise();
}

// The human pays into the pot without a look at the stack; the labels
// are left to the caller.
void humanPays(TableState& s, std::int32_t amount) {
    Seat& human = s.seat(kHuman);
    human.chips = clampedAdd(human.chips, -static_cast<std::int64_t>(amount));
    s.pot = clampedAdd(s.pot, amount);
}

// The human calls the open bet of opponent X: the opponents of X's answer
// list pay the same, then the turns resume after X.
void answerOpenBet(Table& table, int holder) {
    TableState& s = table.state;
    const AnswerLists& lists = kAnswerLists[static_cast<std::size_t>(holder)];
    s.seat(holder).openBet = false;
    humanPays(s, s.toCall);
    table.reportAction(kHuman, ActionKind::call, s.toCall);
    table.showChips(kHuman);
    answerAll(table, s.street == Street::preflop ? lists.preflop : lists.later);
    table.showPot();
    // When the answers have just ended the hand by folds, "Raise" stays off.
    if (s.outCount < 7)
        table.setButtonEnabled(Button::raise, true);
    s.toCall = 0;
    if (s.street >= Street::flop && s.street <= Street::river) {
        for (int seat : kOpponents) {
            if (s.inHand(seat))
                table.setStatus(seat, "");
        }
    }
    runTurns(table, lists.resumed, false);
}

// The opponents' turns after the human's raise; from Carlos on, a seat
// that has folded is passed over.
void turnsAfterRaise(Table& table) {
    TableState& s = table.state;
    for (int seat : kOpponents) {
        if (s.street == Street::showdown)
            return;
        if (seat <= 5 && s.seat(seat).folded)
            continue;
        checkOrRaise(table, seat);
        if (s.seat(seat).openBet)
            return;
    }
}

} // namespace

void raise(Table& table) {
    TableState& s = table.state;
    resetAtHumanAction(table, false);
    // The Raise button always reads "Raise" here.
    table.playSoundIfOn("chip1.wav");
    whitenStatusLabels(table);
    if (raiseTakesEffect(s)) {
        s.potSettled = false;
        table.setCallDue(false);
        const std::int32_t bet = streetBet(s);
        const std::int32_t potBefore = s.pot;
        humanPays(s, bet);
        s.toCall = bet;
        if (s.street == Street::preflop) {
            // A pre-flop raise costs the human two small bets and each answer a big bet.
            humanPays(s, s.smallBet);
            s.toCall = s.bigBet;
        }
        table.reportAction(
            kHuman, ActionKind::raise, clampedAdd(0, static_cast<std::int64_t>(s.pot) - potBefore));
        table.setStatus(kHuman, "");
        if (s.street == Street::preflop) {
            const int holder = openBetHolder(s);
            if (holder != 0)
                answerAll(table, kAnswerLists[static_cast<std::size_t>(holder)].preflop);
        }
        for (int seat : kOpponents) {
            if (s.inHand(seat))
                table.setStatus(seat, "");
            s.seat(seat).openBet = false;
        }
        if (s.street >= Street::flop && s.street <= Street::river)
            answerAll(table, kAllOpponents);
        table.showChips(kHuman);
        table.showPot();
        if (s.anchorSeat == kHuman)
            advanceStreet(table);
        if (s.street == Street::showdown) {
            showdown(table);
        } else if (s.outCount != 7) {
            s.toCall = 0;
            turnsAfterRaise(table);
        }
    }
    enableRaiseIfOpen(table);
}

void checkOrCall(Table& table) {
    TableState& s = table.state;
    resetAtHumanAction(table, true);
    s.potSettled = false;
    table.setStatus(kHuman, "");
    table.setCallDue(false);
    whitenStatusLabels(table);
    if (s.street == Street::preflop)
        s.toCall = s.smallBet;
    const int holder = openBetHolder(s);
    if (holder != 0) {
        answerOpenBet(table, holder);
    } else {
        table.reportAction(kHuman, ActionKind::check, 0);
        for (int seat : kOpponents)
            table.setStatus(seat, "");
        s.toCall = 0;
        runTurns(table, kAllOpponents, true);
    }
    if (s.anchorSeat == kHuman)
        advanceStreet(table);
    if (s.street == Street::showdown)
        showdown(table);
    if (s.street == Street::preflop)
        advanceStreet(table);
    enableRaiseIfOpen(table);
}

void fold(Table& table) {
    TableState& s = table.state;
    resetAtHumanAction(table, true);
    table.playSoundIfOn("chip4.wav");
    table.reportAction(kHuman, ActionKind::fold, 0);
    const int holder = openBetHolder(s);
    if (holder != 0) {
        s.seat(holder).openBet = false;
        answerAll(table, kAnswerLists[static_cast<std::size_t>(holder)].onFold);
    }
    s.potSettled = false;
    clearArea(table, kBoardArea);
    whitenStatusLabels(table);
    table.setStatus(kHuman, "Folds");
    table.setCallDue(false);
    s.street = Street::showdown;
    table.offerDealOnly();
    s.seat(kHuman).folded = true;
    drawCards(table);
    table.reportStreet();
    showdown(table);
}

void captionsAfterRaise(Table& table, std::int32_t raiseBy) {
    if (isRaiseBetSize(raiseBy))
        table.setCallDue(true);
    table.setButtonEnabled(Button::raise, false);
}

} // namespace tavolier
