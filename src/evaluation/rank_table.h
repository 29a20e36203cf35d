#pragma once

#include <array>
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
//  - bits 32..63: the rank hash, the sum (modulo 2^32) of a word per rank
//    held. It depends on the rank counts alone and finds them in the rank
//    table. Nothing below carries into it.
// Seven cards never overflow a field, repeats of one card included. The
// vector tally of the evaluator fills only the suit counts and the rank hash.
inline constexpr int kRankCodeShift = 20;
inline constexpr int kHashShift = 32;
inline constexpr std::uint64_t kStart = 0x3333;
inline constexpr std::uint64_t kFlush = 0x8888;
inline constexpr std::uint64_t kOutside = 0xF0000;

// A rank's hash word comes from two shifts of two constants, which vector
// code computes for eight cards at once. With these two every key of the
// rank table finds a slot.
inline constexpr std::uint32_t kHashLeft = 0xA1B965F4;
inline constexpr std::uint32_t kHashRight = 0x6E789E6A;

[[nodiscard]] constexpr std::uint32_t rankHash(int rank) {
    return (kHashLeft << rank) ^ (kHashRight >> rank);
}

// Each rank's hash word, in place in the tally.
inline constexpr std::array<std::uint64_t, 13> kRankHash = [] {
    std::array<std::uint64_t, 13> h {};
    for (int r = 0; r < 13; ++r)
        h[static_cast<std::size_t>(r)] = std::uint64_t { rankHash(r) } << kHashShift;
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

// Kicker values of seven ranks run from -11 (one card seven times) up to
// 163; a slot holds kicker + kKickerOffset above the score's place.
inline constexpr std::int32_t kKickerOffset = 11;
inline constexpr int kPlaceBits = 7;
inline constexpr std::uint32_t kPlaceMask = (1U << kPlaceBits) - 1;

// A score's place in kScores as the two halves of an evaluation (score in
// the low half, kicker in the high half) less the kicker offset, so that
// adding a slot's kicker bits in the high half gives the evaluation.
inline constexpr std::array<std::uint64_t, 128> kScoreWords = [] {
    std::array<std::uint64_t, 128> words {};
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = static_cast<std::uint32_t>(kScores[i])
            - (static_cast<std::uint64_t>(kKickerOffset) << 32);
    return words;
}();

// The scores of all 50388 ways to hold seven ranks (repeats of one card
// included), found through a perfect hash of the rank hash: its top bits
// pick a bucket and the bits below a slot; each bucket holds a displacement
// that sends its few keys to slots of their own. A slot holds the score's
// place in kScores in its low kPlaceBits and the kicker value plus
// kKickerOffset above them.
inline constexpr int kBucketBits = 13;
inline constexpr int kSlotBits = 16;
static_assert(kBucketBits + kSlotBits <= 64 - kHashShift);

struct alignas(64) RankSlots {
    std::array<std::uint16_t, std::size_t { 1 } << kBucketBits> displacement {};
    std::array<std::uint16_t, std::size_t { 1 } << kSlotBits> slots {};
};

// Constant data, generated when the program is built (see
// rank_table_builder.h): nothing runs before main to fill it.
extern const RankSlots g_rankSlots;

[[nodiscard]] constexpr std::size_t slotOf(std::uint64_t hash, std::uint16_t displacement) {
    return static_cast<std::size_t>((hash >> (64 - kBucketBits - kSlotBits)) & 0xFFFF)
        ^ displacement;
}

// The packed slot of a tally of seven real cards without a flush.
[[nodiscard]] inline std::uint16_t slotFor(std::uint64_t tally) {
    return g_rankSlots.slots[slotOf(tally, g_rankSlots.displacement[tally >> (64 - kBucketBits)])];
}

[[nodiscard]] inline std::int32_t scoreOfSlot(std::uint32_t slot) {
    return kScores[slot & kPlaceMask];
}
// The whole evaluation of a slot: score in the low half, kicker in the high.
[[nodiscard]] inline std::uint64_t wordOfSlot(std::uint32_t slot) {
    return kScoreWords[slot & kPlaceMask] + (std::uint64_t { slot >> kPlaceBits } << 32);
}

} // namespace tavolier::ranks
