#include "opponents/standard_opponent.h"

#include "evaluation/standard_ranking.h"
#include "opponents/starting_hands.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace tavolier {

Thinking levelOfCode(std::int32_t code) {
    if (code >= 900)
        return Thinking::genius;
    if (code >= 800)
        return Thinking::master;
    if (code >= 600)
        return Thinking::expert;
    return Thinking::amateur;
}

namespace {

[[nodiscard]] std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

// Places before the flop: early, middle, late (the cut-off and the
// button), the blinds; the index into a character's looseness.
enum PlaceClass { early = 0, middle = 1, late = 2, blinds = 3 };

[[nodiscard]] PlaceClass placeClass(const SeatView& v) {
    const int s = v.seatCount;
    const int p = v.place;
    if (s <= 2)
        return p == 0 ? late : blinds;
    if (p == 1 || p == 2)
        return blinds;
    if (p == 0 || p == s - 1)
        return late;
    if (p >= s - 3)
        return middle;
    return early;
}

[[nodiscard]] bool isRaise(ViewActionKind k) {
    return k == ViewActionKind::bet || k == ViewActionKind::raise;
}

[[nodiscard]] bool chance(Random& random, double probability) {
    if (probability <= 0)
        return false;
    return random.below(1000) < static_cast<int>(probability * 1000.0);
}

[[nodiscard]] Decision foldOrCheck(const TurnQuestion& t) {
    // Nobody folds when checking costs nothing.
    return t.toCall > 0 ? Decision { DecisionKind::fold, 0 } : Decision { DecisionKind::check, 0 };
}

[[nodiscard]] Decision callOrCheck(const TurnQuestion& t) {
    return t.toCall > 0 ? Decision { DecisionKind::call, t.toCall }
                        : Decision { DecisionKind::check, 0 };
}

// Heads-up a street has no cap; these players stop raising at this many bets.
constexpr int kOwnCap = 6;

[[nodiscard]] Decision raiseOr(const SeatView& v) {
    const TurnQuestion& t = v.turn;
    if (!t.mayRaise || v.betsThisStreet >= kOwnCap)
        return callOrCheck(t);
    return Decision { t.toCall > 0 ? DecisionKind::raise : DecisionKind::bet, t.betSize };
}

// Whether a seat has called or raised before the flop, blinds aside.
[[nodiscard]] bool anyoneIn(const SeatView& v) {
    for (const ViewAction& a : v.actions) {
        if (a.street == Street::preflop
            && (a.kind == ViewActionKind::call || a.kind == ViewActionKind::bet
                || a.kind == ViewActionKind::raise))
            return true;
    }
    return false;
}

// Simulated deals by level: more thinking, more deals.
[[nodiscard]] int trialsOf(Thinking level) {
    switch (level) {
    case Thinking::amateur:
        return 150;
    case Thinking::expert:
        return 250;
    case Thinking::master:
        return 400;
    case Thinking::genius:
        return 500;
    }
    return 150;
}

} // namespace

StandardOpponent::StandardOpponent(const Character& character, Thinking level)
    : m_character(character)
    , m_level(level) {
}

const StandardOpponent::PlayerNotes& StandardOpponent::notesOf(int player) const {
    return m_notes[static_cast<std::size_t>(player < 0 ? -player : player) % kNotes];
}

