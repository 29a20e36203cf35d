#include "core/seats.h"
#include "core/table_state.h"
#include "settings/settings_file.h"
#include "settings/settings_io.h"
#include "settings/temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <set>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>

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
    int accessErrno = 0;
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
    int access(const char* path, int mode) override {
        if (accessErrno != 0) {
            errno = accessErrno;
            return -1;
        }
        return FileSystemCalls::access(path, mode);
    }
};

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

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
    struct Failure {
        std::function<void(FaultyCalls&)> make;
        int reason; // the system's reason the detail must give
    };
    const auto failures = std::vector<Failure> {
        { [](FaultyCalls& c) { c.diskRoom = 0; }, ENOSPC },
        { [](FaultyCalls& c) { c.diskRoom = 30; }, ENOSPC },
        { [](FaultyCalls& c) { c.failFsync = true; }, EIO },
        { [](FaultyCalls& c) { c.failClose = true; }, EIO },
        { [](FaultyCalls& c) { c.failRename = true; }, EXDEV },
        { [](FaultyCalls& c) { c.mkstempErrno = EACCES; }, EACCES },
        { [](FaultyCalls& c) { c.mkstempErrno = ENOSPC; }, ENOSPC },
        { [](FaultyCalls& c) { c.accessErrno = EACCES; }, EACCES },
        { [](FaultyCalls& c) { c.accessErrno = EROFS; }, EROFS },
    };
    for (std::size_t i = 0; i < failures.size(); ++i) {
        TempFolder folder;
        writeBytes(folder.ini(), kSample);
        FaultyCalls calls;
        failures[i].make(calls);
        SettingsFile file(folder.ini(), calls);
        try {
            file.writeInteger("Cash", "until", 1000000);
            ADD_FAILURE() << "failure " << i << " went unnoticed";
        } catch (const SettingsWriteError& error) {
            EXPECT_STREQ(error.what(), "Unable to write to tavolier.ini");
            // Where and why, for the player to see beside the message.
            EXPECT_TRUE(contains(error.detail(), folder.path().string())) << error.detail();
            EXPECT_TRUE(contains(error.detail(), std::strerror(failures[i].reason)))
                << "failure " << i << ": " << error.detail();
        }
        EXPECT_EQ(readBytes(folder.ini()), kSample) << "failure " << i;
        EXPECT_EQ(folder.entryCount(), 1) << "failure " << i;
        EXPECT_EQ(file.readInteger("Cash", "until", 0), 600);
    }
}

TEST(SettingsFileWriting, ASaveOfManyKeysReplacesTheFileOnceWithTheBytesOfSingleWrites) {
    TableState state;
    state.handsPlayed = 12;
    state.showdowns = 3;
    for (int seat = 1; seat <= 8; ++seat)
        state.seat(seat).chips = 1000 + seat;
    TempFolder one;
    TempFolder many;
    writeBytes(one.ini(), kSample);
    writeBytes(many.ini(), kSample);
    const ino_t before = inodeOf(one.ini());
    SettingsFile first(one.ini());
    writeStatsAndChips(first, state);
    EXPECT_NE(inodeOf(one.ini()), before);
    SettingsFile single(many.ini());
    single.writeInteger("Stats", "showdowns", 3);
    single.writeInteger("Stats", "handsplayed", 12);
    single.writeInteger("Stats", "handswon", 0);
    for (int seat : kCashWriteOrder)
        single.writeInteger("Cash", seatInfo(seat).key, 1000 + seat);
    EXPECT_EQ(readBytes(one.ini()), readBytes(many.ini()));

    // One temporary made, one rename: a second save of the same values
    // makes none.
    struct Counting : FileSystemCalls {
        int temporaries = 0;
        int mkstemp(char* pattern) override {
            ++temporaries;
            return FileSystemCalls::mkstemp(pattern);
        }
    } calls;
    state.handsPlayed = 13;
    SettingsFile counted(one.ini(), calls);
    writeStatsAndChips(counted, state);
    EXPECT_EQ(calls.temporaries, 1);
    writeStatsAndChips(counted, state);
    EXPECT_EQ(calls.temporaries, 1);
}

