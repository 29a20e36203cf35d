#pragma once

#include <QObject>

#include <array>
#include <functional>

#include <signal.h>

class QSocketNotifier;

namespace tavolier {

// Turns the signals that ask a program to end (SIGTERM, SIGINT, SIGHUP)
// into a call on the event loop, so that the game ends as a close does: the
// turn being played back is shown to its end, the hand goes to its file and
// the statistics to theirs. The handler only writes a byte to a pipe that a
// socket notifier reads. One instance at a time; the signals' earlier
// handling comes back when it is destroyed.
class QuitSignals : public QObject {
public:
    explicit QuitSignals(std::function<void()> quit);
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

    static constexpr std::array<int, 3> kSignals { SIGTERM, SIGINT, SIGHUP };

private:
    std::function<void()> m_quit;
    QSocketNotifier* m_notifier = nullptr;
    std::array<struct sigaction, kSignals.size()> m_before {};
};

} // namespace tavolier
