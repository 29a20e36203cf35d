// Standard's opponents: one decision at each level, on the views of real
// turns. A decision before the flop is a look-up; after the flop it
// simulates the showdown, so the figures give the mean over all turns and
// the median of the turns after the flop (the heavy ones).
#include "core/random.h"
#include "core/table_state.h"
#include "core/table_view.h"
#include "game/game.h"
#include "game/table.h"
#include "opponents/characters.h"
#include "settings/settings_store.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {

using namespace tavolier;

// Keeps every view a seat decided on while deciding as the Genius characters.
struct Recorder : Opponent {
    std::vector<SeatView> views;
    std::array<std::unique_ptr<Opponent>, 8> players;
    Recorder() {
        for (int seat = 1; seat <= 7; ++seat)
            players[static_cast<std::size_t>(seat)] = makeOpponent(*characterOfSeat(seat), 900);
    }
    Decision decide(const SeatView& view, Random& random) override {
        views.push_back(view);
        return players[static_cast<std::size_t>(view.turn.seat)]->decide(view, random);
    }
};

// The views of 300 hands at a Standard table, the human calling.
const std::vector<SeatView>& recordedViews() {
    static const std::vector<SeatView> views = [] {
        TableState state;
        Random random(5);
        random.ignoreClock();
        NullView view;
        MemorySettings settings;
        settings.set("Settings", "Rules", 1);
        settings.set("Levels", "comp", 900);
        Table table(state, random, view, settings);
        Recorder recorder;
        table.seatOpponents(recorder);
        Game game(table);
        game.startUp();
        for (int hand = 0; hand < 300; ++hand) {
            for (int seat = 1; seat <= kSeatCount; ++seat)
                state.seat(seat).chips = 1200;
            game.deal();
            while (game.legalActions().handInProgress)
                game.checkOrCall();
        }
        return recorder.views;
    }();
    return views;
}

// One decision of Cindy at the level code in range(0), on each recorded view
// in turn; "median_after_flop_us" is the median of the decisions after the flop.
void BM_StandardDecision(benchmark::State& st) {
    const std::vector<SeatView>& views = recordedViews();
    const auto level = static_cast<std::int32_t>(st.range(0));
    std::unique_ptr<Opponent> cindy = makeOpponent(*findCharacter("Cindy"), level);
    Random random(9);
    std::vector<double> afterFlop;
    std::size_t next = 0;
    for (auto _ : st) {
        const SeatView& view = views[next];
        next = (next + 1) % views.size();
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(cindy->decide(view, random));
        const auto stop = std::chrono::steady_clock::now();
        if (view.street != Street::preflop)
            afterFlop.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
    }
    if (!afterFlop.empty()) {
        std::nth_element(afterFlop.begin(),
            afterFlop.begin() + static_cast<std::ptrdiff_t>(afterFlop.size() / 2), afterFlop.end());
        st.counters["median_after_flop_us"] = afterFlop[afterFlop.size() / 2];
    }
}
BENCHMARK(BM_StandardDecision)
    ->Arg(400)
    ->Arg(600)
    ->Arg(800)
    ->Arg(900)
    ->ArgName("level")
    ->Unit(benchmark::kMicrosecond);

} // namespace
