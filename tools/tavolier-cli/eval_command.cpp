// tavolier-cli eval: scores seven cards in slot order and prints the score,
// the kicker value and the hand's name.
//
//   tavolier-cli eval As Kd 7h 7c 2s Td 9c   one hand from the command line
//   tavolier-cli eval < hands.txt            one hand of seven cards per line
//
// Cards are rank 2-9 T J Q K A then suit c d h s (suits 0..3 in that order);
// the same card may stand in two slots. Each hand prints one line, e.g.
// "score 212 kicker 41 Two pairs Aces" (a score without a name prints no name).
// A line with the wrong number of cards or an unknown card, or a line longer
// than 4096 bytes, prints a one-line error naming the line and ends with
// status 2; earlier lines keep their output. Output that cannot be written
// ends the command with status 1.
#include "cli_text.h"
#include "commands.h"

#include "core/card.h"
#include "evaluation/hand_evaluator.h"
#include "evaluation/hand_names.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace tavolier::cli {
namespace {

constexpr std::string_view kBlanks = " \t\r\n";

// Collects the cards of one hand from any number of words; the first
// problem found is kept as the error text.
class HandReader {
public:
    void add(std::string_view text) {
        while (m_error.empty()) {
            const auto start = text.find_first_not_of(kBlanks);
            if (start == std::string_view::npos)
                return;
            text.remove_prefix(start);
            const auto end = std::min(text.find_first_of(kBlanks), text.size());
            const std::string_view word = text.substr(0, end);
            text.remove_prefix(end);
            const std::optional<Card> card = parseCard(word);
            if (!card) {
                m_error = "unknown card " + quoteInput(word);
                return;
            }
            if (m_count < 7)
                m_slots[m_count] = *card;
            ++m_count;
        }
    }
    // Empty when the hand is exactly seven known cards.
    [[nodiscard]] std::string error() const {
        if (!m_error.empty() || m_count == 7)
            return m_error;
        return "expected 7 cards, found " + std::to_string(m_count);
    }
    [[nodiscard]] const std::array<Card, 7>& slots() const { return m_slots; }

private:
    std::array<Card, 7> m_slots {};
    int m_count = 0;
    std::string m_error;
};

// The longest line of standard input that is read as a hand.
constexpr std::size_t kLineLimit = 4096;

enum class LineRead { line, end, tooLong };

// Reads one line without its "\n", as getline would, but reads no more than
// limit + 1 bytes of a longer one before it gives up on it.
LineRead readLine(std::istream& in, std::string& line, std::size_t limit) {
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    if (buffer == nullptr)
        return LineRead::end;
    for (;;) {
        const int c = buffer->sbumpc();
        if (c == EOF)
            return line.empty() ? LineRead::end : LineRead::line;
        if (c == '\n')
            return LineRead::line;
        if (line.size() == limit)
            return LineRead::tooLong;
        line += static_cast<char>(c);
    }
}

void printValue(std::ostream& out, const std::array<Card, 7>& slots) {
    const HandValue v = evaluate(slots);
    out << "score " << v.score << " kicker " << v.kicker;
    const std::string_view name = handName(v.score);
    if (!name.empty())
        out << ' ' << name;
    out << '\n';
}

} // namespace

int runEval(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
    std::ostream& err) {
    if (!args.empty()) {
        HandReader reader;
        for (std::string_view arg : args)
            reader.add(arg);
        if (const std::string problem = reader.error(); !problem.empty()) {
            err << "tavolier-cli eval: arguments: " << problem << '\n';
            return 2;
        }
        printValue(out, reader.slots());
        return outputWorks(out, err, "eval") ? 0 : kOutputFailed;
    }

    std::string line;
    for (long long number = 1;; ++number) {
        const LineRead read = readLine(in, line, kLineLimit);
        if (read == LineRead::end)
            break;
        std::string problem;
        if (read == LineRead::tooLong) {
            problem = "longer than " + std::to_string(kLineLimit) + " bytes";
        } else {
            HandReader reader;
            reader.add(line);
            problem = reader.error();
            if (problem.empty()) {
                // A full disk ends the run at once, not after the rest of the input.
                errno = 0;
                printValue(out, reader.slots());
                if (!out.good())
                    return outputWorks(out, err, "eval", errno) ? 0 : kOutputFailed;
                continue;
            }
        }
        if (!outputWorks(out, err, "eval"))
            return kOutputFailed;
        err << "tavolier-cli eval: line " << number << ": " << problem << '\n';
        return 2;
    }
    return outputWorks(out, err, "eval") ? 0 : kOutputFailed;
}

} // namespace tavolier::cli
