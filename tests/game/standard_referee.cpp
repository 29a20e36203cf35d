#include "standard_referee.h"

#include "evaluation/standard_ranking.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

namespace tavolier::testing {

namespace {

// Clockwise round the table from the human's chair: 8, 1, 7, 6, 5, 4, 3, 2,
// then 8 again. kAfter[seat] is the seat that comes next.
constexpr std::array<int, 9> kAfter { 0, 7, 8, 2, 3, 4, 5, 6, 1 };

[[nodiscard]] std::size_t at(int seat) {
    return static_cast<std::size_t>(seat);
}

[[nodiscard]] std::string seatName(int seat) {
    static constexpr std::array<const char*, 9> kNames { "nobody", "Marc (1)", "Edmund (2)",
        "Robert (3)", "Cindy (4)", "Carlos (5)", "Jack (6)", "Chong (7)", "You (8)" };
    return seat >= 0 && seat <= 8 ? kNames[at(seat)] : "seat " + std::to_string(seat);
}

[[nodiscard]] const char* streetWord(Street street) {
    switch (street) {
    case Street::preflop:
        return "pre-flop";
    case Street::flop:
        return "flop";
    case Street::turn:
        return "turn";
    case Street::river:
        return "river";
    case Street::showdown:
        return "showdown";
    }
    return "?";
}

[[nodiscard]] const char* kindWord(ActionKind kind) {
    switch (kind) {
    case ActionKind::check:
        return "check";
    case ActionKind::call:
        return "call";
    case ActionKind::raise:
        return "raise";
    case ActionKind::fold:
        return "fold";
    case ActionKind::sitsOut:
        return "sits out";
    case ActionKind::bet:
        return "bet";
    }
    return "?";
}

[[nodiscard]] std::string cardText(Card c) {
    static constexpr const char* kRanks = "23456789TJQKA";
    static constexpr const char* kSuits = "cdhs";
    if (c.rank < 0 || c.rank > 12 || c.suit < 0 || c.suit > 3)
        return "??";
    return std::string { kRanks[c.rank], kSuits[c.suit] };
}

[[nodiscard]] bool realCard(Card c) {
    return c.rank >= 0 && c.rank <= 12 && c.suit >= 0 && c.suit <= 3;
}

[[nodiscard]] std::string flagsText(const SeatFlags& flags) {
    std::string out = "{";
    for (int seat = 1; seat <= 8; ++seat) {
        if (flags[at(seat)])
            out.append(out.size() > 1 ? "," : "").append(std::to_string(seat));
    }
    return out + "}";
}

// The pots a hand's totals make, worked out afresh from the rules.
struct Pot {
    std::int64_t amount = 0;
    SeatFlags eligible {};
    SeatFlags winners {};
};

} // namespace

RefereeCounts& RefereeCounts::operator+=(const RefereeCounts& o) {
    hands += o.hands;
    showdowns += o.showdowns;
    endsByFolds += o.endsByFolds;
    allIns += o.allIns;
    shortBlinds += o.shortBlinds;
    incompleteRaises += o.incompleteRaises;
    incompleteBets += o.incompleteBets;
    halfRaises += o.halfRaises;
    returns += o.returns;
    sidePotHands += o.sidePotHands;
    sidePots += o.sidePots;
    splitPots += o.splitPots;
    oddChips += o.oddChips;
    cappedStreets += o.cappedStreets;
    uncappedStreets += o.uncappedStreets;
    runOuts += o.runOuts;
    headsUpHands += o.headsUpHands;
    sitOuts += o.sitOuts;
    humanTurns += o.humanTurns;
    humanRaiseBarred += o.humanRaiseBarred;
    freeFolds += o.freeFolds;
    return *this;
}

// ---- The rules.

bool StandardReferee::inHand(int seat) const {
    const Seat& s = m_seats[at(seat)];
    return s.present && !s.folded;
}

bool StandardReferee::canAct(int seat) const {
    return inHand(seat) && m_seats[at(seat)].stack > 0;
}

int StandardReferee::countInHand() const {
    int n = 0;
    for (int seat = 1; seat <= 8; ++seat)
        n += inHand(seat) ? 1 : 0;
    return n;
}

int StandardReferee::countCanAct() const {
    int n = 0;
    for (int seat = 1; seat <= 8; ++seat)
        n += canAct(seat) ? 1 : 0;
    return n;
}

int StandardReferee::nextPresentAfter(int seat) const {
    for (int step = 0; step < 8; ++step) {
        seat = kAfter[at(seat)];
        if (m_seats[at(seat)].present)
            return seat;
    }
    return 0;
}

int StandardReferee::seatToAct() const {
    int seat = m_lastToAct;
    for (int step = 0; step < 8; ++step) {
        seat = kAfter[at(seat)];
        if (m_seats[at(seat)].needsToAct && canAct(seat))
            return seat;
    }
    return 0;
}

std::int32_t StandardReferee::toCallOf(int seat) const {
    const Seat& s = m_seats[at(seat)];
    return std::max(0, std::min(m_level - s.street, s.stack));
}

std::string StandardReferee::whyNoRaise(int seat) const {
    const Seat& s = m_seats[at(seat)];
    if (!s.mayRaise)
        return "it acted since the last full bet or raise and nothing reopened the betting";
    if (!m_uncapped && m_fullBets >= 4)
        return std::to_string(m_fullBets) + " bets were already made on the " + streetName()
            + " (cap of 4, more than two seats in when it opened)";
    if (s.stack <= m_level - s.street)
        return "it has no chips beyond the call";
    if (countCanAct() - 1 < 1)
        return "no other seat can act";
    return "";
}

std::int32_t StandardReferee::rung() const {
    return m_fullBets * m_betSize;
}

std::int32_t StandardReferee::raiseCostOf(int seat) const {
    // To the next rung of the street's ladder.
    const Seat& s = m_seats[at(seat)];
    return std::min(std::max(rung() + m_betSize, m_level) - s.street, s.stack);
}

void StandardReferee::openStreet(std::int32_t level, int fullBets) {
    m_level = level;
    m_fullBets = fullBets;
    m_uncapped = countInHand() == 2;
    const bool betting = countCanAct() >= 2;
    for (int seat = 1; seat <= 8; ++seat) {
        Seat& s = m_seats[at(seat)];
        s.needsToAct = canAct(seat) && (betting || s.street < m_level);
        s.mayRaise = canAct(seat);
    }
    if (countInHand() >= 2 && seatToAct() == 0)
        ++m_counts.runOuts;
}

std::int64_t StandardReferee::potNow() const {
    std::int64_t pot = 0;
    for (int seat = 1; seat <= 8; ++seat)
        pot += m_seats[at(seat)].hand;
    return pot;
}

// ---- Bookkeeping.

bool StandardReferee::check(bool holds, const std::string& reason) {
    if (holds || !m_fault.empty())
        return holds;
    m_fault = "hand " + std::to_string(m_handNumber) + ": " + reason;
    for (const std::string& line : m_lines)
        m_faultHand += line + "\n";
    return false;
}

void StandardReferee::note(const std::string& line) {
    m_lines.push_back(line);
}

std::string StandardReferee::streetName() const {
    return streetWord(m_street);
}

// ---- The events.

void StandardReferee::handStarted(const HandStarted& e) {
    if (!live())
        return;
    m_lines.clear();
    m_handNumber = e.handNumber;
    ++m_handsStarted;
    std::string line = "hand " + std::to_string(e.handNumber) + (e.newMatch ? " (new match)" : "")
        + ": button " + std::to_string(e.buttonSeat.number()) + ", blinds "
        + std::to_string(e.smallBlindSeat.number()) + "/" + std::to_string(e.bigBlindSeat.number())
        + " " + std::to_string(e.smallBlind) + "/" + std::to_string(e.bigBlind) + ", bets "
        + std::to_string(e.smallBet) + "/" + std::to_string(e.bigBet) + ", stacks";
    for (int seat = 1; seat <= 8; ++seat)
        line.append(" ")
            .append(std::to_string(seat))
            .append(":")
            .append(std::to_string(e.stacks[at(seat)]));
    note(line);

    if (!check(m_phase == Phase::between, "a hand started before the last one ended"))
        return;
    if (m_seenHand)
        check(e.handNumber == m_lastHandNumber + 1, "hand numbers run on by one");
    check(
        e.rulesName == "Standard" && e.standardBetting, "the hand is dealt by the Standard rules");

    m_seats = {};
    int present = 0;
    for (int seat = 1; seat <= 8; ++seat) {
        Seat& s = m_seats[at(seat)];
        s.stack = e.stacks[at(seat)];
        s.present = s.stack > 0;
        present += s.present ? 1 : 0;
        check(s.stack >= 0, seatName(seat) + " starts the hand with a stack below zero");
    }
    m_counts.sitOuts += 8 - present;
    if (present == 2)
        ++m_counts.headsUpHands;
    m_chipsAtDeal = std::accumulate(e.stacks.begin() + 1, e.stacks.end(), std::int64_t { 0 });
    if (m_seenHand && !e.newMatch)
        check(e.stacks == m_lastStacks, "the stacks at the deal are the stacks the last hand left");
    if (e.newMatch) {
        for (int seat = 2; seat <= 8; ++seat)
            check(e.stacks[at(seat)] == e.stacks[1], "a new match gives every seat the same stack");
    }
    if (!check(present >= 2, "a hand dealt with fewer than two seats with chips"))
        return;

    // The button: the human's chair, or the first seat with chips clockwise
    // from it, at the first hand of a run or a match; then the next seat
    // with chips after the last hand's button.
    const bool first = !m_seenHand || e.newMatch;
    m_button
        = first ? (m_seats[8].present ? 8 : nextPresentAfter(8)) : nextPresentAfter(m_lastButton);
    check(e.buttonSeat.number() == m_button,
        "the button is " + seatName(e.buttonSeat.number()) + ", the rules put it on "
            + seatName(m_button) + (first ? " (first hand of a run or match)" : ""));
    m_smallBlindSeat = present == 2 ? m_button : nextPresentAfter(m_button);
    m_bigBlindSeat = nextPresentAfter(m_smallBlindSeat);
    check(e.smallBlindSeat.number() == m_smallBlindSeat,
        "the small blind is " + seatName(e.smallBlindSeat.number()) + ", the rules say "
            + seatName(m_smallBlindSeat));
    check(e.bigBlindSeat.number() == m_bigBlindSeat,
        "the big blind is " + seatName(e.bigBlindSeat.number()) + ", the rules say "
            + seatName(m_bigBlindSeat));

    m_smallBet = std::max(e.smallBet, 1);
    m_bigBet = std::max(e.bigBet, 1);
    m_smallBlind = m_smallBet / 2;
    m_bigBlind = m_smallBet;
    check(e.smallBlind == m_smallBlind && e.bigBlind == m_bigBlind,
        "the blinds are " + std::to_string(e.smallBlind) + "/" + std::to_string(e.bigBlind)
            + ", the small bet " + std::to_string(e.smallBet) + " makes them "
            + std::to_string(m_smallBlind) + "/" + std::to_string(m_bigBlind));

    m_humanCards = e.humanCards;
    m_street = Street::preflop;
    m_betSize = m_smallBet;
    m_level = 0;
    m_fullBets = 0;
    m_uncapped = false;
    m_lastToAct = 0;
    m_returned = false;
    m_board = {};
    m_boardCount = 0;
    m_clickPending = false;
    m_phase = Phase::dealt;
    m_seenHand = true;
    m_lastHandNumber = e.handNumber;
}

void StandardReferee::blindPosted(const BlindPosted& e) {
    if (!live())
        return;
    const int seat = e.seat.number();
    note(std::string(e.big ? "big" : "small") + " blind " + std::to_string(seat) + " "
        + std::to_string(e.amount) + (e.allIn ? " all-in" : "") + ", pot "
        + std::to_string(e.potAfter));
    if (!check(m_phase == Phase::dealt || m_phase == Phase::smallBlindPosted,
            "a blind posted after the betting began"))
        return;
    if (m_phase == Phase::dealt && e.big) {
        // A small blind of nothing (a small bet of one chip) may go unreported.
        if (!check(std::min(m_smallBlind, m_seats[at(m_smallBlindSeat)].stack) == 0,
                "the big blind was posted before the small blind"))
            return;
        m_phase = Phase::smallBlindPosted;
    }
    const bool big = m_phase == Phase::smallBlindPosted;
    if (!check(e.big == big, "a second small blind was posted"))
        return;
    const int expectedSeat = big ? m_bigBlindSeat : m_smallBlindSeat;
    if (!check(seat == expectedSeat,
            std::string(big ? "the big" : "the small") + " blind came from " + seatName(seat)
                + ", not from " + seatName(expectedSeat)))
        return;
    Seat& s = m_seats[at(seat)];
    const std::int32_t blind = big ? m_bigBlind : m_smallBlind;
    const std::int32_t owed = std::min(blind, s.stack);
    check(e.amount == owed,
        seatName(seat) + " posted " + std::to_string(e.amount) + " for a blind of "
            + std::to_string(blind) + " with " + std::to_string(s.stack) + " chips; it owes "
            + std::to_string(owed));
    s.stack -= owed;
    s.street += owed;
    s.hand += owed;
    check(e.allIn == (s.stack == 0), "a blind is all-in exactly when it took the last chip");
    check(e.potAfter == potNow(),
        "the pot after " + seatName(seat) + "'s blind is reported " + std::to_string(e.potAfter)
            + ", the blinds make " + std::to_string(potNow()));
    if (s.stack == 0)
        ++m_counts.allIns;
    if (owed < blind)
        ++m_counts.shortBlinds;
    if (!big) {
        m_phase = Phase::smallBlindPosted;
        return;
    }
    // The big blind is the street's first bet, and the level is the full
    // blind even when it was posted short.
    m_phase = Phase::betting;
    m_street = Street::preflop;
    m_betSize = m_smallBet;
    openStreet(m_bigBlind, 1);
    m_lastToAct = m_bigBlindSeat;
}

void StandardReferee::actionTaken(const ActionTaken& e) {
    if (!live())
        return;
    const int seat = e.seat.number();
    note(seatName(seat) + " " + kindWord(e.kind) + " " + std::to_string(e.paid)
        + (e.allIn ? " all-in" : "") + " on the " + streetWord(e.street) + ", stack "
        + std::to_string(e.stackAfter) + ", pot " + std::to_string(e.potAfter));
    if (!check(e.seat.isSeat(), "an action by " + seatName(seat) + ", who is not at the table"))
        return;
    Seat& s = m_seats[at(seat)];

    if (e.kind == ActionKind::sitsOut) {
        check(m_phase == Phase::dealt,
            seatName(seat) + " was told to sit out after the blinds were posted");
        check(!s.present, seatName(seat) + " sits out with chips");
        check(!s.toldSitsOut, seatName(seat) + " was told to sit out twice");
        check(e.paid == 0, "a seat sitting out pays nothing");
        s.toldSitsOut = true;
        return;
    }
    if (!check(m_phase == Phase::betting,
            seatName(seat) + " acted "
                + (m_phase == Phase::awarded ? "after the pot was paid"
                                             : "before the blinds were in")))
        return;
    if (!check(s.present, seatName(seat) + " acted though it had no chips at the deal"))
        return;
    if (!check(countInHand() >= 2,
            seatName(seat) + " acted after everyone else had folded; the hand was over"))
        return;
    if (!check(m_street != Street::showdown, seatName(seat) + " acted at the showdown"))
        return;
    const int due = seatToAct();
    if (!check(due != 0,
            seatName(seat) + " acted on the " + streetName()
                + " after the betting had closed (nobody was to act; the street closed late)"))
        return;
    if (!check(seat == due,
            "out of turn: " + seatName(seat) + " acted (" + kindWord(e.kind) + ") on the "
                + streetName() + " while " + seatName(due) + " was to act"))
        return;
    check(e.street == m_street,
        std::string("an action on the ") + streetWord(e.street) + " reported on the "
            + streetName());

    if (seat == 8 && m_clicksReported) {
        if (check(m_clickPending, "the human's seat acted without a click")) {
            const bool matches = m_click == HumanClick::fold ? e.kind == ActionKind::fold
                : m_click == HumanClick::raise
                ? e.kind == ActionKind::raise || e.kind == ActionKind::bet
                : e.kind == ActionKind::check || e.kind == ActionKind::call;
            check(matches,
                std::string("the human's click became a ") + kindWord(e.kind)
                    + " (Check/Call, Raise and Fold act as pressed)");
        }
        m_clickPending = false;
    }

    const std::int32_t toCall = toCallOf(seat);
    const std::int32_t stackBefore = s.stack;
    std::int32_t pays = 0;
    bool full = false;
    switch (e.kind) {
    case ActionKind::check:
        check(toCall == 0,
            seatName(seat) + " checked facing a bet on the " + streetName() + " ("
                + std::to_string(toCall) + " to call)");
        break;
    case ActionKind::fold:
        if (toCall == 0 && seat != 8)
            ++m_counts.freeFolds;
        break;
    case ActionKind::call:
        check(toCall > 0, seatName(seat) + " called with nothing to call on the " + streetName());
        pays = toCall;
        break;
    case ActionKind::bet:
    case ActionKind::raise: {
        const std::string why = whyNoRaise(seat);
        if (!check(why.empty(),
                seatName(seat) + " made a " + kindWord(e.kind) + " on the " + streetName()
                    + " it may not make: " + why))
            return;
        check((e.kind == ActionKind::bet) == (m_level == 0),
            seatName(seat) + " made a " + kindWord(e.kind) + " with the level at "
                + std::to_string(m_level) + " (a bet opens a street, a raise goes over a bet)");
        pays = raiseCostOf(seat);
        const std::int32_t reaches = s.street + pays;
        // A full bet or raise reaches the next rung; all in for half a bet
        // or more above the rung counts as one, except for an opening bet.
        full = reaches >= rung() + m_betSize
            || (reaches > m_level && m_fullBets > 0 && 2 * (reaches - rung()) >= m_betSize);
        if (full && reaches < rung() + m_betSize)
            ++m_counts.halfRaises;
        // Every bet or raise that is not all in lands on the ladder.
        const std::int32_t reported = s.street + e.paid;
        check(e.allIn || reported % m_betSize == 0,
            seatName(seat) + "'s " + kindWord(e.kind) + " on the " + streetName() + " reaches "
                + std::to_string(reported) + ", off the ladder of " + std::to_string(m_betSize)
                + " a bet");
        break;
    }
    case ActionKind::sitsOut:
        break;
    }
    check(e.paid == pays,
        seatName(seat) + " paid " + std::to_string(e.paid) + " for a " + kindWord(e.kind)
            + " on the " + streetName() + "; the rules make it " + std::to_string(pays) + " (level "
            + std::to_string(m_level) + ", in " + std::to_string(s.street) + ", stack "
            + std::to_string(stackBefore) + ", bet " + std::to_string(m_betSize) + ")");
    s.stack -= pays;
    s.street += pays;
    s.hand += pays;
    check(e.stackAfter == s.stack,
        seatName(seat) + "'s stack after its " + kindWord(e.kind) + " is reported "
            + std::to_string(e.stackAfter) + ", it is " + std::to_string(s.stack));
    check(s.stack >= 0, seatName(seat) + "'s stack went below zero");
    check(e.potAfter == potNow(),
        "the pot after " + seatName(seat) + "'s " + kindWord(e.kind) + " is reported "
            + std::to_string(e.potAfter) + ", the chips put in make " + std::to_string(potNow()));
    check(e.allIn == (pays > 0 && s.stack == 0),
        seatName(seat) + "'s " + kindWord(e.kind)
            + " is all-in exactly when it takes the seat's last chip");
    if (pays > 0 && s.stack == 0)
        ++m_counts.allIns;

    s.needsToAct = false;
    s.mayRaise = false;
    m_lastToAct = seat;
    if (e.kind == ActionKind::fold) {
        s.folded = true;
        return;
    }
    if (e.kind != ActionKind::bet && e.kind != ActionKind::raise)
        return;
    if (full) {
        // A full bet or raise: everyone else who can act answers it and may
        // raise again.
        m_level = s.street;
        ++m_fullBets;
        for (int other = 1; other <= 8; ++other) {
            if (other != seat && canAct(other)) {
                m_seats[at(other)].needsToAct = true;
                m_seats[at(other)].mayRaise = true;
            }
        }
        if (m_fullBets == 4 && !m_uncapped)
            ++m_counts.cappedStreets;
        if (m_fullBets == 5 && m_uncapped)
            ++m_counts.uncappedStreets;
    } else if (s.street > m_level) {
        // All in for less than a full bet, or by less than half a bet: the
        // others answer the new level, but raising is not reopened.
        if (m_fullBets == 0)
            ++m_counts.incompleteBets;
        m_level = s.street;
        ++m_counts.incompleteRaises;
        for (int other = 1; other <= 8; ++other) {
            if (other != seat && canAct(other) && m_seats[at(other)].street < m_level)
                m_seats[at(other)].needsToAct = true;
        }
    }
}

void StandardReferee::betReturned(const BetReturned& e) {
    if (!live())
        return;
    const int seat = e.seat.number();
    note(seatName(seat) + " takes back " + std::to_string(e.amount) + ", stack "
        + std::to_string(e.stackAfter) + ", pot " + std::to_string(e.potAfter));
    if (!check(m_phase == Phase::betting, "a bet returned outside the end of a hand"))
        return;
    if (!check(countInHand() <= 1 || m_street == Street::showdown,
            "a bet was returned on the " + streetName() + " before the hand was decided"))
        return;
    if (!check(!m_returned, "a second bet was returned"))
        return;
    if (!check(e.seat.isSeat(), "a bet returned to " + seatName(seat)))
        return;
    m_returned = true;
    std::int32_t top = -1;
    std::int32_t second = -1;
    int topSeat = 0;
    for (int other = 1; other <= 8; ++other) {
        const std::int32_t total = m_seats[at(other)].hand;
        if (total > top) {
            second = top;
            top = total;
            topSeat = other;
        } else if (total > second) {
            second = total;
        }
    }
    const std::int32_t excess = top - second;
    if (!check(excess > 0, "a bet was returned though no seat put in more than every other"))
        return;
    check(seat == topSeat && e.amount == excess,
        seatName(seat) + " took back " + std::to_string(e.amount) + "; the uncalled bet is "
            + seatName(topSeat) + "'s " + std::to_string(excess) + " (" + std::to_string(top)
            + " against " + std::to_string(second) + ")");
    Seat& s = m_seats[at(topSeat)];
    s.hand -= excess;
    s.stack += excess;
    check(e.stackAfter == s.stack,
        seatName(topSeat) + "'s stack after its bet came back is reported "
            + std::to_string(e.stackAfter) + ", it is " + std::to_string(s.stack));
    check(e.potAfter == potNow(),
        "the pot after a returned bet is reported " + std::to_string(e.potAfter) + ", it is "
            + std::to_string(potNow()));
    ++m_counts.returns;
}

void StandardReferee::streetDealt(const StreetDealt& e) {
    if (!live())
        return;
    std::string line = std::string(streetWord(e.street));
    for (int i = 0; i < e.boardCount && i < 5; ++i)
        line.append(" ").append(cardText(e.board[at(i)]));
    note(line);
    if (!check(m_phase == Phase::betting,
            std::string("the ") + streetWord(e.street) + " dealt "
                + (m_phase == Phase::awarded ? "after the pot was paid" : "before the blinds")))
        return;
    if (!check(countInHand() >= 2,
            std::string("the ") + streetWord(e.street)
                + " dealt after everyone but one had folded"))
        return;
    if (!check(m_street != Street::showdown, "a street dealt after the showdown"))
        return;
    const int due = seatToAct();
    if (!check(due == 0,
            std::string("the ") + streetWord(e.street) + " was dealt while " + seatName(due)
                + " still had to act on the " + streetName() + " (the street closed early)"))
        return;
    const Street next = static_cast<Street>(static_cast<int>(m_street) + 1);
    if (!check(e.street == next,
            std::string("the ") + streetWord(e.street) + " came after the " + streetName()))
        return;
    const int count = next == Street::flop ? 3 : next == Street::turn ? 4 : 5;
    check(e.boardCount == count,
        std::string("the ") + streetWord(e.street) + " shows " + std::to_string(e.boardCount)
            + " cards");
    for (int i = 0; i < count; ++i) {
        const Card c = e.board[at(i)];
        if (i < m_boardCount)
            check(c == m_board[at(i)], "a card already on the board changed");
        check(realCard(c), "a board card is not a card of the deck");
        check(c != m_humanCards[0] && c != m_humanCards[1], "a board card is in the human's hand");
        for (int j = 0; j < i; ++j)
            check(c != e.board[at(j)], "a card appears twice on the board");
    }
    for (int i = 0; i < count; ++i)
        m_board[at(i)] = e.board[at(i)];
    m_boardCount = count;

    m_street = next;
    for (int seat = 1; seat <= 8; ++seat) {
        m_seats[at(seat)].street = 0;
        m_seats[at(seat)].needsToAct = false;
        m_seats[at(seat)].mayRaise = false;
    }
    if (next == Street::showdown)
        return;
    m_betSize = next == Street::flop ? m_smallBet : m_bigBet;
    openStreet(0, 0);
    m_lastToAct = m_button;
}

void StandardReferee::handShown(const HandShown& e) {
    if (!live())
        return;
    const int seat = e.seat.number();
    note(seatName(seat) + " shows " + cardText(e.cards[0]) + " " + cardText(e.cards[1]) + ": "
        + e.name);
    if (!check(m_phase == Phase::betting && m_street == Street::showdown,
            seatName(seat) + "'s hand shown before the showdown"))
        return;
    if (!check(e.seat.isSeat() && inHand(seat), seatName(seat) + " shows but is not in the hand"))
        return;
    Seat& s = m_seats[at(seat)];
    if (!check(!s.shown, seatName(seat) + " showed twice"))
        return;
    s.shown = true;
    s.cards = e.cards;
    if (seat == 8)
        check(e.cards == m_humanCards, "the human shows other cards than it was dealt");
    std::array<Card, 7> seven { e.cards[0], e.cards[1] };
    for (std::size_t i = 0; i < 5; ++i)
        seven[i + 2] = m_board[i];
    for (std::size_t i = 0; i < 7; ++i) {
        if (!check(realCard(seven[i]), seatName(seat) + " shows a card not of the deck"))
            return;
        for (std::size_t j = 0; j < i; ++j) {
            if (!check(seven[i] != seven[j], seatName(seat) + "'s seven cards repeat a card"))
                return;
        }
    }
    for (int other = 1; other <= 8; ++other) {
        const Seat& o = m_seats[at(other)];
        if (other != seat && o.shown) {
            for (Card c : o.cards)
                check(c != e.cards[0] && c != e.cards[1],
                    seatName(seat) + " and " + seatName(other) + " show the same card");
        }
    }
    const StandardRank rank = rankStandard(seven);
    s.value = rank.value;
    check(e.score == static_cast<std::int32_t>(rank.category)
            && e.kicker == static_cast<std::int32_t>(rank.value),
        seatName(seat) + "'s hand is ranked " + std::to_string(e.score) + "/"
            + std::to_string(e.kicker) + ", it ranks "
            + std::to_string(static_cast<int>(rank.category)) + "/" + std::to_string(rank.value));
    check(!e.name.empty(), seatName(seat) + "'s hand has no name");
}

void StandardReferee::potAwarded(const PotAwarded& e) {
    if (!live())
        return;
    std::string line = "award" + std::string(e.byFolds ? " by folds" : "") + ", pot "
        + std::to_string(e.pot) + ", won";
    for (int seat = 1; seat <= 8; ++seat) {
        if (e.won[at(seat)] != 0)
            line.append(" ")
                .append(std::to_string(seat))
                .append(":")
                .append(std::to_string(e.won[at(seat)]));
    }
    for (const PotShare& p : e.pots)
        line += " [" + std::to_string(p.amount) + " eligible " + flagsText(p.eligible) + " to "
            + flagsText(p.winners) + "]";
    note(line);
    if (!check(m_phase == Phase::betting, "a pot awarded outside a hand"))
        return;
    const int left = countInHand();
    const bool byFolds = left == 1;
    if (!byFolds) {
        if (!check(m_street == Street::showdown,
                "the pot was paid on the " + streetName() + " with " + std::to_string(left)
                    + " seats still in (no showdown)"))
            return;
        for (int seat = 1; seat <= 8; ++seat) {
            if (!check(!inHand(seat) || m_seats[at(seat)].shown,
                    seatName(seat) + " is still in at the showdown but did not show"))
                return;
        }
    }
    check(e.byFolds == byFolds,
        byFolds ? "a hand won by folds is reported as a showdown"
                : "a showdown is reported as won by folds");

    // The uncalled bet goes back before the pots are made.
    {
        std::int32_t top = -1;
        std::int32_t second = -1;
        int topSeat = 0;
        for (int seat = 1; seat <= 8; ++seat) {
            const std::int32_t total = m_seats[at(seat)].hand;
            if (total > top) {
                second = top;
                top = total;
                topSeat = seat;
            } else if (total > second) {
                second = total;
            }
        }
        if (!check(top <= second,
                seatName(topSeat) + "'s uncalled " + std::to_string(top - second)
                    + " was not returned (" + std::to_string(top) + " put in against at most "
                    + std::to_string(second) + ")"))
            return;
    }
    const std::int64_t pot = potNow();
    check(e.pot == pot,
        "the pot awarded is " + std::to_string(e.pot) + ", the chips in it are "
            + std::to_string(pot));
    check(e.lostToSplit == 0, "chips were lost to a split");

    // The pots: one for each distinct total of a seat still in, open to the
    // seats still in with at least that total; chips above the top total
    // join the last pot.
    std::vector<std::int32_t> levels;
    for (int seat = 1; seat <= 8; ++seat) {
        if (inHand(seat) && m_seats[at(seat)].hand > 0)
            levels.push_back(m_seats[at(seat)].hand);
    }
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    std::vector<Pot> pots;
    std::int32_t below = 0;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const bool last = i + 1 == levels.size();
        Pot p;
        for (int seat = 1; seat <= 8; ++seat) {
            const std::int32_t total = m_seats[at(seat)].hand;
            const std::int32_t upTo = last ? total : std::min(total, levels[i]);
            p.amount += std::max(upTo - below, 0);
            p.eligible[at(seat)] = inHand(seat) && total >= levels[i];
        }
        below = levels[i];
        if (p.amount > 0)
            pots.push_back(p);
    }
    if (byFolds) {
        // The one seat left takes everything.
        pots.assign(1, Pot {});
        pots[0].amount = pot;
        for (int seat = 1; seat <= 8; ++seat)
            pots[0].eligible[at(seat)] = inHand(seat);
    }

