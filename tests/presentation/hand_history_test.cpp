// The hand history built from synthetic event sequences: the window's lines,
// the felt's caption and the plain-text file, read back by an importer-like
// parser whose money must balance.
#include "history_file_parser.h"
#include "presentation/hand_history.h"
#include "presentation/hand_history_file.h"
#include "settings/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>

namespace tavolier {

namespace {

constexpr Card card(const char* text) {
    constexpr std::string_view ranks = "23456789TJQKA";
    constexpr std::string_view suits = "cdhs";
    return Card { static_cast<std::int32_t>(suits.find(text[1])),
        static_cast<std::int32_t>(ranks.find(text[0])) };
}

SeatFigures stacksOf(std::int32_t each) {
    SeatFigures s {};
    for (int i = 1; i <= 8; ++i)
        s[static_cast<std::size_t>(i)] = each;
    return s;
}

// Plays events into a listener while keeping each seat's stack and the pot,
// so that every event carries figures that add up.
class Script {
public:
    explicit Script(GameEvents& to)
        : m_to(to) { }

    void start(std::int64_t number, SeatFigures stacks, int button, int small, int big,
        std::array<Card, 2> yours) {
        m_stacks = stacks;
        m_pot = 0;
        HandStarted e;
        e.handNumber = number;
        e.buttonSeat = SeatNumber(button);
        e.smallBlindSeat = SeatNumber(small);
        e.bigBlindSeat = SeatNumber(big);
        e.smallBlind = 2;
        e.bigBlind = 4;
        e.smallBet = 4;
        e.bigBet = 8;
        e.stacks = stacks;
        e.humanCards = yours;
        m_to.handStarted(e);
        pay(small, 2);
        m_to.blindPosted({ SeatNumber(small), false, 2, m_pot });
        pay(big, 4);
        m_to.blindPosted({ SeatNumber(big), true, 4, m_pot });
    }
    void act(int seat, ActionKind kind, std::int32_t paid = 0) {
        pay(seat, paid);
        m_to.actionTaken({ SeatNumber(seat), kind, m_street, paid, m_pot,
            m_stacks[static_cast<std::size_t>(seat)] });
    }
    void deal(Street street, std::vector<const char*> cards) {
        m_street = street;
        StreetDealt e;
        e.street = street;
        e.boardCount = static_cast<int>(cards.size());
        for (std::size_t i = 0; i < cards.size(); ++i)
            e.board[i] = card(cards[i]);
        m_to.streetDealt(e);
    }
    void show(int seat, const char* a, const char* b, std::string name) {
        m_to.handShown({ SeatNumber(seat), { card(a), card(b) }, 0, 0, std::move(name) });
    }
    void award(std::vector<int> winners, bool byFolds = false) {
        PotAwarded e;
        e.pot = m_pot;
        e.byFolds = byFolds;
        e.winnerCount = static_cast<int>(winners.size());
        e.share = winners.empty() ? 0 : m_pot / e.winnerCount;
        e.lostToSplit = m_pot - e.share * e.winnerCount;
        for (int w : winners) {
            e.winners[static_cast<std::size_t>(w)] = true;
            m_stacks[static_cast<std::size_t>(w)] += e.share;
        }
        m_to.potAwarded(e);
        m_to.handEnded({ 0, byFolds, m_stacks });
        m_street = Street::preflop;
    }
    [[nodiscard]] const SeatFigures& stacks() const { return m_stacks; }
    [[nodiscard]] std::int32_t pot() const { return m_pot; }

private:
    void pay(int seat, std::int32_t amount) {
        m_stacks[static_cast<std::size_t>(seat)] -= amount;
        m_pot += amount;
    }
    GameEvents& m_to;
    SeatFigures m_stacks {};
    std::int32_t m_pot = 0;
    Street m_street = Street::preflop;
};

LocalTime fixedTime() {
    return { 2026, 12, 8, 14, 3, 22, 60, "CET" };
}

// Hand 1: a raised pot that Chong wins at the showdown with queens full.
void playRaisedPot(Script& s) {
    s.start(1, stacksOf(1200), 3, 2, 1, { card("Ah"), card("Kd") });
    s.act(8, ActionKind::call, 4); // pot 10
    s.act(7, ActionKind::raise, 8); // pot 18
    s.act(6, ActionKind::fold);
    s.act(5, ActionKind::fold);
    s.act(4, ActionKind::fold);
    s.act(3, ActionKind::fold);
    s.act(2, ActionKind::call, 6); // pot 24
    s.act(1, ActionKind::call, 4); // pot 28
    s.act(8, ActionKind::call, 4); // pot 32
    s.deal(Street::flop, { "9d", "3d", "9c" });
    s.act(8, ActionKind::check);
    s.act(7, ActionKind::raise, 4); // pot 36
    s.act(2, ActionKind::fold);
    s.act(1, ActionKind::call, 4); // pot 40
    s.act(8, ActionKind::call, 4); // pot 44
    s.deal(Street::turn, { "9d", "3d", "9c", "Qs" });
    s.act(8, ActionKind::check);
    s.act(7, ActionKind::check);
    s.act(1, ActionKind::check);
    s.deal(Street::river, { "9d", "3d", "9c", "Qs", "2h" });
    s.act(8, ActionKind::raise, 8); // pot 52
    s.act(7, ActionKind::raise, 16); // pot 68
    s.act(1, ActionKind::fold);
    s.act(8, ActionKind::call, 8); // pot 76
    s.deal(Street::showdown, { "9d", "3d", "9c", "Qs", "2h" });
    s.show(8, "Ah", "Kd", "Two pairs Nines");
    s.show(7, "Qh", "Qc", "Full house Queens");
    s.award({ 7 });
}

// Hand 2: Jack and Cindy split an odd pot.
void playSplitPot(Script& s, SeatFigures stacks) {
    s.start(2, stacks, 2, 1, 8, { card("7c"), card("2d") });
    s.act(7, ActionKind::fold);
    s.act(6, ActionKind::call, 4); // pot 10
    s.act(5, ActionKind::fold);
    s.act(4, ActionKind::call, 4); // pot 14
    s.act(3, ActionKind::call, 4); // pot 18
    s.act(2, ActionKind::sitsOut);
    s.act(1, ActionKind::call, 3); // a short call: pot 21
    s.deal(Street::flop, { "Ts", "Js", "Qd" });
    s.act(8, ActionKind::fold);
    s.act(6, ActionKind::check);
    s.act(4, ActionKind::check);
    s.act(3, ActionKind::check);
    s.act(1, ActionKind::check);
    s.deal(Street::turn, { "Ts", "Js", "Qd", "3c" });
    s.deal(Street::river, { "Ts", "Js", "Qd", "3c", "4h" });
    s.deal(Street::showdown, { "Ts", "Js", "Qd", "3c", "4h" });
    s.show(6, "Ah", "Kc", "Straight Ace High");
    s.show(4, "As", "Kh", "Straight Ace High");
    s.show(3, "2c", "2h", "One pair Twos");
    s.award({ 6, 4 });
}

// Hand 3: everyone folds to the human's raise.
void playFoldedPot(Script& s, SeatFigures stacks) {
    s.start(3, stacks, 1, 8, 7, { card("Ac"), card("As") });
    for (int seat : { 6, 5, 4, 3, 2, 1 })
        s.act(seat, ActionKind::fold);
    s.act(8, ActionKind::raise, 10); // pot 16
    s.act(7, ActionKind::fold);
    s.award({ 8 }, true);
}

struct Played {
    Played()
        : history([] { return fixedTime(); })
        , script(history) {
        playRaisedPot(script);
        afterFirst = script.stacks();
        playSplitPot(script, afterFirst);
        afterSecond = script.stacks();
        playFoldedPot(script, afterSecond);
    }
    HandHistory history;
    Script script;
    SeatFigures afterFirst {};
    SeatFigures afterSecond {};
};

std::vector<std::string> plainLines(const HandRecord& hand) {
    std::vector<std::string> lines;
    for (const HistoryLine& l : historyLines(hand))
        lines.push_back(l.plain());
    return lines;
}

bool has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

} // namespace

// A long run that writes each hand to a file keeps only the hand in play,
// every finished hand still handed over whole.
TEST(HandHistoryRecords, ARunThatKeepsOnlyTheHandInPlayStaysFlat) {
    HandHistory history([] { return fixedTime(); });
    history.keepOnlyTheHandInPlay = true;
    std::vector<std::size_t> finishedSteps;
    history.handFinished
        = [&](const HandRecord& hand) { finishedSteps.push_back(hand.steps.size()); };
    Script script(history);
    for (int round = 0; round < 50; ++round) {
        playRaisedPot(script);
        playFoldedPot(script, script.stacks());
        EXPECT_EQ(history.hands().size(), 1u);
    }
    ASSERT_EQ(finishedSteps.size(), 100u);
    EXPECT_EQ(finishedSteps[98], finishedSteps[0]);
}

TEST(HandHistoryLines, TellEveryActionWithItsAmountAndThePotAfterIt) {
    Played p;
    ASSERT_EQ(p.history.hands().size(), 3u);
    const std::vector<std::string> lines = plainLines(p.history.hands()[0]);
    EXPECT_EQ(lines.front(), "Hand #1 \u00b7 14:03:22 \u00b7 4/8");
    for (const char* expected : {
             "Edmund posts the small blind 2 \u00b7 pot 2",
             "Marc posts the big blind 4 \u00b7 pot 6",
             "You call 4 \u00b7 pot 10",
             "Chong raises to 8 \u00b7 pot 18",
             "Jack folds",
             "Robert folds",
             "Edmund calls 6 \u00b7 pot 24",
             "Flop 9\u2666 3\u2666 9\u2663",
             "You check",
             "Turn 9\u2666 3\u2666 9\u2663 Q\u2660",
             "River 9\u2666 3\u2666 9\u2663 Q\u2660 2\u2665",
             "You show A\u2665 K\u2666 \u00b7 Two pairs Nines",
             "Chong shows Q\u2665 Q\u2663 \u00b7 Full house Queens",
             "Chong wins 76",
         })
        EXPECT_TRUE(has(lines, expected)) << expected;
    // The pot line follows the order of play: the last figure is the pot awarded.
    EXPECT_EQ(lines.back(), "Chong wins 76");
    EXPECT_EQ(winnerCaption(p.history.hands()[0]), "Chong wins 76 with Full house Queens");
}

TEST(HandHistoryLines, SayHowASplitPotWasSharedAndWhatWasLost) {
    Played p;
    const std::vector<std::string> lines = plainLines(p.history.hands()[1]);
    EXPECT_TRUE(has(lines, "Edmund is out of chips"));
    EXPECT_TRUE(has(lines, "Marc calls 3 \u00b7 pot 21"));
    EXPECT_TRUE(has(lines, "Jack and Cindy split 21, 10 each"));
    EXPECT_TRUE(has(lines, "1 chip lost to the split"));
    EXPECT_EQ(winnerCaption(p.history.hands()[1]), "Jack and Cindy split 21, 10 each");
}

TEST(HandHistoryLines, SayAPotWonByFoldsAndTheFeltSaysTheWinner) {
    Played p;
    const HandRecord& hand = p.history.hands()[2];
    const std::vector<std::string> lines = plainLines(hand);
    EXPECT_EQ(lines.back(), "You win 16, everyone folded");
    EXPECT_EQ(winnerCaption(hand), "You win 16");
}

TEST(HandHistoryLines, NameSeveralSeatsYouFirstThenInTheOrderOfPlay) {
    SeatFlags seats {};
    EXPECT_EQ(seatNameList(seats), "");
    seats[6] = true;
    EXPECT_EQ(seatNameList(seats), "Jack");
    seats[4] = true;
    EXPECT_EQ(seatNameList(seats), "Jack and Cindy");
    seats[8] = true;
    seats[1] = true;
    EXPECT_EQ(seatNameList(seats), "You, Jack, Cindy and Marc");
}

TEST(HandHistoryLines, TheCaptionIsEmptyUntilThePotHasGone) {
    HandHistory history([] { return fixedTime(); });
    Script s(history);
    s.start(1, stacksOf(1200), 3, 2, 1, { card("Ah"), card("Kd") });
    s.act(8, ActionKind::call, 4);
    ASSERT_EQ(history.hands().size(), 1u);
    EXPECT_EQ(winnerCaption(history.hands()[0]), "");
    EXPECT_FALSE(history.hands()[0].finished());
}

TEST(HandHistoryRecord, GrowsLiveAndFinishesEachHandOnce) {
    HandHistory history([] { return fixedTime(); });
    std::vector<std::size_t> changes;
    int finished = 0;
    history.changed = [&](std::size_t hand) { changes.push_back(hand); };
    history.handFinished = [&](const HandRecord&) { ++finished; };
    // An event before any hand has nowhere to go.
    history.actionTaken({ SeatNumber(8), ActionKind::check, Street::preflop, 0, 0, 0 });
    EXPECT_TRUE(changes.empty());

    Script s(history);
    playRaisedPot(s);
    EXPECT_EQ(finished, 1);
    EXPECT_GT(changes.size(), 20u);
    EXPECT_TRUE(std::all_of(changes.begin(), changes.end(), [](std::size_t i) { return i == 0; }));
    // A second end of the same hand is ignored.
    history.handEnded({ 1, false, {} });
    EXPECT_EQ(finished, 1);
    history.matchEnded({ MatchResult::seatReachedTarget, SeatNumber(7) });
    EXPECT_EQ(plainLines(history.hands()[0]).back(), "Game over: Chong wins");
}

TEST(HandHistoryFileText, FollowsTheImportersLayout) {
    Played p;
    const std::string text = handHistoryText(p.history.hands()[0], 1);
    const std::string expected
        = R"(Tavolier Hand #1: Hold'em Limit (4/8) - 2026/12/08 14:03:22 CET [2026/12/08 08:03:22 ET]
Table 'Tavolier' 8-max Seat #6 is the button
Seat 1: You (1200 in chips)
Seat 2: Chong (1200 in chips)
Seat 3: Jack (1200 in chips)
Seat 4: Carlos (1200 in chips)
Seat 5: Cindy (1200 in chips)
Seat 6: Robert (1200 in chips)
Seat 7: Edmund (1200 in chips)
Seat 8: Marc (1200 in chips)
Edmund: posts small blind 2
Marc: posts big blind 4
*** HOLE CARDS ***
Dealt to You [Ah Kd]
You: calls 4
Chong: raises 4 to 8
Jack: folds
Carlos: folds
Cindy: folds
Robert: folds
Edmund: calls 6
Marc: calls 4
You: calls 4
*** FLOP *** [9d 3d 9c]
You: checks
Chong: bets 4
Edmund: folds
Marc: calls 4
You: calls 4
*** TURN *** [9d 3d 9c] [Qs]
You: checks
Chong: checks
Marc: checks
*** RIVER *** [9d 3d 9c Qs] [2h]
You: bets 8
Chong: raises 8 to 16
Marc: folds
You: calls 8
*** SHOW DOWN ***
You: shows [Ah Kd] (Two pairs Nines)
Chong: shows [Qh Qc] (Full house Queens)
Chong collected 76 from pot
*** SUMMARY ***
Total pot 76 | Rake 0
Board [9d 3d 9c Qs 2h]
Seat 1: You showed [Ah Kd] and lost with Two pairs Nines
Seat 2: Chong showed [Qh Qc] and won (76) with Full house Queens
Seat 3: Jack folded before Flop
Seat 4: Carlos folded before Flop
Seat 5: Cindy folded before Flop
Seat 6: Robert (button) folded before Flop
Seat 7: Edmund (small blind) folded on the Flop
Seat 8: Marc (big blind) folded on the River

)";
    EXPECT_EQ(text, expected);
}

