// tavolier-cli odds: runs the opponents' estimate on given cards and prints
// oddsScore and whether the raise is barred.
//
//   tavolier-cli odds --street N (--level L | --trials N) [--seed S | --draws splitmix64:S] CARDS
//
// CARDS are the two hole cards then the five board cards (the whole board is
// dealt before any of it shows; pre-flop the first three are the hidden flop).
// --level takes 400, 600, 800, 900, 2000 or a caption (Amateur, Expert,
// Master, Genius); --trials (or --n) takes any level code as a hand-edited
// settings file could hold it. The spare deck starts in order, as after the
// decks are built, and the previous oddsScore is 0. --seed S seeds the fast
// generator (default 1); --draws splitmix64:S uses the documented stream.
#include "cli_text.h"
#include "commands.h"

#include "core/random.h"
#include "core/table_state.h"
#include "game/deck.h"
#include "game/levels.h"
#include "opponents/odds.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tavolier::cli {

namespace {

// --level's value: a level's code, or 2000, the odds badge's, or a level's
// caption in any case ("genius", "GENIUS").
std::optional<std::int32_t> parseOddsLevel(std::string_view text) {
    const auto sameLetters = [](std::string_view a, std::string_view b) {
        const auto lower
            = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return std::ranges::equal(a, b, {}, lower, lower);
    };
    for (const OpponentLevel& level : kOpponentLevels)
        if (sameLetters(text, level.caption))
            return level.code;
    const auto code = parseNumber<std::int32_t>(text);
    if (!code)
        return std::nullopt;
    if (*code == kBadgeLevelCode)
        return code;
    for (const OpponentLevel& level : kOpponentLevels)
        if (*code == level.code)
            return code;
    return std::nullopt;
}

int fail(std::ostream& err, const std::string& message) {
    err << "tavolier-cli odds: " << message << '\n';
    return 2;
}

} // namespace

int runOdds(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    std::optional<Street> street;
    std::optional<std::int32_t> level;
    std::uint64_t seed = 1;
    std::optional<std::uint64_t> splitMixState;
    std::vector<Card> cards;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg.starts_with("--")) {
            if (i + 1 >= args.size())
                return fail(err, quoteInput(arg) + " needs a value");
            const std::string_view value = args[++i];
            if (arg == "--street") {
                const std::optional<std::int32_t> number = parseNumber<std::int32_t>(value);
                street = number ? streetFromNumber(*number) : std::nullopt;
                if (!street)
                    return fail(err, "--street takes 1 to 5, not " + quoteInput(value));
            } else if (arg == "--level") {
                level = parseOddsLevel(value);
                if (!level)
                    return fail(err,
                        "--level takes 400, 600, 800, 900, 2000, Amateur, Expert, Master or "
                        "Genius, not "
                            + quoteInput(value));
            } else if (arg == "--trials" || arg == "--n") {
                level = parseNumber<std::int32_t>(value);
                if (!level)
                    return fail(
                        err, std::string(arg) + " takes a whole number, not " + quoteInput(value));
            } else if (arg == "--seed") {
                const auto parsed = parseNumber<std::uint64_t>(value);
                if (!parsed)
                    return fail(err, "--seed takes a whole number, not " + quoteInput(value));
                seed = *parsed;
            } else if (arg == "--draws") {
                constexpr std::string_view prefix = "splitmix64:";
                const auto parsed = value.starts_with(prefix)
                    ? parseNumber<std::uint64_t>(value.substr(prefix.size()))
                    : std::nullopt;
                if (!parsed)
                    return fail(err, "--draws takes splitmix64:S, not " + quoteInput(value));
                splitMixState = parsed;
            } else {
                return fail(err, "unknown option " + quoteInput(arg));
            }
            continue;
        }
        const auto card = parseCard(arg);
        if (!card)
            return fail(
                err, quoteInput(arg) + " is not a card (rank 2-9 T J Q K A, then suit c d h s)");
        for (const Card& seen : cards)
            if (seen == *card)
                return fail(err, "card " + std::string(arg) + " given twice");
        cards.push_back(*card);
    }

    if (!street)
        return fail(err, "--street is required");
    if (!level)
        return fail(err, "--level (or --trials) is required");
    if (cards.size() != 7)
        return fail(err,
            "needs 7 cards (2 hole cards, then 5 board cards), got "
                + std::to_string(cards.size()));

    TableState state;
    initDecks(state);
    state.street = *street;
    for (std::size_t i = 0; i < 5; ++i)
        state.board[i] = cards[2 + i];
    state.estimate.oddsScore = 0;

    Random random = splitMixState ? Random::splitMix64(*splitMixState) : Random(seed);
    const Estimate estimate = estimateOdds(
        estimateInput(state, { cards[0], cards[1] }, *level), state.estimate, random);

    out << "oddsScore " << estimate.oddsScore << '\n';
    out << "raiseBarred " << (estimate.raiseBarred ? "yes" : "no") << '\n';
    return outputWorks(out, err, "odds") ? 0 : kOutputFailed;
}

} // namespace tavolier::cli
