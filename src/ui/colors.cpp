#include "ui/colors.h"

QColor toQColor(const Rgba& color) {
    return QColor::fromRgbF(float(color.red), float(color.green), float(color.blue),
                            float(color.alpha));
}

QColor withAlpha(QColor color, double alpha) {
    color.setAlphaF(float(alpha));
    return color;
}

QColor badgeColor(ProgrammingLanguage language) {
    switch (language) {
    case ProgrammingLanguage::c:
        return QColor(0, 122, 255);
    case ProgrammingLanguage::cpp:
        return QColor(175, 82, 222);
    case ProgrammingLanguage::python:
        return QColor(255, 204, 0);
    case ProgrammingLanguage::java:
        return QColor(255, 149, 0);
    case ProgrammingLanguage::csharp:
        return QColor(52, 199, 89);
    case ProgrammingLanguage::txt:
        return QColor(142, 142, 147);
    }
    return Qt::gray;
}
