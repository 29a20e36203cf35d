#pragma once

#include "core/table_state.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavolier {

class Table;

// The rules of a match, the same under every rule set: the Deal that ends a
// finished match, "New" and its stack, the winners' marks.

// The presentation of the last hand goes; status labels turn plain white.
void resetPreviousHand(Table& table);

// At a Deal: "You lose!" when the human has no chips, "You win!" when no
// opponent has; true when the match is over and no hand is dealt.
[[nodiscard]] bool announceFinishedMatch(Table& table);

// "New" up to its stack: re-seeds, asks "Are you sure?", whitens the status
// labels and reads the stack from moneyText. nullopt when the player said
// no or the text is not a whole number ("Invalid value" is shown).
[[nodiscard]] std::optional<std::int32_t> confirmNewMatch(Table& table, std::string_view moneyText);

// A winner's status turns italic white; the human's win starts the gold figure.
void markWinner(Table& table, int seat);

} // namespace tavolier
