#include "editor/color_conversion.h"

QColor toQColor(const Rgba& color) {
    return QColor::fromRgbF(float(color.red), float(color.green), float(color.blue),
                            float(color.alpha));
}
