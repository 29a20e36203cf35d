#pragma once

#include <QCoreApplication>

#include "core/random.h"
#include "core/table_state.h"
#include "core/table_view.h"
#include "game/game.h"
#include "game/table.h"
#include "presentation/match_statistics.h"
#include "presentation/style_statistics.h"
#include "presentation/table_marks.h"
#include "presentation/turn_steps.h"
#include "settings/opponents_pace.h"
#include "settings/settings_store.h"
#include "ui/assets.h"
#include "ui/fonts.h"
#include "ui/handler_guard.h"
#include "ui/sound_cues.h"
#include "ui/sound_loader.h"
#include "ui/statistics_window.h"
#include "ui/table_canvas.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QTimer;

namespace tavolier {

class OptionsController;
class OptionsPanel;
class Playback;
class RulesDialog;
class TableAccessibility;
class TableStory;
class TableMarksView;

// How the window is set up; the defaults are the game's, tests change them.
struct WindowOptions {
    QStringList assetDirs = defaultAssetDirs();
    // Device pixel ratio of the canvas; 0 takes the screen's.
    qreal scale = 0;
    // False keeps the sound output closed (tests, machines without audio).
    bool audio = true;
    // Makes the sound player; empty loads the sound module after the first
    // frame (tests link the player instead).
    SoundFactory soundFactory;
    // False leaves the three timers stopped at start-up (tests tick by hand).
    bool runTimers = true;
    // Messages and questions go to these instead of modal boxes when set
    // (tests); they are in place before the start-up runs.
    MessageHook messageHook;
    std::function<bool(const QString& text, const QString& caption)> questionHook;
    // Errors a handler ends with go here, with their detail, when set (tests).
    ErrorHook errorHook;
    // Where the hand-history files go; empty takes the user's data folder.
    QString historyFolder;
    // False shows every turn at once whatever the opponents' pace (tests).
    bool playback = true;
    // Where the sound module and the Statistics window's chart plugin are
    // looked for.
    QStringList pluginDirs = defaultPluginDirs();
};

// TableWindow: the card table. A window of at least 1000 x 670 whose table is a
// retained canvas (TableCanvas): the core stamps pictures into it and
// paintEvent only shows it. Labels and buttons are real widgets over the
// canvas, from one table of controls. The window is the coordinator: it is the
// game's TableView, wires the controls, the options panel, the playback and
// the sound, and runs every handler inside one guard, so a refused settings
// write ends the handler with a message and the game goes on.
class TableWindow : public QWidget, public TableView {
    Q_DECLARE_TR_FUNCTIONS(TableWindow)

public:
    TableWindow(TableState& state, Random& random, SettingsStore& settings,
        WindowOptions options = {}, QWidget* parent = nullptr);
    ~TableWindow() override;

    // The table the handlers work on.
    [[nodiscard]] Table& table() { return m_table; }
    [[nodiscard]] Game& game() { return m_game; }
    // The game events of the table: add a listener to hear them.
    [[nodiscard]] EventFanOut& gameEvents() { return m_events; }
    // The retained canvas, at the device pixel ratio of the window.
    [[nodiscard]] const QImage& canvas() const { return m_canvas.image(); }
    // The options panel; it is built after the first frame (or when first
    // asked for) and what was written to it before is written then.
    [[nodiscard]] OptionsPanel* optionsPanel() const;
    [[nodiscard]] RulesDialog* aboutBox() const { return m_about; }
    [[nodiscard]] QPushButton* button(Button button) const;
    [[nodiscard]] QLabel* label(Label label) const;
    [[nodiscard]] QTimer* timer(Timer timer) const;
    // The picture list behind an ImageList.
    [[nodiscard]] const ImageStrip& strip(ImageList list) const;
    // The sound player, made at the first cue or soon after the first frame.
    [[nodiscard]] SoundCues& sound();
    // The hand history, the costs on the buttons and the captions on the felt.
    [[nodiscard]] TableStory* story() const { return m_story.get(); }
    // The turn being played back at the opponents' pace.
    [[nodiscard]] Playback* playback() const { return m_playback; }
    // Between the game and the screen: records a turn for the playback and
    // passes the game events on as their step is shown.
    [[nodiscard]] TurnSteps& turnSteps() { return m_turnSteps; }
    [[nodiscard]] const MatchStatistics& statistics() const { return m_statistics; }
    // Each seat's style this session, as the Statistics window shows it.
    [[nodiscard]] const StyleStatistics& styles() const { return m_styles; }
    // The button, blinds, bets, street and turn marks on the felt.
    [[nodiscard]] const TableMarks& marks() const { return m_marks; }
    [[nodiscard]] TableMarksView* marksView() const { return m_marksView; }
    // The Statistics window once it has been opened, else null.
    [[nodiscard]] StatisticsWindow* statisticsWindow() const { return m_statisticsWindow; }
    // "Statistics" (and the key S): opens the window, or brings it forward.
    void openStatistics();

