#pragma once

#include "game/match_play.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <span>
#include <string_view>
#include <vector>

namespace tavolier::cli {

// Each subcommand gets the arguments after its name and returns the exit status.
int runEval(
    std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err);
int runOdds(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
int runPlay(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
int runTournament(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

// Plays matches 0..matches-1 of a run seeded with seed on jobs threads and
// returns their outcomes in match order, the same for any number of jobs.
// With progress, the calling thread reports the matches done now and then
// instead of playing.
[[nodiscard]] std::vector<MatchOutcome> playMatches(const MatchSetup& setup, std::uint64_t seed,
    std::int64_t matches, unsigned jobs, const std::function<void(std::int64_t)>& progress = {});

} // namespace tavolier::cli
