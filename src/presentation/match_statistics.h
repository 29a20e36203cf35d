#pragma once

#include "core/game_events.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavolier {

// The three counters the game keeps about the human and stores in the
// settings file: hands played, hands won, showdowns reached.
struct StoredCounters {
    std::int32_t handsPlayed = 0;
    std::int32_t handsWon = 0;
    std::int32_t showdowns = 0;
};

// One column of the counters: the three figures and the two rates, hands
// won per hand played and showdowns per hand played, in per cent (none
// while no hand has been played).
struct CounterFigures {
    std::int64_t handsPlayed = 0;
    std::int64_t handsWon = 0;
    std::int64_t showdowns = 0;
    std::optional<double> wonRate;
    std::optional<double> showdownRate;
};

[[nodiscard]] CounterFigures counterFigures(
    std::int64_t handsPlayed, std::int64_t handsWon, std::int64_t showdowns);

// The biggest pot of the session and the seats that took it (more than one
// when it was split).
struct BiggestPot {
    std::int32_t pot = 0;
    SeatFlags winners {};
    std::int64_t handNumber = 0;
};

// The best hand the human has shown at a showdown this session.
struct BestHand {
    std::int32_t score = 0;
    std::int32_t kicker = 0;
    std::string name;
    std::array<Card, 2> cards {};
};

// What the Statistics window shows, kept up from the game events: the
// session's wins by seat, its biggest pot, the human's best hand, and every
// seat's chips after each hand of the current match (which starts again when
// a new match is dealt). The stored counters are the game's own; the session
// takes them as they stood when it began and shows what has been added since.
class MatchStatistics : public GameEvents {
public:
    explicit MatchStatistics(StoredCounters atSessionStart = {});

    // The counters as the session began (read from the settings file).
    void setSessionStart(StoredCounters atSessionStart) { m_atStart = atSessionStart; }

    [[nodiscard]] CounterFigures allTime(StoredCounters now) const;
    [[nodiscard]] CounterFigures session(StoredCounters now) const;

    // Hands won this session by each seat, indexed by seat number ([0]
    // unused); a split pot counts for every seat that shared it.
    [[nodiscard]] const std::array<std::int64_t, 9>& winsBySeat() const { return m_winsBySeat; }
    [[nodiscard]] const std::optional<BiggestPot>& biggestPot() const { return m_biggestPot; }
    [[nodiscard]] const std::optional<BestHand>& humansBestHand() const { return m_bestHand; }
    // Hands that ended this session, whoever took part.
    [[nodiscard]] std::int64_t handsEnded() const { return m_handsEnded; }

    // Chips of every seat after each hand of the current match: entry i holds
    // the stacks after the match's hand i + 1, indexed by seat number.
    [[nodiscard]] const std::vector<SeatFigures>& matchChips() const { return m_matchChips; }
    // One seat's chips after each hand of the current match.
    [[nodiscard]] std::vector<std::int32_t> chipsOf(SeatNumber seat) const;

    void handStarted(const HandStarted& e) override;
    void handShown(const HandShown& e) override;
    void potAwarded(const PotAwarded& e) override;
    void handEnded(const HandEnded& e) override;

private:
    StoredCounters m_atStart;
    std::array<std::int64_t, 9> m_winsBySeat {};
    std::optional<BiggestPot> m_biggestPot;
    std::optional<BestHand> m_bestHand;
    std::int64_t m_handsEnded = 0;
    std::int64_t m_currentHand = 0;
    std::vector<SeatFigures> m_matchChips;
};

} // namespace tavolier
