#pragma once

#include "workspace/save_file.h"

#include <QByteArray>
#include <QString>

// The workspace the start-up and window benchmarks load: 1,000 C++ files of
// 16 KB in 50 folders, `openTabs` of them open (the first selected), and 200
// test cases; about 16 MB as a save file.
WorkspaceSnapshot largeWorkspace(int openTabs);

// Adds a C++ file of `lines` lines, opened and selected.
void addLongFile(WorkspaceSnapshot& snapshot, const QString& name, int lines);

// Writes appdata.json into `dataFolder`, creating it; false when it could not.
bool writeSaveFile(const QString& dataFolder, const QByteArray& bytes);

// Points HOME and the XDG data, config and cache folders of this process
// (and the processes it starts) into `root`.
void usePrivateHome(const QString& root);
