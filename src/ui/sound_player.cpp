#include "ui/sound_player.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QSemaphore>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

namespace tavolier {

namespace {

// How much sound the output keeps queued ahead of the speaker: a new sound
// is heard after at most about this much (plus the device's own latency).
constexpr int kBufferMs = 25;
// How often the queue is topped up.
constexpr int kFeedMs = 4;
// A lost output is looked for again this often.
constexpr int kRetryMs = 1000;
// At exit, the longest wait for a sound to finish.
constexpr int kExitWaitMs = 1500;

constexpr int kPreferredRate = 44100;
// The sound thread's scheduling: a low round-robin real-time priority (the
// sound server's own threads run above it) or, failing that, a nice level.
constexpr int kSoundThreadRealTime = 3;
constexpr int kSoundThreadNice = -10;

} // namespace

// The one audio output: a push-mode sink on its own thread, topped up every
// few milliseconds from the clips in memory, with silence between sounds. The
// user-interface thread only posts which clip to start; the feed picks it up
// at once and drops whatever remained of the previous clip.
class AudioOutput : public QObject {
public:
    explicit AudioOutput(std::vector<std::optional<SoundClip>> clips)
        : m_clips(std::move(clips)) { }

    // Any thread: start clip `index` from its first sample.
    void request(std::size_t index) {
        m_request.store((++m_requests << 8) | index, std::memory_order_release);
        QMetaObject::invokeMethod(this, &AudioOutput::feed, Qt::QueuedConnection);
    }
    [[nodiscard]] bool isOpen() const { return m_open.load(std::memory_order_acquire); }
    [[nodiscard]] int underruns() const { return m_underruns.load(std::memory_order_relaxed); }

    // Worker thread from here on.
    void open() {
        if (m_closing || m_sink != nullptr)
            return;
        if (m_tick == nullptr) {
            m_tick = new QTimer(this);
            m_tick->setTimerType(Qt::PreciseTimer);
            m_tick->setInterval(kFeedMs);
            connect(m_tick, &QTimer::timeout, this, &AudioOutput::feed);
            m_retry = new QTimer(this);
            m_retry->setSingleShot(true);
            m_retry->setInterval(kRetryMs);
            connect(m_retry, &QTimer::timeout, this, &AudioOutput::open);
        }
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        QAudioFormat format;
        format.setSampleFormat(QAudioFormat::Int16);
        format.setSampleRate(kPreferredRate);
        format.setChannelCount(1);
        if (!device.isNull() && !device.isFormatSupported(format)) {
            format.setSampleRate(device.preferredFormat().sampleRate());
            format.setChannelCount(device.preferredFormat().channelCount());
        }
        if (device.isNull() || !device.isFormatSupported(format)) {
            unavailable(
                device.isNull() ? "no audio output" : "the audio output takes no 16-bit sound");
            return;
        }
        m_sink = new QAudioSink(device, format, this);
        m_sink->setBufferSize(format.bytesForDuration(kBufferMs * 1000));
        m_device = m_sink->start();
        if (m_device == nullptr || m_sink->error() != QAudio::NoError) {
            unavailable("the audio output does not open");
            return;
        }
        connect(m_sink, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
            if (state == QAudio::StoppedState && !m_closing)
                unavailable("the audio output went away");
            else if (state == QAudio::IdleState) // never idle but for running dry
                m_underruns.fetch_add(1, std::memory_order_relaxed);
        });
        m_frameBytes = format.bytesPerFrame();
        m_rendered.clear();
        for (const std::optional<SoundClip>& clip : m_clips)
            m_rendered.push_back(clip
                    ? renderClip(*clip, format.sampleRate(), format.channelCount())
                    : std::vector<std::int16_t>());
        if (m_opened)
            m_seen = m_request.load(std::memory_order_acquire) >> 8; // nothing stale on return
        if (m_lost) {
            qInfo("tavolier: the audio output is back");
            m_lost = false;
        }
        m_opened = true;
        m_open.store(true, std::memory_order_release);
        m_tick->start();
        feed();
    }

