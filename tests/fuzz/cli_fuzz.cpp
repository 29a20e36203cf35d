// libFuzzer target for tavolier-cli's parsers: eval's lines on standard input
// and its card lists, the options of odds, play and tournament, and the
// hand-history file that an append reads the last hand number from. Built
// and run by scripts/fuzz, never by the normal build.
//
// Input: the first byte picks the command ('e' eval reading standard input,
// 'E' eval with arguments, 'o' odds, 'p' play, 't' tournament, 'h' a
// hand-history file's text; any other byte by its value modulo 6); the rest
// is standard input or the file's text, or the arguments one per line.
// Every run must end with status 0 or 2 and at most one error line of
// printable text; eval must take exactly the lines and card lists a plain
// reading of the rules takes. Odds runs one trial, play one hand and
// tournament one match of one hand, whatever the options say, and play's
// files stay in a scratch folder.
#include "commands.h"
#include "presentation/hand_history_file.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace {

[[noreturn]] void fail(const char* what, const std::string& detail = "") {
    std::fprintf(stderr, "cli fuzz: %s\n%s\n", what, detail.c_str());
    std::abort();
}

constexpr std::string_view kBlanks = " \t\r\n";

bool isCard(std::string_view word) {
    return word.size() == 2
        && std::string_view("23456789TJQKA").find(word[0]) != std::string_view::npos
        && std::string_view("cdhs").find(word[1]) != std::string_view::npos;
}

// A plain reading of a hand: seven known cards among blanks.
bool isHand(std::string_view text) {
    int cards = 0;
    for (;;) {
        const auto start = text.find_first_not_of(kBlanks);
        if (start == std::string_view::npos)
            return cards == 7;
        text.remove_prefix(start);
        const auto end = std::min(text.find_first_of(kBlanks), text.size());
        if (!isCard(text.substr(0, end)))
            return false;
        ++cards;
        text.remove_prefix(end);
    }
}

std::size_t countLines(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text)
        n += c == '\n';
    return n;
}

// At most one line, ending in a newline, of printable ASCII.
void checkErrorLine(const std::string& err, int status) {
    if (status == 0) {
        if (!err.empty())
            fail("status 0 with an error line", err);
        return;
    }
    if (err.empty() || err.back() != '\n')
        fail("a failure without its error line", err);
    for (std::size_t i = 0; i + 1 < err.size(); ++i) {
        const auto c = static_cast<unsigned char>(err[i]);
        if (c < 0x20 || c >= 0x7F)
            fail("an unprintable byte in the error line", err);
    }
    // Only a file's name (which the line gives in full) makes it long.
    const bool namesAFile = err.find("Unable to write to ") != std::string::npos
        || err.find("write ") != std::string::npos
        || err.find(" is not a regular file") != std::string::npos;
    if (err.size() > 400 && !namesAFile)
        fail("an error line longer than it need be", err);
}

void evalLines(std::string_view input) {
    std::istringstream in { std::string(input) };
    std::ostringstream out;
    std::ostringstream err;
    const int status = tavolier::cli::runEval({}, in, out, err);
    checkErrorLine(err.str(), status);
    // The lines a plain reading takes, up to the first it refuses.
    std::size_t good = 0;
    std::optional<std::string> refusal;
    std::string_view rest = input;
    for (std::size_t number = 1; !rest.empty(); ++number) {
        const auto newline = rest.find('\n');
        const std::string_view line = rest.substr(0, newline);
        rest.remove_prefix(newline == std::string_view::npos ? rest.size() : newline + 1);
        if (line.size() > 4096) {
            refusal = "line " + std::to_string(number) + ": longer than 4096 bytes";
            break;
        }
        if (!isHand(line)) {
            refusal = "line " + std::to_string(number) + ": ";
            break;
        }
        ++good;
    }
    if (status != (refusal ? 2 : 0))
        fail("eval's status differs from a plain reading", err.str());
    if (countLines(out.str()) != good)
        fail("eval printed another number of hands than a plain reading", out.str());
    if (refusal && err.str().find(*refusal) == std::string::npos)
        fail("eval's error names another line or cause", err.str() + " / " + *refusal);
}

void evalArguments(const std::vector<std::string_view>& args) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = tavolier::cli::runEval(args, in, out, err);
    checkErrorLine(err.str(), status);
    std::string joined;
    for (const auto arg : args)
        joined.append(arg).append(" ");
    // No arguments at all means standard input, which is empty here.
    const bool expected = args.empty() || isHand(joined);
    if ((status == 0) != expected)
        fail("eval's card list is read otherwise than a plain reading", joined);
}

void odds(std::vector<std::string_view> args) {
    // One trial, whatever level was asked for.
    args.push_back("--trials");
    args.push_back("1");
    std::ostringstream out;
    std::ostringstream err;
    const int status = tavolier::cli::runOdds(args, out, err);
    if (status != 0 && status != 2)
        fail("odds ended with an unexpected status", err.str());
    checkErrorLine(err.str(), status);
    if (status == 0 && out.str().find("oddsScore ") != 0)
        fail("odds succeeded without its figure", out.str());
}

