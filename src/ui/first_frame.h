#pragma once

class QWidget;

namespace tavolier {

// Start-up timing for the start-up benchmark: with TAVOLIER_FIRST_FRAME=print
// the program writes "first-frame <ms>" to standard error once the window's
// first frame has been painted (milliseconds since main began); with
// TAVOLIER_FIRST_FRAME=exit it also quits right after. Without the variable
// (or with any other value) nothing is watched.
void watchFirstFrame(QWidget& window);

} // namespace tavolier
