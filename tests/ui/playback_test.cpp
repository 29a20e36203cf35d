// The opponents' pace in the window: a turn's effects come out one step at a
// time, the action buttons and keys wait meanwhile, and a click or a key
// shows the rest at once.
#include "doubles/event_recorder.h"
#include "settings/opponents_pace.h"
#include "ui/options_panel.h"
#include "ui/playback.h"
#include "ui_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <QtTest/QTest>

namespace tavolier::uitest {

namespace {

// A turn as the game would report it: the human calls, three opponents act
// one after the other, each with its effects and its event.
void scriptedTurn(TableWindow& form) {
    TableView& view = form.table().view;
    GameEvents& events = form.turnSteps();
    view.setLabelText(Label::humanStatus, "Calls");
    events.actionTaken(testing::callBy(8));
    view.setLabelText(Label::chongStatus, "Calls");
    view.setLabelText(Label::chongChips, "1150");
    events.actionTaken(testing::callBy(7));
    view.setLabelText(Label::jackStatus, "Folds");
    events.actionTaken(testing::callBy(6));
    view.setLabelText(Label::carlosStatus, "Raises");
    view.setLabelText(Label::pot, "99");
    events.actionTaken(testing::callBy(5));
    view.setButtonCaption(Button::checkOrCall, "Call");
    form.table().setButtonEnabled(Button::raise, false);
}

struct PlayedWindow {
    explicit PlayedWindow(OpponentsPace pace = OpponentsPace::normal) {
        f.playback = true;
        f.file.writeInteger("Settings", "Pace", static_cast<std::int32_t>(pace));
        f.open().show();
    }
    TableWindow& form() { return f.form(); }
    QString text(Label label) { return form().label(label)->text(); }
    WindowFixture f;
};

} // namespace

TEST(WindowPlayback, ATurnComesOutOneStepAtATimeAtThePaceChosen) {
    PlayedWindow w;
    Playback& playback = *w.form().playback();
    EXPECT_EQ(playback.pace(), OpponentsPace::normal);
    EXPECT_EQ(w.form().optionsPanel()->pace->currentText(), "Normal");

    playback.runTurn([&] { scriptedTurn(w.form()); });
    // The click's own effect shows at once; the opponents wait their turn.
    EXPECT_TRUE(playback.playing());
    EXPECT_EQ(w.text(Label::humanStatus), "Calls");
    EXPECT_EQ(w.text(Label::chongStatus), "");
    auto* timer = playback.findChild<QTimer*>("playbacktimer");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 350);

    playback.showNextStep();
    EXPECT_EQ(w.text(Label::chongStatus), "Calls");
    EXPECT_EQ(w.text(Label::chongChips), "1150");
    EXPECT_EQ(w.text(Label::jackStatus), "");
    playback.showNextStep();
    EXPECT_EQ(w.text(Label::jackStatus), "Folds");
    EXPECT_EQ(w.text(Label::carlosStatus), "");
    EXPECT_TRUE(playback.playing());

    // The timer shows the rest on its own.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !playback.playing(); }, 5000));
    EXPECT_EQ(w.text(Label::carlosStatus), "Raises");
    EXPECT_EQ(w.text(Label::pot), "99");
    EXPECT_EQ(w.form().button(Button::checkOrCall)->text(), "Call");
}

TEST(WindowPlayback, TheOddsBadgeWaitsUntilTheWholeTurnIsShown) {
    // The badge would rate the turn's end (a board card not yet shown, say):
    // it keeps its question mark and draws nothing while the turn plays, and
    // rates under the resting pointer once the turn is shown whole.
    PlayedWindow w;
    TableWindow& form = w.form();
    const PresentationState& shown = form.table().presentation;
    form.playback()->runTurn([&] { scriptedTurn(form); });
    ASSERT_TRUE(form.playback()->playing());
    const auto draws = w.f.random.drawCount();
    QTest::mouseMove(&form, QPoint(326, 605));
    EXPECT_FALSE(shown.badgeRated);
    EXPECT_EQ(w.f.random.drawCount(), draws);
    // The opponents' peek keeps working meanwhile.
    QTest::mouseMove(&form, QPoint(60, 300));
    EXPECT_TRUE(shown.hoverShown[7]); // Chong
    QTest::mouseMove(&form, QPoint(326, 605));

    form.playback()->finish();
    EXPECT_TRUE(shown.badgeRated);
    EXPECT_GT(w.f.random.drawCount(), draws);
}

