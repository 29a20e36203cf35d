#pragma once

#include "ui/assets.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <string_view>

class QSoundEffect;

namespace tavolier {

// Plays the game's short WAV cues. Every file is loaded once at start;
// play() only starts a preloaded effect and returns at once. A new sound cuts
// off the one still playing. A file that is missing or cannot be decoded
// sounds the system's alert instead. Without an audio output (a server, a CI
// machine) the player stays silent and creates no effects at all.
class SoundPlayer : public QObject {
public:
    enum class Output {
        Detect, // use the default audio output when there is one
        None, // no audio device: stay silent (files are still checked)
    };

    SoundPlayer(const AssetFinder& finder, Output output, QObject* parent = nullptr);
    ~SoundPlayer() override;

    void play(std::string_view file);

    // What sounds the alert; QApplication::beep() unless replaced (tests).
    void setBeep(std::function<void()> beep) { m_beep = std::move(beep); }
    [[nodiscard]] bool hasOutput() const { return m_hasOutput; }

    // The names the game plays.
    static constexpr std::string_view kFiles[]
        = { "card1.wav", "card2.wav", "chip1.wav", "chip4.wav" };

private:
    struct Cue {
        QString path; // empty when the file was not found
        QSoundEffect* effect = nullptr; // only with an audio output
    };
    Cue* cueFor(std::string_view file);

    std::map<QString, Cue> m_cues;
    QSoundEffect* m_playing = nullptr;
    bool m_hasOutput = false;
    std::function<void()> m_beep;
};

// Keeps the multimedia back end's warnings (no server, no device) out of the
// log; they would repeat on every cue.
void quietMultimediaLog();

} // namespace tavolier