TEST(ResilientSettings, PlayGoesOnThroughAFullDiskAndSavesAgainAfterIt) {
    TempFolder folder;
    writeBytes(folder.ini(), kSample);
    FaultyCalls calls;
    SettingsFile file(folder.ini(), calls);
    ResilientSettings settings(file);
    calls.diskRoom = 0;
    EXPECT_NO_THROW(settings.writeInteger("Cash", "until", 700));
    EXPECT_NO_THROW(settings.writeInteger("Cash", "initial", 900));
    EXPECT_FALSE(settings.saving());
    // Told once, with the reason.
    const std::optional<SettingsWriteError> refusal = settings.takeRefusal();
    ASSERT_TRUE(refusal.has_value());
    EXPECT_TRUE(contains(refusal->detail(), std::strerror(ENOSPC))) << refusal->detail();
    EXPECT_FALSE(settings.takeRefusal().has_value());
    settings.writeInteger("Cash", "until", 800);
    EXPECT_FALSE(settings.takeRefusal().has_value());
    // The game reads what it wrote; the file is as it was.
    EXPECT_EQ(settings.readInteger("cash", "UNTIL", 0), 800);
    EXPECT_EQ(readBytes(folder.ini()), kSample);

    // Room again: the next save stores what waited too.
    calls.diskRoom = -1;
    settings.writeInteger("Settings", "Sound", 0);
    EXPECT_TRUE(settings.saving());
    EXPECT_EQ(file.readInteger("Cash", "until", 0), 800);
    EXPECT_EQ(file.readInteger("Cash", "initial", 0), 900);
    EXPECT_EQ(file.readInteger("Settings", "Sound", 1), 0);
    // A later refusal is told again.
    calls.failRename = true;
    settings.writeInteger("Cash", "until", 850);
    EXPECT_TRUE(settings.takeRefusal().has_value());
}

