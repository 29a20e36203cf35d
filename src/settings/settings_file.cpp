#include "settings/settings_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavolier {

namespace ini {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

[[nodiscard]] bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

[[nodiscard]] std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

[[nodiscard]] char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

[[nodiscard]] bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

enum class LineKind { blank, comment, header, key, other };

// One line of the text: where it starts, where its content ends (before
// "\r\n" or "\n") and where the next line starts, with what it holds.
struct Line {
    std::size_t begin = 0;
    std::size_t contentEnd = 0;
    std::size_t next = 0;
    LineKind kind = LineKind::blank;
    std::string_view name; // section or key name, trimmed
    std::size_t valueBegin = 0; // key lines: first byte of the value after blanks
    std::string_view value; // key lines: the value, trimmed
};

// Walks the lines of an INI text one at a time, without allocating.
class LineReader {
public:
    explicit LineReader(std::string_view text)
        : m_text(text)
        , m_pos(text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0) { }

    [[nodiscard]] std::size_t contentStart() const {
        return m_text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    }

    bool next(Line& line) {
        if (m_pos >= m_text.size())
            return false;
        line = Line {};
        line.begin = m_pos;
        const std::size_t newline = m_text.find('\n', m_pos);
        if (newline == std::string_view::npos) {
            line.contentEnd = m_text.size();
            line.next = m_text.size();
        } else {
            line.contentEnd = newline;
            line.next = newline + 1;
        }
        if (line.contentEnd > line.begin && m_text[line.contentEnd - 1] == '\r')
            --line.contentEnd;
        m_pos = line.next;
        classify(line);
        return true;
    }

private:
    void classify(Line& line) const {
        const std::string_view raw = m_text.substr(line.begin, line.contentEnd - line.begin);
        const std::string_view content = trim(raw);
        if (content.empty()) {
            line.kind = LineKind::blank;
        } else if (content.front() == ';' || content.front() == '#') {
            line.kind = LineKind::comment;
        } else if (content.front() == '[') {
            line.kind = LineKind::header;
            const std::string_view inside = content.substr(1);
            line.name = trim(inside.substr(0, inside.find(']')));
        } else if (const std::size_t eq = raw.find('='); eq != std::string_view::npos) {
            line.kind = LineKind::key;
            line.name = trim(raw.substr(0, eq));
            std::size_t v = eq + 1;
            while (v < raw.size() && isBlank(raw[v]))
                ++v;
            line.valueBegin = line.begin + v;
            line.value = trim(raw.substr(v));
        } else {
            line.kind = LineKind::other;
        }
    }

    std::string_view m_text;
    std::size_t m_pos;
};

[[nodiscard]] std::string_view lineEnding(std::string_view text) {
    const std::size_t newline = text.find('\n');
    if (newline != std::string_view::npos && newline > 0 && text[newline - 1] == '\r')
        return "\r\n";
    return "\n";
}

// The break that ends the text's last line before something is added after
// it. A last line that ends with a lone CR only needs the LF that completes
// it; a second CR would become part of that line's value.
[[nodiscard]] std::string_view lastLineBreak(std::string_view text, std::string_view eol) {
    return text.ends_with('\r') ? "\n" : eol;
}

[[nodiscard]] std::optional<std::uint32_t> parseHex(std::string_view digits) {
    std::uint64_t value = 0;
    for (const char c : digits) {
        int d = 0;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(d);
        if (value > UINT32_MAX)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

} // namespace

std::string_view readablePart(std::string_view head, bool wholeFile) {
    if (wholeFile)
        return head;
    const std::size_t lastNewline = head.rfind('\n');
    return lastNewline == std::string_view::npos ? std::string_view {}
                                                 : head.substr(0, lastNewline + 1);
}

std::optional<std::string_view> findValue(
    std::string_view text, std::string_view section, std::string_view key) {
    LineReader reader(text);
    Line line;
    bool inSection = false;
    while (reader.next(line)) {
        if (line.kind == LineKind::header)
            inSection = sameName(line.name, section);
        else if (inSection && line.kind == LineKind::key && sameName(line.name, key))
            return line.value;
    }
    return std::nullopt;
}

std::optional<std::int32_t> parseInteger(std::string_view value) {
    if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) {
        const auto bits = parseHex(value.substr(2));
        if (!bits)
            return std::nullopt;
        // Two's complement: 0xFFFFFFFF is -1.
        return static_cast<std::int32_t>(*bits);
    }
    std::string_view digits = value;
    if (digits.starts_with('-'))
        digits.remove_prefix(1);
    if (digits.empty())
        return std::nullopt;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    std::int32_t result = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), result);
    if (error != std::errc {} || end != value.data() + value.size())
        return std::nullopt;
    return result;
}

