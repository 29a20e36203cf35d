#pragma once

namespace tavolier {

class Table;

// The human's three buttons: "Raise", "Check"/"Call", "Fold".
void playerbets(Table& table);
void playerstays(Table& table);
void playerpasses(Table& table);

// After an opponent's raise: btnstay reads "Call" for the usual bet sizes and
// btnbet is disabled.
void captionsAfterRaise(Table& table);

} // namespace tavolier
