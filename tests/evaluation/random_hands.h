#pragma once

#include "core/card.h"

#include <array>
#include <cstdint>

namespace tavolier::testing {

// A small self-contained generator for test and benchmark hands, so that the
// sets drawn from a seed never change when the game's generator does.
class HandSource {
public:
    explicit HandSource(std::uint64_t seed)
        : m_state(seed) { }

    [[nodiscard]] std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    [[nodiscard]] int below(int n) {
        return static_cast<int>(next() % static_cast<std::uint64_t>(n));
    }

    [[nodiscard]] Card anyCard() {
        const int c = below(52);
        return { c / 13, c % 13 };
    }

    // Seven different cards, a partial shuffle of a full deck.
    [[nodiscard]] std::array<Card, 7> distinct() {
        std::array<int, 52> deck {};
        for (int i = 0; i < 52; ++i)
            deck[i] = i;
        std::array<Card, 7> slots {};
        for (int i = 0; i < 7; ++i) {
            const int j = i + below(52 - i);
            std::swap(deck[i], deck[j]);
            slots[i] = { deck[i] / 13, deck[i] % 13 };
        }
        return slots;
    }

    // Seven cards drawn independently, as from a deck from which nothing is
    // removed; repeats are likely enough to matter.
    [[nodiscard]] std::array<Card, 7> withRepeats() {
        std::array<Card, 7> slots {};
        for (Card& c : slots)
            c = anyCard();
        return slots;
    }

    // Seven cards crowded into few suits and a narrow window of ranks (the
    // Ace sometimes beside the Two), so that runs, flushes, straight flushes,
    // full houses and repeats of every kind come up often.
    [[nodiscard]] std::array<Card, 7> crowded() {
        const int suits = 1 + below(3);
        const int width = 4 + below(4);
        const int low = below(14 - width) - 1; // -1 lets the Ace stand below the Two
        std::array<Card, 7> slots {};
        for (Card& c : slots) {
            const int r = low + below(width);
            c = { below(suits), r < 0 ? 12 : r };
        }
        return slots;
    }

    // Five cards of one of the kinds above, then the two placeholders in
    // slots 5 and 6.
    [[nodiscard]] std::array<Card, 7> withPlaceholders() {
        const int kind = below(3);
        std::array<Card, 7> slots = kind == 0 ? distinct() : kind == 1 ? withRepeats() : crowded();
        slots[5] = kPlaceholderA;
        slots[6] = kPlaceholderB;
        return slots;
    }

    // The mix of the differential runs: one kind chosen at random per set.
    [[nodiscard]] std::array<Card, 7> mixed() {
        switch (below(4)) {
        case 0:
            return distinct();
        case 1:
            return withRepeats();
        case 2:
            return crowded();
        default:
            return withPlaceholders();
        }
    }

private:
    std::uint64_t m_state;
};

} // namespace tavolier::testing
