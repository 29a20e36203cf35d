// tavolier-cli duel: duplicate deals put the same cards in the same chairs
// whatever the players decide, every player sits in every chair once per
// deal, and the figures do not depend on the number of jobs.
#include "command_run.h"
#include "commands.h"
#include "duel_table.h"

#include "core/seats.h"
#include "opponents/characters.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tavolier::cli {

namespace {

// Each chair's hole cards and the board of the hand last played.
struct DealtCards {
    std::array<std::array<Card, 2>, kSeatCount + 1> hole {};
    std::array<Card, 5> board {};
    friend bool operator==(const DealtCards&, const DealtCards&) = default;
};

DealtCards dealtCards(const TableState& s) {
    DealtCards cards;
    for (int seat = 1; seat <= kSeatCount; ++seat)
        cards.hole[static_cast<std::size_t>(seat)] = s.seat(seat).holeCards;
    cards.board = s.board;
    return cards;
}

std::string withoutTime(const std::string& out) {
    return out.substr(0, out.rfind("time "));
}

} // namespace

TEST(DuelDeals, GiveEveryChairTheSameCardsInEverySeating) {
    // Players that decide very differently, and draw very differently from
    // the decisions' generator, move round the chairs from seating to seating.
    std::array<DuelPlayer, kSeatCount + 1> players {};
    for (int seat = 1; seat <= kSeatCount; ++seat)
        players[static_cast<std::size_t>(seat)] = *parseDuelPlayer("level:Amateur");
    players[8] = *parseDuelPlayer("raise");
    players[1] = *parseDuelPlayer("call");
    players[5] = *parseDuelPlayer("level:Genius");
    for (DuelPlayer& player : players)
        player.levelCode = player.levelCode == 0 ? 400 : player.levelCode;
    players[2] = *parseDuelPlayer("character:Marc@Master");
    DuelTable table(players);
    StyleStatistics seen;
    std::set<int> humansCards; // by the picture index of the first card
    for (std::int64_t deal = 0; deal < 3; ++deal) {
        table.seatPlayers(0);
        table.playHand(5, deal, 0, seen);
        const DealtCards first = dealtCards(table.state());
        const std::int32_t button = table.state().betting.buttonSeat;
        humansCards.insert(
            imageIndex(first.hole[kHuman][0]) * 52 + imageIndex(first.hole[kHuman][1]));
        for (int seating = 1; seating < kSeatings; ++seating) {
            table.seatPlayers(seating);
            table.playHand(5, deal, seating, seen);
            EXPECT_EQ(dealtCards(table.state()), first)
                << "deal " << deal << " seating " << seating;
            EXPECT_EQ(table.state().betting.buttonSeat, button);
        }
    }
    // Three deals, three different hands in the human's chair.
    EXPECT_EQ(humansCards.size(), 3U);
    EXPECT_EQ(seen.table().hands, 3 * kSeatings * kSeatCount);
}

TEST(DuelDeals, SeatEveryPlayerInEveryChairOnce) {
    for (int player = 1; player <= kSeatCount; ++player) {
        std::set<int> chairs;
        for (int seating = 0; seating < kSeatings; ++seating) {
            std::set<int> sitting;
            for (int seat = 1; seat <= kSeatCount; ++seat) {
                sitting.insert(duelPlayerAt(seat, seating));
                if (duelPlayerAt(seat, seating) == player)
                    chairs.insert(seat);
            }
            EXPECT_EQ(sitting.size(), static_cast<std::size_t>(kSeatCount));
        }
        EXPECT_EQ(chairs.size(), static_cast<std::size_t>(kSeatCount)) << "player " << player;
    }
}

// Over a seeded run at the weakest and the strongest level, each character
// plays within the band its table declares.
TEST(CharacterStyles, FallInTheirDeclaredBands) {
    for (const std::int32_t level : { 400, 900 }) {
        std::array<DuelPlayer, kSeatCount + 1> players {};
        players[kHuman] = DuelPlayer { DuelPlayer::Kind::level, level, nullptr };
        for (int seat = 1; seat < kHuman; ++seat)
            players[static_cast<std::size_t>(seat)]
                = DuelPlayer { DuelPlayer::Kind::character, level, characterOfSeat(seat) };
        DuelTable table(players);
        DuelTally tally;
        table.playBlock(21, 0, 160, tally);
        for (int player = 1; player < kHuman; ++player) {
            SeatStyle style;
            for (int seating = 0; seating < kSeatings; ++seating)
                for (int seat = 1; seat <= kSeatCount; ++seat)
                    if (duelPlayerAt(seat, seating) == player)
                        style += tally.styles[static_cast<std::size_t>(seating)].seat(
                            SeatNumber(seat));
            const Character& character = *characterOfSeat(player);
            const StyleBand& band = styleBand(character);
            const std::string who = std::string(character.name) + " at " + std::to_string(level);
            EXPECT_EQ(style.hands, 160 * kSeatings) << who;
            EXPECT_GE(*style.vpip(), band.vpipLow) << who;
            EXPECT_LE(*style.vpip(), band.vpipHigh) << who;
            EXPECT_GE(*style.pfr(), band.pfrLow) << who;
            EXPECT_LE(*style.pfr(), band.pfrHigh) << who;
            EXPECT_GE(*style.aggressionFactor(), band.aggressionLow) << who;
            EXPECT_LE(*style.aggressionFactor(), band.aggressionHigh) << who;
        }
    }
}

TEST(DuelCommand, GivesTheSameFiguresForAnyNumberOfJobs) {
    const std::vector<std::string_view> one { "--hands", "520", "--seed", "3", "--jobs", "1",
        "--seat", "Marc=call", "--seat", "You=level:Genius", "--seat", "4=raise", "--seat",
        "Jack=character:cindy@Expert" };
    std::vector<std::string_view> three = one;
    three[5] = "3";
    const CommandRun a = runCommand(runDuel, one);
    const CommandRun b = runCommand(runDuel, three);
    ASSERT_EQ(a.status, 0) << a.err;
    ASSERT_EQ(b.status, 0) << b.err;
    EXPECT_EQ(withoutTime(a.out), withoutTime(b.out));
    EXPECT_NE(a.out.find("Marc    call"), std::string::npos) << a.out;
    EXPECT_NE(a.out.find("You     level:Genius"), std::string::npos) << a.out;
    EXPECT_NE(a.out.find("Jack    character:Cindy@Expert"), std::string::npos) << a.out;
    EXPECT_NE(a.out.find("Chong   character:Chong@Amateur"), std::string::npos) << a.out;
}

TEST(DuelCommand, RefusesAChairOrPlayerItDoesNotKnow) {
    for (const std::string_view bad : { "9=call", "Bob=call", "Marc=fold", "Marc", "=call",
             "Marc=character:Bob", "Marc=character:Marc@Pro" }) {
        const CommandRun run = runCommand(runDuel, { "--seat", bad });
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_NE(run.err.find("--seat takes"), std::string::npos) << run.err;
    }
}

} // namespace tavolier::cli
