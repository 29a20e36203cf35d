#include "ui/first_frame.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tavolier {

namespace {

// Started by the first static initializer of this file, before main.
QElapsedTimer startClock() {
    QElapsedTimer clock;
    clock.start();
    return clock;
}
const QElapsedTimer g_started = startClock();

// Sees the window's first paint; the frame is on screen once the event loop
// is back, after the backing store has been flushed.
class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QWidget& window, bool quit)
        : QObject(&window)
        , m_quit(quit) { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [quit = m_quit] {
                std::fprintf(stderr, "first-frame %.1f\n",
                    static_cast<double>(g_started.nsecsElapsed()) / 1e6);
                std::fflush(stderr);
                if (quit)
                    std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool m_quit;
    bool m_seen = false;
};

} // namespace

void watchFirstFrame(QWidget& window) {
    const char* mode = std::getenv("TAVOLIER_FIRST_FRAME");
    if (mode == nullptr)
        return;
    const bool print = std::strcmp(mode, "print") == 0;
    const bool quit = std::strcmp(mode, "exit") == 0;
    if (!print && !quit)
        return;
    window.installEventFilter(new FirstFrameWatch(window, quit));
}

} // namespace tavolier
