// The opponents' pace in the settings file.
#include "settings/opponents_pace.h"

#include <gtest/gtest.h>

namespace tavolier::testing {

TEST(OpponentsPace, NormalWhenAbsentOrOutOfRangeAndAsStoredOtherwise) {
    MemorySettings store;
    EXPECT_EQ(readPace(store), OpponentsPace::normal);
    store.set("Settings", "Pace", 7);
    EXPECT_EQ(readPace(store), OpponentsPace::normal);
    store.set("Settings", "Pace", -1);
    EXPECT_EQ(readPace(store), OpponentsPace::normal);
    store.set("settings", "pace", 2);
    EXPECT_EQ(readPace(store), OpponentsPace::slow);
    store.set("Settings", "Pace", 0);
    EXPECT_EQ(readPace(store), OpponentsPace::instant);
}

TEST(OpponentsPace, AChoiceIsWrittenUnderItsOwnKeyAndNothingElse) {
    MemorySettings store;
    writePace(store, OpponentsPace::slow);
    writePace(store, OpponentsPace::instant);
    EXPECT_EQ(store.writes, (std::vector<std::string> { "Settings/Pace=2", "Settings/Pace=0" }));
    store.failAfter = 0;
    EXPECT_THROW(writePace(store, OpponentsPace::normal), SettingsWriteError);
}

TEST(OpponentsPace, InstantWaitsNothingAndSlowWaitsLongest) {
    EXPECT_EQ(pauseMilliseconds(OpponentsPace::instant), 0);
    EXPECT_EQ(pauseMilliseconds(OpponentsPace::normal), 350);
    EXPECT_EQ(pauseMilliseconds(OpponentsPace::slow), 800);
}

} // namespace tavolier::testing
