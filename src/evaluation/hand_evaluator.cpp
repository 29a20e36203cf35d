#include "evaluation/hand_evaluator.h"

#include "evaluation/rank_table.h"
#include "evaluation/rank_table_builder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace tavolier {
namespace {

// Bit layouts of the two words the careful path fills (the hot path packs
// its tally tighter, see ranks::kCardTally) and the steps after the flush read:
//  - counts: rank r's count in the nibble at bits 4r..4r+3 (r = 0..12,
//    bits 0..51), suit s's count in the three bits at 52 + 3s. Seven
//    cards never overflow a field, repeats of one card included.
//  - suitMasks: suit s's 13-bit rank mask at bits 16s..16s+12.
constexpr std::uint64_t kNibbleOnes = 0x1111111111111ull; // bit 0 of each rank nibble
constexpr std::uint32_t kRankBits = 0x1FFF;
constexpr std::uint32_t kAceToFive = 0x100F; // Ace, Two, Three, Four, Five
constexpr int kSuitCountShift = 52;
// Set in suitMasks by a slot whose rank lies in 13..15: not a real card.
constexpr std::uint64_t kOutsideFlag = std::uint64_t { 1 } << 63;
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
// The number of set bits, without the library call that std::popcount
// becomes on processors the build does not assume POPCNT for.
[[nodiscard]] constexpr int bitCount(std::uint32_t x) {
#ifdef __POPCNT__
    return __builtin_popcount(x);
#else
    x -= (x >> 1) & 0x55555555u;
    x = (x & 0x33333333u) + ((x >> 2) & 0x33333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0Fu;
    return static_cast<int>((x * 0x01010101u) >> 24);
#endif
}

[[nodiscard]] constexpr std::uint64_t nibble(int rank) {
    return std::uint64_t { 1 } << (4 * rank);
}

// What each card adds to the two words, indexed by rank * 4 + suit for
// ranks 0..15 and suits 0..3 (ranks 13..15 only raise kOutsideFlag).
struct CardTables {
    std::array<std::uint64_t, 64> counts {};
    std::array<std::uint64_t, 64> suitBits {};
};
constexpr CardTables makeCardTables() {
    CardTables t;
    for (int r = 0; r < 16; ++r) {
        for (int s = 0; s < 4; ++s) {
            const int i = r * 4 + s;
            if (r < 13) {
                t.counts[i] = nibble(r) + (std::uint64_t { 1 } << (kSuitCountShift + 3 * s));
                t.suitBits[i] = std::uint64_t { 1 } << (16 * s + r);
            } else {
                t.suitBits[i] = kOutsideFlag;
            }
        }
    }
    return t;
}
constexpr CardTables kCardTables = makeCardTables();

// Ranks above the card range (the placeholders), distinct, descending.
struct AboveRanks {
    std::array<std::int64_t, 7> ranks {};
    int count = 0;
};

// Hands out the highest ranks of the seven cards one after another, each
// distinct from the ones before, from the ranks above the card range and
// then from mask (real ranks, the excluded ones already taken out); below
// all ranks once none is left.
template <bool kWithAbove> class Highs {
public:
    Highs(const AboveRanks* above, std::uint32_t mask)
        : m_above(above)
        , m_mask(mask) { }
    [[nodiscard]] std::int64_t next() {
        if constexpr (kWithAbove) {
            if (m_aboveUsed < m_above->count)
                return m_above->ranks[m_aboveUsed++];
        }
        if (m_mask == 0)
            return kBelowAllRanks;
        const int r = highestBit(m_mask);
        m_mask ^= 1u << r;
        return r;
    }

private:
    const AboveRanks* m_above;
    std::uint32_t m_mask;
    int m_aboveUsed = 0;
};

[[nodiscard]] inline HandValue value(std::int64_t score, std::int64_t kicker) {
    return { static_cast<std::int32_t>(score), static_cast<std::int32_t>(kicker) };
}

[[nodiscard]] inline std::uint32_t rankMaskOf(std::uint64_t suitMasks) {
    const std::uint64_t m = suitMasks | (suitMasks >> 32);
    return static_cast<std::uint32_t>(m | (m >> 16)) & kRankBits;
}

// Bit 3s set when suit s holds five or more cards, from the four three-bit
// suit counts (a count of 5..7 has its top bit and one other).
[[nodiscard]] inline std::uint32_t flushSuits(std::uint32_t suitCounts) {
    return (suitCounts >> 2) & ((suitCounts >> 1) | suitCounts) & 0x249u;
}

// The suit of the first slot holding each real rank (only ranks some slot
// holds are ever asked for).
using FirstSuits = std::array<std::int32_t, 13>;

[[nodiscard]] FirstSuits firstSuitsOf(const std::array<Card, 7>& slots) {
    FirstSuits first {};
    // Backwards, so that the first slot's suit is written last.
    for (std::size_t i = slots.size(); i-- > 0;) {
        const auto r = static_cast<std::uint32_t>(slots[i].rank);
        if (r < 13)
            first[r] = slots[i].suit;
    }
    return first;
}

// One straight-flush attempt from start rank s in the suit of the first
// slot holding s: the chain counts the suited ranks s+1, s+2, ... present.
[[nodiscard]] bool straightFlushFrom(
    const FirstSuits& first, std::uint64_t suitMasks, int s, HandValue& out) {
    const std::int32_t suit = first[static_cast<std::size_t>(s)];
    if (static_cast<std::uint32_t>(suit) >= 4)
        return false; // a suit outside the card range has no run
    const auto lane = static_cast<std::uint32_t>(suitMasks >> (16 * suit)) & kRankBits;
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

// The flush of every rank mask with five or more ranks: the top rank in the
// high byte, the kicker (ten times the second rank plus the next three) in
// the low byte.
constexpr std::array<std::uint16_t, 1U << 13> kFlushOfRanks = [] {
    std::array<std::uint16_t, 1U << 13> flushes {};
    for (std::uint32_t mask = 0; mask < flushes.size(); ++mask) {
        std::array<int, 5> top {};
        int found = 0;
        for (int r = 12; r >= 0 && found < 5; --r)
            if ((mask >> r) & 1U)
                top[static_cast<std::size_t>(found++)] = r;
        if (found == 5)
            flushes[mask] = static_cast<std::uint16_t>(
                (top[0] << 8) | (10 * top[1] + top[2] + top[3] + top[4]));
    }
    return flushes;
}();

// The flush of a suit whose ranks are lane, no card repeated in it.
[[nodiscard]] HandValue plainFlush(std::uint32_t lane) {
    const std::uint32_t flush = kFlushOfRanks[lane];
    return value(450 + (flush >> 8), flush & 0xFF);
}

// Straight flush (only the lowest start rank and the next one are tried)
// and flush; reached only when some suit holds five or more cards.
[[nodiscard, gnu::noinline]] HandValue flushHand(const std::array<Card, 7>& slots,
    std::uint32_t suitCounts, std::uint64_t suitMasks, std::uint32_t rankMask,
    std::uint32_t flushes) {
    std::uint32_t starts = rankMask & (rankMask >> 1);
    HandValue out;
    if (starts != 0) {
        const FirstSuits first = firstSuitsOf(slots);
        if (straightFlushFrom(first, suitMasks, __builtin_ctz(starts), out))
            return out;
        starts &= starts - 1;
        if (starts != 0 && straightFlushFrom(first, suitMasks, __builtin_ctz(starts), out))
            return out;
    }
    // Seven cards hold at most one suit five times.
    const int suit = __builtin_ctz(flushes) / 3;
    const int inSuit = static_cast<int>((suitCounts >> (3 * suit)) & 7);
    const std::uint32_t lane = static_cast<std::uint32_t>(suitMasks >> (16 * suit)) & kRankBits;
    if (bitCount(lane) == inSuit)
        return plainFlush(lane);
    // A card repeated within the suit: its rank counts each time.
    std::array<std::int64_t, 7> f {};
    int n = 0;
    for (const Card& c : slots) {
        if (c.suit != suit || static_cast<std::uint32_t>(c.rank) >= 13)
            continue;
        int j = n++;
        for (; j > 0 && f[j - 1] < c.rank; --j)
            f[j] = f[j - 1];
        f[j] = c.rank;
    }
    return value(450 + f[0], 10 * f[1] + f[2] + f[3] + f[4]);
}

// Everything after the flush: straight, then the rank counts.
template <bool kWithAbove>
[[nodiscard]] HandValue byRanks(
    std::uint64_t counts, std::uint32_t rankMask, const AboveRanks* above) {
    // With seven cards at most one run of five can exist, and the two
    // start ranks tried always reach it; the top of the run scores.
    const std::uint32_t fives
        = rankMask & (rankMask >> 1) & (rankMask >> 2) & (rankMask >> 3) & (rankMask >> 4);
    if (fives != 0)
        return value(400 + highestBit(fives) + 4, 0);
    if ((rankMask & kAceToFive) == kAceToFive)
        return value(403, 0);

    const std::uint64_t b0 = counts & kNibbleOnes;
    const std::uint64_t b1 = (counts >> 1) & kNibbleOnes;
    const std::uint64_t b2 = (counts >> 2) & kNibbleOnes;
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
                Highs<kWithAbove> highs(above, rankMask & ~(1u << r));
                const std::int64_t k1 = highs.next();
                const std::int64_t k2 = highs.next();
                return value(300 + r, 5 * k1 + k2);
            }
        }

        const int high = highestNibble(twoOrMore);
        const std::uint64_t rest = twoOrMore & ~nibble(high);
        if (rest != 0) {
            const int low = highestNibble(rest);
            Highs<kWithAbove> highs(above, rankMask & ~(1u << high) & ~(1u << low));
            return value(200 + high, 10 * low + highs.next());
        }

        const std::uint64_t two = b1 & ~(b0 | b2);
        if (two != 0) {
            const int r = lowestNibble(two);
            Highs<kWithAbove> highs(above, rankMask & ~(1u << r));
            const std::int64_t k1 = highs.next();
            const std::int64_t k2 = highs.next();
            const std::int64_t k3 = highs.next();
            return value(100 + r, 10 * k1 + 3 * k2 + k3);
        }
    }

