#include "presentation/card_drawing.h"

#include "presentation/scene.h"

namespace tavolier {

namespace {

constexpr int kCardImages = 60; // 52 faces and 8 backs
constexpr int kFirstBack = 52;

// Fills one pixel with the background.
void clearPixel(Scene& table, int x, int y) {
    table.view.clearArea(Rect { x, y, x + 1, y + 1 });
}

// Stamps a card and touches up the corners around it. The offsets are 70
// and 95, so only the top-left pixel lies on the card itself; a second hole
// card keeps that pixel, since it would bite into the first card.
void stampWithTouchUp(Scene& table, int image, int x, int y, bool touchTopLeft) {
    if (image >= 0 && image < kCardImages)
        table.view.stamp(ImageList::cards, image, x, y);
    PresentationState& p = table.presentation;
    p.drawX = x;
    p.drawY = y;
    if (touchTopLeft)
        clearPixel(table, p.drawX, p.drawY);
    clearPixel(table, p.drawX + 70, p.drawY);
    clearPixel(table, p.drawX, p.drawY + 95);
    clearPixel(table, p.drawX + 70, p.drawY + 95);
}

// Face picture of a card; -1 (nothing drawn) for a card outside the deck.
[[nodiscard]] int facePicture(Card card) {
    if (card.suit < 0 || card.suit > 3 || card.rank < 0 || card.rank > 12)
        return -1;
    return imageIndex(card);
}

[[nodiscard]] const CardPlace& placeOf(int seat) {
    return kCardPlaces[static_cast<std::size_t>(seat)];
}

} // namespace

int cardBackPicture(const TableState& state) {
    const std::int32_t back = state.cardBackImage;
    return back >= kFirstBack && back < kCardImages ? static_cast<int>(back) : -1;
}

void stampHoleCard(Scene& table, int seat, int i, int image) {
    const CardPlace& place = placeOf(seat);
    stampWithTouchUp(table, image, place.x + place.stepX * i, place.y + place.stepY * i, i == 0);
}

void redraw(Scene& table) {
    // The picture is loaded afresh every time; without it the table keeps
    // whatever it showed and the cards are still drawn.
    if (!table.view.paintBackground())
        table.view.beep();
    drawCards(table);
}

void drawCards(Scene& table) {
    TableState& state = table.state;
    // Lone survivor: the human folded and one opponent is left, so the hand
    // ends without a showdown and that opponent's cards stay hidden.
    const bool noShowdown = loneSurvivor(state);

    // From the flop on, the Raise button reads "Raise" again at every redraw
    // when the street's bet is a size it knows.
    if (state.street != Street::preflop && isRaiseBetSize(streetBet(state)))
        table.view.setButtonCaption(Button::raise, "Raise");

    const bool faceUp = state.street == Street::showdown && !noShowdown;
    const int back = cardBackPicture(state);
    for (int i = 0; i < 2; ++i) {
        const Seat& human = state.seat(kHuman);
        if (state.inHand(kHuman)) {
            const CardPlace& place = placeOf(kHuman);
            stampWithTouchUp(table, facePicture(human.holeCards[static_cast<std::size_t>(i)]),
                place.x + place.stepX * i, place.y + place.stepY * i, i == 0);
        }
        for (int seat = 7; seat >= 1; --seat) {
            const Seat& s = state.seat(seat);
            if (!state.inHand(seat))
                continue;
            stampHoleCard(table, seat, i,
                faceUp ? facePicture(s.holeCards[static_cast<std::size_t>(i)]) : back);
        }
    }

    // The board, face up: the flop from street 2, the turn from street 3, the
    // river from street 4, except for the lone survivor.
    int shown = 0;
    if (state.street == Street::flop)
        shown = 3;
    else if (state.street == Street::turn)
        shown = 4;
    else if ((state.street == Street::river || state.street == Street::showdown) && !noShowdown)
        shown = 5;
    for (int b = 0; b < shown; ++b) {
        const auto& at = kBoardPlaces[static_cast<std::size_t>(b)];
        stampCard(table, facePicture(state.board[static_cast<std::size_t>(b)]), at[0], at[1]);
    }
}

void stampCard(Scene& table, int image, int x, int y) {
    stampWithTouchUp(table, image, x, y, true);
}

void clearArea(Scene& table, Rect area) {
    table.view.clearArea(area);
}

} // namespace tavolier
