// The estimate's trials (see odds_trials.h). In a build for any x86-64
// processor this file is compiled twice; TAVOLIER_AVX2_COPY says which copy
// this is, and only the name of the entry point differs.
#include "opponents/odds_trials.h"

#include "evaluation/hand_evaluator.h"
#include "evaluation/rank_table.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace tavolier {

namespace {

// Every trial shuffles the spare deck by this many swaps, two draws each.
constexpr int kTrialSwaps = 101;
constexpr int kTrialDraws = 2 * kTrialSwaps;
// The simulated hands start at these spare-deck positions.
constexpr int kSimulatedHands = 6;
constexpr int kHandStride = 7;

// How many board cards the street shows to every hand: 3, 4 or 5 from the
// flop on, none pre-flop or at the showdown.
[[nodiscard]] constexpr int sharedBoardCards(Street street) {
    switch (street) {
    case Street::flop:
        return 3;
    case Street::turn:
        return 4;
    case Street::river:
        return 5;
    default:
        return 0;
    }
}

// The first of the acting seat's slots that no street refills, so that it
// keeps what the last simulated hand put there (7: none): 5 and 6 pre-flop,
// 2 to 6 on a street that shows no board (the showdown's badge).
[[nodiscard]] constexpr int firstCarriedSlot(Street street) {
    return street == Street::preflop ? 5 : (sharedBoardCards(street) == 0 ? 2 : 7);
}

// Scores the slots into the table's evaluator output.
std::int32_t scoreInto(EstimateRun& state, const std::array<Card, 7>& slots) {
    state.evalCards = slots;
    state.handScore = evaluate(slots).score;
    return state.handScore;
}

// The simulation card by card, for any cards the table may hold: a local
// copy of the spare deck, where a swap is two loads and two stores and a
// simulated hand is seven neighbouring cards. Returns W, the trials in which
// the acting seat's hand beat all six simulated hands, and leaves the spare
// deck, evalCards, handScore and kickerValue as the trials left them.
std::int32_t runTrialsCardByCard(EstimateRun& state, Random& random, int trials) {
    const Street street = state.street;
    const int shared = sharedBoardCards(street);
    const std::array<Card, 5> board = state.board;
    alignas(64) std::array<Card, 52> deck = state.spareDeck;
    alignas(64) std::uint8_t draws[kTrialDraws + 6];

    // The acting seat's slots: the hole cards, the board as far as the
    // street shows it; pre-flop slots 5 and 6 carry over from trial to trial.
    std::array<Card, 7> actor = state.evalCards;
    actor[0] = state.actorCards[0];
    actor[1] = state.actorCards[1];
    for (int i = 0; i < shared; ++i)
        actor[static_cast<std::size_t>(2 + i)] = board[static_cast<std::size_t>(i)];

    const int carryFrom = firstCarriedSlot(street);

    const std::int32_t riverOwn = street == Street::river ? evaluate(actor).score : 0;
    std::int32_t wins = 0;
    std::array<Card, 7> hand {};
    for (int t = 0; t < trials; ++t) {
        const std::uint8_t* taken = random.below52InPlace(kTrialDraws);
        if (taken == nullptr) {
            random.below52Block(draws, kTrialDraws);
            taken = draws;
        }
        for (int s = 0; s < kTrialDraws; s += 2) {
            const std::uint8_t j = taken[s];
            const std::uint8_t k = taken[s + 1];
            const Card a = deck[j];
            const Card b = deck[k];
            deck[j] = b;
            deck[k] = a;
        }

        switch (street) {
        case Street::preflop:
            actor[2] = deck[48];
            actor[3] = deck[49];
            actor[4] = deck[50];
            break;
        case Street::flop:
            actor[5] = deck[50];
            actor[6] = deck[51];
            break;
        case Street::turn:
            actor[6] = deck[51];
            break;
        default:
            break;
        }
        // On the river the seat's hand is the same in every trial.
        const std::int32_t own = street == Street::river ? riverOwn : evaluate(actor).score;

        // Stop at the first simulated hand that beats the seat: the trial
        // is lost either way. The last hand's evaluation, which the table
        // keeps, is redone after the final trial.
        bool beatAll = true;
        for (int h = 0; h < kSimulatedHands; ++h) {
            const int base = h * kHandStride;
            for (int i = 0; i < 7; ++i)
                hand[static_cast<std::size_t>(i)] = deck[static_cast<std::size_t>(base + i)];
            for (int i = 0; i < shared; ++i)
                hand[static_cast<std::size_t>(2 + i)] = board[static_cast<std::size_t>(i)];
            if (own < evaluate(hand).score) {
                beatAll = false;
                break;
            }
        }
        wins += beatAll ? 1 : 0;

        // The carried slots keep what the last simulated hand put there.
        const int last = (kSimulatedHands - 1) * kHandStride;
        for (int i = carryFrom; i < 7; ++i)
            actor[static_cast<std::size_t>(i)] = deck[static_cast<std::size_t>(last + i)];
    }

    const int last = (kSimulatedHands - 1) * kHandStride;
    for (int i = 0; i < 7; ++i)
        hand[static_cast<std::size_t>(i)] = deck[static_cast<std::size_t>(last + i)];
    for (int i = 0; i < shared; ++i)
        hand[static_cast<std::size_t>(2 + i)] = board[static_cast<std::size_t>(i)];
    scoreInto(state, hand);
    state.spareDeck = deck;
    return wins;
}

[[nodiscard]] bool isRealCard(Card c) {
    return c.suit >= 0 && c.suit < 4 && c.rank >= 0 && c.rank < 13;
}

// What a real card adds to a hand's tally, and the card again from it.
[[nodiscard]] std::uint64_t tallyOf(Card c) {
    return ranks::kCardTally[ranks::cardCode(c.suit, c.rank)];
}

[[nodiscard]] Card cardOf(std::uint64_t tally) {
    return Card { ranks::suitOfTally(tally), ranks::rankOfTally(tally) };
}

// The same simulation when every card in play is a real one: each card of
// the spare deck is kept as what it adds to a hand's tally, so that a hand
// is scored from the sum of its seven words through the rank table; only a
// hand with five or more cards of one suit is laid out in its slots and
// scored in full. kStreet is the street; the showdown stands for any street
// that shows no board.
template <Street kStreet> class TallyTrials {
public:
    // Board cards every hand shares, and the first carried slot.
    static constexpr int kShared = sharedBoardCards(kStreet);
    static constexpr int kCarryFrom = firstCarriedSlot(kStreet);
    static constexpr int kLast = (kSimulatedHands - 1) * kHandStride;

    explicit TallyTrials(const EstimateRun& state) {
        for (std::size_t i = 0; i < m_deck.size(); ++i)
            m_deck[i] = tallyOf(state.spareDeck[i]);
        for (std::size_t i = 0; i < kShared; ++i) {
            m_board[i] = state.board[i];
            m_boardTally += tallyOf(state.board[i]);
        }
        m_ownBase = m_boardTally + tallyOf(state.actorCards[0]) + tallyOf(state.actorCards[1]);
        // The seat's slots as the first trial finds them: the slots no street
        // refills still hold what the table left there.
        m_actor = state.evalCards;
        m_actor[0] = state.actorCards[0];
        m_actor[1] = state.actorCards[1];
        for (std::size_t i = 0; i < kShared; ++i)
            m_actor[2 + i] = m_board[i];
        if constexpr (kStreet == Street::river)
            m_riverOwn = evaluate(m_actor).score;
    }

    // One trial: the swaps, then the seat against the six hands. True when
    // the seat's hand beat them all.
    [[nodiscard]] bool trial(const std::uint8_t* taken) {
        // The draws are read eight at a time: four swaps per load.
        static_assert(kTrialDraws % 8 == 2);
        for (int s = 0; s + 8 <= kTrialDraws; s += 8) {
            std::uint64_t pairs = 0;
            std::memcpy(&pairs, taken + s, sizeof pairs);
            // Rotating brings each pair to the two low bytes, which the
            // processor reads without a shift.
            for (int i = 0; i < 4; ++i, pairs = std::rotr(pairs, 16))
                swap(pairs & 0xFF, (pairs >> 8) & 0xFF);
        }
        swap(taken[kTrialDraws - 2], taken[kTrialDraws - 1]);
        const std::int32_t own = ownScore();
        // The carried slots keep what the last simulated hand put there.
        if constexpr (kCarryFrom < 7) {
            for (int i = kCarryFrom; i < 7; ++i)
                m_carried[static_cast<std::size_t>(i)] = at(kLast + i);
            m_carriedReal = true;
        }
        // Stop at the first simulated hand that beats the seat: the trial
        // is lost either way.
        for (int h = 0; h < kSimulatedHands; ++h) {
            if (own < simulatedScore(h))
                return false;
        }
        return true;
    }

    // Simulated hand h in its slots: spare-deck cards 7h..7h + 6 with the
    // board written over slots 2 onwards.
    [[nodiscard]] std::array<Card, 7> simulatedSlots(int h) const {
        const int base = h * kHandStride;
        std::array<Card, 7> slots {};
        for (int i = 0; i < 7; ++i)
            slots[static_cast<std::size_t>(i)] = cardOf(at(base + i));
        for (std::size_t i = 0; i < kShared; ++i)
            slots[2 + i] = m_board[i];
        return slots;
    }

    void writeBack(std::array<Card, 52>& spareDeck) const {
        for (std::size_t i = 0; i < spareDeck.size(); ++i)
            spareDeck[i] = cardOf(m_deck[i]);
    }

private:
    void swap(std::size_t j, std::size_t k) {
        const std::uint64_t a = m_deck[j];
        const std::uint64_t b = m_deck[k];
        m_deck[j] = b;
        m_deck[k] = a;
    }

    [[nodiscard]] std::uint64_t at(int i) const { return m_deck[static_cast<std::size_t>(i)]; }

    [[nodiscard]] std::int32_t simulatedScore(int h) const {
        const int base = h * kHandStride;
        std::uint64_t tally = ranks::kStart + m_boardTally + at(base) + at(base + 1);
        for (int i = 2 + kShared; i < 7; ++i)
            tally += at(base + i);
        if ((tally & ranks::kFlush) != 0) [[unlikely]]
            return slotOrderScore(h);
        return ranks::scoreOfSlot(ranks::slotFor(tally));
    }

    [[nodiscard, gnu::noinline]] std::int32_t slotOrderScore(int h) const {
        return evaluate(simulatedSlots(h)).score;
    }

    // The street's cards from the spare deck into the seat's slots: the
    // flop pre-flop, then the turn and the river, the river alone on the turn.
    static constexpr int kRefillFrom
        = kStreet == Street::preflop ? 48 : (kStreet == Street::flop ? 50 : 51);
    static constexpr int kRefillTo = kStreet == Street::preflop
        ? 51
        : (kStreet == Street::flop || kStreet == Street::turn ? 52 : 0);
    static constexpr int kRefillSlot
        = kStreet == Street::preflop ? 2 : (kStreet == Street::flop ? 5 : 6);

    [[nodiscard]] std::int32_t ownScore() {
        if constexpr (kStreet == Street::river) {
            return m_riverOwn; // the same hand in every trial
        } else {
            std::uint64_t tally = ranks::kStart + m_ownBase;
            for (int i = kRefillFrom; i < kRefillTo; ++i)
                tally += at(i);
            for (int i = kCarryFrom; i < 7; ++i)
                tally += m_carried[static_cast<std::size_t>(i)];
            if (m_carriedReal && (tally & ranks::kFlush) == 0) [[likely]]
                return ranks::scoreOfSlot(ranks::slotFor(tally));
            return ownInSlots();
        }
    }

    // The first trial's carried slots, or a suit five times: the seat's
    // slots as they stand.
    [[nodiscard, gnu::noinline]] std::int32_t ownInSlots() {
        for (int i = kRefillFrom; i < kRefillTo; ++i)
            m_actor[static_cast<std::size_t>(kRefillSlot + i - kRefillFrom)] = cardOf(at(i));
        if (m_carriedReal) {
            for (int i = kCarryFrom; i < 7; ++i)
                m_actor[static_cast<std::size_t>(i)]
                    = cardOf(m_carried[static_cast<std::size_t>(i)]);
        }
        return evaluate(m_actor).score;
    }

    alignas(64) std::array<std::uint64_t, 52> m_deck {};
    std::array<Card, 5> m_board {};
    std::array<Card, 7> m_actor {};
    std::uint64_t m_boardTally = 0;
    std::uint64_t m_ownBase = 0;
    // The carried slots' tallies (only slots kCarryFrom..6 are used), which
    // hold spare-deck cards from the second trial on.
    std::array<std::uint64_t, 7> m_carried {};
    bool m_carriedReal = kCarryFrom == 7;
    std::int32_t m_riverOwn = 0;
};

template <Street kStreet>
std::int32_t runTallyTrials(EstimateRun& state, Random& random, int trials) {
    TallyTrials<kStreet> deck(state);
    alignas(64) std::uint8_t draws[kTrialDraws + 6];
    std::int32_t wins = 0;
    for (int t = 0; t < trials; ++t) {
        const std::uint8_t* taken = random.below52InPlace(kTrialDraws);
        if (taken == nullptr) {
            random.below52Block(draws, kTrialDraws);
            taken = draws;
        }
        wins += deck.trial(taken) ? 1 : 0;
    }
    // The table keeps the last simulated hand's evaluation.
    scoreInto(state, deck.simulatedSlots(kSimulatedHands - 1));
    deck.writeBack(state.spareDeck);
    return wins;
}

std::int32_t runTrials(EstimateRun& state, Random& random, int trials) {
    if (trials <= 0)
        return 0;
    const Street street = state.street;
    const int shared = sharedBoardCards(street);
    bool real = isRealCard(state.actorCards[0]) && isRealCard(state.actorCards[1]);
    for (int i = 0; i < shared; ++i)
        real = real && isRealCard(state.board[static_cast<std::size_t>(i)]);
    for (const Card& c : state.spareDeck)
        real = real && isRealCard(c);
    if (!real)
        return runTrialsCardByCard(state, random, trials);
    switch (street) {
    case Street::preflop:
        return runTallyTrials<Street::preflop>(state, random, trials);
    case Street::flop:
        return runTallyTrials<Street::flop>(state, random, trials);
    case Street::turn:
        return runTallyTrials<Street::turn>(state, random, trials);
    case Street::river:
        return runTallyTrials<Street::river>(state, random, trials);
    default:
        return runTallyTrials<Street::showdown>(state, random, trials);
    }
}

} // namespace

#ifdef TAVOLIER_AVX2_COPY
std::int32_t trialPaths::avx2Run(EstimateRun& state, Random& random, int trials) {
    return runTrials(state, random, trials);
}
#else
std::int32_t trialPaths::portableRun(EstimateRun& state, Random& random, int trials) {
    return runTrials(state, random, trials);
}
#endif

} // namespace tavolier
