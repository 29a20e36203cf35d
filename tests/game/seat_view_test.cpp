// A computer seat decides on what that seat may know and nothing else: the
// real opponents play Standard hands, and at each of their turns a twin of
// the seat is asked the same question on a copy of the table where every
// other seat holds other cards. Their decisions must agree.
#include "core/seats.h"
#include "core/table_state.h"
#include "core/table_view.h"
#include "game/game.h"
#include "game/seat_views.h"
#include "game/table.h"
#include "opponents/characters.h"
#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

namespace tavolier::testing {
namespace {

[[nodiscard]] std::size_t indexOf(Card c) {
    return static_cast<std::size_t>(c.suit * 13 + c.rank);
}

// Every seat but keep gets two cards nobody held and the board does not show.
void dealOthersAfresh(TableState& s, int keep) {
    std::array<bool, 52> used {};
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        used[indexOf(s.seat(seat).holeCards[0])] = true;
        used[indexOf(s.seat(seat).holeCards[1])] = true;
    }
    for (const Card c : s.board)
        used[indexOf(c)] = true;
    std::vector<Card> spare;
    for (int i = 0; i < 52; ++i) {
        if (!used[static_cast<std::size_t>(i)])
            spare.push_back(Card { i / 13, i % 13 });
    }
    std::size_t next = 0;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        if (seat == keep)
            continue;
        s.seat(seat).holeCards = { spare[next], spare[next + 1] };
        next += 2;
    }
}

// Each seat's character at a level, and its twin fed the twin table's views.
class TwinCheck : public Opponent {
public:
    TwinCheck(Table& table, std::int32_t level)
        : m_table(table) {
        for (int seat = 1; seat <= 7; ++seat) {
            m_real[static_cast<std::size_t>(seat)] = makeOpponent(*characterOfSeat(seat), level);
            m_twin[static_cast<std::size_t>(seat)] = makeOpponent(*characterOfSeat(seat), level);
        }
    }

    Decision decide(const SeatView& view, Random&) override {
        const int seat = view.turn.seat;
        const TableState saved = m_table.state;
        dealOthersAfresh(m_table.state, seat);
        const SeatView twinView = seatViewOf(m_table, seat, view.turn);
        m_table.state = saved;
        // The same draws for both.
        Random forReal(++asked);
        Random forTwin(asked);
        const Decision real = m_real[static_cast<std::size_t>(seat)]->decide(view, forReal);
        const Decision twin = m_twin[static_cast<std::size_t>(seat)]->decide(twinView, forTwin);
        differ += real == twin ? 0 : 1;
        kinds[static_cast<std::size_t>(real.kind)] += 1;
        return real;
    }

    std::uint64_t asked = 0;
    int differ = 0;
    std::array<int, 5> kinds {};

private:
    Table& m_table;
    std::array<std::unique_ptr<Opponent>, 8> m_real;
    std::array<std::unique_ptr<Opponent>, 8> m_twin;
};

TEST(SeatView, AnotherSeatsCardsCannotChangeADecision) {
    for (const std::int32_t level : { 400, 900 }) {
        TableState state;
        Random random(31);
        random.ignoreClock();
        NullView view;
        MemorySettings settings;
        settings.logWrites = false;
        for (int seat = 1; seat <= kSeatCount; ++seat)
            settings.set("Cash", seatInfo(seat).key, 2000);
        settings.set("Cash", "initial", 2000);
        settings.set("Cash", "until", 100000);
        Table table(state, random, view, settings);
        TwinCheck twins(table, level);
        for (int seat = 1; seat <= 7; ++seat)
            table.seatOpponent(seat, &twins);
        Game game(table);
        game.prepareStartUp(false);
        state.rulesChoice = 1;
        state.aiLevelCode = level;
        game.startupDeal();
        for (int hand = 1; hand < 150;) {
            const LegalActions may = game.legalActions();
            if (may.handInProgress) {
                game.checkOrCall();
            } else {
                game.deal();
                ++hand;
            }
        }
        EXPECT_GT(twins.asked, 500U) << "level " << level;
        EXPECT_EQ(twins.differ, 0) << "level " << level;
        // The run asked real questions: the seats folded, called and raised.
        EXPECT_GT(twins.kinds[static_cast<std::size_t>(DecisionKind::fold)], 0);
        EXPECT_GT(twins.kinds[static_cast<std::size_t>(DecisionKind::call)], 0);
        EXPECT_GT(twins.kinds[static_cast<std::size_t>(DecisionKind::raise)]
                + twins.kinds[static_cast<std::size_t>(DecisionKind::bet)],
            0);
    }
}

} // namespace
} // namespace tavolier::testing
