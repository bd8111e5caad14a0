#pragma once

#include "base/programming_language.h"

#include <QDateTime>
#include <QString>
#include <QUuid>
#include <optional>

// Plain value records of the workspace. Two records stand for the same thing
// when their ids are equal; operator== compares every field and is only for
// noticing any change.

struct FileItem {
    QUuid id;
    QString name;
    QString content;
    ProgrammingLanguage language = ProgrammingLanguage::txt;
    QDateTime createdAt;
    QDateTime modifiedAt;
    std::optional<QUuid> folderId;

    // Fresh id, the language's built-in starter text, both times now.
    static FileItem make(const QString& name, ProgrammingLanguage language,
                         std::optional<QUuid> folderId = std::nullopt);

    bool operator==(const FileItem&) const = default;
};

struct FolderItem {
    QUuid id;
    QString name;
    QDateTime createdAt;
    bool isExpanded = true;

    static FolderItem make(const QString& name);

    bool operator==(const FolderItem&) const = default;
};

struct TestCase {
    QUuid id = QUuid::createUuid();
    QString input;
    QString expectedOutput;
    // Results of the last run; absent before any run and never saved.
    std::optional<QString> actualOutput;
    std::optional<bool> passed;
    std::optional<double> executionTime;

    bool operator==(const TestCase&) const = default;
};

// Canonical upper-case 8-4-4-4-12 form, as the save file and drag payloads write ids.
QString uuidString(const QUuid& id);
// Accepts either case; nullopt when the text is not a UUID.
std::optional<QUuid> parseUuid(const QString& text);
