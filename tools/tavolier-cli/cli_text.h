#pragma once

// What every subcommand shares when it talks back: how it quotes a piece of
// its input in an error message, and how it ends its output.

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>

namespace tavolier::cli {

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
