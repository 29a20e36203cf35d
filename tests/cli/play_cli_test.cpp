// tavolier-cli play, run in-process: its arguments, its end lines and the
// replay of the same deal from the same arguments.
#include "command_run.h"
#include "commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace tavolier::cli {
namespace {

CommandRun play(const std::vector<std::string_view>& args) {
    return runCommand(runPlay, args);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

std::vector<std::string> withoutTime(const std::string& text) {
    std::vector<std::string> out;
    for (const std::string& line : lines(text)) {
        if (!line.starts_with("time"))
            out.push_back(line);
    }
    return out;
}

std::vector<std::vector<std::string>> endLines(const std::string& text) {
    std::vector<std::vector<std::string>> out;
    for (const std::string& line : lines(text)) {
        if (!line.starts_with("end "))
            continue;
        std::istringstream in(line);
        std::vector<std::string> fields;
        for (std::string f; in >> f;)
            fields.push_back(f);
        out.push_back(fields);
    }
    return out;
}

TEST(PlayCommand, SameArgumentsPrintTheSameHands) {
    const CommandRun a = play({ "--hands", "12", "--seed", "5", "--human", "raise" });
    const CommandRun b = play({ "--hands", "12", "--seed", "5", "--human", "raise" });
    ASSERT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(withoutTime(a.out), withoutTime(b.out));
    const CommandRun c = play({ "--hands", "12", "--seed", "6", "--human", "raise" });
    EXPECT_NE(withoutTime(a.out), withoutTime(c.out));
    // Timing stands on lines of its own.
    bool sawTime = false;
    for (const std::string& line : lines(a.out))
        sawTime = sawTime || line.starts_with("time ");
    EXPECT_TRUE(sawTime);
}

TEST(PlayCommand, OneEndLinePerHandWithEveryFigure) {
    const CommandRun r = play({ "--hands", "9", "--seed", "2", "--human", "call" });
    ASSERT_EQ(r.status, 0) << r.err;
    const auto ends = endLines(r.out);
    ASSERT_EQ(ends.size(), 9u);
    for (std::size_t i = 0; i < ends.size(); ++i) {
        ASSERT_EQ(ends[i].size(), 14u);
        EXPECT_EQ(ends[i][1], std::to_string(i + 1));
        EXPECT_EQ(ends[i][11], std::to_string(i + 1)); // handsPlayed from a fresh store
    }
    // The closing summary repeats the last hand's chips, seat 8 first.
    std::string chips = "chips";
    const char* names[] = { "You", "Chong", "Jack", "Carlos", "Cindy", "Robert", "Edmund", "Marc" };
    for (int i = 0; i < 8; ++i)
        chips += std::string(" ") + names[i] + " " + ends.back()[static_cast<std::size_t>(2 + i)];
    const auto all = lines(r.out);
    EXPECT_NE(std::find(all.begin(), all.end(), chips), all.end());
    EXPECT_NE(std::find(all.begin(), all.end(), "hands 9"), all.end());
    EXPECT_EQ(all.front(), "hand 1");
}

TEST(PlayCommand, DocumentedStreamReplays) {
    const CommandRun a = play(
        { "--hands", "4", "--draws", "splitmix64:18446744073709551615", "--level", "Genius" });
    const CommandRun b
        = play({ "--hands", "4", "--draws", "splitmix64:18446744073709551615", "--level", "900" });
    ASSERT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(withoutTime(a.out), withoutTime(b.out));
    const CommandRun c
        = play({ "--hands", "4", "--seed", "18446744073709551615", "--level", "900" });
    EXPECT_NE(withoutTime(a.out), withoutTime(c.out));
}

TEST(PlayCommand, FoldingHumanNeverReachesAShowdown) {
    const CommandRun r = play({ "--hands", "15", "--seed", "9", "--human", "fold" });
    ASSERT_EQ(r.status, 0) << r.err;
    for (const auto& end : endLines(r.out)) {
        ASSERT_EQ(end.size(), 14u);
        EXPECT_EQ(end[13], "0"); // showdowns
    }
    EXPECT_EQ(r.out.find("You call"), std::string::npos);
    // The opponents left still show their hands and one of them wins.
    EXPECT_NE(r.out.find(" shows "), std::string::npos);
    EXPECT_NE(r.out.find(" wins "), std::string::npos);
}

TEST(PlayCommand, MatchEndPressesNewWithTheInitialStack) {
    // A target of 0 chips ends every match at its first hand.
    const auto path = std::filesystem::path(::testing::TempDir()) / "tavolier-play-test.ini";
    std::filesystem::remove(path);
    {
        std::ofstream ini(path);
        ini << "[Cash]\nuntil=-1200\ninitial=1200\n";
    }
    const std::string file = path.string();
    const CommandRun r
        = play({ "--hands", "3", "--seed", "4", "--human", "fold", "--settings", file });
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("  message You win! (Game over)"), std::string::npos);
    EXPECT_NE(r.out.find("new match\nhand 2\n"), std::string::npos);
    EXPECT_NE(r.out.find("new match\nhand 3\n"), std::string::npos);
    EXPECT_EQ(endLines(r.out).size(), 3u);
    // The game wrote its chips into the named file.
    std::ifstream in(path);
    const std::string written(
        (std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(written.find("player="), std::string::npos);
    std::filesystem::remove(path);
}

TEST(PlayCommand, ADealThatOnlyEndsTheMatchPrintsNothing) {
    // Every opponent broke: the start-up deal is played alone, the next Deal
    // announces the win without dealing, and "New" deals the second hand.
    const auto path = std::filesystem::path(::testing::TempDir()) / "tavolier-play-broke.ini";
    std::filesystem::remove(path);
    {
        std::ofstream ini(path);
        ini << "[Cash]\nfreak=0\ngeek=0\nmaster=0\nchamp=0\npinhead=0\nexpert=0\nrobot=0\n";
    }
    const std::string file = path.string();
    const CommandRun r
        = play({ "--hands", "2", "--seed", "1", "--human", "call", "--settings", file });
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.find("message"), std::string::npos);
    const auto end1 = r.out.find("end 1 ");
    ASSERT_NE(end1, std::string::npos);
    const auto next = r.out.find('\n', end1);
    EXPECT_EQ(r.out.compare(next + 1, 19, "new match\nhand 2\n  "), 0) << r.out;
    EXPECT_EQ(endLines(r.out).size(), 2u);
    std::filesystem::remove(path);
}

TEST(PlayCommand, RejectsBadArguments) {
    for (const auto& args : std::vector<std::vector<std::string_view>> {
             {},
             { "--hands", "0" },
             { "--hands", "x" },
             { "--hands", "3", "--level", "500" },
             { "--hands", "3", "--human", "bluff" },
             { "--hands", "3", "--human", "character:Bob", "--rules", "standard" },
             { "--hands", "3", "--human", "character:Marc" }, // Classic has no characters
             { "--hands", "3", "--draws", "xorshift:1" },
             { "--hands", "3", "--draws", "splitmix64:" },
             { "--hands", "3", "--seed", "-1" },
             { "--hands", "3", "--bogus", "1" },
             { "--hands" },
         }) {
        const CommandRun r = play(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_FALSE(r.err.empty());
        EXPECT_TRUE(r.out.empty());
    }
}

// The human's chair played by a level or a character: each plays its own way.
TEST(PlayCommand, HumanPlaysAsALevelOrACharacter) {
    std::set<std::string> stories;
    for (const std::string_view human :
        { "level:Genius", "character:Robert", "character:marc@Genius" }) {
        const CommandRun r
            = play({ "--hands", "40", "--seed", "4", "--rules", "standard", "--human", human });
        ASSERT_EQ(r.status, 0) << human << r.err;
        stories.insert(r.out.substr(0, r.out.find("time ")));
    }
    EXPECT_EQ(stories.size(), 3U);
    EXPECT_EQ(play({ "--hands", "5", "--seed", "4", "--human", "level:Expert" }).status, 0);
}

} // namespace
} // namespace tavolier::cli
