#pragma once

// What every subcommand shares when it reads its arguments and talks back:
// numbers and cards as they are typed, how it quotes a piece of its input in
// an error message, and how it ends its output.

#include "core/card.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace tavolier::cli {

// A whole number that is the whole text: digits, a "-" before them where T
// is signed, nothing else, within T's range; nullopt otherwise.
template <typename T> [[nodiscard]] std::optional<T> parseNumber(std::string_view text) {
    T value {};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

// "As", "Td", "2c": rank 2-9 T J Q K A, then suit c d h s (suits 0..3 in that
// order); nullopt for anything else.
[[nodiscard]] inline std::optional<Card> parseCard(std::string_view text) {
    constexpr std::string_view kRanks = "23456789TJQKA";
    constexpr std::string_view kSuits = "cdhs";
    if (text.size() != 2)
        return std::nullopt;
    const auto rank = kRanks.find(text[0]);
    const auto suit = kSuits.find(text[1]);
    if (rank == std::string_view::npos || suit == std::string_view::npos)
        return std::nullopt;
    return Card { static_cast<std::int32_t>(suit), static_cast<std::int32_t>(rank) };
}

// A decision's time as typed: seconds, a fraction allowed ("10", "0.5"),
// above 0 and at most a day; nullopt otherwise.
[[nodiscard]] inline std::optional<std::chrono::milliseconds> parseDecisionTime(
    std::string_view text) {
    double seconds = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, seconds);
    if (text.empty() || ec != std::errc() || ptr != end || !(seconds > 0) || seconds > 86400)
        return std::nullopt;
    return std::chrono::milliseconds(
        std::max<long long>(1, static_cast<long long>(seconds * 1000)));
}

// How much of a bad input an error message quotes.
inline constexpr std::size_t kQuotedLength = 40;

// Text fit for an error line: every byte outside printable ASCII, and the
// backslash and quote, escaped (as \x1b, \n, \\ and \').
[[nodiscard]] inline std::string escapeText(std::string_view text) {
    constexpr std::string_view kHex = "0123456789abcdef";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '\'') {
            out += '\\';
            out += c;
        } else if (byte >= 0x20 && byte < 0x7F) {
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        }
    }
    return out;
}

// A piece of the input, fit for an error line: in single quotes, at most its
// first 40 bytes, escaped, and "..." after the quote when the piece is longer.
[[nodiscard]] inline std::string quoteInput(std::string_view text) {
    std::string out(1, '\'');
    out += escapeText(text.substr(0, kQuotedLength));
    out += '\'';
    if (text.size() > kQuotedLength)
        out += "...";
    return out;
}

// Whether out still takes what is written to it (flushing it when it did so
// far); when it no longer does, says so on err ("tavolier-cli eval: cannot
// write the output: No space left on device") and the command ends with
// kOutputFailed. The system's reason is given when it is known: from the
// flush here, or knownError, the errno a caller caught at its own write.
inline constexpr int kOutputFailed = 1;
[[nodiscard]] inline bool outputWorks(
    std::ostream& out, std::ostream& err, std::string_view command, int knownError = 0) {
    int error = knownError;
    if (out.good()) {
        errno = 0;
        out.flush();
        error = errno;
    }
    if (out.good())
        return true;
    err << "tavolier-cli " << command << ": cannot write the output";
    if (error != 0)
        err << ": " << std::strerror(error);
    err << '\n';
    err.flush();
    return false;
}

} // namespace tavolier::cli
