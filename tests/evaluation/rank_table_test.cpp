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

} // namespace
} // namespace tavolier
