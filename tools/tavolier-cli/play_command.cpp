// tavolier-cli play: whole hands and matches on a fresh table, with a simple
// policy in the human's seat. The output is the same for the same arguments,
// apart from the lines that begin with "time".
#include "acpc_seat.h"
#include "cli_text.h"
#include "commands.h"

#include "core/random.h"
#include "core/seats.h"
#include "core/table_state.h"
#include "core/table_view.h"
#include "game/game.h"
#include "game/levels.h"
#include "game/match_play.h"
#include "game/table.h"
#include "presentation/hand_history.h"
#include "presentation/hand_history_file.h"
#include "settings/settings_file.h"
#include "settings/settings_io.h"
#include "settings/settings_store.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <limits>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <system_error>

namespace tavolier::cli {

namespace {

struct PlayOptions {
    long long hands = 0;
    std::optional<std::uint64_t> seed;
    std::optional<std::uint64_t> splitmix;
    std::optional<std::int32_t> level;
    std::int32_t rules = 0; // --rules: Classic unless told
    HumanPlayer human; // smart unless --human says otherwise
    std::string settingsPath;
    std::string historyPath; // --history: every hand in the hand-history layout
    HistoryStyle historyStyle = HistoryStyle::tavolier; // --history-style
    std::optional<std::int64_t> firstHand; // --first-hand: the first hand's number in the file
    std::chrono::milliseconds acpcTimeout { 10'000 }; // --acpc-timeout: a decision's time
};

// Parses the arguments; an error message and nullopt for anything unknown.
[[nodiscard]] std::optional<PlayOptions> parseOptions(
    std::span<const std::string_view> args, std::ostream& err) {
    PlayOptions o;
    bool haveHands = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view name = args[i];
        if (i + 1 >= args.size()) {
            err << "tavolier-cli play: " << quoteInput(name) << " needs a value\n";
            return std::nullopt;
        }
        const std::string_view value = args[++i];
        if (name == "--hands") {
            const auto hands = parseNumber<long long>(value);
            if (!hands || *hands < 1) {
                err << "tavolier-cli play: --hands takes a whole number of at least 1\n";
                return std::nullopt;
            }
            o.hands = *hands;
            haveHands = true;
        } else if (name == "--seed") {
            const auto seed = parseNumber<std::uint64_t>(value);
            if (!seed) {
                err << "tavolier-cli play: --seed takes an unsigned 64-bit number\n";
                return std::nullopt;
            }
            o.seed = seed;
        } else if (name == "--draws") {
            constexpr std::string_view kPrefix = "splitmix64:";
            const auto state = value.starts_with(kPrefix)
                ? parseNumber<std::uint64_t>(value.substr(kPrefix.size()))
                : std::nullopt;
            if (!state) {
                err << "tavolier-cli play: --draws takes splitmix64:S with S an unsigned 64-bit "
                       "number\n";
                return std::nullopt;
            }
            o.splitmix = state;
        } else if (name == "--level") {
            o.level = parseLevel(value);
            if (!o.level) {
                err << "tavolier-cli play: --level takes 400, 600, 800, 900 or Amateur, Expert, "
                       "Master, "
                       "Genius\n";
                return std::nullopt;
            }
        } else if (name == "--rules") {
            const std::optional<std::int32_t> rules = parseRules(value);
            if (!rules) {
                err << "tavolier-cli play: --rules takes classic or standard\n";
                return std::nullopt;
            }
            o.rules = *rules;
        } else if (name == "--human") {
            const std::optional<HumanPlayer> human = HumanPlayer::parse(value);
            if (!human
                || (human->policy == HumanPlayer::Policy::outside
                    && !acpc::parseSeatAddress(human->address))) {
                err << "tavolier-cli play: --human takes call, raise, fold, smart, level:L, "
                       "character:NAME or character:NAME@L (L one of 400, 600, 800, 900, "
                       "Amateur, Expert, Master, Genius; NAME one of Chong, Jack, Carlos, Cindy, "
                       "Robert, Edmund, Marc), acpc:PORT or acpc:HOST:PORT\n";
                return std::nullopt;
            }
            o.human = *human;
        } else if (name == "--acpc-timeout") {
            const std::optional<std::chrono::milliseconds> timeout = parseDecisionTime(value);
            if (!timeout) {
                err << "tavolier-cli play: --acpc-timeout takes seconds, more than 0 and at most "
                       "86400\n";
                return std::nullopt;
            }
            o.acpcTimeout = *timeout;
        } else if (name == "--settings") {
            if (value.empty()) {
                err << "tavolier-cli play: --settings takes a file name\n";
                return std::nullopt;
            }
            o.settingsPath = std::string(value);
            // The file may be new; its folder must be there already.
            const std::filesystem::path folder
                = std::filesystem::path(o.settingsPath).parent_path();
            std::error_code ec;
            if (!folder.empty() && !std::filesystem::is_directory(folder, ec)) {
                err << "tavolier-cli play: --settings: there is no folder "
                    << escapeText(folder.string()) << "\n";
                return std::nullopt;
            }
        } else if (name == "--history") {
            if (value.empty()) {
                err << "tavolier-cli play: --history takes a file name\n";
                return std::nullopt;
            }
            o.historyPath = std::string(value);
        } else if (name == "--history-style") {
            if (value != "tavolier" && value != "trackers") {
                err << "tavolier-cli play: --history-style takes tavolier or trackers\n";
                return std::nullopt;
            }
            o.historyStyle = value == "trackers" ? HistoryStyle::trackers : HistoryStyle::tavolier;
        } else if (name == "--first-hand") {
            const auto first = parseNumber<std::int64_t>(value);
            if (!first || *first < 1) {
                err << "tavolier-cli play: --first-hand takes a whole number from 1 to "
                    << std::numeric_limits<std::int64_t>::max() << "\n";
                return std::nullopt;
            }
            o.firstHand = first;
        } else {
            err << "tavolier-cli play: unknown option " << quoteInput(name) << "\n";
            return std::nullopt;
        }
    }
    if (!haveHands) {
        err << "tavolier-cli play: --hands N is required\n";
        return std::nullopt;
    }
    if (o.human.policy == HumanPlayer::Policy::character && o.rules == 0) {
        err << "tavolier-cli play: --human character:NAME plays by the Standard rules only "
               "(--rules standard)\n";
        return std::nullopt;
    }
    if (o.human.policy == HumanPlayer::Policy::outside && o.rules == 0) {
        err << "tavolier-cli play: --human acpc: plays by the Standard rules only "
               "(--rules standard)\n";
        return std::nullopt;
    }
    if (o.firstHand && *o.firstHand - 1 > std::numeric_limits<std::int64_t>::max() - o.hands) {
        err << "tavolier-cli play: --first-hand leaves no room for " << o.hands
            << " hand numbers\n";
        return std::nullopt;
    }
    return o;
}

// The story of the hand as readable lines, told from the game events: the
// blinds, every seat's action with its amount, the streets, the hands shown
// and who won what. The lines of a hand go to a buffer until the driver
// knows whether the hand was dealt.
class Narrator : public GameEvents {
public:
    explicit Narrator(std::ostream& out)
        : m_out(&out) { }

