// tavolier-cli duel: measures players against each other by the Standard
// rules with duplicate deals. Every deal is played once for each seating of
// the players round the table (each player moves one chair clockwise from
// one seating to the next), with the same cards in the same chairs and the
// same dealer button, so that the luck of the cards cancels. Stacks are
// reset to deep stacks before every hand. Deal k draws its cards and its
// decisions from generators seeded from the run's seed and k alone, so the
// figures are the same for any --jobs.
#include "cli_text.h"
#include "commands.h"
#include "duel_table.h"

#include "core/random.h"
#include "core/seats.h"
#include "core/table_state.h"
#include "core/table_view.h"
#include "game/game.h"
#include "game/levels.h"
#include "game/match_play.h"
#include "game/rule_set.h"
#include "game/seat_views.h"
#include "game/table.h"
#include "opponents/opponent.h"
#include "presentation/style_statistics.h"
#include "settings/settings_store.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <iomanip>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace tavolier::cli {

namespace {

// A chair by its number (1-8) or its name ("Marc", ..., "Chong", "You").
[[nodiscard]] std::optional<int> parseChair(std::string_view text) {
    if (const auto number = parseNumber<int>(text); number && *number >= 1 && *number <= kSeatCount)
        return *number;
    if (text == "You" || text == "you")
        return kHuman;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        if (seatInfo(seat).name == text)
            return seat;
    }
    return std::nullopt;
}

struct DuelOptions {
    std::string acpcAddress; // the chair of kind outside listens here
    std::chrono::milliseconds acpcTimeout { 10'000 }; // --acpc-timeout: a decision's time
    std::int64_t hands = 8000;
    std::uint64_t seed = 0;
    unsigned jobs = 0; // 0: every core
    std::int32_t level = 400;
    std::array<std::optional<DuelPlayer>, kSeatCount + 1> chairs {}; // by seat; unset: --level
};

[[nodiscard]] std::optional<DuelOptions> parseOptions(
    std::span<const std::string_view> args, std::ostream& err) {
    DuelOptions o;
    constexpr std::string_view kPlayers
        = "level:L, character:NAME or character:NAME@L (L one of 400, 600, 800, 900, Amateur, "
          "Expert, Master, Genius; NAME one of Chong, Jack, Carlos, Cindy, Robert, Edmund, "
          "Marc), call, raise, acpc:PORT or acpc:HOST:PORT";
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view name = args[i];
        if (i + 1 >= args.size()) {
            err << "tavolier-cli duel: " << quoteInput(name) << " needs a value\n";
            return std::nullopt;
        }
        const std::string_view value = args[++i];
        if (name == "--hands") {
            const auto hands = parseNumber<std::int64_t>(value);
            if (!hands || *hands < 1 || *hands > 1'000'000'000) {
                err << "tavolier-cli duel: --hands takes a whole number from 1 to 1000000000\n";
                return std::nullopt;
            }
            o.hands = *hands;
        } else if (name == "--seed") {
            const auto seed = parseNumber<std::uint64_t>(value);
            if (!seed) {
                err << "tavolier-cli duel: --seed takes an unsigned 64-bit number\n";
                return std::nullopt;
            }
            o.seed = *seed;
        } else if (name == "--jobs") {
            const auto jobs = parseNumber<unsigned>(value);
            if (!jobs || *jobs < 1 || *jobs > 1024) {
                err << "tavolier-cli duel: --jobs takes a whole number from 1 to 1024\n";
                return std::nullopt;
            }
            o.jobs = *jobs;
        } else if (name == "--level") {
            const auto level = parseLevel(value);
            if (!level) {
                err << "tavolier-cli duel: --level takes 400, 600, 800, 900 or Amateur, Expert, "
                       "Master, Genius\n";
                return std::nullopt;
            }
            o.level = *level;
        } else if (name == "--human") {
            const auto player = parseDuelPlayer(value);
            if (!player) {
                err << "tavolier-cli duel: --human takes " << kPlayers << "\n";
                return std::nullopt;
            }
            o.chairs[kHuman] = player;
            if (player->kind == DuelPlayer::Kind::outside)
                o.acpcAddress = std::string(value);
        } else if (name == "--acpc-timeout") {
            const auto timeout = parseDecisionTime(value);
            if (!timeout) {
                err << "tavolier-cli duel: --acpc-timeout takes seconds, more than 0 and at most "
                       "86400\n";
                return std::nullopt;
            }
            o.acpcTimeout = *timeout;
        } else if (name == "--seat") {
            const std::size_t equals = value.find('=');
            const auto chair = equals == std::string_view::npos
                ? std::nullopt
                : parseChair(value.substr(0, equals));
            const auto player = equals == std::string_view::npos
                ? std::nullopt
                : parseDuelPlayer(value.substr(equals + 1));
            if (!chair || !player) {
                err << "tavolier-cli duel: --seat takes CHAIR=PLAYER, CHAIR 1-8 or a name (Marc, "
                       "Edmund, Robert, Cindy, Carlos, Jack, Chong, You), PLAYER "
                    << kPlayers << "\n";
                return std::nullopt;
            }
            o.chairs[static_cast<std::size_t>(*chair)] = player;
            if (player->kind == DuelPlayer::Kind::outside)
                o.acpcAddress = std::string(value.substr(equals + 1));
        } else {
            err << "tavolier-cli duel: unknown option " << quoteInput(name) << "\n";
            return std::nullopt;
        }
    }
    return o;
}

