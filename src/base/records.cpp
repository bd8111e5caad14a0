#include "base/records.h"

FileItem FileItem::make(const QString& name, ProgrammingLanguage language,
                        std::optional<QUuid> folderId) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return FileItem{QUuid::createUuid(), name, defaultCode(language), language, now, now, folderId};
}

FolderItem FolderItem::make(const QString& name) {
    return FolderItem{QUuid::createUuid(), name, QDateTime::currentDateTimeUtc(), true};
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
