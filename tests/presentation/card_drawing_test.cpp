#include "presentation/card_drawing.h"

#include "presentation_fixture.h"
#include "street_number.h"

#include <algorithm>

namespace tavolier {
namespace {

using testing::PresentationTest;
using Lines = std::vector<std::string>;

// Where card i of a seat is stamped, as the log writes it.
std::string at(int seat, int i) {
    const CardPlace& p = kCardPlaces[static_cast<std::size_t>(seat)];
    return std::to_string(p.x + p.stepX * i) + "," + std::to_string(p.y + p.stepY * i);
}

std::string stampLine(int image, const std::string& where) {
    return "stamp cards " + std::to_string(image) + " " + where;
}

// Every stamp that names a position, without the picture.
bool stampedAt(const Lines& lines, const std::string& where) {
    return std::any_of(lines.begin(), lines.end(),
        [&](const std::string& l) { return l.size() > where.size() && l.ends_with(" " + where); });
}

class CardDrawing : public PresentationTest { };

TEST_F(CardDrawing, FacesUseSuitTimesThirteenPlusRank) {
    state.seat(kHuman).holeCards = { Card { 2, 5 }, Card { 3, 12 } };
    drawCards(table);
    const Lines s = cardStamps();
    ASSERT_GE(s.size(), 2u);
    EXPECT_EQ(s[0], "stamp cards 31 503,484"); // seven of hearts
    EXPECT_EQ(s[8], "stamp cards 51 543,497"); // ace of spades, after the seven opponents
    state.seat(kHuman).holeCards[0] = Card { 0, 0 };
    view.clearLog();
    drawCards(table);
    EXPECT_EQ(cardStamps()[0], "stamp cards 0 503,484"); // deuce of clubs
}

TEST_F(CardDrawing, PreFlopShowsHoleCardsOnlyHumanUpOpponentsDown) {
    state.street = Street::preflop;
    state.cardBackImage = 59;
    drawCards(table);
    Lines expected;
    for (int i = 0; i < 2; ++i) {
        expected.push_back(stampLine(imageIndex(state.seat(kHuman).holeCards[i]), at(kHuman, i)));
        for (int seat = 7; seat >= 1; --seat)
            expected.push_back(stampLine(59, at(seat, i)));
    }
    EXPECT_EQ(cardStamps(), expected);
}

TEST_F(CardDrawing, BoardGrowsWithTheStreets) {
    const Lines board { "stamp cards 13 325,310", "stamp cards 14 395,322",
        "stamp cards 15 465,334", "stamp cards 16 535,322", "stamp cards 17 605,310" };
    for (int street = 2; street <= 4; ++street) {
        state.street = streetAt(street);
        view.clearLog();
        drawCards(table);
        const Lines s = cardStamps();
        const std::size_t shown = street == 2 ? 3 : street == 3 ? 4 : 5;
        ASSERT_EQ(s.size(), 16 + shown) << "street " << street;
        EXPECT_TRUE(
            std::equal(board.begin(), board.begin() + static_cast<long>(shown), s.begin() + 16));
        // Before the showdown the opponents stay face down.
        EXPECT_EQ(s[1], stampLine(52, at(7, 0)));
    }
}

TEST_F(CardDrawing, ShowdownTurnsOpponentsStillInFaceUp) {
    state.street = Street::showdown;
    state.seat(4).folded = true;
    drawCards(table);
    const Lines s = cardStamps();
    ASSERT_EQ(s.size(), 2u * 7u + 5u);
    for (int seat : { 7, 6, 5, 3, 2, 1 })
        for (int i = 0; i < 2; ++i)
            EXPECT_NE(std::find(s.begin(), s.end(),
                          stampLine(imageIndex(state.seat(seat).holeCards[i]), at(seat, i))),
                s.end())
                << "seat " << seat << " card " << i;
    EXPECT_FALSE(stampedAt(s, at(4, 0)));
    EXPECT_EQ(s.back(), "stamp cards 17 605,310");
}

TEST_F(CardDrawing, LoneSurvivorStaysFaceDownWithoutBoard) {
    state.street = Street::showdown;
    state.outCount = 6;
    state.seat(kHuman).folded = true;
    for (int seat = 2; seat <= 7; ++seat)
        state.seat(seat).folded = true;
    drawCards(table);
    EXPECT_EQ(cardStamps(), (Lines { stampLine(52, at(1, 0)), stampLine(52, at(1, 1)) }));
}

TEST_F(CardDrawing, HumanFoldedWithSeveralLeftStillShowsTheShowdown) {
    state.street = Street::showdown;
    state.outCount = 5;
    state.seat(kHuman).folded = true;
    drawCards(table);
    const Lines s = cardStamps();
    EXPECT_FALSE(stampedAt(s, at(kHuman, 0)));
    EXPECT_EQ(s[0], stampLine(imageIndex(state.seat(7).holeCards[0]), at(7, 0)));
    EXPECT_EQ(s.size(), 14u + 5u);
}

TEST_F(CardDrawing, BrokeSeatsDrawNothing) {
    state.seat(3).chips = 0;
    state.seat(5).chips = -4;
    state.seat(kHuman).chips = 0;
    drawCards(table);
    const Lines s = cardStamps();
    EXPECT_EQ(s.size(), 2u * 5u);
    for (int seat : { 3, 5, kHuman })
        for (int i = 0; i < 2; ++i)
            EXPECT_FALSE(stampedAt(s, at(seat, i))) << "seat " << seat;
}

TEST_F(CardDrawing, CardBackOutsideTheBacksDrawsNothing) {
    for (int back : { 61, 60, 51, -1, 2147483647 }) {
        state.cardBackImage = back;
        view.clearLog();
        drawCards(table);
        const Lines s = cardStamps();
        // Only the human's two faces reach the screen.
        ASSERT_EQ(s.size(), 2u) << back;
        EXPECT_TRUE(stampedAt(s, at(kHuman, 0)));
        EXPECT_TRUE(stampedAt(s, at(kHuman, 1)));
    }
}

TEST_F(CardDrawing, StampCardGuardsTheListAndStillTouchesUp) {
    stampCard(table, 60, 10, 20);
    stampCard(table, -1, 30, 40);
    EXPECT_TRUE(cardStamps().empty());
    EXPECT_EQ(table.presentation.drawX, 30);
    EXPECT_EQ(table.presentation.drawY, 40);
    EXPECT_EQ(view.linesStartingWith("clear ").size(), 8u);
    view.clearLog();
    stampCard(table, 59, 1, 2);
    EXPECT_EQ(cardStamps(), (Lines { "stamp cards 59 1,2" }));
}

TEST_F(CardDrawing, CornerTouchUpUsesOffsetsSeventyAndNinetyFive) {
    stampCard(table, 5, 100, 200);
    EXPECT_EQ(view.log(),
        (Lines { "stamp cards 5 100,200", "clear 100,200,101,201", "clear 170,200,171,201",
            "clear 100,295,101,296", "clear 170,295,171,296" }));
}

TEST_F(CardDrawing, HumansSecondCardKeepsItsTopLeftPixel) {
    state.seat(kHuman).holeCards = { Card { 0, 0 }, Card { 0, 1 } };
    for (int seat = 1; seat <= 7; ++seat)
        state.seat(seat).folded = true;
    drawCards(table);
    EXPECT_EQ(view.log(),
        (Lines { "stamp cards 0 503,484", "clear 503,484,504,485", "clear 573,484,574,485",
            "clear 503,579,504,580", "clear 573,579,574,580", "stamp cards 1 543,497",
            "clear 613,497,614,498", "clear 543,592,544,593", "clear 613,592,614,593" }));
    EXPECT_EQ(table.presentation.drawX, 543);
    EXPECT_EQ(table.presentation.drawY, 497);
}

TEST_F(CardDrawing, NoSecondHoleCardClearsAPixelOfTheFirst) {
    state.seat(kHuman).folded = true;
    for (int seat = 2; seat <= 7; ++seat)
        state.seat(seat).folded = true;
    drawCards(table);
    // Marc's first card: one stamp and four pixels; his second, which lies
    // over the first, leaves its top-left pixel alone.
    ASSERT_EQ(view.log().size(), 9u);
    EXPECT_EQ(view.log()[1], "clear 167,453,168,454");
    EXPECT_EQ(view.log()[5], "stamp cards 52 197,466");
    EXPECT_EQ(view.log()[6], "clear 267,466,268,467");
    // Every seat's second card, wherever it is stamped (a hover too).
    for (int seat = 1; seat <= 8; ++seat) {
        const CardPlace& place = kCardPlaces[static_cast<std::size_t>(seat)];
        view.clearLog();
        stampHoleCard(table, seat, 1, 52);
        const int x = place.x + place.stepX;
        const int y = place.y + place.stepY;
        EXPECT_FALSE(view.contains("clear " + std::to_string(x) + "," + std::to_string(y) + ","
            + std::to_string(x + 1) + "," + std::to_string(y + 1)))
            << "seat " << seat;
    }
}

TEST_F(CardDrawing, RepaintDrawsBackgroundThenCards) {
    redraw(table);
    ASSERT_FALSE(view.log().empty());
    EXPECT_EQ(view.log().front(), "background");
    EXPECT_FALSE(view.contains("beep"));
    EXPECT_EQ(cardStamps().size(), 16u);
}

TEST_F(CardDrawing, MissingBackgroundBeepsAndStillDrawsCards) {
    view.backgroundLoads = false;
    redraw(table);
    ASSERT_GE(view.log().size(), 3u);
    EXPECT_EQ(view.log()[0], "background missing");
    EXPECT_EQ(view.log()[1], "beep");
    EXPECT_EQ(cardStamps().size(), 16u);
}

TEST_F(CardDrawing, ARedrawFromTheFlopOnPutsRaiseBackAndChangesNoRule) {
    state.smallBet = 6;
    state.bigBet = 12;
    state.street = Street::preflop;
    drawCards(table);
    EXPECT_FALSE(view.contains("caption btnbet=Raise"));
    state.street = Street::flop;
    drawCards(table);
    EXPECT_TRUE(view.contains("caption btnbet=Raise"));
    view.clearLog();
    state.smallBet = 7; // a street's bet the button has no caption for
    drawCards(table);
    EXPECT_FALSE(view.contains("caption btnbet=Raise"));
}

TEST_F(CardDrawing, RepeatingTheDrawingGivesTheSamePicture) {
    state.street = Street::turn;
    drawCards(table);
    const Lines first = view.log();
    view.clearLog();
    drawCards(table);
    EXPECT_EQ(view.log(), first);
}

} // namespace
} // namespace tavolier
