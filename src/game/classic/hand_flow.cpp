#include "game/classic/hand_flow.h"

#include "core/seats.h"
#include "game/classic/hand_steps.h"
#include "game/classic/opponent_turns.h"
#include "game/classic/showdown.h"
#include "game/deck.h"
#include "game/match_rules.h"
#include "game/options.h"
#include "game/table.h"
#include "presentation/animations.h"
#include "presentation/card_drawing.h"
#include "settings/settings_io.h"

namespace tavolier {

namespace {

// The opening sequence of a hand, by the seat that posted the big blind:
// whether that seat holds the open bet for the human's first answer, and
// the opponents after it, who answer the blind and then take their turns.
struct Opening {
    bool bigBlindHoldsBet;
    SeatList after;
};

// clang-format off
    constexpr std::array<Opening, 9> kOpenings { {
        { false, {} },
        { true,  { 0, {} } },
        { true,  { 1, { 1 } } },
        { true,  { 2, { 2, 1 } } },
        { true,  { 3, { 3, 2, 1 } } },
        { true,  { 4, { 4, 3, 2, 1 } } },
        { false, { 5, { 5, 4, 3, 2, 1 } } },
        { false, { 6, { 6, 5, 4, 3, 2, 1 } } },
        { false, { 7, { 7, 6, 5, 4, 3, 2, 1 } } },
    } };
// clang-format on

// The seats that post the blinds: the small blind from the seat after
// blindMarker (the human is taken without a look at the chips), the big
// blind from the next seat with chips after it, the small blind's seat
// counted after it paid; 0 when nobody has chips (a hand-edited file at
// start-up), where the search stops after one round.
struct BlindSeats {
    int small = 0;
    int big = 0;
};

[[nodiscard]] BlindSeats blindSeats(const TableState& s) {
    BlindSeats seats;
    int small = s.blindMarker == kHuman ? 1 : s.blindMarker + 1;
    while (small != kHuman && s.seat(small).chips <= 0)
        small = nextSeat(small);
    seats.small = small;
    const std::int32_t smallAfter
        = clampedAdd(s.seat(small).chips, -static_cast<std::int64_t>(s.smallBlind));
    int big = nextSeat(small);
    for (int tried = 0; tried < kSeatCount; ++tried, big = nextSeat(big)) {
        if ((big == small ? smallAfter : s.seat(big).chips) > 0) {
            seats.big = big;
            break;
        }
    }
    return seats;
}

// The blinds leave their seats (the pot already holds them); the big blind
// becomes anchorSeat. The hand is reported as started just before.
void postBlinds(Table& table) {
    TableState& s = table.state;
    const BlindSeats seats = blindSeats(s);
    table.reportHandStarted(false, seats.small, seats.big, stacksOf(s));
    const int small = seats.small;
    table.setStatus(small, "Small Blind");
    s.seat(small).chips = clampedAdd(s.seat(small).chips, -static_cast<std::int64_t>(s.smallBlind));
    table.showChips(small);
    s.blindMarker = nextSeat(small);
    table.reportBlind(small, false, s.smallBlind);

    const int big = seats.big;
    if (big == 0)
        return;
    table.setStatus(big, "Big Blind");
    s.seat(big).chips = clampedAdd(s.seat(big).chips, -static_cast<std::int64_t>(s.bigBlind));
    table.showChips(big);
    table.showPot();
    s.anchorSeat = big;
    table.reportBlind(big, true, s.pot);
}

// The opponents after the big blind answer it, then take their turns.
void runOpening(Table& table) {
    TableState& s = table.state;
    const Opening& opening = kOpenings[static_cast<std::size_t>(s.anchorSeat)];
    if (opening.bigBlindHoldsBet)
        s.seat(s.anchorSeat).openBet = true;
    for (int seat : opening.after) {
        if (s.inHand(seat))
            answerBet(table, seat);
    }
    runTurns(table, opening.after, false);
}

// Steps of the Deal from the reset of the hand to the opening sequence;
// the start-up deal skips the move of the blind marker.
void dealHand(Table& table, bool moveBlindMarker) {
    TableState& s = table.state;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        s.seat(seat).folded = false;
        s.seat(seat).openBet = false;
        s.seat(seat).outAtDeal = s.seat(seat).chips < 1;
    }
    s.outCount = 0;
    table.setButtonEnabled(Button::deal, false);
    table.setButtonEnabled(Button::fold, true);
    table.setButtonEnabled(Button::checkOrCall, true);
    table.setButtonEnabled(Button::raise, true);
    s.street = Street::preflop;
    if (moveBlindMarker)
        s.blindMarker = s.blindMarker == 1 ? kHuman : s.blindMarker - 1;
    s.anchorSeat = moveBlindMarker ? s.blindMarker : 1;
    for (int seat : kOpponents)
        table.setStatus(seat, "");
    computeBlinds(table);
    countBrokeOpponents(table);
    showOpeningPot(table);
    shuffleAndDeal(s, table.random);
    // A new hand starts from a fresh table: the full repaint also takes away
    // the cards of seats that went broke in the last hand.
    redraw(table);
    setDealCaptions(table);
    postBlinds(table);
    runOpening(table);
    table.refreshRaise();
}

} // namespace

