#include "acpc_seat.h"

#include "cli_text.h"

#include "core/seats.h"
#include "game/game.h"

#include <array>

namespace tavolier::cli::acpc {

namespace {

// Cards on the board once a round has begun: none, the flop, the turn, the river.
constexpr std::array<std::size_t, 4> kBoardAfterRound { 0, 3, 4, 5 };

[[nodiscard]] std::string seconds(std::chrono::milliseconds time) {
    const auto ms = time.count();
    return ms % 1000 == 0 ? std::to_string(ms / 1000) + " s" : std::to_string(ms) + " ms";
}

} // namespace

std::string quoteLine(std::string_view line) {
    constexpr std::size_t kShown = 200;
    std::string out(1, '\'');
    out += escapeText(line.substr(0, kShown));
    out += '\'';
    if (line.size() > kShown)
        out += "...";
    return out;
}

std::optional<SeatAddress> parseSeatAddress(std::string_view address) {
    constexpr std::string_view kPrefix = "acpc:";
    if (!address.starts_with(kPrefix))
        return std::nullopt;
    address.remove_prefix(kPrefix.size());
    SeatAddress a;
    const std::size_t colon = address.rfind(':');
    if (colon != std::string_view::npos) {
        a.host = std::string(address.substr(0, colon));
        address.remove_prefix(colon + 1);
        if (a.host.size() > 2 && a.host.front() == '[' && a.host.back() == ']')
            a.host = a.host.substr(1, a.host.size() - 2);
        // A name or an address: nothing an error message would have to escape.
        if (a.host.empty()
            || a.host.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                        "0123456789.-_:")
                != std::string::npos)
            return std::nullopt;
    }
    const auto port = parseNumber<std::uint16_t>(address);
    if (!port)
        return std::nullopt;
    a.port = *port;
    return a;
}

bool OutsideSeat::open(const SeatAddress& address, std::ostream& err, std::string& error) {
    if (!m_listener.listenOn(address.host, address.port, error))
        return false;
    err << "tavolier-cli: waiting for a program on " << address.host << ":" << m_listener.port()
        << "\n";
    err.flush();
    m_connection = m_listener.acceptOne(error);
    if (!m_connection)
        return false;
    // A program that stops reading is as silent as one that stops answering.
    m_connection->setWriteTimeout(m_timeout);
    std::string line;
    switch (m_connection->readLine(line, m_timeout)) {
    case LineConnection::Read::line:
        if (line == kVersionLine)
            return true;
        error = "the program's first line is " + quoteInput(line) + ", not "
            + std::string(kVersionLine);
        return false;
    case LineConnection::Read::closed:
        error = "the program closed the connection before it sent " + std::string(kVersionLine);
        return false;
    case LineConnection::Read::timeout:
        error
            = "the program sent no " + std::string(kVersionLine) + " within " + seconds(m_timeout);
        return false;
    case LineConnection::Read::tooLong:
        error = "the program's first line is longer than 65536 bytes (refused)";
        return false;
    }
    return false;
}

void OutsideSeat::sitAt(int seat, const TableState* table) {
    m_seat = seat;
    m_table = table;
}

std::string OutsideSeat::seatName() const {
    return m_seat == kHumanSeat.number() ? std::string("You") : std::string(seatInfo(m_seat).name);
}

void OutsideSeat::close() {
    if (m_connection)
        m_connection->close();
}

void OutsideSeat::fail(std::string_view what, std::optional<std::string_view> arrived) {
    std::string text = "the program (seat " + seatName() + ") failed in hand "
        + std::to_string(m_hands) + ", state " + m_lastSent + ": " + std::string(what);
    text += arrived ? "; arrived " + quoteLine(*arrived) : "; nothing arrived";
    m_failure = text;
    throw PartnerFailed(text);
}

void OutsideSeat::send() {
    if (!m_pending || !m_inHand || !m_failure.empty())
        return;
    m_pending = false;
    m_lastSent = formatMatchState(m_state);
    if (m_connection && !m_connection->writeLine(m_lastSent)) {
        // Noticed here inside the rules, which go on: the run ends after the
        // hand, or at the seat's next turn.
        m_failure = "the program (seat " + seatName() + ") failed in hand "
            + std::to_string(m_hands) + ", state " + m_lastSent + ": the connection dropped";
    }
}

