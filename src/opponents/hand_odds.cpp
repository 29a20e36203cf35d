#include "opponents/hand_odds.h"

#include "evaluation/standard_ranking.h"
#include "opponents/starting_hands.h"

#include <algorithm>
#include <bit>

namespace tavolier {

namespace {

[[nodiscard]] std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

// Four ranks of five in a row, or all five: bit i of the result starts such
// a run (bit 0 the Ace playing low).
[[nodiscard]] std::uint32_t runsOf(std::uint32_t ranks, int need) {
    const std::uint32_t low = (ranks << 1) | ((ranks >> 12) & 1);
    std::uint32_t runs = 0;
    for (int start = 0; start <= 9; ++start) {
        const std::uint32_t window = (low >> start) & 0x1F;
        if (std::popcount(window) >= need)
            runs |= 1U << start;
    }
    return runs;
}

[[nodiscard]] bool straightWith(std::uint32_t ranks, std::uint32_t boardRanks, int need) {
    // A run the hole cards take part in: the board alone does not have it.
    return runsOf(ranks, need) & ~runsOf(boardRanks, need);
}

} // namespace

BoardShape shapeOf(const std::array<Card, 5>& board, int count) {
    BoardShape b;
    b.count = count;
    for (int i = 0; i < count; ++i) {
        const Card c = board[at(i)];
        b.ranks |= 1U << c.rank;
        b.ofRank[at(c.rank)] += 1;
        b.ofSuit[at(c.suit)] += 1;
        b.top = std::max(b.top, c.rank);
    }
    return b;
}

MadeHand madeHand(Card a, Card b, const BoardShape& board) {
    const int na = board.ofRank[at(a.rank)];
    const int nb = board.ofRank[at(b.rank)];
    const bool moreToCome = board.count < 5;
    // Flushes and straights the hole cards take part in.
    const int suitA = board.ofSuit[at(a.suit)] + 1 + (a.suit == b.suit ? 1 : 0);
    const int suitB = board.ofSuit[at(b.suit)] + 1 + (a.suit == b.suit ? 1 : 0);
    const int flushCards = std::max(suitA, suitB);
    const std::uint32_t all = board.ranks | (1U << a.rank) | (1U << b.rank);
    if (flushCards >= 5 || straightWith(all, board.ranks, 5))
        return MadeHand::strong;
    if (a.rank == b.rank) {
        if (na >= 1)
            return MadeHand::strong; // a set
        if (a.rank > board.top)
            return MadeHand::goodPair;
        return MadeHand::weakPair;
    }
    if (na >= 2 || nb >= 2 || (na >= 1 && nb >= 1))
        return MadeHand::strong; // trips or two pairs with both cards
    if (na == 1 || nb == 1) {
        const int pair = na == 1 ? a.rank : b.rank;
        return pair >= board.top ? MadeHand::goodPair : MadeHand::weakPair;
    }
    if (moreToCome && (flushCards == 4 || straightWith(all, board.ranks, 4)))
        return MadeHand::draw;
    return MadeHand::nothing;
}

namespace {

// How likely a hand of this class is the one a seat that played this way
// holds, against a hand it would surely play so (1).
[[nodiscard]] double postflopWeight(MadeHand made, const HandRange& r, bool river) {
    if (r.bets > 0) {
        const bool twice = r.bets >= 2;
        switch (made) {
        case MadeHand::nothing:
            return r.bluffs * (twice ? 0.2 : 0.5) * (river ? 0.6 : 1.0);
        case MadeHand::draw:
            return twice ? 0.35 : 0.6;
        case MadeHand::weakPair:
            return twice ? 0.12 : 0.35;
        case MadeHand::goodPair:
            return twice ? 0.7 : 1.0;
        case MadeHand::strong:
            return 1.0;
        }
    }
    if (r.calls > 0) {
        switch (made) {
        case MadeHand::nothing:
            return river ? 0.1 : 0.2;
        case MadeHand::draw:
        case MadeHand::goodPair:
            return 1.0;
        case MadeHand::weakPair:
            return 0.75;
        case MadeHand::strong:
            return 0.7;
        }
    }
    return 1.0;
}

[[nodiscard]] double weightOf(Card a, Card b, const HandRange& r, const BoardShape& board) {
    double w = startingPercentile(startingHandIndex(a, b)) <= r.top ? 1.0 : r.outside;
    if (board.count >= 3 && (r.bets > 0 || r.calls > 0))
        w *= postflopWeight(madeHand(a, b, board), r, board.count == 5);
    return w;
}

constexpr int kMostTries = 40;

} // namespace

double potShare(const OddsQuestion& q, Random& random) {
    // The cards this seat does not see.
    std::array<Card, 52> deck {};
    int n = 0;
    std::array<bool, 52> known {};
    known[at(q.hole[0].suit * 13 + q.hole[0].rank)] = true;
    known[at(q.hole[1].suit * 13 + q.hole[1].rank)] = true;
    for (int i = 0; i < q.boardCount; ++i)
        known[at(q.board[at(i)].suit * 13 + q.board[at(i)].rank)] = true;
    for (int i = 0; i < 52; ++i) {
        if (!known[at(i)])
            deck[at(n++)] = Card { i / 13, i % 13 };
    }
    const int opponents = std::clamp(q.opponents, 1, 7);
    const BoardShape shape = shapeOf(q.board, q.boardCount);
    const int trials = std::max(q.trials, 1);

    std::array<Card, 7> mine {};
    std::array<Card, 7> theirs {};
    mine[0] = q.hole[0];
    mine[1] = q.hole[1];
    for (int i = 0; i < q.boardCount; ++i)
        mine[at(2 + i)] = q.board[at(i)];
    std::array<std::array<Card, 2>, 7> holes {};

    double won = 0;
    for (int t = 0; t < trials; ++t) {
        int next = 0;
        auto take = [&]() {
            const int j = next + random.below(n - next);
            std::swap(deck[at(next)], deck[at(j)]);
            return deck[at(next++)];
        };
        for (int o = 0; o < opponents; ++o) {
            const int first = next;
            // Drawn until the range accepts a hand; a narrow range that
            // keeps refusing gets the likeliest hand drawn.
            double best = -1;
            for (int attempt = 0;; ++attempt) {
                next = first;
                const Card a = take();
                const Card b = take();
                if (!q.weighted) {
                    holes[at(o)] = { a, b };
                    break;
                }
                const double w = weightOf(a, b, q.ranges[at(o)], shape);
                if (w > best) {
                    best = w;
                    holes[at(o)] = { a, b };
                }
                if (w >= 1.0 || random.below(1000) < static_cast<int>(w * 1000.0)) {
                    holes[at(o)] = { a, b };
                    break;
                }
                if (attempt + 1 >= kMostTries)
                    break;
            }
            // The hand kept must not be dealt again: it goes to the front.
            const auto keep = [&](Card c, int slot) {
                for (int i = first; i < n; ++i) {
                    if (deck[at(i)] == c) {
                        std::swap(deck[at(i)], deck[at(slot)]);
                        return;
                    }
                }
            };
            keep(holes[at(o)][0], first);
            keep(holes[at(o)][1], first + 1);
            next = first + 2;
        }
        for (int i = q.boardCount; i < 5; ++i)
            mine[at(2 + i)] = take();
        const std::uint32_t mineValue = rankStandard(mine).value;
        theirs = mine;
        int tied = 1;
        bool lost = false;
        for (int o = 0; o < opponents && !lost; ++o) {
            theirs[0] = holes[at(o)][0];
            theirs[1] = holes[at(o)][1];
            const std::uint32_t value = rankStandard(theirs).value;
            if (value > mineValue)
                lost = true;
            else if (value == mineValue)
                ++tied;
        }
        if (!lost)
            won += 1.0 / tied;
    }
    return won / trials;
}

} // namespace tavolier
