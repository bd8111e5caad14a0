#pragma once

#include "base/records.h"

#include <QList>
#include <QString>
#include <QStringList>

// Naming, ordering and filtering rules of the file commands; the commands
// that change the workspace are operations of the Workspace.

enum class SortOrder { name, date, language };

// "solution.<ext>", then "solution_1.<ext>", "solution_2.<ext>", ...: the
// first name no file has, the plain name whenever it is free.
QString uniqueDefaultName(const QList<FileItem>& files, ProgrammingLanguage language);

// Every ".<ext>" becomes "_copy.<ext>": a.cpp.cpp gives a_copy.cpp_copy.cpp.
QString duplicateName(const QString& name, ProgrammingLanguage language);

QString fileDeleteConfirmation(const FileItem& file);
QString folderDeleteConfirmation(const FolderItem& folder, const QList<FileItem>& files);

// The ids of a drop payload that name existing files, in payload order.
QList<QUuid> droppedFileIds(const QStringList& payload, const QList<FileItem>& files);

// Strict order of the sidebar's lists; files that tie keep their list order.
bool sortsBefore(const FileItem& a, const FileItem& b, SortOrder order);
// Case-insensitive containment under the user's locale; empty text matches all.
bool matchesSearch(const FileItem& file, const QString& searchText);
