#include "game/seat_views.h"

#include "core/seats.h"
#include "game/table.h"

#include <algorithm>

namespace tavolier {

namespace {

// A street's bet and three raises at most, unless only two seats started it.
constexpr int kMostBets = 4;

[[nodiscard]] std::size_t at(int seat) {
    return static_cast<std::size_t>(seat);
}

[[nodiscard]] int boardCountOf(Street street) {
    switch (street) {
    case Street::preflop:
        return 0;
    case Street::flop:
        return 3;
    case Street::turn:
        return 4;
    default:
        return 5;
    }
}

} // namespace

SeatView seatViewOf(const Table& table, int seat, const TurnQuestion& question) {
    const TableState& s = table.state;
    const Betting& b = s.betting;
    SeatView v;
    v.turn = question;
    v.betsThisStreet = b.bets;
    v.betCap = b.uncapped ? 0 : kMostBets;
    v.holeCards = s.seat(seat).holeCards;
    v.street = s.street;
    v.boardCount = boardCountOf(s.street);
    for (int i = 0; i < v.boardCount; ++i)
        v.board[at(i)] = s.board[at(i)];
    v.pot = s.pot;
    v.smallBlind = s.smallBlind;
    v.bigBlind = s.bigBlind;
    v.smallBet = std::max<std::int32_t>(s.smallBet, 1);
    v.bigBet = std::max<std::int32_t>(s.bigBet, 1);
    v.handNumber = table.handNumber();

    // The seats dealt in, clockwise from the button (from the human's chair
    // before any hand by these rules has a button).
    const int button = b.buttonSeat == 0 ? kHuman : b.buttonSeat;
    const auto from = std::find(kClockwise.begin(), kClockwise.end(), button);
    const std::size_t start
        = static_cast<std::size_t>(from - kClockwise.begin()) % kClockwise.size();
    std::array<int, kSeatCount + 1> placeOf {};
    placeOf.fill(-1);
    for (std::size_t step = 0; step < kClockwise.size(); ++step) {
        const int other = kClockwise[(start + step) % kClockwise.size()];
        const Seat& st = s.seat(other);
        if (st.outAtDeal && other != seat)
            continue;
        SeatInView& in = v.seats[at(v.seatCount)];
        in.player = other;
        in.stack = std::max<std::int32_t>(st.chips, 0);
        in.street = b.street[at(other)];
        in.hand = b.hand[at(other)];
        in.inHand = s.inHand(other);
        in.allIn = st.allIn;
        placeOf[at(other)] = v.seatCount;
        if (other == seat)
            v.place = v.seatCount;
        v.seatCount += 1;
    }

    v.actions.reserve(table.handLog().size());
    for (const Table::LoggedAction& logged : table.handLog()) {
        if (logged.seat < 1 || logged.seat > kSeatCount || placeOf[at(logged.seat)] < 0)
            continue;
        ViewAction a = logged.action;
        a.place = placeOf[at(logged.seat)];
        v.actions.push_back(a);
    }
    return v;
}

} // namespace tavolier
