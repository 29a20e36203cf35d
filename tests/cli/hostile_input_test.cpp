// The subcommands against input and output that fight back: an output that
// cannot be written, an endless line, long and unprintable arguments, an
// empty settings name and a settings file that refuses writes.
#include "cli_text.h"
#include "command_run.h"
#include "commands.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tavolier::cli {
namespace {

using Args = std::vector<std::string_view>;

// An output that takes nothing, like a full disk.
class FullDisk : public std::streambuf {
protected:
    int overflow(int) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

// Standard input of a few good lines and then one line that never ends;
// counts how much of it was taken.
class EndlessLine : public std::streambuf {
public:
    explicit EndlessLine(std::string start)
        : m_start(std::move(start)) { }
    [[nodiscard]] std::size_t taken() const { return m_handedOut - (egptr() - gptr()); }

protected:
    int underflow() override {
        if (m_handedOut < m_start.size()) {
            m_chunk = m_start.substr(m_handedOut, 512);
        } else {
            m_chunk.assign(512, 'A');
        }
        m_handedOut += m_chunk.size();
        setg(m_chunk.data(), m_chunk.data(), m_chunk.data() + m_chunk.size());
        return traits_type::to_int_type(m_chunk[0]);
    }

private:
    std::string m_start;
    std::string m_chunk;
    std::size_t m_handedOut = 0;
};

CommandRun evalOn(std::istream& in, const Args& args = {}) {
    return runCommand(runEval, args, in);
}

std::string evalErrorFor(const std::string& line) {
    std::istringstream in(line + "\n");
    return evalOn(in).err;
}

constexpr std::string_view kHand = "As Kd 7h 7c 2s Td 9c";

TEST(OutputThatCannotBeWritten, EndsEveryCommandWithStatusOneAndAMessage) {
    FullDisk disk;
    std::ostream full(&disk);
    std::ostringstream err;
    std::istringstream none;
    EXPECT_EQ(runEval(Args { "As", "Kd", "7h", "7c", "2s", "Td", "9c" }, none, full, err), 1);
    EXPECT_EQ(err.str(), "tavolier-cli eval: cannot write the output\n");

    full.clear();
    err.str("");
    EXPECT_EQ(runOdds(Args { "--street", "2", "--trials", "10", "As", "Kd", "7h", "7c", "2s", "Td",
                          "9c" },
                  full, err),
        1);
    EXPECT_EQ(err.str(), "tavolier-cli odds: cannot write the output\n");

    full.clear();
    err.str("");
    EXPECT_EQ(runPlay(Args { "--hands", "3", "--seed", "1" }, full, err), 1);
    EXPECT_EQ(err.str(), "tavolier-cli play: cannot write the output\n");

    full.clear();
    err.str("");
    EXPECT_EQ(runDuel(Args { "--hands", "8", "--jobs", "1", "--level", "Amateur" }, full, err), 1);
    EXPECT_EQ(err.str(), "tavolier-cli duel: cannot write the output\n");
}

TEST(OutputThatCannotBeWritten, StopsEvalAtTheFirstLineItCannotWrite) {
    std::string input;
    for (int i = 0; i < 1000; ++i)
        input += std::string(kHand) + "\n";
    std::istringstream in(input);
    FullDisk disk;
    std::ostream full(&disk);
    std::ostringstream err;
    EXPECT_EQ(runEval({}, in, full, err), 1);
    EXPECT_EQ(err.str(), "tavolier-cli eval: cannot write the output\n");
    EXPECT_LT(in.tellg(), 100); // the rest of the input is not read
}

// The real program, its standard output on a full device.
TEST(OutputThatCannotBeWritten, TheProgramSaysWhyAndFails) {
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    const auto errFile = std::filesystem::path(::testing::TempDir()) / "tavolier-cli-full.err";
    const std::string cli = TAVOLIER_CLI_PATH;
    for (const std::string args : { "eval As Kd 7h 7c 2s Td 9c",
             "odds --street 1 --trials 5 As Kd "
             "7h 7c 2s Td 9c",
             "play --hands 2 --seed 3", "--help" }) {
        const std::string command
            = "'" + cli + "' " + args + " > /dev/full 2> '" + errFile.string() + "'";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << args;
        EXPECT_EQ(WEXITSTATUS(status), 1) << args;
        std::ifstream in(errFile);
        std::string message;
        std::getline(in, message);
        EXPECT_TRUE(message.ends_with(": cannot write the output: No space left on device"))
            << args << ": " << message;
    }
    std::filesystem::remove(errFile);
}

TEST(EvalLineLimit, AnEndlessLineIsRefusedWithItsNumberAfterAFewKilobytes) {
    EndlessLine endless(std::string(kHand) + "\n" + std::string(kHand) + "\n");
    std::istream in(&endless);
    const CommandRun run = evalOn(in);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(
        run.out, "score 105 kicker 161 One pair Sevens\nscore 105 kicker 161 One pair Sevens\n");
    EXPECT_EQ(run.err, "tavolier-cli eval: line 3: longer than 4096 bytes\n");
    EXPECT_LE(endless.taken(), 2 * (kHand.size() + 1) + 4097);
}

TEST(EvalLineLimit, ALineOfExactlyTheLimitIsAHand) {
    const std::string padded = std::string(kHand) + std::string(4096 - kHand.size(), ' ');
    std::istringstream atLimit(padded + "\n" + padded);
    const CommandRun ok = evalOn(atLimit);
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_EQ(
        ok.out, "score 105 kicker 161 One pair Sevens\nscore 105 kicker 161 One pair Sevens\n");
    std::istringstream over(padded + " \n");
    const CommandRun refused = evalOn(over);
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "tavolier-cli eval: line 1: longer than 4096 bytes\n");
}

TEST(ErrorMessages, QuoteAtMostFortyCharactersWithControlCharactersEscaped) {
    EXPECT_EQ(quoteInput("1h"), "'1h'");
    EXPECT_EQ(quoteInput("a\x1b[2Jb\t\r\n\x7f\xc3\xa9'\\"),
        "'a\\x1b[2Jb\\t\\r\\n\\x7f\\xc3\\xa9\\'\\\\'");
    const std::string forty(40, 'x');
    EXPECT_EQ(quoteInput(forty + "y"), std::string("'").append(forty).append("'..."));
    EXPECT_EQ(quoteInput(forty), std::string("'").append(forty).append("'"));

    // A card made of a whole screenful, with an escape sequence in it.
    const std::string word = "\x1b]0;pwned\x07" + std::string(2000, 'Z');
    EXPECT_EQ(evalErrorFor("As Kd 7h 7c " + word),
        "tavolier-cli eval: line 1: unknown card '\\x1b]0;pwned\\x07" + std::string(30, 'Z')
            + "'...\n");

    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runOdds(Args { "--street", "1", "--level", word }, out, err), 2);
    EXPECT_EQ(err.str(),
        "tavolier-cli odds: --level takes 400, 600, 800, 900, 2000, Amateur, Expert, Master or "
        "Genius, not '\\x1b]0;pwned\\x07"
            + std::string(30, 'Z') + "'...\n");
    err.str("");
    EXPECT_EQ(runPlay(Args { "--hands", "1", word, "1" }, out, err), 2);
    EXPECT_EQ(err.str(),
        "tavolier-cli play: unknown option '\\x1b]0;pwned\\x07" + std::string(30, 'Z') + "'...\n");
    err.str("");
    EXPECT_EQ(runPlay(Args { "--hands", "1", word }, out, err), 2);
    EXPECT_EQ(err.str(),
        "tavolier-cli play: '\\x1b]0;pwned\\x07" + std::string(30, 'Z') + "'... needs a value\n");
}

