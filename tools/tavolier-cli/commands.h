#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace tavolier::cli {

// Each subcommand gets the arguments after its name and returns the exit status.
int runEval(
    std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err);
int runOdds(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
int runPlay(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

} // namespace tavolier::cli
