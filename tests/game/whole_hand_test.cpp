// Whole hands played from the documented draw stream with scripted opponents:
// the state and the effect log after every action of the human.
#include "flow_harness.h"
#include "game/classic/showdown.h"

#include "evaluation/hand_names.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tavolier::testing {
namespace {

const std::vector<std::string> kAnswersSevenToOne { "answer 7", "answer 6", "answer 5", "answer 4",
    "answer 3", "answer 2", "answer 1" };

std::vector<std::string> turns(std::initializer_list<int> seats) {
    std::vector<std::string> out;
    for (int seat : seats)
        out.push_back("turn " + std::to_string(seat));
    return out;
}

std::size_t indexOf(const std::vector<std::string>& log, const std::string& line) {
    return static_cast<std::size_t>(std::find(log.begin(), log.end(), line) - log.begin());
}

// Where the first card was stamped at a board place ("325,310" the first flop
// card, "535,322" the turn): when the table showed the new street.
std::size_t indexOfBoardStamp(const std::vector<std::string>& log, const std::string& place) {
    const auto it = std::find_if(log.begin(), log.end(), [&](const std::string& line) {
        return line.starts_with("stamp cards ") && line.ends_with(" " + place);
    });
    return static_cast<std::size_t>(it - log.begin());
}

std::size_t cardSounds(const RecordingView& view) {
    std::size_t n = 0;
    for (const std::string& s : view.sounds())
        n += (s == "sound card1.wav" || s == "sound card2.wav") ? 1 : 0;
    return n;
}

TEST(WorkedExample, FirstHandOfARunEveryoneCallsAndChecks) {
    Harness h;
    h.game.startUp();

    // The start-up deal: Edmund the small blind, Marc the big blind, nobody acts.
    EXPECT_EQ(h.chips(2), 1198);
    EXPECT_EQ(h.state.blindMarker, 1);
    EXPECT_EQ(h.chips(1), 1196);
    EXPECT_EQ(h.state.anchorSeat, 1);
    EXPECT_TRUE(h.state.seat(1).openBet);
    EXPECT_EQ(h.state.pot, 6);
    EXPECT_EQ(h.view.text(Label::pot), "6");
    EXPECT_EQ(h.view.caption(Button::checkOrCall), "Call");
    EXPECT_TRUE(h.game.legalActions().mustCall);
    EXPECT_EQ(h.status(2), "Small Blind");
    EXPECT_EQ(h.status(1), "Big Blind");
    EXPECT_EQ(h.chipsLabel(1), "1196");
    EXPECT_TRUE(h.decisions.asked.empty());
    EXPECT_FALSE(h.view.enabled(Button::deal));
    EXPECT_TRUE(h.view.enabled(Button::checkOrCall));
    EXPECT_TRUE(h.view.enabled(Button::raise));
    EXPECT_TRUE(h.view.enabled(Button::fold));
    EXPECT_TRUE(h.settings.writes.empty()); // the start-up deal writes nothing
    EXPECT_EQ(h.random.drawCount(), 50004u); // one shuffle of both decks
    EXPECT_EQ(h.state.street, Street::preflop);

    // "Call": the human pays 4, all seven answer, the flop comes out.
    h.clearLogs();
    h.game.checkOrCall();
    EXPECT_EQ(h.decisions.asked, kAnswersSevenToOne);
    EXPECT_EQ(h.chips(8), 1196);
    for (int seat = 7; seat >= 3; --seat)
        EXPECT_EQ(h.chips(seat), 1196) << seat;
    EXPECT_EQ(h.chips(2), 1194); // 6 in all
    EXPECT_EQ(h.chips(1), 1192); // 8 in all
    EXPECT_EQ(h.state.pot, 38);
    EXPECT_EQ(h.view.text(Label::pot), "38");
    EXPECT_EQ(h.state.street, Street::flop);
    EXPECT_EQ(h.view.caption(Button::checkOrCall), "Check");
    EXPECT_TRUE(h.view.enabled(Button::raise));
    EXPECT_EQ(h.status(7), "Calls");
    EXPECT_EQ(h.status(1), "Calls");
    EXPECT_FALSE(h.state.seat(1).openBet);
    EXPECT_EQ(cardSounds(h.view), 1u);
    EXPECT_EQ(h.random.drawCount(), 50005u); // the card sound's one draw

    // "Check" on the flop: seats 7..2 check, Marc opens the turn.
    h.clearLogs();
    h.game.checkOrCall();
    EXPECT_EQ(h.decisions.asked, turns({ 7, 6, 5, 4, 3, 2, 1 }));
    EXPECT_EQ(h.state.street, Street::turn);
    EXPECT_EQ(h.status(7), "Check");
    EXPECT_EQ(h.status(1), "Check");
    EXPECT_EQ(h.state.pot, 38);
    EXPECT_EQ(cardSounds(h.view), 1u);
    // The turn card is shown after seat 2 checked and before Marc checks.
    const auto& log = h.view.log();
    EXPECT_LT(indexOf(log, "text expertstatus=Check"), indexOfBoardStamp(log, "535,322"));
    EXPECT_LT(indexOfBoardStamp(log, "535,322"), indexOf(log, "text robotstatus=Check"));

    h.clearLogs();
    h.game.checkOrCall();
    EXPECT_EQ(h.state.street, Street::river);
    EXPECT_EQ(cardSounds(h.view), 1u);

    // The last check: Marc's turn moves the street to 5 and the showdown runs.
    h.clearLogs();
    const std::uint64_t drawsBefore = h.random.drawCount();
    h.game.checkOrCall();
    EXPECT_EQ(h.decisions.asked, turns({ 7, 6, 5, 4, 3, 2 }));
    EXPECT_EQ(h.state.street, Street::showdown);
    EXPECT_EQ(cardSounds(h.view), 0u);
    EXPECT_EQ(h.random.drawCount(), drawsBefore);
    EXPECT_EQ(h.view.sounds(), std::vector<std::string> { "sound chip4.wav" });
    EXPECT_TRUE(h.state.potSettled);
    EXPECT_EQ(h.state.handsPlayed, 1);
    EXPECT_EQ(h.state.showdowns, 1);
    EXPECT_GE(settleShowdown(h.state).winnerCount, 1);
    EXPECT_EQ(h.totalChips(), 9600 - 38 % settleShowdown(h.state).winnerCount);
    // Pinned for this deal: the human and Carlos split 38 with two pairs of aces.
    EXPECT_EQ(settleShowdown(h.state).winnerCount, 2);
    const std::array<std::int32_t, 8> pinned { 1215, 1196, 1196, 1215, 1196, 1196, 1194, 1192 };
    for (int seat = 8; seat >= 1; --seat)
        EXPECT_EQ(h.chips(seat), pinned[static_cast<std::size_t>(8 - seat)]) << seat;
    EXPECT_EQ(h.status(8), "Two pairs Aces");
    EXPECT_TRUE(h.view.enabled(Button::deal));
    EXPECT_FALSE(h.view.enabled(Button::checkOrCall));
    EXPECT_FALSE(h.view.enabled(Button::raise));
    EXPECT_FALSE(h.view.enabled(Button::fold));
    // Statistics from before the hand, then the chips.
    ASSERT_EQ(h.settings.writes.size(), 11u);
    EXPECT_EQ(h.settings.writes[0], "Stats/showdowns=0");
    EXPECT_EQ(h.settings.writes[1], "Stats/handsplayed=0");
    EXPECT_EQ(h.settings.writes[2], "Stats/handswon=0");
    EXPECT_EQ(h.settings.writes[3], "Cash/freak=" + std::to_string(h.chips(7)));
    EXPECT_EQ(h.settings.writes[4], "Cash/player=" + std::to_string(h.chips(8)));
    EXPECT_EQ(h.settings.writes[10], "Cash/robot=" + std::to_string(h.chips(1)));
    // Every seat still in is named; the winners are italic.
    for (int seat = 1; seat <= 8; ++seat) {
        EXPECT_FALSE(h.status(seat).empty()) << seat;
        const bool won = h.state.seatResults[static_cast<std::size_t>(seat)]
            == *std::max_element(h.state.seatResults.begin() + 1, h.state.seatResults.end());
        EXPECT_EQ(h.view.style(seatInfo(seat).statusLabel) == FontStyle::italic, won) << seat;
    }
}

TEST(OpponentRaise, IsAnsweredAtOnceByTheLaterSeats) {
    Harness h;
    h.game.startUp();
    h.setAllChips(1200);
    h.clearLogs();
    h.decisions.raiseQueue[6] = { true };
    h.game.deal(); // the marker goes 1 -> 8: Marc small blind, the human big blind

    EXPECT_EQ(h.state.anchorSeat, 8);
    EXPECT_EQ(h.state.blindMarker, 8);
    std::vector<std::string> expected = kAnswersSevenToOne;
    for (const char* line :
        { "turn 7", "turn 6", "answer 5", "answer 4", "answer 3", "answer 2", "answer 1" })
        expected.push_back(line);
    EXPECT_EQ(h.decisions.asked, expected);
    EXPECT_EQ(h.chips(8), 1196);
    EXPECT_EQ(h.chips(7), 1196);
    EXPECT_EQ(h.chips(6), 1192);
    for (int seat = 5; seat >= 2; --seat)
        EXPECT_EQ(h.chips(seat), 1192) << seat;
    EXPECT_EQ(h.chips(1), 1190);
    EXPECT_EQ(h.state.pot, 58);
    EXPECT_EQ(h.status(7), ""); // its check no longer stands against the raise
    EXPECT_EQ(h.status(6), "Raises");
    EXPECT_EQ(h.status(5), "Calls");
    EXPECT_EQ(h.view.caption(Button::checkOrCall), "Call");
    EXPECT_FALSE(h.view.enabled(Button::raise));
    for (int seat = 1; seat <= 7; ++seat)
        EXPECT_EQ(h.state.seat(seat).openBet, seat == 6) << seat;
    const auto& log = h.view.log();
    const std::size_t highlight = indexOf(log, "stamp highlights 1 101,57");
    ASSERT_LT(highlight, log.size());
    EXPECT_LT(highlight, indexOf(log, "sound chip1.wav"));
    // The green ring stays: after it only the cards are drawn again, never
    // the whole background over it.
    EXPECT_EQ(
        std::find(log.begin() + static_cast<std::ptrdiff_t>(highlight), log.end(), "background"),
        log.end());
    EXPECT_LT(indexOf(log, "sound chip1.wav"), indexOf(log, "text geekstatus=Raises"));
    // The Deal wrote the statistics and then the chips.
    ASSERT_GE(h.settings.writes.size(), 11u);
    EXPECT_EQ(h.settings.writes[0], "Stats/showdowns=0");
    EXPECT_EQ(h.settings.writes[3], "Cash/freak=1200");
    EXPECT_EQ(h.settings.writes[4], "Cash/player=1200");
    EXPECT_EQ(h.settings.writes[10], "Cash/robot=1200");

    // The human calls: on the pre-flop it pays the small bet, Chong and
    // Jack answer again, the turns resume after Jack and the flop opens.
    h.clearLogs();
    h.game.checkOrCall();
    std::vector<std::string> resumed { "answer 7", "answer 6" };
    for (const auto& t : turns({ 5, 4, 3, 2, 1 }))
        resumed.push_back(t);
    EXPECT_EQ(h.decisions.asked, resumed);
    EXPECT_EQ(h.chips(8), 1192);
    EXPECT_EQ(h.chips(7), 1192);
    EXPECT_EQ(h.chips(6), 1188);
    EXPECT_EQ(h.state.pot, 70);
    EXPECT_EQ(h.state.street, Street::flop);
    EXPECT_EQ(h.view.caption(Button::checkOrCall), "Check");
    EXPECT_TRUE(h.view.enabled(Button::raise));
}

TEST(HumanFold, WhileCarlosHoldsARaiseOnTheRiver) {
    Harness h;
    h.game.startUp();
    h.state.seat(1).openBet = false;
    h.state.seat(5).openBet = true;
    h.state.street = Street::river;
    h.state.toCall = 8;
    h.state.anchorSeat = 1;
    h.clearLogs();
    h.game.fold();

    EXPECT_EQ(h.decisions.asked, (std::vector<std::string> { "answer 7", "answer 6" }));
    EXPECT_EQ(h.chips(8), 1200); // the human pays nothing
    EXPECT_EQ(h.chips(7), 1192);
    EXPECT_EQ(h.state.pot, 22);
    EXPECT_TRUE(h.state.seat(8).folded);
    EXPECT_EQ(h.state.street, Street::showdown);
    EXPECT_EQ(h.status(8), "Folds");
    EXPECT_EQ(h.state.seatResults[8], -180);
    EXPECT_EQ(h.state.handsPlayed, 1);
    EXPECT_EQ(h.state.showdowns, 0);
    EXPECT_EQ(h.state.handsWon, 0);
    EXPECT_TRUE(h.view.enabled(Button::deal));
    EXPECT_FALSE(h.view.enabled(Button::fold));
    const auto& log = h.view.log();
    EXPECT_LT(indexOf(log, "sound chip4.wav"), indexOf(log, "text freakstatus=Calls"));
    EXPECT_LT(indexOf(log, "text freakstatus=Calls"), indexOf(log, "clear 315,300,700,430"));
    EXPECT_EQ(h.view.sounds().size(), 2u); // the fold, then the payout
    EXPECT_EQ(h.totalChips(), 9600 - 22 % settleShowdown(h.state).winnerCount);
}

TEST(HumanFold, LoneSurvivorTakesThePotUnnamed) {
    Harness h;
    h.game.startUp();
    for (int seat = 7; seat >= 2; --seat)
        h.state.seat(seat).folded = true;
    h.state.outCount = 6;
    h.clearLogs();
    h.game.fold();

    EXPECT_TRUE(h.decisions.asked.empty()); // Marc's big blind has nobody left to answer it
    for (int seat = 1; seat <= 8; ++seat)
        EXPECT_EQ(h.status(seat), "") << seat;
    EXPECT_EQ(settleShowdown(h.state).winnerCount, 1);
    EXPECT_EQ(h.chips(1), 1196 + 6);
    EXPECT_EQ(h.view.style(Label::marcStatus), FontStyle::italic);
    EXPECT_EQ(h.state.handsPlayed, 1);
    EXPECT_EQ(h.state.showdowns, 0);
    EXPECT_EQ(h.state.handsWon, 0);
}

TEST(MatchEnd, FoldsLiftingTheHumanToExactlyTheTargetWin) {
    for (const std::int32_t start : { 1794, 1793 }) {
        Harness h;
        h.game.startUp();
        h.state.seat(8).chips = start;
        h.decisions.defaultStay = false;
        h.clearLogs();
        h.game.checkOrCall(); // pays 4; the seven opponents fold one after the other

        const bool reached = start == 1794;
        EXPECT_EQ(h.decisions.asked, kAnswersSevenToOne);
        EXPECT_EQ(h.state.outCount, 7);
        EXPECT_EQ(h.chips(8), start - 4 + 10);
        EXPECT_EQ(h.view.messages().size(), reached ? 1u : 0u);
        if (reached) {
            EXPECT_EQ(h.view.messages()[0], "message You win!|Game over");
        }
        EXPECT_EQ(h.view.enabled(Button::deal), !reached);
        EXPECT_FALSE(h.view.enabled(Button::checkOrCall));
        EXPECT_FALSE(h.view.enabled(Button::fold));
        // Repaired: the answer's own steps must not bring "Raise" back.
        EXPECT_FALSE(h.view.enabled(Button::raise));
        EXPECT_FALSE(h.game.legalActions().raise);
        EXPECT_EQ(h.state.handsPlayed, 1);
        EXPECT_EQ(h.state.handsWon, 1);
        EXPECT_EQ(h.state.showdowns, 0);
        for (int seat = 1; seat <= 7; ++seat) {
            EXPECT_EQ(h.status(seat), "Folds") << seat;
            EXPECT_TRUE(h.state.seat(seat).folded) << seat;
        }
        EXPECT_EQ(h.state.anchorSeat, 8); // Marc folded holding it, nobody was left
        ASSERT_FALSE(h.view.sounds().empty());
        EXPECT_EQ(h.view.sounds()[0], "sound chip4.wav");
        // The chips are written at once; the counters wait for the next Deal.
        ASSERT_GE(h.settings.writes.size(), 8u);
        EXPECT_EQ(h.settings.writes[0], "Cash/freak=1200"); // a fold pays nothing
        EXPECT_EQ(h.settings.writes[1], "Cash/player=" + std::to_string(start + 6));
    }
}

TEST(MatchEnd, AllFoldToTheHumansBigBlindDuringTheDeal) {
    Harness h;
    h.game.startUp();
    h.setAllChips(1200);
    h.decisions.defaultStay = false;
    h.clearLogs();
    h.game.deal();
    EXPECT_EQ(h.state.anchorSeat, 8);
    EXPECT_EQ(h.decisions.asked, kAnswersSevenToOne); // folded seats take no turn
    EXPECT_EQ(h.chips(8), 1200 - 4 + 6);
    EXPECT_TRUE(h.view.enabled(Button::deal));
    EXPECT_FALSE(h.view.enabled(Button::checkOrCall));
    EXPECT_EQ(h.state.street, Street::preflop);
}

TEST(NewMatch, AnsweredNoChangesNothing) {
    Harness h;
    h.game.startUp();
    h.clearLogs();
    h.view.answers = { false };
    const TableState before = h.state;
    h.game.newMatch("1500");
    EXPECT_EQ(h.view.log(), std::vector<std::string> { "ask Are you sure?|New game=0" });
    for (int seat = 1; seat <= 8; ++seat)
        EXPECT_EQ(h.chips(seat), before.seat(seat).chips);
    EXPECT_EQ(h.state.deck, before.deck);
    EXPECT_EQ(h.state.pot, before.pot);
}

TEST(NewMatch, AnsweredYesStartsFromTheMoneyField) {
    Harness h;
    h.game.startUp();
    h.game.fold();
    h.state.seat(4).chips = 0;
    h.clearLogs();
    h.view.answers = { true };
    const std::uint64_t draws = h.random.drawCount();
    h.game.newMatch("1500");

    EXPECT_EQ(h.state.initialChips, 1500);
    for (int seat = 3; seat <= 8; ++seat)
        EXPECT_EQ(h.chips(seat), 1500) << seat;
    EXPECT_EQ(h.chips(2), 1498);
    EXPECT_EQ(h.chips(1), 1496);
    EXPECT_EQ(h.state.pot, 6);
    EXPECT_EQ(h.view.text(Label::pot), "6");
    EXPECT_EQ(h.view.caption(Button::checkOrCall), "Call");
    EXPECT_TRUE(h.state.seat(1).openBet);
    EXPECT_FALSE(h.state.seat(8).folded);
    EXPECT_EQ(h.state.outCount, 0);
    EXPECT_EQ(h.state.anchorSeat, 1);
    EXPECT_EQ(h.state.blindMarker, 1);
    EXPECT_EQ(h.state.street, Street::preflop);
    EXPECT_EQ(h.status(8), "");
    EXPECT_EQ(h.status(2), "Small Blind");
    EXPECT_EQ(h.status(1), "Big Blind");
    EXPECT_FALSE(h.view.enabled(Button::deal));
    EXPECT_TRUE(h.view.enabled(Button::checkOrCall));
    EXPECT_TRUE(h.view.enabled(Button::raise));
    EXPECT_TRUE(h.view.enabled(Button::fold));
    EXPECT_TRUE(h.decisions.asked.empty()); // the human acts first
    EXPECT_TRUE(h.settings.writes.empty());
    EXPECT_EQ(h.random.drawCount(), draws + 50004u);
    EXPECT_EQ(h.view.log().front(), "ask Are you sure?|New game=1");
}

TEST(NewMatch, TextThatIsNoNumberChangesNoStack) {
    Harness h;
    h.game.startUp();
    for (const char* text : { "12a", "", "99999999999", "1.5", "+1500" }) {
        h.clearLogs();
        h.game.newMatch(text);
        EXPECT_EQ(h.chips(8), 1200) << text;
        EXPECT_EQ(h.view.messages().size(), 1u) << text;
    }
    h.clearLogs();
    h.game.newMatch(" -5 ");
    EXPECT_EQ(h.chips(8), -5);
    h.clearLogs();
    h.game.deal();
    EXPECT_EQ(h.view.messages(), std::vector<std::string> { "message You lose!|Game over" });
}

} // namespace
} // namespace tavolier::testing
