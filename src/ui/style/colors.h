#pragma once

#include "base/programming_language.h"
#include "editor/color_conversion.h"

#include <QColor>

QColor withAlpha(QColor color, double alpha);
// The standard colour a language's badge is drawn in (blue for C, purple for C++, ...).
QColor badgeColor(ProgrammingLanguage language);
