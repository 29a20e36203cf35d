#include "ui/sound_player.h"

#include <QApplication>
#include <QAudioDevice>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace tavolier {

void quietMultimediaLog() {
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*.warning=false\n"
                                                    "qt.multimedia*.info=false\n"
                                                    "qt.multimedia*.debug=false"));
}

SoundPlayer::SoundPlayer(const AssetFinder& finder, Output output, QObject* parent)
    : QObject(parent)
    , m_beep([] { QApplication::beep(); }) {
    m_hasOutput = output == Output::Detect && !QMediaDevices::defaultAudioOutput().isNull();
    for (std::string_view file : kFiles) {
        const QString name = QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
        Cue cue;
        cue.path = finder.find(name);
        if (m_hasOutput && !cue.path.isEmpty()) {
            cue.effect = new QSoundEffect(this);
            cue.effect->setSource(QUrl::fromLocalFile(cue.path));
        }
        m_cues.emplace(name, cue);
    }
}

SoundPlayer::~SoundPlayer() = default;

SoundPlayer::Cue* SoundPlayer::cueFor(std::string_view file) {
    const auto it
        = m_cues.find(QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size())));
    return it == m_cues.end() ? nullptr : &it->second;
}

void SoundPlayer::play(std::string_view file) {
    Cue* cue = cueFor(file);
    if (cue == nullptr || cue->path.isEmpty()) {
        if (m_beep)
            m_beep();
        return;
    }
    if (!m_hasOutput)
        return;
    QSoundEffect* effect = cue->effect;
    if (effect->status() == QSoundEffect::Error) {
        if (m_beep)
            m_beep();
        return;
    }
    if (m_playing != nullptr && m_playing != effect)
        m_playing->stop();
    // Restarting the same cue cuts it off too.
    effect->stop();
    effect->play();
    m_playing = effect;
}

} // namespace tavolier
