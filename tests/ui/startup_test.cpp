// The window's start-up: what a first run shows, and how stored values that
// lie outside the panel's choices are shown.
#include "ui/options_panel.h"
#include "ui/rules_dialog.h"
#include "ui_fixture.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QtTest/QTest>

namespace tavolier::uitest {

TEST(WindowStartUp, FirstRunWithoutSettingsFileShowsDefaultsAndADealtHand) {
    WindowFixture f;
    TableWindow& form = f.open();
    OptionsPanel* panel = form.optionsPanel();

    EXPECT_EQ(form.button(Button::sound)->text(), "On");
    EXPECT_EQ(OptionsPanel::selected(panel->cardbacks), 0);
    EXPECT_EQ(OptionsPanel::selected(panel->Levels), 0);
    EXPECT_EQ(panel->money->text(), "1200");
    EXPECT_EQ(panel->until->text(), "600");
    EXPECT_EQ(form.label(Label::smallBetSize)->text(), "4");
    EXPECT_EQ(form.label(Label::bigBetSize)->text(), "8");
    EXPECT_EQ(panel->upDownPosition(), 1);
    EXPECT_TRUE(panel->isHidden());

    // A hand is dealt: the blinds are in the pot and only Deal waits.
    EXPECT_FALSE(form.button(Button::deal)->isEnabled());
    EXPECT_TRUE(form.button(Button::checkOrCall)->isEnabled());
    EXPECT_TRUE(form.button(Button::fold)->isEnabled());
    EXPECT_GT(f.state.pot, 0);
    EXPECT_EQ(form.label(Label::pot)->text(), QString::number(f.state.pot));
    EXPECT_EQ(form.label(Label::humanChips)->text(), QString::number(f.state.seat(kHuman).chips));
    EXPECT_TRUE(f.messages.empty());
}

TEST(WindowStartUp, WindowIsABlackTableTitledTavolierAtLeastItsOwnSize) {
    WindowFixture f;
    TableWindow& form = f.open();
    EXPECT_EQ(form.size(), QSize(1000, 670));
    EXPECT_EQ(form.minimumSize(), QSize(1000, 670));
    EXPECT_EQ(form.windowTitle(), "Tavolier");

    // Controls stand where the table picture expects them.
    EXPECT_EQ(form.button(Button::deal)->geometry(), QRect(395, 607, 65, 33));
    EXPECT_EQ(form.button(Button::fold)->geometry(), QRect(587, 607, 65, 33));
    EXPECT_EQ(f.named("dxButton8")->geometry(), QRect(147, 3, 69, 18));
    EXPECT_EQ(form.label(Label::robertChips)->pos(), QPoint(947, 370));
    EXPECT_EQ(form.label(Label::marcStatus)->pos(), QPoint(168, 575));
    EXPECT_EQ(form.label(Label::pot)->pos(), QPoint(488, 266));
    EXPECT_EQ(form.optionsPanel()->geometry(), QRect(232, 104, 522, 431));

    // The blink runs from start-up; the two others wait for a showdown.
    EXPECT_EQ(form.timer(Timer::winktimer)->interval(), 300);
    EXPECT_EQ(form.timer(Timer::wintimer)->interval(), 80);
    EXPECT_EQ(form.timer(Timer::goldtimer)->interval(), 150);
    EXPECT_FALSE(form.timer(Timer::wintimer)->isActive());
}

TEST(WindowStartUp, StoredCardBackPastTheEndSelectsTheLastItem) {
    WindowFixture f;
    f.file.writeInteger("Card", "back", 52 + 9);
    TableWindow& form = f.open();
    EXPECT_EQ(OptionsPanel::selected(form.optionsPanel()->cardbacks), 7);
    EXPECT_EQ(f.state.cardBackImage, 61);
}

TEST(WindowStartUp, StoredLevelCodeOutsideTheTableSelectsNoLevel) {
    WindowFixture f;
    f.file.writeInteger("Levels", "comp", 500);
    f.file.writeInteger("Settings", "Sound", 0);
    TableWindow& form = f.open();
    EXPECT_EQ(OptionsPanel::selected(form.optionsPanel()->Levels), -1);
    EXPECT_EQ(form.button(Button::sound)->text(), "Off");
}

TEST(WindowStartUp, AStartingStackThatCannotStartAMatchFallsBackAndIsTold) {
    WindowFixture f;
    f.file.writeInteger("Cash", "initial", -5);
    f.file.writeInteger("Cash", "player", 2147483647);
    TableWindow& form = f.open();
    EXPECT_EQ(f.state.initialChips, 1200);
    // The human's stack fell back before the blinds, which it may have paid.
    EXPECT_LE(f.state.seat(8).chips, 1200);
    EXPECT_GE(f.state.seat(8).chips, 1200 - f.state.bigBet);
    ASSERT_EQ(f.messages.size(), 1u);
    EXPECT_TRUE(f.messages[0].startsWith("Some values in the settings file"))
        << f.messages[0].toStdString();
    (void)form;
}

TEST(WindowStartUp, TheStoredSizeIsHeldToTheScreen) {
    WindowFixture f;
    f.file.writeInteger("Settings", "WindowWidth", 7680);
    f.file.writeInteger("Settings", "WindowHeight", 4320);
    TableWindow& form = f.open();
    const QSize room = form.screen()->availableGeometry().size();
    EXPECT_LE(form.width(), std::max(1000, room.width()));
    EXPECT_LE(form.height(), std::max(670, room.height()));
}

TEST(RulesDialog, IsBuiltOnceAndShownModallyByAbout) {
    WindowFixture f;
    TableWindow& form = f.open();
    RulesDialog* about = form.aboutBox();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "Texas hold'em rules");
    EXPECT_EQ(about->size(), QSize(421, 631));
    auto* ok = about->findChild<QPushButton*>("OKButton");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(ok->geometry().topLeft(), QPoint(168, 592));
    EXPECT_EQ(ok->width(), 81);
    auto* picture = about->findChild<QLabel*>("Image1");
    ASSERT_NE(picture, nullptr);

    // "About" returns once the dialog's OK closes it; the rules picture is
    // there while it is open.
    bool wasModal = false;
    bool pictureShown = false;
    QTimer::singleShot(50, about, [&] {
        wasModal = about->isVisible() && about->isModal();
        pictureShown = !picture->pixmap().isNull();
        ok->click();
    });
    f.named("dxButton8")->click();
    EXPECT_TRUE(wasModal);
    EXPECT_TRUE(pictureShown);
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(form.aboutBox(), about);
}

} // namespace tavolier::uitest
