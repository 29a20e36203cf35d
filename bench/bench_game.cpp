// Whole hands and the human's heaviest click at "Genius", on a null screen
// and an in-memory settings store.
#include "core/random.h"
#include "core/table_state.h"
#include "core/table_view.h"
#include "game/hand_flow.h"
#include "game/opponent_turns.h"
#include "game/player_actions.h"
#include "game/table.h"
#include "settings/settings_store.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tavolier;

// A table started at "Genius" from a fixed seed, kept away from the clock.
struct GeniusTable {
    explicit GeniusTable(std::uint64_t seed)
        : random(seed)
        , table(state, random, view, settings) {
        random.ignoreClock();
        settings.set("Levels", "comp", 900);
        startUp(table);
    }
    // Fresh stacks so that the hands never run into the end of a match.
    void refill() {
        for (int seat = 1; seat <= kSeatCount; ++seat)
            state.seat(seat).chips = 1200;
    }
    [[nodiscard]] bool handRunning() const { return legalActions(state).handInProgress; }

    TableState state;
    Random random;
    NullView view;
    MemorySettings settings;
    Table table;
};

// One whole hand from the Deal to the showdown, the human calling every bet.
void BM_WholeHand(benchmark::State& st) {
    GeniusTable t(11);
    for (auto _ : st) {
        t.refill();
        deal(t.table);
        while (t.handRunning())
            checkOrCall(t.table);
        benchmark::DoNotOptimize(t.state.pot);
    }
}
BENCHMARK(BM_WholeHand)->Unit(benchmark::kMillisecond);

// The human's check that runs every opponent's turn on the flop and the
// answers to the raise that the human's raise draws: a raise on the flop, so
// that all seven answer and all seven take a turn.
void BM_SlowestHumanAction(benchmark::State& st) {
    GeniusTable t(12);
    for (auto _ : st) {
        st.PauseTiming();
        t.refill();
        deal(t.table);
        // Bring the hand to the flop with every opponent still in.
        for (int seat = 1; seat <= 7; ++seat) {
            t.state.seat(seat).folded = false;
            t.state.seat(seat).openBet = false;
        }
        t.state.outCount = 0;
        t.state.street = Street::flop;
        t.state.anchorSeat = 8;
        t.table.setCallDue(false);
        t.table.setButtonEnabled(Button::raise, true);
        st.ResumeTiming();
        raise(t.table);
        benchmark::DoNotOptimize(t.state.pot);
    }
}
BENCHMARK(BM_SlowestHumanAction)->Unit(benchmark::kMicrosecond);

// Everyone calls and checks without an estimate.
struct CallAndCheck : DecisionOverride {
    bool staysIn(const TableState&, int) override { return true; }
    bool raises(const TableState&, int) override { return false; }
};

// The same click with the opponents' estimates taken out: what the turn
// machinery itself costs (seven answers, seven turns, the labels).
void BM_HumanRaiseWithoutEstimates(benchmark::State& st) {
    GeniusTable t(13);
    CallAndCheck decisions;
    t.table.decisionOverride = &decisions;
    for (auto _ : st) {
        st.PauseTiming();
        t.refill();
        deal(t.table);
        t.state.street = Street::flop;
        t.state.anchorSeat = 8;
        t.table.setCallDue(false);
        st.ResumeTiming();
        raise(t.table);
        benchmark::DoNotOptimize(t.state.pot);
    }
}
BENCHMARK(BM_HumanRaiseWithoutEstimates)->Unit(benchmark::kMicrosecond);

} // namespace
