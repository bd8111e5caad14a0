#include "workspace/save_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// 2001-01-01 00:00:00 UTC in seconds since the Unix epoch.
constexpr qint64 referenceDateUnixSeconds = 978307200;

QJsonObject encodeFile(const FileItem& file) {
    QJsonObject object{
        {QStringLiteral("id"), uuidString(file.id)},
        {QStringLiteral("name"), file.name},
        {QStringLiteral("content"), file.content},
        {QStringLiteral("language"), rawValue(file.language)},
        {QStringLiteral("createdAt"), secondsSinceReferenceDate(file.createdAt)},
        {QStringLiteral("modifiedAt"), secondsSinceReferenceDate(file.modifiedAt)},
    };
    if (file.folderId)
        object.insert(QStringLiteral("folderId"), uuidString(*file.folderId));
    return object;
}

QJsonObject encodeFolder(const FolderItem& folder) {
    return QJsonObject{
        {QStringLiteral("id"), uuidString(folder.id)},
        {QStringLiteral("name"), folder.name},
        {QStringLiteral("createdAt"), secondsSinceReferenceDate(folder.createdAt)},
        {QStringLiteral("isExpanded"), folder.isExpanded},
    };
}

QJsonObject encodeTestCase(const TestCase& testCase) {
    return QJsonObject{
        {QStringLiteral("id"), uuidString(testCase.id)},
        {QStringLiteral("input"), testCase.input},
        {QStringLiteral("expectedOutput"), testCase.expectedOutput},
    };
}

// Reads typed values out of a JSON object and remembers the first problem, so
// decoding code reads straight through and the caller checks once per record.
class Reader {
public:
    explicit Reader(QString& error) : m_error(error) {}

    QJsonValue require(const QJsonObject& object, const QString& key, QJsonValue::Type type,
                       const QString& where) {
        if (!m_error.isEmpty())
            return {};
        const auto it = object.constFind(key);
        if (it == object.constEnd()) {
            m_error = QStringLiteral("필수 키 '%1'가 없습니다 (%2)").arg(key, where);
            return {};
        }
        return check(*it, type, where + QLatin1Char('.') + key);
    }

    std::optional<QJsonValue> optional(const QJsonObject& object, const QString& key,
                                       QJsonValue::Type type, const QString& where) {
        const auto it = object.constFind(key);
        if (!m_error.isEmpty() || it == object.constEnd())
            return std::nullopt;
        return check(*it, type, where + QLatin1Char('.') + key);
    }

    QJsonValue check(const QJsonValue& value, QJsonValue::Type type, const QString& where) {
        if (m_error.isEmpty() && value.type() != type)
            m_error = QStringLiteral("'%1'의 형식이 올바르지 않습니다").arg(where);
        return value;
    }

    bool failed() const { return !m_error.isEmpty(); }

private:
    QString& m_error;
};

QString indexed(const QString& key, qsizetype index) {
    return QStringLiteral("%1[%2]").arg(key).arg(index);
}

} // namespace

double secondsSinceReferenceDate(const QDateTime& time) {
    return double(time.toMSecsSinceEpoch()) / 1000.0 - double(referenceDateUnixSeconds);
}

QDateTime dateFromReferenceSeconds(double seconds) {
    const double unixMs = (seconds + double(referenceDateUnixSeconds)) * 1000.0;
    return QDateTime::fromMSecsSinceEpoch(qRound64(unixMs), Qt::UTC);
}

QByteArray encodeWorkspace(const WorkspaceSnapshot& snapshot) {
    QJsonArray files;
    for (const FileItem& file : snapshot.files)
        files.append(encodeFile(file));
    QJsonArray folders;
    for (const FolderItem& folder : snapshot.folders)
        folders.append(encodeFolder(folder));
    QJsonArray tabs;
    for (const QUuid& id : snapshot.openTabIds)
        tabs.append(uuidString(id));
    QJsonArray testCases;
    for (const TestCase& testCase : snapshot.testCases)
        testCases.append(encodeTestCase(testCase));

    QJsonObject root{
        {QStringLiteral("files"), files},
        {QStringLiteral("folders"), folders},
        {QStringLiteral("openTabIds"), tabs},
        {QStringLiteral("testCases"), testCases},
    };
    if (snapshot.selectedFileId)
        root.insert(QStringLiteral("selectedFileId"), uuidString(*snapshot.selectedFileId));

    QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Compact);
    // A solidus byte can only stand inside a string (UTF-8 never uses 0x2F in
    // a multi-byte sequence), so escaping every one of them is exact.
    bytes.replace('/', "\\/");
    return bytes;
}

