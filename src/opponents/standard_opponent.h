#pragma once

#include "core/random.h"
#include "opponents/characters.h"
#include "opponents/hand_odds.h"
#include "opponents/opponent.h"
#include "opponents/seat_view.h"

#include <array>
#include <cstdint>

namespace tavolier {

// The four ways of thinking, weakest first. Amateur judges its hand
// against random hands of the seats still in; Expert adds the price and
// its position; Master reads each opponent's range from how it played;
// Genius adds the worth of draws, check-raises and balanced bluffs, and
// reads each player from what it has seen that player do this session.
enum class Thinking { amateur, expert, master, genius };

// The level for a level code: 400 Amateur, 600 Expert, 800 Master, 900
// Genius; a code between plays as the level below it.
[[nodiscard]] Thinking levelOfCode(std::int32_t levelCode);

// A Standard opponent: one character at one level, for one seat.
class StandardOpponent : public Opponent {
public:
    StandardOpponent(const Character& character, Thinking level);

    [[nodiscard]] Decision decide(const SeatView& view, Random& random) override;

    [[nodiscard]] const Character& character() const { return m_character; }
    [[nodiscard]] Thinking level() const { return m_level; }

    // What it has seen a player do over the session.
    struct PlayerNotes {
        int hands = 0; // hands in which it was seen to choose before the flop
        int voluntary = 0; // hands it put chips in before the flop, blinds aside
        int raisedFirst = 0; // hands it raised before the flop
        int bets = 0; // bets and raises after the flop
        int calls = 0; // calls after the flop
        int folds = 0; // folds after the flop
    };

private:
    const Character& m_character;
    Thinking m_level;

    // Reading the players.
    static constexpr std::size_t kNotes = 16;
    std::array<PlayerNotes, kNotes> m_notes {};
    std::int64_t m_handSeen = -1;
    std::size_t m_actionsSeen = 0;
    std::array<bool, kNotes> m_actedThisHand {};
    std::array<bool, kNotes> m_voluntaryThisHand {};
    std::array<bool, kNotes> m_raisedThisHand {};
    // This hand: it checked a strong hand on this street to raise later.
    Street m_trapStreet = Street::showdown;

    void takeNotes(const SeatView& view);
    [[nodiscard]] const PlayerNotes& notesOf(int player) const;
    [[nodiscard]] HandRange rangeOf(const SeatView& view, int place) const;
    [[nodiscard]] Decision beforeFlop(const SeatView& view, Random& random);
    [[nodiscard]] Decision afterFlop(const SeatView& view, Random& random);
};

} // namespace tavolier
