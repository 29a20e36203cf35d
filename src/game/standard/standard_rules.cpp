#include "game/standard/standard_rules.h"

#include "core/seats.h"
#include "evaluation/standard_ranking.h"
#include "game/classic/hand_steps.h"
#include "game/deck.h"
#include "game/match_rules.h"
#include "game/options.h"
#include "game/seat_views.h"
#include "game/table.h"
#include "presentation/animations.h"
#include "presentation/card_drawing.h"
#include "settings/settings_io.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace tavolier {

namespace {

// clang-format off
// Each seat's place in kClockwise, by seat number.
constexpr std::array<int, kSeatCount + 1> kPlaceClockwise { 0, 1, 7, 6, 5, 4, 3, 2, 0 };
// clang-format on

// A street's bet and a raise add this much; four bets a street at most
// (the bet, or the big blind, and three raises).
constexpr std::int32_t kMostBets = 4;
constexpr int kEdmundsChair = 2;
// Where the human's two cards lie, cleared when the human folds.
constexpr Rect kHumanCardsArea { 503, 484, 615, 594 };

[[nodiscard]] std::size_t at(int seat) {
    return static_cast<std::size_t>(seat);
}

[[nodiscard]] int nextClockwise(int seat) {
    return kClockwise[static_cast<std::size_t>((kPlaceClockwise[at(seat)] + 1) % kSeatCount)];
}

// The bet sizes these rules play with: a hand-edited file may hold sizes
// below one chip, which would make a bet that costs nothing.
[[nodiscard]] std::int32_t smallBetOf(const TableState& s) {
    return std::max<std::int32_t>(s.smallBet, 1);
}
[[nodiscard]] std::int32_t bigBetOf(const TableState& s) {
    return std::max<std::int32_t>(s.bigBet, 1);
}
[[nodiscard]] std::int32_t betSizeOf(const TableState& s) {
    return s.street > Street::flop ? bigBetOf(s) : smallBetOf(s);
}

// The street's ladder: every full bet and raise takes the level one bet up,
// so the level a bet or raise reaches is a whole number of bets (before the
// flop the big blind is the first of them, counted in full even when it was
// posted short). An all-in short of the next rung leaves the ladder where it
// was, unless it raises by half a bet or more, which counts as a full raise.
[[nodiscard]] std::int64_t rungOf(const TableState& s) {
    return static_cast<std::int64_t>(s.betting.bets) * betSizeOf(s);
}

// In the hand and still able to put chips in.
[[nodiscard]] bool canAct(const TableState& s, int seat) {
    const Seat& st = s.seat(seat);
    return !st.folded && !st.allIn && st.chips > 0;
}

[[nodiscard]] int countInHand(const TableState& s) {
    int count = 0;
    for (int seat = 1; seat <= kSeatCount; ++seat)
        count += s.inHand(seat) ? 1 : 0;
    return count;
}

[[nodiscard]] int countAbleToAct(const TableState& s) {
    int count = 0;
    for (int seat = 1; seat <= kSeatCount; ++seat)
        count += canAct(s, seat) ? 1 : 0;
    return count;
}

// The next seat clockwise after seat that has chips (a seat with chips
// when the hand was dealt, for the blinds and the button); 0 for none.
[[nodiscard]] int nextWithChips(const TableState& s, int seat) {
    for (int step = 0; step < kSeatCount; ++step) {
        seat = nextClockwise(seat);
        if (s.seat(seat).chips > 0)
            return seat;
    }
    return 0;
}

// What the seat to act may do now.
struct TurnOptions {
    std::int32_t toCall = 0; // what a call costs (all its chips when it has less)
    bool mayRaise = false;
    std::int32_t raiseCost = 0; // what a bet or raise costs (all its chips when it has less)
};

[[nodiscard]] TurnOptions optionsFor(const TableState& s, int seat) {
    const Betting& b = s.betting;
    const std::int64_t chips = std::max<std::int32_t>(s.seat(seat).chips, 0);
    const std::int64_t owed = std::max<std::int64_t>(b.level - b.street[at(seat)], 0);
    TurnOptions o;
    o.toCall = static_cast<std::int32_t>(std::min(owed, chips));
    const bool anotherCanAct = countAbleToAct(s) - (canAct(s, seat) ? 1 : 0) > 0;
    o.mayRaise = b.mayRaise[at(seat)] && (b.uncapped || b.bets < kMostBets) && chips > owed
        && anotherCanAct;
    if (o.mayRaise) {
        // A bet or raise goes to the next rung of the ladder.
        const std::int64_t to = rungOf(s) + betSizeOf(s);
        o.raiseCost = static_cast<std::int32_t>(
            std::min(std::max<std::int64_t>(to - b.street[at(seat)], owed), chips));
    }
    return o;
}

// The next seat clockwise after seat that has yet to act; 0 when nobody has.
[[nodiscard]] int nextToAct(const TableState& s, int seat) {
    for (int step = 0; step < kSeatCount; ++step) {
        seat = nextClockwise(seat);
        if (s.betting.toAct[at(seat)] && canAct(s, seat))
            return seat;
    }
    return 0;
}

// Moves amount (all the seat has, when it has less) from a seat into the
// pot and this street's and hand's totals; returns what it paid.
std::int32_t put(Table& table, int seat, std::int64_t amount) {
    TableState& s = table.state;
    Seat& st = s.seat(seat);
    const std::int32_t paid = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(amount, 0, std::max<std::int32_t>(st.chips, 0)));
    st.chips -= paid;
    s.pot = clampedAdd(s.pot, paid);
    s.betting.street[at(seat)] = clampedAdd(s.betting.street[at(seat)], paid);
    s.betting.hand[at(seat)] = clampedAdd(s.betting.hand[at(seat)], paid);
    if (st.chips == 0 && paid > 0)
        st.allIn = true;
    table.showChips(seat);
    table.showPot();
    return paid;
}

