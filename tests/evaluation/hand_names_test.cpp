#include "core/random.h"
#include "doubles/recording_view.h"
#include "evaluation/hand_names.h"
#include "game/classic/showdown.h"
#include "game/table.h"
#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

namespace tavolier {
namespace {

// The names built from the rank words by the naming rules, independently
// of the fixed texts the game carries.
std::map<std::int32_t, std::string> namesByRule() {
    const std::array<std::string, 13> plural { "Twos", "Threes", "Fours", "Fives", "Sixes",
        "Sevens", "Eights", "Nines", "Tens", "Jacks", "Queens", "Kings", "Aces" };
    const std::array<std::string, 13> singular { "", "", "Four", "Five", "Six", "Seven", "Eight",
        "Nine", "Ten", "Jack", "Queen", "King", "Ace" };
    std::map<std::int32_t, std::string> names;
    for (int r = 0; r <= 12; ++r) {
        if (r >= 2)
            names[r] = singular[r];
        names[100 + r] = "One pair " + plural[r];
        if (r >= 1)
            names[200 + r] = "Two pairs " + plural[r];
        names[300 + r] = "Three " + plural[r];
        if (r >= 3)
            names[400 + r] = "Straight " + singular[r] + " High";
        if (r >= 4)
            names[450 + r] = "Flush " + singular[r] + " High";
        names[500 + r] = "Full house " + plural[r];
        names[800 + r] = "Four " + plural[r];
    }
    names[1000] = "Straight flush";
    return names;
}

TEST(HandNames, NinetyFiveNamesFollowTheRules) {
    const auto expected = namesByRule();
    ASSERT_EQ(expected.size(), 95u);
    int named = 0;
    for (std::int32_t score = -2000; score <= 3000; ++score) {
        const auto it = expected.find(score);
        const std::string want = it == expected.end() ? "" : it->second;
        ASSERT_EQ(std::string(handName(score)), want) << "score " << score;
        named += !handName(score).empty();
    }
    EXPECT_EQ(named, 95);
}

TEST(HandNames, EdgesOfTheCategories) {
    EXPECT_EQ(handName(403), "Straight Five High");
    EXPECT_EQ(handName(412), "Straight Ace High");
    EXPECT_EQ(handName(454), "Flush Six High");
    EXPECT_EQ(handName(462), "Flush Ace High");
    EXPECT_EQ(handName(212), "Two pairs Aces");
    EXPECT_EQ(handName(1000), "Straight flush");
    EXPECT_EQ(handName(2), "Four");
    EXPECT_EQ(handName(100), "One pair Twos");
    EXPECT_EQ(handName(512), "Full house Aces");
    EXPECT_EQ(handName(800), "Four Twos");
}

TEST(HandNames, UnlistedScoresAreEmpty) {
    for (std::int32_t score : { 0, 1, 13, 99, 200, 213, 313, 400, 402, 413, 449, 450, 453, 463, 499,
             513, 799, 813, 999, 1001, 1012, -1, -100, 2147483647, -2147483647 - 1 })
        EXPECT_TRUE(handName(score).empty()) << "score " << score;
}

struct NamingTable {
    TableState state;
    Random random = Random::scripted({});
    RecordingView view;
    MemorySettings settings;
    Table table { state, random, view, settings };
};

TEST(NameHand, WritesTheSeatsStatusLabel) {
    NamingTable t;
    nameHand(t.table, 212, 8);
    nameHand(t.table, 1000, 7);
    nameHand(t.table, 12, 1);
    EXPECT_EQ(t.view.text(Label::humanStatus), "Two pairs Aces");
    EXPECT_EQ(t.view.text(Label::chongStatus), "Straight flush");
    EXPECT_EQ(t.view.text(Label::marcStatus), "Ace");
}

TEST(NameHand, ScoreWithoutANameClearsTheLabel) {
    NamingTable t;
    t.table.setStatus(6, "Raises");
    nameHand(t.table, 200, 6);
    EXPECT_EQ(t.view.text(Label::jackStatus), "");
    EXPECT_TRUE(t.view.contains("text geekstatus="));
}

TEST(NameHand, SeatOutsideTheTableChangesNothing) {
    NamingTable t;
    t.view.clearLog();
    for (int seat : { 0, 9, -1, 100 })
        nameHand(t.table, 212, seat);
    EXPECT_TRUE(t.view.log().empty());
}

} // namespace
} // namespace tavolier
