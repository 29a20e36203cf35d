#pragma once

#include "settings/settings_store.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include <sys/stat.h>
#include <sys/types.h>

namespace tavolier {

// The INI text itself, apart from any file: finding a key, reading a value
// and planning the smallest edit that stores a new one. Pure functions, so
// they can be tested and fuzzed without touching a disk.
namespace ini {

// The part of a file's head that is read: every complete line of it. When
// the head is the whole file its last line counts even without a newline;
// otherwise a line cut off at the end of the head is left out.
[[nodiscard]] std::string_view readablePart(std::string_view head, bool wholeFile);

// The value text of the first line that holds key in a section named
// section (both without regard to ASCII case; sections of the same name
// count as one, in file order). Blanks around the value are trimmed.
[[nodiscard]] std::optional<std::string_view> findValue(
    std::string_view text, std::string_view section, std::string_view key);

// A stored integer: decimal with an optional leading "-", or, for a text
// of more than two characters starting "0x"/"0X", hexadecimal of at most
// 32 bits (taken as two's complement). Anything else, and any value
// outside the 32-bit range, is nullopt.
[[nodiscard]] std::optional<std::int32_t> parseInteger(std::string_view value);

// Replace text[begin, end) with replacement.
struct Edit {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::string replacement;
};

// The edit that stores value under section/key in text (the readable part
// of the file; wholeFile as for readablePart). The first occurrence of the
// key is changed in place, keeping its spelling, the blanks before the
// value and the line's ending. A missing key goes after the last non-blank
// line of the first section of that name; a missing section goes at the
// end of the file.
//
// Only the first readLimit bytes of a file are read, so the changed line must
// end inside them to be read back. When it would not, the key goes with its
// own copy of the section before the first section header (at the very start,
// after a byte-order mark, when even that is too late, followed by an empty
// header "[]" when keys outside any section follow), where it is found
// first. Lines near the end of what is read may then slide out of it; no byte
// of the file is lost.
[[nodiscard]] Edit planWrite(std::string_view text, bool wholeFile, std::string_view section,
    std::string_view key, std::int32_t value, std::size_t readLimit = SIZE_MAX);

} // namespace ini

// The system calls a SettingsFile makes. The default forwards to POSIX; tests
// override single calls to make a read or a write fail at any step (a full
// disk, a refused rename, an interrupted read).
class FileSystemCalls {
public:
    virtual ~FileSystemCalls() = default;
    virtual int open(const char* path, int flags, mode_t mode);
    virtual int mkstemp(char* pathTemplate);
    virtual ssize_t read(int fd, void* buffer, std::size_t size);
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    virtual int fstat(int fd, struct stat* info);
    virtual int fchmod(int fd, mode_t mode);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
    virtual int unlink(const char* path);
    // Whether the effective user may access path (faccessat with AT_EACCESS).
    virtual int access(const char* path, int mode);
    virtual int flock(int fd, int operation);
    virtual int lstat(const char* path, struct stat* info);
    // A second descriptor of fd, closed on exec (fcntl F_DUPFD_CLOEXEC).
    virtual int duplicate(int fd);

    // The shared POSIX instance.
    [[nodiscard]] static FileSystemCalls& posix();
};

// The settings store on disk: one INI file at a fixed path, opened at every
// access and never cached. Reads never fail (a missing, unreadable or damaged
// file or key gives the caller's fallback); a write keeps every other byte of
// the file and replaces the file atomically through a temporary file in the
// same folder, so an interrupted or refused write leaves the old file whole.
//
// Only the first readLimit bytes of a file are read (a real settings file is a
// few hundred bytes), which keeps start-up fast whatever lies at the path. A
// file longer than writeLimit is never rewritten: a write to it is refused, so
// a damaged file cannot slow the game down or grow on disk. A write to a file
// longer than readLimit (but within writeLimit) edits inside that head and
// copies the rest through unchanged.
//
// A write never replaces a file that its user may not write to (a file with
// no write permission stays as it is, even for the superuser), and every
// refused write says where and why in the error's detail.
//
// Temporary files are named after the file plus ".tmp-" and six letters or
// digits ("tavolier.ini.tmp-a1B2c3"), and the writer holds a lock on its
// temporary until it has been renamed into place. A write first removes the
// temporaries of that pattern that nobody holds a lock on: those of a copy of
// the game that was killed or crashed in the middle of a write. A copy still
// writing holds its lock, so its temporary stays. No other name is ever
// removed: a player's own "tavolier.ini.backup" or "tavolier.ini.save01" stays.
class SettingsFile : public SettingsStore {
public:
    static constexpr std::size_t kDefaultReadLimit = std::size_t { 1 } << 20;
    static constexpr std::size_t kDefaultWriteLimit = std::size_t { 1 } << 20;

    explicit SettingsFile(std::filesystem::path path,
        FileSystemCalls& calls = FileSystemCalls::posix(),
        std::size_t readLimit = kDefaultReadLimit, std::size_t writeLimit = kDefaultWriteLimit);
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    [[nodiscard]] std::int32_t readInteger(
        std::string_view section, std::string_view key, std::int32_t fallback) override;
    // Throws SettingsWriteError when the file cannot be replaced, when it
    // exists but cannot be read (it is then left alone rather than lost), when
    // the path holds something other than a regular file, when the user may
    // not write to the file, or when it is longer than the write limit.
    void writeInteger(std::string_view section, std::string_view key, std::int32_t value) override;
    // Every value, planned as the writes of them one by one would plan
    // them, in one replacement of the file.
    void writeIntegers(std::span<const StoredInteger> values) override;

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }
    [[nodiscard]] std::filesystem::path filePath() const override { return m_path; }

private:
    struct Head;
    // Reads the first bytes of the file into head. A missing file leaves
    // head.exists false; anything else that cannot be read sets head.error.
    // keepOpen leaves the file open for a write to copy the rest from.
    void readHead(Head& head, bool keepOpen);
    void writeAllOf(std::span<const StoredInteger> values);
    // The file a write replaces: the path, or the file its links lead to.
    [[nodiscard]] std::filesystem::path writeTarget() const;
    // target: the file the path names (writeTarget).
    void replaceFile(const Head& head, const ini::Edit& edit, const std::filesystem::path& target);
    // Removes the unlocked temporaries of earlier writes beside target.
    void removeStaleTemporaries(const std::filesystem::path& target);

    std::filesystem::path m_path;
    FileSystemCalls& m_calls;
    std::size_t m_readLimit;
    std::size_t m_writeLimit;
};

// One session of the game (a window or a command-line run) at a time owns a
// settings file: each writes its own totals, so two at once would undo each
// other's hands. The claim is a lock on "tavolier.ini.lock" beside the file
// (beside the file its links lead to); it ends with the process, however the
// process ends. Where no lock file can be made (a read-only folder) nothing
// is claimed and nothing refused: the writes say what is wrong.
class SessionClaim {
public:
    enum class Outcome { held, inUse, unavailable };

    explicit SessionClaim(const std::filesystem::path& settingsFile);
    ~SessionClaim();
    SessionClaim(const SessionClaim&) = delete;
    SessionClaim& operator=(const SessionClaim&) = delete;

    [[nodiscard]] Outcome outcome() const { return m_outcome; }
    [[nodiscard]] bool inUse() const { return m_outcome == Outcome::inUse; }
    [[nodiscard]] const std::filesystem::path& lockFile() const { return m_lockFile; }

private:
    std::filesystem::path m_lockFile;
    int m_fd = -1;
    Outcome m_outcome = Outcome::unavailable;
};

} // namespace tavolier