TEST(HandHistoryFileText, ReadsBackAndEverySeatsMoneyBalances) {
    Played p;
    std::string all;
    for (const HandRecord& hand : p.history.hands())
        all += handHistoryText(hand, hand.start.handNumber);
    const historytest::ParseResult parsed = historytest::parseHistory(all);
    ASSERT_TRUE(parsed.errors.empty()) << parsed.errors.front();
    ASSERT_EQ(parsed.hands.size(), 3u);
    const std::array<SeatFigures, 3> before { stacksOf(1200), p.afterFirst, p.afterSecond };
    const std::array<SeatFigures, 3> next { p.afterFirst, p.afterSecond, p.script.stacks() };
    for (std::size_t h = 0; h < 3; ++h) {
        const historytest::ParsedHand& hand = parsed.hands[h];
        std::int64_t paidIn = 0;
        std::int64_t collected = 0;
        for (int seat = 1; seat <= 8; ++seat) {
            const std::string who(historySeatName(SeatNumber(seat)));
            const std::size_t i = static_cast<std::size_t>(seat);
            if (!hand.stacks.contains(who)) {
                EXPECT_EQ(before[h][i], next[h][i]) << "hand " << h + 1 << " " << who;
                continue;
            }
            const std::int64_t paid = hand.paid.contains(who) ? hand.paid.at(who) : 0;
            const std::int64_t won = hand.collected.contains(who) ? hand.collected.at(who) : 0;
            paidIn += paid;
            collected += won;
            EXPECT_EQ(hand.stacks.at(who) - paid + won, next[h][i])
                << "hand " << h + 1 << " " << who;
        }
        EXPECT_EQ(paidIn, hand.totalPot) << "hand " << h + 1;
        EXPECT_EQ(collected + hand.rake, hand.totalPot) << "hand " << h + 1;
    }
    // Edmund was passed over as out of chips: he is not dealt in.
    EXPECT_FALSE(parsed.hands[1].stacks.contains("Edmund"));
    EXPECT_EQ(parsed.hands[1].stacks.size(), 7u);
    EXPECT_EQ(parsed.hands[1].collected.at("Jack"), 10);
    EXPECT_EQ(parsed.hands[1].rake, 1);
    EXPECT_EQ(parsed.hands[1].streets,
        (std::vector<std::string> { "FLOP", "TURN", "RIVER", "SHOW DOWN" }));
    EXPECT_EQ(parsed.hands[2].collected.at("You"), 16);
    EXPECT_EQ(parsed.hands[2].streets, std::vector<std::string> {});
}

