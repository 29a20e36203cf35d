#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <vector>

namespace tavolier {

// The one pseudo-random generator of the program. Every rule that draws (the
// shuffles, the opponents' estimates, the card sound, the blink) takes it by
// reference; the number and the order of draws are part of the game.
//
// Three sources share one interface so that the hot loops never call through a
// pointer: the fast default (eight xoshiro256** lanes generated in blocks, each
// 64-bit number split into four 16-bit quarters, one quarter per draw), the
// documented splitmix64 stream that replays a deal anywhere, and a script of
// queued values for tests.
class Random {
public:
    enum class Kind { Xoshiro, SplitMix64, Scripted };

    // Seeded from the clock.
    Random();
    // The fast generator from a fixed seed (tests, benchmarks, the CLI).
    explicit Random(std::uint64_t seed);

    // The documented stream: x += 0x9E3779B97F4A7C15, mixed, reduced by
    // "z mod n". Re-seeding from the clock leaves it untouched.
    [[nodiscard]] static Random splitMix64(std::uint64_t state);
    // Returns the queued values in order; once they run out it continues with
    // the fast generator seeded with 0 (see scriptExhausted()).
    [[nodiscard]] static Random scripted(std::vector<int> values);

    Random(const Random&) = delete;
    Random& operator=(const Random&) = delete;
    Random(Random&&) = default;
    Random& operator=(Random&&) = default;

    // Re-seeds the fast generator from the clock; a splitmix64 stream or a
    // script is left as it is.
    void seedFromClock();
    // From now on seedFromClock() leaves the fast generator as it is too: the
    // command-line companion replays a seed across "New".
    void ignoreClock() { m_ignoreClock = true; }
    void seed(std::uint64_t seed);

    // A uniform integer in 0..n-1 (n >= 1). The fast generator takes one
    // 16-bit quarter q per draw and returns (q * n) >> 16 (an outcome is at
    // most n / 65536 more likely than another); a bound above 65536 takes two
    // quarters as one 32-bit word w, low quarter first, and returns
    // (w * n) >> 32.
    [[nodiscard]] int below(int n) {
        // The fast generator's common case stays inline: one quarter, one multiply.
        if (m_kind == Kind::Xoshiro && !m_recordBounds && n >= 1 && n <= kQuarterRange
            && m_next < kQuarters) {
            ++m_draws;
            const std::uint32_t quarter = m_quarters[static_cast<std::size_t>(m_next++)];
            return static_cast<int>((quarter * static_cast<std::uint32_t>(n)) >> 16);
        }
        return belowSlow(n);
    }

    // Fills out[0..count) with draws below 52, exactly as count calls of
    // below(52) would, but fast for the default generator. The opponents'
    // shuffles take their 202 draws per trial through here.
    void below52Block(std::uint8_t* out, int count);

    // Takes count draws below 52 in place when the fast generator holds them
    // ready in its current block: returns where they lie (valid until the next
    // draw). Otherwise takes nothing and returns nullptr; the caller then uses
    // below52Block. Either way the draws are those of count below(52) calls.
    [[nodiscard]] const std::uint8_t* below52InPlace(int count) {
        if (m_kind != Kind::Xoshiro || m_recordBounds || count < 0 || count > kQuarters - m_next)
            return nullptr;
        const std::uint8_t* ready = m_below52.data() + m_next;
        m_next += count;
        m_draws += static_cast<std::uint64_t>(count);
        return ready;
    }

    // Appends more values to a script.
    void enqueue(std::initializer_list<int> values);

    [[nodiscard]] Kind kind() const { return m_kind; }
    // How many draws have been made since construction.
    [[nodiscard]] std::uint64_t drawCount() const { return m_draws; }
    // A script that ran out of values has fallen back to the fast generator.
    [[nodiscard]] bool scriptExhausted() const { return m_scriptExhausted; }
    // When on, the bound of every draw is kept (tests pin the order of draws).
    void recordBounds(bool on) { m_recordBounds = on; }
    [[nodiscard]] const std::vector<int>& bounds() const { return m_bounds; }

private:
    static constexpr int kLanes = 8;
    static constexpr int kQuarters = 4 * kLanes * 64; // 16-bit quarters per refill
    static constexpr int kQuarterRange = 1 << 16;

    int belowSlow(int n);
    std::uint32_t nextQuarter();
    int fastBelow(int n);
    void refill();
    int scriptedBelow(int n);

    Kind m_kind = Kind::Xoshiro;
    // xoshiro256** lanes: m_lane[word][lane], so one word of all lanes is contiguous.
    alignas(64) std::uint64_t m_lane[4][kLanes] {};
    // The current block: quarters 4i..4i+3 are raw number i, lowest first.
    alignas(64) std::array<std::uint16_t, kQuarters> m_quarters {};
    // The same block's quarters as draws below 52, converted at the refill.
    alignas(64) std::array<std::uint8_t, kQuarters> m_below52 {};
    int m_next = kQuarters;
    std::uint64_t m_splitmix = 0;
    std::deque<int> m_script;
    bool m_scriptExhausted = false;
    std::uint64_t m_draws = 0;
    bool m_recordBounds = false;
    bool m_ignoreClock = false;
    std::vector<int> m_bounds;
};

} // namespace tavolier