Edit planWrite(std::string_view text, bool wholeFile, std::string_view section,
    std::string_view key, std::int32_t value, std::size_t readLimit) {
    const std::string number = std::to_string(value);
    const std::string_view eol = lineEnding(text);
    // A line that would end past what is read would not be read back.
    const auto endsInside = [&](std::size_t end) { return end <= readLimit; };

    LineReader reader(text);
    Line line;
    bool inSection = false;
    bool sectionSeen = false;
    bool inFirstSection = false;
    // Where a missing key goes: after the last non-blank line of the first
    // section of that name (its header at least).
    std::size_t keyInsertAt = 0;
    bool keyInsertNeedsNewline = false;
    std::size_t firstHeaderAt = std::string_view::npos;
    bool keysBeforeAnySection = false;

    while (reader.next(line)) {
        if (line.kind == LineKind::key && firstHeaderAt == std::string_view::npos)
            keysBeforeAnySection = true;
        if (line.kind == LineKind::header) {
            if (firstHeaderAt == std::string_view::npos)
                firstHeaderAt = line.begin;
            inSection = sameName(line.name, section);
            inFirstSection = inSection && !sectionSeen;
            if (inSection)
                sectionSeen = true;
        } else if (inSection && line.kind == LineKind::key && sameName(line.name, key)) {
            const std::size_t newEnd
                = line.next - (line.contentEnd - line.valueBegin) + number.size();
            if (endsInside(newEnd))
                return Edit { line.valueBegin, line.contentEnd, number };
            sectionSeen = false; // a longer value would slide out: shadow it in front
            break;
        }
        if (inFirstSection && line.kind != LineKind::blank) {
            keyInsertAt = line.next;
            keyInsertNeedsNewline = line.next == text.size() && !text.ends_with('\n');
        }
    }

    std::string entry;
    if (sectionSeen) {
        if (keyInsertNeedsNewline)
            entry += lastLineBreak(text, eol);
        entry.append(key).append("=").append(number);
        if (!keyInsertNeedsNewline)
            entry += eol;
        if (endsInside(keyInsertAt + entry.size()))
            return Edit { keyInsertAt, keyInsertAt, std::move(entry) };
        entry.clear(); // a section of that name goes in front instead
    }

    std::string tail;
    tail.append("[").append(section).append("]").append(eol);
    tail.append(key).append("=").append(number).append(eol);
    if (wholeFile) {
        const bool needsNewline = text.size() > reader.contentStart() && text.back() != '\n';
        const std::string_view lineBreak = needsNewline ? lastLineBreak(text, eol) : "";
        if (endsInside(text.size() + lineBreak.size() + tail.size())) {
            entry += lineBreak;
            entry += tail;
            return Edit { text.size(), text.size(), std::move(entry) };
        }
    }
    if (firstHeaderAt != std::string_view::npos && firstHeaderAt < text.size()
        && endsInside(firstHeaderAt + tail.size()))
        return Edit { firstHeaderAt, firstHeaderAt, std::move(tail) };
    // At the very start the new section would take in the lines that belong
    // to no section; a header with no name keeps them where they were.
    if (keysBeforeAnySection)
        tail.append("[]").append(eol);
    const std::size_t start = reader.contentStart();
    return Edit { start, start, std::move(tail) };
}

} // namespace ini

