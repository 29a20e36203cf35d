// A process writing the settings file, killed at random moments: the file is
// always whole (the old content or the new), and the temporary file a kill
// leaves behind is gone after the next write.
#include "settings/settings_file.h"
#include "settings/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace tavolier {
namespace {

using testing_support::readBytes;
using testing_support::TempFolder;
using testing_support::writeBytes;

// The POSIX calls, but the process kills itself before the given call after
// the first temporary file is made (0: never).
class KillingCalls : public FileSystemCalls {
public:
    explicit KillingCalls(int killAt)
        : m_killAt(killAt) { }

    int mkstemp(char* pattern) override {
        const int fd = FileSystemCalls::mkstemp(pattern);
        m_counting = true;
        return fd;
    }
    ssize_t write(int fd, const void* data, std::size_t size) override {
        step();
        return FileSystemCalls::write(fd, data, size);
    }
    int fchmod(int fd, mode_t mode) override {
        step();
        return FileSystemCalls::fchmod(fd, mode);
    }
    int fsync(int fd) override {
        step();
        return FileSystemCalls::fsync(fd);
    }
    int close(int fd) override {
        step();
        return FileSystemCalls::close(fd);
    }
    int rename(const char* from, const char* to) override {
        step();
        return FileSystemCalls::rename(from, to);
    }
    int flock(int fd, int operation) override {
        step();
        return FileSystemCalls::flock(fd, operation);
    }

private:
    void step() {
        if (m_counting && ++m_calls == m_killAt)
            std::raise(SIGKILL);
    }
    int m_killAt;
    int m_calls = 0;
    bool m_counting = false;
};

// A player's own copy beside the file, which no write may touch.
constexpr std::string_view kPlayersCopy = "tavolier.ini.backup";

// The names in a folder that look like temporaries of tavolier.ini (every
// name beside the file and the player's copy); each carries the marker.
std::vector<std::string> temporariesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name != "tavolier.ini" && name != kPlayersCopy) {
            EXPECT_TRUE(name.starts_with("tavolier.ini.tmp-")) << name;
            names.push_back(name);
        }
    }
    return names;
}

// Writes "until" over and over with rising values, until killed.
[[noreturn]] void writeForever(const std::filesystem::path& path, int killAt) {
    KillingCalls calls(killAt);
    SettingsFile file(path, calls);
    for (int value = 1; value < 100000; ++value)
        file.writeInteger("Cash", "until", value);
    std::_Exit(3);
}

// Whole: the keys, then the padding exactly as it was.
void expectWhole(const std::string& bytes, const std::string& padding, int round) {
    const std::string head = "[Cash]\nuntil=";
    ASSERT_TRUE(bytes.starts_with(head)) << "round " << round;
    std::size_t end = head.size();
    if (end < bytes.size() && bytes[end] == '-')
        ++end;
    while (end < bytes.size() && bytes[end] >= '0' && bytes[end] <= '9')
        ++end;
    EXPECT_GT(end, head.size()) << "round " << round;
    EXPECT_EQ(bytes.substr(end), "\n" + padding) << "round " << round;
}

TEST(SettingsFileCrashSafety, KillsInTheMiddleOfWritesLeaveTheFileWholeAndNoTemporaryStays) {
    TempFolder folder;
    std::string padding = "[Pad]\n";
    for (int i = 0; padding.size() < 256 * 1024; ++i)
        padding += "line" + std::to_string(i) + "=" + std::string(40, 'p') + "\n";
    writeBytes(folder.ini(), "[Cash]\nuntil=0\n" + padding);
    writeBytes(folder.path() / kPlayersCopy, "[Cash]\nuntil=999\n");

    std::mt19937 gen(19);
    constexpr int kRounds = 60;
    int leftBehind = 0;
    for (int round = 0; round < kRounds; ++round) {
        // Even rounds: killed from outside after a random pause. Odd rounds:
        // the writer dies just before one of the eight steps between making
        // its temporary file and renaming it into place (lock, mode, three
        // writes, fsync, close, rename), every step in turn.
        const bool fromOutside = round % 2 == 0;
        const int killAt = fromOutside ? 0 : 1 + (round / 2) % 8;
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            writeForever(folder.ini(), killAt);
        if (fromOutside) {
            ::usleep(std::uniform_int_distribution<useconds_t>(0, 20000)(gen));
            ::kill(child, SIGKILL);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "round " << round;

        expectWhole(readBytes(folder.ini()), padding, round);
        const auto stale = temporariesIn(folder.path());
        if (!fromOutside) {
            EXPECT_EQ(stale.size(), 1u) << "round " << round; // the kill left one
        }
        leftBehind += static_cast<int>(stale.size());

        // The next write (of a value the writer never writes) tidies up.
        SettingsFile file(folder.ini());
        file.writeInteger("Cash", "until", -1 - round);
        EXPECT_EQ(file.readInteger("Cash", "until", 0), -1 - round);
        EXPECT_EQ(temporariesIn(folder.path()), std::vector<std::string> {}) << "round " << round;
        expectWhole(readBytes(folder.ini()), padding, round);
        EXPECT_EQ(readBytes(folder.path() / kPlayersCopy), "[Cash]\nuntil=999\n")
            << "round " << round;
    }
    RecordProperty("temporaries_left_by_kills", leftBehind);
    EXPECT_GE(leftBehind, kRounds / 2);
}

} // namespace
} // namespace tavolier
