// tavolier-cli acpc-client: one of the characters as a player of any dealer
// that speaks the computer-poker protocol. It connects, says its version,
// and answers every match state in which its seat is to act with what the
// character decides, never with an action the game does not allow. It ends
// with status 0 when the dealer closes the match, 3 when the dealer sends
// what the protocol does not allow.
#include "acpc_line.h"
#include "acpc_protocol.h"
#include "acpc_seat.h"
#include "cli_text.h"
#include "commands.h"

#include "core/random.h"
#include "game/levels.h"
#include "opponents/characters.h"
#include "opponents/opponent.h"
#include "opponents/seat_view.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

namespace tavolier::cli {

namespace {

struct ClientOptions {
    const Character* character = nullptr;
    std::int32_t level = 400;
    std::string gamePath;
    std::string host;
    std::uint16_t port = 0;
    std::optional<std::uint64_t> seed;
};

[[nodiscard]] std::optional<ClientOptions> parseOptions(
    std::span<const std::string_view> args, std::ostream& err) {
    ClientOptions o;
    std::vector<std::string_view> places;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view name = args[i];
        if (!name.starts_with("--")) {
            places.push_back(name);
            continue;
        }
        if (i + 1 >= args.size()) {
            err << "tavolier-cli acpc-client: " << quoteInput(name) << " needs a value\n";
            return std::nullopt;
        }
        const std::string_view value = args[++i];
        if (name == "--character") {
            o.character = findCharacter(value);
            if (o.character == nullptr) {
                err << "tavolier-cli acpc-client: --character takes Chong, Jack, Carlos, Cindy, "
                       "Robert, Edmund or Marc\n";
                return std::nullopt;
            }
        } else if (name == "--level") {
            const auto level = parseLevel(value);
            if (!level) {
                err << "tavolier-cli acpc-client: --level takes 400, 600, 800, 900 or Amateur, "
                       "Expert, Master, Genius\n";
                return std::nullopt;
            }
            o.level = *level;
        } else if (name == "--game") {
            if (value.empty()) {
                err << "tavolier-cli acpc-client: --game takes a game definition file\n";
                return std::nullopt;
            }
            o.gamePath = std::string(value);
        } else if (name == "--seed") {
            const auto seed = parseNumber<std::uint64_t>(value);
            if (!seed) {
                err << "tavolier-cli acpc-client: --seed takes an unsigned 64-bit number\n";
                return std::nullopt;
            }
            o.seed = seed;
        } else {
            err << "tavolier-cli acpc-client: unknown option " << quoteInput(name) << "\n";
            return std::nullopt;
        }
    }
    const std::uint16_t port
        = places.size() == 2 ? parseNumber<std::uint16_t>(places[1]).value_or(0) : 0;
    if (o.character == nullptr || o.gamePath.empty() || port == 0 || places[0].empty()) {
        err << "tavolier-cli acpc-client: usage: acpc-client --character NAME [--level L] --game "
               "FILE [--seed S] HOST PORT\n";
        return std::nullopt;
    }
    o.host = std::string(places[0]);
    o.port = port;
    return o;
}

// "# hand N stacks S0 S1 ...": a table that tells its stacks by position
// before a hand; nullopt for any other comment.
[[nodiscard]] std::optional<std::pair<std::uint32_t, std::vector<std::int32_t>>> stacksComment(
    std::string_view line) {
    std::istringstream in { std::string(line) };
    std::string hash;
    std::string handWord;
    std::string stacksWord;
    std::uint32_t hand = 0;
    if (!(in >> hash >> handWord >> hand >> stacksWord) || hash != "#" || handWord != "hand"
        || stacksWord != "stacks")
        return std::nullopt;
    std::vector<std::int32_t> stacks;
    std::int64_t s = 0;
    while (in >> s) {
        if (s < 0 || s > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
        stacks.push_back(static_cast<std::int32_t>(s));
    }
    if (!in.eof() || stacks.empty() || stacks.size() > acpc::kMostPlayers)
        return std::nullopt;
    return std::pair { hand, stacks };
}

// A seat's view of the hand from what the dealer told: places count from
// the button (place 0), positions from the seat after it (position 0).
[[nodiscard]] SeatView viewOf(const acpc::GameDefinition& game, const acpc::MatchState& state,
    const acpc::HandBetting& replayed) {
    const acpc::HandBetting hand = replayed.atNextAction();
    const int n = hand.players();
    const auto placeOf = [n](int position) { return (position + 1) % n; };
    const acpc::Choices choices = hand.choices();
    SeatView v;
    const std::int32_t toCall = hand.toCall(state.position);
    v.turn = TurnQuestion { kHuman, toCall > 0, toCall, hand.raiseSize(), choices.raise };
    // Before the flop the big blind is the street's first bet.
    const bool blindBet = hand.round() == 0
        && std::any_of(hand.blinds().begin(), hand.blinds().end(), [](auto b) { return b > 0; });
    v.betsThisStreet = hand.raises() + (blindBet ? 1 : 0);
    v.betCap = hand.maxRaises() >= 255 ? 0 : hand.maxRaises() + (blindBet ? 1 : 0);
    const auto& own = state.holeCards[static_cast<std::size_t>(state.position)];
    v.holeCards = { own[0], own[1] };
    v.street = static_cast<Street>(std::min(hand.round(), 3) + 1);
    for (const auto& cards : state.board) {
        for (const Card& c : cards) {
            if (v.boardCount < 5)
                v.board[static_cast<std::size_t>(v.boardCount++)] = c;
        }
    }
    // The blinds: the largest, and the smallest one posted below it.
    v.bigBlind = *std::max_element(hand.blinds().begin(), hand.blinds().end());
    v.smallBlind = v.bigBlind / 2;
    for (const std::int32_t blind : hand.blinds()) {
        if (blind > 0 && blind < v.bigBlind)
            v.smallBlind = blind;
    }
    v.smallBet = game.raiseSizes.front();
    v.bigBet = game.raiseSizes[std::min<std::size_t>(2, game.raiseSizes.size() - 1)];
    v.seatCount = n;
    v.place = placeOf(state.position);
    // A dealer that gives no stacks plays with stacks nobody reaches.
    constexpr std::int32_t kDeepStack = 1'000'000'000;
    for (int p = 0; p < n; ++p) {
        SeatInView& seat = v.seats[static_cast<std::size_t>(placeOf(p))];
        const std::int32_t stack = std::min(hand.stack(p), kDeepStack);
        seat.stack = std::max(stack - hand.spent(p), 0);
        seat.street = hand.spentThisRound(p);
        seat.hand = hand.spent(p);
        seat.inHand = !hand.folded(p);
        seat.allIn = seat.inHand && hand.spent(p) >= stack;
        v.pot += hand.spent(p);
    }
    for (const acpc::BettingStep& step : hand.steps()) {
        static constexpr std::array<ViewActionKind, 7> kKinds { ViewActionKind::smallBlind,
            ViewActionKind::bigBlind, ViewActionKind::fold, ViewActionKind::check,
            ViewActionKind::call, ViewActionKind::bet, ViewActionKind::raise };
        v.actions.push_back(
            ViewAction { static_cast<Street>(std::min(step.round, 3) + 1), placeOf(step.position),
                kKinds[static_cast<std::size_t>(step.kind)], step.amount, step.allIn });
    }
    v.handNumber = static_cast<std::int64_t>(state.handNumber) + 1;
    return v;
}

// The character in the seat: its decision on the seat's view, turned into
// an action the game allows (never a fold when a check is free, never a
// raise the round does not allow).
class CharacterSeat {
public:
    CharacterSeat(const Character& character, std::int32_t level, Random& random)
        : m_opponent(makeOpponent(character, level))
        , m_random(&random) { }

    [[nodiscard]] char decide(const acpc::GameDefinition& game, const acpc::MatchState& state,
        const acpc::HandBetting& hand) {
        const acpc::Choices choices = hand.choices();
        const Decision d = m_opponent->decide(viewOf(game, state, hand), *m_random);
        switch (d.kind) {
        case DecisionKind::fold:
            return choices.fold ? 'f' : 'c';
        case DecisionKind::bet:
        case DecisionKind::raise:
            return choices.raise ? 'r' : 'c';
        case DecisionKind::check:
        case DecisionKind::call:
            break;
        }
        return 'c';
    }

private:
    std::unique_ptr<Opponent> m_opponent;
    Random* m_random;
};

[[nodiscard]] std::optional<std::string> readSmallFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text;
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        text.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (text.size() > acpc::kMaxLineLength)
            return std::nullopt;
    }
    return text;
}

} // namespace

