// Whole hands and the human's heaviest click at "Genius", on a null screen
// and an in-memory settings store.
#include "core/random.h"
#include "core/table_state.h"
#include "core/table_view.h"
#include "game/classic/player_actions.h"
#include "game/game.h"
#include "game/table.h"
#include "settings/settings_store.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tavolier;

// A table started at "Genius" from a fixed seed, kept away from the clock,
// playing by the rule set with the stored number rules.
struct GeniusTable {
    explicit GeniusTable(std::uint64_t seed, std::int32_t rules = 0)
        : random(seed)
        , table(state, random, view, settings) {
        random.ignoreClock();
        settings.set("Levels", "comp", 900);
        settings.set("Settings", "Rules", rules);
        game.startUp();
    }
    // Fresh stacks so that the hands never run into the end of a match.
    void refill() {
        for (int seat = 1; seat <= kSeatCount; ++seat)
            state.seat(seat).chips = 1200;
    }
    [[nodiscard]] bool handRunning() const { return game.legalActions().handInProgress; }

    TableState state;
    Random random;
    NullView view;
    MemorySettings settings;
    Table table;
    Game game { table };
};

// One whole hand from the Deal to its end, the human calling every bet:
// Classic (0) and Standard (1).
void BM_WholeHand(benchmark::State& st) {
    GeniusTable t(11, static_cast<std::int32_t>(st.range(0)));
    for (auto _ : st) {
        t.refill();
        t.game.deal();
        while (t.handRunning())
            t.game.checkOrCall();
        benchmark::DoNotOptimize(t.state.pot);
    }
}
BENCHMARK(BM_WholeHand)->Arg(0)->Arg(1)->ArgName("rules")->Unit(benchmark::kMillisecond);

// The human's check that runs every opponent's turn on the flop and the
// answers to the raise that the human's raise draws: a raise on the flop, so
// that all seven answer and all seven take a turn.
void BM_SlowestHumanAction(benchmark::State& st) {
    GeniusTable t(12);
    for (auto _ : st) {
        st.PauseTiming();
        t.refill();
        t.game.deal();
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
struct CallAndCheck : Opponent {
    Decision decide(const SeatView& view, Random&) override {
        const TurnQuestion& turn = view.turn;
        return turn.facingBet ? Decision { DecisionKind::call, turn.toCall }
                              : Decision { DecisionKind::check, 0 };
    }
};

// The same click with the opponents' estimates taken out: what the turn
// machinery itself costs (seven answers, seven turns, the labels).
void BM_HumanRaiseWithoutEstimates(benchmark::State& st) {
    GeniusTable t(13);
    CallAndCheck decisions;
    t.table.seatOpponents(decisions);
    for (auto _ : st) {
        st.PauseTiming();
        t.refill();
        t.game.deal();
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
