#pragma once

#include <QCoreApplication>

#include "core/game_events.h"
#include "presentation/hand_history.h"
#include "presentation/hand_history_file.h"
#include "ui/history_window.h"
#include "ui/table_texts.h"

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QPushButton;

namespace tavolier {

class HistoryWindow;
class SettingsStore;

// Where the day's hand-history files go by default: "tavolier/history" in
// the user's data folder, $XDG_DATA_HOME when that is an absolute path and
// ~/.local/share otherwise (a relative one is ignored, as the XDG rules say,
// rather than taken from whatever folder the game was started in).
[[nodiscard]] QString defaultHistoryFolder();

// Text painted straight on the felt: engraved (dark with a light edge under
// it) or raised (light with a dark shadow). It lets the mouse through to
// the table.
class FeltText : public QLabel {
public:
    enum class Look { engraved, raised };
    FeltText(Look look, QWidget* parent);
    // High contrast: the letters on a black plate.
    void setPlate(bool plate);
    [[nodiscard]] bool plate() const { return m_plate; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Look m_look;
    bool m_plate = false;
};

// The widgets the story writes to, all owned by the table window.
struct StoryWidgets {
    QWidget* table = nullptr;
    QLabel* pot = nullptr; // betsize
    QPushButton* checkOrCall = nullptr;
    QPushButton* raise = nullptr;
};

// Everything on and beside the table that follows the money: the hand
// history (its window and its file), what Check/Call and Raise cost now,
// the "Pot" legend, the dimmed pot once it has been paid out and the
// winner's caption under the board. It reads the game events and the
// human's legal actions; it changes no rule.
class TableStory : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TableStory)

public:
    // historyFolder: where the day's files go; guard runs a settings write
    // the way the window runs its handlers.
    TableStory(StoryWidgets widgets, SettingsStore& settings, QString historyFolder,
        std::function<void(const std::function<void()>&)> guard);
    ~TableStory() override;

    // The listener to add to the game's events.
    [[nodiscard]] GameEvents& events() { return m_history; }
    [[nodiscard]] const HandHistory& history() const { return m_history; }

    // Tooltips and status tips of Check/Call and Raise from what they cost now.
    void showCosts(const LegalActions& legal);
    // Opens the "Hand history" window (made at the first opening).
    void openHistory();

    [[nodiscard]] HistoryWindow* historyWindow() const { return m_window; }
    [[nodiscard]] QLabel* winnerCaption() const { return m_caption; }
    [[nodiscard]] QLabel* potLegend() const { return m_legend; }
    [[nodiscard]] bool savingToFile() const { return m_saveToFile; }
    [[nodiscard]] bool potDimmed() const { return m_potDimmed; }
    [[nodiscard]] QString historyFolder() const { return m_folder; }

private:
    // The story's words in the player's language.
    StoryWords m_words = storyWords();
    void handChanged(std::size_t index);
    void handFinished(const HandRecord& hand);
    void setSaveToFile(bool on);

    StoryWidgets m_widgets;
    SettingsStore& m_settings;
    QString m_folder;
    std::function<void(const std::function<void()>&)> m_guard;
    HandHistory m_history;
    HandHistoryFile m_file;
    bool m_saveToFile = true;
    bool m_writeFailed = false;
    bool m_potDimmed = false;
    QString m_failure;
    FeltText* m_legend = nullptr;
    FeltText* m_caption = nullptr;
    QPointer<HistoryWindow> m_window;
};

} // namespace tavolier
