#include "game/player_actions.h"

#include "game/table.h"

namespace tavolier {

// Placeholders until the human's actions land.
void playerbets(Table&) { }
void playerstays(Table&) { }
void playerpasses(Table&) { }
void captionsAfterRaise(Table&) { }
void captionsAtRedraw(Table&) { }

} // namespace tavolier
