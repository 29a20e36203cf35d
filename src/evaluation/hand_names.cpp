#include "evaluation/hand_names.h"

#include <array>

namespace tavolier {
namespace {

// clang-format off
    // Every named score, grouped by category and indexed by rank within it.
    constexpr std::array<std::string_view, 13> kHighCard {
        "", "", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten", "Jack", "Queen", "King", "Ace",
    };
    constexpr std::array<std::string_view, 13> kOnePair {
        "One pair Twos", "One pair Threes", "One pair Fours", "One pair Fives", "One pair Sixes",
        "One pair Sevens", "One pair Eights", "One pair Nines", "One pair Tens", "One pair Jacks",
        "One pair Queens", "One pair Kings", "One pair Aces",
    };
    constexpr std::array<std::string_view, 13> kTwoPairs {
        "", "Two pairs Threes", "Two pairs Fours", "Two pairs Fives", "Two pairs Sixes",
        "Two pairs Sevens", "Two pairs Eights", "Two pairs Nines", "Two pairs Tens", "Two pairs Jacks",
        "Two pairs Queens", "Two pairs Kings", "Two pairs Aces",
    };
    constexpr std::array<std::string_view, 13> kThree {
        "Three Twos", "Three Threes", "Three Fours", "Three Fives", "Three Sixes", "Three Sevens",
        "Three Eights", "Three Nines", "Three Tens", "Three Jacks", "Three Queens", "Three Kings",
        "Three Aces",
    };
    constexpr std::array<std::string_view, 13> kStraight {
        "", "", "", "Straight Five High", "Straight Six High", "Straight Seven High",
        "Straight Eight High", "Straight Nine High", "Straight Ten High", "Straight Jack High",
        "Straight Queen High", "Straight King High", "Straight Ace High",
    };
    constexpr std::array<std::string_view, 13> kFlush {
        "", "", "", "", "Flush Six High", "Flush Seven High", "Flush Eight High", "Flush Nine High",
        "Flush Ten High", "Flush Jack High", "Flush Queen High", "Flush King High", "Flush Ace High",
    };
    constexpr std::array<std::string_view, 13> kFullHouse {
        "Full house Twos", "Full house Threes", "Full house Fours", "Full house Fives",
        "Full house Sixes", "Full house Sevens", "Full house Eights", "Full house Nines",
        "Full house Tens", "Full house Jacks", "Full house Queens", "Full house Kings",
        "Full house Aces",
    };
    constexpr std::array<std::string_view, 13> kFour {
        "Four Twos", "Four Threes", "Four Fours", "Four Fives", "Four Sixes", "Four Sevens",
        "Four Eights", "Four Nines", "Four Tens", "Four Jacks", "Four Queens", "Four Kings",
        "Four Aces",
    };
// clang-format on

// The name at score - base when that lies within the category's 13 ranks.
std::string_view within(
    const std::array<std::string_view, 13>& names, std::int32_t score, std::int32_t base) {
    if (score < base || score > base + 12)
        return {};
    return names[static_cast<std::size_t>(score - base)];
}

} // namespace

std::string_view handName(std::int32_t score) {
    if (score == 1000)
        return "Straight flush";
    if (score >= 800)
        return within(kFour, score, 800);
    if (score >= 500)
        return within(kFullHouse, score, 500);
    if (score >= 450)
        return within(kFlush, score, 450);
    if (score >= 400)
        return within(kStraight, score, 400);
    if (score >= 300)
        return within(kThree, score, 300);
    if (score >= 200)
        return within(kTwoPairs, score, 200);
    if (score >= 100)
        return within(kOnePair, score, 100);
    return within(kHighCard, score, 0);
}

} // namespace tavolier
