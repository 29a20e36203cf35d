#pragma once

#include "core/game_events.h"

#include <QAccessible>
#include <QByteArray>
#include <QObject>
#include <QRect>
#include <QString>

#include <array>

class QWidget;

namespace tavolier {

class OptionsPanel;
class TableTree;
class TableWindow;

// What the table says to assistive technology. The felt is one picture, so
// the window's accessible tree gets the table's state as elements of its
// own: whose turn it is, each seat (name, chips, status, the button and
// blinds, its bet), the board, the pot and the human's cards and best hand,
// and a notification that announces what the screen shows as it happens (an
// opponent's action, a street dealt, the winners). It reads what is shown:
// the labels, the marks and the events as their step is played back.
// It also names the controls that have no readable caption, sets the tab
// order (action buttons, top row, options panel) and lets Esc close the
// options panel.
class TableAccessibility final : public QObject, public GameEvents {
    Q_OBJECT
public:
    // The parts of the table, in the order the tree lists them.
    enum class Part { turn, seat, board = 9, pot, yourCards, news };
    static constexpr int kPartCount = 13;
    // The seats in the tree's order: the human, then clockwise round the table.
    static constexpr std::array<int, 8> kSeatOrder { 8, 1, 7, 6, 5, 4, 3, 2 };

    // Made once the window's labels and buttons exist; a child of the window.
    explicit TableAccessibility(TableWindow& window);
    ~TableAccessibility() override;

    // High contrast is on when "HighContrast" under [Settings] is 1, off when
    // it is 0; without the key, when the desktop's theme says so by its name
    // (GTK_THEME=HighContrast, HighContrastInverse, ...).
    [[nodiscard]] static bool highContrastWanted(int setting, const QByteArray& desktopTheme);
    [[nodiscard]] bool highContrast() const { return m_highContrast; }

    // Names the panel's controls and puts them into the tab order.
    void panelBuilt(OptionsPanel& panel);

    // The part at index (0 .. kPartCount - 1): its role, name, description
    // and place in the window.
    [[nodiscard]] static QAccessible::Role role(int index);
    [[nodiscard]] QString name(int index) const;
    [[nodiscard]] QString description(int index) const;
    [[nodiscard]] QRect place(int index) const;
    // A handler or a turn's playback is over and the window shows the human's
    // actions again: "Your turn" is announced when the turn comes back.
    void cuesShown();
    // A label whose text one of the parts reads out (left out of the tree).
    [[nodiscard]] bool standsIn(const QObject* object) const;
    // What was announced last.
    [[nodiscard]] const QString& news() const { return m_news; }
    [[nodiscard]] TableWindow& window() const { return m_window; }

    void actionTaken(const ActionTaken& e) override;
    void streetDealt(const StreetDealt& e) override;
    void potAwarded(const PotAwarded& e) override;
    void handEnded(const HandEnded& e) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] QString seatState(int seat) const;
    [[nodiscard]] QString turnState() const;
    [[nodiscard]] QString boardState() const;
    [[nodiscard]] QString cardsState() const;
    // Black plates behind the texts on the felt, the pot never dimmed.
    void applyHighContrast();
    // Says text through the notification part, joined to what was said
    // before in the same pass of the event loop.
    void announce(const QString& text);
    // Tells the listeners that the notification changed.
    void tell();
    // Tells the tree which parts read differently now.
    void refresh();

    friend class TableTree;
    TableWindow& m_window;
    // The window's accessible interface, once something has asked for it.
    TableTree* m_tree = nullptr;
    OptionsPanel* m_panel = nullptr; // once built
    QString m_news;
    bool m_highContrast = false;
    bool m_humanToAct = false;
    bool m_playedSinceTurn = false; // a seat acted since "Your turn" was told
    bool m_telling = false; // news waits to be told at the end of this pass
    // Each seat's name label ("Chong:"), by seat number.
    std::array<QWidget*, 9> m_nameLabels {};
    std::array<QString, kPartCount> m_said {};
};

// The WCAG contrast ratio of two colours (1 to 21); text needs 4.5.
[[nodiscard]] double contrastRatio(QRgb a, QRgb b);

} // namespace tavolier
