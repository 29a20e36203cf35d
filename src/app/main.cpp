// The game: one window, the card table.
#include "core/random.h"
#include "core/table_state.h"
#include "settings/settings_file.h"
#include "tavolier_version.h"
#include "ui/first_frame.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "ui/quit_signals.h"
#include "ui/session_settings.h"
#include "ui/sound_cues.h"
#include "ui/table_dialog.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

namespace {

constexpr std::string_view kUsage
    = "usage: tavolier [--help] [--version] [--lang CODE] [Qt options]\n"
      "Fixed-limit Texas Hold'em at one table against seven computer opponents.\n"
      "\n"
      "  -h, --help       print this help and exit\n"
      "      --version    print the version and exit\n"
      "      --lang CODE  speak this language: en, de or fr (default: the desktop's,\n"
      "                   from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)\n"
      "\n"
      "Qt's own options (-platform NAME, -display DISPLAY, ...) are passed on to Qt.\n"
      "The settings and chips are kept in $XDG_CONFIG_HOME/tavolier/tavolier.ini\n"
      "(normally ~/.config/tavolier/tavolier.ini). See tavolier(6).\n";

void print(std::FILE* to, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), to);
}

// --help and --version answer before Qt starts, so they work without a
// display. Anything else is left to Qt.
std::optional<int> answerInfoOption(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            print(stdout, kUsage);
            return 0;
        }
        if (arg == "--version") {
            std::printf("tavolier %.*s\n", static_cast<int>(tavolier::kVersion.size()),
                tavolier::kVersion.data());
            return 0;
        }
    }
    return std::nullopt;
}

// The settings live in one fixed file in the user's configuration folder,
// owned by one session at a time. A second window is asked whether to play
// without saving or to quit (nullopt).
std::optional<tavolier::SessionSettings> openSettings() {
    const std::filesystem::path path = tavolier::defaultSettingsFile();
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    return tavolier::openSessionSettings(path, [](const QString& question) {
        tavolier::TableDialog box(QStringLiteral("Tavolier"), question,
            { { QCoreApplication::translate("Settings", "Play without saving"), 1, true, false },
                { QCoreApplication::translate("Settings", "Quit"), 0, false, true } },
            nullptr);
        return box.choose() == 1;
    });
}
// The window while it plays: the display's loss ends the program from inside
// Qt (through exit), and the session is ended on the way out as a close
// would end it.
tavolier::TableWindow* g_playing = nullptr;

void endSessionAtExit() {
    if (g_playing != nullptr && !g_playing->sessionEnded())
        g_playing->endSession();
}
} // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> status = answerInfoOption(argc, argv))
        return *status;

#ifdef __GLIBC__
    // Pictures and their decoding scratch are large blocks, freed soon after
    // they are made on worker threads. The C library would otherwise raise
    // its mmap threshold at the first such free and keep every later block
    // in the threads' heaps after it is freed: 2 MB that no picture uses.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif

    // The name gives the settings folder (no organisation folder:
    // ~/.config/tavolier/) and the window's class; the desktop file name
    // lets a desktop match the window to the menu entry and its icon.
    QApplication::setApplicationName("tavolier");
    QApplication::setApplicationVersion(QString::fromUtf8(
        tavolier::kVersion.data(), static_cast<qsizetype>(tavolier::kVersion.size())));
    QGuiApplication::setDesktopFileName("io.github.tavolier.tavolier");
    QApplication app(argc, argv);
    // Qt has taken its own options out; --lang is ours, anything left is not.
    QStringList rest = QApplication::arguments().mid(1);
    QString asked;
    if (!rest.isEmpty() && rest.front().startsWith(QStringLiteral("--lang="))) {
        asked = rest.takeFirst().mid(7);
    } else if (rest.size() >= 2 && rest.front() == QStringLiteral("--lang")) {
        rest.removeFirst();
        asked = rest.takeFirst();
    }
    if (!rest.isEmpty()) {
        std::fprintf(stderr, "tavolier: unknown argument '%s'\n", qPrintable(rest.front()));
        print(stderr, kUsage);
        return 2;
    }
    tavolier::quietMultimediaLog();

    const QString language = tavolier::chooseLanguage(
        asked, [](const char* name) { return qEnvironmentVariable(name); },
        tavolier::kTranslatedLanguages);
    if (!tavolier::asksForLanguage(asked, language))
        std::fprintf(
            stderr, "tavolier: no translation for '%s'; playing in English\n", qPrintable(asked));
    QString problem;
    const auto translators = tavolier::installTranslations(
        app, language, tavolier::defaultTranslationDirs(), &problem);
    if (language != QStringLiteral("en") && translators.empty())
        std::fprintf(stderr, "tavolier: the %s translation %s; playing in English\n",
            qPrintable(language),
            problem.isEmpty() ? "was not found" : qPrintable("cannot be used: " + problem));

    const std::optional<tavolier::SessionSettings> settings = openSettings();
    if (!settings)
        return 0;
    tavolier::Random random;
    tavolier::TableState state;
    tavolier::TableWindow window(state, random, settings->store());
    window.centreOnScreen();
    tavolier::watchFirstFrame(window);
    window.show();
    // A signal to end is a close: the hand and the statistics are kept.
    tavolier::QuitSignals quitSignals([&window] {
        window.close();
        QApplication::quit();
    });
    g_playing = &window;
    std::atexit(endSessionAtExit);
    const int status = app.exec();
    g_playing = nullptr;
    return status;
}
