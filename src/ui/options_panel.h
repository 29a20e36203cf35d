#pragma once

#include <QCoreApplication>

#include "ui/assets.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavolier {

// Panel1: the options overlay of the table window, with its picture and
// every control at its place. It holds no logic: the window wires the
// controls to the options handlers.
class OptionsPanel : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(OptionsPanel)

public:
    OptionsPanel(const AssetFinder& finder, qreal scale, QWidget* parent);
    ~OptionsPanel() override;

    // Starts decoding the panel's picture on a worker thread; it is shown
    // (and decoded, if not yet) when the panel is first shown.
    std::shared_future<void> prefetchPicture(std::shared_future<void> after = {}) {
        return m_picture.prefetch(std::move(after));
    }

    QLineEdit* money = nullptr;
    QLineEdit* until = nullptr;
    QPushButton* dxButton2 = nullptr; // "Enter" beside the initial cash
    QPushButton* dxButton3 = nullptr; // "Enter" beside the target
    QPushButton* SoundOff1 = nullptr;
    QButtonGroup* cardbacks = nullptr; // ids 0..7
    QButtonGroup* Levels = nullptr; // ids 0..3
    QLabel* Label3 = nullptr; // small bet
    QLabel* Label4 = nullptr; // big bet
    QPushButton* upDownLeft = nullptr; // UpDown1's two arrows
    QPushButton* upDownRight = nullptr;
    QPushButton* dxButton1 = nullptr; // "Ok"
    // "Opponents' pace": the items of kPaceCaptions, in the order of their
    // stored numbers.
    QComboBox* pace = nullptr;
    // "Rules": Classic or Standard, in the order of the rule sets' table.
    QComboBox* rules = nullptr;

    // UpDown1's position, 1..5; 1 at every start.
    [[nodiscard]] int upDownPosition() const { return m_position; }
    // Moves the up-down one step (-1 or +1), staying within 1..5.
    void stepUpDown(int direction);

    // Selects item of a group, or nothing for -1; an item past the end
    // selects the last one.
    static void select(QButtonGroup* group, int item);
    [[nodiscard]] static int selected(const QButtonGroup* group);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* addLabel(const QString& text, int x, int y);
    QButtonGroup* addRadioGroup(const QStringList& items, int x, int y, int width, int height);

    int m_position = 1;
    LazyPicture m_picture;
    QLabel* m_image = nullptr;
};

} // namespace tavolier
