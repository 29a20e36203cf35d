#include "ui/session_settings.h"

#include <QFile>
#include <QStandardPaths>

#include <cstdlib>

namespace tavolier {

std::filesystem::path defaultSettingsFile() {
    std::filesystem::path folder;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && config[0] == '/')
        folder = config;
    else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0')
        folder = std::filesystem::path(home) / ".config";
    else
        folder = QFile::encodeName(
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                     .toStdString();
    return folder / "tavolier" / "tavolier.ini";
}

QString settingsInUseQuestion(const std::filesystem::path& file) {
    return QString("The settings file %1 is in use by another game of tavolier, which keeps "
                   "its own chips and statistics there.\n\nPlay without saving, or quit?")
        .arg(QString::fromStdString(file.string()));
}

std::optional<SessionSettings> openSessionSettings(const std::filesystem::path& file,
    const std::function<bool(const QString& question)>& playWithoutSaving) {
    SessionSettings session;
    session.file = std::make_unique<SettingsFile>(file);
    session.claim = std::make_unique<SessionClaim>(file);
    if (session.claim->inUse()) {
        if (!playWithoutSaving(settingsInUseQuestion(file)))
            return std::nullopt;
        session.unsaved = std::make_unique<UnsavedSettings>(*session.file);
    }
    return session;
}

} // namespace tavolier
