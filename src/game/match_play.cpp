#include "game/match_play.h"

#include "core/seats.h"
#include "core/table_state.h"
#include "core/table_view.h"
#include "game/game.h"
#include "game/levels.h"
#include "game/rule_set.h"
#include "game/seat_views.h"
#include "game/table.h"
#include "opponents/characters.h"
#include "opponents/odds.h"
#include "settings/settings_store.h"

#include <array>
#include <utility>

namespace tavolier {

namespace {

// The human's estimate as the odds badge makes it: 2001 trials.
[[nodiscard]] bool smartStays(Table& table) {
    TableState& s = table.state;
    const Estimate estimate = estimateOdds(
        estimateInput(s, s.seat(kHuman).holeCards, kBadgeLevelCode), s.estimate, table.random);
    return estimate.oddsScore >= (s.street >= Street::flop ? 15 : 20);
}

// The human's turn decided as an opponent decides its own, on the question
// the rules put to the human's seat.
void actAsOpponent(Game& game, const HumanPlayer& player, const LegalActions& legal) {
    Table& table = game.table;
    const SeatView view = seatViewOf(table, kHuman, game.humanTurn());
    const std::int32_t levelCode
        = player.levelCode != 0 ? player.levelCode : table.state.aiLevelCode;
    Decision decision;
    if (validRulesNumber(table.state.rulesInPlay) == 0) {
        MonteCarloOpponents asOpponent(table.state, levelCode);
        decision = asOpponent.decide(view, table.random);
    } else {
        const Character& character
            = player.character != nullptr ? *player.character : plainCharacter();
        decision = table.humansStandIn(character, levelCode).decide(view, table.random);
    }
    switch (decision.kind) {
    case DecisionKind::fold:
        game.fold();
        return;
    case DecisionKind::bet:
    case DecisionKind::raise:
        if (legal.raise) {
            game.raise();
            return;
        }
        break;
    case DecisionKind::check:
    case DecisionKind::call:
        break;
    }
    game.checkOrCall();
}

// Follows the match's end and counts the hands dealt.
class MatchWatch : public GameEvents {
public:
    void handStarted(const HandStarted&) override { ++hands; }
    void matchEnded(const MatchEnded& e) override {
        if (!ended) {
            ended = true;
            result = e.result;
            seat = e.seat;
        }
    }

