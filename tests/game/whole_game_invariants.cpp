// Whole games read through their event stream: thousands of hands at every
// level and with every policy in the human's seat, each event checked
// against the table state and against the rules every hand must keep.
#include "core/random.h"
#include "core/seats.h"
#include "core/table_state.h"
#include "core/table_view.h"
#include "game/game.h"
#include "game/table.h"
#include "opponents/odds.h"
#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace tavolier::testing {
namespace {

enum class Policy { call, raise, fold, mixed, smart };

// Follows the hand from its events and checks every rule it can see; the
// first broken rule of a run is kept with the hand it happened in.
class InvariantChecker : public GameEvents {
public:
    explicit InvariantChecker(const TableState& state)
        : m_state(state) { }

    // The human's legal actions as the driver saw them before its click.
    LegalActions humanMay {};

    std::string fault;
    long long handsStarted = 0;
    long long handsEnded = 0;
    long long splitsLost = 0;

    void handStarted(const HandStarted& e) override {
        expect(!m_open, "a hand started before the last one ended");
        expect(e.handNumber == handsStarted + 1, "hand numbers run on by one");
        ++handsStarted;
        m_open = true;
        m_stacks = e.stacks;
        m_total = 0;
        for (int seat = 1; seat <= kSeatCount; ++seat) {
            const auto i = static_cast<std::size_t>(seat);
            m_total += e.stacks[i];
            m_broke[i] = e.stacks[i] <= 0;
            m_folded[i] = false;
        }
        m_pot = 0;
        m_street = Street::preflop;
        m_shown = {};
        if (!e.newMatch)
            expect(e.stacks == stacksOf(m_state), "the stacks before the blinds are the table's");
        expect(e.humanCards == m_state.seat(kHuman).holeCards, "the human's cards are the table's");
    }

    void blindPosted(const BlindPosted& e) override {
        expectOpen("a blind");
        const auto i = e.seat.index();
        expect(e.seat.isSeat(), "a blind comes from a seat");
        expect(!m_broke[i] || e.seat.isHuman(), "a broke opponent posts no blind");
        m_stacks[i] -= e.amount;
        m_pot += e.amount;
        expect(m_stacks[i] == m_state.seat(e.seat.number()).chips, "a blind leaves the stack");
    }

    void actionTaken(const ActionTaken& e) override {
        expectOpen("an action");
        const auto i = e.seat.index();
        expect(e.seat.isSeat(), "actions come from seats");
        expect(e.street == m_state.street, "an action's street is the table's");
        expect(e.street <= Street::river, "nobody acts after the river");
        expect(e.street >= m_street, "actions never go back a street");
        if (e.kind == ActionKind::sitsOut) {
            expect(m_broke[i] && e.paid == 0, "only a broke seat sits out, for nothing");
            return;
        }
        expect(!m_folded[i], "a folded seat never acts");
        expect(!m_broke[i], "a broke seat never acts");
        expect(e.paid >= 0, "nobody takes chips from the pot");
        switch (e.kind) {
        case ActionKind::check:
        case ActionKind::fold:
            expect(e.paid == 0, "a check or fold pays nothing");
            break;
        case ActionKind::raise:
            if (!e.seat.isHuman())
                expect(e.paid == streetBet(), "an opponent raises by the street's bet");
            break;
        case ActionKind::call:
        case ActionKind::sitsOut:
            break;
        case ActionKind::bet:
            expect(false, "Classic opens every street with a raise, never a bet");
            break;
        }
        if (e.seat.isHuman()) {
            const LegalActions& may = humanMay;
            expect(may.handInProgress, "the human acts only in a hand");
            if (e.kind == ActionKind::fold)
                expect(may.fold, "the human folds only when Fold is allowed");
            if (e.kind == ActionKind::raise) {
                expect(may.raise, "the human raises only when Raise is allowed");
                expect(e.paid == may.raiseCost, "a raise costs what the legal actions said");
            }
            if (e.kind == ActionKind::call || e.kind == ActionKind::check) {
                expect(may.checkOrCall, "the human calls only when Check/Call is allowed");
                expect(e.paid == may.callCost, "a call costs what the legal actions said");
            }
        }
        if (e.kind == ActionKind::fold)
            m_folded[i] = true;
        expectLiveAnchor();
        m_stacks[i] -= e.paid;
        m_pot += e.paid;
        expect(e.stackAfter == m_stacks[i], "an action's stack follows from what it paid");
        expect(e.potAfter == m_pot, "the pot grows by what is paid");
        expect(e.stackAfter == m_state.seat(e.seat.number()).chips, "the stack is the table's");
        expect(e.potAfter == m_state.pot, "the pot is the table's");
    }

