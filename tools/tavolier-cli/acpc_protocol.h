#pragma once

// The computer-poker competition's protocol, version 2.0.0, for limit games:
// the game definition file, the MATCHSTATE line (read and written), and the
// betting of one hand replayed from its betting string, which says whose
// turn it is and what that seat may do. No sockets here: the table side and
// the client side both build on this.

#include "core/card.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolier::cli::acpc {

// The line that opens a client's side of the conversation.
inline constexpr std::string_view kVersionLine = "VERSION:2.0.0";
// A longer line is refused before it is stored.
inline constexpr std::size_t kMaxLineLength = 64 * 1024;
// The most players and rounds this program plays.
inline constexpr int kMostPlayers = 8;
inline constexpr int kMostRounds = 4;

// A limit game as a game definition file describes it. Positions count from
// the first seat after the button (0); rounds from the first (0). A file's
// firstPlayer counts from 1; here it is a position.
struct GameDefinition {
    int players = 2;
    int rounds = 4;
    std::vector<std::int32_t> blinds; // by position
    std::vector<std::int32_t> raiseSizes; // by round
    std::vector<int> firstPlayer; // by round: the position that acts first
    std::vector<int> maxRaises; // by round
    std::vector<std::int32_t> stacks; // by position; the largest int32 when not given
    int suits = 4;
    int ranks = 13;
    int holeCards = 2;
    std::vector<int> boardCards; // by round
    friend bool operator==(const GameDefinition&, const GameDefinition&) = default;
};

// Reads a game definition ("GAMEDEF" ... "END GAMEDEF"; keys in any case;
// "#" and ";" lines are comments). Only limit hold'em with a 52-card deck,
// 2 to 8 players and up to 4 rounds is played; anything else, and any line
// it does not understand, is refused with a message in error.
[[nodiscard]] std::optional<GameDefinition> readGameDefinition(
    std::string_view text, std::string& error);

// The game definition of the eight-seat table under Standard rules with
// small bet smallBet: blinds half a small bet and a small bet, a bet and
// three raises a street, stacks of stack chips.
[[nodiscard]] GameDefinition standardTable(std::int32_t smallBet, std::int32_t stack);
// The text of a game definition file for game.
[[nodiscard]] std::string gameDefinitionText(const GameDefinition& game);

// One MATCHSTATE line: the seat's position, the hand's number, the betting
// (one string of f, c, r per round begun) and the cards the seat sees.
struct MatchState {
    int position = 0;
    std::uint32_t handNumber = 0;
    std::vector<std::string> betting; // by round; at least one
    std::vector<std::vector<Card>> holeCards; // by position; empty: not seen
    std::vector<std::vector<Card>> board; // by round; round 0's is usually empty
    friend bool operator==(const MatchState&, const MatchState&) = default;

    [[nodiscard]] int players() const { return static_cast<int>(holeCards.size()); }
};

// Reads "MATCHSTATE:<position>:<hand>:<betting>:<cards>" (without the line
// end); nullopt with a message in error for anything else.
[[nodiscard]] std::optional<MatchState> parseMatchState(std::string_view line, std::string& error);
// The line's text, without the line end.
[[nodiscard]] std::string formatMatchState(const MatchState& state);

// What the seat to act may do. Fold only when a call costs something; raise
// only while the round has raises left and the seat can pay a full raise
// and was not passed over by a short all-in raise since it last acted.
struct Choices {
    bool fold = false;
    bool call = true;
    bool raise = false;
};

// One action of a hand as the betting replayed it, blinds first.
struct BettingStep {
    enum class Kind { smallBlind, bigBlind, fold, check, call, bet, raise };
    int round = 0;
    int position = 0;
    Kind kind = Kind::check;
    std::int32_t amount = 0; // chips it put in
    bool allIn = false; // nothing left behind
};

