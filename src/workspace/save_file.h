#pragma once

#include "base/records.h"
#include "workspace/case_list.h"
#include "workspace/judge_choice.h"
#include "workspace/stress_choice.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>
#include <variant>

// The workspace document "appdata.json": compact UTF-8 JSON with every
// solidus escaped, upper-case ids and times in seconds since 2001-01-01 UTC.

struct WorkspaceSnapshot {
    QList<FileItem> files;
    QList<FolderItem> folders;
    QList<QUuid> openTabIds;
    std::optional<QUuid> selectedFileId;
    QList<TestCase> testCases;
    JudgeChoice judge;
    // Files with cases of their own; written in the files' order.
    QHash<QUuid, CaseList> ownCases;
    // Solution files' stress test choices; written in the files' order.
    QHash<QUuid, StressChoice> stressChoices;
};

// What a document yields once its bad entries are dropped and its tab and
// selection ids are matched against the files that survived.
struct LoadedWorkspace {
    QList<FileItem> files;
    QList<FolderItem> folders;
    QList<FileItem> openTabs;
    std::optional<FileItem> selectedFile;
    // Empty when the document held none: the caller keeps its own initial case.
    QList<TestCase> testCases;
    // The default when the document has none (older ones), or names a program
    // file it does not hold.
    JudgeChoice judge;
    // Only for files the document holds.
    QHash<QUuid, CaseList> ownCases;
    QHash<QUuid, StressChoice> stressChoices;
};

QByteArray encodeWorkspace(const WorkspaceSnapshot& snapshot);

// Strict: a missing required key or a value of the wrong type fails the whole
// document with a description of the first problem found.
std::variant<LoadedWorkspace, QString> decodeWorkspace(const QByteArray& bytes);
