// The options panel's controls, used as a player uses them.
#include "ui/options_panel.h"
#include "ui_fixture.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest/QTest>

namespace tavolier::uitest {

namespace {

void typeInto(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    edit->del();
    QTest::keyClicks(edit, text);
}

void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

TEST(OptionsPanelControls, OptionsTogglesThePanelAndOkHidesIt) {
    WindowFixture f;
    TableWindow& form = f.open();
    form.show();
    OptionsPanel* panel = form.optionsPanel();
    click(f.named("dxButton6"));
    EXPECT_TRUE(panel->isVisible());
    click(f.named("dxButton6"));
    EXPECT_FALSE(panel->isVisible());
    click(f.named("dxButton6"));
    click(panel->dxButton1);
    EXPECT_FALSE(panel->isVisible());

    // The table stays playable while the panel is open.
    click(f.named("dxButton6"));
    click(form.button(Button::fold));
    EXPECT_TRUE(f.state.seat(kHuman).folded);
    EXPECT_TRUE(panel->isVisible());
}

TEST(OptionsPanelControls, InitialCashIsCheckedThenSetsEveryStack) {
    WindowFixture f;
    TableWindow& form = f.open();
    form.show();
    OptionsPanel* panel = form.optionsPanel();
    click(f.named("dxButton6"));
    const QString pot = form.label(Label::pot)->text();

    typeInto(panel->money, "12a");
    click(panel->dxButton2);
    typeInto(panel->money, "99");
    click(panel->dxButton2);
    ASSERT_EQ(f.messages.size(), 2u);
    EXPECT_TRUE(f.messages[0].startsWith("Invalid value|"));
    EXPECT_TRUE(f.messages[1].startsWith("the value is off limits|"));
    EXPECT_EQ(f.state.initialChips, 1200);
    EXPECT_EQ(panel->money->text(), "99"); // the field keeps what was typed

    typeInto(panel->money, "500");
    click(panel->dxButton2);
    ASSERT_EQ(f.messages.size(), 3u);
    EXPECT_TRUE(f.messages[2].startsWith("New initial cash value confirmation|"));
    EXPECT_EQ(f.file.readInteger("Cash", "initial", -1), 500);
    for (Label chips : { Label::humanChips, Label::chongChips, Label::jackChips, Label::carlosChips,
             Label::cindyChips, Label::robertChips, Label::edmundChips, Label::marcChips })
        EXPECT_EQ(form.label(chips)->text(), "500") << labelName(chips);
    EXPECT_EQ(form.label(Label::pot)->text(), pot);
}

TEST(OptionsPanelControls, RejectedTargetKeepsTheOldOne) {
    WindowFixture f;
    TableWindow& form = f.open();
    OptionsPanel* panel = form.optionsPanel();
    typeInto(panel->until, "50");
    click(panel->dxButton3);
    EXPECT_EQ(f.state.untilMargin, 600);
    EXPECT_EQ(f.file.readInteger("Cash", "until", -1), -1);
    typeInto(panel->until, "800");
    click(panel->dxButton3);
    EXPECT_EQ(f.state.untilMargin, 800);
    EXPECT_EQ(f.file.readInteger("Cash", "until", -1), 800);
    ASSERT_EQ(f.messages.size(), 2u);
    EXPECT_TRUE(f.messages[1].startsWith("New until value confirmation|"));
}

TEST(OptionsPanelControls, ArrowsSetTheLimitsOfThePositionBeforeThePress) {
    WindowFixture f;
    TableWindow& form = f.open();
    OptionsPanel* panel = form.optionsPanel();
    QLabel* small = form.label(Label::smallBetSize);
    QLabel* big = form.label(Label::bigBetSize);

    click(panel->upDownLeft);
    EXPECT_EQ(panel->upDownPosition(), 1);
    EXPECT_EQ(small->text(), "2");
    EXPECT_EQ(big->text(), "4");

    click(panel->upDownRight);
    EXPECT_EQ(panel->upDownPosition(), 2);
    EXPECT_EQ(small->text(), "2");
    click(panel->upDownRight);
    EXPECT_EQ(panel->upDownPosition(), 3);
    EXPECT_EQ(small->text(), "4");
    EXPECT_EQ(big->text(), "8");
    for (int i = 0; i < 3; ++i)
        click(panel->upDownRight);
    EXPECT_EQ(panel->upDownPosition(), 5);
    EXPECT_EQ(small->text(), "10");
    EXPECT_EQ(big->text(), "20");
    EXPECT_EQ(f.state.smallBet, 10);
    EXPECT_EQ(f.file.readInteger("Bet", "Big", -1), 20);
}

TEST(OptionsPanelControls, CardBackLevelAndSoundAreStoredAtOnce) {
    WindowFixture f;
    TableWindow& form = f.open();
    form.show();
    OptionsPanel* panel = form.optionsPanel();
    click(f.named("dxButton6"));

    click(panel->cardbacks->button(7));
    EXPECT_EQ(f.state.cardBackImage, 59);
    EXPECT_EQ(f.file.readInteger("Card", "back", -1), 59);

    click(panel->Levels->button(3));
    EXPECT_EQ(f.state.aiLevelCode, 900);
    EXPECT_EQ(f.file.readInteger("Levels", "comp", -1), 900);
    // The level already chosen is written again.
    f.file.writeInteger("Levels", "comp", 1);
    click(panel->Levels->button(3));
    EXPECT_EQ(f.file.readInteger("Levels", "comp", -1), 900);

    click(panel->SoundOff1);
    EXPECT_EQ(panel->SoundOff1->text(), "Off");
    EXPECT_EQ(f.file.readInteger("Settings", "Sound", -1), 0);
    click(panel->SoundOff1);
    EXPECT_EQ(panel->SoundOff1->text(), "On");
    EXPECT_EQ(f.file.readInteger("Settings", "Sound", -1), 1);
    EXPECT_TRUE(f.messages.empty());
}

} // namespace tavolier::uitest
