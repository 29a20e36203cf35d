#include "presentation/hand_history.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace tavolier {

namespace {

// clang-format off
    // The names of the seats by seat number.
    constexpr std::array<std::string_view, 9> kSeatNames {
        "", "Marc", "Edmund", "Robert", "Cindy", "Carlos", "Jack", "Chong", "You",
    };
    constexpr std::string_view kRankLetters = "23456789TJQKA";
    constexpr std::array<std::string_view, 13> kRankGlyphs {
        "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A",
    };
    // Clubs, diamonds, hearts, spades.
    constexpr std::string_view kSuitLetters = "cdhs";
    constexpr std::array<std::string_view, 4> kSuitGlyphs { "\u2663", "\u2666", "\u2665", "\u2660" };
// clang-format on

[[nodiscard]] bool validCard(Card c) {
    return c.suit >= 0 && c.suit < 4 && c.rank >= 0 && c.rank < 13;
}

[[nodiscard]] std::string name(SeatNumber seat) {
    return std::string(historySeatName(seat));
}

// "You check" but "Jack checks": the verb agrees with the seat.
[[nodiscard]] std::string says(SeatNumber seat, std::string_view verb) {
    std::string line = name(seat);
    line += ' ';
    line += verb;
    if (!seat.isHuman()) {
        if (verb.ends_with("sh") || verb.ends_with("ch") || verb.ends_with('s'))
            line += "es";
        else
            line += 's';
    }
    return line;
}

[[nodiscard]] std::string num(std::int64_t value) {
    return std::to_string(value);
}

[[nodiscard]] std::string chips(std::int64_t value) {
    return num(value) + (value == 1 || value == -1 ? " chip" : " chips");
}

[[nodiscard]] std::string twoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

[[nodiscard]] std::string clockText(const LocalTime& t) {
    return twoDigits(t.hour) + ":" + twoDigits(t.minute) + ":" + twoDigits(t.second);
}

[[nodiscard]] std::string dateText(const LocalTime& t, char separator) {
    char buffer[32];
    std::snprintf(
        buffer, sizeof buffer, "%04d%c%02d%c%02d", t.year, separator, t.month, separator, t.day);
    return buffer;
}

// The seats flagged, in naming order.
[[nodiscard]] std::vector<SeatNumber> flaggedSeats(const SeatFlags& flags) {
    std::vector<SeatNumber> seats;
    for (int seat : kNamingOrder)
        if (flags[static_cast<std::size_t>(seat)])
            seats.emplace_back(seat);
    return seats;
}

// The winners of an award in naming order.
[[nodiscard]] std::vector<SeatNumber> winnersOf(const PotAwarded& award) {
    return flaggedSeats(award.winners);
}

// "Jack", "Jack and Cindy", "You, Jack and Cindy".
[[nodiscard]] std::string nameList(const std::vector<SeatNumber>& seats) {
    std::string list;
    for (std::size_t i = 0; i < seats.size(); ++i) {
        if (i > 0)
            list += i + 1 == seats.size() ? " and " : ", ";
        list += name(seats[i]);
    }
    return list;
}

// "Jack wins 42", "You win 42", "Jack and Cindy split 42, 21 each"; with
// side pots, or an odd chip, each winner's take: "Jack wins 30, Cindy wins 12".
[[nodiscard]] std::string awardText(const PotAwarded& award) {
    const std::vector<SeatNumber> winners = winnersOf(award);
    if (winners.empty())
        return "Nobody wins the pot of " + num(award.pot);
    if (winners.size() == 1)
        return says(winners[0], "win") + " " + num(award.share);
    // An award that does not say each take is an even split.
    bool even = true;
    for (const SeatNumber seat : winners)
        even = even && (award.won[seat.index()] == award.share || award.won[seat.index()] == 0);
    if (even)
        return nameList(winners) + " split " + num(award.pot) + ", " + num(award.share) + " each";
    std::string text;
    for (const SeatNumber seat : winners) {
        if (!text.empty())
            text += ", ";
        text += says(seat, "win") + " " + num(award.won[seat.index()]);
    }
    return text;
}

[[nodiscard]] std::string matchEndText(const MatchEnded& m) {
    switch (m.result) {
    case MatchResult::humanWon:
        return "You win!";
    case MatchResult::humanLost:
        return "You lose!";
    case MatchResult::seatReachedTarget:
        return m.seat.isHuman() ? std::string("You win!") : name(m.seat) + " wins";
    }
    return {};
}

[[nodiscard]] const char* streetName(Street street) {
    switch (street) {
    case Street::preflop:
        return "Pre-flop";
    case Street::flop:
        return "Flop";
    case Street::turn:
        return "Turn";
    case Street::river:
        return "River";
    case Street::showdown:
        return "Showdown";
    }
    return "";
}

} // namespace

