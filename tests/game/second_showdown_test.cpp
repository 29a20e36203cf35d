// A showdown that runs a second time in the same hand (the turns after it
// reach street 5 again) pays nothing and shows what the first run showed,
// though the first run's payout may have brought broke seats back above zero.
#include "flow_harness.h"

#include "game/classic/hand_flow.h"
#include "game/classic/showdown.h"

#include <gtest/gtest.h>

namespace tavolier::testing {
namespace {

// Three seats still in, each with its last chip in the pot: none takes part,
// so the pot of 14 is split among them (4 each, 2 to nobody). With chips
// again, each would take part, and the human's pair of aces would win alone.
struct AllInTable : Harness {
    AllInTable() {
        startUp(table);
        state.board
            = { Card { 0, 0 }, Card { 1, 5 }, Card { 2, 7 }, Card { 3, 9 }, Card { 0, 11 } };
        for (int seat = 1; seat <= 8; ++seat) {
            state.seat(seat).holeCards = { Card { 1, seat - 1 }, Card { 2, seat - 1 } };
            state.seat(seat).folded = !(seat == 8 || seat == 7 || seat == 1);
            state.seat(seat).openBet = false;
            state.seat(seat).chips = seat == 8 || seat == 7 || seat == 1 ? 0 : 50;
        }
        state.seat(8).holeCards = { Card { 1, 12 }, Card { 2, 12 } };
        state.seat(7).holeCards = { Card { 1, 1 }, Card { 2, 2 } };
        state.seat(1).holeCards = { Card { 1, 3 }, Card { 3, 4 } };
        state.outCount = 5;
        state.pot = 14;
        state.street = Street::showdown;
        clearLogs();
    }
};

struct Shown {
    std::vector<std::string> texts;
    std::vector<std::string> italic;
};

Shown shownBy(const RecordingView& view) {
    Shown shown;
    for (int seat = 1; seat <= kSeatCount; ++seat)
        shown.texts.push_back(view.text(seatInfo(seat).statusLabel));
    shown.italic = view.linesStartingWith("style ");
    return shown;
}

TEST(SecondShowdown, ShowsTheFirstRunsNamesAndWinnersAndPaysNothing) {
    AllInTable h;
    showdown(h.table);
    ASSERT_EQ(settleShowdown(h.state).winnerCount, 3);
    ASSERT_EQ(h.chips(8), 4);
    ASSERT_EQ(h.chips(7), 4);
    ASSERT_EQ(h.chips(1), 4);
    const Shown first = shownBy(h.view);
    const std::int64_t total = h.totalChips();
    const auto events = h.events.events.size();

    h.view.clearLog();
    showdown(h.table);
    const Shown second = shownBy(h.view);
    EXPECT_EQ(second.texts, first.texts);
    EXPECT_EQ(second.italic, first.italic);
    EXPECT_EQ(settleShowdown(h.state).winnerCount, 3);
    EXPECT_EQ(h.totalChips(), total);
    EXPECT_EQ(h.chips(8), 4);
    EXPECT_EQ(h.events.events.size(), events); // nothing more is reported
    EXPECT_EQ(h.view.style(Label::chongStatus), FontStyle::italic);
    EXPECT_EQ(h.view.style(Label::marcStatus), FontStyle::italic);
}

} // namespace
} // namespace tavolier::testing
