#include "acpc_line.h"

#include "acpc_protocol.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tavolier::cli::acpc {

namespace {

using Clock = std::chrono::steady_clock;

// The addresses of host:port for a TCP stream; nullptr with the reason in error.
[[nodiscard]] addrinfo* resolve(
    const std::string& host, std::uint16_t port, bool passive, std::string& error) {
    addrinfo hints {};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = passive ? AI_PASSIVE : 0;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(port);
    const int rc = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &found);
    if (rc != 0) {
        error = "cannot find " + host + ": " + ::gai_strerror(rc);
        return nullptr;
    }
    return found;
}

void closeRetrying(int fd) {
    if (fd >= 0)
        ::close(fd); // not retried on EINTR: Linux has closed it already
}

} // namespace

LineConnection::~LineConnection() {
    close();
}

void LineConnection::close() {
    if (m_fd < 0)
        return;
    // The other side reads the end; what it still sends for a moment is
    // read and dropped, so that it gets an orderly end, not a reset.
    ::shutdown(m_fd, SHUT_WR);
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(500);
    for (char chunk[4096];;) {
        const auto left
            = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd p { m_fd, POLLIN, 0 };
        if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0)
            break;
        if (::recv(m_fd, chunk, sizeof chunk, 0) <= 0)
            break;
    }
    closeRetrying(m_fd);
    m_fd = -1;
}

std::unique_ptr<LineConnection> LineConnection::connectTo(
    const std::string& host, std::uint16_t port, std::string& error) {
    addrinfo* found = resolve(host, port, false, error);
    if (found == nullptr)
        return nullptr;
    int fd = -1;
    error = "cannot connect to " + host + ":" + std::to_string(port);
    for (addrinfo* a = found; a != nullptr; a = a->ai_next) {
        fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0)
            continue;
        int rc;
        do
            rc = ::connect(fd, a->ai_addr, a->ai_addrlen);
        while (rc != 0 && errno == EINTR);
        if (rc == 0)
            break;
        error = "cannot connect to " + host + ":" + std::to_string(port) + ": "
            + std::strerror(errno);
        closeRetrying(fd);
        fd = -1;
    }
    ::freeaddrinfo(found);
    if (fd < 0)
        return nullptr;
    // One short line per decision: no waiting for more to fill a packet.
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return std::make_unique<LineConnection>(fd);
}

LineConnection::Read LineConnection::readLine(
    std::string& line, std::optional<std::chrono::milliseconds> timeout) {
    const Clock::time_point deadline
        = Clock::now() + timeout.value_or(std::chrono::milliseconds(0));
    for (;;) {
        // A whole line already received?
        const std::size_t end = m_buffer.find('\n');
        if (end != std::string::npos) {
            const bool refused = m_skipping;
            m_skipping = false;
            if (refused) {
                m_buffer.erase(0, end + 1);
                return Read::tooLong;
            }
            line.assign(m_buffer, 0, end);
            m_buffer.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.size() > kMaxLineLength)
                return Read::tooLong;
            return Read::line;
        }
        if (m_buffer.size() > kMaxLineLength + 1) {
            // Too long to be a line: what came is dropped, and so is the
            // rest of it as it comes.
            m_buffer.clear();
            if (!m_skipping) {
                m_skipping = true;
                return Read::tooLong;
            }
        }
        if (m_fd < 0)
            return Read::closed;
        int wait = -1;
        if (timeout) {
            const auto left
                = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                return Read::timeout;
            wait = static_cast<int>(std::min<long long>(left.count(), 1'000'000'000));
        }
        pollfd p { m_fd, POLLIN, 0 };
        const int ready = ::poll(&p, 1, wait);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            return Read::closed;
        }
        if (ready == 0)
            continue; // the deadline is checked above
        char chunk[4096];
        const ssize_t got = ::recv(m_fd, chunk, sizeof chunk, 0);
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return Read::closed;
        }
        if (got == 0)
            return Read::closed;
        if (m_skipping) {
            // Drop up to the end of the refused line.
            const std::string_view part(chunk, static_cast<std::size_t>(got));
            const std::size_t nl = part.find('\n');
            if (nl == std::string_view::npos)
                continue;
            m_skipping = false;
            m_buffer.append(part.substr(nl + 1));
            continue;
        }
        m_buffer.append(chunk, static_cast<std::size_t>(got));
    }
}

bool LineConnection::writeLine(std::string_view text) {
    if (m_fd < 0)
        return false;
    std::string data(text);
    data += "\r\n";
    std::size_t sent = 0;
    while (sent < data.size()) {
        const ssize_t n
            = ::send(m_fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n >= 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            return false;
        // The other side reads nothing: it gets the write timeout to make room.
        pollfd p { m_fd, POLLOUT, 0 };
        int ready;
        do
            ready = ::poll(&p, 1, static_cast<int>(m_writeTimeout.count()));
        while (ready < 0 && errno == EINTR);
        if (ready <= 0)
            return false;
    }
    return true;
}

Listener::~Listener() {
    closeRetrying(m_fd);
}

bool Listener::listenOn(const std::string& host, std::uint16_t port, std::string& error) {
    addrinfo* found = resolve(host, port, true, error);
    if (found == nullptr)
        return false;
    error = "cannot listen on " + host + ":" + std::to_string(port);
    for (addrinfo* a = found; a != nullptr && m_fd < 0; a = a->ai_next) {
        const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0)
            continue;
        const int one = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        if (::bind(fd, a->ai_addr, a->ai_addrlen) != 0 || ::listen(fd, 1) != 0) {
            error += std::string(": ") + std::strerror(errno);
            closeRetrying(fd);
            continue;
        }
        m_fd = fd;
    }
    ::freeaddrinfo(found);
    if (m_fd < 0)
        return false;
    sockaddr_storage bound {};
    socklen_t size = sizeof bound;
    ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&bound), &size);
    m_port = bound.ss_family == AF_INET6 ? ntohs(reinterpret_cast<sockaddr_in6*>(&bound)->sin6_port)
                                         : ntohs(reinterpret_cast<sockaddr_in*>(&bound)->sin_port);
    return true;
}

std::unique_ptr<LineConnection> Listener::acceptOne(std::string& error) {
    for (;;) {
        const int fd = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd >= 0) {
            const int one = 1;
            ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
            return std::make_unique<LineConnection>(fd);
        }
        if (errno == EINTR || errno == ECONNABORTED)
            continue;
        error = std::string("cannot accept a connection: ") + std::strerror(errno);
        return nullptr;
    }
}

} // namespace tavolier::cli::acpc