    // Each pot to its best hands; the chips that do not divide go one each
    // to the winners clockwise from the first seat after the button.
    SeatFigures won {};
    for (Pot& p : pots) {
        std::uint32_t best = 0;
        for (int seat = 1; seat <= 8; ++seat) {
            if (p.eligible[at(seat)])
                best = std::max(best, m_seats[at(seat)].value);
        }
        int winners = 0;
        for (int seat = 1; seat <= 8; ++seat) {
            p.winners[at(seat)]
                = p.eligible[at(seat)] && (byFolds || m_seats[at(seat)].value == best);
            winners += p.winners[at(seat)] ? 1 : 0;
        }
        const std::int64_t share = p.amount / winners;
        std::int64_t odd = p.amount % winners;
        if (winners > 1)
            ++m_counts.splitPots;
        if (odd > 0)
            ++m_counts.oddChips;
        int seat = m_button;
        for (int step = 0; step < 8; ++step) {
            seat = kAfter[at(seat)];
            if (!p.winners[at(seat)])
                continue;
            won[at(seat)] += static_cast<std::int32_t>(share + (odd > 0 ? 1 : 0));
            odd -= odd > 0 ? 1 : 0;
        }
    }

    if (!byFolds) {
        if (check(e.pots.size() == pots.size(),
                std::to_string(e.pots.size()) + " pots were made; the totals make "
                    + std::to_string(pots.size())))
            for (std::size_t i = 0; i < pots.size(); ++i) {
                const std::string which = i == 0 ? "the main pot" : "side pot " + std::to_string(i);
                check(e.pots[i].amount == pots[i].amount,
                    which + " holds " + std::to_string(e.pots[i].amount) + ", it should hold "
                        + std::to_string(pots[i].amount));
                check(e.pots[i].eligible == pots[i].eligible,
                    which + " is open to " + flagsText(e.pots[i].eligible)
                        + ", it should be open to " + flagsText(pots[i].eligible));
                check(e.pots[i].winners == pots[i].winners,
                    which + " went to " + flagsText(e.pots[i].winners)
                        + ", the best hands there are " + flagsText(pots[i].winners));
            }
        if (pots.size() > 1) {
            ++m_counts.sidePotHands;
            m_counts.sidePots += static_cast<long long>(pots.size()) - 1;
        }
        ++m_counts.showdowns;
    } else {
        std::int64_t sum = 0;
        for (const PotShare& p : e.pots) {
            sum += p.amount;
            check(p.winners == pots[0].eligible, "a pot won by folds goes to the seat left");
        }
        check(sum == pot, "the pots won by folds hold the whole pot");
        ++m_counts.endsByFolds;
    }
    for (int seat = 1; seat <= 8; ++seat) {
        check(e.won[at(seat)] == won[at(seat)],
            seatName(seat) + " received " + std::to_string(e.won[at(seat)]) + ", the rules give it "
                + std::to_string(won[at(seat)]));
        check(!e.winners[at(seat)] || won[at(seat)] > 0 || inHand(seat),
            seatName(seat) + " is named a winner but is not in the hand");
        check(won[at(seat)] == 0 || e.winners[at(seat)],
            seatName(seat) + " received chips but is not named a winner");
        m_seats[at(seat)].stack += won[at(seat)];
    }
    m_phase = Phase::awarded;
}

