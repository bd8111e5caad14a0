#pragma once

#include "themes/rgba.h"
#include "workspace/programming_language.h"

#include <QColor>

QColor toQColor(const Rgba& color);
QColor withAlpha(QColor color, double alpha);
// The standard colour a language's badge is drawn in (blue for C, purple for C++, ...).
QColor badgeColor(ProgrammingLanguage language);
