#pragma once

#include "core/card.h"
#include "evaluation/rank_table.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__AVX2__)
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tavolier {

// The evaluator's result: the category base (0, 100, 200, 300, 400, 450, 500,
// 800, 1000) plus a rank, and the weighted kicker value that orders hands of
// equal score.
struct HandValue {
    // score first: the evaluator builds the pair as one 64-bit word.
    std::int32_t score = 0;
    std::int32_t kicker = 0;
    friend constexpr bool operator==(const HandValue&, const HandValue&) = default;
};

// The value by which the showdown ranks a hand: its score weighs 130 times
// its kicker value. In 64 bits, so that no score overflows it.
[[nodiscard]] constexpr std::int64_t showdownValue(std::int32_t score, std::int32_t kicker) {
    return static_cast<std::int64_t>(score) * 130 + kicker;
}

namespace detail {

// The sets the rank table does not score: a slot outside the card range
// (raw shows it: the slots' words ORed, or kNotACard itself), or five or
// more cards of a suit (in the tally's suit counts).
[[nodiscard, gnu::noinline]] HandValue evaluateUnusual(
    const std::array<Card, 7>& slots, std::uint64_t raw, std::uint64_t tally);

// The bits no real card sets in its 64-bit word (suit < 4, rank < 16).
inline constexpr std::uint64_t kNotACard = 0xFFFFFFF0FFFFFFFCull;

// Brings the suit (bits 0..1 of a card's word) to bits 58..59 and the rank
// (bits 32..35) to bits 60..63.
inline constexpr std::uint64_t kCodeMultiplier
    = (std::uint64_t { 1 } << 58) + (std::uint64_t { 1 } << 28);

// The evaluation of a tally of seven real cards without a flush.
[[nodiscard]] inline HandValue valueOfTally(std::uint64_t tally) {
    return std::bit_cast<HandValue>(ranks::wordOfSlot(ranks::slotFor(tally)));
}

// The evaluator on any processor: the cards' tally words come from the card
// table, one look-up a card.
[[nodiscard]] inline HandValue evaluateByTable(const std::array<Card, 7>& slots) {
    std::uint64_t tally = ranks::kStart;
    std::uint64_t raw = 0;
#ifdef __SSE2__
    // Six of the cards two at a time: a card's table index, rank * 4 + suit
    // for a real card and inside the table for any word, comes from one
    // shift, one OR and one AND on both halves of a vector.
    const __m128i codeBits = _mm_set1_epi64x(63);
    __m128i rawPairs = _mm_setzero_si128();
    for (std::size_t pair = 0; pair < 3; ++pair) {
        const __m128i cards = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&slots[2 * pair]));
        rawPairs = _mm_or_si128(rawPairs, cards);
        const __m128i codes
            = _mm_and_si128(_mm_or_si128(_mm_srli_epi64(cards, 30), cards), codeBits);
        tally += ranks::kCardTally[static_cast<std::size_t>(_mm_cvtsi128_si64(codes))];
        tally += ranks::kCardTally[static_cast<std::size_t>(
            _mm_cvtsi128_si64(_mm_unpackhi_epi64(codes, codes)))];
    }
    raw = static_cast<std::uint64_t>(_mm_cvtsi128_si64(rawPairs))
        | static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(rawPairs, rawPairs)));
    std::uint64_t last = 0;
    std::memcpy(&last, &slots[6], sizeof last);
    raw |= last;
    tally += ranks::kCardTally[((last >> 30) | last) & 63];
#else
    // One multiply a card: kept opaque, or the compiler spells it out in
    // shifts and additions.
    std::uint64_t multiplier = kCodeMultiplier;
    asm("" : "+r"(multiplier));
    for (const Card& c : slots) {
        std::uint64_t word = 0;
        std::memcpy(&word, &c, sizeof word);
        raw |= word;
        // The top six bits of the product are rank * 4 + suit for a real
        // card (rank < 16, suit < 4), and inside the table for any word.
        tally += ranks::kCardTally[(word * multiplier) >> 58];
    }