    // Tops the output's queue up: the current clip from where it is, then
    // silence.
    void feed() {
        if (m_device == nullptr)
            return;
        const std::uint64_t request = m_request.load(std::memory_order_acquire);
        if ((request >> 8) != m_seen && !m_closing) {
            m_seen = request >> 8;
            m_current = &m_rendered[request & 0xFF];
            m_position = 0;
        }
        const qsizetype free = m_sink->bytesFree();
        if (free < 0) {
            unavailable("the audio output went away");
            return;
        }
        const qsizetype bytes = free - free % m_frameBytes;
        if (bytes == 0)
            return;
        m_buffer.assign(static_cast<std::size_t>(bytes), 0);
        qsizetype fromClip = 0;
        if (m_current != nullptr) {
            const qsizetype left
                = static_cast<qsizetype>((m_current->size() - m_position) * sizeof(std::int16_t));
            fromClip = std::min(left, bytes);
            std::memcpy(m_buffer.data(), m_current->data() + m_position,
                static_cast<std::size_t>(fromClip));
        }
        const qint64 written = m_device->write(m_buffer.data(), bytes);
        if (written < 0) {
            unavailable("the audio output went away");
            return;
        }
        if (m_current != nullptr) {
            m_position += static_cast<std::size_t>(std::min<qint64>(written, fromClip))
                / sizeof(std::int16_t);
            if (m_position >= m_current->size())
                m_current = nullptr;
        }
    }

    // At exit: no new sound starts; the one playing is written to its end and
    // given time to be heard; then the output closes, tells `closed` and goes.
    void finish(std::shared_ptr<QSemaphore> closed) {
        m_closing = true;
        int waitMs = 0;
        if (m_device != nullptr && m_current != nullptr) {
            const auto left = static_cast<int>((m_current->size() - m_position) * 1000
                / static_cast<std::size_t>(
                    m_sink->format().sampleRate() * m_sink->format().channelCount()));
            waitMs = left + 2 * kBufferMs;
        }
        QTimer::singleShot(waitMs, this, [this, closed = std::move(closed)] {
            close();
            closed->release();
            deleteLater();
        });
    }

private:
    void close() {
        m_open.store(false, std::memory_order_release);
        if (m_tick != nullptr)
            m_tick->stop();
        if (m_retry != nullptr)
            m_retry->stop();
        // Deleting the sink may run queued calls of this thread (a feed), so
        // it is forgotten first.
        QAudioSink* sink = std::exchange(m_sink, nullptr);
        m_device = nullptr;
        m_current = nullptr;
        if (sink != nullptr) {
            sink->disconnect(this);
            sink->stop();
            delete sink;
        }
    }

    // The output cannot be used (now): silence, one line in the log, and a
    // fresh look later.
    void unavailable(const char* why) {
        const bool wasOpen = m_sink != nullptr && m_device != nullptr;
        if (QAudioSink* sink = std::exchange(m_sink, nullptr); sink != nullptr) {
            sink->disconnect(this);
            sink->deleteLater();
        }
        m_device = nullptr;
        m_current = nullptr;
        m_open.store(false, std::memory_order_release);
        if (m_tick != nullptr)
            m_tick->stop();
        if (!m_lost) {
            qInfo("tavolier: %s; the game plays without sound%s", why,
                wasOpen || m_opened ? " until it comes back" : "");
            m_lost = true;
        }
        if (!m_closing && m_retry != nullptr)
            m_retry->start();
    }

    const std::vector<std::optional<SoundClip>> m_clips;
    std::vector<std::vector<std::int16_t>> m_rendered;
    std::atomic<std::uint64_t> m_request { 0 }; // (request number << 8) | clip
    std::atomic<std::uint64_t> m_requests { 0 };
    std::atomic<bool> m_open { false };
    std::atomic<int> m_underruns { 0 };
    std::uint64_t m_seen = 0;
    QAudioSink* m_sink = nullptr;
    QIODevice* m_device = nullptr;
    QTimer* m_tick = nullptr;
    QTimer* m_retry = nullptr;
    const std::vector<std::int16_t>* m_current = nullptr;
    std::size_t m_position = 0;
    std::vector<char> m_buffer;
    qsizetype m_frameBytes = 2;
    bool m_opened = false; // has been open once
    bool m_lost = false; // unavailable, logged
    bool m_closing = false;
};

