#pragma once

#include <QStringList>

// The font picker's entries: the monospaced candidates that are installed,
// in the candidates' order, with the default family "SF Mono" always first,
// installed or not (the editor then draws with the system's fixed font).
QStringList fontChoices(const QStringList& installedFamilies);
