#include "ui/style/colors.h"

#include <QHash>
#include <algorithm>
#include <cmath>

QColor withAlpha(QColor color, double alpha) {
    color.setAlphaF(float(alpha));
    return color;
}

QColor standardColor(const QString& name) {
    // The desktop's standard colours of those names.
    static const QHash<QString, QColor> standard = {
        {QStringLiteral("blue"), QColor(0, 122, 255)},
        {QStringLiteral("purple"), QColor(175, 82, 222)},
        {QStringLiteral("yellow"), QColor(255, 204, 0)},
        {QStringLiteral("orange"), QColor(255, 149, 0)},
        {QStringLiteral("green"), QColor(52, 199, 89)},
        {QStringLiteral("gray"), QColor(142, 142, 147)},
        {QStringLiteral("red"), QColor(255, 59, 48)},
    };
    return standard.value(name, QColor(142, 142, 147));
}

namespace {

double luminance(const QColor& color) {
    const auto linear = [](float channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

} // namespace

QColor paintedOver(const QColor& top, const QColor& under) {
    const double alpha = top.alphaF();
    const auto mix = [&](double over, double below) { return over * alpha + below * (1 - alpha); };
    return QColor::fromRgbF(float(mix(top.redF(), under.redF())),
                            float(mix(top.greenF(), under.greenF())),
                            float(mix(top.blueF(), under.blueF())));
}

double contrastRatio(const QColor& first, const QColor& second) {
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor standingOut(QColor colour, const QColor& background, double ratio) {
    // Yellow on a light theme darkens towards amber; the hue stays.
    const bool darken = luminance(background) > 0.18;
    float hue = 0, saturation = 0, lightness = 0;
    colour.getHslF(&hue, &saturation, &lightness);
    hue = std::max(hue, 0.0f); // grey has none
    while (contrastRatio(colour, background) < ratio && lightness > 0 && lightness < 1) {
        lightness = std::clamp(lightness + (darken ? -0.02f : 0.02f), 0.0f, 1.0f);
        colour = QColor::fromHslF(hue, saturation, lightness);
    }
    return colour;
}

QColor badgeColor(ProgrammingLanguage language, const QColor& background) {
    constexpr double nonTextContrast = 3.0;
    return standingOut(standardColor(badgeColorName(language)), background, nonTextContrast);
}
