// tavolier-cli tournament, run in-process: the same table for any number of
// jobs, each match as if played alone, and refused options.
#include "command_run.h"
#include "commands.h"
#include "opponents/characters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include <malloc.h>

namespace tavolier::cli {
namespace {

CommandRun tournament(const std::vector<std::string_view>& args) {
    return runCommand(runTournament, args);
}

// The output less its last line, the only one with timings.
std::string withoutTime(const std::string& text) {
    const auto last = text.rfind("\ntime ");
    return last == std::string::npos ? text : text.substr(0, last + 1);
}

// Every match's outcome, in match order.
std::vector<MatchOutcome> outcomes(
    const MatchSetup& setup, std::uint64_t seed, std::int64_t matches, unsigned jobs) {
    std::vector<MatchOutcome> all(static_cast<std::size_t>(matches));
    playMatches(setup, seed, matches, jobs, [&](std::int64_t k, const MatchOutcome& outcome) {
        all[static_cast<std::size_t>(k)] = outcome;
        return true;
    });
    return all;
}

TEST(Tournament, TheTableIsTheSameForOneJobAndThree) {
    const CommandRun one
        = tournament({ "--matches", "3", "--seed", "5", "--human", "raise", "--jobs", "1" });
    const CommandRun three
        = tournament({ "--matches", "3", "--seed", "5", "--human", "raise", "--jobs", "3" });
    ASSERT_EQ(one.status, 0) << one.err;
    ASSERT_EQ(three.status, 0) << three.err;
    EXPECT_EQ(withoutTime(one.out), withoutTime(three.out));
    EXPECT_NE(one.out.find("\ntime "), std::string::npos);
    EXPECT_NE(one.out.find("human's seat "), std::string::npos);
    EXPECT_TRUE(one.err.empty()) << "no progress bar when standard error is not a terminal";
    // No more jobs are said to have run than there were matches.
    const CommandRun many
        = tournament({ "--matches", "3", "--seed", "5", "--human", "raise", "--jobs", "1024" });
    EXPECT_NE(many.out.find(", 3 jobs,"), std::string::npos) << many.out;
}

TEST(Tournament, EachMatchIsWhatPlayingItAloneGives) {
    MatchSetup setup;
    setup.human = *HumanPlayer::parse("level:600");
    setup.maxHands = 25;
    const std::vector<MatchOutcome> all = outcomes(setup, 11, 3, 2);
    ASSERT_EQ(all.size(), 3U);
    for (std::uint64_t k = 0; k < all.size(); ++k) {
        Random alone(matchSeed(11, k));
        const MatchOutcome outcome = playMatch(setup, alone);
        EXPECT_EQ(all[k], outcome) << "match " << k;
        EXPECT_GT(outcome.hands, 0);
        EXPECT_GT(outcome.draws, 0U);
    }
    // Different matches of one run are different deals.
    EXPECT_NE(all[0].draws, all[1].draws);
}

TEST(Tournament, EveryFinishedMatchHasItsWinnerOrABrokeHuman) {
    MatchSetup setup;
    setup.human = *HumanPlayer::parse("raise");
    for (const MatchOutcome& m : outcomes(setup, 3, 4, 2)) {
        ASSERT_TRUE(m.finished);
        const std::int32_t human = m.stacks[kHumanSeat.index()];
        if (!m.winner.isSeat()) {
            EXPECT_EQ(m.result, MatchResult::humanLost);
            EXPECT_LT(human, 1);
        } else if (m.result == MatchResult::seatReachedTarget) {
            EXPECT_GE(m.stacks[m.winner.index()], 1800);
        } else {
            EXPECT_EQ(m.winner, kHumanSeat);
            for (int seat = 1; seat <= 7; ++seat)
                EXPECT_LT(m.stacks[static_cast<std::size_t>(seat)], 1);
        }
    }
}

TEST(Tournament, AMatchThatRunsTooLongIsGivenUp) {
    MatchSetup setup;
    setup.maxHands = 3;
    Random random(matchSeed(1, 0));
    const MatchOutcome m = playMatch(setup, random);
    EXPECT_FALSE(m.finished);
    EXPECT_EQ(m.hands, 3);
}

TEST(Tournament, BadOptionsAreRefusedWithStatusTwo) {
    for (const std::vector<std::string_view>& args : std::vector<std::vector<std::string_view>> {
             { "--matches", "0" },
             { "--matches", "ten" },
             { "--jobs", "0" },
             { "--jobs", "-2" },
             { "--seed", "-1" },
             { "--level", "500" },
             { "--human", "sometimes" },
             { "--human", "level:1000" },
             { "--max-hands", "0" },
             { "--matches" },
             { "--colour", "red" },
         }) {
        const CommandRun r = tournament(args);
        EXPECT_EQ(r.status, 2) << args.front();
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find("tavolier-cli tournament: "), std::string::npos) << r.err;
    }
}

TEST(Tournament, HumanPlayersAreReadByName) {
    EXPECT_EQ(HumanPlayer::parse("fold")->policy, HumanPlayer::Policy::fold);
    const auto genius = HumanPlayer::parse("level:Genius");
    ASSERT_TRUE(genius);
    EXPECT_EQ(genius->policy, HumanPlayer::Policy::level);
    EXPECT_EQ(genius->levelCode, 900);
    EXPECT_EQ(HumanPlayer::parse("level:800")->levelCode, 800);
    EXPECT_EQ(HumanPlayer::parse("level:genius")->levelCode, 900); // captions in any case
    EXPECT_FALSE(HumanPlayer::parse("level:"));
    EXPECT_FALSE(HumanPlayer::parse("Smart"));
    const auto cindy = HumanPlayer::parse("character:cindy@Expert");
    ASSERT_TRUE(cindy);
    EXPECT_EQ(cindy->policy, HumanPlayer::Policy::character);
    EXPECT_EQ(cindy->character->name, "Cindy");
    EXPECT_EQ(cindy->levelCode, 600);
    EXPECT_EQ(HumanPlayer::parse("character:Marc")->levelCode, 0); // the table's level
    EXPECT_FALSE(HumanPlayer::parse("character:Marc@"));
    EXPECT_FALSE(HumanPlayer::parse("character:"));
}

// However many matches are asked for, nothing is kept per match: a run of
// millions holds what a few matches hold.
TEST(Tournament, MemoryStaysThatOfTheJobsWhateverTheNumberOfMatches) {
    MatchSetup setup;
    setup.human = *HumanPlayer::parse("fold");
    setup.maxHands = 2;
    // Bytes in use, large blocks of their own included.
    const auto inUse = [] {
        const struct mallinfo2 info = ::mallinfo2();
        return info.uordblks + info.hblkhd;
    };
    const std::size_t before = inUse();
    std::size_t most = before;
    int played = 0;
    playMatches(setup, 1, 2'000'000, 2, [&](std::int64_t, const MatchOutcome&) {
        most = std::max(most, inUse());
        return ++played < 4;
    });
    EXPECT_GE(played, 4);
    EXPECT_LT(most - before, std::size_t { 16 } << 20);
}

} // namespace
} // namespace tavolier::cli
