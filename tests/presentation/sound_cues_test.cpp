#include "game/classic/hand_flow.h"
#include "presentation/animations.h"

#include "presentation_fixture.h"

namespace tavolier {
namespace {

using testing::PresentationTest;
using Lines = std::vector<std::string>;

class CardSound : public PresentationTest { };

TEST_F(CardSound, FiftyPlaysTheSecondVariantFiftyOneTheFirst) {
    random.recordBounds(true);
    random.enqueue({ 50, 51 });
    state.street = Street::preflop;
    advanceStreet(table);
    advanceStreet(table);
    EXPECT_EQ(view.sounds(), (Lines { "sound card2.wav", "sound card1.wav" }));
    EXPECT_EQ(random.bounds(), (std::vector<int> { 100, 100 }));
}

TEST_F(CardSound, SoundOffNeitherPlaysNorDraws) {
    state.soundOn = false;
    state.street = Street::preflop;
    for (int i = 0; i < 3; ++i)
        advanceStreet(table);
    EXPECT_TRUE(view.sounds().empty());
    EXPECT_EQ(random.drawCount(), 0u);
}

TEST_F(CardSound, NoneWhenTheHandReachesTheShowdown) {
    state.street = Street::river;
    advanceStreet(table);
    EXPECT_EQ(state.street, Street::showdown);
    EXPECT_TRUE(view.sounds().empty());
    EXPECT_EQ(random.drawCount(), 0u);
}

TEST_F(CardSound, SwitchingSoundOffShiftsTheBlinkThatFollows) {
    // The card sound and the blink share the generator: with sound on the
    // blink gets the second value, with sound off the first.
    random.enqueue({ 99, 10 });
    state.street = Street::preflop;
    advanceStreet(table);
    blinkTick(table);
    EXPECT_EQ(table.presentation.blinkPick, 10);

    state.soundOn = false;
    state.street = Street::preflop;
    table.presentation.blinkStep = 0;
    random.enqueue({ 40, 99 });
    advanceStreet(table);
    blinkTick(table);
    EXPECT_EQ(table.presentation.blinkPick, 40);
}

} // namespace
} // namespace tavolier