void OutsideSeat::handStarted(const HandStarted& e) {
    m_inHand = e.stacks[static_cast<std::size_t>(m_seat)] > 0;
    if (!m_inHand)
        return;
    ++m_hands;
    // Positions count the seats dealt in, clockwise from the first after the button.
    m_positionOf.assign(kSeatCount + 1, -1);
    std::size_t buttonPlace = 0;
    for (std::size_t i = 0; i < kClockwise.size(); ++i) {
        if (kClockwise[i] == e.buttonSeat.number())
            buttonPlace = i;
    }
    std::vector<std::int32_t> stacks;
    for (std::size_t step = 1; step <= kClockwise.size(); ++step) {
        const int seat = kClockwise[(buttonPlace + step) % kClockwise.size()];
        if (e.stacks[static_cast<std::size_t>(seat)] <= 0)
            continue;
        m_positionOf[static_cast<std::size_t>(seat)] = static_cast<int>(stacks.size());
        stacks.push_back(e.stacks[static_cast<std::size_t>(seat)]);
    }
    m_state = MatchState {};
    m_state.position = m_positionOf[static_cast<std::size_t>(m_seat)];
    m_state.handNumber = static_cast<std::uint32_t>(m_hands - 1);
    m_state.betting.assign(1, "");
    m_state.board.assign(1, {});
    m_state.holeCards.assign(stacks.size(), {});
    const std::array<Card, 2> own
        = m_table != nullptr ? m_table->seat(m_seat).holeCards : e.humanCards;
    m_state.holeCards[static_cast<std::size_t>(m_state.position)] = { own[0], own[1] };
    // The stacks of the hand by position, for a program that wants them.
    std::string stackLine = "# hand " + std::to_string(m_state.handNumber) + " stacks";
    for (const std::int32_t s : stacks) {
        stackLine += ' ';
        stackLine += std::to_string(s);
    }
    if (m_failure.empty() && m_connection && !m_connection->writeLine(stackLine))
        m_failure = "the program (seat " + seatName() + ") failed in hand "
            + std::to_string(m_hands) + ": the connection dropped";
    m_pending = true;
}

void OutsideSeat::actionTaken(const ActionTaken& e) {
    if (!m_inHand || e.kind == ActionKind::sitsOut)
        return;
    send();
    char code = 'c';
    switch (e.kind) {
    case ActionKind::fold:
        code = 'f';
        break;
    case ActionKind::bet:
    case ActionKind::raise:
        code = 'r';
        break;
    case ActionKind::check:
    case ActionKind::call:
    case ActionKind::sitsOut:
        code = 'c';
        break;
    }
    m_state.betting.back() += code;
    m_pending = true;
}

void OutsideSeat::streetDealt(const StreetDealt& e) {
    if (!m_inHand || e.street == Street::showdown)
        return;
    const auto round = static_cast<std::size_t>(static_cast<int>(e.street) - 1);
    while (m_state.betting.size() <= round) {
        const std::size_t r = m_state.betting.size();
        m_state.betting.emplace_back();
        m_state.board.emplace_back(
            e.board.begin() + static_cast<std::ptrdiff_t>(kBoardAfterRound[r - 1]),
            e.board.begin() + static_cast<std::ptrdiff_t>(kBoardAfterRound[r]));
    }
    m_pending = true;
}

void OutsideSeat::handShown(const HandShown& e) {
    if (!m_inHand)
        return;
    const int position = m_positionOf[e.seat.index()];
    if (position >= 0)
        m_state.holeCards[static_cast<std::size_t>(position)] = { e.cards[0], e.cards[1] };
    m_pending = true;
}

void OutsideSeat::handEnded(const HandEnded&) {
    if (!m_inHand)
        return;
    send();
    m_inHand = false;
}

char OutsideSeat::ask(bool mayFold, bool mayRaise) {
    if (!m_failure.empty())
        throw PartnerFailed(m_failure);
    if (formatMatchState(m_state) != m_lastSent)
        m_pending = true;
    // A comment before the state to answer, for a program too simple to
    // follow the betting.
    if (m_pending && m_connection && !m_connection->writeLine(kTurnComment))
        m_failure = "the program (seat " + seatName() + ") failed in hand "
            + std::to_string(m_hands) + ": the connection dropped";
    send();
    if (!m_failure.empty())
        throw PartnerFailed(m_failure);
    std::string line;
    switch (m_connection->readLine(line, m_timeout)) {
    case LineConnection::Read::closed:
        fail("the connection dropped before an answer", std::nullopt);
    case LineConnection::Read::timeout:
        fail("no answer within " + seconds(m_timeout), std::nullopt);
    case LineConnection::Read::tooLong:
        fail("it sent a line longer than 65536 bytes (refused, not stored)", std::nullopt);
    case LineConnection::Read::line:
        break;
    }
    const std::string expected = m_lastSent + ":";
    if (line.size() != expected.size() + 1 || !line.starts_with(expected)
        || std::string_view("fcr").find(line.back()) == std::string_view::npos)
        fail("it sent a malformed answer (the state sent, then :f, :c or :r)", line);
    if (line.back() == 'f' && !mayFold)
        fail("it sent an illegal action (a fold when a check is free)", line);
    if (line.back() == 'r' && !mayRaise)
        fail("it sent an illegal action (a raise when no raise is allowed)", line);
    return line.back();
}

void OutsideSeat::act(Game& game) {
    const LegalActions legal = game.legalActions();
    switch (ask(legal.mustCall, legal.raise)) {
    case 'f':
        game.fold();
        return;
    case 'r':
        game.raise();
        return;
    default:
        game.checkOrCall();
        return;
    }
}

Decision OutsideSeat::decide(const SeatView& view, Random&) {
    switch (ask(view.turn.facingBet, view.turn.mayRaise)) {
    case 'f':
        return { DecisionKind::fold, 0 };
    case 'r':
        return { view.turn.facingBet ? DecisionKind::raise : DecisionKind::bet, view.turn.betSize };
    default:
        return view.turn.facingBet ? Decision { DecisionKind::call, view.turn.toCall }
                                   : Decision { DecisionKind::check, 0 };
    }
}

} // namespace tavolier::cli::acpc
