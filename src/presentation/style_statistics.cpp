#include "presentation/style_statistics.h"

#include "evaluation/standard_ranking.h"

#include <algorithm>
#include <span>

namespace tavolier {

namespace {

// Four bets a street at most (the bet or the big blind, and three raises),
// unless only two seats started it.
constexpr int kMostBets = 4;

[[nodiscard]] std::optional<double> percent(std::int64_t part, std::int64_t whole) {
    if (whole <= 0)
        return std::nullopt;
    return 100.0 * static_cast<double>(part) / static_cast<double>(whole);
}

[[nodiscard]] std::size_t at(int seat) {
    return static_cast<std::size_t>(seat);
}

[[nodiscard]] bool isRealCard(Card c) {
    return c.suit >= 0 && c.suit < 4 && c.rank >= 0 && c.rank < 13;
}

} // namespace

SeatStyle& SeatStyle::operator+=(const SeatStyle& o) {
    hands += o.hands;
    voluntarilyIn += o.voluntarilyIn;
    raisedPreflop += o.raisedPreflop;
    postflopAggressive += o.postflopAggressive;
    postflopCalls += o.postflopCalls;
    flopsSeen += o.flopsSeen;
    showdowns += o.showdowns;
    showdownsWon += o.showdownsWon;
    riverAggressive += o.riverAggressive;
    riverBluffs += o.riverBluffs;
    facingBlind += o.facingBlind;
    continuedFacingBlind += o.continuedFacingBlind;
    facingRaise += o.facingRaise;
    continuedFacingRaise += o.continuedFacingRaise;
    facingThreeBet += o.facingThreeBet;
    continuedFacingThreeBet += o.continuedFacingThreeBet;
    freeTurns += o.freeTurns;
    freeFolds += o.freeFolds;
    nutsOnRiver += o.nutsOnRiver;
    nutsBetOrRaised += o.nutsBetOrRaised;
    riverRaisesCalled += o.riverRaisesCalled;
    riverRaisesWon += o.riverRaisesWon;
    return *this;
}

std::optional<double> SeatStyle::vpip() const {
    return percent(voluntarilyIn, hands);
}
std::optional<double> SeatStyle::pfr() const {
    return percent(raisedPreflop, hands);
}
std::optional<double> SeatStyle::aggressionFactor() const {
    if (postflopCalls <= 0)
        return std::nullopt;
    return static_cast<double>(postflopAggressive) / static_cast<double>(postflopCalls);
}
std::optional<double> SeatStyle::wentToShowdown() const {
    return percent(showdowns, flopsSeen);
}
std::optional<double> SeatStyle::wonAtShowdown() const {
    return percent(showdownsWon, showdowns);
}
std::optional<double> SeatStyle::riverBluffShare() const {
    return percent(riverBluffs, riverAggressive);
}
std::optional<double> SeatStyle::continuesFacingBlind() const {
    return percent(continuedFacingBlind, facingBlind);
}
std::optional<double> SeatStyle::continuesFacingRaise() const {
    return percent(continuedFacingRaise, facingRaise);
}
std::optional<double> SeatStyle::continuesFacingThreeBet() const {
    return percent(continuedFacingThreeBet, facingThreeBet);
}
std::optional<double> SeatStyle::nutsAggression() const {
    return percent(nutsBetOrRaised, nutsOnRiver);
}
std::optional<double> SeatStyle::riverRaiseWins() const {
    return percent(riverRaisesWon, riverRaisesCalled);
}

SeatStyle StyleStatistics::table() const {
    SeatStyle sum;
    for (int seat = 1; seat <= 8; ++seat)
        sum += m_seats[at(seat)];
    return sum;
}

void StyleStatistics::handStarted(const HandStarted& e) {
    m_hand = {};
    m_handOpen = true;
    m_riverDealt = false;
    m_street = Street::preflop;
    m_level = 0;
    m_bets = 0;
    m_bestPossible.reset();
    int dealtIn = 0;
    for (int seat = 1; seat <= 8; ++seat) {
        SeatHand& h = m_hand[at(seat)];
        h.dealtIn = e.stacks[at(seat)] > 0;
        h.inHand = h.dealtIn;
        if (h.dealtIn) {
            m_seats[at(seat)].hands += 1;
            dealtIn += 1;
        }
    }
    m_uncapped = dealtIn == 2;
}

void StyleStatistics::blindPosted(const BlindPosted& e) {
    if (!m_handOpen || !e.seat.isSeat())
        return;
    SeatHand& h = m_hand[e.seat.index()];
    h.street += e.amount;
    m_level = std::max(m_level, h.street);
    if (e.big)
        m_bets = 1;
}

void StyleStatistics::actionTaken(const ActionTaken& e) {
    if (!m_handOpen || !e.seat.isSeat())
        return;
    const int seat = e.seat.number();
    SeatHand& h = m_hand[at(seat)];
    SeatStyle& style = m_seats[at(seat)];
    if (e.kind == ActionKind::sitsOut) {
        if (h.dealtIn) {
            h.dealtIn = false;
            style.hands -= 1;
        }
        h.inHand = false;
        return;
    }
    const bool free = h.street >= m_level;
    const bool aggressive = e.kind == ActionKind::bet || e.kind == ActionKind::raise;
    const bool continues = aggressive || e.kind == ActionKind::call;
    if (free) {
        style.freeTurns += 1;
        if (e.kind == ActionKind::fold)
            style.freeFolds += 1;
    }

    if (e.street == Street::preflop) {
        // What a seat that has put nothing in does the first time it acts.
        if (!h.actedPreflop && h.street == 0 && m_level > 0) {
            if (m_bets <= 1) {
                style.facingBlind += 1;
                style.continuedFacingBlind += continues ? 1 : 0;
            } else if (m_bets == 2) {
                style.facingRaise += 1;
                style.continuedFacingRaise += continues ? 1 : 0;
            } else {
                style.facingThreeBet += 1;
                style.continuedFacingThreeBet += continues ? 1 : 0;
            }
        }
        // A hand counts once however often the seat called or raised in it.
        if (continues && !h.countedIn) {
            h.countedIn = true;
            style.voluntarilyIn += 1;
        }
        if (aggressive && !h.countedRaise) {
            h.countedRaise = true;
            style.raisedPreflop += 1;
        }
        h.actedPreflop = true;
    } else {
        if (aggressive)
            style.postflopAggressive += 1;
        else if (e.kind == ActionKind::call)
            style.postflopCalls += 1;
    }

    if (e.street == Street::river) {
        const bool mayRaise = free || m_bets < kMostBets || m_uncapped;
        h.riverChance = h.riverChance || mayRaise || aggressive;
        if (aggressive) {
            h.riverAggressive += 1;
            h.riverBetOrRaised = true;
            h.raisedOnRiver = h.raisedOnRiver || e.kind == ActionKind::raise;
        }
    }

    h.street += e.paid;
    if (aggressive && h.street > m_level) {
        m_level = h.street;
        m_bets += 1;
    } else {
        m_level = std::max(m_level, h.street);
    }
    if (e.kind == ActionKind::fold)
        h.inHand = false;
}

void StyleStatistics::streetDealt(const StreetDealt& e) {
    if (!m_handOpen)
        return;
    m_street = e.street;
    m_level = 0;
    m_bets = 0;
    int inHand = 0;
    for (int seat = 1; seat <= 8; ++seat) {
        SeatHand& h = m_hand[at(seat)];
        h.street = 0;
        inHand += h.inHand ? 1 : 0;
        if (e.street == Street::flop && h.inHand) {
            h.sawFlop = true;
            m_seats[at(seat)].flopsSeen += 1;
        }
    }
    m_uncapped = inHand == 2;
    if (e.boardCount == 5) {
        m_board = e.board;
        m_riverDealt = true;
    }
}

void StyleStatistics::handShown(const HandShown& e) {
    if (!m_handOpen || !e.seat.isSeat())
        return;
    m_hand[e.seat.index()].shown = true;
    judgeRiver(e.seat.number(), e.cards);
}

void StyleStatistics::potAwarded(const PotAwarded& e) {
    if (!m_handOpen || e.byFolds)
        return;
    for (int seat = 1; seat <= 8; ++seat) {
        const SeatHand& h = m_hand[at(seat)];
        SeatStyle& style = m_seats[at(seat)];
        if (!h.shown)
            continue;
        const bool won = e.winners[at(seat)];
        if (h.sawFlop) {
            style.showdowns += 1;
            style.showdownsWon += won ? 1 : 0;
        }
        if (h.raisedOnRiver) {
            style.riverRaisesCalled += 1;
            style.riverRaisesWon += won ? 1 : 0;
        }
    }
}

void StyleStatistics::handEnded(const HandEnded&) {
    // The river play of seats that did not show waits for reveal until the
    // next hand starts.
    m_handOpen = false;
}

void StyleStatistics::reveal(const std::array<std::array<Card, 2>, 9>& holeCards) {
    for (int seat = 1; seat <= 8; ++seat)
        judgeRiver(seat, holeCards[at(seat)]);
}

void StyleStatistics::judgeRiver(int seat, const std::array<Card, 2>& cards) {
    SeatHand& h = m_hand[at(seat)];
    if (h.judged || !m_riverDealt || (!h.riverChance && h.riverAggressive == 0))
        return;
    if (!isRealCard(cards[0]) || !isRealCard(cards[1]))
        return;
    h.judged = true;
    std::array<Card, 7> seven { cards[0], cards[1], m_board[0], m_board[1], m_board[2], m_board[3],
        m_board[4] };
    const StandardRank rank = rankStandard(seven);
    SeatStyle& style = m_seats[at(seat)];
    if (h.riverAggressive > 0) {
        const StandardRank board = rankStandard(std::span<const Card>(m_board));
        style.riverAggressive += h.riverAggressive;
        // On a board of two pairs or better every hand plays a made hand:
        // no bet there counts as a bluff.
        if (rank.category <= board.category && board.category <= HandCategory::onePair)
            style.riverBluffs += h.riverAggressive;
    }
    if (h.riverChance) {
        if (!m_bestPossible) {
            // The best any two cards not on the board make with it.
            std::uint32_t best = 0;
            std::array<Card, 52> rest {};
            int count = 0;
            for (int p = 0; p < 52; ++p) {
                const Card c { p / 13, p % 13 };
                if (std::find(m_board.begin(), m_board.end(), c) == m_board.end())
                    rest[static_cast<std::size_t>(count++)] = c;
            }
            std::array<Card, 7> trial = seven;
            for (int i = 0; i < count; ++i) {
                for (int j = i + 1; j < count; ++j) {
                    trial[0] = rest[static_cast<std::size_t>(i)];
                    trial[1] = rest[static_cast<std::size_t>(j)];
                    best = std::max(best, rankStandard(trial).value);
                }
            }
            m_bestPossible = best;
        }
        if (rank.value >= *m_bestPossible) {
            style.nutsOnRiver += 1;
            style.nutsBetOrRaised += h.riverBetOrRaised ? 1 : 0;
        }
    }
}

} // namespace tavolier