// play's files go into a folder of its own, emptied now and then.
const std::filesystem::path& scratch() {
    static const std::filesystem::path folder = [] {
        std::string pattern
            = (std::filesystem::temp_directory_path() / "tavolier-cli-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            fail("no scratch folder");
        std::filesystem::current_path(pattern);
        return std::filesystem::path(pattern);
    }();
    return folder;
}

void play(std::vector<std::string_view> args) {
    for (const auto arg : args) {
        if (arg.find('/') != std::string_view::npos || arg == "..")
            return; // a file name outside the scratch folder
    }
    static int runs = 0;
    if (++runs % 256 == 0) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(scratch(), ec))
            std::filesystem::remove_all(entry.path(), ec);
    }
    (void)scratch();
    args.push_back("--hands");
    args.push_back("1");
    std::ostringstream out;
    std::ostringstream err;
    const int status = tavolier::cli::runPlay(args, out, err);
    // 1: a settings file that cannot be written (a folder, say), named in the message.
    if (status != 0 && status != 2
        && !(status == 1 && err.str().find("Unable to write to ") != std::string::npos))
        fail("play ended with an unexpected status", err.str());
    checkErrorLine(err.str(), status);
    if (status == 0 && out.str().find("end 1 ") == std::string::npos)
        fail("play succeeded without playing its hand", out.str());
}

void tournament(std::vector<std::string_view> args) {
    // The last value of an option counts: one match of one hand on one job.
    for (const std::string_view option : { "--matches", "--max-hands", "--jobs" }) {
        args.push_back(option);
        args.push_back("1");
    }
    args.push_back("--no-progress");
    std::ostringstream out;
    std::ostringstream err;
    const int status = tavolier::cli::runTournament(args, out, err);
    if (status != 0 && status != 2)
        fail("tournament ended with an unexpected status", err.str());
    checkErrorLine(err.str(), status);
    if (status == 0 && out.str().find("tournament 1 matches") != 0)
        fail("tournament succeeded without its table", out.str());
}

// The last "Hand #" number in text that a plain reading finds: every
// occurrence followed by digits that fit 64 bits, the last one wins.
std::optional<std::int64_t> lastHandNumber(std::string_view text) {
    constexpr std::string_view kMark = "Hand #";
    std::optional<std::int64_t> last;
    for (std::size_t at = text.find(kMark); at != std::string_view::npos;
         at = text.find(kMark, at + 1)) {
        std::int64_t value = 0;
        std::size_t digits = 0;
        bool fits = true;
        for (std::size_t i = at + kMark.size(); i < text.size() && text[i] >= '0' && text[i] <= '9';
             ++i, ++digits) {
            const int digit = text[i] - '0';
            fits = fits && value <= (INT64_MAX - digit) / 10;
            if (fits)
                value = value * 10 + digit;
        }
        if (digits > 0 && fits)
            last = value;
    }
    return last;
}

// A day's hand-history file of any text: the number the next hand is placed
// after is what a plain reading finds, and an append adds its text whole.
void historyFile(std::string_view text) {
    const std::filesystem::path path = scratch() / "history.txt";
    std::filesystem::remove(path);
    std::ofstream(path, std::ios::binary)
        .write(text.data(), static_cast<std::streamsize>(text.size()));
    tavolier::HistoryFileHandle file(path, scratch() / "tavolier.ini");
    if (!file.ok())
        fail("a plain file refused", file.error());
    if (file.lastHandId()
        != lastHandNumber(text.substr(text.size() - std::min<std::size_t>(text.size(), 64 * 1024))))
        fail("another last hand number than a plain reading", std::string(text));
    constexpr std::string_view kHand = "Tavolier Hand #7: Hold'em Limit (4/8)\n\n";
    if (!file.append(kHand))
        fail("an append to a plain file failed");
    std::ifstream in(path, std::ios::binary);
    const std::string after { std::istreambuf_iterator<char>(in),
        std::istreambuf_iterator<char>() };
    if (after != std::string(text) + std::string(kHand))
        fail("an append did not add its text whole", after);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    std::vector<std::string_view> args;
    for (std::string_view r = rest; !r.empty();) {
        const auto newline = r.find('\n');
        args.push_back(r.substr(0, newline));
        r.remove_prefix(newline == std::string_view::npos ? r.size() : newline + 1);
    }
    switch (data[0]) {
    case 'e':
        evalLines(rest);
        return 0;
    case 'E':
        evalArguments(args);
        return 0;
    case 'o':
        odds(args);
        return 0;
    case 'p':
        play(args);
        return 0;
    case 't':
        tournament(args);
        return 0;
    case 'h':
        historyFile(rest);
        return 0;
    default:
        break;
    }
    switch (data[0] % 6) {
    case 0:
        evalLines(rest);
        break;
    case 1:
        evalArguments(args);
        break;
    case 2:
        odds(args);
        break;
    case 3:
        play(args);
        break;
    case 4:
        tournament(args);
        break;
    default:
        historyFile(rest);
        break;
    }
    return 0;
}
