#pragma once

#include "core/table_state.h"
#include "settings/settings_store.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavolier {

// Reads the eighteen keys of the settings file into the table, in the order
// "Settings"/"Sound", the three statistics, the eight stacks, "until",
// "initial", "Card"/"back", "Levels"/"comp", "Bet"/"Small", "Bet"/"Big".
// Values are taken as stored, without range checks.
void readAll(SettingsStore& store, TableState& state);

// The largest number of chips a stack, the starting stack or a bet may hold
// in the file. Eight stacks of it and a pot of them stay far inside 32 bits,
// so no sum the game makes is ever cut short.
constexpr std::int32_t kMostStoredChips = (std::int32_t { 1 } << 27) - 1;

// A value of the file that cannot be played with, and what is used instead.
struct RefusedValue {
    std::string_view section;
    std::string_view key;
    std::int32_t stored = 0;
    std::int32_t used = 0;
    // Why: "a match needs a starting stack of at least 1 chip".
    std::string_view why;
};

// Puts the stored chips and bets that cannot be played with back to their
// defaults (a starting stack below 1, any chips or bet beyond
// kMostStoredChips, a negative bet) and says which.
[[nodiscard]] std::vector<RefusedValue> refuseUnplayableValues(TableState& state);

// "[Cash] initial=0: a match needs a starting stack of at least 1 chip".
[[nodiscard]] std::string describe(const RefusedValue& refused);

// The values one moment of play saves, gathered as the moment goes on and
// written at its end as one save: the file is rewritten once per moment, not
// once per key. A moment that ends early (an error) writes nothing.
class SavePoint {
public:
    explicit SavePoint(SettingsStore& store)
        : m_store(store) { }
    SavePoint(const SavePoint&) = delete;
    SavePoint& operator=(const SavePoint&) = delete;

    // "Stats": "showdowns", "handsplayed", "handswon", in that order, as
    // they stand now.
    void addStats(const TableState& state);
    // "Cash": every seat's chips in the order freak, player, geek, master,
    // champ, pinhead, expert, robot, as they stand now.
    void addChips(const TableState& state);
    // Stores what was gathered; throws SettingsWriteError when it cannot.
    void write();

private:
    SettingsStore& m_store;
    std::array<StoredInteger, 11> m_values {};
    std::size_t m_count = 0;
};

// The statistics as one save.
void writeStats(SettingsStore& store, const TableState& state);

// The chips as one save.
void writeChips(SettingsStore& store, const TableState& state);

// What every Deal writes before its blinds: the statistics, then the chips,
// as one save. A window closed between hands writes the same, so that the
// last hand's statistics and a pot won by folds are not lost with it.
void writeStatsAndChips(SettingsStore& store, const TableState& state);

} // namespace tavolier
