#pragma once

#include "core/random.h"
#include "core/seats.h"
#include "core/table_state.h"
#include "doubles/event_recorder.h"
#include "doubles/recording_view.h"
#include "game/game.h"
#include "game/table.h"
#include "opponents/opponent.h"
#include "settings/settings_store.h"

#include <array>
#include <cstdint>
#include <deque>
#include <numeric>
#include <string>
#include <vector>

namespace tavolier::testing {

// Decides for the opponents from per-seat queues (calls and checks once a
// queue runs dry) and logs every decision asked for: "answer 7" when the
// seat faces a bet, "turn 6" when it has nothing to call. Facing a bet it
// stays or folds from stayQueue and, where a raise is allowed, raises
// instead of calling from raiseQueue. No draw is made.
class ScriptedDecisions : public Opponent {
public:
    std::array<std::deque<bool>, 9> stayQueue;
    std::array<std::deque<bool>, 9> raiseQueue;
    bool defaultStay = true;
    bool defaultRaise = false;
    std::vector<std::string> asked;

    Decision decide(const SeatView& view, Random&) override {
        const TurnQuestion& turn = view.turn;
        const int seat = turn.seat;
        if (turn.facingBet) {
            asked.push_back("answer " + std::to_string(seat));
            if (!next(stayQueue, seat, defaultStay))
                return { DecisionKind::fold, 0 };
            if (turn.mayRaise && next(raiseQueue, seat, defaultRaise))
                return { DecisionKind::raise, turn.betSize };
            return { DecisionKind::call, turn.toCall };
        }
        asked.push_back("turn " + std::to_string(seat));
        if (next(raiseQueue, seat, defaultRaise))
            return { DecisionKind::bet, turn.betSize };
        return { DecisionKind::check, 0 };
    }

private:
    static bool next(std::array<std::deque<bool>, 9>& queues, int seat, bool fallback) {
        auto& q = queues[static_cast<std::size_t>(seat)];
        if (q.empty())
            return fallback;
        const bool value = q.front();
        q.pop_front();
        return value;
    }
};

// One table with a recording screen, an event recorder, an in-memory
// settings store, the documented draw stream and scripted opponents.
struct Harness {
    explicit Harness(std::uint64_t seed = 7)
        : random(Random::splitMix64(seed))
        , table(state, random, view, settings, events) {
        table.seatOpponents(decisions);
    }

    TableState state;
    Random random;
    RecordingView view;
    MemorySettings settings;
    EventRecorder events;
    Table table;
    // The game as the window and the command line drive it.
    Game game { table };
    ScriptedDecisions decisions;

    [[nodiscard]] std::int32_t chips(int seat) const { return state.seat(seat).chips; }
    [[nodiscard]] std::int64_t totalChips() const {
        std::int64_t sum = 0;
        for (int seat = 1; seat <= kSeatCount; ++seat)
            sum += state.seat(seat).chips;
        return sum;
    }
    [[nodiscard]] const std::string& status(int seat) const {
        return view.text(seatInfo(seat).statusLabel);
    }
    [[nodiscard]] const std::string& chipsLabel(int seat) const {
        return view.text(seatInfo(seat).chipsLabel);
    }
    void setAllChips(std::int32_t value) {
        for (int seat = 1; seat <= kSeatCount; ++seat)
            state.seat(seat).chips = value;
    }
    void clearLogs() {
        view.clearLog();
        decisions.asked.clear();
        settings.writes.clear();
    }
};

// The decisions asked for as one line: "answer 7, answer 6, turn 5".
inline std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        if (!out.empty())
            out += ", ";
        out += line;
    }
    return out;
}

} // namespace tavolier::testing