    std::int64_t hands = 0;
    bool ended = false;
    MatchResult result = MatchResult::humanLost;
    SeatNumber seat {};
};

} // namespace

std::optional<CharacterChoice> parseCharacterChoice(std::string_view text) {
    constexpr std::string_view kCharacter = "character:";
    if (!text.starts_with(kCharacter))
        return std::nullopt;
    std::string_view name = text.substr(kCharacter.size());
    std::int32_t code = 0;
    if (const std::size_t at = name.find('@'); at != std::string_view::npos) {
        const auto level = parseLevel(name.substr(at + 1));
        if (!level)
            return std::nullopt;
        code = *level;
        name = name.substr(0, at);
    }
    const Character* character = findCharacter(name);
    if (character == nullptr)
        return std::nullopt;
    return CharacterChoice { character, code };
}

std::optional<HumanPlayer> HumanPlayer::parse(std::string_view text) {
    constexpr std::array<std::pair<std::string_view, Policy>, 4> kPolicies { {
        { "call", Policy::call },
        { "raise", Policy::raise },
        { "fold", Policy::fold },
        { "smart", Policy::smart },
    } };
    for (const auto& [name, policy] : kPolicies) {
        if (text == name)
            return HumanPlayer { policy, 900, {}, nullptr };
    }
    constexpr std::string_view kLevel = "level:";
    if (text.starts_with(kLevel)) {
        if (const auto code = parseLevel(text.substr(kLevel.size())))
            return HumanPlayer { Policy::level, *code, {}, nullptr };
    }
    // The computer-poker protocol's seat; the command line checks the
    // address when it listens.
    constexpr std::string_view kAcpc = "acpc:";
    if (text.starts_with(kAcpc) && text.size() > kAcpc.size()) {
        HumanPlayer outside { Policy::outside, 900, {}, nullptr };
        outside.address = std::string(text);
        return outside;
    }
    if (const auto choice = parseCharacterChoice(text))
        return HumanPlayer { Policy::character, choice->levelCode, {}, nullptr, choice->character };
    return std::nullopt;
}

std::string HumanPlayer::text() const {
    switch (policy) {
    case Policy::call:
        return "call";
    case Policy::raise:
        return "raise";
    case Policy::fold:
        return "fold";
    case Policy::smart:
        return "smart";
    case Policy::level:
        return "level:" + std::to_string(levelCode);
    case Policy::outside:
        return address;
    case Policy::character: {
        std::string text = "character:";
        text.append(character != nullptr ? character->name : "");
        if (levelCode != 0)
            text.append("@").append(std::to_string(levelCode));
        return text;
    }
    }
    return {};
}

void humanActs(Game& game, const HumanPlayer& player) {
    const LegalActions legal = game.legalActions();
    switch (player.policy) {
    case HumanPlayer::Policy::call:
        game.checkOrCall();
        return;
    case HumanPlayer::Policy::raise:
        // Raise only while a press would raise; otherwise the hand would
        // never move on.
        if (legal.raise)
            game.raise();
        else
            game.checkOrCall();
        return;
    case HumanPlayer::Policy::fold:
        game.fold();
        return;
    case HumanPlayer::Policy::smart:
        if (smartStays(game.table))
            game.checkOrCall();
        else
            game.fold();
        return;
    case HumanPlayer::Policy::level:
    case HumanPlayer::Policy::character:
        actAsOpponent(game, player, legal);
        return;
    case HumanPlayer::Policy::outside:
        if (player.outside != nullptr)
            player.outside->act(game);
        else
            game.checkOrCall();
        return;
    }
}

std::uint64_t matchSeed(std::uint64_t seed, std::uint64_t k) {
    // Two rounds of the splitmix64 finaliser over the seed and the number.
    auto mix = [](std::uint64_t z) {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    };
    return mix(mix(seed + 0x9E3779B97F4A7C15ULL) ^ (k * 0xD1B54A32D192ED03ULL + 1));
}

MatchOutcome playMatch(const MatchSetup& setup, Random& random) {
    random.ignoreClock();
    TableState state;
    NullView view;
    // Nobody reads the writes back: a long tournament keeps no log of them.
    MemorySettings settings;
    settings.logWrites = false;
    MatchWatch watch;
    // An outside player hears the table too.
    EventFanOut events;
    events.add(watch);
    if (setup.human.outside != nullptr)
        events.add(*setup.human.outside);
    Table table(state, random, view, settings, events);
    Game game(table);
    const std::uint64_t drawsBefore = random.drawCount();

    game.prepareStartUp(false);
    state.aiLevelCode = setup.opponentLevel;
    state.rulesChoice = setup.rules;
    game.startupDeal();
    while (!watch.ended && watch.hands <= setup.maxHands) {
        const LegalActions legal = game.legalActions();
        if (legal.handInProgress)
            humanActs(game, setup.human);
        else if (legal.deal && watch.hands < setup.maxHands)
            game.deal();
        else
            break; // given up, or no Deal is possible (the match is over)
    }

    MatchOutcome outcome;
    outcome.finished = watch.ended;
    outcome.result = watch.result;
    if (watch.ended && watch.result != MatchResult::humanLost)
        outcome.winner = watch.seat;
    outcome.hands = watch.hands;
    for (int seat = 1; seat <= kSeatCount; ++seat)
        outcome.stacks[static_cast<std::size_t>(seat)] = state.seat(seat).chips;
    outcome.draws = random.drawCount() - drawsBefore;
    return outcome;
}

} // namespace tavolier
