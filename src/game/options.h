#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavolier {

class Table;

// The options panel's handlers. They change the running table at once and
// write the settings file at once; a refused write ends the handler there
// (SettingsWriteError propagates to the window).

// "Enter" beside "Initial cash:": moneyText is the text of the field money.
void enterInitialCash(Table& table, std::string_view moneyText);
// "Enter" beside "Play until" / "someone wins:": untilText is the field until.
void enterPlayUntil(Table& table, std::string_view untilText);
// Either arrow of UpDown1; positionBeforePress is what the up-down showed
// before it moved (1..5). The window moves the up-down afterwards.
void changeBetSize(Table& table, int positionBeforePress);
// A card back chosen in cardbacks (item 0..7).
void changeCardBack(Table& table, int item);
// A level chosen in Levels (item 0..3).
void chooseLevel(Table& table, int item);
// The sound button.
void toggleSound(Table& table);

// A whole decimal number as a user types it into money or until: blanks
// around it are forgiven, an optional "-", then digits only. No "+", no
// hexadecimal, no fraction, nothing beyond the 32-bit range.
[[nodiscard]] std::optional<std::int32_t> wholeNumber(std::string_view text);

// Shows the settings in the panel at start-up: SoundOff1's caption, the card
// back and level selections, the money and until texts, Label3 and Label4.
void showSettingsInPanel(Table& table);

} // namespace tavolier