int FileSystemCalls::open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}
int FileSystemCalls::mkstemp(char* pathTemplate) {
    return ::mkstemp(pathTemplate);
}
ssize_t FileSystemCalls::read(int fd, void* buffer, std::size_t size) {
    return ::read(fd, buffer, size);
}
ssize_t FileSystemCalls::write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}
int FileSystemCalls::fstat(int fd, struct stat* info) {
    return ::fstat(fd, info);
}
int FileSystemCalls::fchmod(int fd, mode_t mode) {
    return ::fchmod(fd, mode);
}
int FileSystemCalls::fsync(int fd) {
    return ::fsync(fd);
}
int FileSystemCalls::close(int fd) {
    return ::close(fd);
}
int FileSystemCalls::rename(const char* from, const char* to) {
    return ::rename(from, to);
}
int FileSystemCalls::unlink(const char* path) {
    return ::unlink(path);
}
int FileSystemCalls::access(const char* path, int mode) {
    return ::faccessat(AT_FDCWD, path, mode, AT_EACCESS);
}
int FileSystemCalls::flock(int fd, int operation) {
    return ::flock(fd, operation);
}
int FileSystemCalls::lstat(const char* path, struct stat* info) {
    return ::lstat(path, info);
}
int FileSystemCalls::duplicate(int fd) {
    return ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
}

FileSystemCalls& FileSystemCalls::posix() {
    static FileSystemCalls calls;
    return calls;
}

namespace {

// Closes a descriptor when it goes out of scope.
class FdGuard {
public:
    FdGuard(FileSystemCalls& calls, int fd)
        : m_calls(calls)
        , m_fd(fd) { }
    FdGuard(const FdGuard&) = delete;
    FdGuard& operator=(const FdGuard&) = delete;
    ~FdGuard() {
        if (m_fd >= 0)
            m_calls.close(m_fd);
    }
    [[nodiscard]] int get() const { return m_fd; }
    void reset(int fd) {
        if (m_fd >= 0)
            m_calls.close(m_fd);
        m_fd = fd;
    }
    // Closes now and reports whether the close succeeded.
    [[nodiscard]] bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return m_calls.close(fd) == 0;
    }

private:
    FileSystemCalls& m_calls;
    int m_fd;
};

