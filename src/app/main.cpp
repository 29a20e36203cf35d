// The game: one window, the card table.
#include "core/random.h"
#include "game/table_state.h"
#include "settings/settings_store.h"
#include "ui/main_window.h"
#include "ui/sound_player.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>

#include <memory>

#if __has_include("settings/settings_file.h")
#include "settings/settings_file.h"
#define TAVOLIER_HAS_SETTINGS_FILE 1
#endif

namespace {

// The settings live in one fixed file in the user's configuration folder.
std::unique_ptr<tavolier::SettingsStore> openSettings() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(folder);
    const QString path = folder + "/tavolier.ini";
#ifdef TAVOLIER_HAS_SETTINGS_FILE
    return std::make_unique<tavolier::SettingsFile>(path.toStdString());
#else
    (void)path;
    return std::make_unique<tavolier::MemorySettings>();
#endif
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // No organisation folder: the settings live in ~/.config/tavolier/.
    QApplication::setApplicationName("tavolier");
    QApplication::setWindowIcon(QIcon::fromTheme("tavolier"));
    tavolier::quietMultimediaLog();

    const auto settings = openSettings();
    tavolier::Random random;
    tavolier::TableState state;
    tavolier::TForm1 window(state, random, *settings);
    if (window.windowIcon().isNull() || QIcon::fromTheme("tavolier").isNull()) {
        const tavolier::AssetFinder finder;
        const QString icon = finder.find("tavolier.png");
        if (!icon.isEmpty())
            QApplication::setWindowIcon(QIcon(icon));
    }
    window.centreOnScreen();
    window.show();
    return app.exec();
}
