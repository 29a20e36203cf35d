#pragma once

#include <cstdint>

namespace tavolier {

class Table;

// The human's three buttons: "Raise", "Check"/"Call", "Fold".
void raise(Table& table);
void checkOrCall(Table& table);
void fold(Table& table);

// After an opponent's raise by raiseBy: Check/Call reads "Call" for the
// usual bet sizes and Raise is barred.
void captionsAfterRaise(Table& table, std::int32_t raiseBy);

} // namespace tavolier
