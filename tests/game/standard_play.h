#pragma once

// Whole runs of Standard hands for the referee: a fresh table with chosen
// stacks and bet sizes, the human's seat played by a simple policy, the
// computer seats by the Monte Carlo levels or by a random player, "Deal"
// after each hand and "New" after each match.

#include "core/random.h"
#include "opponents/opponent.h"
#include "standard_referee.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tavolier::testing {

// Decides at random with the game's own generator, so that a run replays
// from its seed. Facing a bet it folds, calls or raises; with nothing to
// call it checks or bets, and now and then folds all the same. Sometimes it
// asks for what the rules do not allow (a raise when raising is closed, a
// check facing a bet) to see the rules turn it into a legal action.
class RandomOpponent : public Opponent {
public:
    int foldPercent = 15;
    int raisePercent = 35;
    int freeFoldPercent = 2;
    int wishPercent = 5; // asks for a barred raise or a check facing a bet

    Decision decide(const SeatView& view, Random& random) override;
};

enum class HumanPolicy { call, raise, fold, random };

struct StandardRun {
    std::uint64_t seed = 1;
    long long hands = 100;
    HumanPolicy human = HumanPolicy::random;
    bool monteCarlo = false; // the real opponents at level; otherwise RandomOpponent
    int foldPercent = 15; // RandomOpponent's choices facing a bet
    int raisePercent = 35;
    std::int32_t level = 400;
    // The stacks at start-up by seat ([0] unused), the stack of every new
    // match and the margin over it that wins a match.
    std::array<std::int32_t, 9> cash { 0, 40, 40, 40, 40, 40, 40, 40, 40 };
    std::int32_t initial = 40;
    std::int32_t until = 100000;
    std::int32_t smallBet = 2;
    std::int32_t bigBet = 4;
    GameEvents* alsoTell = nullptr; // another listener of the game events, if any
};

struct StandardRunResult {
    std::string fault; // the referee's first broken rule, with its hand
    std::string faultHand; // that hand's events
    RefereeCounts counts;
    long long hands = 0; // hands dealt
    long long matches = 1;
};

// The tables the runs are played at, each with a name: short and uneven
// stacks (all-ins, side pots, seats going broke and heads-up play), a
// near target (many new matches), small bets, odd blinds, a small bet below
// one chip, a human who starts without chips, and deep stacks (capped
// streets). The seed, the hands and the players are the caller's.
struct TableShape {
    const char* name;
    StandardRun run;
};
[[nodiscard]] std::vector<TableShape> tableShapes();

// Plays setup.hands hands (or stops at the first broken rule).
[[nodiscard]] StandardRunResult playStandard(const StandardRun& setup);

// "seed 7, human random, random opponents, bets 3/6, stacks 15 3 ..." for
// a failure message.
[[nodiscard]] std::string describe(const StandardRun& setup);

// "4000 hands, 1500 showdowns, ..." for a run's log.
[[nodiscard]] std::string countsText(long long hands, const RefereeCounts& counts);

// Every policy a run can give the human.
inline constexpr std::array<HumanPolicy, 4> kHumanPolicies { HumanPolicy::call, HumanPolicy::raise,
    HumanPolicy::fold, HumanPolicy::random };

// Plays run under the referee and adds what it saw to seen and hands; a
// broken rule, or a run that stopped short, fails the test with the run's
// description (after label) and the hand it happened in.
inline void expectRulesKept(
    const StandardRun& run, const std::string& label, RefereeCounts& seen, long long& hands) {
    const StandardRunResult r = playStandard(run);
    EXPECT_EQ(r.fault, "") << label << describe(run) << "\n" << r.faultHand;
    EXPECT_EQ(r.hands, run.hands) << label << describe(run);
    seen += r.counts;
    hands += r.hands;
}

} // namespace tavolier::testing
