#pragma once

#include "presentation/hand_history.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace tavolier {

// Appends finished hands to the day's hand-history file in a folder
// ("tavolier-2026-12-08.txt", UTF-8 without a byte-order mark, a blank line
// after each hand). A write that fails is reported by the return value and
// never thrown: play goes on without the file.
class HandHistoryFile {
public:
    // handIdBase is added to the game's hand number in each header, so that
    // hands of different sessions do not share a number in the importers.
    explicit HandHistoryFile(std::filesystem::path folder, std::int64_t handIdBase = 0);

    // Appends one hand to the file of the day it started; false when the
    // folder or the file could not be written.
    bool append(const HandRecord& hand);
    // The file the hand would go to.
    [[nodiscard]] std::filesystem::path fileFor(const HandRecord& hand) const;
    [[nodiscard]] const std::filesystem::path& folder() const { return m_folder; }

private:
    std::filesystem::path m_folder;
    std::int64_t m_handIdBase = 0;
};

// Appends text to a file, creating the file; false on any failure.
bool appendText(const std::filesystem::path& file, const std::string& text);

} // namespace tavolier
