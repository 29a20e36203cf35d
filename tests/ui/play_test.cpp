// Whole hands played through the window's real buttons and keys, and the
// guard that keeps a refused settings write inside its handler.
#include "ui/options_panel.h"
#include "ui_fixture.h"

#include <QLabel>
#include <QtTest/QTest>

namespace tavolier::uitest {

TEST(WindowPlay, ClickingCheckOrCallPlaysAHandToItsEndAndDealStartsTheNext) {
    for (std::uint64_t seed : { 1u, 2u, 3u }) {
        WindowFixture f(seed);
        TableWindow& form = f.open();
        form.show();
        ASSERT_TRUE(checkDownToTheEnd(form)) << "seed " << seed;
        EXPECT_FALSE(form.button(Button::checkOrCall)->isEnabled());
        EXPECT_FALSE(form.button(Button::raise)->isEnabled());
        const int chipsBefore = f.state.seat(kHuman).chips;

        QTest::mouseClick(form.button(Button::deal), Qt::LeftButton);
        EXPECT_EQ(f.state.street, Street::preflop);
        if (form.button(Button::deal)->isEnabled()) {
            // Every opponent folded before the human's turn: the pot is ours.
            EXPECT_GT(f.state.seat(kHuman).chips, chipsBefore) << "seed " << seed;
        } else {
            EXPECT_TRUE(form.button(Button::checkOrCall)->isEnabled());
            // The Deal wrote the stacks, as they stood before the blinds, to the file.
            EXPECT_EQ(f.file.readInteger("Cash", "player", -1), chipsBefore);
        }
        EXPECT_EQ(
            form.label(Label::humanChips)->text(), QString::number(f.state.seat(kHuman).chips));
        EXPECT_EQ(form.label(Label::pot)->text(), QString::number(f.state.pot));
    }
}

TEST(WindowPlay, FoldEndsTheHumansHandAndKeysActOnlyOnEnabledButtons) {
    WindowFixture f(11);
    TableWindow& form = f.open();
    form.show();

    // D does nothing while a hand is running.
    const Street street = f.state.street;
    QTest::keyClick(&form, Qt::Key_D);
    EXPECT_EQ(f.state.street, street);
    EXPECT_FALSE(form.button(Button::deal)->isEnabled());

    QTest::keyClick(&form, Qt::Key_F);
    EXPECT_TRUE(f.state.seat(kHuman).folded);
    EXPECT_TRUE(form.button(Button::deal)->isEnabled());
    EXPECT_FALSE(form.button(Button::fold)->isEnabled());

    // F again is ignored, D deals.
    QTest::keyClick(&form, Qt::Key_F);
    QTest::keyClick(&form, Qt::Key_D);
    EXPECT_FALSE(f.state.seat(kHuman).folded);
    EXPECT_FALSE(form.button(Button::deal)->isEnabled());
    EXPECT_TRUE(form.button(Button::fold)->isEnabled());

    // C plays on like the button: the opponents answer and draw their numbers.
    const auto draws = f.random.drawCount();
    QTest::keyClick(&form, Qt::Key_C);
    EXPECT_GT(f.random.drawCount(), draws);
    EXPECT_NE(form.button(Button::deal)->toolTip().indexOf("(D)"), -1);
    EXPECT_NE(form.button(Button::checkOrCall)->toolTip().indexOf("(C)"), -1);
}

TEST(WindowPlay, RaiseThroughTheButtonPaysARaise) {
    WindowFixture f(5);
    TableWindow& form = f.open();
    form.show();
    ASSERT_EQ(form.button(Button::raise)->text(), "Raise");
    ASSERT_TRUE(form.button(Button::raise)->isEnabled());
    const int chips = f.state.seat(kHuman).chips;
    QTest::mouseClick(form.button(Button::raise), Qt::LeftButton);
    EXPECT_LT(f.state.seat(kHuman).chips, chips);
    EXPECT_EQ(form.label(Label::humanChips)->text(), QString::number(f.state.seat(kHuman).chips));
}

TEST(HandlerGuard, ARefusedSaveIsToldOnceAndPlayGoesOnUntilItSavesAgain) {
    WindowFixture f;
    MemorySettings refusing;
    TableWindow& form = f.open(&refusing);
    refusing.failAfter = 0;
    form.show();

    form.button(Button::sound)->click();
    ASSERT_EQ(f.messages.size(), 1u);
    EXPECT_TRUE(f.messages[0].startsWith("Unable to write to tavolier.ini"))
        << f.messages[0].toStdString();

    // Hands go on being dealt and counted, without another word.
    const int played = f.state.handsPlayed;
    for (int hand = 0; hand < 3; ++hand) {
        QTest::mouseClick(form.button(Button::fold), Qt::LeftButton);
        ASSERT_TRUE(form.button(Button::deal)->isEnabled());
        QTest::mouseClick(form.button(Button::deal), Qt::LeftButton);
    }
    EXPECT_EQ(f.state.handsPlayed, played + 3);
    EXPECT_EQ(f.messages.size(), 1u);

    // Once the file takes writes again, the next save stores what waited.
    refusing.failAfter = -1;
    QTest::mouseClick(form.button(Button::fold), Qt::LeftButton);
    QTest::mouseClick(form.button(Button::deal), Qt::LeftButton);
    EXPECT_EQ(refusing.find("Settings", "Sound"), f.state.soundOn ? 1 : 0);
    EXPECT_EQ(refusing.find("Stats", "handsplayed"), f.state.handsPlayed);
    EXPECT_EQ(f.messages.size(), 1u);
}

TEST(HandlerGuard, AnyExceptionStaysInsideTheHandler) {
    WindowFixture f;
    TableWindow& form = f.open();
    form.guarded([] { throw std::runtime_error("boom"); });
    ASSERT_EQ(f.messages.size(), 1u);
    EXPECT_TRUE(f.messages[0].startsWith("boom|"));
}

} // namespace tavolier::uitest
