#pragma once

// A private PulseAudio server with one null sink, started for a test (or a
// benchmark) and stopped with it, and a recorder of what that sink plays:
// `parec` on the sink's monitor, each chunk stamped with the time it came in.
// It works as root too (no system mode, no user session needed): the server
// runs without configuration, on a socket in a temporary folder.

#include <QByteArray>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QThread>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <vector>

#include <csignal>
#include <sys/prctl.h>

namespace tavolier::soundtest {

using Clock = std::chrono::steady_clock;

constexpr int kSinkRate = 44100;

class NullSinkServer {
public:
    NullSinkServer() = default;
    NullSinkServer(const NullSinkServer&) = delete;
    NullSinkServer& operator=(const NullSinkServer&) = delete;
    ~NullSinkServer() { stop(); }

    // Starts the server and waits until it answers; on failure, why() says
    // what went wrong and the server is not running.
    bool start() {
        if (QStandardPaths::findExecutable("pulseaudio").isEmpty()
            || QStandardPaths::findExecutable("parec").isEmpty()
            || QStandardPaths::findExecutable("pactl").isEmpty()) {
            m_why = "pulseaudio, parec or pactl is not installed";
            return false;
        }
        if (!m_dir.isValid()) {
            m_why = "no temporary folder";
            return false;
        }
        QFile::setPermissions(
            m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_dir.path());
        env.insert("XDG_RUNTIME_DIR", m_dir.path());
        env.insert("XDG_CONFIG_HOME", m_dir.path() + "/config");
        env.insert("PULSE_RUNTIME_PATH", m_dir.path() + "/runtime");
        env.insert("PULSE_STATE_PATH", m_dir.path() + "/state");
        env.remove("PULSE_SERVER");
        env.remove("DBUS_SESSION_BUS_ADDRESS");
        m_server.setProcessEnvironment(env);
        // The server goes with the test, even when the test crashes.
        m_server.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        // Where the system allows it the whole server runs at a real-time
        // priority, so a busy machine does not hold it up.
        QStringList command { "pulseaudio" };
        if (QProcess::execute("chrt", { "-r", "10", "true" }) == 0)
            command = QStringList { "chrt", "-r", "10", "pulseaudio" };
        const QString program = command.takeFirst();
        m_server.start(program,
            command
                + QStringList { "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                    "--disallow-exit", "--disallow-module-loading=no", "--log-target=stderr",
                    "--log-level=error", "-L",
                    "module-native-protocol-unix auth-anonymous=1 socket=" + socketPath(), "-L",
                    "module-null-sink sink_name=tavolier_test format=s16le rate=44100 "
                    "channels=1" });
        if (!m_server.waitForStarted(5000)) {
            m_why = "pulseaudio does not start: " + m_server.errorString();
            return false;
        }
        const auto deadline = Clock::now() + std::chrono::seconds(10);
        while (Clock::now() < deadline) {
            if (m_server.state() != QProcess::Running) {
                m_why
                    = "pulseaudio stopped: " + QString::fromLocal8Bit(m_server.readAll()).trimmed();
                return false;
            }
            if (pactl({ "set-default-sink", "tavolier_test" }))
                return true;
            QThread::msleep(50);
        }
        m_why = "pulseaudio does not answer";
        stop();
        return false;
    }

    void stop() {
        if (m_server.state() == QProcess::NotRunning)
            return;
        m_server.terminate();
        if (!m_server.waitForFinished(5000)) {
            m_server.kill();
            m_server.waitForFinished(5000);
        }
    }

    [[nodiscard]] QString address() const { return "unix:" + socketPath(); }
    [[nodiscard]] const QString& why() const { return m_why; }

    // Runs pactl against this server; true when it succeeds.
    bool pactl(const QStringList& arguments, QByteArray* output = nullptr) const {
        QProcess process;
        process.start("pactl", QStringList { "--server=" + address() } + arguments);
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished();
            return false;
        }
        if (output != nullptr)
            *output = process.readAllStandardOutput();
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

private:
    [[nodiscard]] QString socketPath() const { return m_dir.path() + "/native"; }

    QTemporaryDir m_dir;
    QProcess m_server;
    QString m_why;
};

// Records the null sink's monitor as 16-bit mono samples at 44.1 kHz.
class MonitorRecorder {
public:
    struct Arrival {
        std::size_t samplesAfter; // samples recorded once this chunk was in
        Clock::time_point at;
    };

    explicit MonitorRecorder(const NullSinkServer& server)
        : m_server(server) { }
    ~MonitorRecorder() { stop(); }

    bool start() {
        m_parec.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_parec.start("parec",
            { "--server=" + m_server.address(), "--device=tavolier_test.monitor", "--raw",
                "--format=s16le", "--rate=44100", "--channels=1", "--latency-msec=2" });
        if (!m_parec.waitForStarted(5000))
            return false;
        // Recording has begun once the first samples are in.
        const auto deadline = Clock::now() + std::chrono::seconds(5);
        while (m_samples.empty() && Clock::now() < deadline)
            pump(20);
        return !m_samples.empty();
    }

    // Reads what has arrived, for about `ms` milliseconds.
    void pump(int ms) {
        const auto until = Clock::now() + std::chrono::milliseconds(ms);
        do {
            m_parec.waitForReadyRead(2);
            const QByteArray bytes = m_parec.readAllStandardOutput();
            if (bytes.isEmpty())
                continue;
            const auto now = Clock::now();
            m_pending.append(bytes);
            const qsizetype whole = m_pending.size() / 2 * 2;
            const std::size_t at = m_samples.size();
            m_samples.resize(at + static_cast<std::size_t>(whole / 2));
            std::memcpy(
                m_samples.data() + at, m_pending.constData(), static_cast<std::size_t>(whole));
            m_pending.remove(0, whole);
            m_arrivals.push_back({ m_samples.size(), now });
        } while (Clock::now() < until);
    }

    void stop() {
        if (m_parec.state() == QProcess::NotRunning)
            return;
        m_parec.kill();
        m_parec.waitForFinished(5000);
    }

    [[nodiscard]] const std::vector<std::int16_t>& samples() const { return m_samples; }

    // When sample `index` had come out of the sink: the moment its chunk of
    // the recording arrived, an upper bound (the monitor adds a little).
    [[nodiscard]] Clock::time_point playedBy(std::size_t index) const {
        for (const Arrival& arrival : m_arrivals)
            if (arrival.samplesAfter > index)
                return arrival.at;
        return Clock::time_point::max();
    }

private:
    const NullSinkServer& m_server;
    QProcess m_parec;
    QByteArray m_pending;
    std::vector<std::int16_t> m_samples;
    std::vector<Arrival> m_arrivals;
};

} // namespace tavolier::soundtest
