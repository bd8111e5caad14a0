#pragma once

#include "base/programming_language.h"
#include "base/verdict.h"

#include <QDateTime>
#include <QString>
#include <QUuid>
#include <compare>
#include <optional>

// A moment as seconds since 2001-01-01 00:00:00 UTC, the number the save
// file holds. The number is kept exactly as read, so loading and saving a
// workspace never changes it, whatever its size: a fraction stays the same
// double, and a whole number too large for a double to hold stays whole. A
// date is made from it only to show it.
class Timestamp {
public:
    Timestamp() = default;
    // Implicit, so that a record's time can be set to a date ("now").
    Timestamp(const QDateTime& time);
    static Timestamp now();
    static Timestamp fromSeconds(double seconds);
    static Timestamp fromWholeSeconds(qint64 seconds);

    double seconds() const { return m_seconds; }
    // Set when the number is whole and a double cannot hold it exactly.
    std::optional<qint64> wholeSeconds() const { return m_wholeSeconds; }
    // The date, held within the years 1 to 9999 that a date can be shown in.
    QDateTime toDateTime() const;

    bool operator==(const Timestamp&) const = default;
    std::partial_ordering operator<=>(const Timestamp& other) const {
        return m_seconds <=> other.m_seconds;
    }

private:
    double m_seconds = 0;
    std::optional<qint64> m_wholeSeconds;
};

// Plain value records of the workspace. Two records stand for the same thing
// when their ids are equal; operator== compares every field and is only for
// noticing any change.

struct FileItem {
    QUuid id;
    QString name;
    QString content;
    ProgrammingLanguage language = ProgrammingLanguage::txt;
    Timestamp createdAt;
    Timestamp modifiedAt;
    std::optional<QUuid> folderId;

    // Fresh id, the given starter text, both times now.
    static FileItem make(const QString& name, ProgrammingLanguage language, const QString& content,
                         std::optional<QUuid> folderId = std::nullopt);

    bool operator==(const FileItem&) const = default;
};

struct FolderItem {
    QUuid id;
    QString name;
    Timestamp createdAt;
    bool isExpanded = true;

    static FolderItem make(const QString& name);

    bool operator==(const FolderItem&) const = default;
};

struct TestCase {
    QUuid id = QUuid::createUuid();
    QString input;
    QString expectedOutput;
    // The last run's result; absent before any run and never saved.
    std::optional<CaseResult> result;

    bool operator==(const TestCase&) const = default;
};

// Canonical upper-case 8-4-4-4-12 form, as the save file and drag payloads write ids.
QString uuidString(const QUuid& id);
// Accepts either case; nullopt when the text is not a UUID.
std::optional<QUuid> parseUuid(const QString& text);
