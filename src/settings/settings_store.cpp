#include "settings/settings_store.h"

#include <cctype>

namespace tavolier {

std::string MemorySettings::keyOf(std::string_view section, std::string_view key) {
    std::string k;
    for (char c : section)
        k += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    k += '/';
    for (char c : key)
        k += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return k;
}

std::int32_t MemorySettings::readInteger(
    std::string_view section, std::string_view key, std::int32_t fallback) {
    const auto it = m_values.find(keyOf(section, key));
    return it == m_values.end() ? fallback : it->second;
}

void MemorySettings::writeInteger(
    std::string_view section, std::string_view key, std::int32_t value) {
    if (failAfter == 0)
        throw SettingsWriteError();
    if (failAfter > 0)
        --failAfter;
    set(section, key, value);
    if (logWrites)
        writes.push_back(
            std::string(section) + "/" + std::string(key) + "=" + std::to_string(value));
}

void MemorySettings::set(std::string_view section, std::string_view key, std::int32_t value) {
    m_values[keyOf(section, key)] = value;
}

std::optional<std::int32_t> MemorySettings::find(
    std::string_view section, std::string_view key) const {
    const auto it = m_values.find(keyOf(section, key));
    return it == m_values.end() ? std::nullopt : std::optional(it->second);
}

std::int32_t UnsavedSettings::readInteger(
    std::string_view section, std::string_view key, std::int32_t fallback) {
    if (const auto written = m_written.find(section, key))
        return *written;
    return m_stored.readInteger(section, key, fallback);
}

void UnsavedSettings::writeInteger(
    std::string_view section, std::string_view key, std::int32_t value) {
    m_written.set(section, key, value);
}

} // namespace tavolier