void StandardOpponent::takeNotes(const SeatView& v) {
    if (v.handNumber != m_handSeen) {
        m_handSeen = v.handNumber;
        m_actionsSeen = 0;
        m_voluntaryThisHand.fill(false);
        m_raisedThisHand.fill(false);
        m_actedThisHand.fill(false);
        m_trapStreet = Street::showdown;
    }
    for (std::size_t i = m_actionsSeen; i < v.actions.size(); ++i) {
        const ViewAction& a = v.actions[i];
        if (a.place < 0 || a.place >= v.seatCount)
            continue;
        const std::size_t id = static_cast<std::size_t>(std::abs(v.at(a.place).player)) % kNotes;
        PlayerNotes& n = m_notes[id];
        const bool voluntary = a.kind == ViewActionKind::call || isRaise(a.kind);
        if (a.street == Street::preflop) {
            // A hand counts for a player once its first choice is seen: a
            // seat that folds early does not see the players after it.
            const bool blind
                = a.kind == ViewActionKind::smallBlind || a.kind == ViewActionKind::bigBlind;
            if (!blind && !m_actedThisHand[id]) {
                m_actedThisHand[id] = true;
                n.hands += 1;
            }
            if (voluntary && !m_voluntaryThisHand[id]) {
                m_voluntaryThisHand[id] = true;
                n.voluntary += 1;
            }
            if (isRaise(a.kind) && !m_raisedThisHand[id]) {
                m_raisedThisHand[id] = true;
                n.raisedFirst += 1;
            }
        } else if (isRaise(a.kind)) {
            n.bets += 1;
        } else if (a.kind == ViewActionKind::call) {
            n.calls += 1;
        } else if (a.kind == ViewActionKind::fold) {
            n.folds += 1;
        }
    }
    m_actionsSeen = v.actions.size();
}

HandRange StandardOpponent::rangeOf(const SeatView& v, int place) const {
    // A table's usual player, unless Genius has seen this one play.
    double voluntary = 0.3;
    double raising = 0.12;
    // Master takes a bet after the flop at its word.
    double bluffs = 0.15;
    if (m_level == Thinking::genius) {
        const PlayerNotes& n = notesOf(v.at(place).player);
        voluntary = (n.voluntary + 3.0) / (n.hands + 10.0);
        raising = (n.raisedFirst + 1.2) / (n.hands + 10.0);
        const double aggression = (n.bets + 2.0) / (n.calls + 2.0);
        // A player more aggressive than the usual bluffs more often.
        bluffs = std::clamp(0.15 * aggression / 1.7, 0.08, 0.45);
    }
    HandRange r;
    r.bluffs = bluffs;
    int bets = 1; // the big blind
    for (const ViewAction& a : v.actions) {
        if (a.street == Street::preflop) {
            if (a.place == place) {
                if (isRaise(a.kind))
                    r.top = std::min(r.top,
                        bets <= 1       ? raising
                            : bets == 2 ? raising * 0.35
                                        : raising * 0.15);
                else if (a.kind == ViewActionKind::call)
                    r.top = std::min(r.top, bets <= 1 ? voluntary : voluntary * 0.45);
            }
            if (isRaise(a.kind))
                bets += 1;
        } else if (a.place == place) {
            if (isRaise(a.kind))
                r.bets += 1;
            else if (a.kind == ViewActionKind::call)
                r.calls += 1;
        }
    }
    r.top = std::clamp(r.top, 0.02, 1.0);
    return r;
}

Decision StandardOpponent::decide(const SeatView& view, Random& random) {
    takeNotes(view);
    if (view.street == Street::preflop)
        return beforeFlop(view, random);
    return afterFlop(view, random);
}

