#pragma once

#include "editor/highlighter.h"

// The two engines behind highlight(); see highlighter.h.
RoleMap referenceHighlight(QStringView text, ProgrammingLanguage language);
RoleMap fastHighlight(QStringView text, ProgrammingLanguage language);
