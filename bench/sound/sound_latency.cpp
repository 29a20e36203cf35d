// tavolier-bench-sound: how long from play() to the sound's first sample at
// the sink. Runs the game's audio output against a private PulseAudio null
// sink and times each play by the recording of the sink's monitor; every
// iteration's time is that delay (an upper bound: the recording's own
// delivery is included). Also prints what the server says the stream's
// buffer and the sink add.
#include "sound/null_sink.h"
#include "ui/sound_player.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>

namespace {

using namespace tavolier;
using namespace tavolier::soundtest;

NullSinkServer* g_server = nullptr;
SoundPlayer* g_player = nullptr;

void BM_SoundLatency(benchmark::State& state) {
    MonitorRecorder recorder(*g_server);
    if (!recorder.start()) {
        state.SkipWithError("parec records nothing");
        return;
    }
    const auto file = SoundPlayer::kFiles[static_cast<std::size_t>(state.range(0))];
    // Where the sound's first non-zero sample lies in its file: the sound
    // starts that much before that sample is heard.
    std::size_t lead = 0;
    {
        QFile wav(
            QDir(TAVOLIER_ASSET_DIR)
                .filePath(QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size()))));
        wav.open(QIODevice::ReadOnly);
        const QByteArray bytes = wav.readAll();
        const auto clip = decodeWave(
            std::as_bytes(std::span(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
        if (!clip) {
            state.SkipWithError("the sound does not decode");
            return;
        }
        const std::vector<std::int16_t> samples = renderClip(*clip, kSinkRate, 1);
        while (lead < samples.size() && samples[lead] == 0)
            ++lead;
    }
    double slowest = 0;
    for (auto _ : state) {
        recorder.pump(400); // the previous sound is over
        const std::size_t cursor = recorder.samples().size();
        const auto called = Clock::now();
        g_player->play(file);
        std::size_t heard = cursor;
        const auto deadline = called + std::chrono::seconds(2);
        for (;;) {
            recorder.pump(1);
            const auto& samples = recorder.samples();
            while (heard < samples.size() && samples[heard] == 0)
                ++heard;
            if (heard < samples.size() || Clock::now() > deadline)
                break;
        }
        if (heard >= recorder.samples().size()) {
            state.SkipWithError("the sound was not heard");
            return;
        }
        const double seconds = std::chrono::duration<double>(
            recorder.playedBy(heard - std::min(lead, heard - cursor)) - called)
                                   .count();
        slowest = std::max(slowest, seconds);
        state.SetIterationTime(seconds);
    }
    state.counters["slowest_ms"] = slowest * 1000;
    state.SetLabel(std::string(file));
}
BENCHMARK(BM_SoundLatency)
    ->DenseRange(0, 3)
    ->UseManualTime()
    ->Iterations(40)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    NullSinkServer server;
    if (!server.start()) {
        std::fprintf(stderr, "no sound server: %s\n", qPrintable(server.why()));
        return 1;
    }
    qputenv("PULSE_SERVER", server.address().toUtf8());
    SoundPlayer player(
        AssetFinder({ QStringLiteral(TAVOLIER_ASSET_DIR) }), SoundPlayer::Output::Detect);
    player.start();
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (!player.hasOutput() && Clock::now() < deadline)
        QThread::msleep(10);
    if (!player.hasOutput()) {
        std::fprintf(stderr, "the audio output does not open\n");
        return 1;
    }
    QByteArray inputs;
    server.pactl({ "list", "sink-inputs" }, &inputs);
    std::printf("%s\n", inputs.constData());
    g_server = &server;
    g_player = &player;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