    Highs<kWithAbove> highs(above, rankMask);
    const std::int64_t top = highs.next();
    const std::int64_t k1 = highs.next();
    const std::int64_t k2 = highs.next();
    return value(top, 10 * k1 + k2);
}

// Slots holding anything but real cards (the placeholders, or garbage):
// ranks 0..12 are counted, suited when the suit is 0..3; ranks above 12
// join the highest ranks; negative ranks are ignored.
[[nodiscard, gnu::noinline, gnu::cold]] HandValue evaluateOutside(
    const std::array<Card, 7>& slots) {
    std::uint64_t counts = 0;
    std::uint64_t suitMasks = 0;
    std::uint32_t looseRanks = 0;
    AboveRanks above;
    for (const Card& c : slots) {
        const auto r = static_cast<std::uint32_t>(c.rank);
        if (r < 13) {
            const auto s = static_cast<std::uint32_t>(c.suit);
            if (s < 4) {
                counts += kCardTables.counts[r * 4 + s];
                suitMasks |= kCardTables.suitBits[r * 4 + s];
            } else {
                counts += nibble(c.rank);
                looseRanks |= 1u << r;
            }
            continue;
        }
        if (c.rank < 0)
            continue;
        int i = 0;
        while (i < above.count && above.ranks[i] > c.rank)
            ++i;
        if (i < above.count && above.ranks[i] == c.rank)
            continue;
        for (int j = above.count; j > i; --j)
            above.ranks[j] = above.ranks[j - 1];
        above.ranks[i] = c.rank;
        ++above.count;
    }
    const std::uint32_t rankMask = rankMaskOf(suitMasks) | looseRanks;
    const auto suitCounts = static_cast<std::uint32_t>(counts >> kSuitCountShift);
    if (const std::uint32_t flushes = flushSuits(suitCounts); flushes != 0)
        return flushHand(slots, suitCounts, suitMasks, rankMask, flushes);
    return byRanks<true>(counts, rankMask, &above);
}