// The opponents counted out for their estimate: folded or without chips at
// the deal.
void countOut(TableState& s) {
    s.outCount = 0;
    for (int seat : kOpponents) {
        if (s.seat(seat).folded || s.seat(seat).outAtDeal)
            s.outCount += 1;
    }
}

// A new betting round: nobody has put anything in on it; every seat that can
// act has yet to act, unless fewer than two can, when only a seat short of
// the level answers it.
void openRound(TableState& s, std::int32_t level, std::int32_t bets) {
    Betting& b = s.betting;
    b.level = level;
    b.bets = bets;
    b.uncapped = countInHand(s) == 2;
    const bool betting = countAbleToAct(s) >= 2;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        const bool able = canAct(s, seat);
        b.toAct[at(seat)] = able && (betting || b.street[at(seat)] < b.level);
        b.mayRaise[at(seat)] = able;
        s.seat(seat).openBet = false;
    }
}

// The human's buttons as the rules stand: the actions when it is the
// human's turn, Deal alone when the hand is over, nothing otherwise.
void showHumanButtons(Table& table) {
    TableState& s = table.state;
    const bool humansTurn = s.betting.actingSeat == kHuman;
    if (!humansTurn) {
        table.offerDealOnly();
        return;
    }
    const TurnOptions o = optionsFor(s, kHuman);
    table.setButtonEnabled(Button::deal, false);
    table.setButtonEnabled(Button::fold, true);
    table.setButtonEnabled(Button::checkOrCall, true);
    table.setCallDue(o.toCall > 0);
    table.showRaiseCaption();
    table.setRaiseButton(o.mayRaise);
}

// ---- Applying a decision.

