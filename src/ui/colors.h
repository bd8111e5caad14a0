#pragma once

#include "themes/rgba.h"
#include "workspace/programming_language.h"

#include <QColor>

QColor toQColor(const Rgba& color);
QColor withAlpha(QColor color, double alpha);
// One of the desktop's standard colours by name ("blue", "purple", ...); gray when unknown.
QColor standardColor(const QString& name);
// The standard colour a language's badge is drawn in (blue for C, purple for C++, ...).
QColor badgeColor(ProgrammingLanguage language);
