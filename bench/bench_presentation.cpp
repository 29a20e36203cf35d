#include "core/random.h"
#include "core/table_view.h"
#include "game/deck.h"
#include "game/table.h"
#include "presentation/animations.h"
#include "presentation/card_drawing.h"
#include "settings/settings_store.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tavolier;

// A dealt table on a screen that ignores every effect.
struct BenchTable {
    explicit BenchTable(Street street) {
        initDecks(state);
        shuffleAndDeal(state, random);
        state.street = street;
    }
    TableState state;
    Random random { 1 };
    NullView view;
    MemorySettings settings;
    Table table { state, random, view, settings };
};

// Holding the mouse over the badge right after an action of the human: one
// fresh estimate of 2001 trials on the window's thread (argument: street).
void BM_BadgeHoverFreshEstimate(benchmark::State& st) {
    BenchTable t(streetFromNumber(st.range(0)).value());
    for (auto _ : st) {
        t.table.presentation.oddsStale = true;
        t.table.presentation.hoverShown[kHuman] = false;
        mouseMoved(t.table, 300, 600);
        benchmark::DoNotOptimize(t.state.estimate.oddsScore);
    }
}
BENCHMARK(BM_BadgeHoverFreshEstimate)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

// A mouse move over the bare table that enters and leaves nothing.
void BM_MouseMoveNothingChanges(benchmark::State& st) {
    BenchTable t(Street::flop);
    int x = 600;
    for (auto _ : st) {
        mouseMoved(t.table, x, 400);
        x ^= 1;
        benchmark::DoNotOptimize(t.table.presentation.hoverShown);
    }
}
BENCHMARK(BM_MouseMoveNothingChanges);

// Entering and leaving a portrait: the ring and both cards each way.
void BM_MouseMovePortraitEnterLeave(benchmark::State& st) {
    BenchTable t(Street::flop);
    for (auto _ : st) {
        mouseMoved(t.table, 60, 300);
        mouseMoved(t.table, 600, 400);
    }
}
BENCHMARK(BM_MouseMovePortraitEnterLeave);

// One blink tick (a draw every third tick).
void BM_BlinkTick(benchmark::State& st) {
    BenchTable t(Street::flop);
    for (auto _ : st)
        blinkTick(t.table);
}
BENCHMARK(BM_BlinkTick);

// One frame of the winners' flash, which draws every card again.
void BM_WinnersFlashTick(benchmark::State& st) {
    BenchTable t(Street::showdown);
    t.state.seatResults = { 0, 10, 20, 30, 40, 50, 60, 70, 70 };
    for (auto _ : st) {
        t.table.presentation.winStep = 0;
        winnersFlashTick(t.table);
    }
}
BENCHMARK(BM_WinnersFlashTick);

// One frame of the gold figure.
void BM_GoldFigureTick(benchmark::State& st) {
    BenchTable t(Street::showdown);
    for (auto _ : st) {
        t.table.presentation.goldStep = 3;
        goldFigureTick(t.table);
    }
}
BENCHMARK(BM_GoldFigureTick);

// The repaint: background and every card of a showdown.
void BM_Redraw(benchmark::State& st) {
    BenchTable t(Street::showdown);
    for (auto _ : st)
        redraw(t.table);
}
BENCHMARK(BM_Redraw);

} // namespace