TEST(WindowPlayback, SlowWaitsLongerAndInstantDoesNotWaitAtAll) {
    {
        PlayedWindow w(OpponentsPace::slow);
        w.form().playback()->runTurn([&] { scriptedTurn(w.form()); });
        EXPECT_EQ(w.form().playback()->findChild<QTimer*>("playbacktimer")->interval(), 800);
    }
    PlayedWindow w(OpponentsPace::instant);
    w.form().playback()->runTurn([&] { scriptedTurn(w.form()); });
    EXPECT_FALSE(w.form().playback()->playing());
    EXPECT_EQ(w.text(Label::carlosStatus), "Raises");
}

TEST(WindowPlayback, TheActionButtonsWaitAndAClickOnOneOnlyShowsTheRest) {
    PlayedWindow w;
    TableWindow& form = w.form();
    const bool stayWanted = legalActions(w.f.state).checkOrCall;
    ASSERT_TRUE(stayWanted);
    form.playback()->runTurn([&] { scriptedTurn(form); });
    ASSERT_TRUE(form.playback()->playing());
    for (Button b : { Button::deal, Button::checkOrCall, Button::raise, Button::fold })
        EXPECT_FALSE(form.button(b)->isEnabled());
    form.playback()->showNextStep();
    EXPECT_FALSE(form.button(Button::checkOrCall)->isEnabled());

    // A press on Call while the turn plays: the rest shows, and the human
    // has not acted (no opponent was asked, nothing was drawn).
    const auto draws = w.f.random.drawCount();
    const Street street = w.f.state.street;
    QTest::mouseClick(form.button(Button::checkOrCall), Qt::LeftButton);
    EXPECT_FALSE(form.playback()->playing());
    EXPECT_EQ(w.f.random.drawCount(), draws);
    EXPECT_EQ(w.f.state.street, street);
    EXPECT_EQ(w.text(Label::carlosStatus), "Raises");
    // The buttons are as the game left them after the whole turn.
    EXPECT_EQ(form.button(Button::checkOrCall)->isEnabled(), stayWanted);
    EXPECT_FALSE(form.button(Button::raise)->isEnabled());
}

TEST(WindowPlayback, AnyKeyJumpsToTheEndWithoutActing) {
    PlayedWindow w;
    TableWindow& form = w.form();
    form.playback()->runTurn([&] { scriptedTurn(form); });
    const auto draws = w.f.random.drawCount();
    QTest::keyClick(&form, Qt::Key_C);
    EXPECT_FALSE(form.playback()->playing());
    EXPECT_EQ(w.f.random.drawCount(), draws);
    EXPECT_EQ(w.text(Label::carlosStatus), "Raises");
    EXPECT_EQ(w.text(Label::pot), "99");
    // Now C plays again.
    QTest::keyClick(&form, Qt::Key_C);
    EXPECT_GT(w.f.random.drawCount(), draws);
}

TEST(WindowPlayback, AClickOnTheTableShowsTheRest) {
    PlayedWindow w;
    TableWindow& form = w.form();
    form.playback()->runTurn([&] { scriptedTurn(form); });
    QTest::mouseClick(&form, Qt::LeftButton, Qt::NoModifier, QPoint(500, 200));
    EXPECT_FALSE(form.playback()->playing());
    EXPECT_EQ(w.text(Label::carlosStatus), "Raises");
}

TEST(WindowPlayback, TheHoverPeekAndTheBlinkGoOnWhileATurnPlays) {
    PlayedWindow w;
    TableWindow& form = w.form();
    form.playback()->runTurn([&] { scriptedTurn(form); });
    ASSERT_TRUE(form.playback()->playing());
    // A move is no click: the peek at Carlos's cards shows and the turn goes on.
    QTest::mouseMove(&form, QPoint(460, 60));
    EXPECT_TRUE(w.f.hoverShown(5));
    EXPECT_TRUE(form.playback()->playing());
    QTest::mouseMove(&form, QPoint(680, 440));
    EXPECT_FALSE(w.f.hoverShown(5));
    // The blink ticks draw as always.
    const auto draws = w.f.random.drawCount();
    QMetaObject::invokeMethod(form.timer(Timer::winktimer), "timeout");
    EXPECT_GT(w.f.random.drawCount(), draws);
    EXPECT_TRUE(form.playback()->playing());
}

TEST(WindowPlayback, AMessageComesAtItsPlaceInTheTurn) {
    PlayedWindow w;
    TableWindow& form = w.form();
    form.playback()->runTurn([&] {
        scriptedTurn(form);
        form.table().view.message("You win!", "Game over");
    });
    EXPECT_TRUE(w.f.messages.empty());
    for (int step = 0; step < 3; ++step)
        form.playback()->showNextStep();
    // The last opponent has acted; the message closes the turn.
    EXPECT_EQ(w.text(Label::carlosStatus), "Raises");
    EXPECT_TRUE(w.f.messages.empty());
    form.playback()->showNextStep();
    ASSERT_EQ(w.f.messages.size(), 1u);
    EXPECT_EQ(w.f.messages[0], "You win!|Game over");
    EXPECT_FALSE(form.playback()->playing());
}

