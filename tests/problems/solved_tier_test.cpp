#include "problems/solved_tier.h"
#include "support/printers.h"

#include <gtest/gtest.h>

namespace {

TEST(SolvedTier, EveryTierOfAGroupHasTheGroupsColour) {
    for (int raw = 1; raw <= rawValue(SolvedTier::ruby1); ++raw) {
        const int lowestOfGroup = raw - (raw - 1) % 5;
        EXPECT_EQ(color(SolvedTier(raw)), color(SolvedTier(lowestOfGroup))) << raw;
        EXPECT_NE(color(SolvedTier(raw)), color(SolvedTier::unrated)) << raw;
    }
}

} // namespace