// ---- The record

std::vector<Card> HandRecord::board() const {
    std::vector<Card> cards;
    for (const Step& step : steps) {
        if (const auto* dealt = std::get_if<StreetDealt>(&step)) {
            const int count = std::clamp(dealt->boardCount, 0, 5);
            cards.assign(dealt->board.begin(), dealt->board.begin() + count);
        }
    }
    return cards;
}

const PotAwarded* HandRecord::award() const {
    const PotAwarded* last = nullptr;
    for (const Step& step : steps)
        if (const auto* a = std::get_if<PotAwarded>(&step))
            last = a;
    return last;
}

HandHistory::HandHistory(HistoryClock clock)
    : m_clock(std::move(clock)) {
}

HandRecord* HandHistory::current() {
    return m_hands.empty() ? nullptr : &m_hands.back();
}

void HandHistory::notify() {
    if (changed && !m_hands.empty())
        changed(m_hands.size() - 1);
}

void HandHistory::add(HandRecord::Step step) {
    HandRecord* hand = current();
    // Events outside a hand (none are expected) have nowhere to go.
    if (hand == nullptr || hand->finished())
        return;
    hand->steps.push_back(std::move(step));
    notify();
}

void HandHistory::handStarted(const HandStarted& e) {
    HandRecord hand;
    hand.start = e;
    if (m_clock)
        hand.startedAt = m_clock();
    m_hands.push_back(std::move(hand));
    notify();
}

void HandHistory::blindPosted(const BlindPosted& e) {
    add(e);
}

void HandHistory::actionTaken(const ActionTaken& e) {
    add(e);
}

void HandHistory::streetDealt(const StreetDealt& e) {
    add(e);
}

void HandHistory::handShown(const HandShown& e) {
    add(e);
}

void HandHistory::potAwarded(const PotAwarded& e) {
    add(e);
}

void HandHistory::handEnded(const HandEnded& e) {
    HandRecord* hand = current();
    if (hand == nullptr || hand->finished())
        return;
    hand->end = e;
    notify();
    if (handFinished)
        handFinished(*hand);
}

void HandHistory::matchEnded(const MatchEnded& e) {
    // The match ends after its last hand; that hand carries the news.
    HandRecord* hand = current();
    if (hand == nullptr || hand->matchEnd)
        return;
    hand->matchEnd = e;
    notify();
}

// ---- Names and cards

std::string seatNameList(const SeatFlags& seats) {
    return nameList(flaggedSeats(seats));
}

std::string_view historySeatName(SeatNumber seat) {
    return seat.isSeat() ? kSeatNames[seat.index()] : std::string_view("Nobody");
}

std::string cardCode(Card card) {
    if (!validCard(card))
        return "??";
    return { kRankLetters[static_cast<std::size_t>(card.rank)],
        kSuitLetters[static_cast<std::size_t>(card.suit)] };
}

