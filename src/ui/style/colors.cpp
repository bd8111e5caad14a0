#include "ui/style/colors.h"

#include <QHash>

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

QColor badgeColor(ProgrammingLanguage language) {
    return standardColor(badgeColorName(language));
}
