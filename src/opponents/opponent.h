#pragma once

#include "core/random.h"
#include "core/table_state.h"

#include <cstdint>

namespace tavolier {

// What a seat decides when its turn comes.
enum class DecisionKind { fold, check, call, bet, raise };

// A turn's decision as a value: the rules apply it. amount is what a call
// costs, or what a bet or raise adds over the level the seat faces (the
// street's bet, as the rules fix it); 0 for a fold or a check.
struct Decision {
    DecisionKind kind = DecisionKind::check;
    std::int32_t amount = 0;
    friend constexpr bool operator==(const Decision&, const Decision&) = default;
};

// What the rules ask of a seat at its turn.
struct TurnQuestion {
    int seat = 0;
    // A bet is open that the seat answers: it calls (or raises) or folds.
    bool facingBet = false;
    std::int32_t toCall = 0; // what a call costs
    std::int32_t betSize = 0; // what a bet or raise adds: the street's bet
    bool mayRaise = false; // a bet or a raise is allowed now
};

// Whoever decides for a computer seat. The game's opponents are the Monte
// Carlo levels below; the tests script their own.
class Opponent {
public:
    virtual ~Opponent() = default;
    // The seat's decision. carry is what the estimate carries from one run
    // to the next; random is the game's one generator.
    [[nodiscard]] virtual Decision decide(
        const TableState& table, EstimateCarry& carry, const TurnQuestion& turn, Random& random)
        = 0;
};

// The opponents' levels: a Monte Carlo estimate with the table's level code,
// then the two decisions. Facing a bet, the stay rule calls or folds and,
// where a raise is allowed, the raise rule on the same estimate raises
// instead of calling; with nothing to call, the raise rule bets or checks.
class MonteCarloOpponents : public Opponent {
public:
    // At the table's level code, or at levelCode when it is not 0 (a
    // program that plays the human's seat as an opponent would).
    explicit MonteCarloOpponents(std::int32_t levelCode = 0)
        : m_levelCode(levelCode) { }

    [[nodiscard]] Decision decide(const TableState& table, EstimateCarry& carry,
        const TurnQuestion& turn, Random& random) override;

private:
    std::int32_t m_levelCode;
};

} // namespace tavolier
