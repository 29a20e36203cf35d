#pragma once

#include "ui/assets.h"

#include <functional>
#include <memory>
#include <string_view>

namespace tavolier {

// What the table asks of its sounds: play one of the game's cues. The player
// behind it (sound_player.h) lives in a module of its own, loaded after the
// window's first frame, so that the multimedia libraries it needs are not
// loaded before the table is on screen.
class SoundCues {
public:
    virtual ~SoundCues() = default;
    // Plays a cue; a file that is missing or cannot be played sounds the alert.
    virtual void play(std::string_view file) = 0;
};

// Makes the table's sound player: over the asset folders, with the audio
// output (or silent without it), sounding beep for the alert.
using SoundFactory = std::function<std::unique_ptr<SoundCues>(
    const AssetFinder& finder, bool audio, std::function<void()> beep)>;

// Loads the sound module (tavolier-sound) from the first of dirs that has it
// (defaultPluginDirs() in the game) and finds its factory; empty when the
// module cannot be loaded. May run on any thread.
[[nodiscard]] SoundFactory loadSoundModule(const QStringList& dirs);

// The player to use when the module is missing: every cue sounds the alert.
[[nodiscard]] std::unique_ptr<SoundCues> alertOnlySounds(std::function<void()> beep);

// Keeps the multimedia back end's warnings (no server, no device) out of the
// log; they would repeat on every cue.
void quietMultimediaLog();

} // namespace tavolier
