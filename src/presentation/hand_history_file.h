#pragma once

#include "presentation/hand_history.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

namespace tavolier {

// The system calls a history file makes that can fail on a full or broken
// disk. The default forwards to POSIX; tests override a call to make an
// append come up short.
class HistoryFileCalls {
public:
    virtual ~HistoryFileCalls() = default;
    virtual ssize_t write(int fd, const void* data, std::size_t size);

    // The shared POSIX instance.
    [[nodiscard]] static HistoryFileCalls& posix();
};

// Writes text to path as a whole new file, as an export does: into a
// temporary beside it, every write and the flush to disk checked, then
// renamed over the old file. When anything fails the old file stays as it
// was and the reason is returned. A path that names one of the kept files
// (the same device and inode, whatever links lead there) is refused, as is
// anything but a regular file.
[[nodiscard]] std::optional<std::string> replaceFileWith(const std::filesystem::path& path,
    std::string_view text, std::span<const std::filesystem::path> kept = {},
    HistoryFileCalls& calls = HistoryFileCalls::posix());

// A hand-history file open for appending. It is opened without truncation,
// without following a symbolic link at its own name and without waiting (a
// pipe at the path cannot hang the game), and it is refused when it is not
// a regular file or when it is the settings file itself (the same device
// and inode), so a hand is never written over the chips and statistics.
class HistoryFileHandle {
public:
    // Opens file, creating it when missing. settingsFile: a file that must
    // never be written to (empty: none). Check ok() and error().
    HistoryFileHandle(const std::filesystem::path& file, const std::filesystem::path& settingsFile,
        HistoryFileCalls& calls = HistoryFileCalls::posix());
    ~HistoryFileHandle();
    HistoryFileHandle(const HistoryFileHandle&) = delete;
    HistoryFileHandle& operator=(const HistoryFileHandle&) = delete;

    [[nodiscard]] bool ok() const { return m_fd >= 0; }
    // Why the file was refused: "cannot write PATH" with the system's reason,
    // or what the path is instead of a history file.
    [[nodiscard]] const std::string& error() const { return m_error; }

    // Appends text whole or not at all: a write that comes up short (a full
    // disk) is cut back off, so the file stays as it was before it and the
    // next hand does not start in the middle of a line.
    [[nodiscard]] bool append(std::string_view text);
    // Takes the file's lock, without waiting; false when another holds it.
    // It is let go when the file is closed.
    bool lock();
    // Empties the file (a run's file holds that run's hands only).
    [[nodiscard]] bool empty();
    // The number in the last "Hand #" header of the file, if any; only the
    // file's last bytes are read.
    [[nodiscard]] std::optional<std::int64_t> lastHandId() const;

private:
    HistoryFileCalls& m_calls;
    int m_fd = -1;
    std::string m_error;
};

// Appends finished hands to the day's hand-history file in a folder
// ("tavolier-2026-12-08.txt", UTF-8 without a byte-order mark, a blank line
// after each hand). A write that fails is reported by the return value and
// never thrown: play goes on without the file, and the hands that could not
// be written are tried again, in order, with the next hand.
class HandHistoryFile {
public:
    // handIdBase is added to the game's hand number in each header, so that
    // hands of different sessions do not share a number in the importers; a
    // number already used in the day's file (another session started in the
    // same second) moves this session's numbers on past it. settingsFile is
    // never written to, whatever links lead there.
    explicit HandHistoryFile(std::filesystem::path folder, std::int64_t handIdBase = 0,
        std::filesystem::path settingsFile = {},
        HistoryFileCalls& calls = HistoryFileCalls::posix());

    // Appends one hand to the file of the day it started, after any hands
    // still waiting; false when they could not all be written (the hand then
    // waits for the next try).
    bool append(const HandRecord& hand);
    // The file the hand would go to.
    [[nodiscard]] std::filesystem::path fileFor(const HandRecord& hand) const;
    // The number the hand's header has in the file (or will have, for a hand
    // not written yet), so that an export gives it the same.
    [[nodiscard]] std::int64_t handIdFor(const HandRecord& hand) const;
    [[nodiscard]] const std::filesystem::path& folder() const { return m_folder; }
    // Why the last append failed (empty after one that succeeded).
    [[nodiscard]] const std::string& error() const { return m_error; }
    // Hands finished but not yet in their file.
    [[nodiscard]] std::size_t waiting() const { return m_waiting.size(); }

    // At most this many hands wait for a file that cannot be written; older
    // ones are given up.
    static constexpr std::size_t kMaxWaiting = 1000;

private:
    // Writes the oldest waiting hand; false when it could not be.
    bool writeOldest();

    std::filesystem::path m_folder;
    std::int64_t m_handIdBase = 0;
    std::int64_t m_idShift = 0;
    // Where the shift changed: the first hand number it was used for, and the shift.
    std::map<std::int64_t, std::int64_t> m_shiftsFrom;
    std::filesystem::path m_settingsFile;
    HistoryFileCalls& m_calls;
    std::vector<HandRecord> m_waiting;
    std::string m_error;
};

} // namespace tavolier
