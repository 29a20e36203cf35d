#pragma once

#include <QCoreApplication>

#include "presentation/hand_history.h"
#include "ui/table_texts.h"

#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tavolier {

class SettingsStore;

// "Hand history": a non-modal window beside the table that tells the hands
// of this session, newest last, the current one growing as it is played.
// Each hand is a row that opens to its lines; a hand can be copied as text
// (Ctrl+C or "Copy hand"), and the selected hands or a day's file exported
// for tracking tools. It remembers its size and place in the settings file's
// "History" section.
class HistoryWindow : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(HistoryWindow)

public:
    HistoryWindow(const HandHistory& history, SettingsStore& settings, QWidget* table);
    ~HistoryWindow() override;

    // Shows the window (beside the table the first time) and gives it the keys.
    void open();
    // The record of hand index changed: its row is rebuilt.
    void handChanged(std::size_t index);

    // The "Save to file" box; changes by the player go to onSaveToFile.
    void setSaveToFile(bool on);
    std::function<void(bool)> onSaveToFile;
    // A line under the list that says why hands are not being saved; an
    // empty text takes it away.
    void showNotice(const QString& text);

    // The text of the selected hand (or the current one) as copied.
    [[nodiscard]] QString selectedHandText() const;
    void copySelectedHand();

    // Where "Export for tracking tools..." finds the days' files, and the
    // number each hand has in them.
    void setExportSource(
        std::filesystem::path folder, std::function<std::int64_t(const HandRecord&)> handId);
    // The finished hands selected, each once and in the order played, in
    // the trackers' style; the hand being read (the current row) alone when
    // it is not among them.
    [[nodiscard]] std::string selectedHandsForTrackers() const;
    // The days that have a hand-history file, newest first ("2026-12-08").
    [[nodiscard]] QStringList daysWithFiles() const;
    // All hands of the day's file in the trackers' style; empty when unreadable.
    [[nodiscard]] std::string dayForTrackers(const QString& day) const;
    // Writes an export in one step, every write checked; on failure the old
    // file stays and the reason is returned. The settings file and the
    // hand-history files are never export targets.
    [[nodiscard]] std::optional<QString> writeExport(
        const QString& path, const std::string& text) const;
    // Writes an export and says under the list what was written where ("42
    // hands written to ...") or why it could not be.
    bool exportTo(const QString& path, const std::string& text);
    // Where the save box starts: in the history folder, named for the day
    // (or for the selected hands when day is empty).
    [[nodiscard]] QString suggestedExportPath(const QString& day) const;

    [[nodiscard]] QTreeWidget* handList() const { return m_list; }
    [[nodiscard]] QPushButton* exportButton() const { return m_export; }
    [[nodiscard]] QCheckBox* saveToFileBox() const { return m_saveToFile; }
    [[nodiscard]] QLabel* notice() const { return m_notice; }
    // Every line of hand index as shown, cards as glyphs (tests).
    [[nodiscard]] QStringList linesOf(std::size_t index) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The story's words in the player's language.
    StoryWords m_words = storyWords();
    void rebuild(QTreeWidgetItem* row, const HandRecord& hand);
    // Asks what to export and where, then writes it.
    void exportForTrackers();
    void storePlace();
    // H and Escape close the window; the table's keys go to the table.
    bool tableKey(QKeyEvent* event);
    [[nodiscard]] int handOf(const QTreeWidgetItem* item) const;

    const HandHistory& m_history;
    SettingsStore& m_settings;
    QWidget* m_table;
    QTreeWidget* m_list = nullptr;
    QCheckBox* m_saveToFile = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_export = nullptr;
    std::filesystem::path m_folder;
    std::function<std::int64_t(const HandRecord&)> m_handId;
    QLabel* m_notice = nullptr;
    bool m_placed = false;
};

} // namespace tavolier
