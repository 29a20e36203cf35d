// The playback's recording: a turn's screen effects come back in the order
// the game made them, cut into steps at the opponents' actions and the
// streets dealt, with the game events at their place.
#include "core/random.h"
#include "core/table_state.h"
#include "doubles/event_recorder.h"
#include "doubles/recording_view.h"
#include "game/classic/hand_flow.h"
#include "game/classic/player_actions.h"
#include "game/table.h"
#include "presentation/turn_steps.h"
#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolier::testing {

namespace {

// Writes every event it hears into the same log as the screen's effects.
class EventLog : public GameEvents {
public:
    explicit EventLog(std::vector<std::string>& log)
        : m_log(log) { }
    void handStarted(const HandStarted& e) override {
        m_log.push_back("event hand " + std::to_string(e.handNumber));
    }
    void actionTaken(const ActionTaken& e) override {
        m_log.push_back("event action " + std::to_string(e.seat.number()));
    }
    void streetDealt(const StreetDealt& e) override {
        m_log.push_back("event street " + std::to_string(static_cast<int>(e.street)));
    }
    void handEnded(const HandEnded& e) override {
        m_log.push_back("event end " + std::to_string(e.handNumber));
    }

private:
    std::vector<std::string>& m_log;
};

// One table whose screen is a recording view, seen either directly or
// through the playback's recording.
struct PlayedTable {
    explicit PlayedTable(bool throughSteps)
        : random(Random::splitMix64(2024))
        , steps(view)
        , table(state, random, throughSteps ? static_cast<TableView&>(steps) : view, settings,
              throughSteps ? static_cast<GameEvents&>(steps) : nobody) { }

    TableState state;
    Random random;
    RecordingView view;
    MemorySettings settings;
    TurnSteps steps;
    GameEvents nobody;
    Table table;
};

// Plays hands with the human checking and calling down; every click goes
// through click(), which the caller wraps as it likes.
template <typename Click> void playHands(PlayedTable& t, int hands, Click click) {
    prepareStartUp(t.table, false);
    startupDeal(t.table);
    int dealt = 1;
    for (int press = 0; press < hands * 12 && dealt <= hands; ++press) {
        if (legalActions(t.state).deal) {
            click([&] { deal(t.table); });
            ++dealt;
        } else if (legalActions(t.state).checkOrCall) {
            click([&] { checkOrCall(t.table); });
        } else {
            break;
        }
    }
}

} // namespace

TEST(TurnSteps, OutsideATurnEffectsAndEventsPassStraightThrough) {
    RecordingView screen;
    TurnSteps steps(screen);
    std::vector<std::string> heard;
    EventLog log(heard);
    steps.shownEvents().add(log);

    steps.setLabelText(Label::chongStatus, "Calls");
    steps.actionTaken(testing::callBy(7));
    EXPECT_EQ(screen.log(), std::vector<std::string> { "text freakstatus=Calls" });
    EXPECT_EQ(heard, std::vector<std::string> { "event action 7" });
    EXPECT_EQ(steps.stepsLeft(), 0u);
}

TEST(TurnSteps, ARecordedTurnIsCutAtEachActionAndStreetAndComesBackInOrder) {
    RecordingView screen;
    TurnSteps steps(screen);
    std::vector<std::string> heard;
    EventLog log(heard);
    steps.shownEvents().add(log);

    steps.beginTurn();
    steps.setLabelText(Label::humanStatus, "Calls");
    steps.actionTaken(testing::callBy(8));
    steps.setLabelText(Label::chongStatus, "Calls");
    steps.setLabelText(Label::chongChips, "1196");
    steps.actionTaken(testing::callBy(7));
    steps.setLabelText(Label::jackStatus, "Folds");
    steps.actionTaken(testing::callBy(6));
    steps.stamp(ImageList::cards, 3, 325, 310);
    steps.playSound("card1.wav");
    StreetDealt flop;
    steps.streetDealt(flop);
    steps.setButtonEnabled(Button::checkOrCall, true);
    steps.endTurn();

    // Nothing reached the screen or the listeners while the turn was recorded.
    EXPECT_TRUE(screen.log().empty());
    EXPECT_TRUE(heard.empty());
    // The buttons made ready at the end show nothing while the turn plays:
    // they close the street's step rather than wait for a pause of their own.
    EXPECT_EQ(steps.stepSizes(), (std::vector<std::size_t> { 2, 3, 2, 4 }));

    ASSERT_TRUE(steps.applyNextStep());
    EXPECT_EQ(screen.log(), std::vector<std::string> { "text playerstatus=Calls" });
    EXPECT_EQ(heard, std::vector<std::string> { "event action 8" });
    ASSERT_TRUE(steps.applyNextStep());
    EXPECT_EQ(screen.text(Label::chongChips), "1196");
    EXPECT_EQ(screen.text(Label::jackStatus), "");
    steps.applyAll();
    EXPECT_FALSE(steps.applyNextStep());
    EXPECT_EQ(screen.log(),
        (std::vector<std::string> { "text playerstatus=Calls", "text freakstatus=Calls",
            "text lblfcash=1196", "text geekstatus=Folds", "stamp cards 3 325,310",
            "sound card1.wav", "enable btnstay=1" }));
    EXPECT_EQ(heard,
        (std::vector<std::string> {
            "event action 8", "event action 7", "event action 6", "event street 2" }));
}

