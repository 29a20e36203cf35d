#include "presentation/card_drawing.h"

#include "game/table.h"

namespace tavolier {

// Placeholders until the card drawing lands.
void redraw(Table&) { }
void drawCards(Table&) { }
void stampCard(Table&, int, int, int) { }
void clearArea(Table& table, Rect area) { table.view.clearArea(area); }

} // namespace tavolier