TEST(PlaySettingsOption, AnEmptyNameIsRefused) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runPlay(Args { "--hands", "1", "--settings", "" }, out, err), 2);
    EXPECT_EQ(err.str(), "tavolier-cli play: --settings takes a file name\n");
    EXPECT_EQ(out.str(), "");
}

TEST(PlayHistoryOption, AnEmptyNameIsRefusedAndAnUnwritableNameIsEscaped) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runPlay(Args { "--hands", "1", "--history", "" }, out, err), 2);
    EXPECT_EQ(err.str(), "tavolier-cli play: --history takes a file name\n");
    err.str("");
    const std::string folder = ::testing::TempDir() + "no\x1b[2Jsuch-folder";
    EXPECT_EQ(runPlay(Args { "--hands", "1", "--history", folder + "/h.txt" }, out, err), 2);
    EXPECT_EQ(err.str(),
        "tavolier-cli play: cannot write " + ::testing::TempDir()
            + "no\\x1b[2Jsuch-folder/h.txt: No such file or directory\n");
}

TEST(PlayHistoryOption, AStyleOrFirstHandOutOfRangeIsRefused) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runPlay(Args { "--hands", "1", "--history-style", "Tavolier" }, out, err), 2);
    EXPECT_EQ(err.str(), "tavolier-cli play: --history-style takes tavolier or trackers\n");
    for (const char* first : { "0", "-4", "1e3", "9223372036854775808" }) {
        err.str("");
        EXPECT_EQ(runPlay(Args { "--hands", "1", "--first-hand", first }, out, err), 2);
        EXPECT_EQ(err.str(),
            "tavolier-cli play: --first-hand takes a whole number from 1 to 9223372036854775807\n");
    }
    // The last hand's number must still be a number.
    err.str("");
    EXPECT_EQ(runPlay(Args { "--hands", "3", "--first-hand", "9223372036854775806" }, out, err), 2);
    EXPECT_EQ(err.str(), "tavolier-cli play: --first-hand leaves no room for 3 hand numbers\n");
    EXPECT_EQ(out.str(), "");
}