TEST(SettingsFileWriting, TheMessageNamesTheFile) {
    TempFolder folder;
    FaultyCalls calls;
    calls.diskRoom = 0;
    SettingsFile file(folder.path() / "s.ini", calls);
    try {
        file.writeInteger("Cash", "until", 700);
        ADD_FAILURE() << "a full disk went unnoticed";
    } catch (const SettingsWriteError& error) {
        EXPECT_STREQ(error.what(), "Unable to write to s.ini");
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

// The rename would replace a file whatever its own permissions say: a file
// with no write permission is refused instead, and stays as it was (even for
// the superuser, who is not bound by the permissions).
TEST(SettingsFileWriting, AReadOnlyFileIsNotReplaced) {
    TempFolder folder;
    writeBytes(folder.ini(), kSample);
    ::chmod(folder.ini().c_str(), 0444);
    const ino_t before = inodeOf(folder.ini());
    SettingsFile file(folder.ini());
    try {
        file.writeInteger("Cash", "until", 700);
        ADD_FAILURE() << "a read-only file was written";
    } catch (const SettingsWriteError& error) {
        EXPECT_STREQ(error.what(), "Unable to write to tavolier.ini");
        EXPECT_EQ(
            error.detail(), "cannot write " + folder.ini().string() + ": the file is read-only");
    }
    EXPECT_EQ(inodeOf(folder.ini()), before);
    EXPECT_EQ(readBytes(folder.ini()), kSample);
    EXPECT_EQ(folder.entryCount(), 1);
    EXPECT_EQ(file.readInteger("Cash", "until", 0), 600);
    // Given its write permission back, the same file takes the write.
    ::chmod(folder.ini().c_str(), 0644);
    file.writeInteger("Cash", "until", 700);
    EXPECT_EQ(file.readInteger("Cash", "until", 0), 700);
}

TEST(SettingsFileWriting, AFileTheUserMayNotWriteIsNotReplaced) {
    TempFolder folder;
    writeBytes(folder.ini(), kSample);
    FaultyCalls calls;
    calls.accessErrno = EACCES;
    SettingsFile file(folder.ini(), calls);
    try {
        file.writeInteger("Cash", "until", 700);
        ADD_FAILURE() << "a file the user may not write was written";
    } catch (const SettingsWriteError& error) {
        EXPECT_EQ(error.detail(), "cannot write " + folder.ini().string() + ": Permission denied");
    }
    EXPECT_EQ(readBytes(folder.ini()), kSample);
    if (::geteuid() != 0) {
        // The real permission of someone who is not the owner.
        ::chmod(folder.ini().c_str(), 0464);
        EXPECT_THROW(
            SettingsFile(folder.ini()).writeInteger("Cash", "until", 700), SettingsWriteError);
        EXPECT_EQ(readBytes(folder.ini()), kSample);
    }
}

TEST(SettingsFileWriting, TheDetailNamesAnUnreadableFileAndWhy) {
    TempFolder folder;
    writeBytes(folder.ini(), kSample);
    FaultyCalls calls;
    calls.openErrno = EACCES;
    try {
        SettingsFile(folder.ini(), calls).writeInteger("Cash", "until", 700);
        ADD_FAILURE();
    } catch (const SettingsWriteError& error) {
        EXPECT_EQ(error.detail(), "cannot read " + folder.ini().string() + ": Permission denied");
    }
    std::filesystem::remove(folder.ini());
    std::filesystem::create_directory(folder.ini());
    try {
        SettingsFile(folder.ini()).writeInteger("Cash", "until", 700);
        ADD_FAILURE();
    } catch (const SettingsWriteError& error) {
        EXPECT_EQ(error.detail(), folder.ini().string() + " is not a regular file");
    }
}

// A damaged file far larger than any settings file is not copied on every
// write (nor made larger on disk): the write is refused and the file stays.
TEST(SettingsFileWriting, AFileLargerThanTheWriteLimitIsNotRewritten) {
    TempFolder folder;
    writeBytes(folder.ini(), "[Cash]\nuntil=700\n");
    const auto size = std::uintmax_t { 64 } << 20; // a hole after the keys
    std::filesystem::resize_file(folder.ini(), size);
    SettingsFile file(folder.ini());
    EXPECT_EQ(file.readInteger("Cash", "until", 600), 700);
    try {
        file.writeInteger("Cash", "until", 701);
        ADD_FAILURE() << "a huge file was rewritten";
    } catch (const SettingsWriteError& error) {
        EXPECT_STREQ(error.what(), "Unable to write to tavolier.ini");
        EXPECT_TRUE(contains(error.detail(), folder.ini().string())) << error.detail();
        EXPECT_TRUE(contains(error.detail(), "67108864 bytes long")) << error.detail();
    }
    EXPECT_EQ(std::filesystem::file_size(folder.ini()), size);
    struct stat info { };
    ::stat(folder.ini().c_str(), &info);
    EXPECT_LT(info.st_blocks, 1024); // still a hole
    EXPECT_EQ(folder.entryCount(), 1);
    EXPECT_EQ(file.readInteger("Cash", "until", 600), 700);
}

TEST(SettingsFileWriting, TheWriteLimitIsTheLargestFileRewritten) {
    TempFolder folder;
    const std::string head = "[Cash]\nuntil=700\n";
    const std::string atLimit = head + std::string(1000 - head.size() - 1, 'x') + "\n";
    writeBytes(folder.ini(), atLimit);
    SettingsFile file(folder.ini(), FileSystemCalls::posix(), 100, 1000);
    file.writeInteger("Cash", "until", 701); // same length: still 1000 bytes
    EXPECT_EQ(file.readInteger("Cash", "until", 0), 701);
    file.writeInteger("Cash", "until", 7010); // now 1001 bytes
    EXPECT_THROW(file.writeInteger("Cash", "until", 702), SettingsWriteError);
    EXPECT_EQ(file.readInteger("Cash", "until", 0), 7010);
}

// Temporaries of cut-off writes (a killed or crashed copy of the game) go at
// the next write; one that a running copy holds locked, and every other name,
// stays.
TEST(SettingsFileWriting, TheNextWriteRemovesStaleTemporariesButNotOneInUse) {
    TempFolder folder;
    writeBytes(folder.ini(), kSample);
    const auto stale1 = folder.path() / "tavolier.ini.tmp-a1B2c3";
    const auto stale2 = folder.path() / "tavolier.ini.tmp-ZZZZZZ";
    const auto stale3 = folder.path() / "tavolier.ini.tmp-abcdef";
    const auto inUse = folder.path() / "tavolier.ini.tmp-Qw3rty";
    const auto inUseToo = folder.path() / "tavolier.ini.tmp-0Qw3rt";
    writeBytes(stale1, kSample);
    writeBytes(stale2, "[Cash]\nunt");
    writeBytes(stale3, kSample);
    writeBytes(inUse, kSample);
    writeBytes(inUseToo, kSample);
    const int held = ::open(inUse.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    const int heldToo = ::open(inUseToo.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(heldToo, 0);
    ASSERT_EQ(::flock(heldToo, LOCK_EX), 0);
    // Not of the patterns: other suffixes, a link, a folder, another file's.
    const std::vector<std::string> others { "tavolier.ini.bak", "tavolier.ini.a1B2c3d",
        "tavolier.ini.a1-2c3", "tavolier.ini~", "other.ini.a1B2c3", "tavolier.ini.old",
        "tavolier.ini.tmp-a1B2c", "tavolier.ini.tmp-a1B2c3d", "tavolier.ini.tmp-a1-2c3",
        "tavolier.ini.tmp_a1B2c3", "other.ini.tmp-a1B2c3" };
    for (const auto& name : others)
        writeBytes(folder.path() / name, "keep");
    std::filesystem::create_directory(folder.path() / "tavolier.ini.dir123");
    std::filesystem::create_symlink(stale1.filename(), folder.path() / "tavolier.ini.link12");
    std::filesystem::create_symlink(stale1.filename(), folder.path() / "tavolier.ini.tmp-link12");

    SettingsFile file(folder.ini());
    file.writeInteger("Cash", "until", 650);
    EXPECT_FALSE(std::filesystem::exists(stale1));
    EXPECT_FALSE(std::filesystem::exists(stale2));
    EXPECT_FALSE(std::filesystem::exists(stale3));
    EXPECT_TRUE(std::filesystem::exists(inUse));
    EXPECT_TRUE(std::filesystem::exists(inUseToo));
    for (const auto& name : others)
        EXPECT_EQ(readBytes(folder.path() / name), "keep") << name;
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "tavolier.ini.dir123"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "tavolier.ini.link12"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "tavolier.ini.tmp-link12"));
    EXPECT_EQ(file.readInteger("Cash", "until", 0), 650);

    // Once their writers have gone, the next write removes them too.
    ::close(held);
    ::close(heldToo);
    file.writeInteger("Cash", "until", 651);
    EXPECT_FALSE(std::filesystem::exists(inUse));
    EXPECT_FALSE(std::filesystem::exists(inUseToo));
    EXPECT_EQ(readBytes(folder.ini()), std::string(kSample).replace(kSample.find("600"), 3, "651"));

    // A first write (the file itself was lost) tidies up as well.
    std::filesystem::remove(folder.ini());
    writeBytes(stale1, kSample);
    writeBytes(stale2, kSample);
    file.writeInteger("Cash", "until", 652);
    EXPECT_FALSE(std::filesystem::exists(stale1));
    EXPECT_FALSE(std::filesystem::exists(stale2));
    EXPECT_EQ(readBytes(folder.ini()), "[Cash]\nuntil=652\n");
}

// A player's own copies beside the file, named with six letters or digits,
// look like the temporaries of development builds ("tavolier.ini.a1B2c3");
// they survive every write, while a real leftover beside them goes. The
// temporaries carry their marker, and none is left behind.
TEST(SettingsFileWriting, APlayersSixLetterCopiesSurviveWrites) {
    TempFolder folder;
    writeBytes(folder.ini(), kSample);
    const std::vector<std::string> players { "tavolier.ini.backup", "tavolier.ini.before",
        "tavolier.ini.custom", "tavolier.ini.zzzzzz", "tavolier.ini.save01", "tavolier.ini.June08",
        "tavolier.ini.a1B2c3" };
    for (const auto& name : players)
        writeBytes(folder.path() / name, "[Cash]\nuntil=999\n");
    const auto leftover = folder.path() / "tavolier.ini.tmp-a1B2c3";
    writeBytes(leftover, kSample);

    SettingsFile file(folder.ini());
    file.writeInteger("Cash", "until", 650);
    file.writeInteger("Cash", "until", 651);
    EXPECT_FALSE(std::filesystem::exists(leftover));
    for (const auto& name : players)
        EXPECT_EQ(readBytes(folder.path() / name), "[Cash]\nuntil=999\n") << name;
    EXPECT_EQ(folder.entryCount(), static_cast<int>(players.size()) + 1); // and the file
}

} // namespace
} // namespace tavolier
