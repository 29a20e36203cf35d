#include "standard_play.h"

#include "core/seats.h"
#include "core/table_state.h"
#include "core/table_view.h"
#include "game/game.h"
#include "game/table.h"
#include "settings/settings_store.h"

#include <string>

namespace tavolier::testing {

Decision RandomOpponent::decide(const SeatView& view, Random& random) {
    const TurnQuestion& turn = view.turn;
    const int roll = random.below(100);
    const bool wish = random.below(100) < wishPercent;
    if (turn.facingBet) {
        if (roll < foldPercent)
            return { DecisionKind::fold, 0 };
        if (roll >= 100 - raisePercent && (turn.mayRaise || wish))
            return { DecisionKind::raise, turn.betSize };
        if (wish)
            return { DecisionKind::check, 0 };
        return { DecisionKind::call, turn.toCall };
    }
    if (roll < freeFoldPercent)
        return { DecisionKind::fold, 0 };
    if (roll >= 100 - raisePercent && (turn.mayRaise || wish))
        return { DecisionKind::bet, turn.betSize };
    if (wish)
        return { DecisionKind::call, 0 };
    return { DecisionKind::check, 0 };
}

namespace {

// The human's own dice (splitmix64), apart from the game's generator.
class Dice {
public:
    explicit Dice(std::uint64_t seed)
        : m_state(seed ^ 0x5DEECE66DULL) { }
    int below(int n) {
        m_state += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = m_state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        z ^= z >> 31;
        return static_cast<int>(z % static_cast<std::uint64_t>(n));
    }

private:
    std::uint64_t m_state;
};

[[nodiscard]] HumanClick choose(HumanPolicy policy, const LegalActions& may, Dice& dice) {
    switch (policy) {
    case HumanPolicy::call:
        return HumanClick::checkOrCall;
    case HumanPolicy::raise:
        return may.raise ? HumanClick::raise : HumanClick::checkOrCall;
    case HumanPolicy::fold:
        return HumanClick::fold;
    case HumanPolicy::random: {
        const int roll = dice.below(100);
        if (roll < (may.mustCall ? 15 : 3))
            return HumanClick::fold;
        if (roll >= 60 && may.raise)
            return HumanClick::raise;
        return HumanClick::checkOrCall;
    }
    }
    return HumanClick::checkOrCall;
}

} // namespace

StandardRunResult playStandard(const StandardRun& setup) {
    TableState state;
    Random random(setup.seed);
    random.ignoreClock();
    NullView view;
    MemorySettings settings;
    settings.logWrites = false;
    for (int seat = 1; seat <= kSeatCount; ++seat)
        settings.set("Cash", seatInfo(seat).key, setup.cash[static_cast<std::size_t>(seat)]);
    settings.set("Cash", "initial", setup.initial);
    settings.set("Cash", "until", setup.until);
    settings.set("Bet", "Small", setup.smallBet);
    settings.set("Bet", "Big", setup.bigBet);
    settings.set("Levels", "comp", setup.level);

    StandardReferee referee;
    EventFanOut events;
    events.add(referee);
    if (setup.alsoTell != nullptr)
        events.add(*setup.alsoTell);
    Table table(state, random, view, settings, events);
    RandomOpponent randomOpponent;
    randomOpponent.foldPercent = setup.foldPercent;
    randomOpponent.raisePercent = setup.raisePercent;
    if (!setup.monteCarlo)
        table.seatOpponents(randomOpponent);
    Game game(table);
    Dice dice(setup.seed);

    StandardRunResult result;
    game.prepareStartUp(false);
    state.rulesChoice = 1;
    state.aiLevelCode = setup.level;
    game.startupDeal();
    const long long clicks = setup.hands * 200;
    for (long long click = 0; click < clicks && referee.fault().empty(); ++click) {
        const LegalActions may = game.legalActions();
        if (may.handInProgress) {
            const HumanClick pressed = choose(setup.human, may, dice);
            referee.humanClicks(may, pressed);
            switch (pressed) {
            case HumanClick::checkOrCall:
                game.checkOrCall();
                break;
            case HumanClick::raise:
                game.raise();
                break;
            case HumanClick::fold:
                game.fold();
                break;
            }
            continue;
        }
        referee.humanIdle(may);
        if (referee.handsStarted() >= setup.hands)
            break;
        if (may.deal) {
            game.deal();
        } else {
            ++result.matches;
            game.newMatch(std::to_string(state.initialChips));
        }
    }
    result.fault = referee.fault();
    result.faultHand = referee.faultHand();
    result.counts = referee.counts();
    result.hands = referee.handsStarted();
    return result;
}

std::vector<TableShape> tableShapes() {
    auto shape = [](const char* name, std::array<std::int32_t, 9> cash, std::int32_t initial,
                     std::int32_t until, std::int32_t smallBet, std::int32_t bigBet) {
        StandardRun run;
        run.cash = cash;
        run.initial = initial;
        run.until = until;
        run.smallBet = smallBet;
        run.bigBet = bigBet;
        return TableShape { name, run };
    };
    return {
        shape("short even stacks", { 0, 15, 15, 15, 15, 15, 15, 15, 15 }, 15, 100000, 2, 4),
        shape("uneven stacks, near target", { 0, 3, 7, 15, 40, 3, 7, 15, 40 }, 20, 12, 2, 4),
        shape("odd blinds", { 0, 5, 11, 2, 30, 9, 1, 17, 25 }, 18, 1000, 3, 6),
        shape("one-chip small bet", { 0, 6, 1, 9, 4, 12, 2, 7, 10 }, 10, 100000, 1, 2),
        shape("small bet below one chip", { 0, 8, 3, 5, 9, 2, 6, 4, 7 }, 9, 100000, 0, 2),
        shape("two seats with chips", { 0, 0, 0, 0, 0, 0, 0, 13, 20 }, 12, 100000, 2, 4),
        shape("human without chips", { 0, 9, 14, 3, 22, 6, 30, 11, 0 }, 16, 100000, 2, 4),
        shape("deep stacks", { 0, 300, 300, 300, 300, 300, 300, 300, 300 }, 300, 100000, 4, 8),
        shape("three short seats", { 0, 0, 0, 0, 0, 21, 0, 8, 14 }, 11, 100000, 3, 6),
    };
}

std::string describe(const StandardRun& s) {
    static constexpr std::array<const char*, 4> kPolicies { "call", "raise", "fold", "random" };
    std::string out = "seed " + std::to_string(s.seed) + ", human "
        + kPolicies[static_cast<std::size_t>(s.human)] + ", "
        + (s.monteCarlo ? "level " + std::to_string(s.level)
                        : "random opponents folding " + std::to_string(s.foldPercent)
                    + "% and raising " + std::to_string(s.raisePercent) + "%")
        + ", bets " + std::to_string(s.smallBet) + "/" + std::to_string(s.bigBet) + ", stacks";
    for (int seat = 1; seat <= kSeatCount; ++seat)
        out.append(" ").append(std::to_string(s.cash[static_cast<std::size_t>(seat)]));
    out += ", new matches at " + std::to_string(s.initial) + " until +" + std::to_string(s.until);
    return out;
}

} // namespace tavolier::testing

namespace tavolier::testing {

std::string countsText(long long hands, const RefereeCounts& c) {
    auto item = [](long long n, const char* what) { return std::to_string(n) + " " + what; };
    return item(hands, "hands, ") + item(c.showdowns, "showdowns, ")
        + item(c.endsByFolds, "won by folds, ") + item(c.allIns, "all-ins, ")
        + item(c.shortBlinds, "short blinds, ") + item(c.incompleteRaises, "incomplete raises (")
        + item(c.incompleteBets, "of them opening bets), ")
        + item(c.halfRaises, "all-ins of half a raise that counted in full, ")
        + item(c.returns, "returned bets, ") + item(c.sidePotHands, "hands with side pots (")
        + item(c.sidePots, "side pots), ") + item(c.splitPots, "split pots, ")
        + item(c.oddChips, "with odd chips, ") + item(c.cappedStreets, "capped streets, ")
        + item(c.uncappedStreets, "heads-up streets past four bets, ")
        + item(c.runOuts, "streets run out, ") + item(c.headsUpHands, "heads-up hands, ")
        + item(c.sitOuts, "seats sitting out, ") + item(c.humanTurns, "human turns checked (")
        + item(c.humanRaiseBarred, "with Raise barred)");
}

} // namespace tavolier::testing