std::string cardGlyphs(Card card) {
    if (!validCard(card))
        return "??";
    return std::string(kRankGlyphs[static_cast<std::size_t>(card.rank)])
        + std::string(kSuitGlyphs[static_cast<std::size_t>(card.suit)]);
}

std::string HistoryLine::plain() const {
    std::string line = text;
    for (const Card& c : cards) {
        if (!line.empty())
            line += ' ';
        line += cardGlyphs(c);
    }
    line += after;
    return line;
}

// ---- The History window's lines

std::vector<HistoryLine> historyLines(const HandRecord& hand) {
    using Kind = HistoryLine::Kind;
    std::vector<HistoryLine> lines;
    const HandStarted& s = hand.start;
    lines.push_back({ Kind::heading,
        "Hand #" + num(s.handNumber) + " \u00b7 " + clockText(hand.startedAt) + " \u00b7 "
            + num(s.smallBet) + "/" + num(s.bigBet) + (s.newMatch ? " \u00b7 new match" : ""),
        {}, {} });
    lines.push_back({ Kind::note, "Your cards", { s.humanCards[0], s.humanCards[1] }, {} });

    bool riverShown = false;
    for (const HandRecord::Step& step : hand.steps) {
        if (const auto* blind = std::get_if<BlindPosted>(&step)) {
            lines.push_back({ Kind::blind,
                says(blind->seat, "post") + (blind->big ? " the big blind " : " the small blind ")
                    + num(blind->amount) + " \u00b7 pot " + num(blind->potAfter),
                {}, {} });
        } else if (const auto* a = std::get_if<ActionTaken>(&step)) {
            std::string text;
            switch (a->kind) {
            case ActionKind::check:
                text = says(a->seat, "check");
                break;
            case ActionKind::call:
                text = says(a->seat, "call") + " " + num(a->paid) + " \u00b7 pot "
                    + num(a->potAfter);
                break;
            case ActionKind::raise:
                text = says(a->seat, "raise") + " " + num(a->paid) + " \u00b7 pot "
                    + num(a->potAfter);
                break;
            case ActionKind::bet:
                text
                    = says(a->seat, "bet") + " " + num(a->paid) + " \u00b7 pot " + num(a->potAfter);
                break;
            case ActionKind::fold:
                text = says(a->seat, "fold");
                break;
            case ActionKind::sitsOut:
                text = name(a->seat) + (a->seat.isHuman() ? " are" : " is") + " out of chips";
                break;
            }
            lines.push_back({ Kind::action, std::move(text), {}, {} });
        } else if (const auto* dealt = std::get_if<StreetDealt>(&step)) {
            const int count = std::clamp(dealt->boardCount, 0, 5);
            std::vector<Card> board(dealt->board.begin(), dealt->board.begin() + count);
            if (dealt->street == Street::showdown && riverShown)
                board.clear();
            riverShown = riverShown || dealt->street == Street::river;
            lines.push_back({ Kind::street, streetName(dealt->street), std::move(board), {} });
        } else if (const auto* shown = std::get_if<HandShown>(&step)) {
            lines.push_back(
                { Kind::shown, says(shown->seat, "show"), { shown->cards[0], shown->cards[1] },
                    shown->name.empty() ? std::string() : " \u00b7 " + shown->name });
        } else if (const auto* award = std::get_if<PotAwarded>(&step)) {
            std::string text = awardText(*award);
            if (award->byFolds)
                text += ", everyone folded";
            lines.push_back({ Kind::result, std::move(text), {}, {} });
            if (award->lostToSplit > 0 && award->winnerCount > 0)
                lines.push_back(
                    { Kind::result, chips(award->lostToSplit) + " lost to the split", {}, {} });
        }
    }
    if (hand.matchEnd)
        lines.push_back({ Kind::note, "Game over: " + matchEndText(*hand.matchEnd), {}, {} });
    return lines;
}

std::string historyText(const HandRecord& hand) {
    std::string text;
    for (const HistoryLine& line : historyLines(hand)) {
        text += line.plain();
        text += '\n';
    }
    return text;
}

