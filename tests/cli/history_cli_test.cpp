// tavolier-cli play --history: a long run's hand-history file read back with
// an importer-like parser; every seat's money must balance from hand to hand
// and agree with the run's own end lines.
#include "command_run.h"
#include "commands.h"
#include "history_file_parser.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace tavolier::cli {
namespace {

// The seats in the order of the end lines' chips: 8 down to 1.
const std::array<std::string, 8> kEndOrder { "You", "Chong", "Jack", "Carlos", "Cindy", "Robert",
    "Edmund", "Marc" };

struct EndLine {
    long long hand = 0;
    std::array<std::int64_t, 8> chips {};
    std::int64_t pot = 0;
};

struct HistoryRun : CommandRun {
    std::string file;
};

HistoryRun playWithHistory(
    const std::vector<std::string>& extra, const std::filesystem::path& file) {
    std::vector<std::string_view> args;
    for (const std::string& a : extra)
        args.push_back(a);
    const std::string path = file.string();
    args.push_back("--history");
    args.push_back(path);
    HistoryRun r { runCommand(runPlay, args), {} };
    std::ifstream in(file, std::ios::binary);
    r.file.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return r;
}

std::filesystem::path tempFile(const char* name) {
    return std::filesystem::temp_directory_path()
        / (std::string("tavolier-history-")
            + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" + name);
}

} // namespace

// The sanitizer build runs the same check over fewer hands.
#if defined(__SANITIZE_ADDRESS__)
constexpr const char* kLongRun = "300";
#else
constexpr const char* kLongRun = "2000";
#endif

TEST(PlayHistoryFile, TwoThousandHandsReadBackAndEverySeatsChipsBalance) {
    const std::filesystem::path file = tempFile("long.txt");
    const HistoryRun run = playWithHistory({ "--hands", kLongRun, "--seed", "11" }, file);
    std::filesystem::remove(file);
    ASSERT_EQ(run.status, 0) << run.err;

    // The run's own account: end lines, and the hands that began a new match.
    std::vector<EndLine> ends;
    std::set<long long> newMatches;
    std::int64_t lostInRun = -1;
    std::istringstream out(run.out);
    bool nextIsNewMatch = false;
    for (std::string line; std::getline(out, line);) {
        std::istringstream in(line);
        std::string word;
        in >> word;
        if (word == "end") {
            EndLine e;
            in >> e.hand;
            for (auto& c : e.chips)
                in >> c;
            in >> e.pot;
            ends.push_back(e);
        } else if (line == "new match") {
            nextIsNewMatch = true;
        } else if (word == "hand") {
            long long number = 0;
            in >> number;
            if (nextIsNewMatch)
                newMatches.insert(number);
            nextIsNewMatch = false;
        } else if (line.starts_with("lost to uneven splits ")) {
            lostInRun = std::stoll(line.substr(22));
        }
    }
    ASSERT_EQ(ends.size(), static_cast<std::size_t>(std::stoi(kLongRun)));

    // No byte-order mark; every hand parses.
    ASSERT_GT(run.file.size(), 3u);
    EXPECT_NE(run.file.substr(0, 3), "\xEF\xBB\xBF");
    const historytest::ParseResult parsed = historytest::parseHistory(run.file);
    ASSERT_TRUE(parsed.errors.empty())
        << parsed.errors.size() << " errors, first: " << parsed.errors.front();
    ASSERT_EQ(parsed.hands.size(), ends.size());

    std::int64_t lost = 0;
    int showdowns = 0;
    int splits = 0;
    for (std::size_t h = 0; h < parsed.hands.size(); ++h) {
        const historytest::ParsedHand& hand = parsed.hands[h];
        const EndLine& end = ends[h];
        ASSERT_EQ(hand.id, end.hand);
        EXPECT_EQ(hand.totalPot, end.pot) << "hand " << end.hand;
        std::int64_t collected = 0;
        for (std::size_t i = 0; i < kEndOrder.size(); ++i) {
            const std::string& who = kEndOrder[i];
            const std::int64_t paid = hand.paid.contains(who) ? hand.paid.at(who) : 0;
            const std::int64_t won = hand.collected.contains(who) ? hand.collected.at(who) : 0;
            collected += won;
            // What the hand did to the seat is what the end line shows.
            EXPECT_EQ(hand.stacks.at(who) - paid + won, end.chips[i])
                << "hand " << end.hand << " " << who;
            // And the next hand starts from there, unless a new match reset the stacks.
            if (h + 1 < parsed.hands.size() && !newMatches.contains(ends[h + 1].hand)) {
                EXPECT_EQ(parsed.hands[h + 1].stacks.at(who), hand.stacks.at(who) - paid + won)
                    << "hand " << ends[h + 1].hand << " " << who;
            }
        }
        EXPECT_LE(collected, hand.totalPot) << "hand " << end.hand;
        lost += hand.totalPot - collected;
        showdowns += hand.streets.empty() || hand.streets.back() != "SHOW DOWN" ? 0 : 1;
        splits += hand.collected.size() > 1 ? 1 : 0;
    }
    EXPECT_EQ(lost, lostInRun);
    // The run is long enough to see showdowns, splits and new matches.
    EXPECT_GT(showdowns, static_cast<int>(ends.size() / 20));
    if (ends.size() >= 2000) {
        EXPECT_GT(splits, 0);
    }
}

TEST(PlayHistoryFile, AFileThatCannotBeWrittenIsRefusedAtTheStart) {
    std::vector<std::string_view> args { "--hands", "1", "--history", "/nonexistent-folder/h.txt" };
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runPlay(args, out, err), 2);
    EXPECT_NE(err.str().find("cannot write"), std::string::npos);
}

} // namespace tavolier::cli
