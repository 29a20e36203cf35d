#pragma once

#include "core/random.h"
#include "core/table_state.h"
#include "core/table_view.h"
#include "presentation/presentation_state.h"

#include <string_view>

namespace tavolier {

// What the presentation works on: the table state it shows, the one
// generator (the blink and the odds badge draw from it), the screen and the
// window's presentation state. The game's Table is a Scene with the rules on
// top; the presentation never changes a rule. The odds badge runs the
// opponents' estimate, which moves the estimate's carried state.
class Scene {
public:
    Scene(TableState& state_, Random& random_, TableView& view_)
        : state(state_)
        , random(random_)
        , view(view_) { }
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    TableState& state;
    Random& random;
    TableView& view;
    PresentationState presentation;

    // A seat's status label ("Calls", "Folds", ... or empty).
    void setStatus(int seat, std::string_view text);
    // Writes a seat's chips into its chips label.
    void showChips(int seat);
    // Writes the pot into its label.
    void showPot();
    // Plays a sound when sound is on.
    void playSoundIfOn(std::string_view file);
};

} // namespace tavolier
