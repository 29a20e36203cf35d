#include "ui/fonts.h"

#include <cmath>

namespace tavolier {

QFont uiFont(const QString& family, int points, bool bold) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace tavolier
