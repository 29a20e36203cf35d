#include "settings/settings_io.h"

#include "core/seats.h"

#include <cassert>

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

std::vector<RefusedValue> refuseUnplayableValues(TableState& state) {
    static constexpr std::string_view kTooMany
        = "more chips than a table can hold (at most 134217727)";
    std::vector<RefusedValue> refused;
    const auto check = [&](std::int32_t& value, std::string_view section, std::string_view key,
                           std::int32_t lowest, std::int32_t fallback, std::string_view tooFew) {
        if (value >= lowest && value <= kMostStoredChips)
            return;
        refused.push_back({ section, key, value, fallback, value < lowest ? tooFew : kTooMany });
        value = fallback;
    };
    // Stacks may be negative (a seat then sits out until a new match).
    for (int seat : kCashWriteOrder)
        check(
            state.seat(seat).chips, "Cash", seatInfo(seat).key, -kMostStoredChips, 1200, kTooMany);
    check(state.initialChips, "Cash", "initial", 1, 1200,
        "a match needs a starting stack of at least 1 chip");
    check(state.smallBet, "Bet", "Small", 0, 4, "a bet cannot be negative");
    check(state.bigBet, "Bet", "Big", 0, 8, "a bet cannot be negative");
    return refused;
}

std::string describe(const RefusedValue& refused) {
    std::string text = "[";
    text.append(refused.section).append("] ").append(refused.key).append("=");
    text.append(std::to_string(refused.stored)).append(": ").append(refused.why);
    return text;
}

void SavePoint::addStats(const TableState& state) {
    for (const StoredInteger value : { StoredInteger { "Stats", "showdowns", state.showdowns },
             StoredInteger { "Stats", "handsplayed", state.handsPlayed },
             StoredInteger { "Stats", "handswon", state.handsWon } }) {
        assert(m_count < m_values.size());
        m_values[m_count++] = value;
    }
}

void SavePoint::addChips(const TableState& state) {
    for (int seat : kCashWriteOrder) {
        assert(m_count < m_values.size());
        m_values[m_count++] = { "Cash", seatInfo(seat).key, state.seat(seat).chips };
    }
}

void SavePoint::write() {
    m_store.writeIntegers({ m_values.data(), m_count });
    m_count = 0;
}

void writeStats(SettingsStore& store, const TableState& state) {
    SavePoint save(store);
    save.addStats(state);
    save.write();
}

void writeChips(SettingsStore& store, const TableState& state) {
    SavePoint save(store);
    save.addChips(state);
    save.write();
}

void writeStatsAndChips(SettingsStore& store, const TableState& state) {
    SavePoint save(store);
    save.addStats(state);
    save.addChips(state);
    save.write();
}

} // namespace tavolier
