#pragma once

#include <QFont>
#include <QString>

#include <future>

namespace tavolier {

// A font of the table by family and point size. Sizes are fixed in pixels
// (8 points at 96 dots per inch is 11 pixels) so the fixed layout holds
// whatever the screen's font resolution; missing families are substituted
// by fontconfig.
[[nodiscard]] QFont uiFont(const QString& family, int points, bool bold);

// FontsAhead: reads the system's fonts into Qt's font database on a worker
// thread, from the window's first line until its first text is measured
// (the first label), which would otherwise wait for all of it.
class FontsAhead {
public:
    FontsAhead();
    ~FontsAhead();
    FontsAhead(const FontsAhead&) = delete;
    FontsAhead& operator=(const FontsAhead&) = delete;
    // Waits until the fonts are read; at once after the first call.
    void wait();

private:
    std::future<void> m_read;
};

} // namespace tavolier
