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

constexpr std::array<HumanPolicy, 4> kPolicies { HumanPolicy::call, HumanPolicy::raise,
    HumanPolicy::fold, HumanPolicy::random };

// Every table shape, every policy, several seeds each: 9 shapes x 4
// policies x 5 seeds x 300 hands = 54,000 hands.
TEST(StandardRefereeLong, RandomPlayAtEveryTableShapeKeepsEveryRule) {
    RefereeCounts seen;
    long long hands = 0;
    std::uint64_t seed = 50000;
    for (const TableShape& shape : tableShapes()) {
        for (const HumanPolicy policy : kPolicies) {
            for (int repeat = 0; repeat < 5; ++repeat) {
                StandardRun run = shape.run;
                run.seed = ++seed;
                run.hands = 300;
                run.human = policy;
                const StandardRunResult r = playStandard(run);
                ASSERT_EQ(r.fault, "") << shape.name << ": " << describe(run) << "\n"
                                       << r.faultHand;
                EXPECT_EQ(r.hands, run.hands) << shape.name << ": " << describe(run);
                seen += r.counts;
                hands += r.hands;
            }
        }
    }
    std::cout << "random players: " << countsText(hands, seen) << "\n";
    EXPECT_GE(hands, 50000);
    EXPECT_GT(seen.allIns, 1000);
    EXPECT_GT(seen.shortBlinds, 100);
    EXPECT_GT(seen.incompleteRaises, 100);
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
            const StandardRunResult r = playStandard(run);
            ASSERT_EQ(r.fault, "") << describe(run) << "\n" << r.faultHand;
            EXPECT_EQ(r.hands, run.hands) << describe(run);
            seen += r.counts;
            hands += r.hands;
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
