#include "game/showdown.h"

#include "core/seats.h"
#include "evaluation/hand_evaluator.h"
#include "evaluation/hand_names.h"
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

// Scores all eight seats, folded or not, on the full board.
void scoreSeats(TableState& s, std::array<std::int32_t, 9>& scores,
    std::array<std::int32_t, 9>& kickers, std::array<std::int32_t, 9>& values) {
    for (std::size_t i = 0; i < 5; ++i)
        s.evalCards[i + 2] = s.board[i];
    for (int seat : kFixedOrder) {
        s.evalCards[0] = s.seat(seat).holeCards[0];
        s.evalCards[1] = s.seat(seat).holeCards[1];
        evaluateHand(s);
        scores[at(seat)] = s.handScore;
        kickers[at(seat)] = s.kickerValue;
        values[at(seat)]
            = clampedAdd(0, static_cast<std::int64_t>(s.handScore) * 130 + s.kickerValue);
    }
}

// Marks the seats whose result is the best: winnerCount and one flag each.
// When nobody took part (every result a sentinel) the pot goes to the
// seats that have neither folded nor sat the hand out, so a folded seat or
// one without chips at the deal never wins.
[[nodiscard]] std::array<bool, 9> findWinners(TableState& s) {
    std::array<std::int32_t, 8> sorted {};
    for (std::size_t i = 0; i < 8; ++i)
        sorted[i] = s.seatResults[i + 1];
    exchangeSortDescending(sorted);
    const std::int32_t best = sorted[0];
    const bool anyoneTookPart = best >= 0;
    std::array<bool, 9> winner {};
    s.winnerCount = 0;
    for (int seat : kFixedOrder) {
        winner[at(seat)] = anyoneTookPart ? s.seatResults[at(seat)] == best
                                          : !s.seat(seat).folded && !s.seat(seat).outAtDeal;
        if (winner[at(seat)])
            s.winnerCount += 1;
    }
    return winner;
}

void settle(Table& table, const std::array<bool, 9>& winner, PotAwarded& award) {
    TableState& s = table.state;
    s.potSettled = true;
    writeStats(table.settings, s);
    if (!s.seat(kHuman).folded)
        s.showdowns = clampedAdd(s.showdowns, 1);
    s.handsPlayed = clampedAdd(s.handsPlayed, 1);
    if (winner[at(kHuman)])
        s.handsWon = clampedAdd(s.handsWon, 1);
    if (s.winnerCount > 0) {
        // The remainder of an uneven split goes to nobody.
        const std::int32_t share = s.pot / s.winnerCount;
        for (int seat : kFixedOrder) {
            if (winner[at(seat)])
                s.seat(seat).chips = clampedAdd(s.seat(seat).chips, share);
        }
        award.share = share;
        award.lostToSplit = s.pot % s.winnerCount;
    } else {
        award.lostToSplit = s.pot;
    }
    award.winners = winner;
    award.winnerCount = s.winnerCount;
    award.pot = s.pot;
    table.playSoundIfOn("chip4.wav");
    writeChips(table.settings, s);
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

    // Only the first showdown of a hand settles the pot and is reported. A
    // second run in the same hand shows the first run's result: the seats
    // that took part then (its payout may have lifted a broke seat above
    // zero since), so the same hands are named and the same winners marked.
    const bool secondRun = s.potSettled;
    const bool settles = !s.potSettled && s.outCount != 7;
    const bool unseen = loneSurvivor(s);
    std::array<std::int32_t, 9> scores {};
    std::array<std::int32_t, 9> kickers {};
    std::array<std::int32_t, 9> values {};
    scoreSeats(s, scores, kickers, values);
    drawCards(table);

    for (int seat : kParticipationOrder) {
        const Seat& st = s.seat(seat);
        const bool out = secondRun ? s.seatResults[at(seat)] < 0 : st.folded || st.chips <= 0;
        if (out) {
            s.seatResults[at(seat)] = kShowdownSentinel[at(seat)];
        } else {
            s.seatResults[at(seat)] = scores[at(seat)];
            nameHand(table, scores[at(seat)], seat);
            if (settles && !unseen)
                table.reportShown(
                    seat, scores[at(seat)], kickers[at(seat)], handName(scores[at(seat)]));
        }
    }
    if (s.seat(kHuman).folded && s.outCount == 6) {
        for (int seat : kFixedOrder)
            table.setStatus(seat, "");
    }
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        if (s.seatResults[at(seat)] > 0)
            s.seatResults[at(seat)] = values[at(seat)];
    }
    s.seatResults[0] = 0;

    const std::array<bool, 9> winner = findWinners(s);
    for (int seat : kFixedOrder) {
        if (!winner[at(seat)])
            continue;
        const Label label = seatInfo(seat).statusLabel;
        table.view.setLabelStyle(label, FontStyle::italic);
        table.view.setLabelColor(label, kWhite);
        if (seat == kHuman)
            startGoldFigure(table);
    }

    PotAwarded award;
    award.byFolds = unseen;
    if (settles)
        settle(table, winner, award);
    else if (s.outCount == 7) {
        // Every opponent was out from the deal on (a hand-edited file): the
        // pot goes to nobody.
        award.pot = s.pot;
        award.lostToSplit = s.pot;
    }

    for (int seat : kOpponents)
        table.showChips(seat);
    table.showChips(kHuman);
    table.setButtonEnabled(Button::btnnew, true);
    table.setButtonEnabled(Button::btnbet, false);
    table.setButtonEnabled(Button::btnpass, false);
    table.setButtonEnabled(Button::btnstay, false);

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
            table.setButtonEnabled(Button::btnnew, false);
            if (reported && !matchEnded)
                table.reportMatchEnded(MatchResult::seatReachedTarget, seat);
            matchEnded = true;
        }
    }
}

} // namespace tavolier
