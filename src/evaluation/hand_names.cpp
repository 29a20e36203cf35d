#include "evaluation/hand_names.h"

#include "game/seats.h"
#include "game/table.h"

namespace tavolier {

// Placeholder until the names land.
std::string_view handName(std::int32_t) { return {}; }

void nameHand(Table& table, std::int32_t score, int seat)
{
    if (seat < 1 || seat > kSeatCount)
        return;
    table.setStatus(seat, handName(score));
}

} // namespace tavolier
