#pragma once

#include <QStringList>

// One function per verb of corvanta-cli. Each gets the arguments after the
// verb and returns the process exit status (2 for bad usage).
