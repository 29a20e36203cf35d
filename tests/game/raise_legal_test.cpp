// Raise is a legal action, and an enabled button, only while a press would
// raise: with every opponent out of the hand, or the human down to one chip,
// it would do nothing, and a player (or a driver) pressing it would be stuck.
#include "flow_harness.h"

#include "game/classic/hand_flow.h"
#include "game/classic/player_actions.h"

#include <gtest/gtest.h>

namespace tavolier::testing {
namespace {

TEST(RaiseLegality, EveryOpponentBrokeAtStartUpLeavesOnlyCheckOrCall) {
    Harness h;
    for (const char* key : { "freak", "geek", "master", "champ", "pinhead", "expert", "robot" })
        h.settings.set("Cash", key, 0);
    startUp(h.table); // the start-up deal makes no match checks
    const LegalActions legal = legalActions(h.state);
    ASSERT_TRUE(legal.handInProgress);
    EXPECT_FALSE(legal.raise);
    EXPECT_EQ(legal.raiseCost, 0);
    EXPECT_TRUE(legal.checkOrCall);
    EXPECT_FALSE(h.view.enabled(Button::raise));
    // Check/Call plays the hand to its end.
    for (int press = 0; press < 10 && legalActions(h.state).handInProgress; ++press) {
        EXPECT_FALSE(h.view.enabled(Button::raise));
        checkOrCall(h.table);
    }
    EXPECT_FALSE(legalActions(h.state).handInProgress);
}

TEST(RaiseLegality, AHumanDownToOneChipCannotRaise) {
    Harness h;
    startUp(h.table);
    ASSERT_TRUE(legalActions(h.state).raise);
    ASSERT_TRUE(h.view.enabled(Button::raise));
    h.decisions.defaultRaise = false;
    h.state.seat(kHuman).chips = 1;
    checkOrCall(h.table);
    if (!legalActions(h.state).handInProgress)
        GTEST_SKIP() << "the hand ended at once";
    EXPECT_FALSE(legalActions(h.state).raise);
    EXPECT_FALSE(h.view.enabled(Button::raise));
    EXPECT_TRUE(legalActions(h.state).checkOrCall);
}

std::size_t humanRaises(const Harness& h) {
    std::size_t n = 0;
    for (const ActionTaken& a : h.events.all<ActionTaken>())
        n += a.seat == kHumanSeat && a.kind == ActionKind::raise && a.paid > 0;
    return n;
}

// Wherever Raise is legal (and only there is it enabled) a press raises: the
// human pays into the pot.
TEST(RaiseLegality, ALegalRaiseAlwaysRaises) {
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        Harness h(seed);
        h.decisions.defaultStay = seed % 3 != 0;
        h.decisions.defaultRaise = seed % 5 == 0;
        startUp(h.table);
        for (int press = 0; press < 12 && legalActions(h.state).handInProgress; ++press) {
            const LegalActions legal = legalActions(h.state);
            EXPECT_EQ(h.view.enabled(Button::raise), legal.raise) << "seed " << seed;
            if (legal.raise && press % 2 == 0) {
                const std::size_t raises = humanRaises(h);
                raise(h.table);
                EXPECT_EQ(humanRaises(h), raises + 1) << "seed " << seed;
            } else {
                checkOrCall(h.table);
            }
        }
    }
}

} // namespace
} // namespace tavolier::testing
