// The computer-poker protocol both ways: the protocol document's own example
// hands replayed, our acpc-client at a --human acpc table for hundreds of
// hands (both processes real, on loopback), every kind of bad partner at the
// table, and a dealer's garbage at the client.
#include "acpc_line.h"
#include "acpc_protocol.h"
#include "acpc_seat.h"
#include "command_run.h"
#include "commands.h"
#include "history_file_parser.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tavolier::cli {
namespace {

using historytest::parseHistory;
using historytest::ParseResult;

using namespace std::chrono_literals;

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

std::filesystem::path freshFolder(const std::string& name) {
    const auto folder = std::filesystem::temp_directory_path()
        / ("tavolier-acpc-" + std::to_string(::getpid()) + "-" + name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

// tavolier-cli started with args, its output and errors in files of folder.
class Program {
public:
    Program(const std::vector<std::string>& args, const std::filesystem::path& folder,
        const std::string& name)
        : m_out(folder / (name + ".out"))
        , m_err(folder / (name + ".err")) {
        std::vector<std::string> all { TAVOLIER_CLI_PATH };
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : all)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(
            &files, 1, m_out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(
            &files, 2, m_err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        EXPECT_EQ(posix_spawn(&m_pid, argv[0], &files, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&files);
    }
    ~Program() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }

    // The port the table listens on, from its first line on standard error.
    [[nodiscard]] std::uint16_t port() const {
        static const std::regex listening(R"(waiting for a program on 127\.0\.0\.1:(\d+))");
        for (int i = 0; i < 300; ++i) {
            std::smatch m;
            const std::string err = readFile(m_err);
            if (std::regex_search(err, m, listening))
                return static_cast<std::uint16_t>(std::stoi(m[1]));
            std::this_thread::sleep_for(20ms);
        }
        ADD_FAILURE() << "the table did not say its port";
        return 0;
    }
    // The exit status; -1 when it did not end within two minutes.
    int status() {
        for (int i = 0; i < 12000; ++i) {
            int raw = 0;
            if (::waitpid(m_pid, &raw, WNOHANG) == m_pid) {
                m_pid = -1;
                return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
            }
            std::this_thread::sleep_for(10ms);
        }
        return -1;
    }
    [[nodiscard]] std::string out() const { return readFile(m_out); }
    [[nodiscard]] std::string err() const { return readFile(m_err); }

private:
    std::filesystem::path m_out;
    std::filesystem::path m_err;
    pid_t m_pid = -1;
};

const acpc::GameDefinition& tableGame() {
    static const acpc::GameDefinition game = [] {
        std::string error;
        const auto g = acpc::readGameDefinition(readFile(TAVOLIER_GAME_DEFINITION), error);
        EXPECT_TRUE(g) << error;
        return g.value_or(acpc::GameDefinition {});
    }();
    return game;
}

// ---- The protocol document's examples.

// A game definition as the competition's limit games have it.
acpc::GameDefinition limitGame(const std::string& blinds, const std::string& first, int players) {
    std::string error;
    const auto g = acpc::readGameDefinition("GAMEDEF\nlimit\nnumPlayers = "
            + std::to_string(players) + "\nnumRounds = 4\nblind = " + blinds
            + "\nraiseSize = 10 10 20 20\nfirstPlayer = " + first
            + "\nmaxRaises = 3 4 4 4\nnumSuits = 4\nnumRanks = 13\nnumHoleCards = 2\n"
              "numBoardCards = 0 3 1 1\nEND GAMEDEF\n",
        error);
    EXPECT_TRUE(g) << error;
    return *g;
}

// Each server line, and the client's answer when it has one: the client
// acts exactly where the document answers, with an action it may take.
void replayExamples(
    const acpc::GameDefinition& game, const std::vector<std::pair<std::string, char>>& lines) {
    for (const auto& [line, answer] : lines) {
        std::string error;
        const auto state = acpc::parseMatchState(line, error);
        ASSERT_TRUE(state) << line << ": " << error;
        EXPECT_EQ(acpc::formatMatchState(*state), line);
        const auto hand = acpc::HandBetting::replay(game, *state, {}, error);
        ASSERT_TRUE(hand) << line << ": " << error;
        EXPECT_EQ(hand->acting() == state->position, answer != 0) << line;
        const acpc::Choices choices = hand->choices();
        if (answer == 'f') {
            EXPECT_TRUE(choices.fold) << line;
        }
        if (answer == 'r') {
            EXPECT_TRUE(choices.raise) << line;
        }
    }
}

TEST(AcpcProtocol, TheDocumentsLimitExamplesActWhereTheClientAnswers) {
    replayExamples(limitGame("10 5", "2 1 1 1", 2),
        { { "MATCHSTATE:0:0::TdAs|", 0 }, { "MATCHSTATE:0:0:r:TdAs|", 'r' },
            { "MATCHSTATE:0:0:rr:TdAs|", 0 }, { "MATCHSTATE:0:0:rrc/:TdAs|/2c8c3h", 'r' },
            { "MATCHSTATE:0:0:rrc/r:TdAs|/2c8c3h", 0 },
            { "MATCHSTATE:0:0:rrc/rc/:TdAs|/2c8c3h/9c", 'c' },
            { "MATCHSTATE:0:0:rrc/rc/cr:TdAs|/2c8c3h/9c", 'c' },
            { "MATCHSTATE:0:0:rrc/rc/crc/crc:TdAs|8hTc/2c8c3h/9c/Kh", 0 },
            { "MATCHSTATE:1:1::|Qd7c", 'r' }, { "MATCHSTATE:1:1:rr:|Qd7c", 'c' },
            { "MATCHSTATE:1:1:rrc/:|Qd7c/2h8h5c", 0 },
            { "MATCHSTATE:1:1:rrc/rc/r:|Qd7c/2h8h5c/Th", 'f' },
            { "MATCHSTATE:1:1:rrc/rc/rf:|Qd7c/2h8h5c/Th", 0 },
            { "MATCHSTATE:0:2:rc/cc/cr:9d7s|/5d2cJc/3d", 'f' } });
    replayExamples(limitGame("5 10 0", "3 1 1 1", 3),
        { { "MATCHSTATE:2:55::||AsTs", 'r' }, { "MATCHSTATE:2:55:rc:||AsTs", 0 },
            { "MATCHSTATE:2:55:rcc/r:||AsTs/4cJh8h", 0 },
            { "MATCHSTATE:2:55:rcc/rf:||AsTs/4cJh8h", 'c' },
            { "MATCHSTATE:2:55:rcc/rfc/rc/r:||AsTs/4cJh8h/Kd/8c", 'f' },
            { "MATCHSTATE:0:90::Ad6h||", 0 }, { "MATCHSTATE:0:90:c:Ad6h||", 'r' },
            { "MATCHSTATE:0:90:crfc/:Ad6h||/TsKd7h", 'r' },
            { "MATCHSTATE:0:90:crfc/rc/rc/r:Ad6h||/TsKd7h/Kh/6d", 0 },
            { "MATCHSTATE:0:90:crfc/rc/rc/rc:Ad6h||Td2h/TsKd7h/Kh/6d", 0 } });
}

TEST(AcpcProtocol, TheShippedDefinitionIsTheTable) {
    const acpc::GameDefinition& file = tableGame();
    const acpc::GameDefinition table = acpc::standardTable(4, 1200);
    EXPECT_EQ(file, table);
    std::string error;
    EXPECT_EQ(acpc::readGameDefinition(acpc::gameDefinitionText(table), error), table) << error;
    for (const std::string& bad : { std::string("GAMEDEF\nnolimit\nEND GAMEDEF\n"),
             acpc::gameDefinitionText(table).substr(0, 40),
             std::regex_replace(
                 acpc::gameDefinitionText(table), std::regex("firstPlayer = 3"), "firstPlayer = 0"),
             std::regex_replace(
                 acpc::gameDefinitionText(table), std::regex("numRanks"), "numRankz") })
        EXPECT_FALSE(acpc::readGameDefinition(bad, error)) << bad;
}

// ---- Both ways at once.

// Settings with small stacks, so that seats go all-in, bust and leave
// short-handed and heads-up tables.
std::filesystem::path smallStacks(const std::filesystem::path& folder) {
    const auto path = folder / "tavolier.ini";
    std::ofstream out(path);
    out << "[Cash]\ninitial=40\nuntil=100000\n";
    for (const char* key :
        { "freak", "player", "geek", "master", "champ", "pinhead", "expert", "robot" })
        out << key << "=40\n";
    return path;
}

TEST(AcpcSeat, OurClientPlaysHundredsOfHandsAtOurTable) {
    const auto folder = freshFolder("both");
    const auto history = folder / "history.txt";
    Program table({ "play", "--hands", "300", "--seed", "4", "--rules", "standard", "--human",
                      "acpc:0", "--settings", smallStacks(folder).string(), "--history",
                      history.string(), "--first-hand", "1" },
        folder, "table");
    Program client(
        { "acpc-client", "--character", "Cindy", "--level", "Amateur", "--game",
            TAVOLIER_GAME_DEFINITION, "--seed", "9", "127.0.0.1", std::to_string(table.port()) },
        folder, "client");
    EXPECT_EQ(client.status(), 0) << client.err();
    EXPECT_EQ(table.status(), 0) << table.err();
    EXPECT_NE(table.out().find("\nend 300 "), std::string::npos);
    EXPECT_NE(table.out().find("all-in"), std::string::npos) << "no all-in was played";
    EXPECT_NE(table.out().find("new match"), std::string::npos) << "no seat went broke";
    const ParseResult parsed = parseHistory(readFile(history));
    EXPECT_EQ(parsed.hands.size(), 300U);
    EXPECT_TRUE(parsed.errors.empty()) << parsed.errors.front();
    std::filesystem::remove_all(folder);
}

TEST(AcpcSeat, OurClientPlaysEveryChairOfADuel) {
    // The program moves one chair clockwise each seating: its cards and
    // position must follow it.
    const auto folder = freshFolder("duel");
    Program table(
        { "duel", "--hands", "160", "--seed", "3", "--human", "acpc:0" }, folder, "table");
    Program client({ "acpc-client", "--character", "Robert", "--game", TAVOLIER_GAME_DEFINITION,
                       "127.0.0.1", std::to_string(table.port()) },
        folder, "client");
    EXPECT_EQ(client.status(), 0) << client.err();
    EXPECT_EQ(table.status(), 0) << table.err();
    EXPECT_NE(table.out().find("\nYou     acpc program "), std::string::npos) << table.out();
    std::filesystem::remove_all(folder);
}

// ---- Bad partners at the table.

enum class Fault { malformed, foldWhenCheckIsFree, silence, dropped, longLine };

// A program that answers "c" where the table asks, until the third hand's
// first chance at its fault.
void badPartner(std::uint16_t port, Fault fault) {
    std::string error;
    const auto table = acpc::LineConnection::connectTo("127.0.0.1", port, error);
    ASSERT_TRUE(table) << error;
    ASSERT_TRUE(table->writeLine(acpc::kVersionLine));
    bool mine = false;
    std::vector<std::int32_t> stacks;
    for (std::string line; table->readLine(line, 30s) == acpc::LineConnection::Read::line;) {
        if (line.starts_with("# hand ")) {
            std::istringstream in(line.substr(line.find("stacks") + 6));
            stacks.clear();
            for (std::int32_t s = 0; in >> s;)
                stacks.push_back(s);
        }
        const bool asked = mine && line.starts_with("MATCHSTATE:");
        mine = line == acpc::kTurnComment;
        if (!asked)
            continue;
        const auto state = acpc::parseMatchState(line, error);
        ASSERT_TRUE(state) << error;
        const auto hand = acpc::HandBetting::replay(tableGame(), *state, stacks, error);
        ASSERT_TRUE(hand) << error;
        const bool checkIsFree = !hand->choices().fold;
        if (state->handNumber < 2 || (fault == Fault::foldWhenCheckIsFree && !checkIsFree)) {
            ASSERT_TRUE(table->writeLine(line + ":c"));
            continue;
        }
        switch (fault) {
        case Fault::malformed:
            (void)table->writeLine(line + ":k");
            break;
        case Fault::foldWhenCheckIsFree:
            (void)table->writeLine(line + ":f");
            break;
        case Fault::silence:
            break;
        case Fault::dropped:
            table->close();
            return;
        case Fault::longLine:
            (void)table->writeLine(std::string(70'000, 'r'));
            break;
        }
        // The table ends the run: its end of the connection closes.
        while (table->readLine(line, 30s) == acpc::LineConnection::Read::line) { }
        return;
    }
    ADD_FAILURE() << "the table ended before the fault";
}

TEST(AcpcSeat, EveryBadPartnerEndsTheRunWithStatus3AndKeepsTheFinishedHands) {
    const std::vector<std::pair<Fault, std::string>> faults {
        { Fault::malformed, "malformed answer" },
        { Fault::foldWhenCheckIsFree, "a fold when a check is free" },
        { Fault::silence, "no answer within 300 ms; nothing arrived" },
        { Fault::dropped, "the connection dropped" },
        { Fault::longLine, "longer than 65536 bytes (refused, not stored)" },
    };
    for (const auto& [fault, reason] : faults) {
        SCOPED_TRACE(reason);
        const auto folder = freshFolder("bad");
        const auto history = folder / "history.txt";
        const auto settings = folder / "tavolier.ini";
        Program table({ "play", "--hands", "40", "--seed", "2", "--rules", "standard", "--human",
                          "acpc:0", "--acpc-timeout", "0.3", "--settings", settings.string(),
                          "--history", history.string(), "--first-hand", "1" },
            folder, "table");
        badPartner(table.port(), fault);
        EXPECT_EQ(table.status(), acpc::kPartnerFailed);
        // Which hand, which state, what arrived: on standard error and in
        // the history file's closing line.
        static const std::regex named(
            R"(failed in hand (\d+), state MATCHSTATE:\d+:(\d+):[^ ]+: )");
        std::smatch m;
        const std::string err = table.err();
        ASSERT_TRUE(std::regex_search(err, m, named)) << err;
        const int hand = std::stoi(m[1]);
        EXPECT_EQ(hand, std::stoi(m[2]) + 1);
        EXPECT_GE(hand, 3);
        EXPECT_NE(err.find(reason), std::string::npos) << err;
        std::string text = readFile(history);
        const std::size_t closing = text.rfind("Run stopped: ");
        ASSERT_NE(closing, std::string::npos);
        EXPECT_NE(text.find(reason, closing), std::string::npos);
        EXPECT_NE(text.find(m[0].str(), closing), std::string::npos);
        // Every finished hand is in the file, and the settings are those after it.
        text.resize(closing);
        const ParseResult parsed = parseHistory(text);
        EXPECT_EQ(parsed.hands.size(), static_cast<std::size_t>(hand - 1));
        EXPECT_TRUE(parsed.errors.empty());
        EXPECT_NE(
            readFile(settings).find("handsplayed=" + std::to_string(hand - 1)), std::string::npos);
        std::filesystem::remove_all(folder);
    }
}

TEST(AcpcSeat, BadAddressesTimesAndFirstLinesAreRefused) {
    for (const auto& args :
        std::vector<std::vector<std::string_view>> { { "--hands", "1", "--human", "acpc:" },
            { "--hands", "1", "--human", "acpc:70000" },
            { "--hands", "1", "--human", "acpc:host:" },
            { "--hands", "1", "--human", "acpc:a\nb:1" }, { "--hands", "1", "--acpc-timeout", "0" },
            { "--hands", "1", "--acpc-timeout", "ten" } }) {
        EXPECT_EQ(runCommand(runPlay, args).status, 2) << args[3];
    }
    EXPECT_EQ(runCommand(runTournament, { "--human", "acpc:x" }).status, 2);
    // The protocol's seat plays the Standard rules, never Classic's.
    EXPECT_EQ(runCommand(runPlay, { "--hands", "1", "--human", "acpc:0" }).status, 2);
    EXPECT_EQ(runCommand(runTournament, { "--human", "acpc:0" }).status, 2);
    EXPECT_EQ(runCommand(runDuel, { "--human", "acpc:0", "--seat", "Marc=acpc:0" }).status, 2);
    for (const auto& args : std::vector<std::vector<std::string_view>> {
             { "--character", "Nobody", "--game", TAVOLIER_GAME_DEFINITION, "localhost", "1" },
             { "--character", "Marc", "localhost", "1" },
             { "--character", "Marc", "--game", "/nonexistent", "localhost", "1" },
             { "--character", "Marc", "--game", TAVOLIER_CLI_PATH, "localhost", "1" },
             { "--character", "Marc", "--game", TAVOLIER_GAME_DEFINITION, "localhost", "0" } }) {
        EXPECT_EQ(runCommand(runAcpcClient, args).status, 2) << args[1];
    }
    // A program whose first line is not the version.
    const auto folder = freshFolder("version");
    Program table(
        { "play", "--hands", "5", "--rules", "standard", "--human", "acpc:0" }, folder, "table");
    std::string error;
    const auto program = acpc::LineConnection::connectTo("127.0.0.1", table.port(), error);
    ASSERT_TRUE(program) << error;
    ASSERT_TRUE(program->writeLine("VERSION:1.0.0"));
    EXPECT_EQ(table.status(), acpc::kPartnerFailed);
    EXPECT_NE(
        table.err().find("first line is 'VERSION:1.0.0', not VERSION:2.0.0"), std::string::npos)
        << table.err();
    std::filesystem::remove_all(folder);
}

// ---- A dealer at the client.

TEST(AcpcClient, AnswersWhereItActsEndsWith0AfterAHandAnd3OnGarbageOrADrop) {
    enum class End { afterTheHand, garbage, dropInTheHand };
    for (const End end : { End::afterTheHand, End::garbage, End::dropInTheHand }) {
        const auto folder = freshFolder("dealer");
        acpc::Listener dealer;
        std::string error;
        ASSERT_TRUE(dealer.listenOn("127.0.0.1", 0, error)) << error;
        Program client({ "acpc-client", "--character", "chong", "--level", "400", "--game",
                           TAVOLIER_GAME_DEFINITION, "127.0.0.1", std::to_string(dealer.port()) },
            folder, "client");
        const auto player = dealer.acceptOne(error);
        ASSERT_TRUE(player) << error;
        std::string line;
        ASSERT_EQ(player->readLine(line, 30s), acpc::LineConnection::Read::line);
        EXPECT_EQ(line, acpc::kVersionLine);
        // Comments are ignored; position 2 acts first before the flop, 3 does not.
        ASSERT_TRUE(player->writeLine("# a comment"));
        ASSERT_TRUE(player->writeLine(";gui"));
        ASSERT_TRUE(player->writeLine("MATCHSTATE:3:0::|||9s9d||||"));
        ASSERT_TRUE(player->writeLine("MATCHSTATE:2:1::||AsAh|||||"));
        ASSERT_EQ(player->readLine(line, 30s), acpc::LineConnection::Read::line);
        EXPECT_TRUE(
            std::regex_match(line, std::regex(R"(MATCHSTATE:2:1::\|\|AsAh\|\|\|\|\|:[fcr])")))
            << line;
        if (end == End::garbage) {
            ASSERT_TRUE(player->writeLine("MATCHSTATE:2:1:rcx:||AsAh|||||"));
        } else if (end == End::afterTheHand) {
            // The others fold: the hand is over, and then the match.
            acpc::HandBetting hand(tableGame(), 8, {});
            std::string betting(1, line.back());
            hand.apply(line.back());
            while (!hand.over()) {
                hand.apply('f');
                betting += 'f';
            }
            ASSERT_TRUE(player->writeLine("MATCHSTATE:2:1:" + betting + ":||AsAh|||||"));
        }
        player->close();
        EXPECT_EQ(client.status(), end == End::afterTheHand ? 0 : acpc::kPartnerFailed)
            << client.err();
        const std::string expected = end == End::garbage
            ? "the dealer sent a malformed match state (the betting holds something other than f, "
              "c, r and /) after the state 'MATCHSTATE:2:1::||AsAh|||||': "
              "'MATCHSTATE:2:1:rcx:||AsAh|||||'"
            : end == End::dropInTheHand ? "connection dropped in the middle of a hand, after the "
                                          "state 'MATCHSTATE:2:1::||AsAh|||||'"
                                        : "";
        EXPECT_NE(client.err().find(expected), std::string::npos) << client.err();
        std::filesystem::remove_all(folder);
    }
}

} // namespace
} // namespace tavolier::cli
