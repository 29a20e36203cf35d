#pragma once

// An outside program in the human's chair, over the computer-poker protocol:
// the table listens, the program connects and says its version, and from
// then on it is sent the human seat's match state after every action and
// answers each state in which it acts with f, c or r, which become the
// human's Fold, Check/Call and Raise. Anything else it does (a malformed or
// illegal answer, silence past the time allowed, a dropped connection)
// ends the run with a message that names the hand, the state and what
// arrived.

#include "acpc_line.h"
#include "acpc_protocol.h"

#include "core/table_state.h"
#include "game/match_play.h"
#include "opponents/opponent.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tavolier::cli::acpc {

// Thrown by the seat when its program failed; what() says how.
class PartnerFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where an "acpc:PORT" or "acpc:HOST:PORT" address listens: host (loopback
// when not given) and port; nullopt when the address is not one.
struct SeatAddress {
    std::string host = "127.0.0.1";
    std::uint16_t port = 0;
};
[[nodiscard]] std::optional<SeatAddress> parseSeatAddress(std::string_view address);

// A line as an error message quotes it: in single quotes, escaped, its first
// 200 bytes and "..." when it is longer.
[[nodiscard]] std::string quoteLine(std::string_view line);

// The comment line the table sends just before each state the program is to
// answer (a program may ignore it, as every comment).
inline constexpr std::string_view kTurnComment = "# your turn";

// The exit status of a run that a partner (a program at the table, or a
// dealer) ended by failing.
inline constexpr int kPartnerFailed = 3;

// The program's seat. It plays the human's chair of play and tournament
// (act), or any chair of a table whose seats are all opponents (decide,
// after sitAt).
class OutsideSeat : public OutsidePlayer, public Opponent {
public:
    explicit OutsideSeat(std::chrono::milliseconds timeout)
        : m_timeout(timeout) { }

    // Listens at address, tells err the port ("... listening on HOST:PORT"),
    // waits for the program and reads its version line. False with the
    // reason in error.
    [[nodiscard]] bool open(const SeatAddress& address, std::ostream& err, std::string& error);
    // Ends the connection: the program reads the end of the match.
    void close();

    // The human's turn: the state goes out and the answer is played.
    // Throws PartnerFailed.
    void act(Game& game) override;
    // The same for a table that asks its seats as opponents.
    [[nodiscard]] Decision decide(const SeatView& view, Random& random) override;
    // The chair the program sits in from the next hand (the human's until
    // told), and the table whose state holds its cards (nullptr: the
    // human's cards as the hand's start reports them).
    void sitAt(int seat, const TableState* table);
    // A failure noticed while sending (the connection dropped): the run
    // ends after the hand. Empty when none.
    [[nodiscard]] const std::string& failure() const { return m_failure; }

    void handStarted(const HandStarted& e) override;
    void actionTaken(const ActionTaken& e) override;
    void streetDealt(const StreetDealt& e) override;
    void handShown(const HandShown& e) override;
    void handEnded(const HandEnded& e) override;

private:
    std::chrono::milliseconds m_timeout;
    Listener m_listener;
    std::unique_ptr<LineConnection> m_connection;
    std::string m_failure;
    int m_seat = 8;
    const TableState* m_table = nullptr;

    // The hand as the human's seat sees it.
    bool m_inHand = false;
    std::int64_t m_hands = 0; // hands dealt with the human in, counted from 1
    std::vector<int> m_positionOf; // by seat number: position, or -1
    MatchState m_state;
    bool m_pending = false; // m_state has changed since it was last sent
    std::string m_lastSent;

    void send();
    // The program's answer to the state: 'f', 'c' or 'r'. Throws PartnerFailed.
    [[nodiscard]] char ask(bool mayFold, bool mayRaise);
    // "You", or the name of the chair the program sits in.
    [[nodiscard]] std::string seatName() const;
    [[noreturn]] void fail(std::string_view what, std::optional<std::string_view> arrived);
};

} // namespace tavolier::cli::acpc
