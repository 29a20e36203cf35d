// tavolier-cli tournament: many whole matches, played in parallel, and a
// table of who won them. Match k draws from its own generator, seeded from
// the run's seed and k alone, so the table is the same for any --jobs.
#include "acpc_seat.h"
#include "cli_text.h"
#include "commands.h"

#include "core/seats.h"
#include "game/levels.h"
#include "game/match_play.h"
#include "game/rule_set.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <iomanip>
#include <limits>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

namespace tavolier::cli {

namespace {

struct TournamentOptions {
    std::int64_t matches = 100;
    std::uint64_t seed = 0;
    unsigned jobs = 0; // 0: every core
    MatchSetup setup;
    std::optional<bool> progress; // nullopt: when standard error is a terminal
    std::chrono::milliseconds acpcTimeout { 10'000 }; // --acpc-timeout: a decision's time
};

[[nodiscard]] std::optional<TournamentOptions> parseOptions(
    std::span<const std::string_view> args, std::ostream& err) {
    TournamentOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view name = args[i];
        if (name == "--progress" || name == "--no-progress") {
            o.progress = name == "--progress";
            continue;
        }
        if (i + 1 >= args.size()) {
            err << "tavolier-cli tournament: " << quoteInput(name) << " needs a value\n";
            return std::nullopt;
        }
        const std::string_view value = args[++i];
        if (name == "--matches") {
            const auto matches = parseNumber<std::int64_t>(value);
            if (!matches || *matches < 1 || *matches > 100'000'000) {
                err << "tavolier-cli tournament: --matches takes a whole number from 1 to "
                       "100000000\n";
                return std::nullopt;
            }
            o.matches = *matches;
        } else if (name == "--jobs") {
            const auto jobs = parseNumber<unsigned>(value);
            if (!jobs || *jobs < 1 || *jobs > 1024) {
                err << "tavolier-cli tournament: --jobs takes a whole number from 1 to 1024\n";
                return std::nullopt;
            }
            o.jobs = *jobs;
        } else if (name == "--seed") {
            const auto seed = parseNumber<std::uint64_t>(value);
            if (!seed) {
                err << "tavolier-cli tournament: --seed takes an unsigned 64-bit number\n";
                return std::nullopt;
            }
            o.seed = *seed;
        } else if (name == "--level") {
            const auto level = parseLevel(value);
            if (!level) {
                err << "tavolier-cli tournament: --level takes 400, 600, 800, 900 or Amateur, "
                       "Expert, Master, Genius\n";
                return std::nullopt;
            }
            o.setup.opponentLevel = *level;
        } else if (name == "--rules") {
            const auto rules = parseRules(value);
            if (!rules) {
                err << "tavolier-cli tournament: --rules takes classic or standard\n";
                return std::nullopt;
            }
            o.setup.rules = *rules;
        } else if (name == "--human") {
            const auto human = HumanPlayer::parse(value);
            if (!human
                || (human->policy == HumanPlayer::Policy::outside
                    && !acpc::parseSeatAddress(human->address))) {
                err << "tavolier-cli tournament: --human takes call, raise, fold, smart, "
                       "level:L, character:NAME or character:NAME@L (L one of 400, 600, 800, "
                       "900, Amateur, Expert, Master, Genius; NAME one of Chong, Jack, Carlos, "
                       "Cindy, Robert, Edmund, Marc), acpc:PORT or acpc:HOST:PORT\n";
                return std::nullopt;
            }
            o.setup.human = *human;
        } else if (name == "--acpc-timeout") {
            const auto timeout = parseDecisionTime(value);
            if (!timeout) {
                err << "tavolier-cli tournament: --acpc-timeout takes seconds, more than 0 and at "
                       "most 86400\n";
                return std::nullopt;
            }
            o.acpcTimeout = *timeout;
        } else if (name == "--max-hands") {
            const auto maxHands = parseNumber<std::int64_t>(value);
            if (!maxHands || *maxHands < 1) {
                err << "tavolier-cli tournament: --max-hands takes a whole number of at least 1\n";
                return std::nullopt;
            }
            o.setup.maxHands = *maxHands;
        } else {
            err << "tavolier-cli tournament: unknown option " << quoteInput(name) << "\n";
            return std::nullopt;
        }
    }
    if (o.setup.human.policy == HumanPlayer::Policy::character && o.setup.rules == 0) {
        err << "tavolier-cli tournament: --human character:NAME plays by the Standard rules "
               "only (--rules standard)\n";
        return std::nullopt;
    }
    if (o.setup.human.policy == HumanPlayer::Policy::outside && o.setup.rules == 0) {
        err << "tavolier-cli tournament: --human acpc: plays by the Standard rules only "
               "(--rules standard)\n";
        return std::nullopt;
    }
    return o;
}

// The Wilson score interval of a share at 95%.
[[nodiscard]] std::pair<double, double> wilson(std::int64_t wins, std::int64_t n) {
    constexpr double z = 1.959963984540054;
    const double p = static_cast<double>(wins) / static_cast<double>(n);
    const double nn = static_cast<double>(n);
    const double centre = (p + z * z / (2 * nn)) / (1 + z * z / nn);
    const double half = z * std::sqrt(p * (1 - p) / nn + z * z / (4 * nn * nn)) / (1 + z * z / nn);
    return { std::max(0.0, centre - half), std::min(1.0, centre + half) };
}

// "[#####.....] 45/100 matches, 3.2/s, 17 s left", redrawn in place.
void drawProgress(std::ostream& err, std::int64_t done, std::int64_t total, double seconds) {
    constexpr int kWidth = 30;
    const auto filled = static_cast<int>(kWidth * done / total);
    const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0.0;
    err << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
        << std::string(static_cast<std::size_t>(kWidth - filled), '.') << "] " << done << "/"
        << total << " matches, " << std::fixed << std::setprecision(1) << rate << "/s";
    if (rate > 0 && done < total)
        err << ", " << std::setprecision(0) << static_cast<double>(total - done) / rate
            << " s left  ";
    else
        err << "            ";
    err.flush();
}

} // namespace

void playMatches(const MatchSetup& setup, std::uint64_t seed, std::int64_t matches, unsigned jobs,
    const std::function<bool(std::int64_t match, const MatchOutcome& outcome)>& finished,
    const std::function<void(std::int64_t)>& progress) {
    std::atomic<std::int64_t> next { 0 };
    std::atomic<std::int64_t> done { 0 };
    std::atomic<bool> stopped { false };
    std::mutex mutex;
    std::condition_variable ended;
    auto work = [&] {
        for (std::int64_t k = next++; k < matches; k = next++) {
            Random random(matchSeed(seed, static_cast<std::uint64_t>(k)));
            const MatchOutcome outcome = playMatch(setup, random);
            const std::lock_guard lock(mutex);
            if (!finished(k, outcome)) {
                stopped = true;
                next = matches;
            }
            ++done;
            ended.notify_one();
        }
    };
    jobs = std::max(1U,
        std::min<unsigned>(jobs,
            static_cast<unsigned>(
                std::min<std::int64_t>(matches, std::numeric_limits<unsigned>::max()))));
    std::vector<std::jthread> threads;
    try {
        for (unsigned j = 1; j < jobs; ++j)
            threads.emplace_back(work);
        if (progress)
            threads.emplace_back(work);
    } catch (...) {
        // A thread the system would not start: the others stop after their
        // match, and the error goes to the caller.
        stopped = true;
        next = matches;
        throw;
    }
    if (!progress) {
        work();
        threads.clear(); // joins: every match has been handed over before this returns
        return;
    }
    // With a progress report the calling thread only watches.
    std::unique_lock lock(mutex);
    while (done < matches && !stopped) {
        ended.wait_for(lock, std::chrono::milliseconds(200));
        progress(done);
    }
    lock.unlock();
    threads.clear();
}

int runTournament(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const std::optional<TournamentOptions> options = parseOptions(args, err);
    if (!options)
        return 2;
    TournamentOptions o = *options;
    // An outside program in the human's seat plays one match after another
    // on one connection, in this thread.
    std::optional<acpc::OutsideSeat> outside;
    if (o.setup.human.policy == HumanPlayer::Policy::outside) {
        outside.emplace(o.acpcTimeout);
        std::string error;
        if (!outside->open(*acpc::parseSeatAddress(o.setup.human.address), err, error)) {
            err << "tavolier-cli tournament: " << error << "\n";
            return acpc::kPartnerFailed;
        }
        o.setup.human.outside = &*outside;
        o.jobs = 1;
        o.progress = false;
    }
    // No more jobs than matches, as many as are said to have run.
    const unsigned jobs = static_cast<unsigned>(std::max<std::int64_t>(1,
        std::min<std::int64_t>(
            o.jobs != 0 ? o.jobs : std::max(1U, std::thread::hardware_concurrency()), o.matches)));
    const bool showProgress = o.progress.value_or(::isatty(STDERR_FILENO) == 1);

    using Clock = std::chrono::steady_clock;
    const Clock::time_point started = Clock::now();
    std::function<void(std::int64_t)> progress;
    if (showProgress) {
        progress = [&](std::int64_t done) {
            drawProgress(err, done, o.matches,
                std::chrono::duration<double>(Clock::now() - started).count());
        };
    }
    // The table is counted as matches end: sums, the same in any order.
    std::array<std::int64_t, 9> wins {};
    std::int64_t humanBroke = 0;
    std::int64_t unfinished = 0;
    std::int64_t hands = 0;
    try {
        playMatches(
            o.setup, o.seed, o.matches, jobs,
            [&](std::int64_t, const MatchOutcome& m) {
                hands += m.hands;
                if (outside && !outside->failure().empty())
                    return false;
                if (!m.finished)
                    ++unfinished;
                else if (m.winner.isSeat())
                    ++wins[m.winner.index()];
                else
                    ++humanBroke;
                return true;
            },
            progress);
    } catch (const acpc::PartnerFailed& failure) {
        err << "tavolier-cli tournament: " << failure.what() << "\n";
        return acpc::kPartnerFailed;
    } catch (const std::exception& error) {
        // Out of memory or threads: said plainly, never an abort.
        err << (showProgress ? "\n" : "") << "tavolier-cli tournament: " << escapeText(error.what())
            << "\n";
        return 1;
    }
    if (outside) {
        outside->close();
        if (!outside->failure().empty()) {
            err << "tavolier-cli tournament: " << outside->failure() << "\n";
            return acpc::kPartnerFailed;
        }
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    if (showProgress)
        err << "\n";

    out << "tournament " << o.matches << " matches, seed " << o.seed << ", human "
        << o.setup.human.text() << ", opponents level " << o.setup.opponentLevel << "\n";
    out << "seat     matches won   share\n";
    auto row = [&](std::string_view name, std::int64_t count) {
        out << std::left << std::setw(9) << name << std::right << std::setw(11) << count
            << std::setw(7) << std::fixed << std::setprecision(1)
            << 100.0 * static_cast<double>(count) / static_cast<double>(o.matches) << "%\n";
    };
    for (int seat = kSeatCount; seat >= 1; --seat)
        row(seatInfo(seat).name, wins[static_cast<std::size_t>(seat)]);
    row("nobody", humanBroke);
    if (unfinished > 0)
        row("unended", unfinished);
    const std::int64_t humanWins = wins[kHumanSeat.index()];
    const auto [low, high] = wilson(humanWins, o.matches);
    out << "human's seat " << humanWins << " of " << o.matches << " (" << std::setprecision(1)
        << 100.0 * static_cast<double>(humanWins) / static_cast<double>(o.matches)
        << "%, 95% interval " << 100.0 * low << "% to " << 100.0 * high << "%)\n";
    out << "hands per match " << std::setprecision(1)
        << static_cast<double>(hands) / static_cast<double>(o.matches) << "\n";
    out << "time " << std::setprecision(2) << seconds << " s, " << jobs << " jobs, "
        << std::setprecision(0) << static_cast<double>(hands) / std::max(seconds, 1e-9)
        << " hands per second\n";
    return outputWorks(out, err, "tournament") ? 0 : kOutputFailed;
}

} // namespace tavolier::cli
