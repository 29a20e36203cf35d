// Tens of thousands of Standard hands judged by the referee: random players
// at every table shape with every human policy, then a few hundred hands
// against the real opponents at each level. Labelled "slow".
#include "standard_play.h"
#include "standard_referee.h"

#include <gtest/gtest.h>

#include <iostream>
#include <string>

namespace tavolier::testing {
namespace {

// Every table shape, every policy, several seeds and tempers of the random
// players each: 9 shapes x 4 policies x 5 runs x 300 hands = 54,000 hands.
TEST(StandardRefereeLong, RandomPlayAtEveryTableShapeKeepsEveryRule) {
    RefereeCounts seen;
    long long hands = 0;
    std::uint64_t seed = 50000;
    for (const TableShape& shape : tableShapes()) {
        for (const HumanPolicy policy : kHumanPolicies) {
            for (int repeat = 0; repeat < 5; ++repeat) {
                StandardRun run = shape.run;
                run.seed = ++seed;
                run.hands = 300;
                run.human = policy;
                // Middling, wild (caps, all-ins, incomplete raises) and timid
                // (more folds, more hands ended by folds).
                constexpr std::array<std::array<int, 2>, 5> kTempers { { { 15, 35 }, { 5, 65 },
                    { 30, 10 }, { 10, 50 }, { 20, 25 } } };
                run.foldPercent = kTempers[static_cast<std::size_t>(repeat)][0];
                run.raisePercent = kTempers[static_cast<std::size_t>(repeat)][1];
                expectRulesKept(run, std::string(shape.name) + ": ", seen, hands);
            }
        }
    }
    std::cout << "random players: " << countsText(hands, seen) << "\n";
    EXPECT_GE(hands, 50000);
    EXPECT_GT(seen.allIns, 1000);
    EXPECT_GT(seen.shortBlinds, 100);
    EXPECT_GT(seen.incompleteRaises, 100);
    EXPECT_GT(seen.incompleteBets, 10);
    EXPECT_GT(seen.halfRaises, 10);
    EXPECT_GT(seen.returns, 1000);
    EXPECT_GT(seen.sidePotHands, 1000);
    EXPECT_GT(seen.splitPots, 100);
    EXPECT_GT(seen.oddChips, 20);
    EXPECT_GT(seen.cappedStreets, 1000);
    EXPECT_GT(seen.uncappedStreets, 100);
    EXPECT_GT(seen.runOuts, 1000);
    EXPECT_GT(seen.headsUpHands, 1000);
    EXPECT_GT(seen.humanRaiseBarred, 100);
}

// Tables drawn at random from the run's number: any stacks from nothing to
// fifty (at least two seats with chips), small bets from below one chip to
// five, big bets from one to ten, any new-match stack and target, any
// policy and temper. 300 runs x 40 hands = 12,000 hands.
TEST(StandardRefereeLong, RandomTablesKeepEveryRule) {
    RefereeCounts seen;
    long long hands = 0;
    for (std::uint64_t n = 0; n < 300; ++n) {
        std::uint64_t state = 0xC0FFEE + n * 0x9E3779B97F4A7C15ULL;
        auto draw = [&state](int below) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            return static_cast<std::int32_t>(state % static_cast<std::uint64_t>(below));
        };
        StandardRun run;
        run.seed = 70000 + n;
        run.hands = 40;
        int withChips = 0;
        while (withChips < 2) {
            withChips = 0;
            for (int seat = 1; seat <= 8; ++seat) {
                const std::int32_t chips = draw(5) == 0 ? 0 : 1 + draw(50);
                run.cash[static_cast<std::size_t>(seat)] = chips;
                withChips += chips > 0 ? 1 : 0;
            }
        }
        run.smallBet = draw(6);
        run.bigBet = 1 + draw(10);
        run.initial = 1 + draw(40);
        run.until = draw(3) == 0 ? 100000 : 1 + draw(60);
        run.human = kHumanPolicies[static_cast<std::size_t>(draw(4))];
        run.foldPercent = draw(40);
        run.raisePercent = draw(80);
        expectRulesKept(run, "", seen, hands);
    }
    std::cout << "random tables: " << countsText(hands, seen) << "\n";
    EXPECT_GE(hands, 12000);
    EXPECT_GT(seen.sidePotHands, 100);
    EXPECT_GT(seen.oddChips, 10);
    EXPECT_GT(seen.incompleteRaises, 100);
}

// The Monte Carlo opponents at each level, on short uneven stacks, odd
// blinds and deep stacks.
TEST(StandardRefereeLong, TheRealOpponentsKeepEveryRuleAtEveryLevel) {
    RefereeCounts seen;
    long long hands = 0;
    const std::vector<TableShape> shapes = tableShapes();
    std::uint64_t seed = 90000;
    for (const std::int32_t level : { 400, 600, 800, 900 }) {
        for (const std::size_t shape :
            { std::size_t { 1 }, std::size_t { 2 }, std::size_t { 7 } }) {
            StandardRun run = shapes[shape].run;
            run.seed = ++seed;
            run.hands = 80;
            run.monteCarlo = true;
            run.level = level;
            run.human = HumanPolicy::random;
            expectRulesKept(run, "", seen, hands);
        }
    }
    std::cout << "real opponents: " << countsText(hands, seen) << "\n";
    EXPECT_GE(hands, 900);
    EXPECT_GT(seen.allIns, 0);
    EXPECT_GT(seen.returns, 0);
    EXPECT_GT(seen.sidePotHands, 0);
}

} // namespace
} // namespace tavolier::testing