Decision StandardOpponent::beforeFlop(const SeatView& v, Random& random) {
    const TurnQuestion& t = v.turn;
    const Character& c = m_character;
    const double pct = startingPercentile(startingHandIndex(v.holeCards[0], v.holeCards[1]));
    // Amateur does not think of its place: it plays as from the middle.
    const PlaceClass cls = m_level == Thinking::amateur ? middle : placeClass(v);
    const double loose = c.looseness[at(cls)] / 100.0;
    const double raiseShare = c.raising / 100.0;
    // A seat that cares little for the price stays in more often.
    const double sticky = 1.0 + (100 - c.priceSense) / 200.0;

    bool putIn = false; // called or raised already, blinds aside
    bool raised = false;
    int lastRaiser = -1;
    for (const ViewAction& a : v.actions) {
        if (a.street != Street::preflop)
            continue;
        if (a.place == v.place && (a.kind == ViewActionKind::call || isRaise(a.kind)))
            putIn = true;
        if (a.place == v.place && isRaise(a.kind))
            raised = true;
        if (isRaise(a.kind))
            lastRaiser = a.place;
    }
    // Genius reads the raiser: a player who raises often holds less.
    double readRaiser = 1.0;
    if (m_level == Thinking::genius && lastRaiser >= 0 && lastRaiser != v.place) {
        const PlayerNotes& n = notesOf(v.at(lastRaiser).player);
        const double raising = (n.raisedFirst + 1.2) / (n.hands + 10.0);
        readRaiser = std::clamp(std::sqrt(raising / 0.12), 0.75, 2.0);
    }

    if (t.toCall == 0) {
        // The big blind's option, or a pot nobody raised.
        if (t.mayRaise && pct <= loose * raiseShare * 0.5)
            return raiseOr(v);
        return callOrCheck(t);
    }
    const int bets = v.betsThisStreet;
    if (bets <= 1) {
        // Genius, first in from a late place, raises to take the blinds
        // with more hands, as far as its character likes to raise.
        if (m_level == Thinking::genius && cls == late && !anyoneIn(v) && t.mayRaise
            && pct <= loose * std::min(1.3, raiseShare * 1.6))
            return raiseOr(v);
        // The hands just past its range it plays now and then, so that it
        // cannot be read from a chart.
        if (pct > loose && !(pct <= loose * 1.2 && chance(random, 0.2)))
            return foldOrCheck(t);
        // Genius raises the callers who limped in with more of its hands:
        // they hold less than a raiser would.
        const double isolate = m_level == Thinking::genius && anyoneIn(v) ? 1.4 : 1.0;
        if (pct <= loose * std::min(1.0, raiseShare * isolate))
            return raiseOr(v);
        return callOrCheck(t);
    }
    if (bets == 2) {
        const double cold = m_level == Thinking::amateur ? 0.5 : 0.36;
        double limit = putIn ? loose * 0.75 * sticky : loose * cold * sticky * readRaiser;
        if (cls == blinds && m_level != Thinking::amateur)
            limit = std::max(limit, loose * 0.7); // the blind already in makes the price
        if (pct > limit)
            return foldOrCheck(t);
        if (pct <= limit * raiseShare * 0.4)
            return raiseOr(v);
        return callOrCheck(t);
    }
    const double wide = m_level == Thinking::amateur ? 1.5 : 1.0;
    const double limit = wide
        * (raised       ? loose * 0.5 * sticky
                : putIn ? loose * 0.35 * sticky
                        : loose * 0.15 * sticky * readRaiser);
    if (pct > limit)
        return foldOrCheck(t);
    if (pct <= std::min(0.03, limit * 0.3))
        return raiseOr(v);
    return callOrCheck(t);
}

namespace {

// The place of the last seat that raised before the flop; -1 for none.
[[nodiscard]] int lastPreflopRaiser(const SeatView& v) {
    int raiser = -1;
    for (const ViewAction& a : v.actions) {
        if (a.street == Street::preflop && isRaise(a.kind))
            raiser = a.place;
    }
    return raiser;
}

// Whether this seat made the last bet or raise of the street before.
[[nodiscard]] bool betLastStreet(const SeatView& v) {
    const Street before = static_cast<Street>(static_cast<int>(v.street) - 1);
    int raiser = -1;
    for (const ViewAction& a : v.actions) {
        if (a.street == before && isRaise(a.kind))
            raiser = a.place;
    }
    return raiser == v.place;
}

} // namespace

