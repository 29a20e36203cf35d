#include "presentation/animations.h"

#include "core/seats.h"
#include "opponents/odds.h"
#include "presentation/card_drawing.h"
#include "presentation/portraits.h"
#include "presentation/scene.h"

#include <algorithm>

namespace tavolier {

namespace {

constexpr int kMarc = 1;
constexpr int kEdmund = 2;
// The order in which the showdown walks the seats; the winners are drawn
// in it too.
constexpr std::array<int, kSeatCount> kShowdownOrder { 7, 6, kHuman, 5, 4, 3, 2, 1 };

void drawPortrait(Scene& table, ImageList list, int seat, int base) {
    const PortraitPlace& place = portraitOf(seat);
    table.view.stamp(list, base + place.k, place.x, place.y);
}

void drawAllGoldRings(Scene& table) {
    for (int seat : kOpponents)
        drawPortrait(table, ImageList::highlights, seat, kGoldRing);
}

// Marc's second card lies under a corner of the badge; stamp it face down
// again while he still shows cards. A broke Marc shows none.
void restampMarc(Scene& table) {
    if (table.state.inHand(kMarc))
        stampHoleCard(table, kMarc, 1, cardBackPicture(table.state));
}

void hoverBadge(Scene& table, int x, int y) {
    TableState& state = table.state;
    PresentationState& p = table.presentation;
    bool& shown = p.hoverShown[kHuman];

    if (kBadgeHover.inside(x, y) && !shown && state.street < Street::showdown) {
        shown = true;
        // The opponents' own estimate with 2001 trials for the human's
        // cards, at most once between two actions of the human; the
        // percentage it leaves is the estimate's carried one.
        std::int32_t& odds = state.estimate.oddsScore;
        if (p.oddsStale) {
            (void)estimateOdds(estimateInput(state, state.seat(kHuman).holeCards, kBadgeLevelCode),
                state.estimate, table.random);
            p.oddsStale = false;
        }
        if (odds < 0)
            odds = 1;
        const int badge = oddsBadge(odds, state.street);
        if (badge >= 0) {
            table.view.stamp(ImageList::procent, badge, kBadgeX, kBadgeY);
            p.badgeRated = true;
        }
        restampMarc(table);
    } else if (kBadgeHover.past(x, y) && (shown || p.badgeRated)) {
        table.view.stamp(ImageList::procent, kBadgeQuestion, kBadgeX, kBadgeY);
        shown = false;
        p.badgeRated = false;
        restampMarc(table);
    }
}

void hoverOpponent(Scene& table, int seat, int x, int y) {
    const TableState& state = table.state;
    const PortraitPlace& place = portraitOf(seat);
    const Seat& s = state.seat(seat);
    bool& shown = table.presentation.hoverShown[static_cast<std::size_t>(seat)];

    if (place.hover.inside(x, y) && !shown && state.street < Street::showdown) {
        drawPortrait(table, ImageList::smiles, seat, 0);
        shown = true;
        // Face up whether the seat is still in the hand or not.
        for (int i = 0; i < 2; ++i)
            stampHoleCard(table, seat, i, imageIndex(s.holeCards[static_cast<std::size_t>(i)]));
    } else if (place.hover.past(x, y) && shown) {
        shown = false;
        drawPortrait(table, ImageList::highlights, seat, s.openBet ? kGreenRing : kGoldRing);
        // A seat out of the hand gets its empty place back; a broke seat
        // sits out and shows no cards either.
        if (!state.inHand(seat)) {
            clearArea(table, kCardPlaces[static_cast<std::size_t>(seat)].cleared);
        } else {
            const int back = cardBackPicture(state);
            stampHoleCard(table, seat, 0, back);
            stampHoleCard(table, seat, 1, back);
        }
    } else {
        return;
    }
    if (seat == kEdmund)
        table.view.refreshLabel(Label::edmundChips);
}

// The best showdown result over the eight seats.
[[nodiscard]] std::int32_t bestResult(const TableState& state) {
    std::int32_t best = state.seatResults[1];
    for (int seat = 2; seat <= kSeatCount; ++seat)
        best = std::max(best, state.seatResults[static_cast<std::size_t>(seat)]);
    return best;
}

} // namespace

void stampRaiseHighlight(Scene& table, int seat) {
    drawPortrait(table, ImageList::highlights, seat, kGreenRing);
    // Edmund's highlight covers his chips label.
    if (seat == kEdmund)
        table.view.refreshLabel(Label::edmundChips);
}

void resetAtDeal(Scene& table) {
    PresentationState& p = table.presentation;
    p.hoverShown[kHuman] = false;
    p.oddsStale = true;
    table.view.startTimer(Timer::winktimer);
    table.view.stamp(ImageList::procent, kBadgeQuestion, kBadgeX, kBadgeY);
    p.badgeRated = false;
    drawAllGoldRings(table);
    table.view.refreshLabel(Label::edmundChips);
    clearArea(table, kBoardArea);
}

void resetAtHumanAction(Scene& table, bool redrawOpenBets) {
    PresentationState& p = table.presentation;
    p.hoverShown[kHuman] = false;
    p.oddsStale = true;
    if (!redrawOpenBets)
        return;
    for (int seat : kOpponents)
        if (table.state.seat(seat).openBet)
            drawPortrait(table, ImageList::highlights, seat, kGoldRing);
    drawCards(table);
}

void resetAtNewMatch(Scene& table) {
    clearArea(table, kBoardArea);
    table.view.stamp(ImageList::highlights, kBadgeGold, kWinnerBadgeX, kBadgeY);
    table.presentation.badgeRated = false;
    drawAllGoldRings(table);
    table.view.refreshLabel(Label::edmundChips);
}

void startWinAnimation(Scene& table) {
    table.presentation.winStep = 0;
    table.view.stopTimer(Timer::winktimer);
    table.view.startTimer(Timer::wintimer);
}

void startGoldFigure(Scene& table) {
    table.presentation.goldStep = 0;
    table.view.startTimer(Timer::goldtimer);
}

void blinkTick(Scene& table) {
    PresentationState& p = table.presentation;
    if (p.blinkStep == 0) {
        // The generator is the game's own: this draw happens at every first
        // step, whether a face is drawn or not.
        p.blinkPick = table.random.below(105);
    }
    const int seat = blinkSeat(p.blinkPick);
    const PortraitPlace& place = portraitOf(seat);
    const bool visible
        = !table.state.seat(seat).openBet && !p.hoverShown[static_cast<std::size_t>(seat)];

    int picture = kWinkOpen;
    if (p.blinkStep == 0) {
        picture = kWinkClosed;
    } else if (p.blinkStep == 1) {
        picture = kWinkClosedAgain;
    }
    if (visible)
        table.view.stamp(ImageList::winks, picture + place.k, place.blinkX, place.blinkY);

    if (p.blinkStep == 0) {
        const bool slow = (p.blinkPick >= 30 && p.blinkPick <= 44) || p.blinkPick >= 90;
        table.view.setTimerInterval(Timer::winktimer, slow ? 800 : 150);
        p.blinkStep = 1;
    } else if (p.blinkStep == 1) {
        p.blinkStep = 2;
    } else {
        table.view.setTimerInterval(Timer::winktimer, 300);
        p.blinkStep = 0;
    }
}

void winnersFlashTick(Scene& table) {
    PresentationState& p = table.presentation;
    const std::int32_t best = bestResult(table.state);
    // Green and gold alternate for four ticks; the fifth shows the red ring.
    const bool last = p.winStep >= 4;
    const bool green = p.winStep % 2 == 0;
    for (int seat : kShowdownOrder) {
        if (table.state.seatResults[static_cast<std::size_t>(seat)] != best)
            continue;
        if (seat == kHuman) {
            const int badge = last ? kBadgeRed : green ? kBadgeGreen : kBadgeGold;
            table.view.stamp(last ? ImageList::smiles : ImageList::highlights, badge, kWinnerBadgeX,
                kWinnerBadgeY);
            continue;
        }
        if (last) {
            drawPortrait(table, ImageList::smiles, seat, 0);
            if (seat == kEdmund)
                table.view.refreshLabel(Label::edmundChips);
        } else {
            drawPortrait(table, ImageList::highlights, seat, green ? kGreenRing : kGoldRing);
        }
    }
    drawCards(table);
    if (last)
        table.view.stopTimer(Timer::wintimer);
    else
        ++p.winStep;
}

void goldFigureTick(Scene& table) {
    PresentationState& p = table.presentation;
    if (p.goldStep >= 8) {
        table.view.stamp(ImageList::gold, 0, kGoldX, kGoldY);
        table.view.stopTimer(Timer::goldtimer);
        return;
    }
    table.view.stamp(ImageList::gold, p.goldStep % 2 == 0 ? 1 : 2, kGoldX, kGoldY);
    if (p.goldStep == 2)
        table.playSoundIfOn("chip4.wav");
    ++p.goldStep;
}

void mouseMoved(Scene& table, int x, int y) {
    hoverBadge(table, x, y);
    for (int seat : kOpponents)
        hoverOpponent(table, seat, x, y);
}

void mouseMovedDuringPlayback(Scene& table, int x, int y) {
    if (!kBadgeHover.inside(x, y))
        hoverBadge(table, x, y);
    for (int seat : kOpponents)
        hoverOpponent(table, seat, x, y);
}

void mouseLeft(Scene& table) {
    // Left of and above every region: past each of them, inside none.
    mouseMoved(table, -1, -1);
}

} // namespace tavolier
