#include "workspace/file_operations.h"

#include <QLocale>
#include <algorithm>

namespace {

bool nameTaken(const QList<FileItem>& files, const QString& name) {
    return std::any_of(files.begin(), files.end(),
                       [&](const FileItem& file) { return file.name == name; });
}

} // namespace

QString uniqueDefaultName(const QList<FileItem>& files, ProgrammingLanguage language) {
    const QString extension = fileExtension(language);
    QString candidate = QStringLiteral("solution.") + extension;
    for (int n = 1; nameTaken(files, candidate); ++n)
        candidate = QStringLiteral("solution_%1.%2").arg(n).arg(extension);
    return candidate;
}

QString duplicateName(const QString& name, ProgrammingLanguage language) {
    const QString suffix = QLatin1Char('.') + fileExtension(language);
    return QString(name).replace(suffix, QStringLiteral("_copy") + suffix);
}

QString fileDeleteConfirmation(const FileItem& file) {
    return file.name + QStringLiteral(" 파일을 삭제하시겠습니까?");
}

QString folderDeleteConfirmation(const FolderItem& folder, const QList<FileItem>& files) {
    const auto count = std::count_if(files.begin(), files.end(), [&](const FileItem& file) {
        return file.folderId == folder.id;
    });
    return folder.name + QStringLiteral(" 폴더와 안의 파일 ") + QString::number(count) +
           QStringLiteral("개를 모두 삭제하시겠습니까?");
}

QList<QUuid> droppedFileIds(const QStringList& payload, const QList<FileItem>& files) {
    QList<QUuid> ids;
    for (const QString& text : payload) {
        const auto id = parseUuid(text);
        if (id && std::any_of(files.begin(), files.end(),
                              [&](const FileItem& file) { return file.id == *id; }))
            ids.append(*id);
    }
    return ids;
}

bool sortsBefore(const FileItem& a, const FileItem& b, SortOrder order) {
    switch (order) {
    case SortOrder::name:
        return QString::compare(a.name, b.name, Qt::CaseSensitive) < 0;
    case SortOrder::date:
        return a.modifiedAt > b.modifiedAt;
    case SortOrder::language:
        return QString::compare(rawValue(a.language), rawValue(b.language)) < 0;
    }
    return false;
}

bool matchesSearch(const FileItem& file, const QString& searchText) {
    const QLocale locale;
    return locale.toLower(file.name).contains(locale.toLower(searchText));
}