TEST(TurnSteps, ASoundOrTheActorsOwnLabelAfterTheCutStaysWithItsStep) {
    RecordingView screen;
    TurnSteps steps(screen);
    steps.beginTurn();
    // The human's call is reported before the human's chips are shown.
    steps.setLabelText(Label::humanStatus, "");
    steps.actionTaken(testing::callBy(8));
    steps.setLabelText(Label::humanChips, "1190");
    steps.setLabelText(Label::chongStatus, "Calls");
    steps.actionTaken(testing::callBy(7));
    // A street's cards, its event, then its card sound.
    steps.stamp(ImageList::cards, 3, 325, 310);
    steps.streetDealt(StreetDealt {});
    steps.playSound("card2.wav");
    // Another seat's label after the cut opens the next step.
    steps.setLabelText(Label::humanChips, "1180");
    steps.endTurn();
    EXPECT_EQ(steps.stepSizes(), (std::vector<std::size_t> { 3, 2, 3, 1 }));

    steps.applyNextStep();
    EXPECT_EQ(screen.text(Label::humanChips), "1190");
    EXPECT_EQ(screen.text(Label::chongStatus), "");
    steps.applyNextStep();
    steps.applyNextStep();
    EXPECT_EQ(screen.sounds(), std::vector<std::string> { "sound card2.wav" });
    EXPECT_EQ(screen.text(Label::humanChips), "1190");
    steps.applyAll();
    EXPECT_EQ(screen.log(),
        (std::vector<std::string> { "text playerstatus=", "text cash=1190",
            "text freakstatus=Calls", "stamp cards 3 325,310", "sound card2.wav",
            "text cash=1180" }));
}

TEST(TurnSteps, AStepThatOnlyChangesButtonsIsNoStepOfItsOwn) {
    RecordingView screen;
    TurnSteps steps(screen);
    steps.beginTurn();
    steps.setLabelText(Label::chongStatus, "Raises");
    steps.actionTaken(testing::callBy(7));
    steps.setButtonCaption(Button::checkOrCall, "Call");
    steps.actionTaken(testing::callBy(6));
    steps.setLabelText(Label::jackStatus, "Calls");
    steps.actionTaken(testing::callBy(6));
    steps.setButtonEnabled(Button::raise, false);
    steps.endTurn();
    EXPECT_EQ(steps.stepSizes(), (std::vector<std::size_t> { 2, 5 }));
}

TEST(TurnSteps, EventsWithoutEffectsBetweenThemStayInOneStep) {
    RecordingView screen;
    TurnSteps steps(screen);
    steps.beginTurn();
    steps.actionTaken(testing::callBy(7));
    steps.actionTaken(testing::callBy(6));
    steps.setLabelText(Label::carlosStatus, "Calls");
    steps.actionTaken(testing::callBy(5));
    steps.endTurn();
    EXPECT_EQ(steps.stepSizes(), std::vector<std::size_t> { 4 });
}

TEST(TurnSteps, AQuestionShowsWhatWasRecordedFirstAndRecordingGoesOn) {
    RecordingView screen;
    screen.answers = { false };
    TurnSteps steps(screen);
    steps.beginTurn();
    steps.setLabelText(Label::pot, "6");
    EXPECT_FALSE(steps.ask("Are you sure?", "New game"));
    steps.setLabelText(Label::pot, "8");
    steps.endTurn();
    EXPECT_EQ(screen.log(),
        (std::vector<std::string> { "text betsize=6", "ask Are you sure?|New game=0" }));
    steps.applyAll();
    EXPECT_EQ(screen.text(Label::pot), "8");
}

TEST(TurnSteps, ARecordedPaintAnswersFromTheCheckAndPaintsLater) {
    RecordingView screen;
    TurnSteps steps(screen);
    steps.setBackgroundCheck([] { return false; });
    steps.beginTurn();
    EXPECT_FALSE(steps.paintBackground());
    steps.endTurn();
    EXPECT_TRUE(screen.log().empty());
    steps.applyAll();
    EXPECT_EQ(screen.log(), std::vector<std::string> { "background" });
}

TEST(TurnSteps, ANewTurnFirstShowsWhatIsLeftOfTheLastOne) {
    RecordingView screen;
    TurnSteps steps(screen);
    steps.beginTurn();
    steps.setLabelText(Label::chongStatus, "Calls");
    steps.actionTaken(testing::callBy(7));
    steps.setLabelText(Label::jackStatus, "Calls");
    steps.endTurn();
    steps.applyNextStep();
    steps.beginTurn();
    EXPECT_EQ(screen.text(Label::jackStatus), "Calls");
    steps.setLabelText(Label::jackStatus, "Folds");
    steps.endTurn();
    steps.applyAll();
    EXPECT_EQ(screen.log().back(), "text geekstatus=Folds");
}

// Whole hands of the real game: every click recorded and played back step by
// step puts exactly the same effects on the screen, in the same order, as the
// same clicks shown at once.
TEST(TurnSteps, PlayingTurnsBackChangesNeitherTheEffectsNorTheirOrder) {
    PlayedTable direct(false);
    playHands(direct, 30, [](auto handler) { handler(); });

    PlayedTable played(true);
    std::size_t turns = 0;
    std::size_t steps = 0;
    playHands(played, 30, [&](auto handler) {
        played.steps.beginTurn();
        handler();
        played.steps.endTurn();
        ++turns;
        while (played.steps.applyNextStep())
            ++steps;
    });

    ASSERT_GT(direct.view.log().size(), 1000u);
    EXPECT_EQ(played.view.log(), direct.view.log());
    EXPECT_EQ(played.random.drawCount(), direct.random.drawCount());
    // Spread out: the opponents' actions came in steps of their own, several
    // to a click on the average.
    EXPECT_GT(steps, 3 * turns);
}

} // namespace tavolier::testing
