#include "settings/settings_io.h"

#include "settings/settings_file.h"
#include "settings/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolier {
namespace {

using testing_support::readBytes;
using testing_support::TempFolder;
using testing_support::writeBytes;

// Logs each read as "Section/key:fallback" and answers the fallback.
class ReadLog : public MemorySettings {
public:
    std::vector<std::string> reads;
    std::int32_t readInteger(
        std::string_view section, std::string_view key, std::int32_t fallback) override {
        reads.push_back(
            std::string(section) + "/" + std::string(key) + ":" + std::to_string(fallback));
        return MemorySettings::readInteger(section, key, fallback);
    }
};

TEST(ReadingAllSettings, ReadsTheEighteenKeysInOrderWithTheirDefaults) {
    ReadLog store;
    TableState state;
    readAll(store, state);
    EXPECT_EQ(store.reads,
        (std::vector<std::string> { "Settings/Sound:1", "Stats/showdowns:0", "Stats/handsplayed:0",
            "Stats/handswon:0", "Cash/freak:1200", "Cash/player:1200", "Cash/geek:1200",
            "Cash/master:1200", "Cash/champ:1200", "Cash/pinhead:1200", "Cash/expert:1200",
            "Cash/robot:1200", "Cash/until:600", "Cash/initial:1200", "Card/back:52",
            "Levels/comp:400", "Bet/Small:4", "Bet/Big:8" }));
}

TEST(ReadingAllSettings, NoFileGivesAFirstRun) {
    TempFolder folder;
    SettingsFile file(folder.ini());
    TableState state;
    state.soundOn = false;
    state.smallBet = 10;
    for (int seat = 1; seat <= kSeatCount; ++seat)
        state.seat(seat).chips = 5;
    state.handsWon = 9;
    readAll(file, state);
    EXPECT_TRUE(state.soundOn);
    for (int seat = 1; seat <= kSeatCount; ++seat)
        EXPECT_EQ(state.seat(seat).chips, 1200);
    EXPECT_EQ(state.untilMargin, 600);
    EXPECT_EQ(state.initialChips, 1200);
    EXPECT_EQ(state.cardBackImage, 52);
    EXPECT_EQ(state.aiLevelCode, 400);
    EXPECT_EQ(state.smallBet, 4);
    EXPECT_EQ(state.bigBet, 8);
    EXPECT_EQ(state.showdowns, 0);
    EXPECT_EQ(state.handsPlayed, 0);
    EXPECT_EQ(state.handsWon, 0);
}

TEST(ReadingAllSettings, ValuesAreTakenAsStored) {
    TempFolder folder;
    writeBytes(folder.ini(),
        "[Settings]\nSound=2\n[Cash]\nuntil=0x100\ninitial=\nplayer=-30\nfreak=abc\n"
        "[Levels]\ncomp=500\n[Card]\nback=61\n[Bet]\nSmall=3\nBig=-8\n"
        "[Stats]\nshowdowns=5\nhandsplayed=0x7fffffff\nhandswon=4294967296\n");
    SettingsFile file(folder.ini());
    TableState state;
    readAll(file, state);
    EXPECT_TRUE(state.soundOn);
    EXPECT_EQ(state.untilMargin, 256);
    EXPECT_EQ(state.initialChips, 1200);
    EXPECT_EQ(state.seat(8).chips, -30);
    EXPECT_EQ(state.seat(7).chips, 1200);
    EXPECT_EQ(state.aiLevelCode, 500);
    EXPECT_EQ(state.cardBackImage, 61);
    EXPECT_EQ(state.smallBet, 3);
    EXPECT_EQ(state.bigBet, -8);
    EXPECT_EQ(state.showdowns, 5);
    EXPECT_EQ(state.handsPlayed, INT32_MAX);
    EXPECT_EQ(state.handsWon, 0);

    writeBytes(folder.ini(), "[Settings]\nSound=0\n");
    readAll(file, state);
    EXPECT_FALSE(state.soundOn);
    writeBytes(folder.ini(), "[Settings]\nSound=yes\n");
    readAll(file, state);
    EXPECT_TRUE(state.soundOn);
}

TEST(WritingPlay, StatsAndChipsGoInTheirOrder) {
    MemorySettings store;
    TableState state;
    state.showdowns = 3;
    state.handsPlayed = 10;
    state.handsWon = 2;
    for (int seat = 1; seat <= kSeatCount; ++seat)
        state.seat(seat).chips = seat * 100;
    writeStats(store, state);
    writeChips(store, state);
    EXPECT_EQ(store.writes,
        (std::vector<std::string> { "Stats/showdowns=3", "Stats/handsplayed=10", "Stats/handswon=2",
            "Cash/freak=700", "Cash/player=800", "Cash/geek=600", "Cash/master=500",
            "Cash/champ=400", "Cash/pinhead=300", "Cash/expert=200", "Cash/robot=100" }));
}

TEST(WritingPlay, WhatIsWrittenIsReadBackByTheNextRun) {
    TempFolder folder;
    TableState state;
    state.handsWon = 4;
    state.seat(8).chips = INT32_MIN;
    state.seat(1).chips = -30;
    {
        SettingsFile file(folder.ini());
        writeStats(file, state);
        writeChips(file, state);
    }
    TableState next;
    SettingsFile again(folder.ini());
    readAll(again, next);
    EXPECT_EQ(next.handsWon, 4);
    EXPECT_EQ(next.seat(8).chips, INT32_MIN);
    EXPECT_EQ(next.seat(1).chips, -30);
    EXPECT_EQ(next.seat(5).chips, 1200);
    EXPECT_EQ(readBytes(folder.ini()).substr(0, 47),
        "[Stats]\nshowdowns=0\nhandsplayed=0\nhandswon=4\n[C");
}

TEST(MemoryStore, WithoutItsLogAStoreStillHoldsEveryValue) {
    MemorySettings store;
    store.logWrites = false;
    TableState state;
    state.seat(3).chips = 77;
    for (int hand = 0; hand < 1000; ++hand)
        writeChips(store, state);
    EXPECT_TRUE(store.writes.empty());
    EXPECT_EQ(store.readInteger("Cash", "pinhead", 0), 77);
}

} // namespace
} // namespace tavolier
