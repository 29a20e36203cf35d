#include "evaluation/rank_table.h"
#include "evaluation/rank_table_builder.h"

#include <gtest/gtest.h>

#include <memory>

namespace tavolier {
namespace {

// The table compiled into the program is the one the builder makes: every
// displacement and every slot.
TEST(RankTable, CompiledTableEqualsAFreshBuild) {
    const auto fresh = std::make_unique<ranks::RankSlots>();
    ASSERT_TRUE(ranks::buildRankSlots(*fresh));
    EXPECT_EQ(fresh->displacement, ranks::g_rankSlots.displacement);
    EXPECT_EQ(fresh->slots, ranks::g_rankSlots.slots);
}

// Every one of the 50388 rank sets has a slot, and no slot is shared: the
// filled slots number exactly the keys (an empty slot reads 0, which no
// seven real ranks score as place 0 with kicker -11).
TEST(RankTable, EveryRankSetHasItsOwnSlot) {
    std::size_t filled = 0;
    for (std::uint16_t slot : ranks::g_rankSlots.slots)
        filled += slot != 0 ? 1 : 0;
    EXPECT_EQ(filled, 50388U);
}

} // namespace
} // namespace tavolier
