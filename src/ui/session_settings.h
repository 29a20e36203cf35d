#pragma once

#include "settings/settings_file.h"
#include "settings/settings_store.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

namespace tavolier {

// The settings of one window's session: the file, claimed for this session,
// or, when another session holds it and the player chose to play on, the
// file's values with every write kept in memory.
struct SessionSettings {
    std::unique_ptr<SettingsFile> file;
    std::unique_ptr<SessionClaim> claim;
    std::unique_ptr<UnsavedSettings> unsaved;

    [[nodiscard]] SettingsStore& store() const {
        return unsaved != nullptr ? static_cast<SettingsStore&>(*unsaved) : *file;
    }
    [[nodiscard]] bool saving() const { return unsaved == nullptr; }
};

// The settings file's fixed place: "tavolier/tavolier.ini" in
// $XDG_CONFIG_HOME (when it is an absolute path), else in ~/.config. The
// folder's name is taken byte for byte as the system gives it, whatever its
// encoding, so that a folder whose name is not UTF-8 is found again.
[[nodiscard]] std::filesystem::path defaultSettingsFile();

// The question a second session is asked (the settings file's path in it).
[[nodiscard]] QString settingsInUseQuestion(const std::filesystem::path& file);

// Opens the settings file for a session. When another session holds it,
// playWithoutSaving is asked the question above: true plays on without
// saving, false quits (nullopt). Nothing is merged silently.
[[nodiscard]] std::optional<SessionSettings> openSessionSettings(const std::filesystem::path& file,
    const std::function<bool(const QString& question)>& playWithoutSaving);

} // namespace tavolier
