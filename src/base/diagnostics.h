#pragma once

#include <QString>

// The program's diagnostics: one line each on standard output, flushed at once
// so a line is never lost when the process is killed right after.
void printDiagnostic(const QString& line);
