#pragma once

namespace tavolier {

class Scene;

// The presentation resets at fixed points of play.
void resetAtDeal(Scene& table);
// Start of the human's Raise, Check/Call and Fold; Check/Call and Fold also
// redraw the gold-ring portrait of an opponent holding the open bet and the table.
void resetAtHumanAction(Scene& table, bool redrawOpenBets);
void resetAtNewMatch(Scene& table);

// An opponent's raise: its highlight over the portrait.
void stampRaiseHighlight(Scene& table, int seat);

// Started by the showdown.
void startWinAnimation(Scene& table);
void startGoldFigure(Scene& table);

// Timer ticks and the mouse, forwarded by the window.
void blinkTick(Scene& table);
void winnersFlashTick(Scene& table);
void goldFigureTick(Scene& table);
void mouseMoved(Scene& table, int x, int y);
// The same while a turn is being played back: the table shows an earlier
// moment than the state the odds badge would rate, so the badge keeps its
// question mark (and draws nothing) until the turn is shown whole.
void mouseMovedDuringPlayback(Scene& table, int x, int y);
// The pointer left the canvas (for a button, the options panel or outside
// the window): every hover picture goes, as if it had moved past its region.
void mouseLeft(Scene& table);

} // namespace tavolier
