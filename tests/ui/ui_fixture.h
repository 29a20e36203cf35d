#pragma once

#include "core/random.h"
#include "core/table_state.h"
#include "settings/settings_file.h"
#include "ui/main_window.h"
#include "ui/sound_player.h"

#include <QFile>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

namespace tavolier::uitest {

// Whether a library whose path holds name is mapped into this process.
[[nodiscard]] inline bool libraryLoaded(const char* name) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains(name);
}

// Clicks Check/Call until the hand is over (Deal comes back); false when
// it takes implausibly many presses or Check/Call is barred before.
inline bool checkDownToTheEnd(TableWindow& form) {
    for (int press = 0; press < 20; ++press) {
        if (form.button(Button::deal)->isEnabled())
            return true;
        if (!form.button(Button::checkOrCall)->isEnabled())
            return false;
        QTest::mouseClick(form.button(Button::checkOrCall), Qt::LeftButton);
    }
    return form.button(Button::deal)->isEnabled();
}

[[nodiscard]] inline QStringList generatedAssets() {
    return { QStringLiteral(TAVOLIER_ASSET_DIR) };
}

// A table window over a settings file in a temporary folder (or a store the
// test gives), a fixed random stream, the generated pictures, no audio and
// no running timers, every turn shown at once. Messages and questions are
// recorded instead of shown.
class WindowFixture {
public:
    explicit WindowFixture(std::uint64_t seed = 7, QStringList assetDirs = generatedAssets())
        : random(Random::splitMix64(seed))
        , file(std::filesystem::path(dir.path().toStdString()) / "tavolier.ini")
        , m_assetDirs(std::move(assetDirs)) { }

    // Builds the window; its start-up runs here.
    TableWindow& open(SettingsStore* store = nullptr) {
        WindowOptions options;
        options.assetDirs = m_assetDirs;
        options.scale = scale;
        options.audio = false;
        // The player itself, linked in, rather than the module beside the game.
        options.soundFactory
            = [](const AssetFinder& finder, bool audio, std::function<void()> beep) {
                  auto player = std::make_unique<SoundPlayer>(
                      finder, audio ? SoundPlayer::Output::Detect : SoundPlayer::Output::None);
                  player->setBeep(std::move(beep));
                  player->start();
                  return std::unique_ptr<SoundCues>(std::move(player));
              };
        options.runTimers = false;
        options.historyFolder = historyFolder;
        options.playback = playback;
        options.pluginDirs = { QStringLiteral(TAVOLIER_PLUGIN_BUILD_DIR) };
        options.messageHook = [this](const QString& text, const QString& caption) {
            messages.push_back(text + "|" + caption);
        };
        options.questionHook = [this](const QString& text, const QString& caption) {
            questions.push_back(text + "|" + caption);
            return answerYes;
        };
        m_form = std::make_unique<TableWindow>(state, random, store ? *store : file, options);
        return *m_form;
    }

    [[nodiscard]] TableWindow& form() { return *m_form; }
    [[nodiscard]] bool hoverShown(int seat) const {
        return m_form->table().presentation.hoverShown[static_cast<std::size_t>(seat)];
    }
    // A button of the window or of its options panel (built if need be).
    [[nodiscard]] QPushButton* named(const char* name) const {
        (void)m_form->optionsPanel();
        return m_form->findChild<QPushButton*>(name);
    }

    QTemporaryDir dir;
    TableState state;
    Random random;
    SettingsFile file;
    std::vector<QString> messages;
    std::vector<QString> questions;
    bool answerYes = true;
    // Where the hand-history files go.
    QString historyFolder = dir.path() + "/history";
    // True plays the turns back at the stored pace; false shows them at once.
    bool playback = false;
    qreal scale = 1.0; // the canvas's device pixel ratio

private:
    QStringList m_assetDirs;
    std::unique_ptr<TableWindow> m_form;
};

} // namespace tavolier::uitest
