#include "ui/options_controller.h"

#include "game/game.h"
#include "game/options.h"
#include "game/table.h"
#include "settings/settings_io.h"
#include "ui/options_panel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace tavolier {

OptionsController::OptionsController(
    Table& table, Game& game, const AssetFinder& finder, QWidget& window, Hooks hooks)
    : m_table(table)
    , m_game(game)
    , m_finder(finder)
    , m_window(window)
    , m_hooks(std::move(hooks)) {
}

OptionsPanel* OptionsController::panel() {
    if (m_panel == nullptr)
        build();
    return m_panel;
}

bool OptionsController::later(bool onPanel, std::function<void()> write) {
    if (!onPanel || m_panel != nullptr)
        return false;
    m_writes.push_back(std::move(write));
    return true;
}

void OptionsController::build() {
    // Hidden until "Options".
    m_panel = new OptionsPanel(m_finder, m_scale, &m_window);
    m_panel->hide();
    m_panel->pace->setCurrentIndex(static_cast<int>(m_pace));
    m_panel->rules->setCurrentIndex(m_table.state.rulesChoice);
    if (m_hooks.built)
        m_hooks.built(*m_panel);

    OptionsPanel* panel = m_panel;
    Table& table = m_table;
    const auto& onClick = m_hooks.onClick;
    const auto& guarded = m_hooks.guarded;
    onClick(panel->dxButton2,
        [&table, panel] { enterInitialCash(table, panel->money->text().toStdString()); });
    onClick(panel->dxButton3,
        [&table, panel] { enterPlayUntil(table, panel->until->text().toStdString()); });
    onClick(panel->SoundOff1, [&table] { toggleSound(table); });
    onClick(panel->dxButton1, [panel] { panel->hide(); });
    // The limits follow the position shown before the press; the up-down
    // moves afterwards.
    onClick(panel->upDownLeft, [&table, panel] {
        changeBetSize(table, panel->upDownPosition());
        panel->stepUpDown(-1);
    });
    onClick(panel->upDownRight, [&table, panel] {
        changeBetSize(table, panel->upDownPosition());
        panel->stepUpDown(+1);
    });
    QObject::connect(panel->cardbacks, &QButtonGroup::idClicked, &m_window,
        [guarded, &table](int id) { guarded([&table, id] { changeCardBack(table, id); }); });
    QObject::connect(panel->Levels, &QButtonGroup::idClicked, &m_window,
        [guarded, &table](int id) { guarded([&table, id] { chooseLevel(table, id); }); });
    QObject::connect(panel->rules, &QComboBox::activated, &m_window,
        [this](int item) { m_hooks.guarded([this, item] { m_game.chooseRules(item); }); });
    QObject::connect(panel->pace, &QComboBox::activated, &m_window, [this](int item) {
        m_hooks.guarded([this, item] {
            const auto pace = static_cast<OpponentsPace>(item);
            writePace(m_table.settings, pace);
            m_pace = pace;
            if (m_hooks.paceChosen)
                m_hooks.paceChosen(pace);
        });
    });

    // What the game wrote to the panel before, in its order.
    std::vector<std::function<void()>> writes = std::move(m_writes);
    for (const auto& write : writes)
        write();
}

} // namespace tavolier
