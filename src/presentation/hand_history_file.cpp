#include "presentation/hand_history_file.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavolier {

ssize_t HistoryFileCalls::write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}

HistoryFileCalls& HistoryFileCalls::posix() {
    static HistoryFileCalls calls;
    return calls;
}

namespace {

[[nodiscard]] std::string systemReason(int error) {
    return std::generic_category().message(error);
}

} // namespace

std::optional<std::string> replaceFileWith(const std::filesystem::path& path, std::string_view text,
    std::span<const std::filesystem::path> kept, HistoryFileCalls& calls) {
    struct stat target { };
    const bool exists = ::stat(path.c_str(), &target) == 0;
    if (exists && !S_ISREG(target.st_mode))
        return path.string() + " is not a regular file";
    for (const std::filesystem::path& keep : kept) {
        struct stat info { };
        if (exists && !keep.empty() && ::stat(keep.c_str(), &info) == 0
            && info.st_dev == target.st_dev && info.st_ino == target.st_ino)
            return path.string() + " holds the game's own " + keep.filename().string()
                + " and is not replaced";
    }
    // A link is followed: its file is replaced, the link stays.
    std::error_code ec;
    std::filesystem::path file = std::filesystem::is_symlink(path, ec)
        ? std::filesystem::weakly_canonical(path, ec)
        : path;
    if (ec)
        file = path;
    std::string temp = file.string() + ".tmp-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return "cannot write " + file.string() + ": " + systemReason(errno);
    int error = 0;
    std::string_view rest = text;
    while (error == 0 && !rest.empty()) {
        const ssize_t n = calls.write(fd, rest.data(), rest.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            error = n == 0 ? ENOSPC : errno;
        else
            rest.remove_prefix(static_cast<std::size_t>(n));
    }
    if (error == 0 && ::fchmod(fd, exists ? (target.st_mode & 07777) : 0644) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temp.c_str(), file.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        return "cannot write " + file.string() + ": " + systemReason(error);
    }
    return std::nullopt;
}

HistoryFileHandle::HistoryFileHandle(const std::filesystem::path& file,
    const std::filesystem::path& settingsFile, HistoryFileCalls& calls)
    : m_calls(calls) {
    // Without O_TRUNC: nothing is lost before the file has been checked.
    constexpr int kFlags = O_RDWR | O_APPEND | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW | O_NONBLOCK;
    bool created = false;
    int fd = ::open(file.c_str(), kFlags, 0);
    if (fd < 0 && errno == ENOENT) {
        fd = ::open(file.c_str(), kFlags | O_CREAT | O_EXCL, 0644);
        created = fd >= 0;
    }
    if (fd < 0) {
        const int error = errno;
        struct stat named { };
        if (error == ELOOP)
            m_error = file.string() + " is a symbolic link";
        else if (::lstat(file.c_str(), &named) == 0 && !S_ISREG(named.st_mode))
            m_error = file.string() + " is not a regular file"; // a pipe nobody reads, a folder
        else
            m_error = "cannot write " + file.string() + ": " + systemReason(error);
        return;
    }
    struct stat opened { };
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        m_error = file.string() + " is not a regular file";
        ::close(fd);
        return;
    }
    struct stat settings { };
    if (!settingsFile.empty() && ::stat(settingsFile.c_str(), &settings) == 0
        && settings.st_dev == opened.st_dev && settings.st_ino == opened.st_ino) {
        m_error = file.string() + " is the settings file";
        if (created)
            ::unlink(file.c_str());
        ::close(fd);
        return;
    }
    // Writes to a regular file do not wait anyway; later reads and writes
    // are plain.
    ::fcntl(fd, F_SETFL, O_APPEND);
    m_fd = fd;
}

HistoryFileHandle::~HistoryFileHandle() {
    if (m_fd >= 0)
        ::close(m_fd);
}

