#pragma once

#include "core/random.h"
#include "core/table_state.h"
#include "doubles/recording_view.h"
#include "game/table.h"
#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolier::testing {

// A table with a recording screen, a scripted generator and known cards:
// seat s holds the rank-s card of clubs and the rank-(s + 4) card of hearts;
// the board is the Two to the Six of diamonds.
class PresentationTest : public ::testing::Test {
protected:
    PresentationTest() {
        for (int seat = 1; seat <= kSeatCount; ++seat)
            state.seat(seat).holeCards = { Card { 0, seat }, Card { 2, seat + 4 } };
        for (int b = 0; b < 5; ++b)
            state.board[static_cast<std::size_t>(b)] = Card { 1, b };
    }

    // The stamp lines of the log, in order.
    [[nodiscard]] std::vector<std::string> stamps() const {
        return view.linesStartingWith("stamp ");
    }
    [[nodiscard]] std::vector<std::string> cardStamps() const {
        return view.linesStartingWith("stamp cards ");
    }

    TableState state;
    Random random = Random::scripted({});
    RecordingView view;
    MemorySettings settings;
    Table table { state, random, view, settings };
};

} // namespace tavolier::testing
