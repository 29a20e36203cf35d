#include "game/classic/showdown.h"

#include "core/seats.h"
#include "evaluation/hand_evaluator.h"
#include "evaluation/hand_names.h"
#include "game/match_rules.h"
#include "game/table.h"
#include "presentation/animations.h"
#include "presentation/card_drawing.h"
#include "settings/settings_io.h"

#include <array>

namespace tavolier {

namespace {

// clang-format off
    // The order in which seats are scored, marked as winners and announced.
    constexpr std::array<int, 8> kFixedOrder { 8, 7, 6, 5, 4, 3, 2, 1 };
    // The order in which seats are found in or out and their hands named.
    constexpr std::array<int, 8> kParticipationOrder { 7, 6, 8, 5, 4, 3, 2, 1 };
    // The match-end texts by seat number.
    constexpr std::array<std::string_view, 9> kWinTexts {
        "", "Marc wins", "Edmund wins", "Robert wins", "Cindy wins",
        "Carlos wins", "Jack wins", "Chong wins", "You win!",
    };
// clang-format on

[[nodiscard]] std::size_t at(int seat) {
    return static_cast<std::size_t>(seat);
}

// Repeated passes over the values, swapping neighbours out of order, until
// a pass swaps nothing: highest first.
void exchangeSortDescending(std::array<std::int32_t, 8>& values) {
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (std::size_t i = 0; i + 1 < values.size(); ++i) {
            if (values[i] < values[i + 1]) {
                std::swap(values[i], values[i + 1]);
                swapped = true;
            }
        }
    }
}

// The slots of a seat's hand at the showdown: its hole cards and the board.
[[nodiscard]] std::array<Card, 7> showdownSlots(const TableState& s, int seat) {
    std::array<Card, 7> slots {};
    slots[0] = s.seat(seat).holeCards[0];
    slots[1] = s.seat(seat).holeCards[1];
    for (std::size_t i = 0; i < 5; ++i)
        slots[i + 2] = s.board[i];
    return slots;
}

} // namespace

Settlement settleShowdown(const TableState& s) {
    Settlement out;
    // Every seat is scored, folded or not, on the full board.
    SeatFigures values {};
    for (int seat : kFixedOrder) {
        const HandValue v = evaluate(showdownSlots(s, seat));
        out.scores[at(seat)] = v.score;
        out.kickers[at(seat)] = v.kicker;
        values[at(seat)] = clampedAdd(0, showdownValue(v.score, v.kicker));
    }
    // A seat that folded or has no chips takes no part: its result is its
    // sentinel. A result above 0 becomes the seat's showdown value. A second
    // run in the same hand shows the first run's result: the seats that took
    // part then (its payout may have lifted a broke seat above zero since).
    const bool secondRun = s.potSettled;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        const Seat& st = s.seat(seat);
        out.takesPart[at(seat)]
            = secondRun ? s.seatResults[at(seat)] >= 0 : !st.folded && st.chips > 0;
        const std::int32_t result
            = out.takesPart[at(seat)] ? out.scores[at(seat)] : kShowdownSentinel[at(seat)];
        out.results[at(seat)] = result > 0 ? values[at(seat)] : result;
    }

    // The winners: every seat whose result is the best. When nobody took part
    // (every result a sentinel) the pot goes to the seats that have neither
    // folded nor sat the hand out, so a folded seat or one without chips at
    // the deal never wins.
    std::array<std::int32_t, 8> sorted {};
    for (std::size_t i = 0; i < 8; ++i)
        sorted[i] = out.results[i + 1];
    exchangeSortDescending(sorted);
    const std::int32_t best = sorted[0];
    const bool anyoneTookPart = best >= 0;
    for (int seat : kFixedOrder) {
        out.winners[at(seat)] = anyoneTookPart ? out.results[at(seat)] == best
                                               : !s.seat(seat).folded && !s.seat(seat).outAtDeal;
        if (out.winners[at(seat)])
            out.winnerCount += 1;
    }
    // The remainder of an uneven split goes to nobody; with no winner, all.
    if (out.winnerCount > 0) {
        out.share = s.pot / out.winnerCount;
        out.lostToSplit = s.pot % out.winnerCount;
    } else {
        out.lostToSplit = s.pot;
    }
    return out;
}

