#include "settings/settings_io.h"

#include "core/seats.h"

namespace tavolier {

void readAll(SettingsStore& store, TableState& state) {
    state.soundOn = store.readBoolean("Settings", "Sound", true);
    state.showdowns = store.readInteger("Stats", "showdowns", 0);
    state.handsPlayed = store.readInteger("Stats", "handsplayed", 0);
    state.handsWon = store.readInteger("Stats", "handswon", 0);
    for (int seat : kCashWriteOrder)
        state.seat(seat).chips = store.readInteger("Cash", seatInfo(seat).key, 1200);
    state.untilMargin = store.readInteger("Cash", "until", 600);
    state.initialChips = store.readInteger("Cash", "initial", 1200);
    state.cardBackImage = store.readInteger("Card", "back", 52);
    state.aiLevelCode = store.readInteger("Levels", "comp", 400);
    state.smallBet = store.readInteger("Bet", "Small", 4);
    state.bigBet = store.readInteger("Bet", "Big", 8);
}

void writeStats(SettingsStore& store, const TableState& state) {
    store.writeInteger("Stats", "showdowns", state.showdowns);
    store.writeInteger("Stats", "handsplayed", state.handsPlayed);
    store.writeInteger("Stats", "handswon", state.handsWon);
}

void writeChips(SettingsStore& store, const TableState& state) {
    for (int seat : kCashWriteOrder)
        store.writeInteger("Cash", seatInfo(seat).key, state.seat(seat).chips);
}

void writeStatsAndChips(SettingsStore& store, const TableState& state) {
    writeStats(store, state);
    writeChips(store, state);
}

} // namespace tavolier