void StandardReferee::handEnded(const HandEnded& e) {
    if (!live())
        return;
    note("end");
    if (!check(m_phase == Phase::awarded, "a hand ended before its pot was paid"))
        return;
    check(e.handNumber == m_handNumber, "the hand that ends is the hand that started");
    std::int64_t total = 0;
    for (int seat = 1; seat <= 8; ++seat) {
        check(e.stacks[at(seat)] >= 0, seatName(seat) + "'s stack is below zero");
        check(e.stacks[at(seat)] == m_seats[at(seat)].stack,
            seatName(seat) + " ends the hand with " + std::to_string(e.stacks[at(seat)])
                + ", the hand leaves it " + std::to_string(m_seats[at(seat)].stack));
        total += e.stacks[at(seat)];
    }
    check(total == m_chipsAtDeal,
        "chips not conserved: " + std::to_string(m_chipsAtDeal) + " at the deal, "
            + std::to_string(total) + " at the end");
    m_lastStacks = e.stacks;
    m_lastButton = m_button;
    m_phase = Phase::between;
    ++m_counts.hands;
}

void StandardReferee::matchEnded(const MatchEnded&) {
    if (!live())
        return;
    note("match over");
    check(m_phase == Phase::between, "a match ended in the middle of a hand");
}

void StandardReferee::humanClicks(const LegalActions& may, HumanClick click) {
    if (!live())
        return;
    m_clicksReported = true;
    check(!m_clickPending, "the human's last click did nothing");
    if (!check(m_phase == Phase::betting && countInHand() >= 2,
            "the game waits for the human with no betting open"))
        return;
    const int due = seatToAct();
    if (!check(due == 8,
            "the game waits for the human on the " + streetName() + " while " + seatName(due)
                + " is to act"))
        return;
    ++m_counts.humanTurns;
    const std::int32_t toCall = toCallOf(8);
    const bool mayRaise = whyNoRaise(8).empty();
    if (!mayRaise)
        ++m_counts.humanRaiseBarred;
    check(may.handInProgress && may.checkOrCall && may.fold && !may.deal,
        "the human's turn offers Check/Call and Fold, not Deal");
    check(may.callCost == toCall && may.mustCall == (toCall > 0),
        "Check/Call costs " + std::to_string(may.callCost) + " on the " + streetName()
            + "; the call is " + std::to_string(toCall));
    check(may.raise == mayRaise,
        std::string("Raise is ") + (may.raise ? "allowed" : "barred") + " on the " + streetName()
            + (mayRaise ? " though the human may raise" : ", the human may not: " + whyNoRaise(8)));
    if (mayRaise)
        check(may.raiseCost == raiseCostOf(8),
            "Raise costs " + std::to_string(may.raiseCost) + "; the rules make it "
                + std::to_string(raiseCostOf(8)));
    m_click = click;
    m_clickPending = true;
}

void StandardReferee::humanIdle(const LegalActions& may) {
    if (!live())
        return;
    check(!m_clickPending, "the human's last click did nothing");
    m_clickPending = false;
    check(!may.handInProgress, "the driver saw the human's turn as idle");
    check(m_phase == Phase::between,
        "the game stopped in the middle of a hand, waiting for nobody (" + streetName() + ")");
}

} // namespace tavolier::testing
