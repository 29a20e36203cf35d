#pragma once

// A tavolier-cli command run in-process: its exit status and what it wrote.
#include <istream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tavolier::cli {

struct CommandRun {
    int status = 0;
    std::string out;
    std::string err;
};

// Runs command(args, out, err), as runPlay, runOdds and runTournament take them.
template <typename Command>
CommandRun runCommand(Command command, const std::vector<std::string_view>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = command(args, out, err);
    return { status, out.str(), err.str() };
}

// The same for a command that reads its input too (runEval).
template <typename Command>
CommandRun runCommand(
    Command command, const std::vector<std::string_view>& args, std::istream& in) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = command(args, in, out, err);
    return { status, out.str(), err.str() };
}

} // namespace tavolier::cli
