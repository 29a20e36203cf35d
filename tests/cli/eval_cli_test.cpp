#include "command_run.h"
#include "commands.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tavolier::cli {
namespace {

CommandRun eval(const std::vector<std::string_view>& args, const std::string& input = "") {
    std::istringstream in(input);
    return runCommand(runEval, args, in);
}

TEST(EvalCommand, ScoresSevenCardsFromTheCommandLine) {
    const CommandRun run = eval({ "As", "Kd", "7h", "7c", "2s", "Td", "9c" });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "score 105 kicker 161 One pair Sevens\n");
    EXPECT_EQ(run.err, "");
}

TEST(EvalCommand, SlotOrderReachesTheEvaluator) {
    EXPECT_EQ(eval({ "2s", "2h", "3h", "4h", "5h", "6h", "Kc" }).out,
        "score 454 kicker 33 Flush Six High\n");
    EXPECT_EQ(eval({ "2h", "2s", "3h", "4h", "5h", "6h", "Kc" }).out,
        "score 1000 kicker 4 Straight flush\n");
}

TEST(EvalCommand, ReadsOneHandPerLineFromStandardInput) {
    const CommandRun run
        = eval({}, "Ac Ad 5h 5s Kc 8d 2h\nAh 9h 8h 7h 6h 2c 3d\r\n  As 2d 3h\t4c 5s 9d Jh\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
        "score 212 kicker 41 Two pairs Aces\n"
        "score 462 kicker 85 Flush Ace High\n"
        "score 403 kicker 0 Straight Five High\n");
    EXPECT_EQ(eval({}, "").out, "");
}

TEST(EvalCommand, RepeatedCardsAreScored) {
    const CommandRun run = eval({}, "7c 7d 7h 7s 7c 7d 7h\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "score 5 kicker -11 Seven\n");
}

TEST(EvalCommand, BadLineStopsWithItsNumberAndKeepsEarlierOutput) {
    const CommandRun unknown
        = eval({}, "Ac Kd Qh 9s 7c 4d 2h\nAc Kd Qh 9s 7c 4d 1h\nAc Ad Kh 9s 7c 4d 2h\n");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.out, "score 12 kicker 120 Ace\n");
    EXPECT_EQ(unknown.err, "tavolier-cli eval: line 2: unknown card '1h'\n");

    const CommandRun shortLine
        = eval({}, "Ac Kd Qh 9s 7c 4d 2h\nAc Ad Kh 9s 7c 4d 2h\nAc Kd Qh 9s 7c 4d\n");
    EXPECT_EQ(shortLine.status, 2);
    EXPECT_EQ(shortLine.out, "score 12 kicker 120 Ace\nscore 112 kicker 136 One pair Aces\n");
    EXPECT_EQ(shortLine.err, "tavolier-cli eval: line 3: expected 7 cards, found 6\n");

    const CommandRun blank = eval({}, "Ac Kd Qh 9s 7c 4d 2h\n\n");
    EXPECT_EQ(blank.status, 2);
    EXPECT_EQ(blank.err, "tavolier-cli eval: line 2: expected 7 cards, found 0\n");
}

TEST(EvalCommand, BadArgumentsEndWithStatusTwo) {
    const CommandRun many = eval({ "As", "Kd", "7h", "7c", "2s", "Td", "9c", "8c" });
    EXPECT_EQ(many.status, 2);
    EXPECT_EQ(many.out, "");
    EXPECT_EQ(many.err, "tavolier-cli eval: arguments: expected 7 cards, found 8\n");

    const CommandRun lower = eval({ "as", "Kd", "7h", "7c", "2s", "Td", "9c" });
    EXPECT_EQ(lower.status, 2);
    EXPECT_EQ(lower.err, "tavolier-cli eval: arguments: unknown card 'as'\n");

    EXPECT_EQ(eval({ "As", "Kd", "7h", "7c", "2s", "10d", "9c" }).err,
        "tavolier-cli eval: arguments: unknown card '10d'\n");
}

} // namespace
} // namespace tavolier::cli
