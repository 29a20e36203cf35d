#include "settings/settings_file.h"
#include "settings/temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <random>
#include <set>
#include <vector>

#include <fcntl.h>

#include <sys/stat.h>
#include <unistd.h>

namespace tavolier {
namespace {

using testing_support::readBytes;
using testing_support::TempFolder;
using testing_support::writeBytes;
using namespace std::string_literals;

// The POSIX calls with faults on demand: a disk that fills after some
// bytes, a refused fsync, close, rename or temporary file, and an open or
// read of the settings file that fails with a chosen error.
class FaultyCalls : public FileSystemCalls {
public:
    long diskRoom = -1; // bytes that still fit; -1 for no limit
    bool failFsync = false;
    bool failClose = false;
    bool failRename = false;
    int mkstempErrno = 0;
    int openErrno = 0;
    int readErrno = 0;
    int opens = 0;
    std::set<int> tempFds;

    int open(const char* path, int flags, mode_t mode) override {
        ++opens;
        if (openErrno != 0 && (flags & O_DIRECTORY) == 0) {
            errno = openErrno;
            return -1;
        }
        return FileSystemCalls::open(path, flags, mode);
    }
    int mkstemp(char* pattern) override {
        if (mkstempErrno != 0) {
            errno = mkstempErrno;
            return -1;
        }
        const int fd = FileSystemCalls::mkstemp(pattern);
        tempFds.insert(fd);
        return fd;
    }
    ssize_t read(int fd, void* buffer, std::size_t size) override {
        if (readErrno != 0) {
            errno = readErrno;
            return -1;
        }
        // Short reads, to exercise the loops.
        return FileSystemCalls::read(fd, buffer, std::min<std::size_t>(size, 7));
    }
    ssize_t write(int fd, const void* data, std::size_t size) override {
        if (diskRoom >= 0 && tempFds.contains(fd)) {
            if (diskRoom == 0) {
                errno = ENOSPC;
                return -1;
            }
            size = std::min<std::size_t>(size, static_cast<std::size_t>(diskRoom));
        }
        const ssize_t n = FileSystemCalls::write(fd, data, size);
        if (diskRoom >= 0 && n > 0 && tempFds.contains(fd))
            diskRoom -= n;
        return n;
    }
    int fsync(int fd) override {
        if (failFsync && tempFds.contains(fd)) {
            errno = EIO;
            return -1;
        }
        return FileSystemCalls::fsync(fd);
    }
    int close(int fd) override {
        const bool temp = tempFds.erase(fd) > 0;
        const int result = FileSystemCalls::close(fd);
        if (failClose && temp) {
            errno = EIO;
            return -1;
        }
        return result;
    }
    int rename(const char* from, const char* to) override {
        if (failRename) {
            errno = EXDEV;
            return -1;
        }
        return FileSystemCalls::rename(from, to);
    }
};

constexpr std::string_view kSample = "\xEF\xBB\xBF; kept as it is\r\n"
                                     "[Settings]\r\n"
                                     "Sound=1\r\n"
                                     "Extra = keep me\r\n"
                                     "\r\n"
                                     "[Cash]\r\n"
                                     "until=600\r\n";

ino_t inodeOf(const std::filesystem::path& path) {
    struct stat info { };
    ::stat(path.c_str(), &info);
    return info.st_ino;
}

TEST(SettingsFileReading, MissingFileGivesEachFallbackAndCreatesNothing) {
    TempFolder folder;
    SettingsFile file(folder.ini());
    EXPECT_EQ(file.readInteger("Cash", "until", 600), 600);
    EXPECT_TRUE(file.readBoolean("Settings", "Sound", true));
    EXPECT_EQ(folder.entryCount(), 0);
}

TEST(SettingsFileReading, OpensTheFileAtEveryAccess) {
    TempFolder folder;
    FaultyCalls calls;
    SettingsFile file(folder.ini(), calls);
    writeBytes(folder.ini(), "[Cash]\nuntil=700\n");
    EXPECT_EQ(file.readInteger("Cash", "until", 600), 700);
    writeBytes(folder.ini(), "[Cash]\nuntil=800\n");
    EXPECT_EQ(file.readInteger("Cash", "until", 600), 800);
    EXPECT_EQ(calls.opens, 2);
}

TEST(SettingsFileReading, ADamagedKeyFallsBackAlone) {
    TempFolder folder;
    writeBytes(folder.ini(),
        "[Cash]\nuntil=abc\ninitial=\nfreak=4294967296\nplayer=-30\nrobot=0x100\n"
        "geek=99999999999999999999\n[Settings]\nSound=yes\n");
    SettingsFile file(folder.ini());
    EXPECT_EQ(file.readInteger("Cash", "until", 600), 600);
    EXPECT_EQ(file.readInteger("Cash", "initial", 1200), 1200);
    EXPECT_EQ(file.readInteger("Cash", "freak", 1200), 1200);
    EXPECT_EQ(file.readInteger("Cash", "geek", 1200), 1200);
    EXPECT_EQ(file.readInteger("Cash", "player", 1200), -30);
    EXPECT_EQ(file.readInteger("Cash", "robot", 1200), 256);
    EXPECT_TRUE(file.readBoolean("Settings", "Sound", true));
}

TEST(SettingsFileReading, SurvivesGarbageNulBytesAndLongLines) {
    TempFolder folder;
    std::mt19937 gen(7);
    std::string bytes;
    for (int i = 0; i < 200000; ++i)
        bytes += static_cast<char>(gen() & 0xFF);
    bytes += "\n[Bet]\nSmall=6\0junk\nBig=12\n"s;
    bytes += std::string(300000, 'k') + "=1\n";
    writeBytes(folder.ini(), bytes);
    SettingsFile file(folder.ini());
    EXPECT_EQ(file.readInteger("Bet", "Small", 4), 4); // the NUL spoils the number
    EXPECT_EQ(file.readInteger("Bet", "Big", 8), 12);
    EXPECT_EQ(file.readInteger("Levels", "comp", 400), 400);
}

TEST(SettingsFileReading, ADirectoryOrAPipeAtThePathGivesFallbacks) {
    TempFolder folder;
    std::filesystem::create_directory(folder.ini());
    SettingsFile file(folder.ini());
    EXPECT_EQ(file.readInteger("Cash", "until", 600), 600);
    EXPECT_THROW(file.writeInteger("Cash", "until", 700), SettingsWriteError);
    EXPECT_TRUE(std::filesystem::is_directory(folder.ini()));

    TempFolder other;
    ASSERT_EQ(::mkfifo(other.ini().c_str(), 0644), 0);
    SettingsFile pipe(other.ini());
    EXPECT_EQ(pipe.readInteger("Cash", "until", 600), 600); // and does not hang
    EXPECT_THROW(pipe.writeInteger("Cash", "until", 700), SettingsWriteError);
}

TEST(SettingsFileReading, UnreadableFileGivesFallbacksAndIsNeverOverwritten) {
    TempFolder folder;
    writeBytes(folder.ini(), kSample);
    FaultyCalls calls;
    SettingsFile file(folder.ini(), calls);

    calls.openErrno = EACCES;
    EXPECT_EQ(file.readInteger("Cash", "until", 1), 1);
    EXPECT_THROW(file.writeInteger("Cash", "until", 700), SettingsWriteError);

    calls.openErrno = 0;
    calls.readErrno = EIO;
    EXPECT_EQ(file.readInteger("Cash", "until", 1), 1);
    EXPECT_THROW(file.writeInteger("Cash", "until", 700), SettingsWriteError);
    EXPECT_EQ(readBytes(folder.ini()), kSample);
    EXPECT_EQ(folder.entryCount(), 1);
}

TEST(SettingsFileReading, RealPermissionsAreHonoured) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    TempFolder folder;
    writeBytes(folder.ini(), kSample);
    std::filesystem::permissions(folder.ini(), std::filesystem::perms::none);
    SettingsFile file(folder.ini());
    EXPECT_EQ(file.readInteger("Cash", "until", 1), 1);
    EXPECT_THROW(file.writeInteger("Cash", "until", 700), SettingsWriteError);
    std::filesystem::permissions(folder.ini(), std::filesystem::perms::owner_read);
    std::filesystem::permissions(
        folder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_EQ(file.readInteger("Cash", "until", 1), 600);
    EXPECT_THROW(file.writeInteger("Cash", "until", 700), SettingsWriteError);
    EXPECT_EQ(readBytes(folder.ini()), kSample);
}

TEST(SettingsFileReading, AHugeFileIsReadOnlyAsFarAsItsHead) {
    TempFolder folder;
    // 300 MB, mostly a hole: the head holds the keys, the far end holds a
    // key that is never reached.
    writeBytes(folder.ini(), "[Cash]\nuntil=700\n");
    {
        const auto size = std::uintmax_t { 300 } << 20;
        std::filesystem::resize_file(folder.ini(), size);
        std::FILE* f = std::fopen(folder.ini().c_str(), "r+b");
        ASSERT_NE(f, nullptr);
        std::fseek(f, -20, SEEK_END);
        std::fputs("\n[Bet]\nSmall=6\n", f);
        std::fclose(f);
    }
    SettingsFile file(folder.ini());
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(file.readInteger("Cash", "until", 600), 700);
    EXPECT_EQ(file.readInteger("Bet", "Small", 4), 4);
}

TEST(SettingsFileWriting, CreatesTheFileAndItsFolder) {
    TempFolder folder;
    const auto path = folder.path() / "config" / "tavolier.ini";
    SettingsFile file(path);
    file.writeInteger("Cash", "until", 700);
    file.writeBoolean("Settings", "Sound", false);
    EXPECT_EQ(readBytes(path), "[Cash]\nuntil=700\n[Settings]\nSound=0\n");
    EXPECT_EQ(file.readInteger("cash", "UNTIL", 600), 700);
    EXPECT_FALSE(file.readBoolean("Settings", "Sound", true));
}

TEST(SettingsFileWriting, ChangesOnlyTheValueAndKeepsEveryOtherByte) {
    TempFolder folder;
    writeBytes(folder.ini(), kSample);
    SettingsFile file(folder.ini());
    file.writeInteger("CASH", "Until", -5);
    file.writeBoolean("settings", "sound", false);
    file.writeInteger("Bet", "Small", 6);
    EXPECT_EQ(readBytes(folder.ini()),
        "\xEF\xBB\xBF; kept as it is\r\n"
        "[Settings]\r\n"
        "Sound=0\r\n"
        "Extra = keep me\r\n"
        "\r\n"
        "[Cash]\r\n"
        "until=-5\r\n"
        "[Bet]\r\n"
        "Small=6\r\n");
}

TEST(SettingsFileWriting, ReplacesTheFileWholeAndKeepsItsMode) {
    TempFolder folder;
    writeBytes(folder.ini(), kSample);
    ::chmod(folder.ini().c_str(), 0640);
    const ino_t before = inodeOf(folder.ini());
    SettingsFile file(folder.ini());
    file.writeInteger("Cash", "until", 600); // already so: the file is not touched
    EXPECT_EQ(inodeOf(folder.ini()), before);
    file.writeInteger("Cash", "until", 601);
    EXPECT_NE(inodeOf(folder.ini()), before); // a new file renamed into place
    struct stat info { };
    ::stat(folder.ini().c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(folder.entryCount(), 1);
}

TEST(SettingsFileWriting, WritesThroughASymbolicLink) {
    TempFolder folder;
    const auto real = folder.path() / "real.ini";
    writeBytes(real, kSample);
    std::filesystem::create_symlink("real.ini", folder.ini());
    SettingsFile file(folder.ini());
    file.writeInteger("Cash", "until", 900);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.ini()));
    EXPECT_EQ(SettingsFile(real).readInteger("Cash", "until", 0), 900);

