#pragma once

#include <QVariant>
#include <Qt>

// Roles shared by the models of this folder, so one delegate draws a file's
// badge the same way in the sidebar and in the tab bar.
enum ItemRole {
    // The record's id as a QUuid.
    IdRole = Qt::UserRole + 1,
    IsFolderRole,
    // ProgrammingLanguage.
    LanguageRole,
    BadgeLabelRole,
    // One of the toolkit's standard colour names.
    BadgeColorNameRole,
    // Whether the row's file is the selected file.
    SelectedRole,
    // Folder rows: how many files the folder holds, and whether it shows them.
    FileCountRole,
    ExpandedRole,
    // Test-case rows.
    InputRole,
    ExpectedOutputRole,
    // The last run's CaseResult; absent (an invalid QVariant) before a run.
    ResultRole,
    // The comparison's name the runs judge outputs by ("lines", "float:1e-6");
    // empty while a checker or an interactor judges them.
    ComparisonRole,
};

struct FileItem;

// The roles every file row answers: its name as the display text, the id,
// the language and its badge, and whether it is selected.
QVariant fileRoleData(const FileItem& file, int role, bool selected);
