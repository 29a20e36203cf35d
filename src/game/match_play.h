#pragma once

#include "core/game_events.h"
#include "core/random.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavolier {

class Game;

// A player from outside the program in the human's chair (a program on a
// socket, seated by the command line): it hears the table's events and takes
// the human's turns. act may throw to end the run when the player fails.
class OutsidePlayer : public GameEvents {
public:
    virtual void act(Game& game) = 0;
};

struct Character;

// Who plays the human's seat when a program plays for the human: a fixed
// policy, the opponents' own rules at a level, or one of the characters.
struct HumanPlayer {
    enum class Policy {
        call, // always check or call
        raise, // raise whenever allowed, else check or call
        fold, // always fold
        smart, // stays in when the badge's estimate (2001 trials) is good enough
        level, // decides as an opponent does, with levelCode trials
        outside, // an outside program decides: see OutsidePlayer
        character, // decides as the character does (Standard rules only)
    };
    Policy policy = Policy::smart;
    // For Policy::level: 400, 600, 800 or 900; for Policy::character the
    // same, or 0 for the table's level.
    std::int32_t levelCode = 900;
    // For Policy::outside: where it connects ("acpc:" and what follows), and
    // the player once the command line has seated it.
    std::string address;
    OutsidePlayer* outside = nullptr;
    const Character* character = nullptr; // for Policy::character

    // "call", "raise", "fold", "smart", "level:N" (N one of the level codes
    // or captions, as parseLevel reads them), "character:NAME" or
    // "character:NAME@N" (NAME one of the seven characters, any case) or
    // "acpc:PORT" / "acpc:HOST:PORT";
    // nullopt otherwise.
    [[nodiscard]] static std::optional<HumanPlayer> parse(std::string_view text);
    // As parse reads it: "level:900", "character:Marc", "character:Marc@600".
    [[nodiscard]] std::string text() const;
};

// A character as the command line names it: "character:NAME" or
// "character:NAME@L" (L a level as parseLevel reads it), with the level
// code (0: the table's); nullopt for any other text or an unknown name.
struct CharacterChoice {
    const Character* character = nullptr;
    std::int32_t levelCode = 0;
};
[[nodiscard]] std::optional<CharacterChoice> parseCharacterChoice(std::string_view text);

// The human's turn, taken by the player: one of Check/Call, Raise or Fold.
// Draws from the table's generator as the policy needs (smart and level run
// an estimate).
void humanActs(Game& game, const HumanPlayer& player);

// How a match is played: the human's player and the opponents' level; the
// stack and the margin are the settings' defaults. A match that has not
// ended after maxHands hands is given up.
struct MatchSetup {
    HumanPlayer human;
    std::int32_t opponentLevel = 400;
    std::int64_t maxHands = 20000;
    std::int32_t rules = 0; // the rule set's stored number: Classic's 0
};

// How a match ended: the seat that won it (the human when every opponent
// went broke; no seat when the human went broke), and how many hands it took.
struct MatchOutcome {
    bool finished = false; // false: given up after maxHands
    MatchResult result = MatchResult::humanLost;
    SeatNumber winner {}; // isSeat() false when nobody won
    std::int64_t hands = 0;
    SeatFigures stacks {}; // at the end
    std::uint64_t draws = 0; // draws taken from the generator

    friend bool operator==(const MatchOutcome&, const MatchOutcome&) = default;
};

// The seed of match number k of a run seeded with seed: the matches' draws
// depend on these two numbers alone, whichever thread plays them.
[[nodiscard]] std::uint64_t matchSeed(std::uint64_t seed, std::uint64_t k);

// Plays one whole match on a fresh table (settings in memory, nothing
// shown), from the start-up deal to its end, drawing only from random.
[[nodiscard]] MatchOutcome playMatch(const MatchSetup& setup, Random& random);

} // namespace tavolier
