#pragma once

#include "base/rgba.h"

#include <QList>
#include <QString>
#include <optional>

// The tier service's difficulty tiers. The raw value is the service's
// "level": 0 for unrated, then five steps per group from Bronze V (1) up to
// Ruby I (30). Within a group the step number falls as the tier rises.
enum class SolvedTier {
    unrated,
    bronze5,
    bronze4,
    bronze3,
    bronze2,
    bronze1,
    silver5,
    silver4,
    silver3,
    silver2,
    silver1,
    gold5,
    gold4,
    gold3,
    gold2,
    gold1,
    platinum5,
    platinum4,
    platinum3,
    platinum2,
    platinum1,
    diamond5,
    diamond4,
    diamond3,
    diamond2,
    diamond1,
    ruby5,
    ruby4,
    ruby3,
    ruby2,
    ruby1,
};

// All 31 tiers, from unrated to ruby1.
const QList<SolvedTier>& allSolvedTiers();

int rawValue(SolvedTier tier);
// 0 to 30 give a tier; any other number gives none.
std::optional<SolvedTier> solvedTierFromRawValue(qint64 raw);

// "Unrated", "Bronze V" ... "Ruby I".
QString displayName(SolvedTier tier);
// "?", "Bronze 5" ... "Ruby 1".
QString badgeName(SolvedTier tier);
// "?" or the step as one digit, "5" to "1".
QString levelDigit(SolvedTier tier);
// The group's colour; grey for unrated.
Rgba color(SolvedTier tier);
