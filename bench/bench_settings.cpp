// The settings file at start-up (eighteen reads, each opening the file) and
// one write, on a typical file and on a monstrous one.
#include "core/table_state.h"
#include "settings/settings_file.h"
#include "settings/settings_io.h"
#include "settings/temp_folder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

using tavolier::SettingsFile;
using tavolier::TableState;
using tavolier::testing_support::TempFolder;
using tavolier::testing_support::writeBytes;

constexpr std::string_view kTypical
    = "[Settings]\nSound=1\n"
      "[Stats]\nshowdowns=12\nhandsplayed=140\nhandswon=31\n"
      "[Cash]\nfreak=1310\nplayer=900\ngeek=1122\nmaster=1400\n"
      "champ=1200\npinhead=988\nexpert=1050\nrobot=1630\n"
      "until=600\ninitial=1200\n"
      "[Card]\nback=54\n[Levels]\ncomp=800\n[Bet]\nSmall=4\nBig=8\n";

void BM_StartUpReadTypicalFile(benchmark::State& s) {
    TempFolder folder;
    writeBytes(folder.ini(), kTypical);
    SettingsFile file(folder.ini());
    TableState state;
    for (auto _ : s) {
        tavolier::readAll(file, state);
        benchmark::DoNotOptimize(state.bigBet);
    }
}
BENCHMARK(BM_StartUpReadTypicalFile)->Unit(benchmark::kMicrosecond);

// 300 MB with the keys at the start: only the first MiB is ever read.
void BM_StartUpReadHugeFile(benchmark::State& s) {
    TempFolder folder;
    writeBytes(folder.ini(), kTypical);
    std::filesystem::resize_file(folder.ini(), std::uintmax_t { 300 } << 20);
    SettingsFile file(folder.ini());
    TableState state;
    for (auto _ : s) {
        tavolier::readAll(file, state);
        benchmark::DoNotOptimize(state.bigBet);
    }
}
BENCHMARK(BM_StartUpReadHugeFile)->Unit(benchmark::kMillisecond);

// One key written, alternating values so that every write replaces the file
// (temporary file, fsync, rename, folder fsync).
void BM_WriteOneKey(benchmark::State& s) {
    TempFolder folder;
    writeBytes(folder.ini(), kTypical);
    SettingsFile file(folder.ini());
    std::int32_t value = 0;
    for (auto _ : s)
        file.writeInteger("Cash", "player", ++value);
}
BENCHMARK(BM_WriteOneKey)->Unit(benchmark::kMicrosecond);

} // namespace
