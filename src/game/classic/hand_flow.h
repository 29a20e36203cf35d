#pragma once

namespace tavolier {

class Table;

// The window's start-up after its controls are laid out: reads every
// setting, shows them in the options panel, seeds the generator from the
// clock, builds the decks, shows the chips and deals the first hand.
void startUp(Table& table);

// startUp up to the first deal, with or without the clock: the command-line
// companion and the benchmarks seed the generator themselves and may change
// the table (the opponents' level) before startupDeal.
void prepareStartUp(Table& table, bool seedFromClock);

// The first hand of a run, dealt by the window's construction after the
// settings are read and the decks are built.
void startupDeal(Table& table);

// "Deal": writes the settings, checks for a finished match, resets the hand,
// posts the blinds and runs the opponents before the human.
void deal(Table& table);

} // namespace tavolier
