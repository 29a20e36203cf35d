#include "core/seats.h"
#include "presentation/animations.h"
#include "presentation/card_drawing.h"
#include "presentation/portraits.h"

#include "presentation_fixture.h"
#include "street_number.h"

namespace tavolier {
namespace {

using testing::PresentationTest;
using Lines = std::vector<std::string>;

// A point on the table that lies in no hover region.
constexpr int kNowhereX = 600;
constexpr int kNowhereY = 400;

class OpponentHover : public PresentationTest {
protected:
    OpponentHover() { state.street = Street::flop; }
};

TEST_F(OpponentHover, EnteringChongShowsRedRingAndHisCardsFaceUp) {
    mouseMoved(table, 60, 300);
    EXPECT_EQ(view.log(),
        (Lines { "stamp smiles 0 1,239", "stamp cards 7 129,292", "clear 129,292,130,293",
            "clear 199,292,200,293", "clear 129,387,130,388", "clear 199,387,200,388",
            "stamp cards 37 159,305", "clear 229,305,230,306", "clear 159,400,160,401",
            "clear 229,400,230,401" }));
    EXPECT_TRUE(table.presentation.hoverShown[7]);
    // Moving about inside changes nothing more.
    view.clearLog();
    mouseMoved(table, 100, 350);
    EXPECT_TRUE(view.log().empty());
}

TEST_F(OpponentHover, LeavingRestoresGoldRingAndBacks) {
    state.cardBackImage = 55;
    mouseMoved(table, 60, 300);
    view.clearLog();
    mouseMoved(table, kNowhereX, kNowhereY);
    EXPECT_FALSE(table.presentation.hoverShown[7]);
    EXPECT_EQ(stamps(),
        (Lines { "stamp highlights 7 1,239", "stamp cards 55 129,292", "stamp cards 55 159,305" }));
}

TEST_F(OpponentHover, LeavingAnOpenBetHolderRestoresTheGreenRing) {
    state.seat(7).openBet = true;
    mouseMoved(table, 60, 300);
    mouseMoved(table, kNowhereX, kNowhereY);
    EXPECT_TRUE(view.contains("stamp highlights 0 1,239"));
    EXPECT_FALSE(view.contains("stamp highlights 7 1,239"));
}

TEST_F(OpponentHover, FoldedSeatShowsItsCardsAndThenItsEmptyPlace) {
    state.seat(6).folded = true;
    mouseMoved(table, 150, 100); // Jack
    EXPECT_TRUE(view.contains("stamp smiles 1 101,57"));
    EXPECT_TRUE(view.contains("stamp cards 6 216,146"));
    view.clearLog();
    mouseMoved(table, kNowhereX, kNowhereY);
    EXPECT_EQ(view.log(), (Lines { "stamp highlights 8 101,57", "clear 216,146,326,256" }));
}

TEST_F(OpponentHover, BrokeSeatGetsItsEmptyPlaceBackNotCardBacks) {
    state.seat(3).chips = 0;
    mouseMoved(table, 900, 300); // Robert
    EXPECT_TRUE(view.contains("stamp smiles 4 870,239"));
    view.clearLog();
    mouseMoved(table, kNowhereX, kNowhereY);
    EXPECT_EQ(view.log(), (Lines { "stamp highlights 11 870,239", "clear 784,292,890,392" }));
}

TEST_F(OpponentHover, NothingHappensAtTheShowdown) {
    state.street = Street::showdown;
    mouseMoved(table, 60, 300);
    EXPECT_TRUE(view.log().empty());
    EXPECT_FALSE(table.presentation.hoverShown[7]);
}

TEST_F(OpponentHover, EdgesNeitherEnterNorLeave) {
    // Chong's region is open between x 1 and 129 and y 239 and 367.
    for (auto [x, y] : { std::pair { 1, 300 }, { 129, 300 }, { 60, 239 }, { 60, 367 } }) {
        mouseMoved(table, x, y);
        EXPECT_FALSE(table.presentation.hoverShown[7]) << x << "," << y;
    }
    mouseMoved(table, 2, 300);
    ASSERT_TRUE(table.presentation.hoverShown[7]);
    for (auto [x, y] :
        { std::pair { 1, 300 }, { 129, 300 }, { 60, 239 }, { 60, 367 }, { 129, 367 } }) {
        view.clearLog();
        mouseMoved(table, x, y);
        EXPECT_TRUE(table.presentation.hoverShown[7]) << x << "," << y;
        EXPECT_TRUE(view.log().empty());
    }
    mouseMoved(table, 130, 300);
    EXPECT_FALSE(table.presentation.hoverShown[7]);
}

TEST_F(OpponentHover, CarlosRegionIsWider) {
    mouseMoved(table, 527, 134);
    EXPECT_TRUE(table.presentation.hoverShown[5]);
    EXPECT_TRUE(view.contains("stamp smiles 2 397,5"));
    mouseMoved(table, 528, 135); // on the corner: still inside as far as leaving goes
    EXPECT_TRUE(table.presentation.hoverShown[5]);
    mouseMoved(table, 528, 136);
    EXPECT_FALSE(table.presentation.hoverShown[5]);
}

TEST_F(OpponentHover, EdmundRefreshesHisChipsLabelOnEnterAndLeave) {
    mouseMoved(table, 900, 500);
    EXPECT_EQ(view.log().front(), "stamp smiles 5 829,449");
    EXPECT_EQ(view.log().back(), "refresh lblecash");
    view.clearLog();
    mouseMoved(table, kNowhereX, kNowhereY);
    EXPECT_EQ(view.log().front(), "stamp highlights 12 829,449");
    EXPECT_EQ(view.log().back(), "refresh lblecash");
    // Nobody else refreshes it.
    view.clearLog();
    mouseMoved(table, 100, 500); // Marc
    mouseMoved(table, kNowhereX, kNowhereY);
    EXPECT_FALSE(view.contains("refresh lblecash"));
}

TEST_F(OpponentHover, EachSeatUsesItsOwnPortraitAndCards) {
    for (int seat : kOpponents) {
        const PortraitPlace& p = portraitOf(seat);
        const int x = (p.hover.left + p.hover.right) / 2;
        const int y = (p.hover.top + p.hover.bottom) / 2;
        view.clearLog();
        mouseMoved(table, x, y);
        const std::string portrait = "stamp smiles " + std::to_string(7 - seat) + " "
            + std::to_string(p.x) + "," + std::to_string(p.y);
        EXPECT_EQ(view.log().front(), portrait) << "seat " << seat;
        const CardPlace& c = kCardPlaces[static_cast<std::size_t>(seat)];
        EXPECT_TRUE(
            view.contains("stamp cards " + std::to_string(imageIndex(state.seat(seat).holeCards[1]))
                + " " + std::to_string(c.x + 30) + "," + std::to_string(c.y + 13)));
        for (int other : kOpponents)
            EXPECT_EQ(
                table.presentation.hoverShown[static_cast<std::size_t>(other)], other == seat);
        mouseMoved(table, kNowhereX, kNowhereY);
    }
}

class BadgeHover : public PresentationTest {
protected:
    // Shows the badge for a score kept from an earlier estimate.
    std::vector<std::string> badgeFor(std::int32_t score, int street) {
        state.street = streetAt(street);
        state.estimate.oddsScore = score;
        table.presentation.oddsStale = false;
        table.presentation.hoverShown[kHuman] = false;
        view.clearLog();
        mouseMoved(table, 300, 600);
        return view.linesStartingWith("stamp procent ");
    }
};

TEST_F(BadgeHover, ThresholdsFollowScoreAndStreet) {
    EXPECT_EQ(badgeFor(-5, 1), (Lines { "stamp procent 0 257,543" }));
    EXPECT_EQ(state.estimate.oddsScore, 1);
    EXPECT_EQ(badgeFor(17, 1), (Lines { "stamp procent 1 257,543" }));
    EXPECT_EQ(badgeFor(17, 2), (Lines { "stamp procent 2 257,543" }));
    EXPECT_EQ(badgeFor(60, 3), (Lines { "stamp procent 6 257,543" }));
    EXPECT_EQ(badgeFor(200, 2), Lines {});
    EXPECT_EQ(state.estimate.oddsScore, 200);
    const std::pair<int, int> cases[] = { { 0, 0 }, { 4, 0 }, { 5, 1 }, { 14, 1 }, { 15, 2 },
        { 19, 2 }, { 20, 2 }, { 29, 2 }, { 30, 3 }, { 39, 3 }, { 40, 4 }, { 49, 4 }, { 50, 5 },
        { 59, 5 }, { 120, 6 }, { 199, 6 } };
    for (auto [score, badge] : cases)
        EXPECT_EQ(
            badgeFor(score, 4), (Lines { "stamp procent " + std::to_string(badge) + " 257,543" }))
            << score;
    EXPECT_EQ(badgeFor(15, 1), (Lines { "stamp procent 1 257,543" }));
    EXPECT_EQ(badgeFor(20, 1), (Lines { "stamp procent 2 257,543" }));
}

TEST_F(BadgeHover, RunsTheEstimateWithTwoThousandTrialsOnTheHumansCards) {
    state.aiLevelCode = 600;
    random.recordBounds(true);
    mouseMoved(table, 300, 600);
    // The level stays as it was: the trial count is the badge's own.
    EXPECT_EQ(state.aiLevelCode, 600);
    EXPECT_FALSE(table.presentation.oddsStale);
    EXPECT_TRUE(table.presentation.hoverShown[kHuman]);
    // 2001 trials of 101 swaps on the pre-flop street.
    EXPECT_EQ(random.drawCount(), 2001u * 202u);
    EXPECT_GE(state.estimate.oddsScore, 1);
}

TEST_F(BadgeHover, TwoHoversBetweenActionsRunOneEstimate) {
    state.street = Street::flop;
    mouseMoved(table, 300, 600);
    const auto draws = random.drawCount();
    // A planted score survives a second hover: nothing is estimated again.
    state.estimate.oddsScore = 33;
    mouseMoved(table, kNowhereX, kNowhereY);
    view.clearLog();
    mouseMoved(table, 300, 600);
    EXPECT_EQ(random.drawCount(), draws);
    EXPECT_EQ(view.linesStartingWith("stamp procent "), (Lines { "stamp procent 3 257,543" }));
    // An action of the human lets the next hover estimate afresh.
    resetAtHumanAction(table, false);
    EXPECT_FALSE(table.presentation.hoverShown[kHuman]);
    mouseMoved(table, 301, 601);
    EXPECT_GT(random.drawCount(), draws);
}

TEST_F(BadgeHover, MarcsSecondCardIsStampedAgainUnlessHeFolded) {
    state.cardBackImage = 57;
    mouseMoved(table, 300, 600);
    EXPECT_EQ(cardStamps(), (Lines { "stamp cards 57 197,466" }));
    view.clearLog();
    mouseMoved(table, 300, 300);
    EXPECT_EQ(stamps(), (Lines { "stamp procent 7 257,543", "stamp cards 57 197,466" }));
    EXPECT_FALSE(table.presentation.hoverShown[kHuman]);

    state.seat(1).folded = true;
    view.clearLog();
    mouseMoved(table, 300, 600);
    mouseMoved(table, 300, 300);
    EXPECT_TRUE(cardStamps().empty());
    EXPECT_EQ(view.linesStartingWith("stamp procent 7 ").size(), 1u);
}

TEST_F(BadgeHover, BrokeMarcGetsNoCardBack) {
    state.seat(1).chips = 0;
    mouseMoved(table, 300, 600);
    mouseMoved(table, 300, 300);
    EXPECT_TRUE(cardStamps().empty());
}

TEST_F(BadgeHover, NothingAtTheShowdownAndEdgesHold) {
    state.street = Street::showdown;
    mouseMoved(table, 300, 600);
    EXPECT_TRUE(view.log().empty());
    state.street = Street::preflop;
    mouseMoved(table, 264, 600);
    mouseMoved(table, 300, 668);
    EXPECT_FALSE(table.presentation.hoverShown[kHuman]);
    mouseMoved(table, 387, 667);
    EXPECT_TRUE(table.presentation.hoverShown[kHuman]);
    view.clearLog();
    mouseMoved(table, 388, 668);
    EXPECT_TRUE(view.log().empty());
    mouseMoved(table, 389, 668);
    EXPECT_FALSE(table.presentation.hoverShown[kHuman]);
}

TEST_F(BadgeHover, BadgeIsTestedBeforeThePortraits) {
    // One move that leaves Marc's portrait and enters the badge.
    mouseMoved(table, 100, 500);
    view.clearLog();
    state.estimate.oddsScore = 45;
    table.presentation.oddsStale = false;
    mouseMoved(table, 300, 600);
    ASSERT_GE(view.log().size(), 2u);
    EXPECT_EQ(view.log()[0], "stamp procent 4 257,543");
    EXPECT_TRUE(view.contains("stamp highlights 13 35,449"));
}

TEST_F(BadgeHover, ARatingLeftOnTheBadgeByAnActionGoesWhenThePointerLeaves) {
    state.estimate.oddsScore = 45;
    table.presentation.oddsStale = false;
    mouseMoved(table, 300, 600);
    // A key press acts while the pointer rests on the badge.
    resetAtHumanAction(table, false);
    ASSERT_FALSE(table.presentation.hoverShown[kHuman]);
    view.clearLog();
    mouseMoved(table, 600, 450);
    EXPECT_EQ(view.linesStartingWith("stamp procent "), (Lines { "stamp procent 7 257,543" }));
    // Once only.
    view.clearLog();
    mouseMoved(table, 610, 450);
    EXPECT_TRUE(view.log().empty());
}

TEST_F(BadgeHover, LeavingTheCanvasTurnsTheBadgeAndThePortraitsBack) {
    state.estimate.oddsScore = 45;
    table.presentation.oddsStale = false;
    mouseMoved(table, 300, 600);
    ASSERT_TRUE(table.presentation.hoverShown[kHuman]);
    const auto draws = random.drawCount();
    view.clearLog();
    mouseLeft(table);
    EXPECT_FALSE(table.presentation.hoverShown[kHuman]);
    EXPECT_TRUE(view.contains("stamp procent 7 257,543"));

    mouseMoved(table, 60, 300); // Chong
    ASSERT_TRUE(table.presentation.hoverShown[7]);
    view.clearLog();
    mouseLeft(table);
    EXPECT_FALSE(table.presentation.hoverShown[7]);
    EXPECT_TRUE(view.contains("stamp highlights 7 1,239"));

    // With nothing shown, leaving draws nothing and takes no random number.
    view.clearLog();
    mouseLeft(table);
    EXPECT_TRUE(view.log().empty());
    EXPECT_EQ(random.drawCount(), draws);
}

} // namespace
} // namespace tavolier
