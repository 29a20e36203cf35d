#pragma once

#include "settings/settings_store.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tavolier {

// How fast the window plays back the opponents' actions of one turn. The
// rules run the whole turn at once whatever the pace; only the screen waits.
// Stored as "Settings"/"Pace": 0 Instant, 1 Normal, 2 Slow.
enum class OpponentsPace : std::int32_t { instant = 0, normal = 1, slow = 2 };

inline constexpr OpponentsPace kDefaultPace = OpponentsPace::normal;
inline constexpr std::string_view kPaceSection = "Settings";
inline constexpr std::string_view kPaceKey = "Pace";

// The captions of the choices, in the order of their stored numbers.
inline constexpr std::array<std::string_view, 3> kPaceCaptions { "Instant", "Normal", "Slow" };

// The pause between two opponents' actions: none, about a third of a second,
// about four fifths of a second.
[[nodiscard]] constexpr int pauseMilliseconds(OpponentsPace pace) {
    switch (pace) {
    case OpponentsPace::instant:
        return 0;
    case OpponentsPace::normal:
        return 350;
    case OpponentsPace::slow:
        return 800;
    }
    return 350;
}

// The stored pace; a missing key or a number outside 0..2 gives Normal.
[[nodiscard]] OpponentsPace readPace(SettingsStore& store);
// Throws SettingsWriteError when the store refuses the write.
void writePace(SettingsStore& store, OpponentsPace pace);

} // namespace tavolier
