#pragma once

#include <QFont>
#include <QString>

namespace tavolier {

// A font of the table by family and point size. Sizes are fixed in pixels
// (8 points at 96 dots per inch is 11 pixels) so the fixed layout holds
// whatever the screen's font resolution; missing families are substituted
// by fontconfig.
[[nodiscard]] QFont uiFont(const QString& family, int points, bool bold);

} // namespace tavolier