// Checks or calls whatever it faces.
class AlwaysCall : public Opponent {
public:
    Decision decide(const SeatView& view, Random&) override {
        const TurnQuestion& turn = view.turn;
        return turn.toCall > 0 ? Decision { DecisionKind::call, turn.toCall }
                               : Decision { DecisionKind::check, 0 };
    }
};

// Bets or raises whenever it may, else checks or calls.
class AlwaysRaise : public Opponent {
public:
    Decision decide(const SeatView& view, Random&) override {
        const TurnQuestion& turn = view.turn;
        if (turn.mayRaise)
            return { turn.facingBet ? DecisionKind::raise : DecisionKind::bet, turn.betSize };
        return turn.toCall > 0 ? Decision { DecisionKind::call, turn.toCall }
                               : Decision { DecisionKind::check, 0 };
    }
};

[[nodiscard]] std::string levelCaption(std::int32_t code) {
    for (const OpponentLevel& level : kOpponentLevels) {
        if (level.code == code)
            return std::string(level.caption);
    }
    return std::to_string(code);
}

// Each seat's place in kClockwise.
[[nodiscard]] int placeOf(int seat) {
    for (int place = 0; place < kSeatCount; ++place) {
        if (kClockwise[static_cast<std::size_t>(place)] == seat)
            return place;
    }
    return 0;
}

} // namespace

std::string DuelPlayer::text() const {
    switch (kind) {
    case Kind::call:
        return "call";
    case Kind::raise:
        return "raise";
    case Kind::character:
        return "character:" + std::string(character->name) + "@" + levelCaption(levelCode);
    case Kind::outside:
        return "acpc program";
    case Kind::level:
        break;
    }
    return "level:" + levelCaption(levelCode);
}

std::unique_ptr<Opponent> DuelPlayer::make() const {
    switch (kind) {
    case Kind::call:
        return std::make_unique<AlwaysCall>();
    case Kind::raise:
        return std::make_unique<AlwaysRaise>();
    case Kind::character:
        return makeOpponent(*character, levelCode);
    case Kind::outside: // seated by the table itself
    case Kind::level:
        break;
    }
    return makeOpponent(plainCharacter(), levelCode);
}

std::optional<DuelPlayer> parseDuelPlayer(std::string_view text) {
    if (text == "call")
        return DuelPlayer { DuelPlayer::Kind::call, 0, nullptr };
    if (text == "raise")
        return DuelPlayer { DuelPlayer::Kind::raise, 0, nullptr };
    if (acpc::parseSeatAddress(text))
        return DuelPlayer { DuelPlayer::Kind::outside, 0, nullptr };
    constexpr std::string_view kLevel = "level:";
    if (text.starts_with(kLevel)) {
        if (const auto code = parseLevel(text.substr(kLevel.size())))
            return DuelPlayer { DuelPlayer::Kind::level, *code, nullptr };
        return std::nullopt;
    }
    if (const auto choice = parseCharacterChoice(text))
        return DuelPlayer { DuelPlayer::Kind::character, choice->levelCode, choice->character };
    return std::nullopt;
}

int duelPlayerAt(int seat, int seating) {
    const int place = (placeOf(seat) - seating % kSeatCount + kSeatCount) % kSeatCount;
    return kClockwise[static_cast<std::size_t>(place)];
}

