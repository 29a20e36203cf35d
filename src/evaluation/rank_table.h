#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

// The evaluator's hot path, shared with the opponents' trial loop: a hand of
// real cards is tallied into one 64-bit word, and a hand without a flush is
// scored from that word's rank counts by one look-up in the rank table.
namespace tavolier::ranks {

// The tally of a hand, one word:
//  - bits 4s..4s+3: three plus the count of suit s, so that bit 4s + 3 is set
//    exactly when the suit holds five or more cards;
//  - bits 16..19: the number of slots with a rank of 13..15 (not real cards);
//  - bits 20..26: the sum of the ranks (one card's rank alone in bits 20..23);
//  - bits 27..63: the rank hash, the sum of a random word per rank held
//    (each with bits 0..26 clear, so nothing below carries into it). It
//    depends on the rank counts alone and finds them in the rank table.
// Seven cards never overflow a field, repeats of one card included.
inline constexpr int kRankCodeShift = 20;
inline constexpr int kHashShift = 27;
inline constexpr std::uint64_t kStart = 0x3333;
inline constexpr std::uint64_t kFlush = 0x8888;
inline constexpr std::uint64_t kOutside = 0xF0000;

// The random word of each rank.
inline constexpr std::array<std::uint64_t, 13> kRankHash = [] {
    std::array<std::uint64_t, 13> h {};
    std::uint64_t x = 0x7A401E6ull; // a seed for which the rank table places every key
    for (std::uint64_t& word : h) {
        x += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = x;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        word = (z ^ (z >> 31)) & ~((std::uint64_t { 1 } << kHashShift) - 1);
    }
    return h;
}();

// A card's code: rank * 4 + suit, 0..51 for the real cards.
[[nodiscard]] constexpr unsigned cardCode(std::int32_t suit, std::int32_t rank) {
    return static_cast<unsigned>(rank) * 4U + static_cast<unsigned>(suit);
}

// What each card adds to the tally, by code (ranks 0..15).
inline constexpr std::array<std::uint64_t, 64> kCardTally = [] {
    std::array<std::uint64_t, 64> t {};
    for (int r = 0; r < 16; ++r)
        for (int s = 0; s < 4; ++s)
            t[static_cast<std::size_t>(r * 4 + s)] = r < 13 ? kRankHash[static_cast<std::size_t>(r)]
                    + (static_cast<std::uint64_t>(r) << kRankCodeShift)
                    + (std::uint64_t { 1 } << (4 * s))
                                                            : std::uint64_t { 1 } << 16;
    return t;
}();

// A real card's suit and rank from what it adds to the tally.
[[nodiscard]] constexpr int suitOfTally(std::uint64_t cardTally) {
    return __builtin_ctzll(cardTally & 0xFFFF) / 4;
}
[[nodiscard]] constexpr int rankOfTally(std::uint64_t cardTally) {
    return static_cast<int>((cardTally >> kRankCodeShift) & 0xF);
}

// Every score seven real ranks without a flush can make (91 of them; the
// rest pads the array to every seven-bit place).
inline constexpr std::array<std::int32_t, 128> kScores = [] {
    std::array<std::int32_t, 128> scores {};
    std::size_t i = 0;
    for (std::int32_t base : { 0, 100, 200, 300, 400, 500, 800 })
        for (std::int32_t r = 0; r < 13; ++r)
            scores[i++] = base + r;
    return scores;
}();

// Kicker values of seven ranks run from -11 (one card seven times) up.
inline constexpr std::int32_t kKickerOffset = 11;

// The scores of all 50388 ways to hold seven ranks (repeats of one card
// included), found through a perfect hash of the rank hash: its top bits
// pick a bucket and the bits below a slot; each bucket holds a displacement
// that sends its few keys to slots of their own. A slot holds the score's
// place in kScores in its low seven bits and the kicker value plus
// kKickerOffset above them.
inline constexpr int kBucketBits = 13;
inline constexpr int kSlotBits = 16;
static_assert(kBucketBits + kSlotBits <= 64 - kHashShift);

struct alignas(64) RankSlots {
    std::array<std::uint16_t, std::size_t { 1 } << kBucketBits> displacement {};
    std::array<std::uint16_t, std::size_t { 1 } << kSlotBits> slots {};
};

// Filled by buildRankSlots(), once, on the first evaluation.
extern RankSlots g_rankSlots;
extern std::atomic<bool> g_rankSlotsReady;
void buildRankSlots();

inline void prepareRankSlots() {
    if (!g_rankSlotsReady.load(std::memory_order_acquire)) [[unlikely]]
        buildRankSlots();
}

[[nodiscard]] constexpr std::size_t slotOf(std::uint64_t hash, std::uint16_t displacement) {
    return static_cast<std::size_t>((hash >> (64 - kBucketBits - kSlotBits)) & 0xFFFF)
        ^ displacement;
}

// The packed slot of a tally of seven real cards without a flush (after
// prepareRankSlots()).
[[nodiscard]] inline std::uint16_t slotFor(std::uint64_t tally) {
    return g_rankSlots.slots[slotOf(tally, g_rankSlots.displacement[tally >> (64 - kBucketBits)])];
}

[[nodiscard]] inline std::int32_t scoreOfSlot(std::uint32_t slot) {
    return kScores[slot & 0x7F];
}
[[nodiscard]] inline std::int32_t kickerOfSlot(std::uint32_t slot) {
    return static_cast<std::int32_t>(slot >> 7) - kKickerOffset;
}

} // namespace tavolier::ranks
