#include "ui/quit_signals.h"

#include <QSocketNotifier>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace tavolier {

namespace {

// The pipe's ends: the handler writes, the notifier reads.
int g_pipe[2] = { -1, -1 };

extern "C" void askToQuit(int) {
    const int saved = errno;
    const char byte = 1;
    (void)::write(g_pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

QuitSignals::QuitSignals(std::function<void()> quit)
    : m_quit(std::move(quit)) {
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(g_pipe[0], bytes, sizeof bytes) > 0) { }
        if (m_quit)
            m_quit();
    });
    struct sigaction action { };
    action.sa_handler = askToQuit;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &action, &m_before[i]);
}

QuitSignals::~QuitSignals() {
    if (m_notifier == nullptr)
        return;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &m_before[i], nullptr);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

} // namespace tavolier