    void handStarted(const HandStarted& e) override {
        ++m_handsStarted;
        m_newMatch = e.newMatch;
    }
    void blindPosted(const BlindPosted& e) override {
        line(e.seat, "posts",
            (e.big ? "the big blind " : "the small blind ") + std::to_string(e.amount));
    }
    void actionTaken(const ActionTaken& e) override {
        switch (e.kind) {
        case ActionKind::check:
            line(e.seat, "checks", "");
            break;
        case ActionKind::call:
            line(e.seat, "calls", std::to_string(e.paid) + (e.allIn ? " all-in" : ""));
            break;
        case ActionKind::raise:
            line(e.seat, "raises", std::to_string(e.paid) + (e.allIn ? " all-in" : ""));
            break;
        case ActionKind::bet:
            line(e.seat, "bets", std::to_string(e.paid) + (e.allIn ? " all-in" : ""));
            break;
        case ActionKind::fold:
            line(e.seat, "folds", "");
            break;
        case ActionKind::sitsOut:
            line(e.seat, "sits", "out");
            break;
        }
    }
    void betReturned(const BetReturned& e) override {
        line(e.seat, "takes", "back " + std::to_string(e.amount));
    }
    void streetDealt(const StreetDealt& e) override {
        static constexpr std::array<std::string_view, 5> kStreets { "pre-flop", "flop", "turn",
            "river", "showdown" };
        *m_out << " " << kStreets[streetIndex(e.street)];
        for (int i = 0; i < e.boardCount; ++i)
            *m_out << " " << cardCode(e.board[static_cast<std::size_t>(i)]);
        *m_out << "\n";
    }
    void handShown(const HandShown& e) override {
        line(e.seat, "shows", cardCode(e.cards[0]) + " " + cardCode(e.cards[1]) + ": " + e.name);
    }
    void potAwarded(const PotAwarded& e) override {
        m_lost += e.lostToSplit;
        if (e.byFolds && e.winners[kHumanSeat.index()]) {
            *m_out << "  You take the pot " << e.pot << "\n";
            return;
        }
        for (int seat = kSeatCount; seat >= 1; --seat) {
            if (e.winners[static_cast<std::size_t>(seat)])
                line(SeatNumber(seat), "wins",
                    std::to_string(e.won[static_cast<std::size_t>(seat)]));
        }
    }

