#include "game/deck.h"

#include "core/seats.h"

#include <utility>

namespace tavolier {

namespace {

void fillInOrder(std::array<Card, 52>& deck) {
    for (int p = 0; p < 52; ++p)
        deck[static_cast<std::size_t>(p)] = Card { p / 13, p % 13 };
}

void shuffle(std::array<Card, 52>& deck, Random& random, int swaps) {
    for (int i = 0; i < swaps; ++i) {
        const int first = random.below(52);
        const int second = random.below(52);
        std::swap(deck[static_cast<std::size_t>(first)], deck[static_cast<std::size_t>(second)]);
    }
}

} // namespace

void initDecks(TableState& state) {
    fillInOrder(state.deck);
    fillInOrder(state.estimate.spareDeck);
}

void shuffleAndDeal(TableState& state, Random& random) {
    shuffle(state.estimate.spareDeck, random, 5001);
    shuffle(state.deck, random, 20001);
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        const auto p = static_cast<std::size_t>(seatInfo(seat).deckPosition);
        state.seat(seat).holeCards = { state.deck[p], state.deck[p + 1] };
    }
    for (std::size_t i = 0; i < 5; ++i)
        state.board[i] = state.deck[20 + i];
}

} // namespace tavolier
