// tavolier-cli play: whole hands and matches on a fresh table, with a simple
// policy in the human's seat. The output is the same for the same arguments,
// apart from the lines that begin with "time".
#include "commands.h"

#include "core/random.h"
#include "core/table_view.h"
#include "game/hand_flow.h"
#include "game/match.h"
#include "game/player_actions.h"
#include "game/seats.h"
#include "game/table.h"
#include "game/table_state.h"
#include "opponents/odds.h"
#include "opponents/opponent_turns.h"
#include "settings/settings_file.h"
#include "settings/settings_store.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <iomanip>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

namespace tavolier::cli {

namespace {

enum class Policy { call, raise, fold, smart };

struct PlayOptions {
    long long hands = 0;
    std::optional<std::uint64_t> seed;
    std::optional<std::uint64_t> splitmix;
    std::optional<std::int32_t> level;
    Policy policy = Policy::smart;
    std::string settingsPath;
};

template <typename T> [[nodiscard]] bool parseNumber(std::string_view text, T& value) {
    if (text.empty())
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc {} && end == text.data() + text.size();
}

[[nodiscard]] std::optional<std::int32_t> parseLevel(std::string_view text) {
    constexpr std::array<std::pair<std::string_view, std::int32_t>, 4> kLevels {
        { { "Amateur", 400 }, { "Expert", 600 }, { "Master", 800 }, { "Genius", 900 } }
    };
    for (const auto& [caption, code] : kLevels) {
        if (text == caption || text == std::to_string(code))
            return code;
    }
    return std::nullopt;
}

// Parses the arguments; an error message and nullopt for anything unknown.
[[nodiscard]] std::optional<PlayOptions> parseOptions(
    std::span<const std::string_view> args, std::ostream& err) {
    PlayOptions o;
    bool haveHands = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view name = args[i];
        if (i + 1 >= args.size()) {
            err << "tavolier-cli play: " << name << " needs a value\n";
            return std::nullopt;
        }
        const std::string_view value = args[++i];
        if (name == "--hands") {
            if (!parseNumber(value, o.hands) || o.hands < 1) {
                err << "tavolier-cli play: --hands takes a whole number of at least 1\n";
                return std::nullopt;
            }
            haveHands = true;
        } else if (name == "--seed") {
            std::uint64_t seed = 0;
            if (!parseNumber(value, seed)) {
                err << "tavolier-cli play: --seed takes an unsigned 64-bit number\n";
                return std::nullopt;
            }
            o.seed = seed;
        } else if (name == "--draws") {
            std::uint64_t state = 0;
            constexpr std::string_view kPrefix = "splitmix64:";
            if (!value.starts_with(kPrefix) || !parseNumber(value.substr(kPrefix.size()), state)) {
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
        } else if (name == "--human") {
            if (value == "call")
                o.policy = Policy::call;
            else if (value == "raise")
                o.policy = Policy::raise;
            else if (value == "fold")
                o.policy = Policy::fold;
            else if (value == "smart")
                o.policy = Policy::smart;
            else {
                err << "tavolier-cli play: --human takes call, raise, fold or smart\n";
                return std::nullopt;
            }
        } else if (name == "--settings") {
            o.settingsPath = std::string(value);
        } else {
            err << "tavolier-cli play: unknown option " << name << "\n";
            return std::nullopt;
        }
    }
    if (!haveHands) {
        err << "tavolier-cli play: --hands N is required\n";
        return std::nullopt;
    }
    return o;
}

[[nodiscard]] std::string cardText(Card c) {
    constexpr std::string_view kRanks = "23456789TJQKA";
    constexpr std::string_view kSuits = "cdhs";
    std::string out;
    out += (c.rank >= 0 && c.rank < 13) ? kRanks[static_cast<std::size_t>(c.rank)] : '?';
    out += (c.suit >= 0 && c.suit < 4) ? kSuits[static_cast<std::size_t>(c.suit)] : '?';
    return out;
}

[[nodiscard]] int seatOfStatusLabel(Label label) {
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        if (seatInfo(seat).statusLabel == label)
            return seat;
    }
    return 0;
}

// A screen that tells the story of the hand as readable lines: every
// action shown on a status label, every street shown by a repaint, the
// named hands, the winners and the messages.
class StoryView : public NullView {
public:
    StoryView(std::ostream& out, const TableState& state)
        : m_out(&out)
        , m_state(state) { }

