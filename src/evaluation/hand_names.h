#pragma once

#include <cstdint>
#include <string_view>

namespace tavolier {

class Table;

// The fixed name of a hand score ("Two pairs Kings", "Flush Ace High", ...);
// the empty text for a score without a name.
[[nodiscard]] std::string_view handName(std::int32_t score);

// Writes the name of score to the status label of seat (1..8); any other seat
// number changes no label.
void nameHand(Table& table, std::int32_t score, int seat);

} // namespace tavolier
