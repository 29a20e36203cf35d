#include "game/options.h"

#include "core/random.h"
#include "core/seats.h"
#include "doubles/recording_view.h"
#include "game/table.h"
#include "settings/settings_file.h"
#include "settings/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolier {
namespace {

// A table in the middle of a hand, with a recording screen and an
// in-memory store that logs each write.
class OptionsPanel : public ::testing::Test {
protected:
    OptionsPanel() {
        for (int seat = 1; seat <= kSeatCount; ++seat) {
            state.seat(seat).chips = 1000 + seat;
            state.seat(seat).holeCards = { Card { 0, seat }, Card { 2, seat + 4 } };
        }
        state.pot = 37;
        state.street = Street::flop;
    }

    [[nodiscard]] std::vector<std::string> messages() const { return view.messages(); }

    TableState state;
    Random random = Random::scripted({});
    RecordingView view;
    MemorySettings settings;
    Table table { state, random, view, settings };
};

TEST_F(OptionsPanel, InitialCashAcceptsTheLimitsAndSetsEveryStack) {
    for (const auto& [text, value] : std::vector<std::pair<std::string, int>> {
             { "100", 100 }, { "1000000", 1000000 }, { " 500 ", 500 }, { "0500", 500 } }) {
        view.clearLog();
        settings.writes.clear();
        enterInitialCash(table, text);
        EXPECT_EQ(state.initialChips, value) << text;
        EXPECT_EQ(messages(),
            std::vector<std::string> { "message New initial cash value confirmation|Options" });
        EXPECT_EQ(
            settings.writes, std::vector<std::string> { "Cash/initial=" + std::to_string(value) });
        for (int seat = 1; seat <= kSeatCount; ++seat) {
            EXPECT_EQ(state.seat(seat).chips, value);
            EXPECT_EQ(view.text(seatInfo(seat).chipsLabel), std::to_string(value));
        }
    }
    EXPECT_EQ(state.pot, 37);
    EXPECT_FALSE(view.contains("text betsize=37"));
}

TEST_F(OptionsPanel, InitialCashConfirmsBeforeItWritesAndWritesBeforeTheStacks) {
    enterInitialCash(table, "500");
    const auto& log = view.log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "message New initial cash value confirmation|Options");
    // The chips labels follow, one per seat.
    EXPECT_EQ(view.linesStartingWith("text ").size(), 8u);
}

TEST_F(OptionsPanel, RejectedEntriesChangeAndWriteNothing) {
    const std::vector<std::pair<std::string, std::string>> cases {
        { "99", "the value is off limits" },
        { "1000001", "the value is off limits" },
        { "-500", "the value is off limits" },
        { "0", "the value is off limits" },
        { "12a", "Invalid value" },
        { "", "Invalid value" },
        { "   ", "Invalid value" },
        { "+500", "Invalid value" },
        { "5 00", "Invalid value" },
        { "0x200", "Invalid value" },
        { "500.0", "Invalid value" },
        { "-", "Invalid value" },
        // Beyond 32 bits is not a number this field can hold at all.
        { "2147483648", "Invalid value" },
        { "99999999999999999999", "Invalid value" },
        { "-2147483649", "Invalid value" },
        { "2147483647", "the value is off limits" },
    };
    for (const auto& [text, message] : cases) {
        view.clearLog();
        enterInitialCash(table, text);
        enterPlayUntil(table, text);
        EXPECT_EQ(messages(),
            (std::vector<std::string> {
                "message " + message + "|Options", "message " + message + "|Options" }))
            << '"' << text << '"';
        EXPECT_TRUE(view.linesStartingWith("text ").empty());
    }
    EXPECT_TRUE(settings.writes.empty());
    EXPECT_EQ(state.initialChips, 1200);
    EXPECT_EQ(state.untilMargin, 600);
    EXPECT_EQ(state.seat(3).chips, 1003);
}

