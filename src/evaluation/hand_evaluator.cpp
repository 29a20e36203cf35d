#include "evaluation/hand_evaluator.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>

namespace tavolier {
namespace {

using Slots = std::array<Card, 7>;

// A rank search that finds nothing keeps its starting value, which lies
// below all ranks.
constexpr std::int64_t kBelowAllRanks = -1;

bool someCardHasRank(const Slots& slots, std::int64_t rank) {
    for (const Card& c : slots)
        if (c.rank == rank)
            return true;
    return false;
}

bool someCardHasRankInSuit(const Slots& slots, std::int64_t rank, std::int32_t suit) {
    for (const Card& c : slots)
        if (c.rank == rank && c.suit == suit)
            return true;
    return false;
}

// A start rank is a rank held by some card such that some card (of any
// suit) holds the next rank. Finds the lowest one, skipping `excluded`.
bool lowestStartRank(
    const Slots& slots, bool hasExcluded, std::int64_t excluded, std::int64_t& out) {
    bool found = false;
    for (int i = 0; i < 7; ++i) {
        const std::int64_t r = slots[i].rank;
        if (hasExcluded && r == excluded)
            continue;
        if (!someCardHasRank(slots, r + 1))
            continue;
        if (!found || r < out) {
            out = r;
            found = true;
        }
    }
    return found;
}

std::int32_t suitOfFirstSlotHolding(const Slots& slots, std::int64_t rank) {
    for (int i = 0; i < 7; ++i)
        if (slots[i].rank == rank)
            return slots[i].suit;
    return 0; // not reached: the rank was taken from a slot
}

struct Chain {
    int count = 0;
    std::int64_t current = 0;
};

// Seven times: look through the slots in order for a card one rank above
// current (in suit when one is given); at the first, count it and move on.
Chain countChain(const Slots& slots, std::int64_t start, bool suited, std::int32_t suit) {
    Chain chain { 0, start };
    for (int step = 0; step < 7; ++step) {
        for (int i = 0; i < 7; ++i) {
            if (slots[i].rank == chain.current + 1 && (!suited || slots[i].suit == suit)) {
                ++chain.count;
                chain.current = slots[i].rank;
                break;
            }
        }
    }
    return chain;
}

int rankCount(const Slots& slots, int rank) {
    int n = 0;
    for (const Card& c : slots)
        if (c.rank == rank)
            ++n;
    return n;
}

// The highest rank among the seven cards after excluding every card of the
// given ranks.
std::int64_t highestRankOther(const Slots& slots, std::initializer_list<std::int64_t> excluded) {
    std::int64_t best = kBelowAllRanks;
    for (const Card& c : slots) {
        if (std::find(excluded.begin(), excluded.end(), std::int64_t { c.rank }) != excluded.end())
            continue;
        best = std::max(best, std::int64_t { c.rank });
    }
    return best;
}

// Highest rank 0..12 held by `minimum` or more cards, other than `other`.
std::int64_t highestRankHeldBy(const Slots& slots, int minimum, std::int64_t other) {
    for (int r = 12; r >= 0; --r)
        if (r != other && rankCount(slots, r) >= minimum)
            return r;
    return kBelowAllRanks;
}

// Lowest rank 0..12 held by exactly `count` cards.
std::int64_t lowestRankHeldByExactly(const Slots& slots, int count) {
    for (int r = 0; r <= 12; ++r)
        if (rankCount(slots, r) == count)
            return r;
    return kBelowAllRanks;
}

HandValue value(std::int64_t score, std::int64_t kicker) {
    return { static_cast<std::int32_t>(score), static_cast<std::int32_t>(kicker) };
}

// One straight-flush (suited) or straight (unsuited) attempt from start
// rank s; true when it scores.
bool tryRun(const Slots& slots, std::int64_t s, bool suited, HandValue& out) {
    const std::int32_t suit = suited ? suitOfFirstSlotHolding(slots, s) : 0;
    const Chain chain = countChain(slots, s, suited, suit);
    if (chain.count >= 4) {
        out = suited ? value(1000, chain.current) : value(400 + chain.current, 0);
        return true;
    }
    if (chain.count == 3 && chain.current == 3) {
        const bool ace
            = suited ? someCardHasRankInSuit(slots, 12, suit) : someCardHasRank(slots, 12);
        if (ace) {
            out = suited ? value(1000, 3) : value(403, 0);
            return true;
        }
    }
    return false;
}

// Steps 2 and 3 (suited) or step 5 (unsuited): only the lowest start rank
// and the lowest one different from it are ever tried.
bool tryRuns(const Slots& slots, bool suited, HandValue& out) {
    std::int64_t s1 = 0;
    const bool first = lowestStartRank(slots, false, 0, s1);
    if (first && tryRun(slots, s1, suited, out))
        return true;
    if (!first)
        return false; // no start rank at all: the second attempt finds none either
    std::int64_t s2 = 0;
    if (lowestStartRank(slots, true, s1, s2) && tryRun(slots, s2, suited, out))
        return true;
    return false;
}

} // namespace

HandValue evaluate(const Slots& slots) {
    HandValue out { 0, 0 };

    // Straight flush, two attempts.
    if (tryRuns(slots, true, out))
        return out;

    // Flush: the first slot whose suit is held by five or more cards.
    for (int i = 0; i < 7; ++i) {
        int n = 0;
        for (const Card& c : slots)
            if (c.suit == slots[i].suit)
                ++n;
        if (n >= 5) {
            std::array<std::int64_t, 7> ranks {};
            int k = 0;
            for (const Card& c : slots)
                if (c.suit == slots[i].suit) {
                    // insertion keeps the ranks in descending order
                    int j = k++;
                    for (; j > 0 && ranks[j - 1] < c.rank; --j)
                        ranks[j] = ranks[j - 1];
                    ranks[j] = c.rank;
                }
            return value(450 + ranks[0], 10 * ranks[1] + ranks[2] + ranks[3] + ranks[4]);
        }
    }

    // Straight, two attempts, suits ignored.
    if (tryRuns(slots, false, out))
        return out;

    // Four of a kind: the first rank held by exactly four cards.
    for (int r = 0; r <= 12; ++r)
        if (rankCount(slots, r) == 4)
            return value(800 + r, 0);

    // Full house.
    const std::int64_t trips = highestRankHeldBy(slots, 3, kBelowAllRanks);
    if (trips != kBelowAllRanks) {
        const std::int64_t pair = highestRankHeldBy(slots, 2, trips);
        if (pair != kBelowAllRanks)
            return value(500 + trips, 5 * pair);
    }

    // Three of a kind: the lowest rank held by exactly three cards.
    const std::int64_t t = lowestRankHeldByExactly(slots, 3);
    if (t != kBelowAllRanks) {
        const std::int64_t k1 = highestRankOther(slots, { t });
        const std::int64_t k2 = highestRankOther(slots, { t, k1 });
        return value(300 + t, 5 * k1 + k2);
    }

    // Two pairs.
    const std::int64_t high = highestRankHeldBy(slots, 2, kBelowAllRanks);
    if (high != kBelowAllRanks) {
        const std::int64_t low = highestRankHeldBy(slots, 2, high);
        if (low != kBelowAllRanks) {
            const std::int64_t k = highestRankOther(slots, { high, low });
            return value(200 + high, 10 * low + k);
        }
    }

    // One pair: the lowest rank held by exactly two cards.
    const std::int64_t p = lowestRankHeldByExactly(slots, 2);
    if (p != kBelowAllRanks) {
        const std::int64_t k1 = highestRankOther(slots, { p });
        const std::int64_t k2 = highestRankOther(slots, { p, k1 });
        const std::int64_t k3 = highestRankOther(slots, { p, k1, k2 });
        return value(100 + p, 10 * k1 + 3 * k2 + k3);
    }

    // High card.
    const std::int64_t top = highestRankOther(slots, {});
    const std::int64_t k1 = highestRankOther(slots, { top });
    const std::int64_t k2 = highestRankOther(slots, { top, k1 });
    return value(top, 10 * k1 + k2);
}

} // namespace tavolier

namespace tavolier {

void evaluateHand(TableState& state) {
    const HandValue v = evaluate(state.evalCards);
    state.handScore = v.score;
    state.kickerValue = v.kicker;
}

} // namespace tavolier