// The bracketed eastern time is what a tracker stores: daylight time from
// 2:00 on March's second Sunday to 2:00 on November's first, by the instant.
TEST(HandHistoryFileText, TheHeaderCarriesTheInstantOnTheEasternClock) {
    auto eastern = [](LocalTime t) {
        const LocalTime e = easternTime(t);
        char text[40];
        std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d %s", e.year, e.month, e.day,
            e.hour, e.minute, e.second, e.zone.c_str());
        return std::string(text);
    };
    EXPECT_EQ(eastern({ 2026, 1, 1, 3, 30, 0, 60, "CET" }), "2025/12/31 21:30:00 EST");
    EXPECT_EQ(eastern({ 2026, 3, 8, 6, 59, 59 }), "2026/03/08 01:59:59 EST");
    EXPECT_EQ(eastern({ 2026, 3, 8, 7, 0, 0 }), "2026/03/08 03:00:00 EDT");
    EXPECT_EQ(eastern({ 2026, 11, 1, 5, 59, 59 }), "2026/11/01 01:59:59 EDT");
    EXPECT_EQ(eastern({ 2026, 11, 1, 6, 0, 0 }), "2026/11/01 01:00:00 EST");

    // A zone known only by its offset is written in UTC; trackers get the site's words.
    Played p;
    HandRecord hand = p.history.hands()[2];
    hand.startedAt = { 2026, 7, 1, 0, 30, 5, 180, "+03" };
    const std::string own = handHistoryText(hand, 42);
    EXPECT_EQ(own.substr(0, own.find('\n')),
        "Tavolier Hand #42: Hold'em Limit (4/8) - 2026/06/30 21:30:05 UTC [2026/06/30 17:30:05 "
        "ET]");
    const std::string trackers = handHistoryText(hand, 42, HistoryStyle::trackers);
    EXPECT_EQ(trackers, "PokerStars" + own.substr(8));
    // A whole file is re-headed hand by hand and nothing else changes.
    const std::string file = own + handHistoryText(p.history.hands()[0], 43) + "Tavolier Hand #x";
    const std::string exported = forTrackingTools(file);
    EXPECT_EQ(exported.substr(0, trackers.size()), trackers);
    EXPECT_NE(exported.find("\n\nPokerStars Hand #43: "), std::string::npos);
    // Three hands re-headed, each two letters longer, and nothing else.
    EXPECT_EQ(exported.size(), file.size() + 3 * 2);
    EXPECT_NE(exported.find("Table 'Tavolier' 8-max"), std::string::npos);
}

