#pragma once

#include "base/programming_language.h"
#include "editor/color_conversion.h"

#include <QColor>

QColor withAlpha(QColor color, double alpha);
// One of the desktop's standard colours by name ("blue", "purple", ...); gray when unknown.
QColor standardColor(const QString& name);
// The standard colour a language's badge is drawn in (blue for C, purple for C++, ...).
QColor badgeColor(ProgrammingLanguage language);
