#include "base/solved_tier.h"
#include "support/printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

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

TEST(SolvedTier, NamesCountStepsDownWithinEachGroup) {
    // {tier, display name, badge name, level digit}
    const std::tuple<SolvedTier, QString, QString, QString> cases[] = {
        {SolvedTier::unrated, u"Unrated"_s, u"?"_s, u"?"_s},
        {SolvedTier::bronze5, u"Bronze V"_s, u"Bronze 5"_s, u"5"_s},
        {SolvedTier::bronze4, u"Bronze IV"_s, u"Bronze 4"_s, u"4"_s},
        {SolvedTier::ruby1, u"Ruby I"_s, u"Ruby 1"_s, u"1"_s},
    };
    for (const auto& [tier, display, badge, digit] : cases) {
        EXPECT_EQ(displayName(tier), display);
        EXPECT_EQ(badgeName(tier), badge);
        EXPECT_EQ(levelDigit(tier), digit);
    }
}

TEST(SolvedTier, EveryTierOfAGroupHasTheGroupsColour) {
    for (int raw = 1; raw <= rawValue(SolvedTier::ruby1); ++raw) {
        const int lowestOfGroup = raw - (raw - 1) % 5;
        EXPECT_EQ(color(SolvedTier(raw)), color(SolvedTier(lowestOfGroup))) << raw;
        EXPECT_NE(color(SolvedTier(raw)), color(SolvedTier::unrated)) << raw;
    }
}

} // namespace