std::variant<LoadedWorkspace, QString> decodeWorkspace(const QByteArray& bytes) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return QStringLiteral("JSON 형식 오류 (%1바이트): %2")
            .arg(parseError.offset)
            .arg(parseError.errorString());
    if (!document.isObject())
        return QStringLiteral("최상위 값이 객체가 아닙니다");

    QString error;
    Reader reader(error);
    const QJsonObject root = document.object();
    const QString top = QStringLiteral("appdata");
    const QJsonArray files =
        reader.require(root, QStringLiteral("files"), QJsonValue::Array, top).toArray();
    // Older documents have no folders at all.
    const QJsonArray folders =
        reader.optional(root, QStringLiteral("folders"), QJsonValue::Array, top)
            .value_or(QJsonArray())
            .toArray();
    const QJsonArray tabIds =
        reader.require(root, QStringLiteral("openTabIds"), QJsonValue::Array, top).toArray();
    const auto selected =
        reader.optional(root, QStringLiteral("selectedFileId"), QJsonValue::String, top);
    const QJsonArray testCases =
        reader.require(root, QStringLiteral("testCases"), QJsonValue::Array, top).toArray();
    if (reader.failed())
        return error;

    LoadedWorkspace loaded;
    for (qsizetype i = 0; i < folders.size(); ++i) {
        const QString where = indexed(QStringLiteral("folders"), i);
        const QJsonObject o = reader.check(folders.at(i), QJsonValue::Object, where).toObject();
        const QString id =
            reader.require(o, QStringLiteral("id"), QJsonValue::String, where).toString();
        const QString name =
            reader.require(o, QStringLiteral("name"), QJsonValue::String, where).toString();
        const double created =
            reader.require(o, QStringLiteral("createdAt"), QJsonValue::Double, where).toDouble();
        const bool expanded =
            reader.require(o, QStringLiteral("isExpanded"), QJsonValue::Bool, where).toBool();
        if (reader.failed())
            return error;
        if (const auto uuid = parseUuid(id))
            loaded.folders.append(
                FolderItem{*uuid, name, dateFromReferenceSeconds(created), expanded});
    }

    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString where = indexed(QStringLiteral("files"), i);
        const QJsonObject o = reader.check(files.at(i), QJsonValue::Object, where).toObject();
        const QString id =
            reader.require(o, QStringLiteral("id"), QJsonValue::String, where).toString();
        const QString name =
            reader.require(o, QStringLiteral("name"), QJsonValue::String, where).toString();
        const QString content =
            reader.require(o, QStringLiteral("content"), QJsonValue::String, where).toString();
        const QString language =
            reader.require(o, QStringLiteral("language"), QJsonValue::String, where).toString();
        const double created =
            reader.require(o, QStringLiteral("createdAt"), QJsonValue::Double, where).toDouble();
        const double modified =
            reader.require(o, QStringLiteral("modifiedAt"), QJsonValue::Double, where).toDouble();
        const auto folderId =
            reader.optional(o, QStringLiteral("folderId"), QJsonValue::String, where);
        if (reader.failed())
            return error;
        const auto parsedLanguage = languageFromRawValue(language);
        const auto uuid = parseUuid(id);
        if (!parsedLanguage || !uuid)
            continue;
        loaded.files.append(FileItem{*uuid, name, content, *parsedLanguage,
                                     dateFromReferenceSeconds(created),
                                     dateFromReferenceSeconds(modified),
                                     folderId ? parseUuid(folderId->toString()) : std::nullopt});
    }

    // Tabs and the selection match the canonical id text exactly, so a
    // lower-case id in the document names no tab.
    const auto fileWithIdText = [&](const QString& text) -> std::optional<FileItem> {
        for (const FileItem& file : loaded.files) {
            if (uuidString(file.id) == text)
                return file;
        }
        return std::nullopt;
    };
    for (qsizetype i = 0; i < tabIds.size(); ++i) {
        const QString text =
            reader.check(tabIds.at(i), QJsonValue::String, indexed(QStringLiteral("openTabIds"), i))
                .toString();
        if (reader.failed())
            return error;
        if (const auto file = fileWithIdText(text))
            loaded.openTabs.append(*file);
    }
    if (selected)
        loaded.selectedFile = fileWithIdText(selected->toString());

    for (qsizetype i = 0; i < testCases.size(); ++i) {
        const QString where = indexed(QStringLiteral("testCases"), i);
        const QJsonObject o = reader.check(testCases.at(i), QJsonValue::Object, where).toObject();
        const QString id =
            reader.require(o, QStringLiteral("id"), QJsonValue::String, where).toString();
        TestCase testCase;
        testCase.input =
            reader.require(o, QStringLiteral("input"), QJsonValue::String, where).toString();
        testCase.expectedOutput =
            reader.require(o, QStringLiteral("expectedOutput"), QJsonValue::String, where)
                .toString();
        if (reader.failed())
            return error;
        if (const auto uuid = parseUuid(id))
            testCase.id = *uuid;
        loaded.testCases.append(testCase);
    }
    return loaded;
}