    // Runs one handler: a refused settings write (or any other error) ends it
    // with a message box, and nothing crosses the event loop. Then the
    // buttons' costs are shown as the handler left them.
    void guarded(const std::function<void()>& handler);

    // Places the window in the middle of its screen.
    void centreOnScreen();

    // TableView
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
    bool ask(std::string_view text, std::string_view caption) override;
    void startTimer(Timer timer) override;
    void stopTimer(Timer timer) override;
    void setTimerInterval(Timer timer, int milliseconds) override;

    // Counts of alerts sounded (the missing background and sounds), for tests.
    [[nodiscard]] int beepCount() const { return m_beeps; }
    // The picture files that were missing or unreadable, each told once in
    // the log and on the table.
    [[nodiscard]] const QStringList& missingPictures() const { return m_canvas.missingPictures(); }
    [[nodiscard]] QLabel* pictureNotice() const { return m_canvas.pictureNotice(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    // The table scales with the window, keeping its proportions (black bars
    // fill the rest); the canvas moves to the 2x pictures when it grows.
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Between hands, writes what the next Deal would write first.
    void closeEvent(QCloseEvent* event) override;

public:
    // What a close keeps: the turn being played back shown to its end (so
    // the hand reaches its file), the last hand's statistics and chips
    // between hands, and the window's size. A signal to end the program and
    // the loss of the display end the session through it too.
    void endSession();
    // Whether endSession has run.
    [[nodiscard]] bool sessionEnded() const { return m_sessionEnded; }

protected:
    void leaveEvent(QEvent* event) override;
    // A portrait's tooltip: the seat's style under the Standard rules.
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Looks again at what the pointer rests on once a turn is shown whole.
    void turnShown();
    // The keyboard focus stays with the action row: an action button that
    // loses it by being barred (while a turn plays, or when the hand is
    // over) leaves it with the window instead of the next button in the tab
    // order ("New"); it goes back to the row once a button there is open.
    void focusMoved(QWidget* from, QWidget* to);
    void focusActionRow();
    // One button of the table's two rows: its name, caption, key, tip,
    // place and what a click does. A new button is one entry here.
    struct Control {
        Button id; // the action's, for the action buttons
        QString objectName;
        const char* caption;
        int key;
        const char* tip;
        QRect place;
        bool action; // plays a turn at the opponents' pace
        std::function<void()> handler;
        QPushButton* button = nullptr;
    };
    void defineControls();
    void layOutControls();
    void wireHandlers();
    // The same as guarded for a handler that cannot change what the actions
    // allow or cost (the pointer, the timers' ticks): the costs are left as
    // they are.
    void guardedDrawing(const std::function<void()>& handler);
    // guarded and guardedDrawing: the handler's errors, and the costs when
    // they may have changed.
    void runGuarded(const std::function<void()>& handler, bool costsMayChange);
    // Shows an error or notice; before the table's first frame it waits for
    // that frame, so that no box stands over an empty window.
    void tell(const HandlerError& notice);
    // Runs handler, guarded, on a click of button.
    void onClick(QPushButton* button, std::function<void()> handler);
    // The options panel's controller, with the window's guard and controls.
    void makeOptionsController();
    // True when a write to a control of the panel must wait for the panel:
    // it is kept and made when the panel is built.
    bool laterOnPanel(bool onPanel, std::function<void()> write);
    // Decodes the pictures the first frame did not need and loads the sound
    // module, on worker threads.
    void afterFirstFrame();
    void aboutbox();
    // What Check/Call and Raise cost now, on their tooltips and under them,
    // and the marks that follow the legal actions and the playback.
    void showCosts();
    void showCues();
    // The marks heard an event: the human's best hand is named again.
    void marksChanged();
    // The line on the felt that says what to do: the first start's hint
    // until the first Deal, the result and "New" once a match is over.
    void showHint();
    // "Game over": one box with "New match" (Enter) and a way to look at
    // the table first.
    void announceMatchEnd(const QString& text, const QString& caption);
    // Why the match ended, "(Carlos reached 1800 chips)", and every seat's
    // final chips, the most first.
    // said: the box's words ("Cindy wins"), when the event is still to come.
    [[nodiscard]] QString matchEndReason(
        std::optional<MatchEnded> end, const QString& said = QString()) const;
    [[nodiscard]] QString finalChips() const;
    // "New", as the top row's button does it; confirmed skips the question.
    void startNewMatch(bool confirmed);
    // Places and sizes every control of the table (and of the options
    // panel) for the zoom: their 1x places are kept the first time.
    void zoomControls();
    // Paints the canvas again at another resolution (new pictures, the
    // table redrawn from the state).
    void setCanvasScale(qreal scale);

    // First: the fonts are read while the rest is built.
    FontsAhead m_fonts;
    EventFanOut m_events;
    // Declared before the table, whose screen it is.
    TurnSteps m_turnSteps;
    // The table's settings: a refused write is told once and play goes on.
    ResilientSettings m_settings;
    Table m_table;
    Game m_game { m_table };
    WindowOptions m_options;
    AssetFinder m_finder;
    TableCanvas m_canvas { *this, m_finder };

    std::array<QLabel*, kLabelCount> m_labels {};
    std::array<QPushButton*, kButtonCount> m_buttons {};
    std::array<QTimer*, 3> m_timers {};
    std::vector<Control> m_controls;
    std::unique_ptr<OptionsController> m_optionsController;
    OptionsPanel* m_panel = nullptr; // once built
    RulesDialog* m_about = nullptr;
    SoundLoader m_sound;
    std::unique_ptr<TableStory> m_story;
    Playback* m_playback = nullptr;
    // The stored opponents' pace, read once at start-up and kept as the pace
    // box changes it (the box shows it when the panel is built).
    OpponentsPace m_pace = kDefaultPace;
    MatchStatistics m_statistics;
    StyleStatistics m_styles; // each seat's style this session
    TableMarks m_marks;
    TableMarksView* m_marksView = nullptr;
    // The table's state and news for assistive technology.
    TableAccessibility* m_accessibility = nullptr;
    // The human's best hand so far, named by the rules in play.
    QString m_humanHand;
    // The settings file did not exist at start-up: the hint shows until the
    // first Deal.
    bool m_firstStart = false;
    bool m_dealtOnce = false;
    // "New match" was chosen in the match-end box: "Are you sure?" is
    // answered already.
    bool m_newMatchConfirmed = false;
    // "Game over" was shown for the match end under way: the match's other
    // announcements are not.
    bool m_matchEndAnnounced = false;
    QLabel* m_hint = nullptr;
    StatisticsWindow* m_statisticsWindow = nullptr;
    int m_beeps = 0;
    bool m_firstFrame = false;
    bool m_sessionEnded = false;
    // What the start-up had to say, shown once the table is on screen.
    std::vector<std::function<void()>> m_afterFirstFrame;
    // Where the pointer rests on the canvas, if it does.
    std::optional<QPoint> m_pointer;
    // The action button whose focus the window holds while the row is barred.
    QPushButton* m_focusParkedFrom = nullptr;
};

} // namespace tavolier
