// How long the table window takes to open, and the Statistics window after
// it: the window must open no slower for having a chart, since Qt Charts
// comes in only with the Statistics window. Runs on Qt's offscreen platform.
#include "core/random.h"
#include "core/table_state.h"
#include "settings/settings_store.h"
#include "ui/main_window.h"

#include <QApplication>

#include <memory>

#include <benchmark/benchmark.h>

namespace {

using namespace tavolier;

WindowOptions benchOptions() {
    WindowOptions options;
    options.assetDirs = { QStringLiteral(TAVOLIER_ASSET_DIR) };
    options.scale = 1.0;
    options.audio = false;
    options.runTimers = false;
    return options;
}

// Construction (the start-up and the first deal) and the first paint.
void BM_OpenWindow(benchmark::State& state) {
    for (auto _ : state) {
        TableState table;
        Random random = Random::splitMix64(7);
        MemorySettings settings;
        TableWindow form(table, random, settings, benchOptions());
        form.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(form.canvas().constBits());
    }
}
BENCHMARK(BM_OpenWindow)->Unit(benchmark::kMillisecond);

// The Statistics window: the first opening in the process loads the chart
// plugin and Qt Charts with it; later ones find them loaded.
void BM_OpenStatistics(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        TableState table;
        Random random = Random::splitMix64(7);
        MemorySettings settings;
        WindowOptions options = benchOptions();
        options.pluginDirs = { QStringLiteral(TAVOLIER_PLUGIN_BUILD_DIR) };
        auto form = std::make_unique<TableWindow>(table, random, settings, options);
        form->show();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        form->openStatistics();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(form->statisticsWindow());
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenStatistics)
    ->Name("BM_OpenStatistics/first")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenStatistics)->Name("BM_OpenStatistics/again")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