namespace {

// Runs on the sound thread as it starts; the sound server's client thread,
// started from it, inherits what it gets.
void raiseSoundThreadPriority() {
    sched_param param {};
    param.sched_priority = kSoundThreadRealTime;
    if (pthread_setschedparam(pthread_self(), SCHED_RR, &param) != 0)
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kSoundThreadNice);
}

// The thread every audio output runs on. It lives as long as the
// application: the sound server's connection is made on it and reconnects
// on it after the server has gone away, so it must outlast any one player.
QThread* soundThread() {
    static QThread* thread = [] {
        auto* t = new QThread;
        t->setObjectName("tavolier-sound");
        // The feed must not wait behind busy threads, or the sound breaks up:
        // a low real-time priority where the system grants it, else a higher
        // nice level where allowed, else the ordinary one.
        QObject::connect(t, &QThread::started, t, raiseSoundThreadPriority, Qt::DirectConnection);
        t->start();
        qAddPostRoutine([] {
            thread->quit();
            // One stuck in the sound server is left to the end of the process.
            if (thread->wait(kExitWaitMs))
                delete thread;
        });
        return t;
    }();
    return thread;
}

std::optional<SoundClip> decodeFile(const QString& path) {
    // Mapped, not read: a file far longer than a cue is refused after its
    // headers, without its bytes ever being held.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() <= 0)
        return std::nullopt;
    const uchar* bytes = file.map(0, file.size());
    if (bytes == nullptr)
        return std::nullopt;
    std::optional<SoundClip> clip
        = decodeWave(std::as_bytes(std::span(bytes, static_cast<std::size_t>(file.size()))));
    file.unmap(const_cast<uchar*>(bytes));
    return clip;
}

} // namespace

SoundPlayer::SoundPlayer(const AssetFinder& finder, Output output, QObject* parent)
    : QObject(parent)
    , m_output(output)
    , m_beep([] { QApplication::beep(); }) {
    for (std::size_t i = 0; i < kFiles.size(); ++i)
        m_cues[i].path = finder.find(
            QString::fromUtf8(kFiles[i].data(), static_cast<qsizetype>(kFiles[i].size())));
}

SoundPlayer::~SoundPlayer() {
    if (m_audio == nullptr)
        return;
    // The output finishes the sound it is playing, closes and deletes itself;
    // a server that does not answer is not waited for long.
    auto closed = std::make_shared<QSemaphore>();
    QMetaObject::invokeMethod(
        m_audio, [audio = m_audio, closed] { audio->finish(closed); }, Qt::QueuedConnection);
    closed->tryAcquire(1, kExitWaitMs);
}

void SoundPlayer::start() {
    if (m_started)
        return;
    m_started = true;
    std::vector<std::optional<SoundClip>> clips;
    for (Cue& cue : m_cues) {
        clips.push_back(cue.path.isEmpty() ? std::nullopt : decodeFile(cue.path));
        cue.decodable = clips.back().has_value();
    }
    if (m_waiting && !m_cues[*m_waiting].path.isEmpty() && !m_cues[*m_waiting].decodable && m_beep)
        m_beep();
    if (m_output == Output::Detect) {
        m_audio = new AudioOutput(std::move(clips));
        m_audio->moveToThread(soundThread());
        if (m_waiting && m_cues[*m_waiting].decodable)
            m_audio->request(*m_waiting);
        QMetaObject::invokeMethod(m_audio, &AudioOutput::open, Qt::QueuedConnection);
    }
    m_waiting.reset();
}

bool SoundPlayer::hasOutput() const {
    return m_audio != nullptr && m_audio->isOpen();
}

int SoundPlayer::underruns() const {
    return m_audio != nullptr ? m_audio->underruns() : 0;
}

void SoundPlayer::play(std::string_view file) {
    const auto it = std::find(kFiles.begin(), kFiles.end(), file);
    const auto index = static_cast<std::size_t>(it - kFiles.begin());
    if (it == kFiles.end() || m_cues[index].path.isEmpty() || !m_cues[index].decodable) {
        if (m_beep)
            m_beep();
        return;
    }
    if (!m_started)
        m_waiting = index;
    else if (m_audio != nullptr)
        m_audio->request(index);
}

} // namespace tavolier
