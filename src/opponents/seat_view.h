#pragma once

#include "core/card.h"
#include "core/street.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tavolier {

// What the rules ask of a seat at its turn.
struct TurnQuestion {
    int seat = 0;
    // A bet is open that the seat answers: it calls (or raises) or folds.
    bool facingBet = false;
    std::int32_t toCall = 0; // what a call costs
    std::int32_t betSize = 0; // what a bet or raise adds: the street's bet
    bool mayRaise = false; // a bet or a raise is allowed now
};

// The most seats a hand is played with.
inline constexpr int kMostViewSeats = 8;

// One seat as everybody at the table sees it. Seats are listed by their
// place clockwise from the dealer button: place 0 is the button, place 1
// the next seat clockwise (the small blind, except heads-up, where the
// button posts it), and so on round the table.
struct SeatInView {
    // Who sits there, for an opponent that remembers players from hand to
    // hand: our table's seat number, or (filled from outside the table) any
    // number that stays with the player; 0 when unknown.
    int player = 0;
    std::int32_t stack = 0; // chips behind
    std::int32_t street = 0; // put in on this street
    std::int32_t hand = 0; // put in over the hand
    bool inHand = false; // dealt in and not folded
    bool allIn = false; // in the hand with no chips behind
};

// A public action of the hand, in the order of play.
enum class ViewActionKind { smallBlind, bigBlind, fold, check, call, bet, raise };

struct ViewAction {
    Street street = Street::preflop;
    int place = 0; // who acted, by place from the button
    ViewActionKind kind = ViewActionKind::check;
    std::int32_t amount = 0; // chips the action put in
    bool allIn = false;
};

// Exactly what one seat may know at its turn: its own two cards, the board
// dealt so far, the public betting of the hand, every seat's chips, the pot,
// the bet sizes, the places round the table, and the question put to it.
// No other seat's cards are in it. The table fills it for its opponents; a
// program that plays elsewhere fills it from what it was told.
struct SeatView {
    // The question.
    TurnQuestion turn;
    int betsThisStreet = 0; // the bet and the raises so far (a big blind counts)
    int betCap = 4; // the most bets a street allows; 0 for no cap

    // The seat's own cards and the board.
    std::array<Card, 2> holeCards {};
    Street street = Street::preflop;
    int boardCount = 0; // 0, 3, 4 or 5
    std::array<Card, 5> board {};

    // The money.
    std::int32_t pot = 0;
    std::int32_t smallBlind = 0;
    std::int32_t bigBlind = 0;
    std::int32_t smallBet = 0;
    std::int32_t bigBet = 0;

    // The places: seats dealt in, by place from the button (the first
    // seatCount entries are used), and the seat's own place among them.
    int seatCount = 0;
    int place = 0;
    std::array<SeatInView, kMostViewSeats> seats {};

    // The hand's betting so far, blinds first.
    std::vector<ViewAction> actions;
    // Counts from 1 over a session; a new number is a new hand.
    std::int64_t handNumber = 0;

    [[nodiscard]] const SeatInView& me() const { return seats[static_cast<std::size_t>(place)]; }
    [[nodiscard]] const SeatInView& at(int placeFromButton) const {
        return seats[static_cast<std::size_t>(placeFromButton)];
    }
    // Seats still in the hand, this one counted.
    [[nodiscard]] int inHandCount() const {
        int count = 0;
        for (int p = 0; p < seatCount; ++p)
            count += seats[static_cast<std::size_t>(p)].inHand ? 1 : 0;
        return count;
    }
    // Seats still in that act after this one on a street after the flop
    // (the button acts last): 0 is the best position.
    [[nodiscard]] int seatsActingAfter() const {
        int count = 0;
        for (int p = place + 1; p < seatCount; ++p)
            count += seats[static_cast<std::size_t>(p)].inHand ? 1 : 0;
        if (place != 0 && seats[0].inHand)
            count += 1;
        return count;
    }
};

} // namespace tavolier
