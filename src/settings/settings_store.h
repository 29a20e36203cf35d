#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavolier {

// The one error of the program: a settings write that could not be made. It
// ends the handler that made the write; the window shows its message, and
// the detail (where and why) beside it. The message names the file ("Unable
// to write to tavolier.ini", or the name a command line gave).
class SettingsWriteError : public std::runtime_error {
public:
    SettingsWriteError()
        : std::runtime_error("Unable to write to tavolier.ini") { }
    explicit SettingsWriteError(std::string detail, std::string_view fileName = "tavolier.ini")
        : std::runtime_error("Unable to write to " + std::string(fileName))
        , m_detail(std::move(detail)) { }

    // The path and the system's reason ("/home/ann/.config/tavolier/tavolier.ini:
    // Permission denied"); empty when there is nothing more to say.
    [[nodiscard]] const std::string& detail() const noexcept { return m_detail; }

private:
    std::string m_detail;
};

// One key's value in a save of several keys.
struct StoredInteger {
    std::string_view section;
    std::string_view key;
    std::int32_t value = 0;
};

// Integer and boolean keys by section and key name (matched without regard
// to case). The game writes through it at fixed moments and reads it once at
// start-up.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored value, or fallback when the key is missing or not a number.
    [[nodiscard]] virtual std::int32_t readInteger(
        std::string_view section, std::string_view key, std::int32_t fallback)
        = 0;
    // Throws SettingsWriteError when the value cannot be stored.
    virtual void writeInteger(std::string_view section, std::string_view key, std::int32_t value)
        = 0;
    // Stores the values in order as one save (a file is rewritten once, not
    // once a key). Throws SettingsWriteError when they cannot be stored; a
    // file then keeps what it held before.
    virtual void writeIntegers(std::span<const StoredInteger> values) {
        for (const StoredInteger& v : values)
            writeInteger(v.section, v.key, v.value);
    }

    // The file the store keeps its values in; empty for a store in memory.
    [[nodiscard]] virtual std::filesystem::path filePath() const { return {}; }

    [[nodiscard]] bool readBoolean(std::string_view section, std::string_view key, bool fallback) {
        return readInteger(section, key, fallback ? 1 : 0) != 0;
    }
    void writeBoolean(std::string_view section, std::string_view key, bool value) {
        writeInteger(section, key, value ? 1 : 0);
    }
};

// A store in memory: the CLI's default and the tests'. It can keep every write
// in order and can be told to refuse writes.
class MemorySettings : public SettingsStore {
public:
    std::int32_t readInteger(
        std::string_view section, std::string_view key, std::int32_t fallback) override;
    void writeInteger(std::string_view section, std::string_view key, std::int32_t value) override;

    // Refuse every write after this many more succeed (-1: never refuse).
    int failAfter = -1;
    // "Section/key=value" for each write, in order, while logWrites is on
    // (tests read it; a long run turns it off so that its memory stays flat).
    std::vector<std::string> writes;
    bool logWrites = true;
    void set(std::string_view section, std::string_view key, std::int32_t value);
    // The value stored under section/key, if any.
    [[nodiscard]] std::optional<std::int32_t> find(
        std::string_view section, std::string_view key) const;

private:
    static std::string keyOf(std::string_view section, std::string_view key);
    std::map<std::string, std::int32_t> m_values;
};

// Reads what another store holds and keeps its own writes in memory: a
// session that may not save plays on from what the file holds and leaves the
// file as it found it.
class UnsavedSettings : public SettingsStore {
public:
    explicit UnsavedSettings(SettingsStore& stored)
        : m_stored(stored) { }
    std::int32_t readInteger(
        std::string_view section, std::string_view key, std::int32_t fallback) override;
    void writeInteger(std::string_view section, std::string_view key, std::int32_t value) override;
    [[nodiscard]] std::filesystem::path filePath() const override { return m_stored.filePath(); }

private:
    SettingsStore& m_stored;
    MemorySettings m_written;
};

// The window's settings: a store whose refused writes do not stop the game.
// What could not be stored is kept here (and read back from here) and goes
// to the store again with the next write, so saving resumes as soon as the
// file can be written. The first refusal after a successful save is told
// once, through takeRefusal().
class ResilientSettings : public SettingsStore {
public:
    explicit ResilientSettings(SettingsStore& stored)
        : m_stored(stored) { }
    std::int32_t readInteger(
        std::string_view section, std::string_view key, std::int32_t fallback) override;
    void writeInteger(std::string_view section, std::string_view key, std::int32_t value) override;
    void writeIntegers(std::span<const StoredInteger> values) override;
    [[nodiscard]] std::filesystem::path filePath() const override { return m_stored.filePath(); }

    // Whether values wait for a write that was refused.
    [[nodiscard]] bool saving() const { return m_waiting.empty(); }
    // The refusal that stopped saving, once: nullopt afterwards, and while
    // saving works.
    [[nodiscard]] std::optional<SettingsWriteError> takeRefusal();

private:
    struct Waiting {
        std::string section;
        std::string key;
        std::int32_t value;
    };
    SettingsStore& m_stored;
    // Values not yet stored, in the order they were first written.
    std::vector<Waiting> m_waiting;
    std::optional<SettingsWriteError> m_refusal;
    bool m_told = false;
};

} // namespace tavolier