// Packed rank counts of every multiset of `left` more cards over ranks
// `rank`..12.
void collectKeys(std::vector<std::uint64_t>& keys, int rank, int left, std::uint64_t key) {
    if (rank == 12) {
        keys.push_back(key + (static_cast<std::uint64_t>(left) << (3 * 12)));
        return;
    }
    for (int n = 0; n <= left; ++n)
        collectKeys(keys, rank + 1, left - n, key + (static_cast<std::uint64_t>(n) << (3 * rank)));
}

// The score of the ranks in key, as if the suits were dealt round so no
// flush forms, packed into a rank-table slot.
[[nodiscard]] std::uint16_t packedValue(std::uint64_t key) {
    std::uint64_t nibbles = 0;
    std::uint32_t rankMask = 0;
    for (int r = 0; r < 13; ++r) {
        const std::uint64_t n = (key >> (3 * r)) & 7;
        nibbles += n << (4 * r);
        if (n != 0)
            rankMask |= 1u << r;
    }
    const HandValue v = byRanks<false>(nibbles, rankMask, nullptr);
    std::size_t place = 0;
    while (place < 91 && ranks::kScores[place] != v.score)
        ++place;
    const std::int32_t kicker = v.kicker + ranks::kKickerOffset;
    constexpr std::int32_t kSlotKickers = 1 << (16 - ranks::kPlaceBits);
    if (place == 91 || kicker < 0 || kicker >= kSlotKickers)
        std::abort(); // cannot happen for seven real ranks
    return static_cast<std::uint16_t>(
        place | (static_cast<std::size_t>(kicker) << ranks::kPlaceBits));
}