void applyDecision(Table& table, int seat, Decision decision) {
    TableState& s = table.state;
    Betting& b = s.betting;
    const TurnOptions o = optionsFor(s, seat);
    // A decision the rules do not allow becomes the nearest one they do.
    if ((decision.kind == DecisionKind::bet || decision.kind == DecisionKind::raise) && !o.mayRaise)
        decision.kind = DecisionKind::call;
    if (decision.kind == DecisionKind::call && o.toCall == 0)
        decision.kind = DecisionKind::check;
    if (decision.kind == DecisionKind::check && o.toCall > 0)
        decision.kind = DecisionKind::call;

    b.toAct[at(seat)] = false;
    b.mayRaise[at(seat)] = false;
    const bool human = seat == kHuman;
    switch (decision.kind) {
    case DecisionKind::fold: {
        s.seat(seat).folded = true;
        s.seat(seat).openBet = false;
        table.setStatus(seat, "Folds");
        if (human) {
            table.playSoundIfOn("chip4.wav");
            table.setCallDue(false);
        }
        clearArea(table, human ? kHumanCardsArea : kCardPlaces[at(seat)].cleared);
        countOut(s);
        drawCards(table);
        table.reportAction(seat, ActionKind::fold, 0);
        return;
    }
    case DecisionKind::check:
        table.setStatus(seat, "Check");
        table.reportAction(seat, ActionKind::check, 0);
        return;
    case DecisionKind::call: {
        const std::int32_t paid = put(table, seat, o.toCall);
        const bool allIn = s.seat(seat).allIn;
        table.setStatus(seat, allIn ? "All-in" : "Calls");
        table.reportAction(seat, ActionKind::call, paid, allIn);
        return;
    }
    case DecisionKind::bet:
    case DecisionKind::raise: {
        const bool opens = b.level == 0;
        const std::int64_t rung = rungOf(s);
        const std::int64_t fullLevel = rung + betSizeOf(s);
        const std::int32_t paid = put(table, seat, o.raiseCost);
        const bool allIn = s.seat(seat).allIn;
        const std::int32_t total = b.street[at(seat)];
        // All in for half a bet or more above the ladder's rung is a full
        // raise; an all-in opening bet short of a full bet never is, the next
        // seat completes it.
        const bool halfRaise
            = b.bets > 0 && 2 * (static_cast<std::int64_t>(total) - rung) >= betSizeOf(s);
        if (total >= fullLevel || (total > b.level && halfRaise)) {
            // A full bet or raise: every other seat that can act answers it
            // and may raise again.
            b.level = total;
            b.bets += 1;
            for (int other = 1; other <= kSeatCount; ++other) {
                if (other != seat && canAct(s, other)) {
                    b.toAct[at(other)] = true;
                    b.mayRaise[at(other)] = true;
                }
            }
        } else if (total > b.level) {
            // All in for less than a full bet, or by less than half a bet: a
            // call as far as raising goes. The others answer the new level,
            // and only those not yet asked since the last full raise may
            // raise.
            b.level = total;
            for (int other = 1; other <= kSeatCount; ++other) {
                if (other != seat && canAct(s, other) && b.street[at(other)] < b.level)
                    b.toAct[at(other)] = true;
            }
        }
        for (int other = 1; other <= kSeatCount; ++other)
            s.seat(other).openBet = other == seat && !human;
        if (human) {
            table.playSoundIfOn("chip1.wav");
        } else {
            stampRaiseHighlight(table, seat);
            drawCards(table);
            table.playSoundIfOn("chip1.wav");
        }
        table.setStatus(seat, allIn ? "All-in" : opens ? "Bets" : "Raises");
        table.reportAction(seat, opens ? ActionKind::bet : ActionKind::raise, paid, allIn);
        return;
    }
    }
}

// ---- The end of a hand.

