#include "presentation/scene.h"

#include "core/seats.h"

#include <string>

namespace tavolier {

void Scene::setStatus(int seat, std::string_view text) {
    view.setLabelText(seatInfo(seat).statusLabel, text);
}

void Scene::showChips(int seat) {
    view.setLabelText(seatInfo(seat).chipsLabel, std::to_string(state.seat(seat).chips));
}

void Scene::showPot() {
    view.setLabelText(Label::pot, std::to_string(state.pot));
}

void Scene::playSoundIfOn(std::string_view file) {
    if (state.soundOn)
        view.playSound(file);
}

} // namespace tavolier
