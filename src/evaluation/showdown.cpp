#include "evaluation/showdown.h"

#include "game/table.h"

namespace tavolier {

// Placeholder until the showdown lands.
void showdown(Table&) { }

} // namespace tavolier
