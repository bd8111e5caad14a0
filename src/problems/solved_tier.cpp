#include "problems/solved_tier.h"

#include <array>

namespace {

struct TierGroup {
    const char16_t* name;
    Rgba color;
};

constexpr int stepsPerGroup = 5;

constexpr std::array<TierGroup, 6> groups = {{
    {u"Bronze", {0.6, 0.4, 0.2, 1}},
    {u"Silver", {0.5, 0.55, 0.6, 1}},
    {u"Gold", {0.9, 0.75, 0.3, 1}},
    {u"Platinum", {0.4, 0.75, 0.65, 1}},
    {u"Diamond", {0.4, 0.6, 0.9, 1}},
    {u"Ruby", {0.9, 0.3, 0.4, 1}},
}};

// The grey the desktop uses for secondary marks.
constexpr Rgba unratedColor{0.5, 0.5, 0.5, 1};

const TierGroup& groupOf(SolvedTier tier) {
    return groups[size_t((rawValue(tier) - 1) / stepsPerGroup)];
}

// Step 5 is the lowest tier of a group, step 1 the highest.
int stepOf(SolvedTier tier) {
    return stepsPerGroup - (rawValue(tier) - 1) % stepsPerGroup;
}

QString romanNumeral(int step) {
    static const std::array<QString, 6> numerals = {
        QString(),
        QStringLiteral("I"),
        QStringLiteral("II"),
        QStringLiteral("III"),
        QStringLiteral("IV"),
        QStringLiteral("V"),
    };
    return numerals[size_t(step)];
}

} // namespace

const QList<SolvedTier>& allSolvedTiers() {
    static const QList<SolvedTier> tiers = [] {
        QList<SolvedTier> list;
        for (int raw = 0; raw <= rawValue(SolvedTier::ruby1); ++raw)
            list.append(SolvedTier(raw));
        return list;
    }();
    return tiers;
}

int rawValue(SolvedTier tier) {
    return int(tier);
}

std::optional<SolvedTier> solvedTierFromRawValue(qint64 raw) {
    if (raw < 0 || raw > rawValue(SolvedTier::ruby1))
        return std::nullopt;
    return SolvedTier(raw);
}

QString displayName(SolvedTier tier) {
    if (tier == SolvedTier::unrated)
        return QStringLiteral("Unrated");
    return QString::fromUtf16(groupOf(tier).name) + u' ' + romanNumeral(stepOf(tier));
}

QString badgeName(SolvedTier tier) {
    if (tier == SolvedTier::unrated)
        return QStringLiteral("?");
    return QString::fromUtf16(groupOf(tier).name) + u' ' + QString::number(stepOf(tier));
}

QString levelDigit(SolvedTier tier) {
    if (tier == SolvedTier::unrated)
        return QStringLiteral("?");
    return QString::number(stepOf(tier));
}

Rgba color(SolvedTier tier) {
    if (tier == SolvedTier::unrated)
        return unratedColor;
    return groupOf(tier).color;
}
