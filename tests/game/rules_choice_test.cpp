// Which rule set plays: the stored choice, read at start-up, and a change
// on the options panel, which waits for the next Deal.
#include "doubles/event_recorder.h"
#include "flow_harness.h"
#include "game/game.h"
#include "game/rule_set.h"

#include <gtest/gtest.h>

namespace tavolier::testing {
namespace {

[[nodiscard]] std::string_view rulesOfLastHand(const EventRecorder& events) {
    return events.all<HandStarted>().back().rulesName;
}

// The human's hand is named from the cards shown: on the flop and the turn
// it is what those cards make, the name the river gives them when the last
// cards add nothing (the unused slots once made a pair of their own).
TEST(RulesChoice, EachRuleSetNamesTheHandFromTheCardsShownOnly) {
    const auto card = [](std::string_view code) {
        constexpr std::string_view kRanks = "23456789TJQKA";
        constexpr std::string_view kSuits = "cdhs";
        return Card { static_cast<std::int32_t>(kSuits.find(code[1])),
            static_cast<std::int32_t>(kRanks.find(code[0])) };
    };
    const std::vector<std::pair<std::vector<std::string_view>, std::vector<std::string_view>>>
        shown { { { "6s", "Jh", "Td", "9c", "8d" }, { "2c", "3d" } },
            { { "Qc", "Ac", "6h", "5d", "3d", "8c" }, { "2h" } },
            { { "2c", "2d", "9h", "8d", "3s" }, { "4h", "5c" } } };
    for (const RuleSetEntry& entry : ruleSets()) {
        for (const auto& [cards, rest] : shown) {
            std::vector<Card> now;
            for (std::string_view code : cards)
                now.push_back(card(code));
            std::vector<Card> river = now;
            for (std::string_view code : rest)
                river.push_back(card(code));
            EXPECT_EQ(entry.rules.handName(now), entry.rules.handName(river))
                << entry.caption << " " << cards.size() << " cards";
        }
    }
}

TEST(RulesChoice, StoredNumberPicksTheRulesAndAnythingElseIsClassic) {
    for (const auto& [stored, expected] :
        std::vector<std::pair<std::int32_t, std::string_view>> { { 0, "Classic" },
            { 1, "Standard" }, { 2, "Classic" }, { -1, "Classic" }, { INT32_MAX, "Classic" } }) {
        Harness h;
        h.settings.set("Settings", "Rules", stored);
        Game game(h.table);
        game.prepareStartUp(false);
        game.startupDeal();
        EXPECT_EQ(rulesOfLastHand(h.events), expected) << stored;
        EXPECT_EQ(game.rulesEntry().caption, expected) << stored;
    }
}

TEST(RulesChoice, ChangeWaitsForTheNextDealAndIsStored) {
    Harness h;
    Game game(h.table);
    game.prepareStartUp(false);
    game.startupDeal();
    ASSERT_EQ(rulesOfLastHand(h.events), "Classic");
    ASSERT_TRUE(game.legalActions().handInProgress);

    game.chooseRules(1);
    EXPECT_EQ(h.settings.writes.back(), "Settings/Rules=1");
    // The hand in progress ends under the rules it was dealt by.
    EXPECT_EQ(game.rulesEntry().caption, "Classic");
    while (game.legalActions().handInProgress)
        game.checkOrCall();
    EXPECT_EQ(h.events.count<HandStarted>(), 1u);
    game.deal();
    EXPECT_EQ(rulesOfLastHand(h.events), "Standard");
    EXPECT_TRUE(h.events.all<HandStarted>().back().standardBetting);
    // Standard taken up anew starts its button at the human's chair again,
    // after a stretch of Classic hands too.
    EXPECT_EQ(h.events.all<HandStarted>().back().buttonSeat, kHumanSeat);
    const auto finishHand = [&] {
        while (game.legalActions().handInProgress)
            game.checkOrCall();
    };
    finishHand();
    game.deal();
    EXPECT_EQ(h.events.all<HandStarted>().back().buttonSeat, SeatNumber(1));
    finishHand();
    game.chooseRules(0);
    game.deal();
    finishHand();
    game.chooseRules(1);
    game.deal();
    EXPECT_EQ(h.events.all<HandStarted>().back().buttonSeat, kHumanSeat);
}

TEST(StandardNewMatch, EverySeatShowsTheNewStack) {
    Harness h;
    h.settings.set("Settings", "Rules", 1);
    h.game.prepareStartUp(false);
    h.game.startupDeal();
    while (h.game.legalActions().handInProgress)
        h.game.checkOrCall();
    h.game.newMatch("500");
    // Every seat that posted nothing shows the new stack, the blinds what
    // they kept.
    for (int seat = 1; seat <= kSeatCount; ++seat)
        EXPECT_EQ(h.chipsLabel(seat), std::to_string(h.chips(seat))) << seat;
}

} // namespace
} // namespace tavolier::testing
