// The Deal, the blinds, the opponents' answers and turns and the human's
// buttons at the edges that can go wrong.
#include "flow_harness.h"

#include "game/classic/hand_flow.h"
#include "game/classic/opponent_turns.h"
#include "game/classic/player_actions.h"
#include "presentation/card_drawing.h"
#include "street_number.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tavolier::testing {
namespace {

// A table after its start-up deal, with every stack back at 1200 and the
// logs emptied.
struct Started : Harness {
    Started() {
        startUp(table);
        setAllChips(1200);
        clearLogs();
    }
};

TEST(BlindPosting, MarkerOneGivesTheHumanTheBigBlind) {
    Started h;
    deal(h.table);
    EXPECT_TRUE(h.view.contains("text robotstatus=Small Blind"));
    EXPECT_EQ(h.chips(1), 1200 - 2 - 4); // and answers the big blind in full
    EXPECT_EQ(h.status(8), "Big Blind");
    EXPECT_EQ(h.state.anchorSeat, 8);
    EXPECT_EQ(h.state.blindMarker, 8);
    // All seven answer and take a turn before the human acts.
    EXPECT_EQ(h.decisions.asked.size(), 14u);
    EXPECT_EQ(h.decisions.asked.back(), "turn 1");
    for (int seat = 1; seat <= 7; ++seat)
        EXPECT_FALSE(h.state.seat(seat).openBet) << seat;
}

TEST(BlindPosting, SkipsBrokeSeats) {
    Started h;
    h.state.seat(3).chips = 0;
    h.state.blindMarker = 3;
    deal(h.table);
    EXPECT_EQ(h.status(2), "Small Blind");
    EXPECT_EQ(h.chips(2), 1198);
    EXPECT_EQ(h.status(1), "Big Blind");
    EXPECT_EQ(h.chips(1), 1196);
    EXPECT_EQ(h.state.blindMarker, 1);
    EXPECT_EQ(h.state.anchorSeat, 1);
    EXPECT_TRUE(h.state.seat(1).openBet);
    EXPECT_EQ(h.state.outCount, 1);
    EXPECT_EQ(h.chips(3), 0);
    EXPECT_TRUE(h.decisions.asked.empty());
}

TEST(BlindPosting, BrokeEdmundPassesTheSmallBlindToMarc) {
    Started h;
    h.state.seat(2).chips = 0;
    h.state.blindMarker = 2;
    deal(h.table);
    EXPECT_TRUE(h.view.contains("text robotstatus=Small Blind"));
    EXPECT_FALSE(h.view.contains("text expertstatus=Small Blind"));
    EXPECT_EQ(h.state.blindMarker, 8);
    EXPECT_EQ(h.status(8), "Big Blind");
    EXPECT_EQ(h.chips(8), 1196);
    EXPECT_EQ(h.state.anchorSeat, 8);
}

TEST(BlindPosting, BlindsFollowTheSmallBet) {
    Started h;
    h.state.smallBet = 6;
    h.state.bigBet = 12;
    deal(h.table);
    EXPECT_EQ(h.state.smallBlind, 3);
    EXPECT_EQ(h.state.bigBlind, 6);
    EXPECT_EQ(h.state.pot, 9 + 7 * 6); // seven answers of the big blind
    EXPECT_EQ(h.view.caption(Button::checkOrCall), "Call");
}

TEST(BlindPosting, UnusualBlindKeepsTheCaptions) {
    Started h;
    h.table.setCallDue(false);
    h.state.smallBet = 3;
    h.state.blindMarker = 4; // Cindy small blind, Robert big blind
    deal(h.table);
    EXPECT_EQ(h.state.anchorSeat, 3);
    EXPECT_EQ(h.state.pot, 1 + 3 + 2 * 3); // Edmund and Marc answer
    EXPECT_EQ(h.view.caption(Button::checkOrCall), "Check");
    EXPECT_TRUE(h.view.enabled(Button::raise));
}

TEST(BlindPosting, AStartUpWithNobodyHoldingChipsEnds) {
    Harness h;
    for (const char* key :
        { "freak", "player", "geek", "master", "champ", "pinhead", "expert", "robot" })
        h.settings.set("Cash", key, 0);
    startUp(h.table);
    EXPECT_EQ(h.status(8), "Small Blind"); // the human is taken without a look
    EXPECT_EQ(h.chips(8), -2);
    EXPECT_EQ(h.state.anchorSeat, 1);
    EXPECT_EQ(h.state.outCount, 7);
}

TEST(DealChecks, BrokeHumanLosesBeforeBrokeOpponentsWin) {
    Started h;
    h.setAllChips(0);
    const std::uint64_t draws = h.random.drawCount();
    deal(h.table);
    EXPECT_EQ(h.view.messages(), std::vector<std::string> { "message You lose!|Game over" });
    EXPECT_EQ(h.random.drawCount(), draws); // nothing dealt
    for (Button b : { Button::deal, Button::checkOrCall, Button::raise, Button::fold })
        EXPECT_FALSE(h.view.enabled(b));
    EXPECT_EQ(h.settings.writes.size(), 11u); // written before the checks

    Started w;
    for (int seat = 1; seat <= 7; ++seat)
        w.state.seat(seat).chips = seat == 4 ? -3 : 0;
    deal(w.table);
    EXPECT_EQ(w.view.messages(), std::vector<std::string> { "message You win!|Game over" });
    EXPECT_FALSE(w.view.enabled(Button::deal));
}

TEST(DealChecks, DealResetsTheLastHandsLook) {
    Started h;
    h.view.setLabelStyle(Label::chongStatus, FontStyle::italic);
    h.state.potSettled = true;
    deal(h.table);
    EXPECT_EQ(h.view.style(Label::chongStatus), FontStyle::plain);
    EXPECT_EQ(h.view.color(Label::chongStatus), kWhite);
    EXPECT_FALSE(h.state.potSettled);
    EXPECT_EQ(h.state.street, Street::preflop);
}

TEST(AnswerBet, PaysExactlyItsLastChipsOrFolds) {
    Started h;
    h.state.toCall = 4;
    h.state.seat(5).chips = 4;
    h.state.seat(4).chips = 3;
    answerBet(h.table, 5);
    answerBet(h.table, 4);
    EXPECT_EQ(h.chips(5), 0);
    EXPECT_FALSE(h.state.seat(5).folded);
    EXPECT_EQ(h.status(5), "Calls");
    EXPECT_EQ(h.chips(4), 3);
    EXPECT_TRUE(h.state.seat(4).folded);
    EXPECT_EQ(h.status(4), "Folds");
    EXPECT_TRUE(h.view.contains("clear 697,146,807,256"));
    EXPECT_EQ(h.state.outCount, 1);
    EXPECT_TRUE(h.view.sounds().empty());
}

TEST(AnswerBet, NothingToCallStillFoldsWhenTold) {
    Started h;
    h.state.toCall = 0;
    h.decisions.stayQueue[7] = { false };
    answerBet(h.table, 7);
    answerBet(h.table, 6);
    EXPECT_TRUE(h.state.seat(7).folded);
    EXPECT_EQ(h.status(6), "Calls");
    EXPECT_EQ(h.chips(6), 1200);
}

TEST(AnswerBet, MovesTheAnchorToTheNextSeatStillIn) {
    Started h;
    h.state.anchorSeat = 7;
    h.state.seat(6).folded = true;
    h.state.seat(5).folded = true;
    h.decisions.defaultStay = false;
    answerBet(h.table, 7);
    EXPECT_EQ(h.state.anchorSeat, 4);

    Started m;
    m.state.anchorSeat = 1;
    m.state.seat(8).folded = true;
    m.decisions.defaultStay = false;
    answerBet(m.table, 1);
    EXPECT_EQ(m.state.anchorSeat, 8);
}

TEST(CheckOrRaise, AnchorWithoutChipsOpensTheStreetAndStops) {
    Started h;
    h.state.street = Street::flop;
    h.state.anchorSeat = 3;
    h.state.seat(3).chips = 0;
    h.state.seat(3).openBet = true;
    checkOrRaise(h.table, 3);
    EXPECT_EQ(h.state.street, Street::turn);
    EXPECT_FALSE(h.state.seat(3).openBet);
    EXPECT_TRUE(h.decisions.asked.empty());
    EXPECT_EQ(h.view.sounds().size(), 1u);
}

TEST(CheckOrRaise, RiverAnchorStartsTheShowdownWithoutACardSound) {
    Started h;
    h.state.street = Street::river;
    h.state.anchorSeat = 5;
    const std::uint64_t draws = h.random.drawCount();
    checkOrRaise(h.table, 5);
    EXPECT_EQ(h.state.street, Street::showdown);
    EXPECT_EQ(h.random.drawCount(), draws);
    EXPECT_EQ(h.view.sounds(), std::vector<std::string> { "sound chip4.wav" });
    EXPECT_TRUE(h.decisions.asked.empty());
    EXPECT_TRUE(h.state.potSettled);
    EXPECT_TRUE(h.view.enabled(Button::deal));
}

TEST(CheckOrRaise, PreflopCheckKeepsTheLabel) {
    Started h;
    h.table.setStatus(6, "Calls");
    checkOrRaise(h.table, 6);
    EXPECT_EQ(h.status(6), "Calls");
    h.state.street = Street::flop;
    checkOrRaise(h.table, 6);
    EXPECT_EQ(h.status(6), "Check");
    EXPECT_EQ(h.state.toCall, 0);
    EXPECT_EQ(h.chips(6), 1200);
}

TEST(CheckOrRaise, ChongRaisesOnTheTurn) {
    Started h;
    h.state.street = Street::turn;
    h.state.anchorSeat = 1;
    h.state.seat(3).openBet = true;
    h.state.seat(4).folded = true;
    h.decisions.raiseQueue[7] = { true };
    const std::int32_t pot = h.state.pot;
    checkOrRaise(h.table, 7);
    EXPECT_EQ(h.state.toCall, 8);
    EXPECT_EQ(h.chips(7), 1192);
    EXPECT_EQ(h.decisions.asked,
        (std::vector<std::string> {
            "turn 7", "answer 6", "answer 5", "answer 3", "answer 2", "answer 1" }));
    EXPECT_EQ(h.state.pot, pot + 8 * 6);
    for (int seat = 1; seat <= 7; ++seat)
        EXPECT_EQ(h.state.seat(seat).openBet, seat == 7) << seat;
    EXPECT_EQ(h.view.caption(Button::checkOrCall), "Call");
    EXPECT_FALSE(h.view.enabled(Button::raise));
    EXPECT_EQ(h.view.color(Label::chongStatus), kWhite);
}

TEST(CheckOrRaise, MarcRaisesAndNobodyAnswers) {
    Started h;
    h.state.street = Street::flop;
    h.state.anchorSeat = 8;
    for (int seat = 7; seat >= 2; --seat)
        h.table.setStatus(seat, "Check");
    h.state.seat(5).folded = true;
    h.table.setStatus(5, "Folds");
    h.decisions.raiseQueue[1] = { true };
    checkOrRaise(h.table, 1);
    EXPECT_EQ(h.decisions.asked, std::vector<std::string> { "turn 1" });
    EXPECT_EQ(h.status(7), "");
    EXPECT_EQ(h.status(2), "");
    EXPECT_EQ(h.status(5), "Folds"); // out of the hand: left alone
    EXPECT_EQ(h.status(1), "Raises");
    EXPECT_TRUE(h.view.contains("stamp highlights 6 35,449"));
    EXPECT_EQ(h.view.caption(Button::checkOrCall), "Call");
}

TEST(CheckOrRaise, EdmundRefreshesHisChipsAfterTheHighlight) {
    Started h;
    h.state.street = Street::flop;
    h.decisions.raiseQueue[2] = { true };
    checkOrRaise(h.table, 2);
    const auto& log = h.view.log();
    const auto stamp = std::find(log.begin(), log.end(), "stamp highlights 5 829,449");
    ASSERT_NE(stamp, log.end());
    EXPECT_EQ(*(stamp + 1), "refresh lblecash");
}

TEST(CheckOrRaise, OpenerShortOfTheRaiseGoesBelowZero) {
    Started h;
    h.state.seat(7).chips = 3;
    h.decisions.raiseQueue[7] = { true };
    checkOrRaise(h.table, 7);
    EXPECT_EQ(h.chips(7), -1);
    EXPECT_EQ(h.chipsLabel(7), "-1");
}

TEST(CheckOrRaise, OddSmallBetKeepsCheckOnTheButton) {
    Started h;
    h.state.smallBet = 3;
    h.table.setCallDue(false);
    h.decisions.raiseQueue[7] = { true };
    checkOrRaise(h.table, 7);
    EXPECT_EQ(h.state.toCall, 3);
    EXPECT_EQ(h.view.caption(Button::checkOrCall), "Check");
    EXPECT_FALSE(h.view.enabled(Button::raise));
}

TEST(CardSound, FiftyPlaysCardTwoAndFiftyOneCardOne) {
    for (const auto& [draw, sound] :
        { std::pair { 50, "sound card2.wav" }, std::pair { 51, "sound card1.wav" } }) {
        TableState state;
        Random random = Random::scripted({ draw });
        RecordingView view;
        MemorySettings settings;
        Table table(state, random, view, settings);
        random.recordBounds(true);
        advanceStreet(table);
        EXPECT_EQ(state.street, Street::flop);
        EXPECT_EQ(view.sounds(), std::vector<std::string> { sound });
        EXPECT_EQ(random.bounds(), std::vector<int> { 100 });
    }
}

TEST(CardSound, SoundOffDrawsNothing) {
    TableState state;
    state.soundOn = false;
    Random random = Random::scripted({});
    RecordingView view;
    MemorySettings settings;
    Table table(state, random, view, settings);
    advanceStreet(table);
    EXPECT_EQ(random.drawCount(), 0u);
    EXPECT_TRUE(view.sounds().empty());
    // The flop is shown all the same.
    EXPECT_FALSE(view.linesStartingWith("stamp cards 0 325,310").empty());
}

TEST(HumanRaise, PreflopRaiseCostsTwoSmallBetsAndABigBetPerAnswer) {
    Harness h;
    startUp(h.table);
    h.clearLogs();
    raise(h.table);
    EXPECT_EQ(h.chips(8), 1192);
    EXPECT_EQ(h.chips(7), 1192);
    EXPECT_EQ(h.chips(2), 1198 - 8);
    EXPECT_EQ(h.chips(1), 1196 - 8);
    EXPECT_EQ(h.state.pot, 6 + 8 + 7 * 8);
    std::vector<std::string> expected;
    for (int seat = 7; seat >= 1; --seat)
        expected.push_back("answer " + std::to_string(seat));
    for (int seat = 7; seat >= 1; --seat)
        expected.push_back("turn " + std::to_string(seat));
    EXPECT_EQ(h.decisions.asked, expected);
    EXPECT_EQ(h.state.street, Street::flop); // Marc's turn opened the flop
    EXPECT_EQ(h.view.sounds().front(), "sound chip1.wav");
    EXPECT_TRUE(h.view.enabled(Button::raise));
    EXPECT_EQ(h.view.caption(Button::checkOrCall), "Check");
}

TEST(HumanRaise, OnTheTurnEveryOpponentIsAskedTheBigBet) {
    Started h;
    h.state.seat(1).openBet = false;
    h.state.street = Street::turn;
    h.state.seat(6).folded = true;
    raise(h.table);
    EXPECT_EQ(h.chips(8), 1192);
    EXPECT_EQ(h.chips(7), 1192);
    EXPECT_EQ(h.chips(6), 1200);
    EXPECT_EQ(h.chips(1), 1192);
    // Answers 7..1 without Jack, then the turns (Jack's ends before any
    // decision); Marc's opens the river.
    EXPECT_EQ(h.decisions.asked.size(), 6u + 6u);
    EXPECT_EQ(h.state.street, Street::river);
}

TEST(HumanRaise, HumanWithOneChipCannotRaise) {
    Started h;
    h.state.seat(8).chips = 1;
    const std::int32_t pot = h.state.pot;
    raise(h.table);
    EXPECT_EQ(h.chips(8), 1);
    EXPECT_EQ(h.state.pot, pot);
    EXPECT_TRUE(h.decisions.asked.empty());
    EXPECT_EQ(h.view.sounds(), std::vector<std::string> { "sound chip1.wav" });
}

TEST(HumanRaise, AnswersOfTheRaiseCanEndTheHand) {
    Started h;
    h.state.seat(1).openBet = false;
    h.state.street = Street::flop;
    h.decisions.defaultStay = false;
    raise(h.table);
    EXPECT_EQ(h.state.outCount, 7);
    EXPECT_EQ(h.chips(8), 1200 - 4 + 6 + 4);
    EXPECT_FALSE(h.view.enabled(Button::raise));
    EXPECT_TRUE(h.view.enabled(Button::deal));
    EXPECT_EQ(h.state.handsWon, 1);
}

TEST(HumanCheck, ChongOpensTheFlopWhenHeHoldsTheAnchor) {
    Started h;
    h.state.seat(1).openBet = false;
    h.state.anchorSeat = 7;
    checkOrCall(h.table);
    EXPECT_EQ(h.chips(8), 1200);
    EXPECT_EQ(h.state.street, Street::flop);
    EXPECT_EQ(h.decisions.asked.front(), "turn 7");
    EXPECT_EQ(h.decisions.asked.size(), 7u);
    const auto& log = h.view.log();
    // The flop is drawn before Chong's check is shown.
    const auto flop = std::find_if(log.begin(), log.end(), [](const std::string& line) {
        return line.starts_with("stamp cards ") && line.ends_with(" 325,310");
    });
    EXPECT_LT(flop - log.begin(),
        std::find(log.begin(), log.end(), "text freakstatus=Check") - log.begin());
}

TEST(HumanCheck, StopsTheTurnsAfterARaise) {
    Started h;
    h.state.seat(1).openBet = false;
    h.state.street = Street::flop;
    h.decisions.raiseQueue[5] = { true };
    checkOrCall(h.table);
    EXPECT_EQ(h.decisions.asked,
        (std::vector<std::string> {
            "turn 7", "turn 6", "turn 5", "answer 4", "answer 3", "answer 2", "answer 1" }));
    EXPECT_EQ(h.view.caption(Button::checkOrCall), "Call");
    EXPECT_FALSE(h.view.enabled(Button::raise));
    EXPECT_TRUE(h.state.seat(5).openBet);

    // The answer on the flop: list A2 for Carlos is Chong and Jack.
    h.clearLogs();
    checkOrCall(h.table);
    EXPECT_EQ(h.decisions.asked,
        (std::vector<std::string> {
            "answer 7", "answer 6", "turn 4", "turn 3", "turn 2", "turn 1" }));
    EXPECT_EQ(h.state.street, Street::turn);
}

TEST(HumanCheck, AnswerListForRobotKeepsItsOrder) {
    Started h;
    h.state.seat(1).openBet = false;
    h.state.seat(3).openBet = true;
    h.state.street = Street::turn;
    h.state.toCall = 8;
    checkOrCall(h.table);
    EXPECT_EQ(h.decisions.asked,
        (std::vector<std::string> {
            "answer 7", "answer 6", "answer 4", "answer 5", "turn 2", "turn 1" }));
}

} // namespace
} // namespace tavolier::testing

