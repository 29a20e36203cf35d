// The figures of the Statistics window, kept up from the game events.
#include "presentation/match_statistics.h"

#include <gtest/gtest.h>

namespace tavolier::testing {

namespace {

HandStarted started(std::int64_t hand, bool newMatch = false) {
    HandStarted e;
    e.handNumber = hand;
    e.newMatch = newMatch;
    return e;
}

PotAwarded awarded(std::int32_t pot, std::initializer_list<int> winners) {
    PotAwarded e;
    e.pot = pot;
    for (int seat : winners)
        e.winners[static_cast<std::size_t>(seat)] = true;
    e.winnerCount = static_cast<int>(winners.size());
    e.share = e.winnerCount > 0 ? pot / e.winnerCount : 0;
    return e;
}

HandEnded ended(std::int64_t hand, std::int32_t humanChips) {
    HandEnded e;
    e.handNumber = hand;
    for (int seat = 1; seat <= 8; ++seat)
        e.stacks[static_cast<std::size_t>(seat)] = 1000 + seat;
    e.stacks[8] = humanChips;
    return e;
}

HandShown shown(int seat, std::int32_t score, std::int32_t kicker, const char* name) {
    HandShown e;
    e.seat = SeatNumber(seat);
    e.score = score;
    e.kicker = kicker;
    e.name = name;
    return e;
}

} // namespace

TEST(MatchStatistics, CountersAndRatesAllTimeAndSinceTheSessionBegan) {
    MatchStatistics stats({ 100, 40, 30 });
    const CounterFigures all = stats.allTime({ 110, 45, 34 });
    EXPECT_EQ(all.handsPlayed, 110);
    EXPECT_EQ(all.handsWon, 45);
    EXPECT_EQ(all.showdowns, 34);
    ASSERT_TRUE(all.wonRate && all.showdownRate);
    EXPECT_NEAR(*all.wonRate, 100.0 * 45 / 110, 1e-9);
    EXPECT_NEAR(*all.showdownRate, 100.0 * 34 / 110, 1e-9);

    const CounterFigures session = stats.session({ 110, 45, 34 });
    EXPECT_EQ(session.handsPlayed, 10);
    EXPECT_EQ(session.handsWon, 5);
    EXPECT_EQ(session.showdowns, 4);
    EXPECT_NEAR(*session.wonRate, 50.0, 1e-9);
    EXPECT_NEAR(*session.showdownRate, 40.0, 1e-9);
}

TEST(MatchStatistics, NoRatesBeforeTheFirstHandAndNothingNegative) {
    MatchStatistics stats({ 5, 2, 1 });
    const CounterFigures session = stats.session({ 5, 2, 1 });
    EXPECT_EQ(session.handsPlayed, 0);
    EXPECT_FALSE(session.wonRate);
    EXPECT_FALSE(session.showdownRate);
    // A store changed under the game shows no hands rather than minus some.
    EXPECT_EQ(stats.session({ 3, 2, 1 }).handsPlayed, 0);
    // Counters from a hand-edited file at the limits of 32 bits stay exact.
    const CounterFigures wide = MatchStatistics({ INT32_MIN, 0, 0 }).session({ INT32_MAX, 0, 0 });
    EXPECT_EQ(wide.handsPlayed, std::int64_t { INT32_MAX } - INT32_MIN);
}

TEST(MatchStatistics, WinsBySeatCountEverySeatOfASplitPot) {
    MatchStatistics stats;
    stats.handStarted(started(1));
    stats.potAwarded(awarded(40, { 7 }));
    stats.handStarted(started(2));
    stats.potAwarded(awarded(60, { 8, 3 }));
    stats.handStarted(started(3));
    stats.potAwarded(awarded(30, {}));
    EXPECT_EQ(stats.winsBySeat()[7], 1);
    EXPECT_EQ(stats.winsBySeat()[8], 1);
    EXPECT_EQ(stats.winsBySeat()[3], 1);
    EXPECT_EQ(stats.winsBySeat()[1], 0);
}

TEST(MatchStatistics, TheBiggestPotKeepsTheFirstToReachItAndItsTakers) {
    MatchStatistics stats;
    EXPECT_FALSE(stats.biggestPot());
    stats.handStarted(started(1));
    stats.potAwarded(awarded(40, { 7 }));
    stats.handStarted(started(2));
    stats.potAwarded(awarded(96, { 8, 3 }));
    stats.handStarted(started(3));
    stats.potAwarded(awarded(96, { 5 }));
    // A pot that went to nobody was taken by nobody.
    stats.handStarted(started(4));
    stats.potAwarded(awarded(500, {}));
    ASSERT_TRUE(stats.biggestPot());
    EXPECT_EQ(stats.biggestPot()->pot, 96);
    EXPECT_EQ(stats.biggestPot()->handNumber, 2);
    EXPECT_TRUE(stats.biggestPot()->winners[8]);
    EXPECT_TRUE(stats.biggestPot()->winners[3]);
    EXPECT_FALSE(stats.biggestPot()->winners[5]);
}

TEST(MatchStatistics, TheHumansBestHandComparesScoreThenKicker) {
    MatchStatistics stats;
    stats.handShown(shown(7, 800, 12, "Flush Ace High"));
    EXPECT_FALSE(stats.humansBestHand());
    stats.handShown(shown(8, 100, 5, "One pair Sevens"));
    stats.handShown(shown(8, 200, 3, "Two pairs Kings"));
    stats.handShown(shown(8, 200, 2, "Two pairs Kings, lower kicker"));
    stats.handShown(shown(8, 100, 100, "One pair Aces"));
    ASSERT_TRUE(stats.humansBestHand());
    EXPECT_EQ(stats.humansBestHand()->name, "Two pairs Kings");
    EXPECT_EQ(stats.humansBestHand()->kicker, 3);
}

TEST(MatchStatistics, OnePointPerHandForEverySeatAndANewMatchStartsAfresh) {
    MatchStatistics stats;
    for (int hand = 1; hand <= 5; ++hand) {
        stats.handStarted(started(hand, hand == 1));
        stats.handEnded(ended(hand, 1200 + hand));
    }
    ASSERT_EQ(stats.matchChips().size(), 5u);
    for (int seat = 1; seat <= 8; ++seat)
        EXPECT_EQ(stats.chipsOf(SeatNumber(seat)).size(), 5u);
    EXPECT_EQ(stats.chipsOf(SeatNumber(8)).back(), 1205);
    EXPECT_EQ(stats.chipsOf(SeatNumber(3)).front(), 1003);
    EXPECT_TRUE(stats.chipsOf(SeatNumber(0)).empty());

    stats.handStarted(started(6, true));
    EXPECT_TRUE(stats.matchChips().empty());
    stats.handEnded(ended(6, 1100));
    EXPECT_EQ(stats.chipsOf(SeatNumber(8)), std::vector<std::int32_t> { 1100 });
    // The session goes on over the new match.
    EXPECT_EQ(stats.handsEnded(), 6);
}

} // namespace tavolier::testing
