#pragma once

#include "core/random.h"
#include "core/table_state.h"
#include "opponents/seat_view.h"

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

// Whoever decides for a computer seat: one object per seat, asked at the
// seat's turn with what that seat may know. random is the game's one
// generator. The tests script their own.
class Opponent {
public:
    virtual ~Opponent() = default;
    [[nodiscard]] virtual Decision decide(const SeatView& view, Random& random) = 0;
};

// The Classic rules' opponents: a Monte Carlo estimate with the table's
// level code, then the two decisions. Facing a bet, the stay rule calls or
// folds and, where a raise is allowed, the raise rule on the same estimate
// raises instead of calling; with nothing to call, the raise rule bets or
// checks. The estimate reads the table's count of seats out and shares the
// table's carried estimate with the odds badge, as those rules are written.
class MonteCarloOpponents : public Opponent {
public:
    // At the table's level code, or at levelCode when it is not 0 (a
    // program that plays the human's seat as an opponent would).
    explicit MonteCarloOpponents(TableState& table, std::int32_t levelCode = 0)
        : m_table(table)
        , m_levelCode(levelCode) { }

    [[nodiscard]] Decision decide(const SeatView& view, Random& random) override;

private:
    TableState& m_table;
    std::int32_t m_levelCode;
};

} // namespace tavolier
