// libFuzzer target for the settings file's INI reader and writer. Built and run
// by scripts/fuzz-settings, never by the normal build.
//
// Input: byte 0 picks how much of the file is read, byte 1 the key to write,
// bytes 2..5 the value, the rest is the file. For every input the reader must
// not crash, every key must read as its value or its fallback, and a write
// must keep every byte of the file but the edited span, read back as the new
// value, and (when the file is read whole) leave every other key as it was.
// One input in sixteen also goes through a real file on disk.
#include "settings/settings_file.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>

#include <unistd.h>

namespace {

using tavolier::SettingsFile;
using tavolier::SettingsWriteError;
namespace ini = tavolier::ini;

struct Key {
    std::string_view section;
    std::string_view key;
    std::int32_t fallback;
};

// The eighteen keys of the game, plus spellings that differ only in case.
constexpr std::array<Key, 20> kKeys { {
    { "Settings", "Sound", 1 },
    { "Stats", "showdowns", 0 },
    { "Stats", "handsplayed", 0 },
    { "Stats", "handswon", 0 },
    { "Cash", "freak", 1200 },
    { "Cash", "player", 1200 },
    { "Cash", "geek", 1200 },
    { "Cash", "master", 1200 },
    { "Cash", "champ", 1200 },
    { "Cash", "pinhead", 1200 },
    { "Cash", "expert", 1200 },
    { "Cash", "robot", 1200 },
    { "Cash", "until", 600 },
    { "Cash", "initial", 1200 },
    { "Card", "back", 52 },
    { "Levels", "comp", 400 },
    { "Bet", "Small", 4 },
    { "Bet", "Big", 8 },
    { "cash", "UNTIL", 600 },
    { "BET", "small", 4 },
} };

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "settings fuzz: %s\n", what);
    std::abort();
}

struct View {
    std::string_view text;
    bool whole;
};

View viewOf(std::string_view content, std::size_t limit) {
    const bool whole = content.size() <= limit;
    return { ini::readablePart(content.substr(0, limit), whole), whole };
}

std::int32_t readKey(View v, const Key& k) {
    const auto value = ini::findValue(v.text, k.section, k.key);
    if (!value)
        return k.fallback;
    return ini::parseInteger(*value).value_or(k.fallback);
}

// The scratch folder's name, kept in plain storage so that the clean-up at
// exit does not outlive it.
char g_scratchFolder[4096];

// A folder in shared memory when there is one: the writes fsync, and a disk
// would make the fuzzer crawl.
const std::filesystem::path& scratchFile() {
    static const std::filesystem::path path = [] {
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
            ? std::filesystem::path("/dev/shm")
            : std::filesystem::temp_directory_path();
        const std::string pattern = (base / "tavolier-fuzz-XXXXXX").string();
        std::snprintf(g_scratchFolder, sizeof g_scratchFolder, "%s", pattern.c_str());
        if (::mkdtemp(g_scratchFolder) == nullptr)
            fail("no scratch folder");
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(g_scratchFolder, ec);
        });
        return std::filesystem::path(g_scratchFolder) / "tavolier.ini";
    }();
    return path;
}

void checkOnDisk(std::string_view content, std::size_t limit, const Key& target, std::int32_t value,
    std::string_view expected) {
    const auto& path = scratchFile();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
    }
    SettingsFile file(path, tavolier::FileSystemCalls::posix(), limit);
    const View v = viewOf(content, limit);
    for (const Key& k : kKeys) {
        if (file.readInteger(k.section, k.key, k.fallback) != readKey(v, k))
            fail("the file reads otherwise than its text");
    }
    try {
        file.writeInteger(target.section, target.key, value);
    } catch (const SettingsWriteError&) {
        fail("a write to a plain file was refused");
    }
    std::ifstream in(path, std::ios::binary);
    const std::string after { std::istreambuf_iterator<char>(in),
        std::istreambuf_iterator<char>() };
    if (after != expected)
        fail("the file on disk differs from the planned edit");
    if (file.readInteger(target.section, target.key, ~value) != value)
        fail("the file does not read back what was written");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 6)
        return 0;
    // Small limits exercise the long-file paths; 255 reads everything.
    const std::size_t limit = data[0] == 255 ? SIZE_MAX : 64 + std::size_t { data[0] } * 8;
    const Key& target = kKeys[data[1] % kKeys.size()];
    std::int32_t value = 0;
    std::memcpy(&value, data + 2, sizeof value);
    const std::string_view content(reinterpret_cast<const char*>(data + 6), size - 6);

    const View before = viewOf(content, limit);
    std::array<std::int32_t, kKeys.size()> values {};
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        values[i] = readKey(before, kKeys[i]);

    const ini::Edit edit
        = ini::planWrite(before.text, before.whole, target.section, target.key, value, limit);
    if (edit.begin > edit.end || edit.end > before.text.size())
        fail("the edit lies outside the text read");
    std::string after(content.substr(0, edit.begin));
    after += edit.replacement;
    after += content.substr(edit.end);

    const View v = viewOf(after, limit);
    if (readKey(v, target) != value)
        fail("a written value does not read back");
    if (before.whole && v.whole) {
        for (std::size_t i = 0; i < kKeys.size(); ++i) {
            const Key& k = kKeys[i];
            const bool same = k.section.size() == target.section.size()
                && k.key.size() == target.key.size()
                && strncasecmp(k.section.data(), target.section.data(), k.section.size()) == 0
                && strncasecmp(k.key.data(), target.key.data(), k.key.size()) == 0;
            if (!same && readKey(v, k) != values[i])
                fail("a write changed another key");
        }
    }
    // The replaced span is the old value only: it holds no line break.
    if (std::string_view(content).substr(edit.begin, edit.end - edit.begin).find('\n')
        != std::string_view::npos)
        fail("a write replaced a line break");

    if ((data[0] & 0x0F) == 0x0F || data[0] == 255)
        checkOnDisk(content, limit, target, value, after);
    return 0;
}