DuelTable::DuelTable(const std::array<DuelPlayer, kSeatCount + 1>& players)
    : m_players(players)
    , m_table(m_state, m_decisions, m_view, m_settings, m_events)
    , m_game(m_table) {
    m_settings.logWrites = false;
    m_decisions.ignoreClock();
    m_game.prepareStartUp(false);
    m_state.rulesChoice = parseRules("standard").value_or(1);
    m_state.rulesInPlay = m_state.rulesChoice;
    m_state.soundOn = false;
    m_deep = kDeepStackBigBets * std::max<std::int32_t>(m_state.bigBet, 1);
    m_state.initialChips = m_deep;
    // Nobody reaches a target: every hand starts from the same stacks.
    m_state.untilMargin = INT32_MAX / 2;
    for (int seat = 1; seat <= kSeatCount; ++seat)
        m_state.seat(seat).chips = m_deep;
    m_start = m_state;
    m_table.shuffleFrom(m_deck);
}

void DuelTable::seatPlayers(int seating) {
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        const auto at = static_cast<std::size_t>(seat);
        const DuelPlayer& player = m_players[static_cast<std::size_t>(duelPlayerAt(seat, seating))];
        m_seated[at] = player.make();
        m_table.seatOpponent(seat, m_seated[at].get());
        if (player.kind == DuelPlayer::Kind::outside && m_outside != nullptr) {
            m_table.seatOpponent(seat, m_outside);
            m_outside->sitAt(seat, &m_state);
        }
    }
}

void DuelTable::seatOutside(acpc::OutsideSeat& outside) {
    m_outside = &outside;
    m_events.outside = &outside;
}

void DuelTable::playBlock(
    std::uint64_t seed, std::int64_t first, std::int64_t count, DuelTally& tally) {
    // What each player won in each deal of the block, over its seatings.
    std::vector<std::array<std::int64_t, kSeatCount + 1>> won(static_cast<std::size_t>(count));
    for (int seating = 0; seating < kSeatings; ++seating) {
        seatPlayers(seating);
        StyleStatistics& styles = tally.styles[static_cast<std::size_t>(seating)];
        for (std::int64_t i = 0; i < count; ++i) {
            playHand(seed, first + i, seating, styles);
            tally.hands += 1;
            std::array<std::array<Card, 2>, kSeatCount + 1> cards {};
            for (int seat = 1; seat <= kSeatCount; ++seat) {
                cards[static_cast<std::size_t>(seat)] = m_state.seat(seat).holeCards;
                won[static_cast<std::size_t>(i)]
                   [static_cast<std::size_t>(duelPlayerAt(seat, seating))]
                    += m_state.seat(seat).chips - m_deep;
            }
            styles.reveal(cards);
        }
    }
    for (const auto& deal : won) {
        for (int player = 1; player <= kSeatCount; ++player) {
            const std::int64_t w = deal[static_cast<std::size_t>(player)];
            tally.won[static_cast<std::size_t>(player)] += w;
            tally.wonSquared[static_cast<std::size_t>(player)] += w * w;
        }
    }
}

void DuelTable::playHand(std::uint64_t seed, std::int64_t deal, int seating, GameEvents& events) {
    m_events.current = &events;
    m_state = m_start;
    m_deck.seed(matchSeed(seed, static_cast<std::uint64_t>(deal)));
    m_decisions.seed(matchSeed(seed ^ 0x5EA7ED5EA7ED5EA7ULL,
        static_cast<std::uint64_t>(deal) * kSeatings + static_cast<std::uint64_t>(seating)));
    // The button: one chair further each deal, the same in every seating
    // (the deal moves it on from the chair before).
    const auto place = static_cast<std::size_t>((deal % kSeatCount + kSeatCount - 1) % kSeatCount);
    m_state.betting.buttonSeat = kClockwise[place];
    m_game.deal();
    while (m_game.legalActions().handInProgress) {
        const LegalActions legal = m_game.legalActions();
        const Decision decision = m_table.opponentAt(kHuman).decide(
            seatViewOf(m_table, kHuman, m_game.humanTurn()), m_decisions);
        switch (decision.kind) {
        case DecisionKind::fold:
            m_game.fold();
            break;
        case DecisionKind::bet:
        case DecisionKind::raise:
            if (legal.raise)
                m_game.raise();
            else
                m_game.checkOrCall();
            break;
        case DecisionKind::check:
        case DecisionKind::call:
            m_game.checkOrCall();
            break;
        }
    }
}

