// tavolier-cli play --history: a long run's hand-history file read back with
// an importer-like parser; every seat's money must balance from hand to hand
// and agree with the run's own end lines.
#include "command_run.h"
#include "commands.h"
#include "history_file_parser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <numeric>
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

// The run's own account: end lines, the hands that began a new match and
// the chips lost to uneven splits.
struct RunAccount {
    std::vector<EndLine> ends;
    std::set<long long> newMatches;
    std::int64_t lost = -1;
};

RunAccount accountOf(const std::string& output) {
    RunAccount run;
    std::istringstream out(output);
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
            run.ends.push_back(e);
        } else if (line == "new match") {
            nextIsNewMatch = true;
        } else if (word == "hand") {
            long long number = 0;
            in >> number;
            if (nextIsNewMatch)
                run.newMatches.insert(number);
            nextIsNewMatch = false;
        } else if (line.starts_with("lost to uneven splits ")) {
            run.lost = std::stoll(line.substr(22));
        }
    }
    return run;
}

// What a long run's file showed besides the money.
struct FileSeen {
    int showdowns = 0;
    int splits = 0;
    int seatsLeftOut = 0;
    int mucks = 0;
    int boardsShownAtTheShowdownOnly = 0;
    int sidePots = 0;
};

// Reads the file back as an importer and holds it to the run's end lines:
// every hand, every seat's net result, every street of the board, and the
// pot against what was collected and raked.
FileSeen checkFile(const HistoryRun& run, const RunAccount& account, std::int64_t firstHand,
    const std::string& site, bool standard) {
    FileSeen seen;
    EXPECT_GT(run.file.size(), 3u);
    EXPECT_NE(run.file.substr(0, 3), "\xEF\xBB\xBF");
    const historytest::ParseResult parsed = historytest::parseHistory(run.file);
    EXPECT_TRUE(parsed.errors.empty())
        << parsed.errors.size() << " errors, first: " << parsed.errors.front();
    EXPECT_EQ(parsed.hands.size(), account.ends.size());
    if (!parsed.errors.empty() || parsed.hands.size() != account.ends.size())
        return seen;

    std::int64_t raked = 0;
    for (std::size_t h = 0; h < parsed.hands.size(); ++h) {
        const historytest::ParsedHand& hand = parsed.hands[h];
        const EndLine& end = account.ends[h];
        const bool continues = h > 0 && !account.newMatches.contains(end.hand);
        EXPECT_EQ(hand.site, site);
        EXPECT_EQ(hand.id, firstHand - 1 + end.hand);
        EXPECT_EQ(hand.totalPot, end.pot) << "hand " << end.hand;
        std::int64_t collected = 0;
        for (std::size_t i = 0; i < kEndOrder.size(); ++i) {
            const std::string& who = kEndOrder[i];
            if (!hand.stacks.contains(who)) {
                // A seat not dealt in keeps its chips, and it had none.
                ++seen.seatsLeftOut;
                if (continues) {
                    EXPECT_LE(account.ends[h - 1].chips[i], 0) << "hand " << end.hand << " " << who;
                    EXPECT_EQ(account.ends[h - 1].chips[i], end.chips[i])
                        << "hand " << end.hand << " " << who;
                }
                continue;
            }
            const std::int64_t paid = hand.paid.contains(who) ? hand.paid.at(who) : 0;
            const std::int64_t won = hand.collected.contains(who) ? hand.collected.at(who) : 0;
            collected += won;
            // The seat's net result in the file is its chip change.
            if (continues) {
                EXPECT_EQ(hand.stacks.at(who), account.ends[h - 1].chips[i])
                    << "hand " << end.hand << " " << who;
            }
            EXPECT_EQ(hand.stacks.at(who) - paid + won, end.chips[i])
                << "hand " << end.hand << " " << who;
        }
        EXPECT_EQ(collected + hand.rake, hand.totalPot) << "hand " << end.hand;
        EXPECT_FALSE(hand.blindAfterHoleCards) << "hand " << end.hand;
        // The card rooms' betting: every uncalled bet goes back, and every
        // bet and raise that is not all in lands on the ladder.
        if (standard) {
            EXPECT_EQ(hand.uncalled, 0) << "hand " << end.hand;
            EXPECT_TRUE(hand.offLadder.empty()) << "hand " << end.hand << ": " << hand.offLadder[0];
        }
        // The seat numbers run in the order of play, as a tracker reads the
        // positions: the blinds follow the button (heads-up it posts the small).
        auto after = [&hand](int seat) {
            const auto next = hand.seats.upper_bound(seat);
            return next == hand.seats.end() ? hand.seats.begin()->second : next->second;
        };
        const std::string& small = hand.blinds.at("small");
        const bool headsUp = hand.seats.size() == 2 && hand.seats.contains(hand.buttonSeat);
        EXPECT_EQ(small, headsUp ? hand.seats.at(hand.buttonSeat) : after(hand.buttonSeat))
            << "hand " << end.hand;
        if (hand.blinds.contains("big")) {
            const auto at = std::find_if(hand.seats.begin(), hand.seats.end(),
                [&small](const auto& seat) { return seat.second == small; });
            EXPECT_EQ(hand.blinds.at("big"), after(at->first)) << "hand " << end.hand;
        }
        if (!hand.pots.empty()) {
            ++seen.sidePots;
            EXPECT_EQ(std::accumulate(hand.pots.begin(), hand.pots.end(), std::int64_t { 0 }),
                hand.totalPot)
                << "hand " << end.hand;
        }
        raked += hand.rake;
        // Every card of the board came with its street's line.
        EXPECT_EQ(hand.dealtBoard, hand.board) << "hand " << end.hand;
        if (hand.board.size() == 16) {
            EXPECT_EQ(std::count(hand.streets.begin(), hand.streets.end(), "RIVER"), 1)
                << "hand " << end.hand;
        }
        const bool showdown = !hand.streets.empty() && hand.streets.back() == "SHOW DOWN";
        seen.showdowns += showdown ? 1 : 0;
        seen.splits += hand.collected.size() > 1 ? 1 : 0;
        seen.mucks += static_cast<int>(hand.mucked.size());
        seen.boardsShownAtTheShowdownOnly += showdown && hand.streets.size() == 4
            && std::find(hand.seatSummaries.begin(), hand.seatSummaries.end(),
                   "Seat 1: You folded before Flop")
                != hand.seatSummaries.end();
    }
    EXPECT_EQ(raked, account.lost);
    EXPECT_GT(seen.showdowns, static_cast<int>(account.ends.size() / 20));
    return seen;
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
    for (const char* rules : { "classic", "standard" }) {
        const bool classic = rules == std::string("classic");
        const HistoryRun run
            = playWithHistory({ "--hands", kLongRun, "--seed", classic ? "11" : "4", "--rules",
                                  rules, "--first-hand", "1" },
                file);
        ASSERT_EQ(run.status, 0) << run.err;
        const RunAccount account = accountOf(run.out);
        ASSERT_EQ(account.ends.size(), static_cast<std::size_t>(std::stoi(kLongRun)));
        const FileSeen seen = checkFile(run, account, 1, "Tavolier", !classic);
        // Classic: the human's folds leave boards shown only at the showdown.
        if (classic) {
            EXPECT_GT(seen.boardsShownAtTheShowdownOnly, 0);
        }
        if (account.ends.size() >= 2000) {
            EXPECT_GT(seen.splits, 0) << rules;
        }
    }
    std::filesystem::remove(file);
}

