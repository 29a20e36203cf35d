#pragma once

#include "core/game_events.h"
#include "presentation/hand_history.h"

#include <QString>

#include <optional>
#include <string_view>

namespace tavolier {

// The rules write their words on the table in English: the seats'
// statuses, the buttons' captions, the messages and the hand names. The
// window shows them through tableText, in the player's language; figures
// and the seats' names pass unchanged.
[[nodiscard]] QString tableText(std::string_view english);

// A hand name as either rule set writes it ("Two pairs Kings and Sevens,
// Ace kicker", "Straight Ten High", Classic's high card "King"), in the
// player's language; nullopt for a text that is not a hand name.
[[nodiscard]] std::optional<QString> handNameText(std::string_view english);

// The style of the opponent at seat under the Standard rules, for its
// portrait's tooltip and the statistics: "Robert: Rock: waits for premium
// hands, never bluffs", in the player's language; empty for a seat
// without a character.
[[nodiscard]] QString characterStyleText(int seat);

// The words of the History window's story of a hand and of the felt's
// caption, in the player's language.
[[nodiscard]] StoryWords storyWords();

} // namespace tavolier