// Places the buckets, fullest first. A bucket's displacement is sought
// among those that send its first key to a free slot (one per free slot,
// so a nearly full table needs few tries); the first that finds free,
// distinct slots for all its keys is kept.
[[nodiscard]] bool placeKeys(const std::vector<std::uint64_t>& keys, ranks::RankSlots& table) {
    using ranks::kBucketBits;
    using ranks::slotOf;
    // The rank hash of the rank counts in key, as a hand's tally carries it.
    const auto hashOf = [](std::uint64_t key) {
        std::uint64_t hash = 0;
        for (std::size_t r = 0; r < 13; ++r)
            hash += ((key >> (3 * r)) & 7) * ranks::kRankHash[r];
        return hash;
    };
    constexpr std::size_t kBuckets = std::size_t { 1 } << kBucketBits;
    constexpr std::size_t kSlots = std::size_t { 1 } << ranks::kSlotBits;
    // The keys' products grouped by bucket (a counting sort).
    std::vector<std::uint64_t> hashes(keys.size());
    std::vector<std::uint64_t> sortedKeys(keys.size());
    std::vector<std::size_t> first(kBuckets + 1, 0);
    for (std::uint64_t key : keys)
        ++first[(hashOf(key) >> (64 - kBucketBits)) + 1];
    for (std::size_t b = 0; b < kBuckets; ++b)
        first[b + 1] += first[b];
    std::vector<std::size_t> fill(first.begin(), first.end() - 1);
    for (std::uint64_t key : keys) {
        const std::uint64_t h = hashOf(key);
        const std::size_t at = fill[h >> (64 - kBucketBits)]++;
        hashes[at] = h;
        sortedKeys[at] = key;
    }
    std::vector<std::size_t> order(kBuckets);
    for (std::size_t b = 0; b < kBuckets; ++b)
        order[b] = b;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
        return first[x + 1] - first[x] > first[y + 1] - first[y];
    });

    // Free slots in a list with each slot's place in it, for quick removal.
    std::vector<std::uint32_t> freeSlots(kSlots);
    std::vector<std::uint32_t> placeOf(kSlots);
    for (std::uint32_t i = 0; i < kSlots; ++i)
        freeSlots[i] = placeOf[i] = i;
    std::vector<std::uint8_t> used(kSlots, 0);
    auto take = [&](std::size_t slot) {
        used[slot] = 1;
        const std::uint32_t last = freeSlots.back();
        freeSlots[placeOf[slot]] = last;
        placeOf[last] = placeOf[slot];
        freeSlots.pop_back();
    };

    std::array<std::size_t, 64> chosen {};
    for (std::size_t b : order) {
        const std::size_t begin = first[b];
        const std::size_t size = first[b + 1] - begin;
        if (size == 0)
            break;
        if (size > chosen.size())
            return false;
        const std::size_t base = slotOf(hashes[begin], 0);
        bool placed = false;
        for (std::size_t f = 0; f < freeSlots.size() && !placed; ++f) {
            const auto d = static_cast<std::uint16_t>(base ^ freeSlots[f]);
            placed = true;
            for (std::size_t i = 0; i < size && placed; ++i) {
                chosen[i] = slotOf(hashes[begin + i], d);
                placed = used[chosen[i]] == 0;
                for (std::size_t j = 0; j < i && placed; ++j)
                    placed = chosen[j] != chosen[i];
            }
            if (placed) {
                table.displacement[b] = d;
                for (std::size_t i = 0; i < size; ++i) {
                    take(chosen[i]);
                    table.slots[chosen[i]] = packedValue(sortedKeys[begin + i]);
                }
            }
        }
        if (!placed)
            return false;
    }
    return true;
}

