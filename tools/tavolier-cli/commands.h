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
int runDuel(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
int runAcpcClient(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

// Plays matches 0..matches-1 of a run seeded with seed on jobs threads and
// hands each outcome to finished as its match ends, one call at a time, in
// the order they end; the outcome of match k is the same for any number of
// jobs. No record is kept per match, so memory stays that of the jobs
// whatever the number of matches. When finished returns false no further
// match is started. With progress, the calling thread reports the matches
// done now and then instead of playing.
void playMatches(const MatchSetup& setup, std::uint64_t seed, std::int64_t matches, unsigned jobs,
    const std::function<bool(std::int64_t match, const MatchOutcome& outcome)>& finished,
    const std::function<void(std::int64_t)>& progress = {});

} // namespace tavolier::cli
