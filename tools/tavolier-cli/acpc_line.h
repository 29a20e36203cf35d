#pragma once

// Lines of text over a TCP connection, as the computer-poker protocol sends
// them: each ends with "\r\n" (a bare "\n" is taken too). Reads wait at most
// a given time; a line longer than the protocol allows is refused without
// being stored; writes never raise SIGPIPE and go out whole.

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tavolier::cli::acpc {

class LineConnection {
public:
    enum class Read {
        line, // a whole line, without its line end
        closed, // the other side closed the connection (or it broke)
        timeout, // nothing whole within the time
        tooLong, // a line longer than kMaxLineLength: refused
    };

    explicit LineConnection(int fd)
        : m_fd(fd) { }
    ~LineConnection();
    LineConnection(const LineConnection&) = delete;
    LineConnection& operator=(const LineConnection&) = delete;

    // Connects to host:port; nullopt with the system's reason in error.
    [[nodiscard]] static std::unique_ptr<LineConnection> connectTo(
        const std::string& host, std::uint16_t port, std::string& error);

    // Reads the next line into line; waits at most timeout (forever when
    // timeout is not given).
    [[nodiscard]] Read readLine(
        std::string& line, std::optional<std::chrono::milliseconds> timeout = std::nullopt);
    // Sends text and "\r\n"; false when the connection is gone, or when
    // the other side has read nothing for the write timeout with the
    // connection's buffers full.
    [[nodiscard]] bool writeLine(std::string_view text);
    void setWriteTimeout(std::chrono::milliseconds timeout) { m_writeTimeout = timeout; }
    // Ends the connection (the other side reads its end).
    void close();

private:
    int m_fd = -1;
    std::string m_buffer; // received, not yet a whole line
    bool m_skipping = false; // inside a refused line: dropped up to its end
    std::chrono::milliseconds m_writeTimeout { 60'000 };
};

// A listening socket for one program to connect to.
class Listener {
public:
    ~Listener();
    Listener() = default;
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    // Listens on host:port (port 0: any free port); false with the reason in error.
    [[nodiscard]] bool listenOn(const std::string& host, std::uint16_t port, std::string& error);
    // The port it listens on.
    [[nodiscard]] std::uint16_t port() const { return m_port; }
    // Waits for one connection; nullptr with the reason in error.
    [[nodiscard]] std::unique_ptr<LineConnection> acceptOne(std::string& error);

private:
    int m_fd = -1;
    std::uint16_t m_port = 0;
};

} // namespace tavolier::cli::acpc