TEST(HandHistoryFileWriting, AppendsHandsToTheDaysFileWithoutAByteOrderMark) {
    testing_support::TempFolder dir;
    Played p;
    HandHistoryFile file(dir.path() / "history" / "deeper", 5000);
    for (const HandRecord& hand : p.history.hands())
        ASSERT_TRUE(file.append(hand));
    const auto path = dir.path() / "history" / "deeper" / "tavolier-2026-12-08.txt";
    EXPECT_EQ(file.fileFor(p.history.hands()[0]), path);
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(text.size(), 3u);
    EXPECT_EQ(text.rfind("Tavolier Hand #5001: ", 0), 0u);
    EXPECT_NE(text.find("\n\nTavolier Hand #5002: "), std::string::npos);
    EXPECT_NE(text.find("\n\nTavolier Hand #5003: "), std::string::npos);
    EXPECT_EQ(historytest::parseHistory(text).hands.size(), 3u);
}

TEST(HandHistoryFileWriting, AFolderThatCannotBeMadeFailsWithoutThrowing) {
    testing_support::TempFolder dir;
    {
        std::ofstream blocker(dir.path() / "blocker");
        blocker << "a file where the folder should be";
    }
    Played p;
    HandHistoryFile file(dir.path() / "blocker" / "history");
    EXPECT_FALSE(file.append(p.history.hands()[0]));
}

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