bool HistoryFileHandle::append(std::string_view text) {
    if (m_fd < 0)
        return false;
    struct stat before { };
    if (::fstat(m_fd, &before) != 0)
        return false;
    std::string_view rest = text;
    while (!rest.empty()) {
        const ssize_t n = m_calls.write(m_fd, rest.data(), rest.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            // Cut off what this hand left, so the next write starts where
            // this one did.
            const int error = n == 0 ? ENOSPC : errno;
            if (::ftruncate(m_fd, before.st_size) != 0) { }
            errno = error;
            return false;
        }
        rest.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool HistoryFileHandle::lock() {
    return m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) == 0;
}

bool HistoryFileHandle::empty() {
    return m_fd >= 0 && ::ftruncate(m_fd, 0) == 0;
}

std::optional<std::int64_t> HistoryFileHandle::lastHandId() const {
    constexpr std::string_view kMark = "Hand #";
    constexpr off_t kTail = 64 * 1024;
    struct stat info { };
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0 || info.st_size <= 0)
        return std::nullopt;
    const off_t from = std::max<off_t>(0, info.st_size - kTail);
    std::string tail(static_cast<std::size_t>(info.st_size - from), '\0');
    const ssize_t got = ::pread(m_fd, tail.data(), tail.size(), from);
    if (got <= 0)
        return std::nullopt;
    tail.resize(static_cast<std::size_t>(got));
    for (std::size_t at = tail.rfind(kMark); at != std::string::npos;
         at = at == 0 ? std::string::npos : tail.rfind(kMark, at - 1)) {
        // A hand number is digits only: "Hand #-3" names no hand.
        const char* digits = tail.data() + at + kMark.size();
        const char* last = tail.data() + tail.size();
        if (digits == last || *digits < '0' || *digits > '9')
            continue;
        std::int64_t id = 0;
        const auto [end, error] = std::from_chars(digits, last, id);
        if (error == std::errc {} && end != digits)
            return id;
    }
    return std::nullopt;
}

HandHistoryFile::HandHistoryFile(std::filesystem::path folder, std::int64_t handIdBase,
    std::filesystem::path settingsFile, HistoryFileCalls& calls)
    : m_folder(std::move(folder))
    , m_handIdBase(handIdBase)
    , m_settingsFile(std::move(settingsFile))
    , m_calls(calls) {
}

std::filesystem::path HandHistoryFile::fileFor(const HandRecord& hand) const {
    return m_folder / historyFileName(hand.startedAt);
}

std::int64_t HandHistoryFile::handIdFor(const HandRecord& hand) const {
    const auto after = m_shiftsFrom.upper_bound(hand.start.handNumber);
    const std::int64_t shift = after == m_shiftsFrom.begin() ? 0 : std::prev(after)->second;
    return m_handIdBase + shift + hand.start.handNumber;
}

bool HandHistoryFile::append(const HandRecord& hand) {
    if (m_waiting.size() >= kMaxWaiting)
        m_waiting.erase(m_waiting.begin());
    m_waiting.push_back(hand);
    while (!m_waiting.empty()) {
        if (!writeOldest())
            return false;
        m_waiting.erase(m_waiting.begin());
    }
    m_error.clear();
    return true;
}

bool HandHistoryFile::writeOldest() {
    const HandRecord& hand = m_waiting.front();
    const std::filesystem::path file = fileFor(hand);
    std::error_code error;
    std::filesystem::create_directories(m_folder, error);
    if (error) {
        m_error = "cannot write " + file.string() + ": " + error.message();
        return false;
    }
    HistoryFileHandle out(file, m_settingsFile, m_calls);
    if (!out.ok()) {
        m_error = out.error();
        return false;
    }
    // Another session may write to the same day's file: the lock keeps its
    // hands and this one's apart while the number is chosen. Where it cannot
    // be had at once the hand is written all the same. The numbers in a file
    // only grow, so none is written twice.
    out.lock();
    std::int64_t id = m_handIdBase + m_idShift + hand.start.handNumber;
    if (const auto last = out.lastHandId(); last && *last >= id && *last < INT64_MAX / 2) {
        m_idShift += *last - id + 1;
        id = *last + 1;
        m_shiftsFrom[hand.start.handNumber] = m_idShift;
    }
    const bool written = out.append(handHistoryText(hand, id));
    if (!written)
        m_error = "cannot write " + file.string() + ": " + systemReason(errno);
    return written;
}

} // namespace tavolier
