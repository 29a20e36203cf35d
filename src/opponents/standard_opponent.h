#pragma once

#include "core/random.h"
#include "core/table_state.h"
#include "opponents/characters.h"
#include "opponents/opponent.h"
#include "opponents/seat_view.h"

#include <cstdint>

namespace tavolier {

// The four ways of thinking, weakest first.
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

private:
    const Character& m_character;
    Thinking m_level;
    EstimateCarry m_carry; // the seat's own estimate scratch
};

} // namespace tavolier