TEST(PlaySettingsOption, ARefusedWriteSaysWhereAndWhy) {
    const auto path = std::filesystem::path(::testing::TempDir()) / "tavolier-read-only.ini";
    std::filesystem::remove(path);
    {
        std::ofstream ini(path);
        ini << "[Cash]\nuntil=600\n";
    }
    ::chmod(path.c_str(), 0444);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(
        runPlay(Args { "--hands", "2", "--seed", "1", "--settings", path.string() }, out, err), 1);
    EXPECT_EQ(err.str(),
        "tavolier-cli play: Unable to write to tavolier-read-only.ini: cannot write "
            + path.string() + ": the file is read-only\n");
    ::chmod(path.c_str(), 0644);
    std::filesystem::remove(path);
}

// A settings file in the test's temporary folder, removed at the end.
class IniFile {
public:
    IniFile(const std::string& name, const std::string& text)
        : m_path(std::filesystem::path(::testing::TempDir()) / name) {
        std::ofstream(m_path) << text;
    }
    ~IniFile() { std::filesystem::remove(m_path); }
    [[nodiscard]] std::string path() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

std::vector<std::vector<long long>> endFigures(const std::string& out) {
    std::vector<std::vector<long long>> ends;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with("end "))
            continue;
        std::istringstream fields(line.substr(4));
        std::vector<long long> figures;
        for (long long f = 0; fields >> f;)
            figures.push_back(f);
        ends.push_back(figures);
    }
    return ends;
}

// With every opponent broke from the start, a raise would do nothing: the
// driver checks instead, and the hands end.
TEST(PlayRaisePolicy, EndsWhenEveryOpponentIsBrokeAtStartUp) {
    const IniFile ini("tavolier-broke-raise.ini",
        "[Cash]\nfreak=0\ngeek=0\nmaster=0\nchamp=0\npinhead=0\nexpert=0\nrobot=0\n");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runPlay(Args { "--hands", "3", "--seed", "1", "--human", "raise", "--settings",
                          ini.path() },
                  out, err),
        0)
        << err.str();
    EXPECT_EQ(endFigures(out.str()).size(), 3u);
    EXPECT_NE(out.str().find("hand 1\n"), std::string::npos);
}

