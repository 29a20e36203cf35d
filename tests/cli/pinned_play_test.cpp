// Pinned play: the lines that tavolier-cli play prints, and the hand-history
// file it writes, for fixed seeds at every level, held against digests
// committed in pinned_play.txt (one per line). Any change in how a hand plays
// shows here as the first line that differs. A deliberate change is pinned
// again with TAVOLIER_REPIN=1 and the new digests are committed with it.
#include "command_run.h"
#include "commands.h"
#include "settings/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace tavolier::cli {
namespace {

// clang-format off
// The pinned runs: the rule set, the opponents' level, the human's policy and
// the seed (a splitmix64 stream where the seed is written "splitmix64:S").
struct PinnedRun {
    const char* name;
    std::vector<std::string_view> args;
};
const std::vector<PinnedRun>& pinnedRuns() {
    static const std::vector<PinnedRun> runs {
        { "classic-amateur-smart", { "--rules", "classic", "--level", "400", "--human", "smart", "--seed", "11" } },
        { "classic-expert-call",   { "--rules", "classic", "--level", "600", "--human", "call", "--seed", "12" } },
        { "classic-master-raise",  { "--rules", "classic", "--level", "800", "--human", "raise", "--seed", "13" } },
        { "classic-genius-fold",   { "--rules", "classic", "--level", "900", "--human", "fold", "--seed", "14" } },
        { "classic-genius-draws",  { "--rules", "classic", "--level", "900", "--human", "call", "--draws", "splitmix64:5" } },
    };
    return runs;
}
// clang-format on

constexpr const char* kHands = "40";

std::filesystem::path pinsFile() {
    return std::filesystem::path(TAVOLIER_PINS_FILE);
}

std::uint32_t digest(const std::string& line) {
    std::uint32_t h = 2166136261u;
    for (unsigned char c : line) {
        h ^= c;
        h *= 16777619u;
    }
    return h;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

// What varies from run to run is left out: the timing lines of the output,
// and the hand number and clock of each history header.
std::vector<std::string> steadyOutput(const std::string& text) {
    std::vector<std::string> out;
    for (std::string& line : lines(text)) {
        if (!line.starts_with("time"))
            out.push_back(std::move(line));
    }
    return out;
}

std::vector<std::string> steadyHistory(const std::string& text) {
    std::vector<std::string> out;
    for (std::string& line : lines(text)) {
        if (line.starts_with("Tavolier Hand #")) {
            const auto colon = line.find(':');
            const auto dash = line.rfind(" - ");
            line = "Tavolier Hand"
                + line.substr(colon, dash == std::string::npos ? dash : dash - colon);
        }
        out.push_back(std::move(line));
    }
    return out;
}

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

// The digests on record: "run stream: d d d ...", eight a line, in order.
std::map<std::string, std::vector<std::uint32_t>> readPins() {
    std::map<std::string, std::vector<std::uint32_t>> pins;
    std::ifstream in(pinsFile());
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        const auto colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        std::vector<std::uint32_t>& list = pins[line.substr(0, colon)];
        std::istringstream fields(line.substr(colon + 1));
        for (std::string hex; fields >> hex;)
            list.push_back(static_cast<std::uint32_t>(std::stoul(hex, nullptr, 16)));
    }
    return pins;
}

void writePins(const std::map<std::string, std::vector<std::string>>& streams) {
    std::ofstream out(pinsFile(), std::ios::trunc);
    out << "# Digests (32-bit FNV-1a) of each line of tavolier-cli play and its history\n"
           "# file, for the runs of pinned_play_test.cpp. Pinned again with TAVOLIER_REPIN=1.\n";
    for (const auto& [key, text] : streams) {
        for (std::size_t i = 0; i < text.size(); i += 8) {
            out << key << ':';
            for (std::size_t j = i; j < std::min(i + 8, text.size()); ++j)
                out << ' ' << std::hex << std::setw(8) << std::setfill('0') << digest(text[j]);
            out << std::dec << '\n';
        }
    }
}

// The first line of text whose digest differs from the pinned ones, as a
// message; empty when every line matches.
std::string firstDifference(const std::string& key, const std::vector<std::string>& text,
    const std::vector<std::uint32_t>& pinned) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i >= pinned.size())
            return key + " line " + std::to_string(i + 1) + " is new: \"" + text[i] + "\"";
        if (digest(text[i]) != pinned[i])
            return key + " line " + std::to_string(i + 1) + " differs: \"" + text[i] + "\"";
    }
    if (pinned.size() > text.size())
        return key + " ends at line " + std::to_string(text.size()) + ", pinned "
            + std::to_string(pinned.size()) + " lines";
    return {};
}

TEST(PinnedPlay, EveryRunPlaysAsPinned) {
    std::map<std::string, std::vector<std::string>> streams;
    for (const PinnedRun& run : pinnedRuns()) {
        testing_support::TempFolder folder;
        const std::string history = (folder.path() / "hands.txt").string();
        std::vector<std::string_view> args { "--hands", kHands, "--history", history };
        args.insert(args.end(), run.args.begin(), run.args.end());
        const CommandRun r = runCommand(runPlay, args);
        ASSERT_EQ(r.status, 0) << run.name << ": " << r.err;
        streams[std::string(run.name) + " out"] = steadyOutput(r.out);
        streams[std::string(run.name) + " history"] = steadyHistory(readAll(history));
    }
    if (std::getenv("TAVOLIER_REPIN") != nullptr) {
        writePins(streams);
        GTEST_SKIP() << "pinned again in " << pinsFile();
    }
    const auto pins = readPins();
    for (const auto& [key, text] : streams) {
        const auto found = pins.find(key);
        ASSERT_NE(found, pins.end()) << key << " has no pinned digests: pin with TAVOLIER_REPIN=1";
        EXPECT_EQ(firstDifference(key, text, found->second), "");
    }
}

} // namespace
} // namespace tavolier::cli