// The part of the biggest total that nobody matched goes back to its seat.
void returnUncalledBet(Table& table) {
    TableState& s = table.state;
    Betting& b = s.betting;
    int top = 0;
    std::int32_t second = 0;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        const std::int32_t total = b.hand[at(seat)];
        if (top == 0 || total > b.hand[at(top)]) {
            if (top != 0)
                second = std::max(second, b.hand[at(top)]);
            top = seat;
        } else {
            second = std::max(second, total);
        }
    }
    if (top == 0 || b.hand[at(top)] <= second)
        return;
    const std::int32_t excess = b.hand[at(top)] - second;
    b.hand[at(top)] = second;
    b.street[at(top)] -= std::min(b.street[at(top)], excess);
    Seat& st = s.seat(top);
    st.chips = clampedAdd(st.chips, excess);
    if (st.chips > 0)
        st.allIn = false;
    s.pot = clampedAdd(s.pot, -static_cast<std::int64_t>(excess));
    table.showChips(top);
    table.showPot();
    BetReturned e;
    e.seat = SeatNumber(top);
    e.amount = excess;
    e.potAfter = s.pot;
    e.stackAfter = st.chips;
    if (table.handOpen())
        table.events.betReturned(e);
}

// The main pot and the side pots, from each seat's total over the hand: a
// pot for each total a seat still in the hand put in, open to the seats that
// put in at least that much. Chips above the top level (a folded seat's)
// join the last pot.
[[nodiscard]] std::vector<PotShare> makePots(const TableState& s) {
    const Betting& b = s.betting;
    std::vector<std::int32_t> levels;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        if (!s.seat(seat).folded && b.hand[at(seat)] > 0)
            levels.push_back(b.hand[at(seat)]);
    }
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    std::vector<PotShare> pots;
    std::int32_t below = 0;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const bool last = i + 1 == levels.size();
        PotShare pot;
        std::int64_t amount = 0;
        for (int seat = 1; seat <= kSeatCount; ++seat) {
            const std::int32_t total = b.hand[at(seat)];
            const std::int32_t upTo = last ? total : std::min(total, levels[i]);
            amount += std::max(upTo - below, 0);
            pot.eligible[at(seat)] = !s.seat(seat).folded && total >= levels[i];
        }
        pot.amount = clampedAdd(0, amount);
        if (pot.amount > 0)
            pots.push_back(pot);
        below = levels[i];
    }
    return pots;
}

// The seats clockwise from the first after the button: the order in which
// hands are shown and odd chips given.
[[nodiscard]] std::array<int, kSeatCount> orderFromButton(const TableState& s) {
    std::array<int, kSeatCount> order {};
    int seat = s.betting.buttonSeat == 0 ? kHuman : s.betting.buttonSeat;
    for (int& next : order) {
        seat = nextClockwise(seat);
        next = seat;
    }
    return order;
}

// Splits each pot among its best hands; the chips that do not divide go one
// each to the winners clockwise from the button.
void splitPots(const TableState& s, const std::array<std::uint32_t, kSeatCount + 1>& values,
    PotAwarded& award) {
    const std::array<int, kSeatCount> order = orderFromButton(s);
    for (PotShare& pot : award.pots) {
        std::uint32_t best = 0;
        bool any = false;
        for (int seat = 1; seat <= kSeatCount; ++seat) {
            if (pot.eligible[at(seat)] && (!any || values[at(seat)] > best)) {
                best = values[at(seat)];
                any = true;
            }
        }
        int winners = 0;
        for (int seat = 1; seat <= kSeatCount; ++seat) {
            pot.winners[at(seat)] = pot.eligible[at(seat)] && values[at(seat)] == best;
            winners += pot.winners[at(seat)] ? 1 : 0;
        }
        if (winners == 0)
            continue;
        const std::int32_t share = pot.amount / winners;
        std::int32_t oddChips = pot.amount % winners;
        for (int seat : order) {
            if (!pot.winners[at(seat)])
                continue;
            std::int32_t take = share;
            if (oddChips > 0) {
                take += 1;
                oddChips -= 1;
            }
            award.won[at(seat)] = clampedAdd(award.won[at(seat)], take);
        }
    }
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        if (award.won[at(seat)] > 0) {
            award.winners[at(seat)] = true;
            award.winnerCount += 1;
            award.share = std::max(award.share, award.won[at(seat)]);
        }
    }
}