// Every seat at 4 chips: the pot is split among seats with nothing left,
// and what the split leaves over goes to nobody. The summary's loss is the
// chips that left the table, however often the showdown ran.
TEST(PlaySummary, LostToUnevenSplitsIsWhatLeftTheTable) {
    int handsWithALoss = 0;
    for (const std::string seed : { "1", "2", "3", "4", "5", "6", "7", "8" }) {
        const IniFile ini("tavolier-four-chips.ini",
            "[Cash]\nfreak=4\nplayer=4\ngeek=4\nmaster=4\nchamp=4\npinhead=4\nexpert=4\n"
            "robot=4\n");
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(runPlay(Args { "--hands", "1", "--seed", seed, "--human", "call", "--settings",
                              ini.path() },
                      out, err),
            0)
            << err.str();
        const auto ends = endFigures(out.str());
        ASSERT_EQ(ends.size(), 1u);
        long long chips = 0;
        for (std::size_t i = 1; i <= 8; ++i)
            chips += ends[0][i];
        const std::string text = out.str();
        const auto at = text.find("lost to uneven splits ");
        ASSERT_NE(at, std::string::npos);
        const long long lost = std::stoll(text.substr(at + 22));
        EXPECT_EQ(32 - chips, lost) << "seed " << seed << "\n" << text;
        handsWithALoss += lost > 0;
    }
    EXPECT_GT(handsWithALoss, 0);
}

std::string textOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

// The history may not be the settings file, under its name or a link's, nor
// a pipe: the run is refused before any of them is touched.
TEST(PlayHistoryOption, TheSettingsFileALinkOrAPipeIsRefusedAndNothingIsLost) {
    const IniFile ini(
        "tavolier-history-clash.ini", "[Cash]\nplayer=1500\n[Stats]\nhandsplayed=7\n");
    const std::string link = ini.path() + ".link";
    const std::string pipe = ini.path() + ".pipe";
    std::filesystem::remove(link);
    std::filesystem::remove(pipe);
    std::filesystem::create_symlink(ini.path(), link);
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& history : { ini.path(), link, pipe }) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(runPlay(Args { "--hands", "2", "--seed", "1", "--settings", ini.path(),
                              "--history", history },
                      out, err),
            2)
            << history;
        EXPECT_TRUE(err.str().starts_with("tavolier-cli play: " + history + " is ")) << err.str();
        EXPECT_EQ(textOf(ini.path()), "[Cash]\nplayer=1500\n[Stats]\nhandsplayed=7\n");
    }
    std::filesystem::remove(link);
    std::filesystem::remove(pipe);
}

// A run between hands writes what a closed window writes: the last hand's
// statistics with its chips.
TEST(PlaySettingsOption, TheLastHandsStatisticsAreKept) {
    const IniFile ini("tavolier-last-hand.ini", "");
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(
        runPlay(Args { "--hands", "3", "--seed", "1", "--settings", ini.path() }, out, err), 0)
        << err.str();
    const auto last = endFigures(out.str()).back();
    SettingsFile stored(ini.path());
    EXPECT_EQ(stored.readInteger("Stats", "handsplayed", -1), last[10]);
    EXPECT_EQ(stored.readInteger("Stats", "handswon", -1), last[11]);
    EXPECT_EQ(stored.readInteger("Stats", "showdowns", -1), last[12]);
    EXPECT_EQ(stored.readInteger("Cash", "player", -1), last[1]);
}

// Chips that a table cannot play with (a match with no starting stack, sums
// beyond 32 bits) are refused before a hand is dealt, and the file is kept.
TEST(PlaySettingsOption, StoredChipsATableCannotPlayWithAreRefused) {
    const std::vector<std::pair<std::string, std::string>> cases {
        { "[Cash]\nplayer=2147483647\n",
            "[Cash] player=2147483647: more chips than a table can hold (at most 134217727)" },
        { "[Cash]\ninitial=0\nfreak=0\nplayer=0\ngeek=0\nmaster=0\nchamp=0\npinhead=0\n"
          "expert=0\nrobot=0\n",
            "[Cash] initial=0: a match needs a starting stack of at least 1 chip" },
        { "[Bet]\nBig=-8\n", "[Bet] Big=-8: a bet cannot be negative" },
    };
    for (const auto& [text, why] : cases) {
        const IniFile ini("tavolier-unplayable.ini", text);
        for (const char* rules : { "standard", "classic" }) {
            std::ostringstream out;
            std::ostringstream err;
            EXPECT_EQ(runPlay(Args { "--hands", "5", "--rules", rules, "--settings", ini.path() },
                          out, err),
                2);
            EXPECT_EQ(err.str(), "tavolier-cli play: " + ini.path() + ": " + why + "\n");
            EXPECT_EQ(textOf(ini.path()), text);
        }
    }
    std::filesystem::remove(
        std::filesystem::path(::testing::TempDir()) / "tavolier-unplayable.ini.lock");
}