// Small stacks: seats go broke, sit hands out, go all in for side pots and
// reach the showdown with nothing left, in the trackers' style, numbered from
// --first-hand. (A settings file is written at every deal: shorter runs.)
TEST(PlayHistoryFile, SmallStacksForTrackingToolsReadBackAndBalance) {
    const std::filesystem::path ini = tempFile("small.ini");
    const std::filesystem::path file = tempFile("small.txt");
    for (const char* rules : { "classic", "standard" }) {
        std::ofstream(ini) << "[Cash]\ninitial=100\nuntil=2000\nplayer=100\nrobot=100\n"
                              "expert=100\npinhead=100\nchamp=100\nmaster=100\ngeek=100\n"
                              "freak=100\n";
        const HistoryRun run = playWithHistory(
            { "--hands", "150", "--seed", "3", "--rules", rules, "--settings", ini.string(),
                "--history-style", "trackers", "--first-hand", "1000001" },
            file);
        ASSERT_EQ(run.status, 0) << run.err;
        const FileSeen seen = checkFile(
            run, accountOf(run.out), 1000001, "PokerStars", rules == std::string("standard"));
        EXPECT_GT(seen.seatsLeftOut, 0) << rules;
        EXPECT_GT(rules == std::string("classic") ? seen.mucks : seen.sidePots, 0) << rules;
    }
    std::filesystem::remove(file);
    std::filesystem::remove(ini);
}

// Without --first-hand the numbers follow the run's start: two runs one after
// the other share none, and --first-hand does not change what play prints.
TEST(PlayHistoryFile, HandNumbersNeverRepeatAcrossRuns) {
    const std::filesystem::path file = tempFile("numbers.txt");
    std::vector<std::vector<std::int64_t>> ids;
    std::vector<std::string> outputs;
    for (const char* first : { "", "", "7" }) {
        std::vector<std::string> args { "--hands", "40", "--seed", "5" };
        if (*first != '\0')
            args.insert(args.end(), { "--first-hand", first });
        const HistoryRun run = playWithHistory(args, file);
        ASSERT_EQ(run.status, 0) << run.err;
        const historytest::ParseResult parsed = historytest::parseHistory(run.file);
        ASSERT_TRUE(parsed.errors.empty()) << parsed.errors.front();
        ids.emplace_back();
        for (const historytest::ParsedHand& hand : parsed.hands)
            ids.back().push_back(hand.id);
        outputs.push_back(run.out.substr(0, run.out.rfind("time ")));
    }
    std::filesystem::remove(file);
    for (const std::vector<std::int64_t>& run : ids) {
        ASSERT_EQ(run.size(), 40u);
        for (std::size_t i = 1; i < run.size(); ++i)
            EXPECT_EQ(run[i], run[i - 1] + 1);
    }
    EXPECT_GT(ids[1].front(), ids[0].back());
    EXPECT_EQ(ids[2].front(), 7);
    EXPECT_EQ(outputs[0], outputs[1]);
    EXPECT_EQ(outputs[0], outputs[2]);
}

TEST(PlayHistoryFile, AFileThatCannotBeWrittenIsRefusedAtTheStart) {
    std::vector<std::string_view> args { "--hands", "1", "--history", "/nonexistent-folder/h.txt" };
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runPlay(args, out, err), 2);
    EXPECT_NE(err.str().find("cannot write"), std::string::npos);
}

} // namespace tavolier::cli