namespace tavolier::testing {
namespace {

TEST(Captions, RedrawPutsTheStreetsBetOnRaise) {
    for (const auto& [street, small, big, expected, raise] :
        { std::tuple { 2, 10, 20, "Raise", 10 }, std::tuple { 3, 10, 20, "Raise", 20 },
            std::tuple { 4, 6, 12, "Raise", 12 }, std::tuple { 3, 7, 14, "Other", 14 },
            std::tuple { 1, 4, 8, "Other", 4 } }) {
        Harness h;
        h.state.street = streetAt(street);
        h.state.smallBet = small;
        h.state.bigBet = big;
        h.view.setButtonCaption(Button::raise, "Other");
        drawCards(h.table);
        EXPECT_EQ(streetBet(h.state), raise) << street << " " << small;
        EXPECT_EQ(h.view.caption(Button::raise), expected) << street << " " << small;
    }
}

TEST(Captions, AfterARaiseOnlyKnownSizesReadCall) {
    for (const int amount : { 2, 4, 6, 8, 10, 12, 16, 20, 3, 14, 24, 0 }) {
        Harness h;
        h.table.setCallDue(false);
        h.table.setButtonEnabled(Button::raise, true);
        captionsAfterRaise(h.table, amount);
        const bool known = amount != 3 && amount != 14 && amount != 24 && amount != 0;
        EXPECT_EQ(h.view.caption(Button::checkOrCall), known ? "Call" : "Check") << amount;
        EXPECT_FALSE(h.view.enabled(Button::raise));
    }
}

TEST(HumanFold, FoldListAnswersWhateverToCallHolds) {
    Harness h;
    startUp(h.table);
    h.setAllChips(1200);
    h.state.seat(1).openBet = false;
    h.state.seat(3).openBet = true;
    h.state.street = Street::flop;
    h.state.toCall = 0; // the last value left by the turns
    h.clearLogs();
    fold(h.table);
    EXPECT_EQ(h.decisions.asked,
        (std::vector<std::string> { "answer 7", "answer 6", "answer 4", "answer 5" }));
    EXPECT_EQ(h.chips(8), 1200);
    EXPECT_TRUE(h.view.contains("text freakstatus=Calls"));
}

} // namespace
} // namespace tavolier::testing