    void setLabelText(Label label, std::string_view text) override {
        const int seat = seatOfStatusLabel(label);
        if (seat == 0 || text.empty())
            return;
        if (text == "Small Blind")
            line(seat, "posts", "the small blind " + std::to_string(m_state.smallBlind));
        else if (text == "Big Blind")
            line(seat, "posts", "the big blind " + std::to_string(m_state.bigBlind));
        else if (seat == kHuman && text == "Folds")
            return; // the player writes the human's own actions
        else if (text == "Calls")
            line(seat, "calls", std::to_string(m_state.toCall));
        else if (text == "Folds")
            line(seat, "folds", "");
        else if (text == "Check")
            line(seat, "checks", "");
        else if (text == "Raises")
            line(seat, "raises", std::to_string(m_state.raiseAmount));
        else if (!m_showdownTold) {
            const Seat& s = m_state.seat(seat);
            m_toldShowdownLines = true;
            line(seat, "shows",
                cardText(s.holeCards[0]) + " " + cardText(s.holeCards[1]) + ": "
                    + std::string(text));
        }
    }

    void setLabelStyle(Label label, FontStyle style) override {
        const int seat = seatOfStatusLabel(label);
        if (seat == 0 || style != FontStyle::italic || m_showdownTold)
            return;
        m_toldShowdownLines = true;
        const bool paid = !m_state.potSettled && m_state.outCount != 7 && m_state.winnerCount > 0;
        line(seat, "wins", paid ? std::to_string(m_state.pot / m_state.winnerCount) : "");
    }

    void setButtonEnabled(Button button, bool enabled) override {
        // A showdown ends by enabling "Deal"; a second showdown in the same
        // hand repeats the same names and winners, which are not told again.
        // (The human's fold enables "Deal" before its showdown has told any.)
        if (button == Button::btnnew && enabled && m_state.street == 5 && m_toldShowdownLines)
            m_showdownTold = true;
    }

    bool paintBackground() override {
        if (m_state.street != m_street) {
            m_street = m_state.street;
            static constexpr std::array<std::string_view, 6> kStreets { "", "pre-flop", "flop",
                "turn", "river", "showdown" };
            const int shown = m_street == 2 ? 3 : m_street == 3 ? 4 : m_street >= 4 ? 5 : 0;
            if (m_street >= 2 && m_street <= 5) {
                *m_out << " " << kStreets[static_cast<std::size_t>(m_street)];
                for (int i = 0; i < shown; ++i)
                    *m_out << " " << cardText(m_state.board[static_cast<std::size_t>(i)]);
                *m_out << "\n";
            }
        }
        return true;
    }

    void message(std::string_view text, std::string_view caption) override {
        *m_out << "  message " << text << " (" << caption << ")\n";
    }

    // "Chong checks": an action the labels do not show.
    void tell(int seat, std::string_view verb) { line(seat, verb, ""); }

    // Where the story goes; the street is told afresh from the next hand on.
    void tellTo(std::ostream& out) {
        m_out = &out;
        m_street = 1;
        m_showdownTold = false;
        m_toldShowdownLines = false;
    }

private:
    std::ostream* m_out;
    const TableState& m_state;
    StreetNumber m_street = 1;
    bool m_showdownTold = false;
    bool m_toldShowdownLines = false;

    // "Chong calls 4", "You call 4": the human's verbs lose their "s".
    void line(int seat, std::string_view verb, const std::string& rest) {
        *m_out << "  " << seatInfo(seat).name << " "
               << (seat == kHuman ? verb.substr(0, verb.size() - 1) : verb);
        if (!rest.empty())
            *m_out << " " << rest;
        *m_out << "\n";
    }
};

// The human's estimate as the odds badge makes it: 2001 trials.
[[nodiscard]] bool smartStays(Table& table) {
    TableState& s = table.state;
    s.actorCards = s.seat(kHuman).holeCards;
    const std::int32_t level = s.aiLevelCode;
    s.aiLevelCode = 2000;
    estimateOdds(s, table.random);
    s.aiLevelCode = level;
    return s.oddsScore >= (s.street >= 2 ? 15 : 20);
}

// The opponents' real decisions, unchanged (same estimate, same draws), told
// where the table shows nothing: a check before the flop leaves the seat's
// label as it was.
class Narrator : public DecisionOverride {
public:
    Narrator(TableState& state, Random& random, StoryView& view)
        : m_state(state)
        , m_random(random)
        , m_view(view) { }

