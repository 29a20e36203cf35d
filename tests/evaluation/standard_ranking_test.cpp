#include "evaluation/cards.h"
#include "evaluation/standard_ranking.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <compare>
#include <random>
#include <string>
#include <utility>

namespace tavolier {
namespace {

using testing::hand;

// A hand's standing written from the rules: its category (0 high card .. 8 straight flush)
// and its five ranks ordered for the tie-break, larger groups first, then high to low.
struct ReferenceRank {
    int category = 0;
    std::array<int, 5> order {};
    friend auto operator<=>(const ReferenceRank&, const ReferenceRank&) = default;
};

// One five-card hand, ranked the obvious way.
ReferenceRank referenceFive(const std::array<Card, 5>& five) {
    std::array<int, 13> count {};
    for (const Card& c : five)
        ++count[static_cast<std::size_t>(c.rank)];
    bool flush = true;
    for (const Card& c : five)
        flush = flush && c.suit == five[0].suit;

    ReferenceRank out;
    for (std::size_t i = 0; i < 5; ++i)
        out.order[i] = five[i].rank;
    std::sort(out.order.begin(), out.order.end(), [&count](int x, int y) {
        const int cx = count[static_cast<std::size_t>(x)];
        const int cy = count[static_cast<std::size_t>(y)];
        return cx != cy ? cx > cy : x > y;
    });
    const bool allDifferent = std::ranges::all_of(count, [](int n) { return n <= 1; });
    bool straight = allDifferent && out.order[0] - out.order[4] == 4;
    if (allDifferent && out.order == std::array { 12, 3, 2, 1, 0 }) {
        // Ace, Five, Four, Three, Two: the Ace plays below the Two.
        straight = true;
        out.order = { 3, 2, 1, 0, -1 };
    }
    const int largest = count[static_cast<std::size_t>(out.order[0])];
    const int next = count[static_cast<std::size_t>(out.order[static_cast<std::size_t>(largest)])];
    if (straight && flush)
        out.category = 8;
    else if (largest == 4)
        out.category = 7;
    else if (largest == 3 && next == 2)
        out.category = 6;
    else if (flush)
        out.category = 5;
    else if (straight)
        out.category = 4;
    else if (largest == 3)
        out.category = 3;
    else if (largest == 2 && next == 2)
        out.category = 2;
    else if (largest == 2)
        out.category = 1;
    else
        out.category = 0;
    return out;
}

// The best of the 21 five-card hands within seven cards (leaving out cards i and j).
ReferenceRank referenceSeven(const std::array<Card, 7>& cards) {
    ReferenceRank best { -1, {} };
    for (std::size_t i = 0; i < 7; ++i) {
        for (std::size_t j = i + 1; j < 7; ++j) {
            std::array<Card, 5> five {};
            std::size_t n = 0;
            for (std::size_t k = 0; k < 7; ++k) {
                if (k != i && k != j)
                    five[n++] = cards[k];
            }
            best = std::max(best, referenceFive(five));
        }
    }
    return best;
}

std::string text(const std::array<Card, 7>& cards) {
    std::string out;
    for (const Card& c : cards) {
        out += "23456789TJQKA"[c.rank];
        out += "cdhs"[c.suit];
        out += ' ';
    }
    return out;
}

// Showdowns of two hole-card pairs on a shared board, each dealt from a fresh shuffle: every
// hand's category and ranks are the reference's, and the values order the two hands as the
// reference does.
TEST(StandardRanking, AgreesWithTheRulesOnRandomShowdowns) {
    std::mt19937_64 engine(0x5EED2026);
    std::array<Card, 52> deck {};
    for (int i = 0; i < 52; ++i)
        deck[static_cast<std::size_t>(i)] = { i / 13, i % 13 };
    std::array<int, 9> categoriesSeen {};
    int ties = 0;
    for (int deal = 0; deal < 100'000; ++deal) {
        std::shuffle(deck.begin(), deck.end(), engine);
        std::array<Card, 7> first { deck[0], deck[1], deck[4], deck[5], deck[6], deck[7], deck[8] };
        std::array<Card, 7> second = first;
        second[0] = deck[2];
        second[1] = deck[3];
        const std::pair<StandardRank, ReferenceRank> ranked[2] {
            { rankStandard(first), referenceSeven(first) },
            { rankStandard(second), referenceSeven(second) },
        };
        for (int k = 0; k < 2; ++k) {
            const auto& [fast, reference] = ranked[k];
            const std::string shown = text(k == 0 ? first : second);
            ASSERT_EQ(static_cast<int>(fast.category), reference.category) << shown;
            ASSERT_EQ(fast.ranks, reference.order) << shown;
            ++categoriesSeen[static_cast<std::size_t>(reference.category)];
        }
        const auto fastOrder = ranked[0].first.value <=> ranked[1].first.value;
        const auto referenceOrder = ranked[0].second <=> ranked[1].second;
        ASSERT_EQ(fastOrder, referenceOrder) << text(first) << "against " << text(second);
        ties += fastOrder == 0 ? 1 : 0;
    }
    // The run reached every category and both sides of a tie.
    for (const int seen : categoriesSeen)
        EXPECT_GT(seen, 0);
    EXPECT_GT(ties, 0);
}

TEST(StandardRanking, NamesTellHandsApart) {
    // clang-format off
    const std::array<std::pair<const char*, const char*>, 15> named { {
        { "As Kd 9h 7c 5s 3d 2c", "High card Ace, King kicker" },
        { "Ks Kd Ah 9c 7s 4d 2c", "One pair Kings, Ace kicker" },
        { "Ks Kd 7h 7c As 4d 2c", "Two pairs Kings and Sevens, Ace kicker" },
        { "Ks Kd 7h 7c 5s 5d 2c", "Two pairs Kings and Sevens, Five kicker" },
        { "Ks Kd Kh Ac 9s 4d 2c", "Three Kings, Ace kicker" },
        { "Th 9c 8s 7d 6h 2c 2d", "Straight Ten High" },
        { "Ah 2c 3s 4d 5h Kc Kd", "Straight Five High" },
        { "Ah 2c 3s 4d 5h 6c Kd", "Straight Six High" },
        { "Ah Kh 9h 7h 2h 3c 4d", "Flush Ace High, King kicker" },
        { "Ks Kd Kh 7c 7s 7d 2c", "Full house Kings over Sevens" },
        { "Ks Kd Kh Kc As 7d 7c", "Four Kings, Ace kicker" },
        { "9s 8s 7s 6s 5s Kd Kc", "Straight flush Nine High" },
        { "As 2s 3s 4s 5s Kd Kc", "Straight flush Five High" },
        { "As Ks Qs Js Ts 9s 2c", "Royal flush" },
        { "Kh Ac Ks 9d 7h 4s 2c", "One pair Kings, Ace kicker" },
    } };
    // clang-format on
    for (const auto& [cards, name] : named)
        EXPECT_EQ(standardHandName(rankStandard(hand(cards))), name) << cards;

    // The wheel's top is the Five.
    EXPECT_EQ(rankStandard(hand("Ah 2c 3s 4d 5h Kc Kd")).ranks, (std::array { 3, 2, 1, 0, -1 }));
    // On a shared board the kicker decides, and the name says which.
    const StandardRank aceKicker = rankStandard(hand("Kh Ac Ks 9d 7h 4s 2c"));
    const StandardRank queenKicker = rankStandard(hand("Kc Qc Ks 9d 7h 4s 2c"));
    EXPECT_EQ(standardHandName(queenKicker), "One pair Kings, Queen kicker");
    EXPECT_GT(aceKicker.value, queenKicker.value);
}

// Cards outside the deck or dealt twice fail the assertion; without assertions the rank
// stays within the ranks' range and still has a name.
TEST(StandardRanking, BadInputAssertsOrStaysInBounds) {
    for (const auto& cards :
        { hand("As Ks Qs Js Ts P1 P2"), hand("As As As As Kd Kd 2c"), std::array<Card, 7> {} }) {
        StandardRank rank;
        EXPECT_DEBUG_DEATH(rank = rankStandard(cards), "");
        for (const int r : rank.ranks) {
            EXPECT_GE(r, -1);
            EXPECT_LE(r, 12);
        }
        EXPECT_FALSE(standardHandName(rank).empty());
    }
}

} // namespace
} // namespace tavolier
