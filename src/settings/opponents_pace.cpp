#include "settings/opponents_pace.h"

namespace tavolier {

OpponentsPace readPace(SettingsStore& store) {
    const std::int32_t stored
        = store.readInteger(kPaceSection, kPaceKey, static_cast<std::int32_t>(kDefaultPace));
    if (stored < 0 || stored > 2)
        return kDefaultPace;
    return static_cast<OpponentsPace>(stored);
}

void writePace(SettingsStore& store, OpponentsPace pace) {
    store.writeInteger(kPaceSection, kPaceKey, static_cast<std::int32_t>(pace));
}

} // namespace tavolier
