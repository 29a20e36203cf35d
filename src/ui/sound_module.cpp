// The sound module's entry point: the table loads this library after its
// first frame and makes its player here (see sound_cues.h).
#include "ui/sound_player.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT tavolier::SoundCues* tavolierMakeSoundPlayer(
    const tavolier::AssetFinder* finder, bool audio, const std::function<void()>* beep) {
    auto* player = new tavolier::SoundPlayer(*finder,
        audio ? tavolier::SoundPlayer::Output::Detect : tavolier::SoundPlayer::Output::None);
    player->setBeep(*beep);
    // The module is loaded after the window's first frame: the output may
    // open now.
    player->start();
    return player;
}