    // A chain of links reaches the same file; a dangling link gets its file.
    const auto second = folder.path() / "second.ini";
    std::filesystem::create_symlink("tavolier.ini", second);
    SettingsFile(second).writeInteger("Cash", "until", 901);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.ini()));
    EXPECT_EQ(SettingsFile(real).readInteger("Cash", "until", 0), 901);
    const auto dangling = folder.path() / "dangling.ini";
    std::filesystem::create_symlink("created.ini", dangling);
    SettingsFile(dangling).writeInteger("Bet", "Big", 16);
    EXPECT_TRUE(std::filesystem::is_symlink(dangling));
    EXPECT_EQ(readBytes(folder.path() / "created.ini"), "[Bet]\nBig=16\n");
}

// Each step of a write failing in turn: the message is the one error of
// the program, the old file is whole and no temporary file stays behind.
TEST(SettingsFileWriting, AFailedWriteLeavesTheOldFileWhole) {
    const auto failures = std::vector<std::function<void(FaultyCalls&)>> {
        [](FaultyCalls& c) { c.diskRoom = 0; },
        [](FaultyCalls& c) { c.diskRoom = 30; },
        [](FaultyCalls& c) { c.failFsync = true; },
        [](FaultyCalls& c) { c.failClose = true; },
        [](FaultyCalls& c) { c.failRename = true; },
        [](FaultyCalls& c) { c.mkstempErrno = EACCES; },
        [](FaultyCalls& c) { c.mkstempErrno = ENOSPC; },
    };
    for (std::size_t i = 0; i < failures.size(); ++i) {
        TempFolder folder;
        writeBytes(folder.ini(), kSample);
        FaultyCalls calls;
        failures[i](calls);
        SettingsFile file(folder.ini(), calls);
        try {
            file.writeInteger("Cash", "until", 1000000);
            ADD_FAILURE() << "failure " << i << " went unnoticed";
        } catch (const SettingsWriteError& error) {
            EXPECT_STREQ(error.what(), "Unable to write to tavolier.ini");
        }
        EXPECT_EQ(readBytes(folder.ini()), kSample) << "failure " << i;
        EXPECT_EQ(folder.entryCount(), 1) << "failure " << i;
        EXPECT_EQ(file.readInteger("Cash", "until", 0), 600);
    }
}