// A seat reached the starting stack plus the margin: it wins the match.
void announceTarget(Table& table) {
    TableState& s = table.state;
    const std::int64_t target = static_cast<std::int64_t>(s.initialChips) + s.untilMargin;
    for (int seat : kClockwise) {
        if (s.seat(seat).chips < target)
            continue;
        const std::string text
            = seat == kHuman ? std::string("You win!") : std::string(seatInfo(seat).name) + " wins";
        table.view.message(text, "Game over");
        table.setButtonEnabled(Button::deal, false);
        table.reportMatchEnded(MatchResult::seatReachedTarget, seat);
        return;
    }
}

// Pays the award, counts the human's statistics, writes the settings and
// closes the hand.
void finishHand(Table& table, PotAwarded& award, bool showdown) {
    TableState& s = table.state;
    Betting& b = s.betting;
    b.actingSeat = 0;
    award.pot = s.pot;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        Seat& st = s.seat(seat);
        st.chips = clampedAdd(st.chips, award.won[at(seat)]);
        st.allIn = false;
        st.openBet = false;
        s.seatResults[at(seat)] = award.winners[at(seat)] ? 1 : -1;
    }
    s.potSettled = true;
    s.handsPlayed = clampedAdd(s.handsPlayed, 1);
    if (award.winners[at(kHuman)])
        s.handsWon = clampedAdd(s.handsWon, 1);
    if (showdown && !s.seat(kHuman).folded && !s.seat(kHuman).outAtDeal)
        s.showdowns = clampedAdd(s.showdowns, 1);

    for (int seat : kClockwise) {
        if (award.winners[at(seat)])
            markWinner(table, seat);
    }
    for (int seat : kClockwise)
        table.showChips(seat);
    table.showPot();
    table.playSoundIfOn("chip4.wav");
    startWinAnimation(table);
    table.offerDealOnly();
    table.reportPotAndEnd(award);
    writeStatsAndChips(table.settings, s);
    announceTarget(table);
}

void endByFolds(Table& table) {
    TableState& s = table.state;
    returnUncalledBet(table);
    PotAwarded award;
    award.byFolds = true;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        if (s.inHand(seat)) {
            award.winners[at(seat)] = true;
            award.winnerCount = 1;
            award.won[at(seat)] = s.pot;
            award.share = s.pot;
            PotShare pot;
            pot.amount = s.pot;
            pot.eligible[at(seat)] = true;
            pot.winners[at(seat)] = true;
            award.pots.push_back(pot);
        }
    }
    finishHand(table, award, false);
}

void showdown(Table& table) {
    TableState& s = table.state;
    returnUncalledBet(table);
    std::array<std::uint32_t, kSeatCount + 1> values {};
    for (int seat : orderFromButton(s)) {
        if (!s.inHand(seat))
            continue;
        std::array<Card, 7> cards {};
        cards[0] = s.seat(seat).holeCards[0];
        cards[1] = s.seat(seat).holeCards[1];
        for (std::size_t i = 0; i < 5; ++i)
            cards[i + 2] = s.board[i];
        const StandardRank rank = rankStandard(cards);
        values[at(seat)] = rank.value;
        const std::string name = standardHandName(rank);
        table.setStatus(seat, name);
        table.reportShown(seat, static_cast<std::int32_t>(rank.category),
            static_cast<std::int32_t>(rank.value), name);
    }
    PotAwarded award;
    award.pots = makePots(s);
    splitPots(s, values, award);
    finishHand(table, award, true);
}

// ---- The flow of a hand.

