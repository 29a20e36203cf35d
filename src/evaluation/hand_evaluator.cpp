#include "evaluation/hand_evaluator.h"

#include <cstdint>

namespace tavolier {
namespace {

// Bit layouts used below.
//  - rank counts: one nibble per rank, rank r at bits 4r..4r+3 (counts up
//    to 7 fit, repeats of one card included);
//  - suit masks: one 13-bit rank mask per suit, suit s at bits 16s..16s+12;
//  - suit counts: one byte per suit, suit s at bits 8s..8s+7.
constexpr std::uint64_t kNibbleOnes = 0x1111111111111ull; // bit 0 of each of 13 nibbles
constexpr std::uint32_t kRankBits = 0x1FFF;
constexpr std::uint32_t kAceToFive = 0x100F; // Ace, Two, Three, Four, Five
constexpr std::int64_t kBelowAllRanks = -1;

[[nodiscard]] inline int highestBit(std::uint64_t m) {
    return 63 - __builtin_clzll(m);
}
[[nodiscard]] inline int lowestBit(std::uint64_t m) {
    return __builtin_ctzll(m);
}
// Rank of the highest/lowest nibble that has its bit 0 set.
[[nodiscard]] inline int highestNibble(std::uint64_t m) {
    return highestBit(m) >> 2;
}
[[nodiscard]] inline int lowestNibble(std::uint64_t m) {
    return lowestBit(m) >> 2;
}
[[nodiscard]] inline std::uint64_t nibble(int rank) {
    return std::uint64_t { 1 } << (4 * rank);
}

// What one pass over the seven slots collects.
struct Tally {
    std::uint64_t rankCounts = 0;
    std::uint64_t suitMasks = 0;
    std::uint32_t suitCounts = 0;
    // Ranks 0..12 of slots whose suit lies outside the card range.
    std::uint32_t looseRanks = 0;
    // Ranks above the card range (the placeholders), distinct, descending.
    std::array<std::int64_t, 7> above {};
    int aboveCount = 0;
};

// Hands out the highest ranks of the seven cards one after another, each
// distinct from the ones before, after the excluded ranks 0..12 have been
// taken out of mask; below all ranks once none is left.
class Highs {
public:
    Highs(const Tally& t, std::uint32_t mask)
        : m_tally(t)
        , m_mask(mask) { }
    [[nodiscard]] std::int64_t next() {
        if (m_aboveUsed < m_tally.aboveCount)
            return m_tally.above[m_aboveUsed++];
        if (m_mask == 0)
            return kBelowAllRanks;
        const int r = highestBit(m_mask);
        m_mask ^= 1u << r;
        return r;
    }

private:
    const Tally& m_tally;
    std::uint32_t m_mask;
    int m_aboveUsed = 0;
};

[[nodiscard]] inline HandValue value(std::int64_t score, std::int64_t kicker) {
    return { static_cast<std::int32_t>(score), static_cast<std::int32_t>(kicker) };
}

// Slots holding anything but real cards (the placeholders, or garbage):
// ranks 0..12 are counted, suits 0..3 with them are suited, ranks above 12
// join the highest ranks, anything else is ignored. Rare, so kept apart.
void tallyOutside(Tally& t, const Card& c) {
    const auto r = static_cast<std::uint32_t>(c.rank);
    if (r < 13) {
        t.rankCounts += nibble(c.rank);
        if (static_cast<std::uint32_t>(c.suit) < 4) {
            t.suitMasks |= std::uint64_t { 1 } << (16 * c.suit + c.rank);
            t.suitCounts += 1u << (8 * c.suit);
        } else {
            t.looseRanks |= 1u << c.rank;
        }
        return;
    }
    if (c.rank < 0)
        return;
    int i = 0;
    while (i < t.aboveCount && t.above[i] > c.rank)
        ++i;
    if (i < t.aboveCount && t.above[i] == c.rank)
        return;
    for (int j = t.aboveCount; j > i; --j)
        t.above[j] = t.above[j - 1];
    t.above[i] = c.rank;
    ++t.aboveCount;
}

[[nodiscard]] inline std::uint32_t rankMaskOf(std::uint64_t suitMasks) {
    const std::uint64_t m = suitMasks | (suitMasks >> 32);
    return static_cast<std::uint32_t>(m | (m >> 16)) & kRankBits;
}

// One straight-flush attempt from start rank s in the suit of the first
// slot holding s: the chain counts the suited ranks s+1, s+2, ... present.
[[nodiscard]] bool straightFlushFrom(
    const std::array<Card, 7>& slots, const Tally& t, int s, HandValue& out) {
    std::int32_t suit = -1;
    for (const Card& c : slots) {
        if (c.rank == s) {
            suit = c.suit;
            break;
        }
    }
    if (static_cast<std::uint32_t>(suit) >= 4)
        return false; // a suit outside the card range has no run
    const auto lane = static_cast<std::uint32_t>(t.suitMasks >> (16 * suit)) & kRankBits;
    const int count = __builtin_ctz(~(lane >> (s + 1)));
    const int top = s + count;
    if (count >= 4) {
        out = value(1000, top);
        return true;
    }
    if (count == 3 && top == 3 && (lane & (1u << 12)) != 0) {
        out = value(1000, 3);
        return true;
    }
    return false;
}

// Straight flush (only the lowest start rank and the next one are tried)
// and flush; reached only when some suit holds five or more cards.
[[nodiscard]] HandValue flushHand(const std::array<Card, 7>& slots, const Tally& t,
    std::uint32_t rankMask, std::uint32_t flushBytes) {
    std::uint32_t starts = rankMask & (rankMask >> 1);
    HandValue out;
    if (starts != 0) {
        if (straightFlushFrom(slots, t, __builtin_ctz(starts), out))
            return out;
        starts &= starts - 1;
        if (starts != 0 && straightFlushFrom(slots, t, __builtin_ctz(starts), out))
            return out;
    }
    // Seven cards hold at most one suit five times.
    const int suit = __builtin_ctz(flushBytes) >> 3;
    const int inSuit = static_cast<int>((t.suitCounts >> (8 * suit)) & 0xFF);
    std::uint32_t lane = static_cast<std::uint32_t>(t.suitMasks >> (16 * suit)) & kRankBits;
    std::array<std::int64_t, 7> f {};
    if (__builtin_popcount(lane) == inSuit) {
        for (int i = 0; i < 5; ++i) {
            const int r = highestBit(lane);
            f[i] = r;
            lane ^= 1u << r;
        }
    } else {
        // A card repeated within the suit: its rank counts each time.
        int n = 0;
        for (const Card& c : slots) {
            if (c.suit != suit || static_cast<std::uint32_t>(c.rank) >= 13)
                continue;
            int j = n++;
            for (; j > 0 && f[j - 1] < c.rank; --j)
                f[j] = f[j - 1];
            f[j] = c.rank;
        }
    }
    return value(450 + f[0], 10 * f[1] + f[2] + f[3] + f[4]);
}

// Everything after the flush: straight, then the rank counts.
[[nodiscard]] HandValue byRanks(const Tally& t, std::uint32_t rankMask) {
    // With seven cards at most one run of five can exist, and the two
    // start ranks tried always reach it; the top of the run scores.
    const std::uint32_t fives
        = rankMask & (rankMask >> 1) & (rankMask >> 2) & (rankMask >> 3) & (rankMask >> 4);
    if (fives != 0)
        return value(400 + highestBit(fives) + 4, 0);
    if ((rankMask & kAceToFive) == kAceToFive)
        return value(403, 0);

    const std::uint64_t n = t.rankCounts;
    const std::uint64_t b0 = n & kNibbleOnes;
    const std::uint64_t b1 = (n >> 1) & kNibbleOnes;
    const std::uint64_t b2 = (n >> 2) & kNibbleOnes;
    const std::uint64_t twoOrMore = b1 | b2;

    if (twoOrMore != 0) {
        const std::uint64_t four = b2 & ~(b1 | b0);
        if (four != 0)
            return value(800 + lowestNibble(four), 0);

        const std::uint64_t threeOrMore = b2 | (b1 & b0);
        if (threeOrMore != 0) {
            const int trips = highestNibble(threeOrMore);
            const std::uint64_t pairs = twoOrMore & ~nibble(trips);
            if (pairs != 0)
                return value(500 + trips, 5 * highestNibble(pairs));
            const std::uint64_t three = b1 & b0 & ~b2;
            if (three != 0) {
                const int r = lowestNibble(three);
                Highs highs(t, rankMask & ~(1u << r));
                const std::int64_t k1 = highs.next();
                const std::int64_t k2 = highs.next();
                return value(300 + r, 5 * k1 + k2);
            }
        }

        const int high = highestNibble(twoOrMore);
        const std::uint64_t rest = twoOrMore & ~nibble(high);
        if (rest != 0) {
            const int low = highestNibble(rest);
            Highs highs(t, rankMask & ~(1u << high) & ~(1u << low));
            return value(200 + high, 10 * low + highs.next());
        }

        const std::uint64_t two = b1 & ~(b0 | b2);
        if (two != 0) {
            const int r = lowestNibble(two);
            Highs highs(t, rankMask & ~(1u << r));
            const std::int64_t k1 = highs.next();
            const std::int64_t k2 = highs.next();
            const std::int64_t k3 = highs.next();
            return value(100 + r, 10 * k1 + 3 * k2 + k3);
        }
    }

    Highs highs(t, rankMask);
    const std::int64_t top = highs.next();
    const std::int64_t k1 = highs.next();
    const std::int64_t k2 = highs.next();
    return value(top, 10 * k1 + k2);
}

} // namespace

// One pass over the slots fills the rank counts and the suit masks; the steps
// then run on bit masks. Real cards take the straight path; any slot outside
// the card range sends the whole set through the careful tally.
HandValue evaluate(const std::array<Card, 7>& slots) {
    Tally t;
    bool outside = false;
    for (const Card& c : slots)
        outside |= (static_cast<std::uint32_t>(c.rank) >= 13)
            | (static_cast<std::uint32_t>(c.suit) >= 4);
    if (!outside) {
        for (const Card& c : slots) {
            t.rankCounts += nibble(c.rank);
            t.suitMasks |= std::uint64_t { 1 } << (16 * c.suit + c.rank);
            t.suitCounts += 1u << (8 * c.suit);
        }
    } else {
        for (const Card& c : slots) {
            if (static_cast<std::uint32_t>(c.rank) < 13 && static_cast<std::uint32_t>(c.suit) < 4) {
                t.rankCounts += nibble(c.rank);
                t.suitMasks |= std::uint64_t { 1 } << (16 * c.suit + c.rank);
                t.suitCounts += 1u << (8 * c.suit);
            } else {
                tallyOutside(t, c);
            }
        }
    }

    const std::uint32_t rankMask = rankMaskOf(t.suitMasks) | t.looseRanks;
    // A byte of 5..7 plus 123 sets that byte's top bit.
    const std::uint32_t flushBytes = (t.suitCounts + 0x7B7B7B7Bu) & 0x80808080u;
    if (flushBytes != 0)
        return flushHand(slots, t, rankMask, flushBytes);
    return byRanks(t, rankMask);
}

void evaluateHand(TableState& state) {
    const HandValue v = evaluate(state.evalCards);
    state.handScore = v.score;
    state.kickerValue = v.kicker;
}

} // namespace tavolier
