#pragma once

#include <QFont>

// The desktop's fixed-pitch font under the name of the family it stands for.
// The generic name ("monospace") is looked up again for each script, so on a
// line whose Korean comment follows the indentation the spaces came from a
// CJK font with narrower cells and the comment sat left of the code around
// it; a named family keeps every line on one grid and borrows only the
// glyphs it lacks.
QFont fixedPitchFont();
