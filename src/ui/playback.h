#pragma once

#include "core/table_view.h"
#include "presentation/turn_steps.h"
#include "settings/opponents_pace.h"

#include <QObject>

#include <array>
#include <functional>

class QPushButton;
class QTimer;
class QWidget;

namespace tavolier {

// Plays a turn back at the opponents' pace. The game runs the whole turn
// inside the click, as always; its effects are recorded into steps (one per
// opponent's action or street dealt) and shown one step at a time with a
// pause between them. While a turn plays the action buttons wait; a click on
// the table or any key in the window shows the rest at once, and a click on
// another control of the window (New, Options, the panel) first shows the
// rest and then does its work. Timers, the hover peek and the odds badge
// go on as usual meanwhile.
class Playback : public QObject {
public:
    // window: the table window; actions: its four action buttons; wanted:
    // whether the game wants an action button enabled (after the whole turn).
    Playback(TurnSteps& steps, QWidget& window, std::array<QPushButton*, 4> actions,
        std::function<bool(Button)> wanted);
    ~Playback() override;

    void setPace(OpponentsPace pace) { m_pace = pace; }
    [[nodiscard]] OpponentsPace pace() const { return m_pace; }

    // Runs the handler of a click that plays a turn. At Instant it simply
    // runs; otherwise its effects come back step by step.
    void runTurn(const std::function<void()>& handler);

    // A turn is being played back.
    [[nodiscard]] bool playing() const { return m_playing; }
    // Shows the rest of the turn at once.
    void finish();
    // Runs after a played-back turn has been shown whole.
    void setOnShown(std::function<void()> shown) { m_onShown = std::move(shown); }
    // The pause between two steps, in milliseconds.
    [[nodiscard]] int pause() const { return pauseMilliseconds(m_pace); }
    // Shows the next step now instead of after the pause (what the timer does).
    void showNextStep() { next(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void start();
    void next();
    void stop();
    void holdActions();
    [[nodiscard]] bool inWindow(QObject* object) const;
    // A press on the table itself or on an action button: it only skips.
    [[nodiscard]] bool pressOnlySkips(QObject* object) const;

    TurnSteps& m_steps;
    QWidget& m_window;
    std::array<QPushButton*, 4> m_actions;
    std::function<bool(Button)> m_wanted;
    std::function<void()> m_onShown;
    QTimer* m_timer = nullptr;
    OpponentsPace m_pace = kDefaultPace;
    bool m_playing = false;
    // A step is being applied (it may hold a modal message open).
    bool m_applying = false;
    bool m_finishAsked = false;
};

} // namespace tavolier
