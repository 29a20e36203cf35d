#include "evaluation/standard_ranking.h"

#include <bit>
#include <cassert>
#include <string_view>

namespace tavolier {
namespace {

// A set of ranks: bit r for rank r.
using RankMask = std::uint32_t;

[[nodiscard]] constexpr RankMask bitOf(int rank) {
    return RankMask { 1 } << rank;
}

// The highest rank in the set, -1 for the empty set.
[[nodiscard]] constexpr int topRank(RankMask m) {
    return static_cast<int>(std::bit_width(m)) - 1;
}

// The top rank of the highest straight within the set (3, the Five, for the five-high one),
// -1 without one. The set is shifted up one place with the Ace copied into bit 0, so that
// the Ace also plays below the Two; bit i of runs starts five ranks in a row there.
[[nodiscard]] constexpr int straightTop(RankMask m) {
    const RankMask low = (m << 1) | ((m >> 12) & 1);
    const RankMask runs = low & (low >> 1) & (low >> 2) & (low >> 3) & (low >> 4);
    return runs != 0 ? topRank(runs) + 3 : -1;
}

// Writes the deciding ranks in order of significance and folds them, with the category, into
// the value: the category above five 4-bit digits, each a rank plus one (so -1 is 0).
class RankBuilder {
public:
    void repeat(int rank, int times) {
        for (int i = 0; i < times; ++i)
            push(rank);
    }

    // The count highest ranks of the set, from high to low; -1 where the set runs out.
    void highest(RankMask m, int count) {
        for (int i = 0; i < count; ++i) {
            const int r = topRank(m);
            push(r);
            if (r >= 0)
                m &= ~bitOf(r);
        }
    }

    void run(int top) {
        for (int i = 0; i < 5; ++i)
            push(top - i);
    }

    [[nodiscard]] StandardRank finish(HandCategory category) {
        assert(m_count == 5);
        StandardRank out;
        out.category = category;
        out.ranks = m_ranks;
        out.value = static_cast<std::uint32_t>(category) << 20;
        for (std::size_t i = 0; i < 5; ++i)
            out.value |= static_cast<std::uint32_t>(m_ranks[i] + 1) << (16 - 4 * i);
        return out;
    }

private:
    void push(int rank) {
        if (m_count < 5)
            m_ranks[m_count++] = rank;
    }