namespace {

[[nodiscard]] std::string figure(const std::optional<double>& value, int decimals = 1) {
    if (!value)
        return "-";
    std::ostringstream text;
    text << std::fixed << std::setprecision(decimals) << *value;
    return text.str();
}

[[nodiscard]] std::string shareText(std::int64_t part, std::int64_t whole) {
    std::ostringstream text;
    text << part << " of " << whole;
    if (whole > 0)
        text << " (" << std::fixed << std::setprecision(1)
             << 100.0 * static_cast<double>(part) / static_cast<double>(whole) << "%)";
    return text.str();
}

[[nodiscard]] std::string signedFigure(double value) {
    std::ostringstream text;
    text << std::showpos << std::fixed << std::setprecision(2) << value;
    return text.str();
}

} // namespace

int runDuel(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const std::optional<DuelOptions> options = parseOptions(args, err);
    if (!options)
        return 2;
    const DuelOptions& o = *options;
    std::array<DuelPlayer, kSeatCount + 1> players {};
    // Unless told otherwise, each opponent's chair holds its own character
    // and the human's chair the plain level, all at --level.
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        const Character* own = characterOfSeat(seat);
        DuelPlayer& player = players[static_cast<std::size_t>(seat)];
        player = o.chairs[static_cast<std::size_t>(seat)].value_or(own != nullptr
                ? DuelPlayer { DuelPlayer::Kind::character, 0, own }
                : DuelPlayer { DuelPlayer::Kind::level, 0, nullptr });
        if (player.levelCode == 0)
            player.levelCode = o.level;
    }
    const std::int64_t deals = (o.hands + kSeatings - 1) / kSeatings;
    const unsigned hardware = std::max(1U, std::thread::hardware_concurrency());
    auto jobs
        = static_cast<unsigned>(std::min<std::int64_t>(o.jobs != 0 ? o.jobs : hardware, deals));
    // An outside program: one connection, one job, in this thread.
    std::optional<acpc::OutsideSeat> outside;
    const auto outsideChairs = std::count_if(players.begin() + 1, players.end(),
        [](const DuelPlayer& p) { return p.kind == DuelPlayer::Kind::outside; });
    if (outsideChairs > 1) {
        err << "tavolier-cli duel: one outside program at most\n";
        return 2;
    }
    if (outsideChairs == 1) {
        outside.emplace(o.acpcTimeout);
        std::string error;
        if (!outside->open(*acpc::parseSeatAddress(o.acpcAddress), err, error)) {
            err << "tavolier-cli duel: " << error << "\n";
            return acpc::kPartnerFailed;
        }
        jobs = 1;
    }

    using Clock = std::chrono::steady_clock;
    const Clock::time_point started = Clock::now();
    std::vector<std::unique_ptr<DuelTally>> tallies;
    std::atomic<std::int64_t> next { 0 };
    std::int32_t bigBet = 8;
    try {
        for (unsigned j = 0; j < jobs; ++j)
            tallies.push_back(std::make_unique<DuelTally>());
        std::mutex mutex;
        auto work = [&](DuelTally& tally) {
            DuelTable table(players);
            if (outside)
                table.seatOutside(*outside);
            {
                const std::lock_guard lock(mutex);
                bigBet = table.bigBet();
            }
            for (std::int64_t block = next++; block * kDealsPerBlock < deals; block = next++) {
                const std::int64_t first = block * kDealsPerBlock;
                table.playBlock(o.seed, first, std::min(kDealsPerBlock, deals - first), tally);
            }
        };
        std::vector<std::jthread> threads;
        for (unsigned j = 1; j < jobs; ++j)
            threads.emplace_back(work, std::ref(*tallies[j]));
        work(*tallies[0]);
    } catch (const acpc::PartnerFailed& failure) {
        err << "tavolier-cli duel: " << failure.what() << "\n";
        return acpc::kPartnerFailed;
    } catch (const std::exception& error) {
        err << "tavolier-cli duel: " << escapeText(error.what()) << "\n";
        return 1;
    }
    if (outside)
        outside->close();
    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();

    // Sums of whole numbers: the same in whatever order the jobs played.
    DuelTally total;
    std::array<SeatStyle, kSeatCount + 1> byPlayer {};
    for (const auto& tally : tallies) {
        total.hands += tally->hands;
        for (int player = 1; player <= kSeatCount; ++player) {
            total.won[static_cast<std::size_t>(player)]
                += tally->won[static_cast<std::size_t>(player)];
            total.wonSquared[static_cast<std::size_t>(player)]
                += tally->wonSquared[static_cast<std::size_t>(player)];
        }
        for (int seating = 0; seating < kSeatings; ++seating) {
            const StyleStatistics& styles = tally->styles[static_cast<std::size_t>(seating)];
            for (int seat = 1; seat <= kSeatCount; ++seat) {
                byPlayer[static_cast<std::size_t>(duelPlayerAt(seat, seating))]
                    += styles.seat(SeatNumber(seat));
            }
        }
    }

    out << "duel " << total.hands << " hands (" << deals << " deals, each in " << kSeatings
        << " seatings), seed " << o.seed << ", Standard rules, stacks reset to "
        << kDeepStackBigBets << " big bets every hand\n";
    // The chair a player starts in, then the player.
    constexpr int kNameWidth = 7 + 1 + 31;
    out << std::left << std::setw(kNameWidth) << "player" << std::right << std::setw(8) << "bb/100"
        << "  " << std::left << std::setw(21) << "95% interval" << std::right << std::setw(6)
        << "VPIP" << std::setw(6) << "PFR" << std::setw(6) << "AF" << std::setw(6) << "WTSD"
        << std::setw(6) << "W$SD" << std::setw(6) << "bluff"
        << "\n";
    SeatStyle table;
    for (int player : kClockwise) {
        const auto p = static_cast<std::size_t>(player);
        const double d = static_cast<double>(deals);
        const double scale = 100.0 / (kSeatings * static_cast<double>(std::max(bigBet, 1)));
        const double mean = static_cast<double>(total.won[p]) / d;
        const double variance = deals > 1
            ? std::max(0.0, (static_cast<double>(total.wonSquared[p]) - d * mean * mean) / (d - 1))
            : 0.0;
        const double half = 1.959963984540054 * std::sqrt(variance / d) * scale;
        const SeatStyle& s = byPlayer[p];
        table += s;
        std::string name = std::string(player == kHuman ? "You" : seatInfo(player).name);
        name.resize(8, ' ');
        name += players[p].text();
        out << std::left << std::setw(kNameWidth) << name << std::right << std::setw(8)
            << signedFigure(mean * scale) << "  " << std::left << std::setw(21)
            << (signedFigure(mean * scale - half) + " to " + signedFigure(mean * scale + half))
            << std::right << std::setw(6) << figure(s.vpip()) << std::setw(6) << figure(s.pfr())
            << std::setw(6) << figure(s.aggressionFactor(), 2) << std::setw(6)
            << figure(s.wentToShowdown()) << std::setw(6) << figure(s.wonAtShowdown())
            << std::setw(6) << figure(s.riverBluffShare()) << "\n";
    }
    out << "table VPIP " << figure(table.vpip()) << "%, PFR " << figure(table.pfr()) << "%, AF "
        << figure(table.aggressionFactor(), 2) << ", went to showdown "
        << figure(table.wentToShowdown()) << "% of flops seen\n";
    out << "before the flop, putting nothing in yet, called or raised: facing the big blind "
        << shareText(table.continuedFacingBlind, table.facingBlind) << ", facing a raise "
        << shareText(table.continuedFacingRaise, table.facingRaise) << ", facing a three-bet "
        << shareText(table.continuedFacingThreeBet, table.facingThreeBet) << "\n";
    out << "folds when checking was free " << shareText(table.freeFolds, table.freeTurns) << "\n";
    out << "best possible hand on the river bet or raised "
        << shareText(table.nutsBetOrRaised, table.nutsOnRiver) << "\n";
    out << "river raises won when called "
        << shareText(table.riverRaisesWon, table.riverRaisesCalled) << "\n";
    out << "river bets and raises with a bluff "
        << shareText(table.riverBluffs, table.riverAggressive) << "\n";
    out << "time " << std::fixed << std::setprecision(2) << seconds << " s, " << jobs << " jobs, "
        << std::setprecision(0) << static_cast<double>(total.hands) / std::max(seconds, 1e-9)
        << " hands per second\n";
    return outputWorks(out, err, "duel") ? 0 : kOutputFailed;
}

} // namespace tavolier::cli