TEST(SettingsFileWriting, AFullDiskOnAFirstWriteLeavesNoFile) {
    TempFolder folder;
    FaultyCalls calls;
    calls.diskRoom = 3;
    SettingsFile file(folder.ini(), calls);
    EXPECT_THROW(file.writeInteger("Cash", "until", 700), SettingsWriteError);
    EXPECT_EQ(folder.entryCount(), 0);
    EXPECT_EQ(file.readInteger("Cash", "until", 600), 600);
}

TEST(SettingsFileWriting, ALongFileKeepsItsTailAndTheNewValueIsRead) {
    TempFolder folder;
    std::string bytes = "[Cash]\r\nfreak=5\r\n[Other]\r\n";
    for (int i = 0; bytes.size() < 200000; ++i)
        bytes += "line" + std::to_string(i) + "=x\r\n";
    writeBytes(folder.ini(), bytes);
    SettingsFile file(folder.ini(), FileSystemCalls::posix(), 4096);
    file.writeInteger("Cash", "freak", 77);
    file.writeInteger("Cash", "until", 700);
    file.writeInteger("Bet", "Big", 16);
    EXPECT_EQ(file.readInteger("Cash", "freak", 0), 77);
    EXPECT_EQ(file.readInteger("Cash", "until", 0), 700);
    EXPECT_EQ(file.readInteger("Bet", "Big", 0), 16);
    std::string expected = bytes;
    expected.replace(0, 17, "[Bet]\r\nBig=16\r\n[Cash]\r\nfreak=77\r\nuntil=700\r\n");
    EXPECT_EQ(readBytes(folder.ini()), expected);
}

TEST(SettingsFileWriting, AFileWithNoLineInItsHeadGetsTheSectionFirst) {
    TempFolder folder;
    const std::string bytes = std::string(10000, 'z') + "\n[Cash]\nuntil=1\n";
    writeBytes(folder.ini(), bytes);
    SettingsFile file(folder.ini(), FileSystemCalls::posix(), 4096);
    EXPECT_EQ(file.readInteger("Cash", "until", 600), 600);
    file.writeInteger("Cash", "until", 700);
    EXPECT_EQ(file.readInteger("Cash", "until", 600), 700);
    EXPECT_EQ(readBytes(folder.ini()), "[Cash]\nuntil=700\n" + bytes);
}

} // namespace
} // namespace tavolier