int runAcpcClient(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const std::optional<ClientOptions> options = parseOptions(args, err);
    if (!options)
        return 2;
    const ClientOptions& o = *options;
    const std::optional<std::string> text = readSmallFile(o.gamePath);
    if (!text) {
        err << "tavolier-cli acpc-client: cannot read " << escapeText(o.gamePath)
            << " (or it is longer than 64 KiB)\n";
        return 2;
    }
    std::string error;
    const std::optional<acpc::GameDefinition> game = acpc::readGameDefinition(*text, error);
    if (!game) {
        err << "tavolier-cli acpc-client: " << escapeText(o.gamePath) << ": " << escapeText(error)
            << "\n";
        return 2;
    }

    Random random(o.seed.value_or(0));
    if (!o.seed)
        random.seedFromClock();
    CharacterSeat seat(*o.character, o.level, random);

    const std::unique_ptr<acpc::LineConnection> dealer
        = acpc::LineConnection::connectTo(o.host, o.port, error);
    if (!dealer) {
        err << "tavolier-cli acpc-client: " << escapeText(error) << "\n";
        return 1;
    }
    if (!dealer->writeLine(acpc::kVersionLine)) {
        err << "tavolier-cli acpc-client: the dealer closed the connection at once\n";
        return acpc::kPartnerFailed;
    }

    std::map<std::uint32_t, std::vector<std::int32_t>> stacksByHand;
    std::int64_t states = 0;
    std::int64_t actions = 0;
    // The last state read, and whether its hand was over.
    std::string lastState;
    bool handOver = true;
    const auto where = [&] {
        return lastState.empty() ? std::string("before any match state")
                                 : "after the state " + acpc::quoteLine(lastState);
    };
    const auto garbage = [&](std::string_view what, std::string_view line) {
        err << "tavolier-cli acpc-client: the dealer sent " << what << " " << where() << ": "
            << acpc::quoteLine(line) << "\n";
        return acpc::kPartnerFailed;
    };
    for (std::string line;;) {
        switch (dealer->readLine(line)) {
        case acpc::LineConnection::Read::closed:
            // The dealer ends a match by closing the connection after a
            // hand; in the middle of one, the connection dropped.
            if (!handOver) {
                err << "tavolier-cli acpc-client: the dealer's connection dropped in the middle "
                       "of a hand, "
                    << where() << "\n";
                return acpc::kPartnerFailed;
            }
            out << "acpc-client " << o.character->name << ": " << states << " states, " << actions
                << " actions\n";
            return outputWorks(out, err, "acpc-client") ? 0 : kOutputFailed;
        case acpc::LineConnection::Read::tooLong:
            return garbage("a line longer than 65536 bytes (refused)", {});
        case acpc::LineConnection::Read::timeout:
        case acpc::LineConnection::Read::line:
            break;
        }
        if (line.empty())
            continue;
        if (line.front() == '#' || line.front() == ';') {
            if (auto hint = stacksComment(line)) {
                stacksByHand.clear();
                stacksByHand.emplace(hint->first, std::move(hint->second));
            }
            continue;
        }
        const std::optional<acpc::MatchState> state = acpc::parseMatchState(line, error);
        if (!state)
            return garbage("a malformed match state (" + error + ")", line);
        if (state->players() != game->players && state->players() > game->players)
            return garbage("a state with more seats than the game has", line);
        ++states;
        const auto hint = stacksByHand.find(state->handNumber);
        const std::vector<std::int32_t> stacks = hint != stacksByHand.end()
                && static_cast<int>(hint->second.size()) == state->players()
            ? hint->second
            : std::vector<std::int32_t> {};
        const std::optional<acpc::HandBetting> hand
            = acpc::HandBetting::replay(*game, *state, stacks, error);
        if (!hand)
            return garbage("a state the game cannot reach (" + error + ")", line);
        lastState = line;
        handOver = hand->over();
        if (hand->acting() != state->position)
            continue;
        const char action = seat.decide(*game, *state, *hand);
        ++actions;
        if (!dealer->writeLine(line + ":" + action)) {
            // The dealer went away while we answered: the match is over.
            out << "acpc-client " << o.character->name << ": " << states << " states, " << actions
                << " actions\n";
            return outputWorks(out, err, "acpc-client") ? 0 : kOutputFailed;
        }
    }
}

} // namespace tavolier::cli
