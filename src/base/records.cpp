#include "base/records.h"

#include <algorithm>

namespace {

// 2001-01-01 00:00:00 UTC in milliseconds since the Unix epoch.
constexpr qint64 referenceDateUnixMs = 978307200000;
// A double holds every whole number up to this size exactly.
constexpr qint64 exactInDouble = qint64(1) << 53;

} // namespace

Timestamp::Timestamp(const QDateTime& time)
    : m_seconds(double(time.toMSecsSinceEpoch() - referenceDateUnixMs) / 1000.0) {}

Timestamp Timestamp::now() {
    return Timestamp(QDateTime::currentDateTimeUtc());
}

Timestamp Timestamp::fromSeconds(double seconds) {
    Timestamp time;
    time.m_seconds = seconds;
    return time;
}

Timestamp Timestamp::fromWholeSeconds(qint64 seconds) {
    Timestamp time = fromSeconds(double(seconds));
    if (seconds < -exactInDouble || seconds > exactInDouble)
        time.m_wholeSeconds = seconds;
    return time;
}

QDateTime Timestamp::toDateTime() const {
    static const double first =
        double(QDateTime(QDate(1, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch() -
               referenceDateUnixMs) /
        1000.0;
    static const double last =
        double(QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59, 999), Qt::UTC).toMSecsSinceEpoch() -
               referenceDateUnixMs) /
        1000.0;
    // Written so that a NaN, which compares false, lands on the first day.
    const double seconds = m_seconds >= first ? std::min(m_seconds, last) : first;
    return QDateTime::fromMSecsSinceEpoch(qRound64(seconds * 1000.0) + referenceDateUnixMs,
                                          Qt::UTC);
}

FileItem FileItem::make(const QString& name, ProgrammingLanguage language, const QString& content,
                        std::optional<QUuid> folderId) {
    const Timestamp now = Timestamp::now();
    return FileItem{QUuid::createUuid(), name, content, language, now, now, folderId};
}

FolderItem FolderItem::make(const QString& name) {
    return FolderItem{QUuid::createUuid(), name, Timestamp::now(), true};
}

QString uuidString(const QUuid& id) {
    return id.toString(QUuid::WithoutBraces).toUpper();
}

std::optional<QUuid> parseUuid(const QString& text) {
    // QUuid also accepts braces; the canonical form has exactly 36 characters.
    if (text.size() != 36)
        return std::nullopt;
    const QUuid id = QUuid::fromString(text);
    if (id.isNull() && text != QStringLiteral("00000000-0000-0000-0000-000000000000"))
        return std::nullopt;
    return id;
}
