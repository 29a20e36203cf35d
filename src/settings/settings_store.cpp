#include "settings/settings_store.h"

#include <algorithm>
#include <cctype>
#include <strings.h>

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

namespace {

[[nodiscard]] bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && ::strncasecmp(a.data(), b.data(), a.size()) == 0;
}

} // namespace

std::int32_t ResilientSettings::readInteger(
    std::string_view section, std::string_view key, std::int32_t fallback) {
    for (const Waiting& w : m_waiting)
        if (sameName(w.section, section) && sameName(w.key, key))
            return w.value;
    return m_stored.readInteger(section, key, fallback);
}

void ResilientSettings::writeInteger(
    std::string_view section, std::string_view key, std::int32_t value) {
    const StoredInteger one { section, key, value };
    writeIntegers({ &one, 1 });
}

void ResilientSettings::writeIntegers(std::span<const StoredInteger> values) {
    bool refusedNow = false;
    if (m_waiting.empty()) {
        try {
            m_stored.writeIntegers(values);
            return;
        } catch (const SettingsWriteError& refusal) {
            m_refusal = refusal;
            refusedNow = true;
        }
    }
    // What waits keeps its place, each key with its latest value.
    for (const StoredInteger& v : values) {
        const auto same = std::ranges::find_if(m_waiting, [&](const Waiting& w) {
            return sameName(w.section, v.section) && sameName(w.key, v.key);
        });
        if (same != m_waiting.end())
            same->value = v.value;
        else
            m_waiting.push_back({ std::string(v.section), std::string(v.key), v.value });
    }
    if (refusedNow)
        return;
    std::vector<StoredInteger> all;
    all.reserve(m_waiting.size());
    for (const Waiting& w : m_waiting)
        all.push_back({ w.section, w.key, w.value });
    try {
        m_stored.writeIntegers(all);
        m_waiting.clear();
        m_refusal.reset();
        m_told = false;
    } catch (const SettingsWriteError& refusal) {
        m_refusal = refusal;
    }
}

std::optional<SettingsWriteError> ResilientSettings::takeRefusal() {
    if (m_told || !m_refusal)
        return std::nullopt;
    m_told = true;
    return m_refusal;
}

} // namespace tavolier