TEST_F(OptionsPanel, ATargetIsTakenAndWritten) {
    enterPlayUntil(table, "2500");
    EXPECT_EQ(state.untilMargin, 2500);
    EXPECT_EQ(
        messages(), std::vector<std::string> { "message New until value confirmation|Options" });
    EXPECT_EQ(settings.writes, std::vector<std::string> { "Cash/until=2500" });
    EXPECT_EQ(state.seat(1).chips, 1001);
}

TEST_F(OptionsPanel, ARefusedWriteEndsTheEntryAfterTheFieldChanged) {
    settings.failAfter = 0;
    EXPECT_THROW(enterInitialCash(table, "500"), SettingsWriteError);
    EXPECT_EQ(state.initialChips, 500);
    EXPECT_EQ(state.seat(8).chips, 1008); // the stacks were not reached
    EXPECT_EQ(messages().size(), 1u);

    EXPECT_THROW(enterPlayUntil(table, "700"), SettingsWriteError);
    EXPECT_EQ(state.untilMargin, 700);
}

TEST_F(OptionsPanel, BetLimitsFollowThePositionBeforeThePress) {
    for (int p = 1; p <= 5; ++p) {
        settings.writes.clear();
        changeBetSize(table, p);
        EXPECT_EQ(state.smallBet, 2 * p);
        EXPECT_EQ(state.bigBet, 4 * p);
        EXPECT_EQ(view.text(Label::smallBetSize), std::to_string(2 * p));
        EXPECT_EQ(view.text(Label::bigBetSize), std::to_string(4 * p));
        EXPECT_EQ(settings.writes,
            (std::vector<std::string> {
                "Bet/Small=" + std::to_string(2 * p), "Bet/Big=" + std::to_string(4 * p) }));
    }
    // The blinds of the hand in progress wait for the next Deal.
    EXPECT_EQ(state.smallBlind, 2);
    EXPECT_EQ(state.bigBlind, 4);
}

TEST_F(OptionsPanel, BetLimitsStayInsideTheUpDownsRange) {
    changeBetSize(table, 0);
    EXPECT_EQ(state.smallBet, 2);
    changeBetSize(table, 9);
    EXPECT_EQ(state.bigBet, 20);
}

TEST_F(OptionsPanel, ARefusedBigBetWriteKeepsTheSmallOne) {
    settings.failAfter = 1;
    EXPECT_THROW(changeBetSize(table, 3), SettingsWriteError);
    EXPECT_EQ(settings.writes, std::vector<std::string> { "Bet/Small=6" });
    EXPECT_EQ(state.bigBet, 12);
    EXPECT_EQ(view.text(Label::bigBetSize), "12");
}

TEST_F(OptionsPanel, ACardBackIsStoredAndEveryHiddenCardRedrawn) {
    changeCardBack(table, 7);
    EXPECT_EQ(state.cardBackImage, 59);
    EXPECT_EQ(settings.writes, std::vector<std::string> { "Card/back=59" });
    const auto stamps = view.linesStartingWith("stamp cards ");
    int backs = 0;
    for (const auto& line : stamps) {
        EXPECT_EQ(line.find("stamp cards 52 "), std::string::npos) << line;
        if (line.starts_with("stamp cards 59 "))
            ++backs;
    }
    EXPECT_EQ(backs, 14); // two for each opponent
}

TEST_F(OptionsPanel, ACardBackRedrawsBeforeItWrites) {
    settings.failAfter = 0;
    EXPECT_THROW(changeCardBack(table, 0), SettingsWriteError);
    EXPECT_EQ(state.cardBackImage, 52);
    EXPECT_FALSE(view.linesStartingWith("stamp cards 52 ").empty());
}

TEST_F(OptionsPanel, LevelsMapToTheirCodesAndRepeatTheWrite) {
    const int codes[] = { 400, 600, 800, 900 };
    for (int item = 0; item < 4; ++item) {
        chooseLevel(table, item);
        EXPECT_EQ(state.aiLevelCode, codes[item]);
    }
    chooseLevel(table, 3);
    EXPECT_EQ(settings.writes,
        (std::vector<std::string> { "Levels/comp=400", "Levels/comp=600", "Levels/comp=800",
            "Levels/comp=900", "Levels/comp=900" }));
}