std::string winnerCaption(const HandRecord& hand) {
    const PotAwarded* award = hand.award();
    if (award == nullptr)
        return {};
    const std::vector<SeatNumber> winners = winnersOf(*award);
    if (award->byFolds && winners.size() == 1)
        return says(winners[0], "win") + " " + num(award->share);
    std::string caption = awardText(*award);
    if (winners.size() == 1) {
        // The name the winner's hand was shown with.
        for (const HandRecord::Step& step : hand.steps) {
            const auto* shown = std::get_if<HandShown>(&step);
            if (shown != nullptr && shown->seat == winners[0] && !shown->name.empty()) {
                caption += " with " + shown->name;
                break;
            }
        }
    }
    return caption;
}

// ---- The hand-history file

namespace {

// Seats are numbered in the file so that the order of play runs up the
// numbers, as importers expect: the human is seat 1, Chong 2, ... Marc 8.
[[nodiscard]] int fileSeat(SeatNumber seat) {
    return 9 - seat.number();
}

[[nodiscard]] std::string bracketed(const std::vector<Card>& cards) {
    std::string text = "[";
    for (std::size_t i = 0; i < cards.size(); ++i) {
        if (i > 0)
            text += ' ';
        text += cardCode(cards[i]);
    }
    return text + "]";
}

// How a seat's hand ended, for the summary.
struct SeatOutcome {
    bool acted = false;
    bool folded = false;
    Street foldedOn = Street::preflop;
    const HandShown* shown = nullptr;
    std::int32_t won = 0;
};

} // namespace

