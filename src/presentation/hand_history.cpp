#include "presentation/hand_history.h"

#include "core/seats.h"

#include <algorithm>
#include <array>
#include <chrono>
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

// pattern with "%1", "%2", ... replaced by args in turn.
[[nodiscard]] std::string fill(
    std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9'
            && static_cast<std::size_t>(next - '1') < args.size()) {
            text += *(args.begin() + (next - '1'));
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

// "You call 4 · pot 10" but "Jack calls 4 · pot 10": the human's words or
// another seat's.
[[nodiscard]] std::string said(const StoryWords::Said& words, SeatNumber seat,
    std::int64_t amount = 0, std::int64_t potAfter = 0) {
    return fill(words[seat.isHuman() ? 0 : 1],
        { historySeatName(seat), std::to_string(amount), std::to_string(potAfter) });
}

[[nodiscard]] std::string num(std::int64_t value) {
    return std::to_string(value);
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
[[nodiscard]] std::string nameList(const std::vector<SeatNumber>& seats, const StoryWords& words) {
    const auto nameOf
        = [&words](SeatNumber seat) { return seat.isHuman() ? words.you : name(seat); };
    std::string list;
    for (std::size_t i = 0; i + 1 < seats.size(); ++i) {
        if (i > 0)
            list += ", ";
        list += nameOf(seats[i]);
    }
    if (seats.empty())
        return list;
    if (seats.size() == 1)
        return nameOf(seats.front());
    return fill(words.lastOfList, { list, nameOf(seats.back()) });
}

// The name a hand was shown with, in the story's words.
[[nodiscard]] std::string shownName(std::string_view name, const StoryWords& words) {
    return words.handName ? words.handName(name) : std::string(name);
}

// "Jack wins 42", "You win 42", "Jack and Cindy split 42, 21 each"; with
// side pots, or an odd chip, each winner's take: "Jack wins 30, Cindy wins 12".
[[nodiscard]] std::string awardText(const PotAwarded& award, const StoryWords& words) {
    const std::vector<SeatNumber> winners = winnersOf(award);
    if (winners.empty())
        return fill(words.nobodyWins, { num(award.pot) });
    if (winners.size() == 1)
        return said(words.win, winners[0], award.share);
    // An award that does not say each take is an even split.
    bool even = true;
    for (const SeatNumber seat : winners)
        even = even && (award.won[seat.index()] == award.share || award.won[seat.index()] == 0);
    if (even)
        return fill(words.split, { nameList(winners, words), num(award.pot), num(award.share) });
    std::string text;
    for (const SeatNumber seat : winners) {
        if (!text.empty())
            text += ", ";
        text += said(words.win, seat, award.won[seat.index()]);
    }
    return text;
}

} // namespace

const char* streetName(Street street) {
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

const StoryWords& englishStory() {
    static const StoryWords english;
    return english;
}

std::string matchEndText(const MatchEnded& m, const StoryWords& words) {
    switch (m.result) {
    case MatchResult::humanWon:
        return words.youWinMatch;
    case MatchResult::humanLost:
        return words.youLoseMatch;
    case MatchResult::seatReachedTarget:
        return m.seat.isHuman() ? words.youWinMatch : fill(words.seatWinsMatch, { name(m.seat) });
    }
    return {};
}

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
    if (keepOnlyTheHandInPlay)
        m_hands.clear();
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

void HandHistory::betReturned(const BetReturned& e) {
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

std::string seatNameList(const SeatFlags& seats, const StoryWords& words) {
    return nameList(flaggedSeats(seats), words);
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

std::vector<HistoryLine> historyLines(const HandRecord& hand, const StoryWords& words) {
    using Kind = HistoryLine::Kind;
    std::vector<HistoryLine> lines;
    const HandStarted& s = hand.start;
    std::string heading = fill(words.heading,
        { num(s.handNumber), clockText(hand.startedAt), num(s.smallBet), num(s.bigBet) });
    if (s.newMatch)
        heading = fill(words.newMatch, { heading });
    lines.push_back({ Kind::heading, std::move(heading), {}, {} });
    lines.push_back({ Kind::note, words.yourCards, { s.humanCards[0], s.humanCards[1] }, {} });

    bool riverShown = false;
    // What each seat has in on the street: a raise is told by the total it
    // reaches ("raises to 30"), not by what it paid.
    std::array<std::int64_t, 9> streetIn {};
    const auto putIn = [&streetIn](SeatNumber seat, std::int64_t amount) {
        if (seat.isSeat())
            streetIn[seat.index()] += amount;
        return seat.isSeat() ? streetIn[seat.index()] : amount;
    };
    for (const HandRecord::Step& step : hand.steps) {
        if (const auto* blind = std::get_if<BlindPosted>(&step)) {
            putIn(blind->seat, blind->amount);
            lines.push_back({ Kind::blind,
                said(blind->big ? words.postBig : words.postSmall, blind->seat, blind->amount,
                    blind->potAfter),
                {}, {} });
        } else if (const auto* a = std::get_if<ActionTaken>(&step)) {
            std::string text;
            const std::int64_t total = putIn(a->seat, a->paid);
            switch (a->kind) {
            case ActionKind::check:
                text = said(words.check, a->seat);
                break;
            case ActionKind::call:
                text = said(words.call, a->seat, a->paid, a->potAfter);
                break;
            case ActionKind::raise:
                text = said(words.raise, a->seat, total, a->potAfter);
                break;
            case ActionKind::bet:
                text = said(words.bet, a->seat, a->paid, a->potAfter);
                break;
            case ActionKind::fold:
                text = said(words.fold, a->seat);
                break;
            case ActionKind::sitsOut:
                text = said(words.outOfChips, a->seat);
                break;
            }
            if (a->allIn && a->kind != ActionKind::fold && a->kind != ActionKind::sitsOut)
                text = fill(words.allIn, { text });
            lines.push_back({ Kind::action, std::move(text), {}, {} });
        } else if (const auto* back = std::get_if<BetReturned>(&step)) {
            putIn(back->seat, -back->amount);
            lines.push_back({ Kind::action,
                said(words.takeBack, back->seat, back->amount, back->potAfter), {}, {} });
        } else if (const auto* dealt = std::get_if<StreetDealt>(&step)) {
            streetIn = {};
            const int count = std::clamp(dealt->boardCount, 0, 5);
            std::vector<Card> board(dealt->board.begin(), dealt->board.begin() + count);
            if (dealt->street == Street::showdown && riverShown)
                board.clear();
            riverShown = riverShown || dealt->street == Street::river;
            const auto street = std::clamp<std::size_t>(
                static_cast<std::size_t>(dealt->street) - 1, 0, words.streets.size() - 1);
            lines.push_back({ Kind::street, words.streets[street], std::move(board), {} });
        } else if (const auto* shown = std::get_if<HandShown>(&step)) {
            lines.push_back({ Kind::shown, said(words.show, shown->seat),
                { shown->cards[0], shown->cards[1] },
                shown->name.empty() ? std::string() : " \u00b7 " + shownName(shown->name, words) });
        } else if (const auto* award = std::get_if<PotAwarded>(&step)) {
            std::string text = awardText(*award, words);
            if (award->byFolds)
                text = fill(words.everyoneFolded, { text });
            lines.push_back({ Kind::result, std::move(text), {}, {} });
            // Side pots: each pot on its own line, the main pot first.
            if (award->pots.size() > 1 && !award->byFolds) {
                for (std::size_t p = 0; p < award->pots.size(); ++p)
                    lines.push_back({ Kind::result,
                        fill(p == 0 ? words.mainPot : words.sidePot,
                            { num(award->pots[p].amount),
                                seatNameList(award->pots[p].winners, words) }),
                        {}, {} });
            }
            if (award->lostToSplit > 0 && award->winnerCount > 0)
                lines.push_back({ Kind::result,
                    fill(words.lostToSplit[award->lostToSplit == 1 ? 0 : 1],
                        { num(award->lostToSplit) }),
                    {}, {} });
        }
    }
    if (hand.matchEnd)
        lines.push_back(
            { Kind::note, fill(words.gameOver, { matchEndText(*hand.matchEnd, words) }), {}, {} });
    return lines;
}

std::string historyText(const HandRecord& hand, const StoryWords& words) {
    std::string text;
    for (const HistoryLine& line : historyLines(hand, words)) {
        text += line.plain();
        text += '\n';
    }
    return text;
}

std::string winnerCaption(const HandRecord& hand, const StoryWords& words) {
    const PotAwarded* award = hand.award();
    if (award == nullptr)
        return {};
    const std::vector<SeatNumber> winners = winnersOf(*award);
    if (award->byFolds && winners.size() == 1)
        return said(words.win, winners[0], award->share);
    std::string caption = awardText(*award, words);
    if (winners.size() == 1) {
        // The name the winner's hand was shown with.
        for (const HandRecord::Step& step : hand.steps) {
            const auto* shown = std::get_if<HandShown>(&step);
            if (shown != nullptr && shown->seat == winners[0] && !shown->name.empty()) {
                caption = fill(words.withHand, { caption, shownName(shown->name, words) });
                break;
            }
        }
    }
    return caption;
}

// ---- The hand-history file

namespace {

// clang-format off
    // The file numbers the seats so that the order of play runs up the
    // numbers, as importers expect. Classic plays from the human down the
    // seat numbers: You 1, Chong 2 ... Marc 8. The card rooms' rules play
    // clockwise round the table as drawn: You 1, Marc 2, Chong 3 ... Edmund 8.
    constexpr std::array<SeatNumber, 8> kClassicOrder { SeatNumber(8), SeatNumber(7),
        SeatNumber(6), SeatNumber(5), SeatNumber(4), SeatNumber(3), SeatNumber(2), SeatNumber(1) };
// clang-format on
constexpr std::array<SeatNumber, 8> kClockwiseOrder = [] {
    std::array<SeatNumber, 8> order {};
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = SeatNumber(kClockwise[i]);
    return order;
}();

[[nodiscard]] std::string bracketed(const std::vector<Card>& cards) {
    std::string text = "[";
    for (std::size_t i = 0; i < cards.size(); ++i) {
        if (i > 0)
            text += ' ';
        text += cardCode(cards[i]);
    }
    return text + "]";
}

// ---- Instants

[[nodiscard]] std::chrono::sys_seconds instantOf(const LocalTime& t) {
    using namespace std::chrono;
    const sys_days date { year { t.year } / month { static_cast<unsigned>(t.month) }
        / day { static_cast<unsigned>(t.day) } };
    return date + hours { t.hour } + minutes { t.minute - t.utcOffsetMinutes }
    + seconds { t.second };
}

[[nodiscard]] LocalTime readingAt(
    std::chrono::sys_seconds instant, int offsetMinutes, std::string zone) {
    using namespace std::chrono;
    const sys_seconds local = instant + minutes { offsetMinutes };
    const sys_days date = floor<days>(local);
    const year_month_day ymd { date };
    const hh_mm_ss time { local - date };
    return { static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
        static_cast<int>(static_cast<unsigned>(ymd.day())), static_cast<int>(time.hours().count()),
        static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count()),
        offsetMinutes, std::move(zone) };
}

// A zone's abbreviation a reader can look up: a few capital letters ("CET"),
// not an offset ("+03").
[[nodiscard]] bool namedZone(std::string_view zone) {
    return !zone.empty() && zone.size() <= 6
        && std::all_of(zone.begin(), zone.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

[[nodiscard]] std::string stampText(const LocalTime& t) {
    return dateText(t, '/') + " " + clockText(t);
}

// "2026/12/08 14:03:22 CET [2026/12/08 08:03:22 ET]": the local time with its
// zone, then the same instant on the eastern clock in brackets. A zone known
// only by its offset is written in UTC.
[[nodiscard]] std::string headerTime(const LocalTime& local) {
    const LocalTime shown
        = namedZone(local.zone) ? local : readingAt(instantOf(local), 0, std::string("UTC"));
    return stampText(shown) + " " + shown.zone + " [" + stampText(easternTime(local)) + " ET]";
}

// ---- One hand

// Writes one hand in the layout. It follows the money through the events'
// paid amounts: what each seat has put in on the street, blinds included as
// a reader counts them, and the street's level, the most any seat has in.
class HandWriter {
public:
    HandWriter(const HandRecord& hand, HistoryStyle style)
        : m_hand(hand)
        , m_style(style) { }

    std::string write(std::int64_t handId);

private:
    // How a seat's hand went, for the showdown's mucks and the summary.
    struct Outcome {
        bool folded = false;
        Street foldedOn = Street::preflop;
        const HandShown* shown = nullptr;
        std::int64_t won = 0;
    };

    void line(const std::string& text) {
        m_out += text;
        m_out += '\n';
    }
    void header(std::int64_t handId);
    void holeCards();
    void blind(const BlindPosted& b);
    void action(const ActionTaken& a);
    void returned(const BetReturned& r);
    // The board grew to cards: a line for each street not written yet.
    void boardTo(const std::vector<Card>& cards);
    void showDown();
    void shown(const HandShown& h);
    void award(const PotAwarded& a);
    void summary();
    void put(SeatNumber seat, std::int64_t amount) {
        m_in[seat.index()] += amount;
        m_level = std::max(m_level, m_in[seat.index()]);
    }
    [[nodiscard]] std::string who(SeatNumber seat) const { return name(seat) + ": "; }
    // The seats in the file's order, seat 1 first.
    [[nodiscard]] const std::array<SeatNumber, 8>& order() const {
        return m_hand.start.standardBetting ? kClockwiseOrder : kClassicOrder;
    }
    [[nodiscard]] int fileSeat(SeatNumber seat) const {
        const auto& seats = order();
        return static_cast<int>(std::find(seats.begin(), seats.end(), seat) - seats.begin()) + 1;
    }
    // What each winner took from each pot, the pots in the award's order;
    // empty when the takes do not add up to what the seats received.
    [[nodiscard]] std::vector<SeatFigures> takesByPot(const PotAwarded& a) const;

    const HandRecord& m_hand;
    HistoryStyle m_style;
    std::string m_out;
    // The seats dealt in: chips at the deal and not passed over as out of
    // chips, or a part in the hand's story.
    SeatFlags m_playing {};
    std::array<Outcome, 9> m_outcome {};
    std::array<std::int64_t, 9> m_in {};
    std::int64_t m_level = 0;
    std::vector<Card> m_board;
    bool m_holeCards = false;
    bool m_showDown = false;
    std::int64_t m_collected = 0;
};

void HandWriter::header(std::int64_t handId) {
    const HandStarted& s = m_hand.start;
    line(std::string(m_style == HistoryStyle::trackers ? "PokerStars" : "Tavolier") + " Hand #"
        + num(handId) + ": Hold'em Limit (" + num(s.smallBet) + "/" + num(s.bigBet) + ") - "
        + headerTime(m_hand.startedAt));
    line("Table 'Tavolier' 8-max Seat #" + num(s.buttonSeat.isSeat() ? fileSeat(s.buttonSeat) : 0)
        + " is the button");
    for (const SeatNumber n : order()) {
        // Only the human plays a hand from no chips (a hand-edited file); a
        // reader takes no stack below nothing.
        if (m_playing[n.index()])
            line("Seat " + num(fileSeat(n)) + ": " + name(n) + " ("
                + num(std::max<std::int32_t>(s.stacks[n.index()], 0)) + " in chips)");
    }
}

void HandWriter::holeCards() {
    if (m_holeCards)
        return;
    m_holeCards = true;
    line("*** HOLE CARDS ***");
    line("Dealt to You " + bracketed({ m_hand.start.humanCards[0], m_hand.start.humanCards[1] }));
}

void HandWriter::blind(const BlindPosted& b) {
    line(who(b.seat) + "posts " + (b.big ? "big" : "small") + " blind " + num(b.amount)
        + (b.allIn ? " and is all-in" : ""));
    put(b.seat, b.amount);
    // The others answer the full big blind, even when it was posted short.
    if (b.big)
        m_level = std::max<std::int64_t>(m_level, m_hand.start.bigBlind);
}

void HandWriter::action(const ActionTaken& a) {
    // A seat passed over for want of chips writes nothing, so the blinds that
    // follow still come before the hole cards.
    if (a.kind == ActionKind::sitsOut)
        return;
    holeCards();
    Outcome& o = m_outcome[a.seat.index()];
    const std::int64_t paid = a.paid;
    const std::int64_t to = m_in[a.seat.index()] + paid;
    const std::string allIn = a.allIn ? " and is all-in" : "";
    switch (a.kind) {
    case ActionKind::check:
    case ActionKind::call:
        // A call of nothing passes like a check.
        line(who(a.seat) + (paid > 0 ? "calls " + num(paid) + allIn : std::string("checks")));
        break;
    case ActionKind::bet:
    case ActionKind::raise:
        // A raise names the total it reaches and how far it tops the most any
        // seat had in; a raise that tops nobody put in what a call puts in.
        if (m_level == 0)
            line(who(a.seat) + "bets " + num(paid) + allIn);
        else if (to > m_level)
            line(who(a.seat) + "raises " + num(to - m_level) + " to " + num(to) + allIn);
        else
            line(who(a.seat) + "calls " + num(paid) + allIn);
        break;
    case ActionKind::fold:
        line(who(a.seat) + "folds");
        o.folded = true;
        o.foldedOn = a.street;
        break;
    case ActionKind::sitsOut:
        break;
    }
    put(a.seat, paid);
}

void HandWriter::returned(const BetReturned& r) {
    line("Uncalled bet (" + num(r.amount) + ") returned to " + name(r.seat));
    m_in[r.seat.index()] -= r.amount;
    m_level = *std::max_element(m_in.begin(), m_in.end());
}

void HandWriter::boardTo(const std::vector<Card>& cards) {
    holeCards();
    for (std::size_t count = m_board.size() + 1; count <= cards.size(); ++count) {
        if (count < 3)
            continue;
        const std::vector<Card> before(cards.begin(), cards.begin() + static_cast<long>(count) - 1);
        if (count == 3)
            line("*** FLOP *** " + bracketed({ cards[0], cards[1], cards[2] }));
        else
            line(std::string("*** ") + (count == 4 ? "TURN" : "RIVER") + " *** " + bracketed(before)
                + " " + bracketed({ cards[count - 1] }));
        m_in = {};
        m_level = 0;
    }
    if (cards.size() > m_board.size())
        m_board = cards;
}

void HandWriter::showDown() {
    holeCards();
    if (!m_showDown)
        line("*** SHOW DOWN ***");
    m_showDown = true;
}

void HandWriter::shown(const HandShown& h) {
    showDown();
    m_outcome[h.seat.index()].shown = &h;
    line(who(h.seat) + "shows " + bracketed({ h.cards[0], h.cards[1] })
        + (h.name.empty() ? "" : " (" + h.name + ")"));
}

void HandWriter::award(const PotAwarded& a) {
    holeCards();
    if (!a.byFolds && m_showDown) {
        // A seat still in at the showdown that was not shown (it had run out
        // of chips) lays its cards down unseen.
        for (const SeatNumber n : order()) {
            const std::size_t i = n.index();
            if (m_playing[i] && !m_outcome[i].folded && m_outcome[i].shown == nullptr
                && !a.winners[i])
                line(who(n) + "mucks hand");
        }
    }
    // What each seat received: the award's takes, or an even share where the
    // award gives none.
    SeatFigures won = a.won;
    if (std::all_of(won.begin(), won.end(), [](std::int32_t w) { return w == 0; }))
        for (SeatNumber winner : winnersOf(a))
            won[winner.index()] = a.share;
    for (int seat = 1; seat <= 8; ++seat) {
        m_outcome[static_cast<std::size_t>(seat)].won += won[static_cast<std::size_t>(seat)];
        m_collected += won[static_cast<std::size_t>(seat)];
    }
    // With side pots each take is told from its pot: the side pots, the last
    // first, then the main pot.
    const std::vector<SeatFigures> takes
        = a.pots.size() > 1 ? takesByPot(a) : std::vector<SeatFigures> {};
    if (takes.empty()) {
        for (const SeatNumber n : order())
            if (won[n.index()] > 0)
                line(name(n) + " collected " + num(won[n.index()]) + " from pot");
        return;
    }
    for (std::size_t p = takes.size(); p-- > 0;) {
        for (const SeatNumber n : order())
            if (takes[p][n.index()] > 0)
                line(name(n) + " collected " + num(takes[p][n.index()]) + " from "
                    + (p == 0 ? std::string("main pot")
                              : "side pot-" + num(static_cast<std::int64_t>(p))));
    }
}

std::vector<SeatFigures> HandWriter::takesByPot(const PotAwarded& a) const {
    // Each pot is shared evenly among its winners; the chips that do not
    // divide go one each to its winners clockwise from the button.
    const std::array<SeatNumber, 8>& seats = order();
    const auto button = std::find(seats.begin(), seats.end(), m_hand.start.buttonSeat);
    const std::size_t first
        = button == seats.end() ? 0 : static_cast<std::size_t>(button - seats.begin()) + 1;
    std::vector<SeatFigures> takes;
    SeatFigures total {};
    for (const PotShare& pot : a.pots) {
        SeatFigures take {};
        const std::int32_t count = static_cast<std::int32_t>(
            std::count(pot.winners.begin() + 1, pot.winners.end(), true));
        std::int32_t odd = count > 0 ? pot.amount % count : 0;
        for (std::size_t i = 0; i < seats.size() && count > 0; ++i) {
            const SeatNumber n = seats[(first + i) % seats.size()];
            if (!pot.winners[n.index()])
                continue;
            take[n.index()] = pot.amount / count + (odd > 0 ? 1 : 0);
            odd -= odd > 0 ? 1 : 0;
            total[n.index()] += take[n.index()];
        }
        takes.push_back(take);
    }
    return total == a.won ? takes : std::vector<SeatFigures> {};
}

void HandWriter::summary() {
    const HandStarted& s = m_hand.start;
    line("*** SUMMARY ***");
    const PotAwarded* a = m_hand.award();
    const std::int64_t pot = a != nullptr ? a->pot : 0;
    // The chips nobody collected (an uneven split's remainder, a pot without
    // a winner) are the hand's rake, so that the pot is what was collected
    // and raked.
    std::string pots;
    if (a != nullptr && a->pots.size() > 1) {
        for (std::size_t p = 0; p < a->pots.size(); ++p)
            pots += (p == 0 ? std::string(" Main pot ")
                            : " Side pot-" + num(static_cast<std::int64_t>(p)) + " ")
                + num(a->pots[p].amount) + ".";
    }
    line("Total pot " + num(pot) + pots + " | Rake "
        + num(std::max<std::int64_t>(pot - m_collected, 0)));
    if (!m_board.empty())
        line("Board " + bracketed(m_board));
    for (const SeatNumber n : order()) {
        if (!m_playing[n.index()])
            continue;
        const Outcome& o = m_outcome[n.index()];
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
        } else if (n.isHuman()) {
            text += " mucked " + bracketed({ s.humanCards[0], s.humanCards[1] });
        } else {
            text += " mucked";
        }
        line(text);
    }
}

std::string HandWriter::write(std::int64_t handId) {
    const HandStarted& s = m_hand.start;
    for (int seat = 1; seat <= 8; ++seat)
        m_playing[static_cast<std::size_t>(seat)] = s.stacks[static_cast<std::size_t>(seat)] > 0;
    auto plays = [this](SeatNumber seat, bool in) {
        if (seat.isSeat())
            m_playing[seat.index()] = in;
    };
    for (const HandRecord::Step& step : m_hand.steps) {
        if (const auto* a = std::get_if<ActionTaken>(&step); a && a->kind == ActionKind::sitsOut)
            plays(a->seat, false);
    }
    for (const HandRecord::Step& step : m_hand.steps) {
        if (const auto* b = std::get_if<BlindPosted>(&step)) {
            plays(b->seat, true);
        } else if (const auto* a = std::get_if<ActionTaken>(&step)) {
            if (a->kind != ActionKind::sitsOut)
                plays(a->seat, true);
        } else if (const auto* h = std::get_if<HandShown>(&step)) {
            plays(h->seat, true);
        } else if (const auto* p = std::get_if<PotAwarded>(&step)) {
            for (SeatNumber winner : winnersOf(*p))
                plays(winner, true);
        }
    }

    header(handId);
    for (const HandRecord::Step& step : m_hand.steps) {
        if (const auto* b = std::get_if<BlindPosted>(&step)) {
            blind(*b);
        } else if (const auto* a = std::get_if<ActionTaken>(&step)) {
            action(*a);
        } else if (const auto* r = std::get_if<BetReturned>(&step)) {
            returned(*r);
        } else if (const auto* dealt = std::get_if<StreetDealt>(&step)) {
            const int count = std::clamp(dealt->boardCount, 0, 5);
            boardTo({ dealt->board.begin(), dealt->board.begin() + count });
            if (dealt->street == Street::showdown)
                showDown();
        } else if (const auto* h = std::get_if<HandShown>(&step)) {
            shown(*h);
        } else if (const auto* p = std::get_if<PotAwarded>(&step)) {
            award(*p);
        }
    }
    holeCards();
    summary();
    m_out += '\n';
    return std::move(m_out);
}

} // namespace

std::string handHistoryText(const HandRecord& hand, std::int64_t handId, HistoryStyle style) {
    return HandWriter(hand, style).write(handId);
}

std::string forTrackingTools(std::string_view text) {
    constexpr std::string_view kOwn = "Tavolier Hand #";
    constexpr std::string_view kTrackers = "PokerStars Hand #";
    std::string out;
    out.reserve(text.size() + text.size() / 64);
    // A hand opens the file or follows a blank line.
    bool lineStart = true;
    bool afterBlank = true;
    for (std::size_t i = 0; i < text.size();) {
        if (lineStart && afterBlank && text.substr(i).starts_with(kOwn)) {
            out += kTrackers;
            i += kOwn.size();
            lineStart = false;
            continue;
        }
        const char c = text[i++];
        out += c;
        if (c == '\n') {
            afterBlank = lineStart;
            lineStart = true;
        } else if (c != '\r') {
            lineStart = false;
        }
    }
    return out;
}

LocalTime easternTime(const LocalTime& time) {
    using namespace std::chrono;
    const sys_seconds instant = instantOf(time);
    const year y = year_month_day { floor<days>(instant) }.year();
    // Daylight time from 2:00 standard time on March's second Sunday (7:00
    // UTC) to 2:00 daylight time on November's first Sunday (6:00 UTC).
    const sys_seconds from = sys_days { y / March / Sunday[2] } + hours { 7 };
    const sys_seconds until = sys_days { y / November / Sunday[1] } + hours { 6 };
    const bool daylight = instant >= from && instant < until;
    return readingAt(instant, daylight ? -240 : -300, daylight ? "EDT" : "EST");
}

std::string historyFileName(const LocalTime& day) {
    return "tavolier-" + dateText(day, '-') + ".txt";
}

} // namespace tavolier