    // Where the story goes.
    void tellTo(std::ostream& out) { m_out = &out; }
    [[nodiscard]] long long handsStarted() const { return m_handsStarted; }
    [[nodiscard]] bool newMatch() const { return m_newMatch; }
    // The chips that no winner received, over the whole run.
    [[nodiscard]] std::int64_t lostToSplits() const { return m_lost; }

private:
    std::ostream* m_out;
    long long m_handsStarted = 0;
    bool m_newMatch = false;
    std::int64_t m_lost = 0;

    // "Chong calls 4", "You call 4": the human's verbs lose their "s".
    void line(SeatNumber seat, std::string_view verb, const std::string& rest) {
        *m_out << "  " << seatInfo(seat.number()).name << " "
               << (seat.isHuman() ? verb.substr(0, verb.size() - 1) : verb);
        if (!rest.empty())
            *m_out << " " << rest;
        *m_out << "\n";
    }
};

// The first hand number of a run that --first-hand does not fix: the run's
// start in microseconds since 1970, times a hundred. That stays below the
// window's numbers (its session's start, YYYYMMDDhhmmss and five digits)
// for centuries.
[[nodiscard]] std::int64_t runStartNumber() {
    const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    return now.count() * 100 + 1;
}

// The screen tells the story only through its messages ("You win!").
class MessageView : public NullView {
public:
    explicit MessageView(std::ostream& out)
        : m_out(&out) { }
    void message(std::string_view text, std::string_view caption) override {
        *m_out << "  message " << text << " (" << caption << ")\n";
    }
    void tellTo(std::ostream& out) { m_out = &out; }

private:
    std::ostream* m_out;
};

} // namespace

int runPlay(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const std::optional<PlayOptions> options = parseOptions(args, err);
    if (!options)
        return 2;
    const PlayOptions& o = *options;

    // --seed (0 when absent) drives the fast generator, kept from the clock
    // so that "New" does not re-seed it: the same arguments always play the
    // same hands. --draws puts the documented stream in its place.
    Random random = o.splitmix ? Random::splitMix64(*o.splitmix) : Random(o.seed.value_or(0));
    random.ignoreClock();

    // One session at a time writes a settings file; a second is refused
    // before it plays, rather than undoing the first one's hands.
    std::optional<SessionClaim> claim;
    if (!o.settingsPath.empty()) {
        claim.emplace(o.settingsPath);
        if (claim->inUse()) {
            err << "tavolier-cli play: " << escapeText(o.settingsPath)
                << " is in use by another game; nothing was played\n";
            return 2;
        }
    }

    std::unique_ptr<SettingsStore> store;
    if (o.settingsPath.empty()) {
        // Nobody reads the writes back: a long run keeps no log of them.
        auto memory = std::make_unique<MemorySettings>();
        memory->logWrites = false;
        store = std::move(memory);
    } else
        store = std::make_unique<SettingsFile>(o.settingsPath);

    TableState state;
    MessageView view(out);
    Narrator narrator(out);
    EventFanOut events;
    events.add(narrator);

    // --history: each finished hand goes to the file as it ends, stamped
    // with the local time it started. The file is checked before anything
    // in it is lost: never the settings file, a link or anything but a
    // regular file.
    std::optional<HistoryFileHandle> historyFile;
    bool historyFailed = false;
    HandHistory history([] {
        const std::time_t now = std::time(nullptr);
        std::tm local {};
        localtime_r(&now, &local);
        return LocalTime { local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
            local.tm_min, local.tm_sec, static_cast<int>(local.tm_gmtoff / 60),
            local.tm_zone != nullptr ? local.tm_zone : "" };
    });
    if (!o.historyPath.empty()) {
        historyFile.emplace(o.historyPath, o.settingsPath);
        if (!historyFile->ok() || !historyFile->empty()) {
            err << "tavolier-cli play: "
                << escapeText(
                       historyFile->ok() ? "cannot write " + o.historyPath : historyFile->error())
                << "\n";
            return 2;
        }
        // Unless --first-hand fixes them, the hands are numbered from the
        // run's start in microseconds times a hundred: a run deals fewer hands
        // than that grows, so no two runs on a machine share a number.
        const std::int64_t first = o.firstHand.value_or(runStartNumber());
        history.handFinished = [&historyFile, &historyFailed, first, style = o.historyStyle](
                                   const HandRecord& hand) {
            // After a failed write the file ends with the last whole hand.
            if (!historyFailed)
                historyFailed = !historyFile->append(
                    handHistoryText(hand, first - 1 + hand.start.handNumber, style));
        };
        // Each hand is in the file once it ends: only the one in play is kept.
        history.keepOnlyTheHandInPlay = true;
        events.add(history);
    }
    // --human acpc:...: the program connects before the first hand.
    HumanPlayer human = o.human;
    std::optional<acpc::OutsideSeat> outside;
    if (o.human.policy == HumanPlayer::Policy::outside) {
        outside.emplace(o.acpcTimeout);
        std::string error;
        if (!outside->open(*acpc::parseSeatAddress(o.human.address), err, error)) {
            err << "tavolier-cli play: " << error << "\n";
            if (historyFile)
                (void)historyFile->append("Run stopped: " + error + "\n");
            return acpc::kPartnerFailed;
        }
        human.outside = &*outside;
        events.add(*outside);
    }
    // The table as the last finished hand left it: what a failed partner's
    // run writes to the settings.
    std::optional<TableState> finished;
    std::string partnerFailure;

    Table table(state, random, view, *store, events);
    Game game(table);

    using Clock = std::chrono::steady_clock;
    const Clock::time_point started = Clock::now();
    long long hand = 1;
    try {
        out << "hand 1\n";
        game.prepareStartUp(false);
        // A file the game cannot play from is refused before a hand is
        // dealt, and left as it is.
        if (!table.refusedValues.empty()) {
            for (const RefusedValue& refused : table.refusedValues)
                err << "tavolier-cli play: " << escapeText(o.settingsPath) << ": "
                    << escapeText(describe(refused)) << "\n";
            return 2;
        }
        if (o.level)
            state.aiLevelCode = *o.level;
        state.rulesChoice = o.rules;
        game.startupDeal();
        bool dealt = true;
        for (;;) {
            const LegalActions legal = game.legalActions();
            if (legal.handInProgress) {
                try {
                    humanActs(game, human);
                } catch (const acpc::PartnerFailed& failure) {
                    partnerFailure = failure.what();
                    break;
                }
                continue;
            }
            if (outside) {
                finished = state;
                if (!outside->failure().empty()) {
                    partnerFailure = outside->failure();
                    break;
                }
            }
            if (dealt) {
                out << "end " << hand;
                for (int seat = kSeatCount; seat >= 1; --seat)
                    out << " " << state.seat(seat).chips;
                out << " " << state.pot << " " << state.handsPlayed << " " << state.handsWon << " "
                    << state.showdowns << "\n";
                dealt = false;
                if (hand >= o.hands || !out.good()) {
                    // What a window closed between hands writes: the last
                    // hand's statistics and a pot won by folds are kept.
                    writeStatsAndChips(table.settings, state);
                    break;
                }
            }
            // A Deal that only announces the end of the match prints nothing.
            const long long handsBefore = narrator.handsStarted();
            const bool matchOver = !legal.deal;
            std::ostringstream story;
            view.tellTo(story);
            narrator.tellTo(story);
            if (matchOver)
                game.newMatch(std::to_string(state.initialChips));
            else
                game.deal();
            view.tellTo(out);
            narrator.tellTo(out);
            if (narrator.handsStarted() != handsBefore) {
                ++hand;
                dealt = true;
                out << (narrator.newMatch() ? "new match\n" : "") << "hand " << hand << "\n"
                    << story.str();
            }
        }
    } catch (const SettingsWriteError& error) {
        err << "tavolier-cli play: " << escapeText(error.what());
        if (!error.detail().empty())
            err << ": " << escapeText(error.detail());
        err << "\n";
        return 1;
    }
    if (outside)
        outside->close();
    if (!partnerFailure.empty()) {
        // Every finished hand is in the history file already; the settings
        // get the chips and statistics as the last finished hand left them.
        err << "tavolier-cli play: " << partnerFailure << "\n";
        if (historyFile)
            (void)historyFile->append("Run stopped: " + partnerFailure + "\n");
        try {
            writeStatsAndChips(table.settings, finished ? *finished : state);
        } catch (const SettingsWriteError& error) {
            err << "tavolier-cli play: " << escapeText(error.what()) << "\n";
        }
        out.flush();
        return acpc::kPartnerFailed;
    }
    const std::int64_t lost = narrator.lostToSplits();
    if (historyFile) {
        if (historyFailed) {
            err << "tavolier-cli play: writing " << escapeText(o.historyPath) << " failed\n";
            return 1;
        }
    }

    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    out << "hands " << hand << "\n";
    out << "chips";
    for (int seat = kSeatCount; seat >= 1; --seat)
        out << " " << seatInfo(seat).name << " " << state.seat(seat).chips;
    out << "\n";
    out << "lost to uneven splits " << lost << "\n";
    out << "time " << std::fixed << std::setprecision(3) << ms / static_cast<double>(hand)
        << " ms per hand\n";
    return outputWorks(out, err, "play") ? 0 : kOutputFailed;
}

} // namespace tavolier::cli
