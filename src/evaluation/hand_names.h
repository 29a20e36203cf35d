#pragma once

#include <cstdint>
#include <string_view>

namespace tavolier {

// The fixed name of a hand score ("Two pairs Kings", "Flush Ace High", ...);
// the empty text for a score without a name.
[[nodiscard]] std::string_view handName(std::int32_t score);

} // namespace tavolier
