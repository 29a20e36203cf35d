#pragma once

#include "settings/opponents_pace.h"

#include <QtGlobal>

#include <functional>
#include <vector>

class QPushButton;
class QWidget;

namespace tavolier {

class AssetFinder;
class Game;
class OptionsPanel;
class Table;

// The options panel and what its controls do. The panel is built after the
// first frame, or when first asked for (its dozens of controls would cost
// the first frame a sixth of its time); what the game writes to it before
// is kept and written, in its order, once it is built. Its controls run the
// game's option handlers through the window's guard.
class OptionsController {
public:
    struct Hooks {
        // Runs a handler on a click of a control, as the window runs its own.
        std::function<void(QPushButton*, std::function<void()>)> onClick;
        // Runs a handler inside the window's guard.
        std::function<void(const std::function<void()>&)> guarded;
        // The pace box changed the pace (after it is stored).
        std::function<void(OpponentsPace)> paceChosen;
        // The panel was built: the window takes its labels and buttons in.
        std::function<void(OptionsPanel&)> built;
    };

    OptionsController(
        Table& table, Game& game, const AssetFinder& finder, QWidget& window, Hooks hooks);
    OptionsController(const OptionsController&) = delete;
    OptionsController& operator=(const OptionsController&) = delete;

    // The panel, built at the first call.
    [[nodiscard]] OptionsPanel* panel();
    [[nodiscard]] bool isBuilt() const { return m_panel != nullptr; }
    // The pictures' scale the panel is built with, and the pace its box shows.
    void setScale(qreal scale) { m_scale = scale; }
    void setPace(OpponentsPace pace) { m_pace = pace; }
    // A write to the panel (onPanel) before it is built is kept for then:
    // true when kept.
    bool later(bool onPanel, std::function<void()> write);

private:
    void build();

    Table& m_table;
    Game& m_game;
    const AssetFinder& m_finder;
    QWidget& m_window;
    Hooks m_hooks;
    qreal m_scale = 1.0;
    OpponentsPace m_pace = kDefaultPace;
    OptionsPanel* m_panel = nullptr;
    std::vector<std::function<void()>> m_writes; // before the panel is built
};

} // namespace tavolier
