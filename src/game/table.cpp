#include "game/table.h"

#include "game/seats.h"

namespace tavolier {

Table::Table(TableState& state_, Random& random_, TableView& view_, SettingsStore& settings_)
    : state(state_)
    , random(random_)
    , view(view_)
    , settings(settings_)
    , m_enabled { true, true, true, true, true }
    , m_caption { "Deal", "Check", "Raise", "Fold", "On" } {
}

void Table::setStatus(int seat, std::string_view text) {
    view.setLabelText(seatInfo(seat).statusLabel, text);
}

void Table::showChips(int seat) {
    view.setLabelText(seatInfo(seat).chipsLabel, std::to_string(state.seat(seat).chips));
}

void Table::showPot() {
    view.setLabelText(Label::betsize, std::to_string(state.pot));
}

void Table::pay(int seat, std::int32_t amount) {
    Seat& s = state.seat(seat);
    s.chips = clampedAdd(s.chips, -static_cast<std::int64_t>(amount));
    state.pot = clampedAdd(state.pot, amount);
    showChips(seat);
    showPot();
}

void Table::setButtonEnabled(Button button, bool enabled) {
    m_enabled[static_cast<std::size_t>(button)] = enabled;
    view.setButtonEnabled(button, enabled);
}

void Table::setButtonCaption(Button button, std::string_view caption) {
    m_caption[static_cast<std::size_t>(button)] = std::string(caption);
    view.setButtonCaption(button, caption);
}

bool Table::buttonEnabled(Button button) const {
    return m_enabled[static_cast<std::size_t>(button)];
}

const std::string& Table::buttonCaption(Button button) const {
    return m_caption[static_cast<std::size_t>(button)];
}

void Table::playSoundIfOn(std::string_view file) {
    if (state.soundOn)
        view.playSound(file);
}

} // namespace tavolier
