#pragma once

namespace tavolier {

class Table;

// The presentation resets at fixed points of play.
void resetAtDeal(Table& table);
// Start of the human's Raise, Check/Call and Fold; Check/Call and Fold also
// redraw the gold-ring portrait of an opponent holding the open bet and the table.
void resetAtHumanAction(Table& table, bool redrawOpenBets);
void resetAtNewMatch(Table& table);

// Started by the showdown.
void startWinAnimation(Table& table);
void startGoldFigure(Table& table);

// Timer ticks and the mouse, forwarded by the window.
void winktimerTimer(Table& table);
void wintimerTimer(Table& table);
void goldtimerTimer(Table& table);
void FormMouseMove(Table& table, int x, int y);
// The pointer left the canvas (for a button, the options panel or outside
// the window): every hover picture goes, as if it had moved past its region.
void FormMouseLeave(Table& table);

} // namespace tavolier
