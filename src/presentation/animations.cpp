#include "presentation/animations.h"

#include "game/table.h"

namespace tavolier {

// Placeholders until the animations land.
void resetAtDeal(Table&) { }
void resetAtHumanAction(Table&, bool) { }
void resetAtNewMatch(Table&) { }
void startWinAnimation(Table&) { }
void startGoldFigure(Table&) { }
void winktimerTimer(Table&) { }
void wintimerTimer(Table&) { }
void goldtimerTimer(Table&) { }
void FormMouseMove(Table&, int, int) { }

} // namespace tavolier
