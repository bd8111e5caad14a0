#include "problems/solved_tier.h"
#include "support/printers.h"

#include <gtest/gtest.h>

namespace {

TEST(SolvedTier, RawValuesRunFromUnratedToRubyOne) {
    const QList<SolvedTier>& tiers = allSolvedTiers();
    ASSERT_EQ(tiers.size(), 31);
    for (int raw = 0; raw < tiers.size(); ++raw) {
        EXPECT_EQ(rawValue(tiers[raw]), raw);
        EXPECT_EQ(solvedTierFromRawValue(raw), tiers[raw]);
    }
    for (const qint64 outside : {-1LL, 31LL, 1000LL, -9007199254740992LL})
        EXPECT_EQ(solvedTierFromRawValue(outside), std::nullopt) << outside;
}

TEST(SolvedTier, EveryTierOfAGroupHasTheGroupsColour) {
    for (int raw = 1; raw <= rawValue(SolvedTier::ruby1); ++raw) {
        const int lowestOfGroup = raw - (raw - 1) % 5;
        EXPECT_EQ(color(SolvedTier(raw)), color(SolvedTier(lowestOfGroup))) << raw;
        EXPECT_NE(color(SolvedTier(raw)), color(SolvedTier::unrated)) << raw;
    }
}

} // namespace
