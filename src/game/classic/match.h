#pragma once

#include <string_view>

namespace tavolier {

class Table;

// Every opponent is out: the human takes the pot without a showdown.
void endHandByFolds(Table& table);

// "New": re-seeds, asks "Are you sure?", and on Yes starts a match with the
// stack read from the text of the options field money.
void newMatch(Table& table, std::string_view moneyText);

} // namespace tavolier