#endif
    // Real cards have suit < 4 and rank < 16 (in one word: no bit outside
    // these) and no rank of 13..15; most hands hold no flush either. The
    // tally's flag bits lie among the bits no real card sets, so one test
    // sees all three.
    static_assert(((ranks::kOutside | ranks::kFlush) & ~kNotACard) == 0);
    if (((raw | (tally & (ranks::kOutside | ranks::kFlush))) & kNotACard) != 0) [[unlikely]]
        return evaluateUnusual(slots, raw, tally);
    return valueOfTally(tally);
}

#ifdef __AVX2__
// The evaluator with AVX2: all seven cards' tally words are computed at
// once, none looked up. Two overlapping loads cover the slots (cards 0..3
// and 3..6, inside the array); in each card's 64-bit lane the suit half
// becomes 1 << (4 * suit) and the rank half the rank's hash word.
[[nodiscard]] inline HandValue evaluateVector(const std::array<Card, 7>& slots) {
    const auto* bytes = reinterpret_cast<const char*>(slots.data());
    const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes));
    const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + 24));
    // Every suit at most 3 and every rank at most 12, as unsigned numbers
    // (so negative values fail too): less the limit, with 16-bit halves
    // that stop at zero, nothing is left of a real card.
    const __m256i limits = _mm256_set_epi32(12, 3, 12, 3, 12, 3, 12, 3);
    const __m256i excess = _mm256_subs_epu16(_mm256_max_epu32(low, high), limits);
    const bool real = _mm256_testz_si256(excess, excess) != 0;
    // Lanes of suits shift 1 left by 4 * suit; lanes of ranks shift the two
    // hash constants by the rank (see ranks::rankHash).
    const __m256i quadruple = _mm256_set_epi32(0, 2, 0, 2, 0, 2, 0, 2);
    const auto left = static_cast<int>(ranks::kHashLeft);
    const auto right = static_cast<int>(ranks::kHashRight);
    const __m256i leftWords = _mm256_set_epi32(left, 1, left, 1, left, 1, left, 1);
    const __m256i rightWords = _mm256_set_epi32(right, 0, right, 0, right, 0, right, 0);
    const auto tallyWords = [&](__m256i cards) {
        return _mm256_xor_si256(_mm256_sllv_epi32(leftWords, _mm256_sllv_epi32(cards, quadruple)),
            _mm256_srlv_epi32(rightWords, cards));
    };
    // Card 3 is in both loads: its second lane carries the tally's start.
    const __m256i rest = _mm256_blend_epi32(
        tallyWords(high), _mm256_set_epi64x(0, 0, 0, static_cast<long long>(ranks::kStart)), 0x03);
    const __m256i sums = _mm256_add_epi64(tallyWords(low), rest);
    __m128i sum = _mm_add_epi64(_mm256_castsi256_si128(sums), _mm256_extracti128_si256(sums, 1));
    sum = _mm_add_epi64(sum, _mm_unpackhi_epi64(sum, sum));
    const auto tally = static_cast<std::uint64_t>(_mm_cvtsi128_si64(sum));
    if (!real) [[unlikely]]
        return evaluateUnusual(slots, kNotACard, tally);
    if ((tally & ranks::kFlush) != 0) [[unlikely]]
        return evaluateUnusual(slots, 0, tally);
    return valueOfTally(tally);
}
#endif

} // namespace detail

// Scores seven cards in slot order. Slots may hold duplicates and the two
// placeholder cards; nothing reads outside an array whatever they hold.
//
// One pass over the slots adds each card's rank and suit counts into one
// word; without a flush, the rank counts alone find the score in the rank
// table. Any slot outside the card range sends the set through the careful
// tally instead. Inline, so that the hot loops that score hands keep it in
// place.
[[nodiscard]] inline HandValue evaluate(const std::array<Card, 7>& slots) {
    static_assert(sizeof(Card) == 8 && offsetof(Card, suit) == 0 && offsetof(Card, rank) == 4);
    static_assert(std::endian::native == std::endian::little, "a card is read as one 64-bit word");
    static_assert(offsetof(HandValue, score) == 0 && offsetof(HandValue, kicker) == 4);
#ifdef __AVX2__
    return detail::evaluateVector(slots);
#else
    return detail::evaluateByTable(slots);
#endif
}

} // namespace tavolier