TEST_F(OptionsPanel, ItemsOutsideTheGroupsAreIgnored) {
    chooseLevel(table, -1);
    chooseLevel(table, 4);
    changeCardBack(table, -1);
    changeCardBack(table, 8);
    EXPECT_EQ(state.aiLevelCode, 400);
    EXPECT_EQ(state.cardBackImage, 52);
    EXPECT_TRUE(settings.writes.empty());
    EXPECT_TRUE(view.log().empty());
}

TEST_F(OptionsPanel, TheSoundButtonTogglesItsCaptionAndTheStore) {
    toggleSound(table);
    EXPECT_FALSE(state.soundOn);
    EXPECT_EQ(view.caption(Button::sound), "Off");
    toggleSound(table);
    EXPECT_TRUE(state.soundOn);
    EXPECT_EQ(view.caption(Button::sound), "On");
    EXPECT_EQ(view.caption(Button::sound), "On");
    EXPECT_EQ(
        settings.writes, (std::vector<std::string> { "Settings/Sound=0", "Settings/Sound=1" }));
}

TEST_F(OptionsPanel, StartUpShowsTheDefaults) {
    state = TableState {};
    showSettingsInPanel(table);
    EXPECT_EQ(view.log(),
        (std::vector<std::string> { "caption SoundOff1=On", "radio cardbacks=0", "radio Levels=0",
            "edit money=1200", "edit until=600", "text Label3=4", "text Label4=8" }));
}

TEST_F(OptionsPanel, StartUpSelectsWhatStoredValuesAllow) {
    struct Case {
        std::int32_t back;
        int backItem;
        std::int32_t code;
        int levelItem;
    };
    for (const Case& c : { Case { 59, 7, 900, 3 }, Case { 61, 7, 500, -1 }, Case { 51, -1, 800, 2 },
             Case { 50, -1, 600, 1 }, Case { INT32_MIN, -1, 0, -1 },
             Case { INT32_MAX, 7, 401, -1 } }) {
        state.cardBackImage = c.back;
        state.aiLevelCode = c.code;
        showSettingsInPanel(table);
        EXPECT_EQ(view.radio(RadioGroup::cardbacks), c.backItem) << c.back;
        EXPECT_EQ(view.radio(RadioGroup::Levels), c.levelItem) << c.code;
        EXPECT_EQ(state.cardBackImage, c.back); // the field keeps the stored value
    }
    state.soundOn = false;
    state.initialChips = -7;
    state.smallBet = 10;
    showSettingsInPanel(table);
    EXPECT_EQ(view.caption(Button::sound), "Off");
    EXPECT_EQ(view.editText(Edit::money), "-7");
    EXPECT_EQ(view.text(Label::smallBetSize), "10");
}

// The handlers against a real file: a rejected target leaves the file as
// it was, an accepted one changes only its own line.
TEST(OptionsOnDisk, EntriesReachTheFileOrLeaveItAlone) {
    testing_support::TempFolder folder;
    testing_support::writeBytes(folder.ini(), "[Cash]\nuntil=600\ninitial=1200\n");
    SettingsFile file(folder.ini());
    TableState state;
    Random random = Random::scripted({});
    RecordingView view;
    Table table(state, random, view, file);

    enterPlayUntil(table, "50");
    EXPECT_EQ(testing_support::readBytes(folder.ini()), "[Cash]\nuntil=600\ninitial=1200\n");
    EXPECT_EQ(state.untilMargin, 600);
    enterPlayUntil(table, "800");
    enterInitialCash(table, "900");
    toggleSound(table);
    EXPECT_EQ(testing_support::readBytes(folder.ini()),
        "[Cash]\nuntil=800\ninitial=900\n[Settings]\nSound=0\n");
}

} // namespace
} // namespace tavolier