[[nodiscard]] bool writeAll(FileSystemCalls& calls, int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = calls.write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = ENOSPC; // a write that makes no progress: the disk is full
        if (n <= 0)
            return false;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Reads into buffer until it is full or the file ends; the count read, or
// -1 on an error.
[[nodiscard]] ssize_t readSome(FileSystemCalls& calls, int fd, char* buffer, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = calls.read(fd, buffer + got, size - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(got);
}

// "cannot read /home/ann/.config/tavolier/tavolier.ini: Permission denied".
[[nodiscard]] SettingsWriteError refused(
    std::string_view what, const std::filesystem::path& path, int error) {
    std::string detail(what);
    detail.append(" ").append(path.string());
    if (error != 0)
        detail.append(": ").append(std::generic_category().message(error));
    return SettingsWriteError(std::move(detail));
}

// The marker between the file's name and mkstemp's six characters in the
// names of our temporaries: "tavolier.ini.tmp-a1B2c3". No one names a file
// like that by hand, so every such name is ours.
constexpr std::string_view kTemporaryMarker = ".tmp-";

// The characters mkstemp draws from.
[[nodiscard]] bool isLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Whether a file name is that of one of our temporaries of the file named
// name: name, the marker, and the six letters or digits mkstemp puts in.
// Development builds wrote name, ".", and the six characters
// ("tavolier.ini.a1B2c3"); such names are left alone, since a player's own
// copy may be named just so ("tavolier.ini.save01", "tavolier.ini.backup"),
// and a player's file is never removed.
[[nodiscard]] bool isTemporaryOf(std::string_view candidate, std::string_view name) {
    if (!candidate.starts_with(name))
        return false;
    const std::string_view rest = candidate.substr(name.size());
    if (!rest.starts_with(kTemporaryMarker))
        return false;
    const std::string_view suffix = rest.substr(kTemporaryMarker.size());
    return suffix.size() == 6 && std::ranges::all_of(suffix, isLetterOrDigit);
}

[[nodiscard]] bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

// What one access learned about the file: its first bytes (one more than the
// read limit, to tell whether there is more), its size and mode, and, for a
// write, the open file to copy the rest from. error says why the file could
// not be read (empty when it could, or when it is missing).
struct SettingsFile::Head {
    explicit Head(FileSystemCalls& calls)
        : fd(calls, -1) { }
    std::string raw;
    bool exists = false;
    bool whole = false;
    std::optional<SettingsWriteError> error;
    mode_t mode = 0644;
    std::uint64_t size = 0;
    FdGuard fd;
};

SettingsFile::SettingsFile(std::filesystem::path path, FileSystemCalls& calls,
    std::size_t readLimit, std::size_t writeLimit)
    : m_path(std::move(path))
    , m_calls(calls)
    // One byte more than the limit is read, to tell whether the file goes on.
    , m_readLimit(std::min(readLimit, SIZE_MAX / 2))
    , m_writeLimit(writeLimit) {
}

void SettingsFile::readHead(Head& head, bool keepOpen) {
    // Non-blocking so that a pipe at the path cannot hang the game; only a
    // regular file is read.
    const int fd = m_calls.open(m_path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0);
    if (fd < 0) {
        if (errno != ENOENT)
            head.error = refused("cannot read", m_path, errno);
        return;
    }
    head.fd.reset(fd);
    head.exists = true;
    struct stat info { };
    if (m_calls.fstat(fd, &info) != 0) {
        head.error = refused("cannot read", m_path, errno);
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        head.error = SettingsWriteError(m_path.string() + " is not a regular file");
        return;
    }
    head.mode = info.st_mode & 07777;
    head.size = info.st_size > 0 ? static_cast<std::uint64_t>(info.st_size) : 0;

    const std::size_t want = m_readLimit + 1;
    std::size_t size = info.st_size > 0 ? std::min(static_cast<std::size_t>(info.st_size) + 1, want)
                                        : std::min<std::size_t>(4096, want);
    std::size_t got = 0;
    for (;;) {
        head.raw.resize(size);
        const ssize_t n = readSome(m_calls, fd, head.raw.data() + got, size - got);
        if (n < 0) {
            head.error = refused("cannot read", m_path, errno);
            head.raw.clear();
            return;
        }
        got += static_cast<std::size_t>(n);
        if (got < size || size == want)
            break;
        size = std::min(size * 2, want);
    }
    head.raw.resize(got);
    head.whole = got <= m_readLimit;
    if (!keepOpen)
        head.fd.reset(-1);
}

std::int32_t SettingsFile::readInteger(
    std::string_view section, std::string_view key, std::int32_t fallback) {
    Head head(m_calls);
    readHead(head, false);
    if (head.error || !head.exists)
        return fallback;
    const std::string_view bytes = std::string_view(head.raw).substr(0, m_readLimit);
    const auto text = ini::readablePart(bytes, head.whole);
    const auto value = ini::findValue(text, section, key);
    if (!value)
        return fallback;
    return ini::parseInteger(*value).value_or(fallback);
}

void SettingsFile::writeInteger(
    std::string_view section, std::string_view key, std::int32_t value) {
    const StoredInteger one { section, key, value };
    writeIntegers({ &one, 1 });
}

void SettingsFile::writeIntegers(std::span<const StoredInteger> values) {
    try {
        writeAllOf(values);
    } catch (const SettingsWriteError& refusal) {
        // The message names this file, whatever it is called.
        throw SettingsWriteError(refusal.detail(), m_path.filename().string());
    }
}

void SettingsFile::writeAllOf(std::span<const StoredInteger> values) {
    if (values.empty())
        return;
    Head head(m_calls);
    readHead(head, true);
    // A file that is there but cannot be read is left alone: rewriting it
    // from nothing would lose what it holds.
    if (head.error)
        throw *head.error;
    const std::filesystem::path target = writeTarget();
    if (head.exists) {
        // A damaged, huge file is not copied on every write.
        if (head.size > m_writeLimit)
            throw SettingsWriteError(m_path.string() + " is " + std::to_string(head.size)
                + " bytes long, more than a settings file may be (" + std::to_string(m_writeLimit)
                + " bytes); it is left as it is");
        // The rename below would replace the file whatever its own
        // permissions say; they are checked here instead. A file without any
        // write permission is read-only even to the superuser.
        if ((head.mode & 0222) == 0)
            throw SettingsWriteError("cannot write " + target.string() + ": the file is read-only");
        if (m_calls.access(target.c_str(), W_OK) != 0)
            throw refused("cannot write", target, errno);
    }
    // Each value is planned on the text the one before left, as if the file
    // were read again between them; the file is replaced once. A single
    // value's edit is the plan itself.
    std::string edited = head.raw;
    ini::Edit edit;
    for (const StoredInteger& v : values) {
        const bool whole = head.whole && edited.size() <= m_readLimit;
        const std::string_view bytes = std::string_view(edited).substr(0, m_readLimit);
        const auto text = ini::readablePart(bytes, whole);
        edit = ini::planWrite(text, whole, v.section, v.key, v.value, m_readLimit);
        edited.replace(edit.begin, edit.end - edit.begin, edit.replacement);
    }
    if (head.exists && edited == head.raw)
        return; // already stored as it would be written
    if (values.size() != 1) {
        // The bytes that changed, between what stayed before and after them.
        const std::string_view before = head.raw;
        const std::size_t shorter = std::min(before.size(), edited.size());
        std::size_t begin = 0;
        while (begin < shorter && before[begin] == edited[begin])
            ++begin;
        std::size_t kept = 0;
        while (kept < shorter - begin
            && before[before.size() - 1 - kept] == edited[edited.size() - 1 - kept])
            ++kept;
        edit = { begin, before.size() - kept, edited.substr(begin, edited.size() - kept - begin) };
    }
    replaceFile(head, edit, target);
}

std::filesystem::path SettingsFile::writeTarget() const {
    // Replace the file a symbolic link points at, not the link.
    std::error_code ec;
    if (!std::filesystem::is_symlink(m_path, ec))
        return m_path;
    std::filesystem::path target = std::filesystem::canonical(m_path, ec);
    if (!ec)
        return target;
    // A dangling link: create the file it names.
    const auto linked = std::filesystem::read_symlink(m_path, ec);
    if (ec)
        throw refused("cannot follow the link", m_path, ec.value());
    return linked.is_absolute() ? linked : m_path.parent_path() / linked;
}

void SettingsFile::removeStaleTemporaries(const std::filesystem::path& target) {
    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    const std::string name = target.filename().string();
    std::error_code ec;
    std::filesystem::directory_iterator entries(folder, ec);
    for (; !ec && entries != std::filesystem::directory_iterator(); entries.increment(ec)) {
        const std::filesystem::path& path = entries->path();
        if (!isTemporaryOf(path.filename().string(), name))
            continue;
        const int fd = m_calls.open(
            path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW, 0);
        if (fd < 0)
            continue;
        FdGuard guard(m_calls, fd);
        struct stat opened { };
        struct stat named { };
        // A writer holds its lock from the moment it made the file until the
        // file is renamed into place; one that is gone holds nothing. Where
        // locks cannot be taken at all, nothing is removed.
        if (m_calls.fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)
            || m_calls.flock(fd, LOCK_EX | LOCK_NB) != 0)
            continue;
        // Still the same file under that name (not one renamed away and
        // another made in its place).
        if (m_calls.lstat(path.c_str(), &named) == 0 && sameFile(opened, named))
            m_calls.unlink(path.c_str());
    }
}

void SettingsFile::replaceFile(
    const Head& head, const ini::Edit& edit, const std::filesystem::path& target) {
    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    std::error_code ec;
    if (!head.exists)
        std::filesystem::create_directories(folder, ec); // a failure shows at mkstemp
    removeStaleTemporaries(target);

    const std::string pattern
        = (folder / (target.filename().string() + std::string(kTemporaryMarker) + "XXXXXX"))
              .string();
    std::vector<char> temp;
    FdGuard out(m_calls, -1);
    // The temporary is locked as soon as it exists. Another copy of the game
    // may find it in the moment before and take it for a leftover: then it
    // is gone, and a fresh one is made.
    for (int attempt = 0; out.get() < 0; ++attempt) {
        temp.assign(pattern.begin(), pattern.end());
        temp.push_back('\0');
        const int fd = m_calls.mkstemp(temp.data());
        if (fd < 0)
            throw refused("cannot create a temporary file in", folder, errno);
        out.reset(fd);
        struct stat opened { };
        struct stat named { };
        if (m_calls.flock(fd, LOCK_EX) != 0 || attempt >= 3)
            break; // no locks here: nobody else can take it away either
        if (m_calls.fstat(fd, &opened) != 0 || m_calls.lstat(temp.data(), &named) != 0
            || !sameFile(opened, named))
            out.reset(-1);
    }

    int error = 0;
    const auto step = [&](bool ok) {
        if (!ok && error == 0)
            error = errno != 0 ? errno : EIO;
        return ok && error == 0;
    };
    step(m_calls.fchmod(out.get(), head.mode) == 0);
    const std::string_view raw = head.raw;
    step(error == 0 && writeAll(m_calls, out.get(), raw.substr(0, edit.begin)));
    step(error == 0 && writeAll(m_calls, out.get(), edit.replacement));
    step(error == 0 && writeAll(m_calls, out.get(), raw.substr(edit.end)));
    std::uint64_t copied = raw.size();
    bool readFailed = false;
    if (error == 0 && head.fd.get() >= 0 && !head.whole) {
        // The rest of a long file is copied through as it is, up to the limit.
        std::array<char, 1 << 16> chunk;
        for (;;) {
            const ssize_t n = readSome(m_calls, head.fd.get(), chunk.data(), chunk.size());
            if (n < 0) {
                readFailed = true;
                step(false);
                break;
            }
            if (n == 0)
                break;
            copied += static_cast<std::uint64_t>(n);
            if (copied > m_writeLimit) {
                errno = EFBIG;
                readFailed = true;
                step(false);
                break;
            }
            if (!step(writeAll(m_calls, out.get(), { chunk.data(), static_cast<std::size_t>(n) })))
                break;
        }
    }
    step(error == 0 && m_calls.fsync(out.get()) == 0);
    // The lock stays with a second descriptor until the rename is done, so
    // that the close can still report a failed write.
    FdGuard lock(m_calls, m_calls.duplicate(out.get()));
    step(out.close());
    const bool written = error == 0;
    step(written && m_calls.rename(temp.data(), target.c_str()) == 0);
    lock.reset(-1);
    if (error != 0) {
        m_calls.unlink(temp.data());
        if (readFailed)
            throw refused("cannot read", m_path, error);
        if (!written)
            throw refused("cannot write", std::filesystem::path(temp.data()), error);
        throw refused("cannot replace", target, error);
    }

    // Make the rename itself durable; the new file is in place either way.
    const int dir = m_calls.open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (dir >= 0) {
        m_calls.fsync(dir);
        m_calls.close(dir);
    }
}

SessionClaim::SessionClaim(const std::filesystem::path& settingsFile) {
    std::error_code ec;
    std::filesystem::path target = std::filesystem::weakly_canonical(settingsFile, ec);
    if (ec || target.empty())
        target = settingsFile;
    m_lockFile = target;
    m_lockFile += ".lock";
    const int fd = ::open(m_lockFile.c_str(),
        O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (fd < 0)
        return;
    struct stat info { };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        m_outcome = errno == EWOULDBLOCK ? Outcome::inUse : Outcome::unavailable;
        ::close(fd);
        return;
    }
    m_fd = fd;
    m_outcome = Outcome::held;
}

SessionClaim::~SessionClaim() {
    // The lock file stays: removing it could let two sessions in at once.
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace tavolier
