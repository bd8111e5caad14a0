#pragma once

#include <QStringList>

// One function per verb of corvanta-cli. Each gets the arguments after the
// verb and returns the process exit status (2 for bad usage).

// Prints the algorithm template library as one JSON array.
int runTemplates(const QStringList& arguments);
