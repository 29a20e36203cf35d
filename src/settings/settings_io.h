#pragma once

#include "core/table_state.h"
#include "settings/settings_store.h"

namespace tavolier {

// Reads the eighteen keys of the settings file into the table, in the order
// "Settings"/"Sound", the three statistics, the eight stacks, "until",
// "initial", "Card"/"back", "Levels"/"comp", "Bet"/"Small", "Bet"/"Big".
// Values are taken as stored, without range checks.
void readAll(SettingsStore& store, TableState& state);

// "Stats": "showdowns", "handsplayed", "handswon", in that order.
void writeStats(SettingsStore& store, const TableState& state);

// "Cash": every seat's chips in the order freak, player, geek, master, champ,
// pinhead, expert, robot.
void writeChips(SettingsStore& store, const TableState& state);

// What every Deal writes before its blinds: the statistics, then the chips.
// A window closed between hands writes the same, so that the last hand's
// statistics and a pot won by folds are not lost with it.
void writeStatsAndChips(SettingsStore& store, const TableState& state);

} // namespace tavolier
