#pragma once

#include "core/random.h"
#include "core/table_view.h"
#include "game/table_state.h"
#include "presentation/presentation_state.h"
#include "settings/settings_store.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavolier {

class DecisionOverride;

// The pieces every rule of the game works on: the one table state, the one
// generator, the screen, the settings store and the window's presentation
// state. The main window (or a test, or the CLI) owns all of them; a Table
// only ties them together.
//
// The handlers read some of the screen back (btnbet is re-enabled only while
// btnstay reads "Check"), so the captions and enabled states of the buttons
// are mirrored here and every change goes through the setters below.
class Table {
public:
    Table(TableState& state, Random& random, TableView& view, SettingsStore& settings);
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    TableState& state;
    Random& random;
    TableView& view;
    SettingsStore& settings;
    PresentationState presentation;
    // Decides for the opponents instead of their estimate (tests only; null in
    // play, where every decision runs the estimate and its draws).
    DecisionOverride* decisionOverride = nullptr;

    // A seat's status label ("Calls", "Folds", ... or empty).
    void setStatus(int seat, std::string_view text);
    // Writes a seat's chips into its chips label.
    void showChips(int seat);
    // Writes the pot into betsize.
    void showPot();
    // Pays amount from a seat into the pot and shows both (clamped to 32 bits).
    void pay(int seat, std::int32_t amount);

    void setButtonEnabled(Button button, bool enabled);
    void setButtonCaption(Button button, std::string_view caption);
    [[nodiscard]] bool buttonEnabled(Button button) const;
    [[nodiscard]] const std::string& buttonCaption(Button button) const;

    // Plays a sound when sound is on.
    void playSoundIfOn(std::string_view file);

private:
    std::array<bool, kButtonCount> m_enabled {};
    std::array<std::string, kButtonCount> m_caption {};
};

} // namespace tavolier
