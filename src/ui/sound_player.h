#pragma once

#include "ui/assets.h"
#include "ui/sound_cues.h"
#include "ui/wave_file.h"

#include <QObject>
#include <QString>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

namespace tavolier {

class AudioOutput;

// Plays the game's four short WAV cues through one audio output that stays
// open for the whole game. The files are found at construction; start()
// decodes them into memory and opens the output on a thread of its own, so
// a slow or missing sound server never holds up the table. play() returns at
// once: the output switches to the new sound, cutting off the one still
// playing, and writes silence after a sound's end. A file that is missing or
// cannot be decoded sounds the system's alert instead. Without an audio
// device the game plays silently; a device that goes away or comes back is
// followed without the table noticing.
class SoundPlayer : public QObject, public SoundCues {
public:
    enum class Output {
        Detect, // the default audio output, when there is one
        None, // stay silent (files are still found and decoded)
    };

    SoundPlayer(const AssetFinder& finder, Output output, QObject* parent = nullptr);
    // Lets the sound that is playing finish (briefly), then closes the output.
    ~SoundPlayer() override;

    // Decodes the sounds and, with Output::Detect, opens the audio output in
    // the background. Runs once; later calls do nothing.
    void start();

    // Plays one of kFiles. Before start() the latest request waits and plays
    // when the output opens.
    void play(std::string_view file) override;

    // What sounds the alert; QApplication::beep() unless replaced (tests).
    void setBeep(std::function<void()> beep) { m_beep = std::move(beep); }
    // True once start() has run and the output is open and playing.
    [[nodiscard]] bool hasOutput() const;
    [[nodiscard]] bool started() const { return m_started; }
    // How often the output ran dry because its thread was held up (the
    // machine was too busy): each time the sound broke up.
    [[nodiscard]] int underruns() const;

    // The names the game plays.
    static constexpr std::array<std::string_view, 4> kFiles
        = { "card1.wav", "card2.wav", "chip1.wav", "chip4.wav" };

private:
    struct Cue {
        QString path; // empty when the file was not found
        bool decodable = true; // false once decoding failed
    };

    std::array<Cue, kFiles.size()> m_cues;
    Output m_output;
    bool m_started = false;
    std::optional<std::size_t> m_waiting; // a play requested before start()
    std::function<void()> m_beep;
    AudioOutput* m_audio = nullptr; // lives on the sound thread, deletes itself
};

} // namespace tavolier