// A disk that fills up after a number of bytes: the next write is cut short
// there and the one after it fails.
class FillingDisk : public HistoryFileCalls {
public:
    std::size_t room = 0;
    ssize_t write(int fd, const void* data, std::size_t size) override {
        if (room == 0) {
            errno = ENOSPC;
            return -1;
        }
        const std::size_t n = std::min(size, room);
        room -= n;
        return HistoryFileCalls::write(fd, data, n);
    }
};

TEST(HandHistoryFileWriting, AShortAppendLeavesTheFileAsItWasAndTheHandIsWrittenNextTime) {
    testing_support::TempFolder dir;
    Played p;
    FillingDisk disk;
    disk.room = SIZE_MAX;
    HandHistoryFile file(dir.path(), 100, {}, disk);
    ASSERT_TRUE(file.append(p.history.hands()[0]));
    const auto path = file.fileFor(p.history.hands()[0]);
    const std::string before = fileText(path);
    disk.room = 100; // half a hand fits
    EXPECT_FALSE(file.append(p.history.hands()[1]));
    EXPECT_EQ(fileText(path), before);
    EXPECT_EQ(file.waiting(), 1u);
    disk.room = SIZE_MAX;
    ASSERT_TRUE(file.append(p.history.hands()[2]));
    const historytest::ParseResult parsed = historytest::parseHistory(fileText(path));
    EXPECT_TRUE(parsed.errors.empty()) << parsed.errors.front();
    ASSERT_EQ(parsed.hands.size(), 3u);
    EXPECT_EQ(parsed.hands[1].id, 102);
    EXPECT_EQ(parsed.hands[2].id, 103);
}

