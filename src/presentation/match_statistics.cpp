#include "presentation/match_statistics.h"

#include "evaluation/hand_evaluator.h"

namespace tavolier {

CounterFigures counterFigures(
    std::int64_t handsPlayed, std::int64_t handsWon, std::int64_t showdowns) {
    CounterFigures figures { handsPlayed, handsWon, showdowns, std::nullopt, std::nullopt };
    if (handsPlayed > 0) {
        figures.wonRate = 100.0 * static_cast<double>(handsWon) / static_cast<double>(handsPlayed);
        figures.showdownRate
            = 100.0 * static_cast<double>(showdowns) / static_cast<double>(handsPlayed);
    }
    return figures;
}

MatchStatistics::MatchStatistics(StoredCounters atSessionStart)
    : m_atStart(atSessionStart) {
}

CounterFigures MatchStatistics::allTime(StoredCounters now) const {
    return counterFigures(now.handsPlayed, now.handsWon, now.showdowns);
}

CounterFigures MatchStatistics::session(StoredCounters now) const {
    // The counters only grow during a run; a difference below zero can only
    // come from a store that was changed under the game, and counts as none.
    auto since = [](std::int32_t current, std::int32_t start) {
        const std::int64_t added = static_cast<std::int64_t>(current) - start;
        return added < 0 ? std::int64_t { 0 } : added;
    };
    return counterFigures(since(now.handsPlayed, m_atStart.handsPlayed),
        since(now.handsWon, m_atStart.handsWon), since(now.showdowns, m_atStart.showdowns));
}

std::vector<std::int32_t> MatchStatistics::chipsOf(SeatNumber seat) const {
    std::vector<std::int32_t> chips;
    if (!seat.isSeat())
        return chips;
    chips.reserve(m_matchChips.size());
    for (const SeatFigures& stacks : m_matchChips)
        chips.push_back(stacks[seat.index()]);
    return chips;
}

void MatchStatistics::handStarted(const HandStarted& e) {
    m_currentHand = e.handNumber;
    if (e.newMatch)
        m_matchChips.clear();
}

void MatchStatistics::handShown(const HandShown& e) {
    if (!e.seat.isHuman())
        return;
    // Hands shown compare as the showdown ranks them.
    if (!m_bestHand
        || showdownValue(e.score, e.kicker) > showdownValue(m_bestHand->score, m_bestHand->kicker))
        m_bestHand = BestHand { e.score, e.kicker, e.name, e.cards };
}

void MatchStatistics::potAwarded(const PotAwarded& e) {
    for (int seat = 1; seat <= 8; ++seat) {
        if (e.winners[static_cast<std::size_t>(seat)])
            m_winsBySeat[static_cast<std::size_t>(seat)] += 1;
    }
    if (e.winnerCount > 0 && (!m_biggestPot || e.pot > m_biggestPot->pot))
        m_biggestPot = BiggestPot { e.pot, e.winners, m_currentHand };
}

void MatchStatistics::handEnded(const HandEnded& e) {
    m_handsEnded += 1;
    m_matchChips.push_back(e.stacks);
}

} // namespace tavolier