    void streetDealt(const StreetDealt& e) override {
        expectOpen("a street");
        expect(e.street > m_street, "the streets only move on");
        expect(e.street >= Street::flop && e.street <= Street::showdown,
            "the street never passes the showdown");
        expect(e.street == m_state.street, "the street dealt is the table's");
        expect(m_state.street <= Street::showdown, "the table's street never passes the showdown");
        expect(e.board == m_state.board, "the board is the table's");
        m_street = e.street;
        expectLiveAnchor();
    }

    void handShown(const HandShown& e) override {
        expectOpen("a shown hand");
        const auto i = e.seat.index();
        expect(!m_folded[i] && !m_state.seat(e.seat.number()).folded, "a folded hand is not shown");
        expect(!m_broke[i], "a broke seat shows no hand");
        expect(!m_shown[i], "a hand is shown once");
        m_shown[i] = true;
    }

    void potAwarded(const PotAwarded& e) override {
        expectOpen("an award");
        expect(e.pot == m_pot, "the pot awarded is the pot the hand built");
        int winners = 0;
        for (int seat = 1; seat <= kSeatCount; ++seat) {
            const auto i = static_cast<std::size_t>(seat);
            if (!e.winners[i])
                continue;
            ++winners;
            expect(!m_folded[i] && !m_state.seat(seat).folded, "a folded seat never wins");
            expect(!m_broke[i], "a broke seat never wins");
            // When nobody took part (every seat still in paid its last chip)
            // the seats still in share the pot unseen.
            if (!e.byFolds && m_shown != SeatFlags {})
                expect(m_shown[i], "a showdown's winner showed a hand");
            m_stacks[i] += e.share;
        }
        expect(winners == e.winnerCount, "the winners counted are the winners flagged");
        if (winners > 0) {
            expect(e.lostToSplit == e.pot % winners, "only an uneven split's remainder is lost");
            expect(static_cast<std::int64_t>(e.share) * winners + e.lostToSplit == e.pot,
                "the shares and the loss make up the pot");
        } else {
            expect(e.lostToSplit == e.pot, "a pot without a winner is lost whole");
        }
        splitsLost += e.lostToSplit;
        m_lost = e.lostToSplit;
        m_awarded = true;
    }

    void handEnded(const HandEnded& e) override {
        expectOpen("the end of a hand");
        expect(m_awarded, "the pot is awarded before the hand ends");
        expect(e.handNumber == handsStarted, "the hand that ends is the one that started");
        expect(e.stacks == stacksOf(m_state), "the stacks at the end are the table's");
        expect(e.stacks == m_stacks, "the stacks follow from the blinds, actions and shares");
        std::int64_t total = 0;
        for (int seat = 1; seat <= kSeatCount; ++seat)
            total += e.stacks[static_cast<std::size_t>(seat)];
        expect(total + m_lost == m_total, "chips change only by the reported split loss");
        m_open = false;
        m_awarded = false;
        ++handsEnded;
    }

    void matchEnded(const MatchEnded&) override { expect(!m_open, "a match ends between hands"); }

    // After each click: where the table stands between events.
    void afterClick() {
        expect(m_state.street >= Street::preflop && m_state.street <= Street::showdown,
            "the street never passes the showdown");
        expect(m_state.pot >= 0, "the pot is never negative");
    }

private:
    const TableState& m_state;
    bool m_open = false;
    bool m_awarded = false;
    SeatFigures m_stacks {};
    std::int64_t m_total = 0;
    std::int64_t m_lost = 0;
    std::int32_t m_pot = 0;
    Street m_street = Street::preflop;
    SeatFlags m_broke {};
    SeatFlags m_folded {};
    SeatFlags m_shown {};