TEST(ExportFile, AFullDiskKeepsTheEarlierFileAndSaysWhy) {
    testing_support::TempFolder dir;
    const auto path = dir.path() / "export.txt";
    FillingDisk disk;
    disk.room = SIZE_MAX;
    ASSERT_EQ(replaceFileWith(path, "the first export\n", {}, disk), std::nullopt);
    for (std::size_t room : { std::size_t { 0 }, std::size_t { 5 } }) {
        disk.room = room;
        const auto failed = replaceFileWith(path, std::string(4096, 'x'), {}, disk);
        ASSERT_TRUE(failed.has_value());
        EXPECT_NE(failed->find(std::strerror(ENOSPC)), std::string::npos) << *failed;
        EXPECT_EQ(fileText(path), "the first export\n");
        // No temporary stays beside it.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                      std::filesystem::directory_iterator()),
            1);
    }
    // The game's own files are never replaced, whatever name leads there.
    const auto settings = dir.path() / "tavolier.ini";
    testing_support::writeBytes(settings, "[Cash]\nplayer=1500\n");
    std::filesystem::create_symlink(settings, dir.path() / "link.txt");
    const std::filesystem::path kept[] = { settings };
    for (const auto& target : { settings, dir.path() / "link.txt" }) {
        disk.room = SIZE_MAX;
        EXPECT_TRUE(replaceFileWith(target, "hands", kept, disk).has_value());
        EXPECT_EQ(fileText(settings), "[Cash]\nplayer=1500\n");
    }
}

TEST(HandHistoryFileWriting, TwoSessionsStartedInTheSameSecondNeverShareANumber) {
    testing_support::TempFolder dir;
    Played p;
    HandHistoryFile first(dir.path(), 7700000);
    HandHistoryFile second(dir.path(), 7700000);
    for (const HandRecord& hand : p.history.hands()) {
        ASSERT_TRUE(first.append(hand));
        ASSERT_TRUE(second.append(hand));
    }
    const historytest::ParseResult parsed
        = historytest::parseHistory(fileText(first.fileFor(p.history.hands()[0])));
    ASSERT_EQ(parsed.hands.size(), 6u);
    std::set<std::int64_t> ids;
    for (const auto& hand : parsed.hands)
        ids.insert(hand.id);
    EXPECT_EQ(ids.size(), 6u);
}

} // namespace tavolier
