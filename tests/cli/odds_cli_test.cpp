#include "command_run.h"
#include "commands.h"

#include "core/random.h"
#include "core/table_state.h"
#include "game/deck.h"
#include "opponents/odds.h"
#include "street_number.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tavolier::cli {
namespace {

CommandRun odds(const std::vector<std::string_view>& args) {
    return runCommand(runOdds, args);
}

// The estimate run directly on the table the command describes.
std::string expectedOutput(
    int street, std::int32_t level, Random random, std::array<Card, 7> cards) {
    TableState state;
    initDecks(state);
    state.street = streetAt(street);
    for (std::size_t i = 0; i < 5; ++i)
        state.board[i] = cards[2 + i];
    const Estimate e
        = estimateOdds(estimateInput(state, { cards[0], cards[1] }, level), state.estimate, random);
    return "oddsScore " + std::to_string(e.oddsScore) + "\nraiseBarred "
        + (e.raiseBarred ? "yes" : "no") + "\n";
}

// As Ah Kd 9c 5h 3s 2d
const std::array<Card, 7> kCards { Card { 3, 12 }, Card { 2, 12 }, Card { 1, 11 }, Card { 0, 7 },
    Card { 2, 3 }, Card { 3, 1 }, Card { 1, 0 } };

TEST(OddsCommand, PrintsTheEstimateForTheGivenCards) {
    const CommandRun run = odds({ "--street", "4", "--level", "2000", "--seed", "7", "As", "Ah",
        "Kd", "9c", "5h", "3s", "2d" });
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, expectedOutput(4, 2000, Random(7), kCards));
    EXPECT_TRUE(run.err.empty());
}

TEST(OddsCommand, TakesCaptionsAndTheDocumentedStream) {
    const CommandRun run = odds({ "--level", "Genius", "--street", "2", "--draws", "splitmix64:11",
        "As", "Ah", "Kd", "9c", "5h", "3s", "2d" });
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, expectedOutput(2, 900, Random::splitMix64(11), kCards));

    const CommandRun lower
        = odds({ "--level", "amateur", "--street", "1", "As", "Ah", "Kd", "9c", "5h", "3s", "2d" });
    EXPECT_EQ(lower.out, expectedOutput(1, 400, Random(1), kCards));
}

TEST(OddsCommand, SameSeedSameAnswer) {
    const std::vector<std::string_view> args { "--street", "1", "--level", "600", "--seed", "3",
        "7h", "2d", "Kd", "9c", "5h", "3s", "2c" };
    EXPECT_EQ(odds(args).out, odds(args).out);
    // Seven-Two offsuit pre-flop carries the -20 penalty.
    const CommandRun run = odds(args);
    EXPECT_EQ(run.out,
        expectedOutput(1, 600, Random(3),
            { Card { 2, 5 }, Card { 1, 0 }, Card { 1, 11 }, Card { 0, 7 }, Card { 2, 3 },
                Card { 3, 1 }, Card { 0, 0 } }));
}

TEST(OddsCommand, HandEditedTrialCountsKeepThePreviousPercentage) {
    // No divisor: the previous percentage (0) plus the bonus (0 on the river).
    const CommandRun run
        = odds({ "--street", "4", "--trials", "50", "As", "Ah", "Kd", "9c", "5h", "3s", "2d" });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.substr(0, 12), "oddsScore 0\n");
}

TEST(OddsCommand, RejectsBadInputWithOneLineAndStatus2) {
    const std::vector<std::vector<std::string_view>> bad {
        { "--street", "4", "--level", "2000", "As", "Ah", "Kd", "9c", "5h", "3s" }, // six cards
        { "--street", "4", "--level", "2000", "As", "Ah", "Kd", "9c", "5h", "3s", "2d",
            "4d" }, // eight
        { "--street", "4", "--level", "2000", "As", "As", "Kd", "9c", "5h", "3s", "2d" }, // twice
        { "--street", "4", "--level", "2000", "1s", "Ah", "Kd", "9c", "5h", "3s",
            "2d" }, // bad rank
        { "--street", "4", "--level", "2000", "Ax", "Ah", "Kd", "9c", "5h", "3s",
            "2d" }, // bad suit
        { "--street", "6", "--level", "2000", "As", "Ah", "Kd", "9c", "5h", "3s", "2d" },
        { "--street", "x", "--level", "2000", "As", "Ah", "Kd", "9c", "5h", "3s", "2d" },
        { "--street", "4", "--level", "500", "As", "Ah", "Kd", "9c", "5h", "3s", "2d" },
        { "--street", "4", "--level", "Novice", "As", "Ah", "Kd", "9c", "5h", "3s", "2d" },
        { "--level", "2000", "As", "Ah", "Kd", "9c", "5h", "3s", "2d" }, // no street
        { "--street", "4", "As", "Ah", "Kd", "9c", "5h", "3s", "2d" }, // no level
        { "--street", "4", "--level", "2000", "--seed", "-1", "As", "Ah", "Kd", "9c", "5h", "3s",
            "2d" },
        { "--street", "4", "--level", "2000", "--draws", "mt:1", "As", "Ah", "Kd", "9c", "5h", "3s",
            "2d" },
        { "--street", "4", "--level", "2000", "--colour", "red", "As", "Ah", "Kd", "9c", "5h", "3s",
            "2d" },
        { "--street", "4", "--level" },
        { "--street", "4", "--trials", "99999999999", "As", "Ah", "Kd", "9c", "5h", "3s", "2d" },
    };
    for (const auto& args : bad) {
        const CommandRun run = odds(args);
        EXPECT_EQ(run.status, 2) << run.out;
        EXPECT_TRUE(run.out.empty());
        ASSERT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

} // namespace
} // namespace tavolier::cli