// The suit masks the flush steps need, gathered again from the slots.
[[nodiscard]] std::uint64_t suitMasksOf(const std::array<Card, 7>& slots) {
    std::uint64_t suitMasks = 0;
    for (const Card& c : slots)
        suitMasks |= kCardTables.suitBits[(static_cast<std::uint32_t>(c.rank) * 4
                                              + static_cast<std::uint32_t>(c.suit))
            & 63];
    return suitMasks;
}

// Real cards of which one suit holds five or more. Without five ranks in a
// run (or Ace to Five) in that suit no straight flush can be found, and,
// with no card repeated in it, the flush is the table's for the suit's
// ranks; any other set takes the full steps.
[[nodiscard]] HandValue realFlush(const std::array<Card, 7>& slots, std::uint64_t packed) {
    const int suit = __builtin_ctzll(packed & ranks::kFlush) / 4;
    const int inSuit = static_cast<int>((packed >> (4 * suit)) & 0xF) - 3;
    std::uint32_t lane = 0;
    for (const Card& c : slots)
        lane |= static_cast<std::uint32_t>(c.suit == suit) << (c.rank & 15);
    const std::uint32_t runs = lane & (lane >> 1) & (lane >> 2) & (lane >> 3) & (lane >> 4);
    if (runs != 0 || (lane & kAceToFive) == kAceToFive || bitCount(lane) != inSuit) [[unlikely]] {
        const std::uint64_t suitMasks = suitMasksOf(slots);
        std::uint32_t suitCounts = 0; // three bits per suit, as flushHand reads them
        for (int s = 0; s < 4; ++s)
            suitCounts |= static_cast<std::uint32_t>(((packed >> (4 * s)) & 0xF) - 3) << (3 * s);
        return flushHand(
            slots, suitCounts, suitMasks, rankMaskOf(suitMasks), flushSuits(suitCounts));
    }
    return plainFlush(lane);
}

} // namespace

namespace ranks {

bool buildRankSlots(RankSlots& table) {
    std::vector<std::uint64_t> keys;
    keys.reserve(50388);
    collectKeys(keys, 0, 7, 0);
    return placeKeys(keys, table);
}

} // namespace ranks

namespace detail {

HandValue evaluateUnusual(
    const std::array<Card, 7>& slots, std::uint64_t raw, std::uint64_t tally) {
    if ((raw & kNotACard) != 0 || (tally & ranks::kOutside) != 0)
        return evaluateOutside(slots);
    return realFlush(slots, tally);
}

} // namespace detail

} // namespace tavolier