// The next street's card comes (all of them up to the showdown when fewer
// than two seats can bet), or the showdown.
void nextStreet(Table& table) {
    TableState& s = table.state;
    Betting& b = s.betting;
    b.street.fill(0);
    advanceStreet(table);
    if (s.street == Street::showdown) {
        showdown(table);
        return;
    }
    for (int seat : kClockwise) {
        if (canAct(s, seat))
            table.setStatus(seat, "");
    }
    openRound(s, 0, 0);
}

// Plays the opponents' turns, in order, until the human is to act or the
// hand is over.
void playOn(Table& table) {
    TableState& s = table.state;
    Betting& b = s.betting;
    for (;;) {
        if (countInHand(s) <= 1) {
            endByFolds(table);
            return;
        }
        const int seat = nextToAct(s, b.actingSeat);
        if (seat == 0) {
            nextStreet(table);
            if (s.potSettled)
                return;
            // After the flop the first seat still in after the button acts first.
            b.actingSeat = b.buttonSeat;
            continue;
        }
        b.actingSeat = seat;
        if (seat == kHuman) {
            showHumanButtons(table);
            return;
        }
        const TurnOptions o = optionsFor(s, seat);
        const TurnQuestion question { seat, o.toCall > 0, o.toCall, betSizeOf(s), o.mayRaise };
        const SeatView view = seatViewOf(table, seat, question);
        applyDecision(table, seat, table.opponentAt(seat).decide(view, table.random));
    }
}

// Posts a blind of up to amount; a seat with less goes all-in.
void postBlind(Table& table, int seat, bool big, std::int32_t amount) {
    TableState& s = table.state;
    table.setStatus(seat, big ? "Big Blind" : "Small Blind");
    const std::int32_t paid = put(table, seat, amount);
    BlindPosted e;
    e.seat = SeatNumber(seat);
    e.big = big;
    e.amount = paid;
    e.potAfter = s.pot;
    e.allIn = s.seat(seat).allIn;
    table.reportBlindPosted(e);
}

// Deals a hand: the button moves on, the blinds are posted, the cards dealt,
// and the opponents act up to the human's turn.
void dealHand(Table& table, bool newMatch) {
    TableState& s = table.state;
    Betting& b = s.betting;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        Seat& st = s.seat(seat);
        st.folded = false;
        st.allIn = false;
        st.openBet = false;
        st.outAtDeal = st.chips < 1;
        // A seat without chips sits the hand out.
        if (st.outAtDeal)
            st.folded = true;
    }
    countOut(s);
    b.street.fill(0);
    b.hand.fill(0);
    b.toAct.fill(false);
    b.mayRaise.fill(false);
    b.actingSeat = 0;
    s.street = Street::preflop;
    s.potSettled = false;
    s.pot = 0;
    s.smallBlind = smallBetOf(s) / 2;
    s.bigBlind = smallBetOf(s);
    s.toCall = 0;
    table.setButtonEnabled(Button::deal, false);
    for (int seat : kClockwise)
        table.setStatus(seat, "");
    table.showPot();
    shuffleAndDeal(s, table.deckRandom());
    // A new hand starts from a fresh table: the full repaint also takes away
    // the cards of seats that went broke in the last hand.
    redraw(table);

    int seatsWithChips = 0;
    for (int seat = 1; seat <= kSeatCount; ++seat)
        seatsWithChips += s.seat(seat).chips > 0 ? 1 : 0;
    // The button: the human's chair (or the first seat with chips after it)
    // at the first hand by these rules, then one seat with chips clockwise
    // each hand. Edmund's chair comes just before the human's.
    b.buttonSeat = nextWithChips(s, b.buttonSeat == 0 ? kEdmundsChair : b.buttonSeat);
    if (seatsWithChips < 2 || b.buttonSeat == 0) {
        // Nobody to play against (a hand-edited file): no hand.
        b.buttonSeat = 0;
        table.offerDealOnly();
        return;
    }
    b.smallBlindSeat = seatsWithChips == 2 ? b.buttonSeat : nextWithChips(s, b.buttonSeat);
    b.bigBlindSeat = nextWithChips(s, b.smallBlindSeat);

    table.reportHandStarted(newMatch, b.smallBlindSeat, b.bigBlindSeat, stacksOf(s),
        HandOpening { b.buttonSeat, "Standard", true, smallBetOf(s), bigBetOf(s) });
    for (int seat : kClockwise) {
        if (s.seat(seat).outAtDeal)
            table.reportSitsOut(seat);
    }
    postBlind(table, b.smallBlindSeat, false, s.smallBlind);
    postBlind(table, b.bigBlindSeat, true, s.bigBlind);
    openRound(s, s.bigBlind, 1);
    // Before the flop the seat after the big blind acts first.
    b.actingSeat = b.bigBlindSeat;
    playOn(table);
}