    [[nodiscard]] std::int32_t streetBet() const {
        return m_state.street > Street::flop ? m_state.bigBet : m_state.smallBet;
    }
    void expect(bool holds, const char* rule) {
        if (!holds && fault.empty())
            fault = std::string(rule) + " (hand " + std::to_string(handsStarted) + ")";
    }
    // The seat whose turn closes the street is never one that was out of
    // chips when the hand began.
    void expectLiveAnchor() {
        const int anchor = m_state.anchorSeat;
        expect(anchor >= 1 && anchor <= kSeatCount && !m_broke[static_cast<std::size_t>(anchor)],
            "a broke seat never closes a street");
    }
    void expectOpen(const char* what) {
        expect(m_open, (std::string(what) + " outside a hand").c_str());
    }
};

// The human's estimate as the odds badge makes it: 2001 trials.
[[nodiscard]] bool smartStays(Table& table) {
    TableState& s = table.state;
    const Estimate estimate
        = estimateOdds(estimateInput(s, s.seat(kHuman).holeCards, 2000), s.estimate, table.random);
    return estimate.oddsScore >= (s.street >= Street::flop ? 15 : 20);
}

struct RunResult {
    std::string fault;
    long long hands = 0;
    long long ended = 0;
};

// Plays hands with the real opponents at one level and one policy, pressing
// "Deal" after each hand and "New" after a match. Short stacks (40 chips,
// a match that ends only when the human or every opponent is broke) leave
// broke seats at the table most of the time.
RunResult play(
    std::int32_t level, Policy policy, long long hands, std::uint64_t seed, bool shortStacks) {
    TableState state;
    Random random(seed);
    random.ignoreClock();
    NullView view;
    MemorySettings settings;
    settings.logWrites = false;
    InvariantChecker checker(state);
    Table table(state, random, view, settings, checker);
    Game game(table);
    std::mt19937 choices(static_cast<std::uint32_t>(seed)); // the mixed policy's own dice

    game.prepareStartUp(false);
    state.aiLevelCode = level;
    if (shortStacks) {
        for (int seat = 1; seat <= kSeatCount; ++seat)
            state.seat(seat).chips = 40;
        state.initialChips = 40;
        state.untilMargin = 100000;
    }
    game.startupDeal();
    for (int guard = 0; checker.handsStarted < hands && guard < hands * 20; ++guard) {
        const LegalActions may = game.legalActions();
        checker.humanMay = may;
        if (!may.handInProgress) {
            if (may.deal)
                game.deal();
            else
                game.newMatch(std::to_string(state.initialChips));
            continue;
        }
        Policy now = policy;
        if (policy == Policy::mixed) {
            const unsigned pick = choices() % 10;
            now = pick < 5 ? Policy::call : pick < 8 ? Policy::raise : Policy::fold;
        }
        if (now == Policy::smart)
            now = smartStays(table) ? Policy::call : Policy::fold;
        if (now == Policy::raise && may.raise && state.seat(kHuman).chips >= 2)
            game.raise();
        else if (now == Policy::fold)
            game.fold();
        else
            game.checkOrCall();
        checker.afterClick();
        if (!checker.fault.empty())
            break;
    }
    const bool open = game.legalActions().handInProgress;
    return { checker.fault, checker.handsStarted, checker.handsEnded + (open ? 1 : 0) };
}

// Every policy at one level: full stacks, then short ones.
void playAll(std::int32_t level) {
    constexpr long long kFull = 850;
    constexpr long long kShort = 400;
    for (const Policy policy : { Policy::call, Policy::raise, Policy::fold, Policy::mixed }) {
        for (const bool shortStacks : { false, true }) {
            const long long hands = shortStacks ? kShort : kFull;
            const RunResult r = play(level, policy, hands,
                static_cast<std::uint64_t>(level) * 31 + static_cast<std::uint64_t>(policy),
                shortStacks);
            EXPECT_EQ(r.fault, "") << "level " << level << " policy " << static_cast<int>(policy)
                                   << (shortStacks ? " short stacks" : "");
            EXPECT_EQ(r.hands, hands);
            EXPECT_EQ(r.ended, r.hands) << "every hand ends exactly once";
        }
    }
}

// 4 x (850 + 400) hands at each level: 20,000 hands over the four tests.
TEST(WholeGameInvariants, Amateur) {
    playAll(400);
}
TEST(WholeGameInvariants, Expert) {
    playAll(600);
}
TEST(WholeGameInvariants, Master) {
    playAll(800);
}
TEST(WholeGameInvariants, Genius) {
    playAll(900);
}

// The human who folds unless the badge's estimate says stay.
TEST(WholeGameInvariants, SmartHuman) {
    const RunResult r = play(600, Policy::smart, 400, 99, false);
    EXPECT_EQ(r.fault, "");
    EXPECT_EQ(r.ended, r.hands);
}

} // namespace
} // namespace tavolier::testing
