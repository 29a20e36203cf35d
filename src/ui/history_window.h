#pragma once

#include "presentation/hand_history.h"

#include <QWidget>

#include <functional>

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
// (Ctrl+C or "Copy hand"). It remembers its size and place in the settings
// file's "History" section.
class HistoryWindow : public QWidget {
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

    [[nodiscard]] QTreeWidget* handList() const { return m_list; }
    [[nodiscard]] QCheckBox* saveToFileBox() const { return m_saveToFile; }
    [[nodiscard]] QLabel* notice() const { return m_notice; }
    // Every line of hand index as shown, cards as glyphs (tests).
    [[nodiscard]] QStringList linesOf(std::size_t index) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void rebuild(QTreeWidgetItem* row, const HandRecord& hand);
    void storePlace();
    // H and Escape close the window; D, C, R and F go to the table.
    bool tableKey(QKeyEvent* event);
    [[nodiscard]] QPoint besideTheTable() const;
    [[nodiscard]] int handOf(const QTreeWidgetItem* item) const;

    const HandHistory& m_history;
    SettingsStore& m_settings;
    QWidget* m_table;
    QTreeWidget* m_list = nullptr;
    QCheckBox* m_saveToFile = nullptr;
    QPushButton* m_copy = nullptr;
    QLabel* m_notice = nullptr;
    bool m_placed = false;
};

} // namespace tavolier
