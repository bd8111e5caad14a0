#pragma once

#include <QString>

// Directory of the running test's private home (HOME and every XDG folder live below it).
QString testHome();

// Makes the next workspace a first start: no save folder, no settings.
void startAsFirstRun();