void computeBlinds(Table& table) {
    TableState& s = table.state;
    s.smallBlind = s.smallBet / 2;
    s.bigBlind = s.smallBet;
    s.toCall = s.smallBet;
}

void countBrokeOpponents(Table& table) {
    for (int seat : kOpponents) {
        if (table.state.seat(seat).chips < 1)
            table.state.outCount += 1;
    }
}

void showOpeningPot(Table& table) {
    TableState& s = table.state;
    s.pot = clampedAdd(s.smallBlind, s.bigBlind);
    table.showPot();
    for (int seat = kSeatCount; seat >= 1; --seat)
        table.showChips(seat);
}

void setDealCaptions(Table& table) {
    const TableState& s = table.state;
    if (isDealBetSize(s.bigBlind)) {
        table.setCallDue(true);
        table.showRaiseCaption();
    }
    table.setButtonEnabled(Button::raise, true);
}

void runTurns(Table& table, const SeatList& seats, bool onlyWhileBeforeShowdown) {
    TableState& s = table.state;
    for (int seat : seats) {
        if (onlyWhileBeforeShowdown && s.street == Street::showdown)
            return;
        checkOrRaise(table, seat);
        if (s.seat(seat).openBet)
            return;
    }
}

void startUp(Table& table) {
    prepareStartUp(table, true);
    startupDeal(table);
}

void prepareStartUp(Table& table, bool seedFromClock) {
    TableState& s = table.state;
    PresentationState& p = table.presentation;
    p.blinkStep = 0;
    p.oddsStale = true;
    p.hoverShown.fill(false);
    table.setStatus(kHuman, "");
    s.potSettled = false;
    table.setButtonEnabled(Button::deal, false);
    s.anchorSeat = 1;
    readAll(table.settings, s);
    table.refusedValues = refuseUnplayableValues(s);
    showSettingsInPanel(table);
    if (seedFromClock)
        table.random.seedFromClock();
    s.street = Street::preflop;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        s.seat(seat).folded = false;
        s.seat(seat).openBet = false;
        s.seat(seat).outAtDeal = s.seat(seat).chips < 1;
    }
    s.outCount = 0;
    initDecks(s);
    for (int seat = kSeatCount; seat >= 1; --seat)
        table.showChips(seat);
    table.showPot();
    for (int seat : kOpponents)
        table.setStatus(seat, "");
}

void startupDeal(Table& table) {
    resetPreviousHand(table);
    table.setStatus(kHuman, "");
    table.state.blindMarker = 1;
    dealHand(table, false);
}

void deal(Table& table) {
    TableState& s = table.state;
    resetPreviousHand(table);
    writeStatsAndChips(table.settings, s);
    table.setStatus(kHuman, "");
    if (announceFinishedMatch(table))
        return;
    dealHand(table, true);
}

} // namespace tavolier