std::string handHistoryText(const HandRecord& hand, std::int64_t handId) {
    const HandStarted& s = hand.start;
    std::string out;
    auto line = [&out](const std::string& text) {
        out += text;
        out += '\n';
    };

    line("Tavolier Hand #" + num(handId) + ": Hold'em Limit (" + num(s.smallBet) + "/"
        + num(s.bigBet) + ") - " + dateText(hand.startedAt, '/') + " " + clockText(hand.startedAt));
    line("Table 'Tavolier' 8-max Seat #" + num(s.buttonSeat.isSeat() ? fileSeat(s.buttonSeat) : 0)
        + " is the button");
    for (int seat = 8; seat >= 1; --seat) {
        const SeatNumber n(seat);
        const std::int32_t stack = s.stacks[n.index()];
        line("Seat " + num(fileSeat(n)) + ": " + name(n) + " (" + num(stack) + " in chips)"
            + (stack <= 0 ? " is sitting out" : ""));
    }

    std::array<SeatOutcome, 9> outcome {};
    // What each seat has put in on the current street, for "raises 4 to 8".
    std::array<std::int64_t, 9> streetIn {};
    std::int64_t streetBet = 0;
    bool holeCardsShown = false;
    bool showdownShown = false;
    std::vector<Card> board;
    auto holeCards = [&] {
        if (holeCardsShown)
            return;
        holeCardsShown = true;
        line("*** HOLE CARDS ***");
        line("Dealt to You " + bracketed({ s.humanCards[0], s.humanCards[1] }));
    };

    for (const HandRecord::Step& step : hand.steps) {
        if (const auto* blind = std::get_if<BlindPosted>(&step)) {
            line(name(blind->seat) + ": posts " + (blind->big ? "big" : "small") + " blind "
                + num(blind->amount));
            streetIn[blind->seat.index()] += blind->amount;
            streetBet = std::max(streetBet, streetIn[blind->seat.index()]);
        } else if (const auto* a = std::get_if<ActionTaken>(&step)) {
            holeCards();
            const std::size_t i = a->seat.index();
            SeatOutcome& o = outcome[i];
            o.acted = true;
            switch (a->kind) {
            case ActionKind::check:
                line(name(a->seat) + ": checks");
                break;
            case ActionKind::call:
                line(name(a->seat) + ": calls " + num(a->paid));
                streetIn[i] += a->paid;
                break;
            case ActionKind::bet:
            case ActionKind::raise: {
                const std::int64_t to = streetIn[i] + a->paid;
                if (streetBet == 0)
                    line(name(a->seat) + ": bets " + num(a->paid));
                else
                    line(name(a->seat) + ": raises " + num(to - streetBet) + " to " + num(to));
                streetIn[i] = to;
                streetBet = std::max(streetBet, to);
                break;
            }
            case ActionKind::fold:
                line(name(a->seat) + ": folds");
                o.folded = true;
                o.foldedOn = a->street;
                break;
            case ActionKind::sitsOut:
                // The seat line already says the seat sits out; it pays nothing.
                break;
            }
        } else if (const auto* dealt = std::get_if<StreetDealt>(&step)) {
            holeCards();
            const int count = std::clamp(dealt->boardCount, 0, 5);
            std::vector<Card> now(dealt->board.begin(), dealt->board.begin() + count);
            streetIn = {};
            streetBet = 0;
            if (dealt->street == Street::showdown) {
                if (!showdownShown)
                    line("*** SHOW DOWN ***");
                showdownShown = true;
            } else if (dealt->street == Street::flop) {
                line("*** FLOP *** " + bracketed(now));
            } else if (count > 0) {
                const std::vector<Card> before(now.begin(), now.end() - 1);
                line(std::string("*** ") + (dealt->street == Street::turn ? "TURN" : "RIVER")
                    + " *** " + bracketed(before) + " " + bracketed({ now.back() }));
            }
            board = std::move(now);
        } else if (const auto* shown = std::get_if<HandShown>(&step)) {
            holeCards();
            if (!showdownShown)
                line("*** SHOW DOWN ***");
            showdownShown = true;
            outcome[shown->seat.index()].shown = shown;
            line(name(shown->seat) + ": shows " + bracketed({ shown->cards[0], shown->cards[1] })
                + (shown->name.empty() ? "" : " (" + shown->name + ")"));
        } else if (const auto* award = std::get_if<PotAwarded>(&step)) {
            holeCards();
            for (SeatNumber winner : winnersOf(*award)) {
                outcome[winner.index()].won += award->share;
                line(name(winner) + " collected " + num(award->share) + " from pot");
            }
        }
    }
    holeCards();

    line("*** SUMMARY ***");
    const PotAwarded* award = hand.award();
    line("Total pot " + num(award != nullptr ? award->pot : 0) + " | Rake 0");
    if (!board.empty())
        line("Board " + bracketed(board));
    for (int seat = 8; seat >= 1; --seat) {
        const SeatNumber n(seat);
        const SeatOutcome& o = outcome[n.index()];
        std::string text = "Seat " + num(fileSeat(n)) + ": " + name(n);
        if (n == s.buttonSeat)
            text += " (button)";
        if (n == s.smallBlindSeat)
            text += " (small blind)";
        if (n == s.bigBlindSeat)
            text += " (big blind)";
        if (o.folded) {
            text += o.foldedOn == Street::preflop
                ? std::string(" folded before Flop")
                : std::string(" folded on the ") + streetName(o.foldedOn);
        } else if (o.shown != nullptr) {
            text += " showed " + bracketed({ o.shown->cards[0], o.shown->cards[1] });
            text += o.won > 0 ? " and won (" + num(o.won) + ")" : std::string(" and lost");
            if (!o.shown->name.empty())
                text += " with " + o.shown->name;
        } else if (o.won > 0) {
            text += " collected (" + num(o.won) + ")";
        } else if (s.stacks[n.index()] <= 0) {
            text += " sat out";
        } else {
            text += " mucked";
        }
        line(text);
    }
    out += '\n';
    return out;
}

std::string historyFileName(const LocalTime& day) {
    return "tavolier-" + dateText(day, '-') + ".txt";
}

} // namespace tavolier
