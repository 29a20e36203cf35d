// The game: one window, the card table.
#include "core/random.h"
#include "game/table_state.h"
#include "settings/settings_file.h"
#include "ui/main_window.h"
#include "ui/sound_player.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>

#include <filesystem>
#include <memory>

namespace {

// The settings live in one fixed file in the user's configuration folder.
std::unique_ptr<tavolier::SettingsStore> openSettings() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(folder);
    const QString path = folder + "/tavolier.ini";
    return std::make_unique<tavolier::SettingsFile>(std::filesystem::path(path.toStdString()));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // No organisation folder: the settings live in ~/.config/tavolier/.
    QApplication::setApplicationName("tavolier");
    QGuiApplication::setDesktopFileName("tavolier");
    // The installed icon, or the generated one beside the program.
    QIcon icon = QIcon::fromTheme("tavolier");
    if (icon.isNull()) {
        const QString path = tavolier::AssetFinder().find("tavolier.png");
        if (!path.isEmpty())
            icon = QIcon(path);
    }
    QApplication::setWindowIcon(icon);
    tavolier::quietMultimediaLog();

    const auto settings = openSettings();
    tavolier::Random random;
    tavolier::TableState state;
    tavolier::TForm1 window(state, random, *settings);
    window.centreOnScreen();
    window.show();
    return app.exec();
}