TEST(PlaySettingsOption, AMissingFolderIsRefusedAndNotMade) {
    const auto folder = std::filesystem::path(::testing::TempDir()) / "tavolier-no-such-folder";
    std::filesystem::remove_all(folder);
    const std::string path = (folder / "s.ini").string();
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runPlay(Args { "--hands", "1", "--settings", path }, out, err), 2);
    EXPECT_EQ(
        err.str(), "tavolier-cli play: --settings: there is no folder " + folder.string() + "\n");
    EXPECT_FALSE(std::filesystem::exists(folder));
}

// Bet sizes below one chip are played as one chip, and the history says so.
TEST(PlayHistoryOption, TheHeaderGivesTheBetSizesPlayed) {
    const IniFile ini("tavolier-zero-bets.ini", "[Bet]\nSmall=0\nBig=0\n");
    const auto history = std::filesystem::path(::testing::TempDir()) / "tavolier-zero-bets.txt";
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runPlay(Args { "--hands", "1", "--rules", "standard", "--settings", ini.path(),
                          "--history", history.string() },
                  out, err),
        0)
        << err.str();
    EXPECT_NE(textOf(history.string()).find("Hold'em Limit (1/1)"), std::string::npos);
    std::filesystem::remove(history);
    std::filesystem::remove(ini.path() + ".lock");
}

// A reader that goes away ends the command with status 1 and a message,
// not with SIGPIPE.
TEST(OutputThatCannotBeWritten, AClosedPipeIsStatusOneAndAMessage) {
    for (const char* command : { "play", "eval" }) {
        int pipeEnds[2];
        ASSERT_EQ(::pipe(pipeEnds), 0);
        ::close(pipeEnds[0]);
        const auto errFile = std::filesystem::path(::testing::TempDir()) / "tavolier-pipe.err";
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::signal(SIGPIPE, SIG_DFL);
            ::dup2(pipeEnds[1], STDOUT_FILENO);
            std::freopen(errFile.c_str(), "w", stderr);
            std::freopen("/dev/null", "r", stdin);
            if (std::string_view(command) == "play")
                ::execl(TAVOLIER_CLI_PATH, "tavolier-cli", "play", "--hands", "500", nullptr);
            else
                ::execl(TAVOLIER_CLI_PATH, "tavolier-cli", "eval", "As", "Kd", "7h", "7c", "2s",
                    "Td", "9c", nullptr);
            std::_Exit(127);
        }
        ::close(pipeEnds[1]);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status)) << command << ": ended by signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), 1) << command;
        EXPECT_NE(textOf(errFile.string()).find("cannot write the output"), std::string::npos)
            << textOf(errFile.string());
        std::filesystem::remove(errFile);
    }
}

// A second run on a settings file that another process plays on is refused
// before it plays, and the file is left to its owner.
TEST(PlaySettingsOption, ASecondSessionOnTheSameFileIsRefused) {
    const IniFile ini("tavolier-two-sessions.ini", "[Stats]\nhandsplayed=5\n");
    const auto errFile = std::filesystem::path(::testing::TempDir()) / "tavolier-two-sessions.err";
    std::string run = "'";
    run += TAVOLIER_CLI_PATH;
    run += "' play --hands 3 --settings '" + ini.path() + "' > /dev/null 2> '" + errFile.string()
        + "'";
    {
        const SessionClaim first(ini.path());
        ASSERT_EQ(first.outcome(), SessionClaim::Outcome::held);
        const int status = std::system(run.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 2);
        EXPECT_NE(textOf(errFile.string()).find("is in use"), std::string::npos);
        EXPECT_EQ(textOf(ini.path()), "[Stats]\nhandsplayed=5\n");
    }
    // Once the first has ended, the file is free.
    const int status = std::system(run.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(SettingsFile(ini.path()).readInteger("Stats", "handsplayed", -1), 8);
    std::filesystem::remove(errFile);
    std::filesystem::remove(ini.path() + ".lock");
}

} // namespace
} // namespace tavolier::cli
