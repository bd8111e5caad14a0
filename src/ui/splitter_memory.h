#pragma once

#include <QString>

class QSplitter;
class SettingsStore;

// Gives the splitter the sizes last stored under `key`, if any, and stores
// them again whenever the user moves a handle, so they survive a restart.
// Unreadable stored bytes leave the splitter's own sizes.
void rememberSplitterSizes(QSplitter* splitter, SettingsStore& settings, const QString& key);