// The human's action, when it is the human's turn; otherwise nothing.
void humanActs(Table& table, DecisionKind kind) {
    TableState& s = table.state;
    if (s.betting.actingSeat != kHuman || s.potSettled)
        return;
    resetAtHumanAction(table, true);
    whitenStatusLabels(table);
    const TurnOptions o = optionsFor(s, kHuman);
    Decision decision { kind, 0 };
    if (kind == DecisionKind::call)
        decision.kind = o.toCall > 0 ? DecisionKind::call : DecisionKind::check;
    if (kind == DecisionKind::raise && !o.mayRaise)
        return;
    applyDecision(table, kHuman, decision);
    playOn(table);
}

} // namespace

void StandardRules::startupDeal(Table& table) const {
    resetPreviousHand(table);
    table.state.betting.buttonSeat = 0;
    dealHand(table, false);
}

void StandardRules::deal(Table& table) const {
    resetPreviousHand(table);
    writeStatsAndChips(table.settings, table.state);
    if (announceFinishedMatch(table))
        return;
    dealHand(table, false);
}

void StandardRules::checkOrCall(Table& table) const {
    humanActs(table, DecisionKind::call);
}

void StandardRules::raise(Table& table) const {
    humanActs(table, DecisionKind::raise);
}

void StandardRules::fold(Table& table) const {
    humanActs(table, DecisionKind::fold);
}

void StandardRules::newMatch(Table& table, std::string_view moneyText) const {
    TableState& s = table.state;
    const std::optional<std::int32_t> number = confirmNewMatch(table, moneyText);
    if (!number)
        return;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        s.seat(seat).chips = *number;
        table.showChips(seat);
    }
    s.initialChips = *number;
    s.betting.buttonSeat = 0;
    resetAtNewMatch(table);
    resetPreviousHand(table);
    dealHand(table, true);
}

LegalActions StandardRules::legalActions(const Table& table) const {
    const TableState& s = table.state;
    LegalActions a;
    a.deal = s.dealAllowed;
    const bool humansTurn = s.betting.actingSeat == kHuman && !s.potSettled;
    a.handInProgress = humansTurn;
    if (!humansTurn)
        return a;
    const TurnOptions o = optionsFor(s, kHuman);
    a.checkOrCall = true;
    a.fold = true;
    a.raise = o.mayRaise;
    a.mustCall = o.toCall > 0;
    a.callCost = o.toCall;
    a.raiseCost = o.raiseCost;
    return a;
}

TurnQuestion StandardRules::humanTurn(const Table& table) const {
    const TableState& s = table.state;
    const TurnOptions o = optionsFor(s, kHuman);
    return TurnQuestion { kHuman, o.toCall > 0, o.toCall, betSizeOf(s), o.mayRaise };
}

std::string StandardRules::handName(std::span<const Card> cards) const {
    if (cards.size() < 5)
        return {};
    return standardHandName(rankStandard(cards));
}

} // namespace tavolier