namespace {

void settle(Table& table, const Settlement& settled, PotAwarded& award) {
    TableState& s = table.state;
    s.potSettled = true;
    // The statistics as they stood before this hand and the chips after the
    // payout, saved together once the pot is paid.
    SavePoint save(table.settings);
    save.addStats(s);
    if (!s.seat(kHuman).folded)
        s.showdowns = clampedAdd(s.showdowns, 1);
    s.handsPlayed = clampedAdd(s.handsPlayed, 1);
    if (settled.winners[at(kHuman)])
        s.handsWon = clampedAdd(s.handsWon, 1);
    for (int seat : kFixedOrder) {
        if (settled.winners[at(seat)])
            s.seat(seat).chips = clampedAdd(s.seat(seat).chips, settled.share);
    }
    award.winners = settled.winners;
    award.winnerCount = settled.winnerCount;
    PotShare pot;
    pot.amount = s.pot;
    for (int seat : kFixedOrder) {
        pot.eligible[at(seat)] = settled.takesPart[at(seat)];
        pot.winners[at(seat)] = settled.winners[at(seat)];
        if (settled.winners[at(seat)])
            award.won[at(seat)] = settled.share;
    }
    award.pots.push_back(pot);
    award.pot = s.pot;
    award.share = settled.share;
    award.lostToSplit = settled.lostToSplit;
    table.playSoundIfOn("chip4.wav");
    save.addChips(s);
    save.write();
    startWinAnimation(table);
}

} // namespace

void nameHand(Table& table, std::int32_t score, int seat) {
    if (seat < 1 || seat > kSeatCount)
        return;
    table.setStatus(seat, handName(score));
}

void showdown(Table& table) {
    TableState& s = table.state;
    for (int seat : kFixedOrder)
        table.view.setLabelColor(seatInfo(seat).statusLabel, kWhite);

    // Only the first showdown of a hand settles the pot and is reported; a
    // second run names the same hands and marks the same winners.
    const bool settles = !s.potSettled && s.outCount != 7;
    const bool unseen = loneSurvivor(s);
    const Settlement settled = settleShowdown(s);
    // The estimate's carried slots keep the last hand scored: Marc's.
    s.estimate.carriedSlots = showdownSlots(s, kFixedOrder.back());
    drawCards(table);

    for (int seat : kParticipationOrder) {
        if (!settled.takesPart[at(seat)])
            continue;
        nameHand(table, settled.scores[at(seat)], seat);
        if (settles && !unseen)
            table.reportShown(seat, settled.scores[at(seat)], settled.kickers[at(seat)],
                handName(settled.scores[at(seat)]));
    }
    if (unseen) {
        for (int seat : kFixedOrder)
            table.setStatus(seat, "");
    }
    s.seatResults = settled.results;

    for (int seat : kFixedOrder) {
        if (settled.winners[at(seat)])
            markWinner(table, seat);
    }

    PotAwarded award;
    award.byFolds = unseen;
    if (settles)
        settle(table, settled, award);
    else if (s.outCount == 7) {
        // Every opponent was out from the deal on (a hand-edited file): the
        // pot goes to nobody.
        award.pot = s.pot;
        award.lostToSplit = s.pot;
    }

    for (int seat : kOpponents)
        table.showChips(seat);
    table.showChips(kHuman);
    table.offerDealOnly();

    // A second showdown of the same hand reports nothing: the hand is closed.
    const bool reported = table.handOpen();
    table.reportPotAndEnd(award);
    const std::int64_t target = static_cast<std::int64_t>(s.initialChips) + s.untilMargin;
    bool matchEnded = false;
    for (int seat : kFixedOrder) {
        if (s.seat(seat).chips >= target) {
            // Announced once per hand: a later showdown of the same hand
            // (the hand is closed by then) only keeps Deal barred.
            if (reported)
                table.view.message(kWinTexts[at(seat)], "Game over");
            table.setButtonEnabled(Button::deal, false);
            if (reported && !matchEnded)
                table.reportMatchEnded(MatchResult::seatReachedTarget, seat);
            matchEnded = true;
        }
    }
}

} // namespace tavolier
