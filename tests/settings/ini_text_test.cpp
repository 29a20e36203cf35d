#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <string>

namespace tavolier {
namespace {

using namespace std::string_literals;

std::string applied(std::string_view text, const ini::Edit& edit) {
    std::string out(text.substr(0, edit.begin));
    out += edit.replacement;
    out += text.substr(edit.end);
    return out;
}

std::string written(
    std::string_view text, std::string_view section, std::string_view key, std::int32_t value) {
    return applied(text, ini::planWrite(text, true, section, key, value));
}

TEST(StoredIntegers, ReadsDecimalAndNegative) {
    EXPECT_EQ(ini::parseInteger("0"), 0);
    EXPECT_EQ(ini::parseInteger("1200"), 1200);
    EXPECT_EQ(ini::parseInteger("-30"), -30);
    EXPECT_EQ(ini::parseInteger("007"), 7);
    EXPECT_EQ(ini::parseInteger("2147483647"), INT32_MAX);
    EXPECT_EQ(ini::parseInteger("-2147483648"), INT32_MIN);
}

TEST(StoredIntegers, ReadsHexadecimalOnlyWhenLongerThanThePrefix) {
    EXPECT_EQ(ini::parseInteger("0x100"), 256);
    EXPECT_EQ(ini::parseInteger("0XfF"), 255);
    EXPECT_EQ(ini::parseInteger("0x7FFFFFFF"), INT32_MAX);
    // All 32 bits set is -1, as a 32-bit register holds it.
    EXPECT_EQ(ini::parseInteger("0xFFFFFFFF"), -1);
    EXPECT_EQ(ini::parseInteger("0x0000000000010"), 16);
    EXPECT_EQ(ini::parseInteger("0x"), std::nullopt);
    EXPECT_EQ(ini::parseInteger("0X"), std::nullopt);
    EXPECT_EQ(ini::parseInteger("0x1g"), std::nullopt);
    EXPECT_EQ(ini::parseInteger("-0x10"), std::nullopt);
    EXPECT_EQ(ini::parseInteger("0x100000000"), std::nullopt);
}

TEST(StoredIntegers, RejectsEverythingElse) {
    for (const char* bad : { "", "-", "abc", "yes", "12a", "1 2", "+5", "1.5", "1e3", "2147483648",
             "-2147483649", "99999999999999999999999", " 5", "\x01",
             "\xEF\xBB\xBF"
             "5" }) {
        EXPECT_EQ(ini::parseInteger(bad), std::nullopt) << bad;
    }
}

TEST(IniLookup, MatchesSectionsAndKeysWithoutRegardToCase) {
    const std::string_view text = "[settings]\nSOUND=0\n[Cash]\n  Freak = 77  \n";
    EXPECT_EQ(ini::findValue(text, "Settings", "Sound"), "0");
    EXPECT_EQ(ini::findValue(text, "CASH", "freak"), "77");
    EXPECT_EQ(ini::findValue(text, "Cash", "Sound"), std::nullopt);
    EXPECT_EQ(ini::findValue(text, "Stats", "freak"), std::nullopt);
}

TEST(IniLookup, KeysBeforeAnySectionOrInCommentsDoNotCount) {
    const std::string_view text = "Sound=0\n[Settings]\n;Sound=5\n# Sound=6\nSound\n";
    EXPECT_EQ(ini::findValue(text, "Settings", "Sound"), std::nullopt);
}

TEST(IniLookup, FirstOccurrenceWinsAcrossRepeatedSections) {
    const std::string_view text = "[Cash]\nuntil=1\nuntil=2\n[Bet]\nSmall=6\n[cash]\nuntil=3\n"
                                  "initial=900\n";
    EXPECT_EQ(ini::findValue(text, "Cash", "until"), "1");
    // A key only in the second section of that name is still found.
    EXPECT_EQ(ini::findValue(text, "Cash", "initial"), "900");
}

TEST(IniLookup, HandlesCrLfByteOrderMarkAndNulBytes) {
    const std::string text = "\xEF\xBB\xBF[Bet]\r\nSmall=6\r\nBig=1\0\r\n"s;
    EXPECT_EQ(ini::findValue(text, "Bet", "Small"), "6");
    ASSERT_TRUE(ini::findValue(text, "Bet", "Big").has_value());
    EXPECT_EQ(ini::parseInteger(*ini::findValue(text, "Bet", "Big")), std::nullopt);
}

TEST(IniLookup, ReadablePartDropsACutOffLastLine) {
    EXPECT_EQ(ini::readablePart("[a]\nb=1\nc=2", true), "[a]\nb=1\nc=2");
    EXPECT_EQ(ini::readablePart("[a]\nb=1\nc=2", false), "[a]\nb=1\n");
    EXPECT_EQ(ini::readablePart("no newline at all", false), "");
}

TEST(IniWrite, ReplacesTheValueInPlaceKeepingEverythingElse) {
    const std::string text = "; my settings\r\n[CASH]\r\n  Until =  0x100  \r\n\r\nx=y\r\n";
    EXPECT_EQ(written(text, "Cash", "until", 700),
        "; my settings\r\n[CASH]\r\n  Until =  700\r\n\r\nx=y\r\n");
}

TEST(IniWrite, ChangesOnlyTheFirstOfDuplicateKeys) {
    EXPECT_EQ(
        written("[Cash]\nuntil=1\nuntil=2\n", "Cash", "until", 9), "[Cash]\nuntil=9\nuntil=2\n");
    EXPECT_EQ(written("[Cash]\nx=1\n[Cash]\nuntil=2\n", "Cash", "until", 9),
        "[Cash]\nx=1\n[Cash]\nuntil=9\n");
}

TEST(IniWrite, AddsAMissingKeyAfterTheLastLineOfItsSection) {
    EXPECT_EQ(written("[Bet]\nSmall=2\n\n[Card]\nback=53\n", "Bet", "Big", 4),
        "[Bet]\nSmall=2\nBig=4\n\n[Card]\nback=53\n");
    EXPECT_EQ(written("[Bet]\r\n", "Bet", "Big", 4), "[Bet]\r\nBig=4\r\n");
    // A last line without a newline gets one before the new key.
    EXPECT_EQ(written("[Bet]\nSmall=2", "Bet", "Big", 4), "[Bet]\nSmall=2\nBig=4");
}

// A last line that ends with a lone CR keeps it: the write completes the
// break with an LF rather than adding a second CR, which would become part
// of that line's value.
TEST(IniWrite, ALastLineEndingInALoneCarriageReturnKeepsItsValue) {
    EXPECT_EQ(written("[Bet]\r\nSmall=6\r", "Bet", "Big", 8), "[Bet]\r\nSmall=6\r\nBig=8");
    EXPECT_EQ(
        written("[Bet]\nSmall=6\r", "Cash", "until", 700), "[Bet]\nSmall=6\r\n[Cash]\nuntil=700\n");
    EXPECT_EQ(written("[Bet]\r", "Bet", "Small", 6), "[Bet]\r\nSmall=6");
    EXPECT_EQ(written("[Bet]\nSmall=6\r", "Bet", "Small", 7), "[Bet]\nSmall=7\r");
    // Every line of the user's reads as before, whichever key is written.
    for (const std::string_view text :
        { "[Bet]\r\nSmall=6\r", "[Bet]\nSmall=6\r", "[Bet]\rSmall=6\r", "x=1\r\n[Bet]\r\n\r" }) {
        for (const auto& [section, key] : { std::pair { "Bet", "Big" }, { "Cash", "until" } }) {
            const ini::Edit edit = ini::planWrite(text, true, section, key, 8);
            EXPECT_EQ(edit.begin, edit.end) << text; // every byte of the user's stays
            const std::string after = applied(text, edit);
            EXPECT_EQ(ini::findValue(after, "Bet", "Small"), ini::findValue(text, "Bet", "Small"))
                << text;
            EXPECT_EQ(ini::findValue(after, section, key), "8") << text;
        }
    }
}

TEST(IniWrite, AddsAMissingSectionAtTheEnd) {
    EXPECT_EQ(written("", "Settings", "Sound", 0), "[Settings]\nSound=0\n");
    EXPECT_EQ(written("\xEF\xBB\xBF", "Settings", "Sound", 1), "\xEF\xBB\xBF[Settings]\nSound=1\n");
    EXPECT_EQ(written("[Cash]\r\nfreak=5", "Levels", "comp", 600),
        "[Cash]\r\nfreak=5\r\n[Levels]\r\ncomp=600\r\n");
}

TEST(IniWrite, KeepsANewSectionInsideTheReadPartOfALongFile) {
    const std::string head = "\xEF\xBB\xBFjunk\n[Cash]\nfreak=1\n";
    const ini::Edit edit = ini::planWrite(head, false, "Bet", "Small", 6);
    EXPECT_EQ(edit.begin, 8u);
    EXPECT_EQ(applied(head, edit), "\xEF\xBB\xBFjunk\n[Bet]\nSmall=6\n[Cash]\nfreak=1\n");
    // With no header in the part read, the section goes first.
    const ini::Edit first = ini::planWrite("garbage\n", false, "Bet", "Small", 6);
    EXPECT_EQ(first.begin, 0u);
}

TEST(IniWrite, AKeyThatWouldEndPastTheReadPartGetsItsOwnSectionInFront) {
    const std::string head = "[a]\nx=1\n[Cash]\nfreak=1\n";
    const ini::Edit edit = ini::planWrite(head, false, "Cash", "until", 700, head.size());
    const std::string after = applied(head, edit);
    EXPECT_EQ(after, "[Cash]\nuntil=700\n[a]\nx=1\n[Cash]\nfreak=1\n");
    EXPECT_EQ(ini::findValue(after, "Cash", "until"), "700");
    EXPECT_EQ(ini::findValue(after, "Cash", "freak"), "1");
    // In a file read whole the key joins its section.
    EXPECT_EQ(written(head, "Cash", "until", 700), head + "until=700\n");
}

// A file just short of the part that is read: what a write adds or
// lengthens must not be pushed past it.
TEST(IniWrite, NothingWrittenEndsPastThePartThatIsRead) {
    const std::string_view nearlyFull = "junk line without a section header\n[Bet]\n";
    const ini::Edit added = ini::planWrite(nearlyFull, true, "Cash", "until", 700, 55);
    EXPECT_EQ(added.begin, 35u); // before [Bet], not at the end
    const std::string afterAdd = applied(nearlyFull, added);
    EXPECT_EQ(ini::findValue(std::string_view(afterAdd).substr(0, 55), "Cash", "until"), "700");

    const std::string text = "[a]\n" + std::string(26, 'x') + "\n[Cash]\nuntil=1\n";
    ASSERT_EQ(text.size(), 46u);
    const ini::Edit longer = ini::planWrite(text, true, "Cash", "until", INT32_MIN, 50);
    const std::string after = applied(text, longer);
    EXPECT_EQ(after, "[Cash]\nuntil=-2147483648\n" + text);
    EXPECT_EQ(
        ini::findValue(std::string_view(after).substr(0, 50), "Cash", "until"), "-2147483648");
    // With room to spare the value changes in place.
    EXPECT_EQ(ini::planWrite(text, true, "Cash", "until", INT32_MIN, 56).begin, 44u);
}

TEST(IniWrite, ASectionPutFirstLeavesKeysOutsideAnySectionOutside) {
    const std::string text = "until=7\njunk\n";
    const std::string after = applied(text, ini::planWrite(text, false, "Cash", "initial", 900));
    EXPECT_EQ(after, "[Cash]\ninitial=900\n[]\nuntil=7\njunk\n");
    EXPECT_EQ(ini::findValue(after, "Cash", "until"), std::nullopt);
    EXPECT_EQ(ini::findValue(after, "Cash", "initial"), "900");
    // Without such keys no empty header is needed.
    EXPECT_EQ(ini::planWrite("junk\n", false, "Cash", "initial", 900).replacement,
        "[Cash]\ninitial=900\n");
}

TEST(IniWrite, WhatIsWrittenReadsBackAndTheOtherKeysStay) {
    std::string text = "[Cash]\nfreak=3\n[Stats]\nshowdowns=4\n";
    text = written(text, "cash", "PLAYER", -30);
    text = written(text, "Settings", "Sound", 0);
    text = written(text, "Cash", "freak", INT32_MIN);
    EXPECT_EQ(ini::parseInteger(*ini::findValue(text, "Cash", "player")), -30);
    EXPECT_EQ(ini::parseInteger(*ini::findValue(text, "Settings", "Sound")), 0);
    EXPECT_EQ(ini::parseInteger(*ini::findValue(text, "Cash", "freak")), INT32_MIN);
    EXPECT_EQ(ini::findValue(text, "Stats", "showdowns"), "4");
}

} // namespace
} // namespace tavolier