Decision StandardOpponent::afterFlop(const SeatView& v, Random& random) {
    const TurnQuestion& t = v.turn;
    const Character& c = m_character;
    const int opponents = std::clamp(v.inHandCount() - 1, 1, 7);

    OddsQuestion q;
    q.hole = v.holeCards;
    q.board = v.board;
    q.boardCount = v.boardCount;
    q.opponents = opponents;
    q.trials = trialsOf(m_level);
    q.weighted = m_level >= Thinking::master;
    if (q.weighted) {
        int o = 0;
        for (int p = 0; p < v.seatCount && o < 7; ++p) {
            if (p != v.place && v.at(p).inHand)
                q.ranges[at(o++)] = rangeOf(v, p);
        }
        q.opponents = std::max(o, 1);
    }
    const double share = potShare(q, random);
    const double strength = share * (q.opponents + 1); // 1: a fair share
    const MadeHand made = madeHand(v.holeCards[0], v.holeCards[1], shapeOf(v.board, v.boardCount));
    const bool draw = made == MadeHand::draw;
    const bool river = v.street >= Street::river;
    const bool nuts = share >= 0.95;
    const bool inPosition = v.seatsActingAfter() == 0;

    double valueBar = v.street == Street::flop ? 1.2 : v.street == Street::turn ? 1.3 : 1.4;
    valueBar -= (c.aggression - 50) / 100.0 * 0.6;
    if (m_level >= Thinking::expert) {
        if (inPosition)
            valueBar -= 0.1;
        else if (opponents >= 2)
            valueBar += 0.1;
    }
    // Genius plays the players still in as it has seen them answer bets:
    // thinner value bets and fewer bluffs against those who call (against
    // a calling station it bets any hand that is ahead of what he calls
    // with), more bluffs against those who fold.
    double bluffFactor = 1.0;
    if (m_level == Thinking::genius) {
        double folding = 0;
        int counted = 0;
        for (int p = 0; p < v.seatCount; ++p) {
            if (p == v.place || !v.at(p).inHand)
                continue;
            const PlayerNotes& n = notesOf(v.at(p).player);
            const double folds = (n.folds + 3.0) / (n.folds + n.calls + 8.0);
            folding += folds;
            counted += 1;
        }
        folding = counted > 0 ? folding / counted : 0.375;
        valueBar -= std::clamp((0.45 - folding) * 4.0, -0.15, 0.9);
        bluffFactor = std::clamp(folding / 0.4, 0.5, 1.2);
    }
    double raiseBar = valueBar + (river ? 0.45 : 0.3);
    if (v.betsThisStreet >= 3)
        raiseBar += 0.3;

    // On the river a hand no better in kind than the board alone bets
    // only as a bluff.
    bool showdownHand = true;
    if (river) {
        std::array<Card, 7> seven {};
        seven[0] = v.holeCards[0];
        seven[1] = v.holeCards[1];
        std::copy(v.board.begin(), v.board.end(), seven.begin() + 2);
        const HandCategory mine = rankStandard(seven).category;
        const HandCategory boardAlone = rankStandard(std::span<const Card>(v.board)).category;
        showdownHand = mine > boardAlone;
    }
    if (t.toCall == 0) {
        if ((strength >= valueBar && showdownHand) || nuts) {
            // A trap: check a very strong hand before the river.
            if (!river && share > 0.8 && chance(random, c.slowPlaying / 100.0)) {
                m_trapStreet = v.street;
                return callOrCheck(t);
            }
            return raiseOr(v);
        }
        if (!river && draw && chance(random, c.semiBluffing / 100.0))
            return raiseOr(v);
        // Against one or two: the raiser before the flop bets the flop
        // again, and a seat that everyone checked to takes a stab.
        if (!river && opponents <= 2 && t.mayRaise) {
            const bool raisedLast = v.street == Street::flop
                ? lastPreflopRaiser(v) == v.place
                : betLastStreet(v) && (share >= 0.3 || draw);
            const bool checkedTo = inPosition && m_level >= Thinking::expert;
            if ((raisedLast || checkedTo)
                && chance(random,
                    c.aggression / 100.0 * (opponents == 1 ? 0.8 : 0.5)
                        * std::min(bluffFactor, 1.2)))
                return raiseOr(v);
        }
        if (river && t.mayRaise && opponents <= 2) {
            // A bluff with a hand that cannot win at a showdown.
            const double hopeless = m_level == Thinking::genius ? 0.15 : 0.3;
            double rate = c.bluffing / 100.0 * (opponents == 1 ? 1.0 : 0.4);
            if (m_level >= Thinking::expert)
                rate *= inPosition ? 1.3 : 0.7;
            // Without ranges a share says little: a hand no better than the
            // board is the one to bluff with.
            const bool bluffHand = q.weighted ? share < hopeless : !showdownHand;
            if (bluffHand && chance(random, rate * bluffFactor))
                return raiseOr(v);
        }
        return callOrCheck(t);
    }

    // Facing a bet.
    bool raises = (strength >= raiseBar && showdownHand) || nuts;
    if (m_level == Thinking::genius && m_trapStreet == v.street && share > 0.7)
        raises = true; // the check-raise it set up
    if (!river && draw && v.betsThisStreet <= 1
        && chance(random, c.semiBluffing / 200.0 * (m_level == Thinking::genius ? 1.5 : 1.0)))
        raises = true;
    if (raises && t.mayRaise)
        return raiseOr(v);

    const double priceBar = 0.35 + 0.65 * c.priceSense / 100.0;
    // Without ranges a bettor is taken for a little better than random.
    const double read = q.weighted ? share : share * 0.8;
    if (m_level == Thinking::amateur)
        return read * (q.opponents + 1) >= priceBar ? callOrCheck(t) : foldOrCheck(t);
    // What staying to the showdown costs: this call and, before the river,
    // about a big bet a street to come, against the pot it wins then.
    const int streetsLeft = v.street == Street::flop ? 2 : v.street == Street::turn ? 1 : 0;
    const double later = streetsLeft * v.bigBet * 1.0;
    double pot = static_cast<double>(v.pot) + t.toCall + later * std::min(opponents, 2);
    double cost = t.toCall + later;
    if (m_level == Thinking::genius && draw) {
        // A draw pays only once it is made, and then it wins more.
        cost = t.toCall;
        pot = static_cast<double>(v.pot) + t.toCall + later;
    }
    double need = cost / (pot + cost - t.toCall) * priceBar;
    // A hand without a made pair or a draw seldom gets to its showdown
    // share: it meets more bets, out of position most of all.
    double realised = 1.0;
    if (!river && (made == MadeHand::nothing || made == MadeHand::weakPair))
        realised = inPosition ? 0.85 : 0.7;
    if (!q.weighted) {
        // Against random hands a share says little about a bettor: Expert
        // asks Amateur's fair share, less when the price is good.
        const double price = std::clamp(need * 4.0, 0.6, 1.3);
        return read * realised * (q.opponents + 1) >= priceBar * price ? callOrCheck(t)
                                                                       : foldOrCheck(t);
    }
    if (m_level == Thinking::genius) {
        // Genius prices a bet by who made it: a player it has seen bet
        // more than he calls holds less than his range says, so it calls
        // him down lighter; a passive player's bet it respects and folds
        // to more often. The ranges it reads are drawn tight, so against
        // the table's usual bettor it calls a little lighter than they say.
        int bettor = -1;
        for (const ViewAction& a : v.actions) {
            if (a.street == v.street && isRaise(a.kind))
                bettor = a.place;
        }
        double aggression = 1.5;
        if (bettor >= 0) {
            const PlayerNotes& n = notesOf(v.at(bettor).player);
            aggression = (n.bets + 2.0) / (n.calls + 2.0);
        }
        need *= std::clamp(0.85 * std::pow(1.5 / aggression, 0.6), 0.6, 1.3);
    }
    return read * realised >= need ? callOrCheck(t) : foldOrCheck(t);
}

} // namespace tavolier
