#pragma once

#include "base/programming_language.h"
#include "editor/color_conversion.h"

#include <QColor>

QColor withAlpha(QColor color, double alpha);
// One of the desktop's standard colours by name ("blue", "purple", ...); gray when unknown.
QColor standardColor(const QString& name);
// What `top` looks like painted over the opaque `under`.
QColor paintedOver(const QColor& top, const QColor& under);
// The WCAG contrast ratio of two opaque colours, from 1 to 21.
double contrastRatio(const QColor& first, const QColor& second);
// `colour` darkened or lightened, hue kept, just enough to stand out `ratio`:1
// from the opaque `background`.
QColor standingOut(QColor colour, const QColor& background, double ratio);
// The standard colour a language's badge is drawn in (blue for C, purple for
// C++, ...), darkened or lightened just enough to stand out 3:1 from `background`.
QColor badgeColor(ProgrammingLanguage language, const QColor& background);
