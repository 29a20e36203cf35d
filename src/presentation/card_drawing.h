#pragma once

#include "core/table_state.h"
#include "core/table_view.h"

#include <array>

namespace tavolier {

class Scene;

// Where each seat's first hole card lies (index by seat number; 0 unused).
struct CardPlace {
    int x;
    int y;
    int stepX;
    int stepY;
    Rect cleared; // the area cleared when the seat leaves the hand (none for the human)
};

// clang-format off
inline constexpr std::array<CardPlace, 9> kCardPlaces { {
    { 0, 0, 0, 0, {} },
    { 167, 453, 30, 13, { 167, 453, 277, 553 } }, // Marc
    { 735, 453, 30, 13, { 735, 453, 845, 553 } }, // Edmund
    { 784, 292, 30, 13, { 784, 292, 890, 392 } }, // Robert
    { 697, 146, 30, 13, { 697, 146, 807, 256 } }, // Cindy
    { 511, 106, 30, 13, { 511, 106, 621, 216 } }, // Carlos
    { 216, 146, 30, 13, { 216, 146, 326, 256 } }, // Jack
    { 129, 292, 30, 13, { 129, 292, 239, 402 } }, // Chong
    { 503, 484, 40, 13, {} },                     // the human
} };

// The five community cards in their shallow V: flop, flop, flop, turn, river.
inline constexpr std::array<std::array<int, 2>, 5> kBoardPlaces { {
    { 325, 310 }, { 395, 322 }, { 465, 334 }, { 535, 322 }, { 605, 310 },
} };
inline constexpr Rect kBoardArea { 315, 300, 700, 430 };
// clang-format on

// The window's repaint: the whole background picture (a beep when it cannot
// be loaded), then the cards. It paints over every portrait, ring, badge and
// cleared area, so the rules of play call drawCards instead.
void redraw(Scene& table);
// Stamps every card the table state shows: what the rules of play mean by
// redrawing the table after a change of the cards, the street, a seat's fold
// or the card back. Portraits and badges drawn before it stay on screen.
void drawCards(Scene& table);
// Stamps picture image of "cards" at (x, y) and touches up its corners.
void stampCard(Scene& table, int image, int x, int y);
// Fills the area with the background.
void clearArea(Scene& table, Rect area);

// The picture of a face-down card: cardBackImage when it names one of the
// eight backs (52..59), else -1, which draws nothing.
[[nodiscard]] int cardBackPicture(const TableState& state);
// Stamps card i (0 or 1) of a seat's hole cards at its place in the fan.
void stampHoleCard(Scene& table, int seat, int i, int image);

} // namespace tavolier
