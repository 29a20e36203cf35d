#include "game/options.h"

#include "core/seats.h"
#include "game/levels.h"
#include "game/table.h"
#include "presentation/card_drawing.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

namespace tavolier {

namespace {

// The caption of every message the panel shows.
constexpr std::string_view kCaption = "Options";

constexpr std::int32_t kLowestEntry = 100;
constexpr std::int32_t kHighestEntry = 1000000;

constexpr int kCardBackCount = 8;
constexpr std::int32_t kFirstCardBack = 52;

// Steps 1 and 2 of both entries: the number, or nothing after the message
// that says why not.
[[nodiscard]] std::optional<std::int32_t> checkedEntry(Table& table, std::string_view text) {
    const auto number = wholeNumber(text);
    if (!number) {
        table.view.message("Invalid value", kCaption);
        return std::nullopt;
    }
    if (*number < kLowestEntry || *number > kHighestEntry) {
        table.view.message("the value is off limits", kCaption);
        return std::nullopt;
    }
    return number;
}

} // namespace

std::optional<std::int32_t> wholeNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
    if (digits.empty())
        return std::nullopt;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc {} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

void enterInitialCash(Table& table, std::string_view moneyText) {
    const auto number = checkedEntry(table, moneyText);
    if (!number)
        return;
    table.state.initialChips = *number;
    table.view.message("New initial cash value confirmation", kCaption);
    table.settings.writeInteger("Cash", "initial", *number);
    // Every stack, the hand in progress included; the pot stays as it is.
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        table.state.seat(seat).chips = *number;
        table.showChips(seat);
    }
}

void enterPlayUntil(Table& table, std::string_view untilText) {
    const auto number = checkedEntry(table, untilText);
    if (!number)
        return;
    table.state.untilMargin = *number;
    table.view.message("New until value confirmation", kCaption);
    table.settings.writeInteger("Cash", "until", *number);
}

void changeBetSize(Table& table, int positionBeforePress) {
    // The up-down never leaves 1..5; a caller that strays is held to it.
    const std::int32_t p = std::clamp(positionBeforePress, 1, 5);
    table.state.smallBet = 2 * p;
    table.state.bigBet = 4 * p;
    table.view.setLabelText(Label::smallBetSize, std::to_string(table.state.smallBet));
    table.view.setLabelText(Label::bigBetSize, std::to_string(table.state.bigBet));
    table.settings.writeInteger("Bet", "Small", table.state.smallBet);
    table.settings.writeInteger("Bet", "Big", table.state.bigBet);
}

void changeCardBack(Table& table, int item) {
    if (item < 0 || item >= kCardBackCount)
        return; // no card back chosen
    table.state.cardBackImage = kFirstCardBack + item;
    drawCards(table);
    table.settings.writeInteger("Card", "back", table.state.cardBackImage);
}

void chooseLevel(Table& table, int item) {
    if (item < 0 || item >= static_cast<int>(kOpponentLevels.size()))
        return; // no level chosen
    table.state.aiLevelCode = kOpponentLevels[static_cast<std::size_t>(item)].code;
    table.settings.writeInteger("Levels", "comp", table.state.aiLevelCode);
}

void toggleSound(Table& table) {
    table.state.soundOn = !table.state.soundOn;
    table.setSoundCaption(table.state.soundOn);
    table.settings.writeBoolean("Settings", "Sound", table.state.soundOn);
}

void showSettingsInPanel(Table& table) {
    const TableState& state = table.state;
    table.setSoundCaption(state.soundOn);

    // A stored back outside 52..59 selects nothing below and the last item
    // above; the field keeps what the file said.
    const std::int64_t back = static_cast<std::int64_t>(state.cardBackImage) - kFirstCardBack;
    const int backItem = back < 0 ? -1
        : back >= kCardBackCount  ? kCardBackCount - 1
                                  : static_cast<int>(back);
    table.view.selectRadio(RadioGroup::cardbacks, backItem);

    int levelItem = -1;
    for (std::size_t i = 0; i < kOpponentLevels.size(); ++i) {
        if (state.aiLevelCode == kOpponentLevels[i].code)
            levelItem = static_cast<int>(i);
    }
    table.view.selectRadio(RadioGroup::Levels, levelItem);

    table.view.setEditText(Edit::money, std::to_string(state.initialChips));
    table.view.setEditText(Edit::until, std::to_string(state.untilMargin));
    table.view.setLabelText(Label::smallBetSize, std::to_string(state.smallBet));
    table.view.setLabelText(Label::bigBetSize, std::to_string(state.bigBet));
}

} // namespace tavolier
