#include "presentation/hand_history_file.h"

#include <fstream>
#include <system_error>

namespace tavolier {

HandHistoryFile::HandHistoryFile(std::filesystem::path folder, std::int64_t handIdBase)
    : m_folder(std::move(folder))
    , m_handIdBase(handIdBase) {
}

std::filesystem::path HandHistoryFile::fileFor(const HandRecord& hand) const {
    return m_folder / historyFileName(hand.startedAt);
}

bool HandHistoryFile::append(const HandRecord& hand) {
    std::error_code error;
    std::filesystem::create_directories(m_folder, error);
    if (error)
        return false;
    return appendText(fileFor(hand), handHistoryText(hand, m_handIdBase + hand.start.handNumber));
}

bool appendText(const std::filesystem::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary | std::ios::app);
    if (!out)
        return false;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    return static_cast<bool>(out);
}

} // namespace tavolier
