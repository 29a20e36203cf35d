#include "settings/options.h"

#include "game/table.h"

namespace tavolier {

// Placeholders until the options logic lands.
void enterClick(Table&, std::string_view) { }
void unenterClick(Table&, std::string_view) { }
void betchange(Table&, int) { }
void Changeback(Table&, int) { }
void LevelsClick(Table&, int) { }
void SoundOff1Click(Table&) { }
void showSettingsInPanel(Table&) { }

} // namespace tavolier
