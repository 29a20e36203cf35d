#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <cmath>

namespace tavolier {

QFont uiFont(const QString& family, int points, bool bold) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

FontsAhead::FontsAhead()
    : m_read(std::async(std::launch::async, [] { (void)QFontDatabase::families(); })) {
}

FontsAhead::~FontsAhead() {
    wait();
}

void FontsAhead::wait() {
    if (m_read.valid())
        m_read.get();
}

} // namespace tavolier
