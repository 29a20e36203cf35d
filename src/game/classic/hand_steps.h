#pragma once

#include "core/seat_lists.h"

#include <cstdint>

namespace tavolier {

class Table;

// Steps that the Deal, the start-up deal, "New" and the human's actions
// share. They live in the hand flow.

// smallBlind = smallBet / 2, bigBlind = smallBet, toCall = smallBet.
void computeBlinds(Table& table);
// Every opponent without chips counts as out of the hand.
void countBrokeOpponents(Table& table);
// pot = smallBlind + bigBlind, shown with every seat's chips.
void showOpeningPot(Table& table);
// The usual blind sizes put "Call" and "Raise" on the buttons; Raise is
// allowed.
void setDealCaptions(Table& table);
// The opponents' own turns in the given order, stopping after a raise.
// onlyWhileBeforeShowdown also stops before any turn once the street is 5.
void runTurns(Table& table, const SeatList& seats, bool onlyWhileBeforeShowdown);

} // namespace tavolier
