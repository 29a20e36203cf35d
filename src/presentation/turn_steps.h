#pragma once

#include "core/game_events.h"
#include "core/table_view.h"

#include <array>
#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tavolier {

// Sits between the game and the screen so that the window can play a turn
// back at the opponents' pace. Outside a recorded turn every effect goes
// straight to the screen and every event straight to the listeners. While a
// turn is recorded (the game runs the whole turn inside one click) the
// effects and the events are kept in the order they came and cut into steps:
// an opponent's action and a street dealt each begin a new step. The window
// then applies the steps one by one with a pause between them; the effects
// reach the screen in exactly the order the game made them, and the events
// reach the listeners at the moment their step is shown.
class TurnSteps final : public TableView, public GameEvents {
public:
    explicit TurnSteps(TableView& screen);
    TurnSteps(const TurnSteps&) = delete;
    TurnSteps& operator=(const TurnSteps&) = delete;

    // The listeners that hear the events as the screen shows them.
    [[nodiscard]] EventFanOut& shownEvents() { return m_shown; }

    // What paintBackground() answers while a turn is recorded (the picture is
    // painted later); without it a recorded paint answers true.
    void setBackgroundCheck(std::function<bool()> check) { m_backgroundCheck = std::move(check); }

    // Records from here: the steps of a turn still being played back are
    // applied first, so nothing overtakes them.
    void beginTurn();
    // Stops recording; the recorded steps wait for applyNextStep.
    void endTurn();
    [[nodiscard]] bool recording() const { return m_recording; }

    // Steps recorded and not yet applied. A step holds at least one effect or
    // event.
    [[nodiscard]] std::size_t stepsLeft() const { return m_steps.size(); }
    // Applies the oldest step; false when none was left.
    bool applyNextStep();
    // Applies every step left, at once.
    void applyAll();
    // Steps cut so far in the turn being recorded (tests).
    [[nodiscard]] std::vector<std::size_t> stepSizes() const;

    // Runs action now, or in its place in the turn being recorded (the
    // window's own message when a handler fails).
    void deferred(std::function<void()> action) { effect(std::move(action)); }

    // TableView: straight to the screen, or recorded.
    void setLabelText(Label label, std::string_view text) override;
    void setLabelColor(Label label, std::uint32_t rgb) override;
    void setLabelStyle(Label label, FontStyle style) override;
    void refreshLabel(Label label) override;
    void setButtonCaption(Button button, std::string_view caption) override;
    void setButtonEnabled(Button button, bool enabled) override;
    void setEditText(Edit edit, std::string_view text) override;
    void selectRadio(RadioGroup group, int item) override;
    void showOptionsPanel(bool shown) override;
    bool paintBackground() override;
    void stamp(ImageList list, int index, int x, int y) override;
    void clearArea(Rect area) override;
    void playSound(std::string_view file) override;
    void beep() override;
    void message(std::string_view text, std::string_view caption) override;
    // A question needs its answer now: what was recorded is shown first.
    bool ask(std::string_view text, std::string_view caption) override;
    void startTimer(Timer timer) override;
    void stopTimer(Timer timer) override;
    void setTimerInterval(Timer timer, int milliseconds) override;

    // GameEvents: straight to the listeners, or recorded; an opponent's
    // action and a street dealt begin a new step.
    void handStarted(const HandStarted& e) override;
    void blindPosted(const BlindPosted& e) override;
    void actionTaken(const ActionTaken& e) override;
    void betReturned(const BetReturned& e) override;
    void streetDealt(const StreetDealt& e) override;
    void handShown(const HandShown& e) override;
    void potAwarded(const PotAwarded& e) override;
    void handEnded(const HandEnded& e) override;
    void matchEnded(const MatchEnded& e) override;

private:
    // One recorded effect or event; a step without a single effect shows
    // nothing, so it is never cut off on its own.
    // The buttons wait while a turn plays, so a step that only changes a
    // button shows nothing either.
    struct Item {
        std::function<void()> run;
        bool shows = true;
    };
    using Step = std::vector<Item>;

    // Runs an effect now, or keeps it in the current step while recording.
    // An effect that would open a step stays with the step before when it
    // completes that step's picture: a sound (the card sound after the cards
    // of a street), or a label of the seat whose action ended the step (the
    // human's chips after the human's call). The order is kept either way.
    void effect(std::function<void()> run, int seat = 0, bool sound = false);
    // An effect that shows nothing new (a button while the turn plays, a
    // label written with what it shows): recorded like any other, in its
    // place, but it neither needs a pause nor opens a step.
    void quietEffect(std::function<void()> run);
    [[nodiscard]] static bool shows(const Step& step);
    // Passes an event on now, or keeps it in the current step.
    void event(std::function<void()> run);
    // Ends the current step when it shows something.
    void cut(int actor);
    static void apply(Step& step);

    TableView& m_screen;
    EventFanOut m_shown;
    std::function<bool()> m_backgroundCheck;
    bool m_recording = false;
    std::deque<Step> m_steps;
    // The seat whose action ended the last step (0 after a street).
    int m_lastActor = 0;
    // Each label's text and colour as the screen shows them once every
    // recorded step is applied: writing a label again with what it already
    // shows changes nothing (a check before the flop pays nothing and keeps
    // the seat's label), so it takes no step of its own.
    std::array<std::optional<std::string>, kLabelCount> m_text;
    std::array<std::optional<std::uint32_t>, kLabelCount> m_colour;
};

} // namespace tavolier