TEST(WindowPlayback, ThePaceIsChosenOnTheOptionsPanelAndStored) {
    PlayedWindow w;
    QComboBox* pace = w.form().optionsPanel()->pace;
    EXPECT_EQ(pace->count(), 3);
    pace->setCurrentIndex(2);
    emit pace->activated(2);
    EXPECT_EQ(w.f.file.readInteger("Settings", "Pace", -1), 2);
    EXPECT_EQ(w.form().playback()->pace(), OpponentsPace::slow);
    pace->setCurrentIndex(0);
    emit pace->activated(0);
    EXPECT_EQ(w.f.file.readInteger("Settings", "Pace", -1), 0);
    EXPECT_EQ(w.form().playback()->pace(), OpponentsPace::instant);
}

TEST(WindowPlayback, ThePaceControlSitsInsideThePanelClearOfEveryPlacedControl) {
    PlayedWindow w;
    OptionsPanel* panel = w.form().optionsPanel();
    const QRect pace = panel->pace->geometry();
    EXPECT_TRUE(QRect(0, 0, 522, 431).contains(pace));
    for (QWidget* other : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other == panel->pace || other->objectName() == "Image1"
            || other->objectName() == "LabelPace")
            continue;
        EXPECT_FALSE(other->geometry().intersects(pace)) << other->objectName().toStdString();
    }
}

} // namespace tavolier::uitest

namespace tavolier::uitest {

namespace {

// Every label's text and every action button's state, to compare two tables.
QStringList screenOf(TableWindow& form) {
    QStringList screen;
    for (int l = 0; l < kLabelCount; ++l)
        screen.append(form.label(static_cast<Label>(l))->text());
    for (Button b : { Button::deal, Button::checkOrCall, Button::raise, Button::fold })
        screen.append(form.button(b)->text() + (form.button(b)->isEnabled() ? "+" : "-"));
    return screen;
}

// The action a scripted player takes now: call or check down, deal again.
QPushButton* nextAction(TableWindow& form) {
    return form.button(form.button(Button::deal)->isEnabled() ? Button::deal : Button::checkOrCall);
}

} // namespace

// The same clicks on two tables dealt alike, one shown at once and one
// played back step by step: every step shows something, the human cannot act
// until the last, and both tables end every turn looking exactly alike, down
// to the pixel.
TEST(WindowPlayback, RealTurnsPlayedBackEndExactlyAsWhenShownAtOnce) {
    WindowFixture instant(5);
    TableWindow& shown = instant.open();
    shown.show();
    WindowFixture paced(5);
    paced.playback = true;
    paced.file.writeInteger("Settings", "Pace", 1);
    TableWindow& played = paced.open();
    played.show();
    ASSERT_EQ(screenOf(played), screenOf(shown));

    int playedBack = 0;
    for (int click = 0; click < 30; ++click) {
        QPushButton* action = nextAction(shown);
        if (!action->isEnabled())
            break;
        const Button which
            = action == shown.button(Button::deal) ? Button::deal : Button::checkOrCall;
        QTest::mouseClick(action, Qt::LeftButton);
        QTest::mouseClick(played.button(which), Qt::LeftButton);
        if (played.playback()->playing()) {
            ++playedBack;
            // The buttons wait; the human cannot act until the turn is shown.
            EXPECT_FALSE(played.button(Button::fold)->isEnabled());
            const auto draws = paced.random.drawCount();
            if (click % 2 == 0) {
                // Watch it step by step, each step showing something new.
                int steps = 0;
                while (played.playback()->playing()) {
                    const QImage before = played.canvas();
                    const QStringList labels = screenOf(played);
                    played.playback()->showNextStep();
                    EXPECT_TRUE(played.canvas() != before || screenOf(played) != labels
                        || !paced.messages.empty());
                    ASSERT_LT(++steps, 100);
                }
            } else {
                // A key that would act only shows the rest.
                QTest::keyClick(&played, Qt::Key_F);
                EXPECT_FALSE(played.playback()->playing());
                EXPECT_FALSE(paced.state.seat(kHuman).folded);
            }
            EXPECT_EQ(paced.random.drawCount(), draws);
        }
        ASSERT_EQ(screenOf(played), screenOf(shown)) << "click " << click;
        ASSERT_TRUE(played.canvas() == shown.canvas()) << "click " << click;
        EXPECT_EQ(paced.messages, instant.messages);
    }
    EXPECT_GT(playedBack, 5);
}

} // namespace tavolier::uitest