// The betting of one hand with players seats, as the game plays it, action
// by action. When the state's number of players differs from the game's (a
// table where seats without chips sit a hand out), the blinds fall on
// positions 0 and 1 (heads-up: the button, position 1, posts the small
// blind and acts first before the flop) and the first seat after the
// button acts first after it.
class HandBetting {
public:
    HandBetting(const GameDefinition& game, int players, const std::vector<std::int32_t>& stacks);

    // Replays a state's betting; nullopt with a message in error when an
    // action comes with nobody to act or a round ends where the betting
    // does not.
    [[nodiscard]] static std::optional<HandBetting> replay(const GameDefinition& game,
        const MatchState& state, const std::vector<std::int32_t>& stacks, std::string& error);

    // The position to act; -1 when the hand is over.
    [[nodiscard]] int acting() const;
    [[nodiscard]] bool over() const { return acting() < 0; }
    [[nodiscard]] Choices choices() const;
    // The round the next action belongs to.
    [[nodiscard]] int round() const { return m_round; }
    [[nodiscard]] int inHand() const;
    [[nodiscard]] std::int32_t toCall(int position) const;
    [[nodiscard]] std::int32_t raiseSize() const;
    [[nodiscard]] std::int32_t spent(int position) const {
        return m_spent[static_cast<std::size_t>(position)];
    }
    [[nodiscard]] bool folded(int position) const {
        return m_folded[static_cast<std::size_t>(position)];
    }
    // What a position put in on the present round.
    [[nodiscard]] std::int32_t spentThisRound(int position) const {
        const auto at = static_cast<std::size_t>(position);
        return m_spent[at] - m_roundStart[at];
    }
    [[nodiscard]] std::int32_t stack(int position) const {
        return m_stacks[static_cast<std::size_t>(position)];
    }
    [[nodiscard]] int players() const { return m_players; }
    // The full raises of the present round so far, and the most it allows.
    [[nodiscard]] int raises() const { return m_raises; }
    [[nodiscard]] int maxRaises() const { return m_maxRaises[static_cast<std::size_t>(m_round)]; }
    // The blinds by position, as this hand posts them in full.
    [[nodiscard]] const std::vector<std::int32_t>& blinds() const { return m_blinds; }
    [[nodiscard]] const std::vector<BettingStep>& steps() const { return m_steps; }
    // The hand moved on to the round the next action belongs to (the same
    // hand when a seat is to act in the present round).
    [[nodiscard]] HandBetting atNextAction() const;

    // Applies the acting seat's action ('f', 'c' or 'r'); false when nobody
    // is to act or the action is not one of the three.
    bool apply(char action);
    // Whether the present round has ended (every seat that can act has
    // acted and matched), so that a "/" may follow.
    [[nodiscard]] bool roundDone() const;
    // Begins the next round; false after the last.
    bool nextRound();

private:
    std::vector<std::int32_t> m_raiseSizes;
    std::vector<int> m_firstPlayer;
    std::vector<int> m_maxRaises;
    int m_players = 0;
    int m_rounds = 0;
    std::vector<std::int32_t> m_stacks;
    std::vector<std::int32_t> m_spent;
    std::vector<bool> m_folded;
    std::vector<bool> m_acted;
    std::vector<bool> m_mayRaise;
    std::vector<std::int32_t> m_roundStart; // spent when the round began
    std::vector<std::int32_t> m_blinds;
    std::vector<BettingStep> m_steps;
    std::int32_t m_level = 0;
    int m_raises = 0;
    int m_round = 0;
    int m_last = -1; // the last position that acted in this round

    [[nodiscard]] bool active(int p) const;
    [[nodiscard]] bool needsToAct(int p) const;
    [[nodiscard]] int activeCount() const;
    void openRound();
    // The most any seat had put in when the round began.
    [[nodiscard]] std::int32_t roundStartLevel() const;
    // The acting position of the present round; -1 when it is done.
    [[nodiscard]] int actingInRound() const;
};

} // namespace tavolier::cli::acpc
