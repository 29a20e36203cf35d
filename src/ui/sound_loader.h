#pragma once

#include "ui/assets.h"
#include "ui/sound_cues.h"

#include <QStringList>

#include <functional>
#include <future>
#include <memory>

class QObject;

namespace tavolier {

// SoundLoader: the window's sound player. It is made at the first cue, or
// once its module (loaded on a worker thread after the first frame) is
// there; without the module every cue sounds the alert.
class SoundLoader {
public:
    // factory, when set, makes the player instead of the module (tests);
    // pluginDirs are where the module is looked for.
    SoundLoader(const AssetFinder& finder, bool audio, SoundFactory factory, QStringList pluginDirs,
        std::function<void()> beep);
    // Waits for a module still loading.
    ~SoundLoader();
    SoundLoader(const SoundLoader&) = delete;
    SoundLoader& operator=(const SoundLoader&) = delete;

    // Makes the player soon, in context's event loop: at once with a given
    // factory, else once the module has loaded on a worker thread.
    void loadSoon(QObject* context);
    // The player, made now if it is not yet.
    [[nodiscard]] SoundCues& cues();

private:
    const AssetFinder& m_finder;
    bool m_audio;
    SoundFactory m_factory;
    QStringList m_pluginDirs;
    std::function<void()> m_beep;
    std::unique_ptr<SoundCues> m_sound;
    std::future<SoundFactory> m_module; // loading on a worker thread
};

} // namespace tavolier