    bool staysIn(const TableState&, int) override {
        decideStay(m_state, m_random);
        return m_state.staysIn;
    }
    bool raises(const TableState&, int seat) override {
        decideRaise(m_state, m_random);
        if (m_state.raiseAmount == 0 && m_state.street == 1)
            m_view.tell(seat, "checks");
        return m_state.raiseAmount > 0;
    }

private:
    TableState& m_state;
    Random& m_random;
    StoryView& m_view;
};

void humanActs(Table& table, Policy policy, std::ostream& out) {
    const bool call = table.buttonCaption(Button::btnstay) == "Call";
    const char* stay = call ? "  You call\n" : "  You check\n";
    switch (policy) {
    case Policy::call:
        out << stay;
        playerstays(table);
        return;
    case Policy::raise:
        if (table.buttonEnabled(Button::btnbet) && table.state.seat(kHuman).chips >= 2) {
            out << "  You raise\n";
            playerbets(table);
        } else {
            out << stay;
            playerstays(table);
        }
        return;
    case Policy::fold:
        out << "  You fold\n";
        playerpasses(table);
        return;
    case Policy::smart:
        if (smartStays(table)) {
            out << stay;
            playerstays(table);
        } else {
            out << "  You fold\n";
            playerpasses(table);
        }
        return;
    }
}

[[nodiscard]] std::int64_t lostToSplit(const TableState& s) {
    if (!s.potSettled || s.outCount == 7)
        return 0;
    return s.winnerCount > 0 ? s.pot % s.winnerCount : s.pot;
}

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

    std::unique_ptr<SettingsStore> store;
    if (o.settingsPath.empty())
        store = std::make_unique<MemorySettings>();
    else
        store = std::make_unique<SettingsFile>(o.settingsPath);

    TableState state;
    StoryView view(out, state);
    Table table(state, random, view, *store);
    Narrator narrator(state, random, view);
    table.decisionOverride = &narrator;

    using Clock = std::chrono::steady_clock;
    const Clock::time_point started = Clock::now();
    std::int64_t lost = 0;
    long long hand = 1;
    try {
        out << "hand 1\n";
        prepareStartUp(table, false);
        if (o.level)
            state.aiLevelCode = *o.level;
        startupDeal(table);
        bool dealt = true;
        for (;;) {
            const bool inProgress
                = !table.buttonEnabled(Button::btnnew) && table.buttonEnabled(Button::btnstay);
            if (inProgress) {
                humanActs(table, o.policy, out);
                continue;
            }
            if (dealt) {
                if (state.outCount == 7)
                    out << "  You take the pot " << state.pot << "\n";
                lost += lostToSplit(state);
                out << "end " << hand;
                for (int seat = kSeatCount; seat >= 1; --seat)
                    out << " " << state.seat(seat).chips;
                out << " " << state.pot << " " << state.handsPlayed << " " << state.handsWon << " "
                    << state.showdowns << "\n";
                dealt = false;
                if (hand >= o.hands)
                    break;
            }
            // A Deal that only announces the end of the match prints nothing.
            const std::uint64_t draws = random.drawCount();
            const bool newMatch = !table.buttonEnabled(Button::btnnew);
            std::ostringstream story;
            view.tellTo(story);
            if (newMatch)
                NewGame1Click(table, std::to_string(state.initialChips));
            else
                newgame(table);
            view.tellTo(out);
            if (random.drawCount() != draws) {
                ++hand;
                dealt = true;
                out << (newMatch ? "new match\n" : "") << "hand " << hand << "\n" << story.str();
            }
        }
    } catch (const SettingsWriteError& error) {
        err << "tavolier-cli play: " << error.what() << "\n";
        return 1;
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
    return 0;
}

} // namespace tavolier::cli