    std::array<int, 5> m_ranks { -1, -1, -1, -1, -1 };
    std::size_t m_count = 0;
};

// clang-format off
constexpr std::array<std::string_view, 13> kRankWord {
    "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten", "Jack", "Queen",
    "King", "Ace",
};
constexpr std::array<std::string_view, 13> kRankPlural {
    "Twos", "Threes", "Fours", "Fives", "Sixes", "Sevens", "Eights", "Nines", "Tens", "Jacks",
    "Queens", "Kings", "Aces",
};
// clang-format on

// A rank's word from one of the tables; empty for a rank outside 0..12.
[[nodiscard]] std::string_view wordFor(const std::array<std::string_view, 13>& words, int rank) {
    if (rank < 0 || rank > 12)
        return {};
    return words[static_cast<std::size_t>(rank)];
}

} // namespace

StandardRank rankStandard(const std::array<Card, 7>& cards) {
    return rankStandard(std::span<const Card>(cards));
}

StandardRank rankStandard(std::span<const Card> cards) {
    // The hand as one rank set per suit; the rest follows from the four sets.
    std::array<RankMask, 4> suits {};
    for (const Card& c : cards) {
        const bool real
            = static_cast<std::uint32_t>(c.suit) < 4 && static_cast<std::uint32_t>(c.rank) < 13;
        assert(real && "a card outside the deck");
        if (!real)
            continue;
        const RankMask bit = bitOf(c.rank);
        assert((suits[static_cast<std::size_t>(c.suit)] & bit) == 0 && "a card dealt twice");
        suits[static_cast<std::size_t>(c.suit)] |= bit;
    }

    // How often each rank is held, as bits of a count added up across the suits: odd is bit 0
    // of the count and twice bit 1; a rank in all four suits counts 4 (both clear).
    const RankMask a = suits[0], b = suits[1], c = suits[2], d = suits[3];
    const RankMask any = a | b | c | d;
    const RankMask four = a & b & c & d;
    const RankMask odd = a ^ b ^ c ^ d;
    const RankMask twice = (a & b) ^ (c & d) ^ ((a ^ b) & (c ^ d));
    const RankMask three = odd & twice;
    const RankMask pairs = twice & ~odd;

    RankMask flush = 0;
    for (const RankMask s : suits) {
        if (std::popcount(s) >= 5)
            flush = s;
    }

    RankBuilder out;
    if (flush != 0) {
        if (const int top = straightTop(flush); top >= 0) {
            out.run(top);
            return out.finish(HandCategory::straightFlush);
        }
    }
    if (four != 0) {
        const int quad = topRank(four);
        out.repeat(quad, 4);
        out.highest(any & ~bitOf(quad), 1);
        return out.finish(HandCategory::fourOfAKind);
    }
    const int trips = topRank(three);
    if (trips >= 0) {
        // A second three of a kind fills the house as well as a pair does.
        const RankMask fillers = (three & ~bitOf(trips)) | pairs;
        if (fillers != 0) {
            out.repeat(trips, 3);
            out.repeat(topRank(fillers), 2);
            return out.finish(HandCategory::fullHouse);
        }
    }
    if (flush != 0) {
        out.highest(flush, 5);
        return out.finish(HandCategory::flush);
    }
    if (const int top = straightTop(any); top >= 0) {
        out.run(top);
        return out.finish(HandCategory::straight);
    }
    if (trips >= 0) {
        out.repeat(trips, 3);
        out.highest(any & ~bitOf(trips), 2);
        return out.finish(HandCategory::threeOfAKind);
    }
    if (pairs != 0) {
        const int high = topRank(pairs);
        const int second = topRank(pairs & ~bitOf(high));
        out.repeat(high, 2);
        if (second >= 0) {
            // A third pair's rank may be the kicker.
            out.repeat(second, 2);
            out.highest(any & ~bitOf(high) & ~bitOf(second), 1);
            return out.finish(HandCategory::twoPairs);
        }
        out.highest(any & ~bitOf(high), 3);
        return out.finish(HandCategory::onePair);
    }
    out.highest(any, 5);
    return out.finish(HandCategory::highCard);
}

std::string standardHandName(const StandardRank& rank) {
    const std::array<int, 5>& r = rank.ranks;
    const auto word = [](int k) { return wordFor(kRankWord, k); };
    const auto plural = [](int k) { return wordFor(kRankPlural, k); };

    std::string name;
    const auto say = [&name](std::string_view part) { name.append(part); };
    // ", Ace kicker", left out when the hand has no such card.
    const auto kicker = [&](int k) {
        if (!word(k).empty()) {
            say(", ");
            say(word(k));
            say(" kicker");
        }
    };
    switch (rank.category) {
    case HandCategory::highCard:
        say("High card ");
        say(word(r[0]));
        kicker(r[1]);
        break;
    case HandCategory::onePair:
        say("One pair ");
        say(plural(r[0]));
        kicker(r[2]);
        break;
    case HandCategory::twoPairs:
        say("Two pairs ");
        say(plural(r[0]));
        say(" and ");
        say(plural(r[2]));
        kicker(r[4]);
        break;
    case HandCategory::threeOfAKind:
        say("Three ");
        say(plural(r[0]));
        kicker(r[3]);
        break;
    case HandCategory::straight:
        say("Straight ");
        say(word(r[0]));
        say(" High");
        break;
    case HandCategory::flush:
        say("Flush ");
        say(word(r[0]));
        say(" High");
        kicker(r[1]);
        break;
    case HandCategory::fullHouse:
        say("Full house ");
        say(plural(r[0]));
        say(" over ");
        say(plural(r[3]));
        break;
    case HandCategory::fourOfAKind:
        say("Four ");
        say(plural(r[0]));
        kicker(r[4]);
        break;
    case HandCategory::straightFlush:
        if (r[0] == 12) {
            say("Royal flush");
        } else {
            say("Straight flush ");
            say(word(r[0]));
            say(" High");
        }
        break;
    }
    return name;
}

} // namespace tavolier
