#include "workspace/save_file.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QVariant>
#include <algorithm>
#include <iterator>

namespace {

// A whole number stays a JSON integer, so the writer puts back the digits it
// was read from.
QJsonValue timeToJson(const Timestamp& time) {
    if (const auto whole = time.wholeSeconds())
        return *whole;
    return time.seconds();
}

// The reader keeps a whole number as an integer, which may be beyond what a
// double holds; anything else it read as a double.
Timestamp timeFromJson(const QJsonValue& value) {
    const QVariant number = value.toVariant();
    if (number.typeId() == QMetaType::LongLong)
        return Timestamp::fromWholeSeconds(number.toLongLong());
    return Timestamp::fromSeconds(value.toDouble());
}

QJsonObject encodeFile(const FileItem& file) {
    QJsonObject object{
        {QStringLiteral("id"), uuidString(file.id)},
        {QStringLiteral("name"), file.name},
        {QStringLiteral("content"), file.content},
        {QStringLiteral("language"), rawValue(file.language)},
        {QStringLiteral("createdAt"), timeToJson(file.createdAt)},
        {QStringLiteral("modifiedAt"), timeToJson(file.modifiedAt)},
    };
    if (file.folderId)
        object.insert(QStringLiteral("folderId"), uuidString(*file.folderId));
    return object;
}

QJsonObject encodeFolder(const FolderItem& folder) {
    return QJsonObject{
        {QStringLiteral("id"), uuidString(folder.id)},
        {QStringLiteral("name"), folder.name},
        {QStringLiteral("createdAt"), timeToJson(folder.createdAt)},
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

// The id a value names when it is a file the document holds.
std::optional<QUuid> heldFileId(const std::optional<QJsonValue>& value,
                                const QList<FileItem>& files) {
    const auto id = value ? parseUuid(value->toString()) : std::nullopt;
    if (id && std::any_of(files.begin(), files.end(),
                          [&](const FileItem& file) { return file.id == *id; }))
        return id;
    return std::nullopt;
}

QString indexed(const QString& key, qsizetype index) {
    return QStringLiteral("%1[%2]").arg(key).arg(index);
}

// The document's top-level lists, each checked for its type.
struct DocumentLists {
    QJsonArray files;
    QJsonArray folders;
    QJsonArray tabIds;
    std::optional<QJsonValue> selectedFileId;
    QJsonArray testCases;
    std::optional<QJsonValue> judge;
    QJsonArray fileCases;
    QJsonArray stressChoices;
};

std::variant<DocumentLists, QString> readDocument(const QByteArray& bytes) {
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
    DocumentLists lists;
    lists.files = reader.require(root, QStringLiteral("files"), QJsonValue::Array, top).toArray();
    // Older documents have no folders at all.
    lists.folders = reader.optional(root, QStringLiteral("folders"), QJsonValue::Array, top)
                        .value_or(QJsonArray())
                        .toArray();
    lists.tabIds =
        reader.require(root, QStringLiteral("openTabIds"), QJsonValue::Array, top).toArray();
    lists.selectedFileId =
        reader.optional(root, QStringLiteral("selectedFileId"), QJsonValue::String, top);
    lists.testCases =
        reader.require(root, QStringLiteral("testCases"), QJsonValue::Array, top).toArray();
    // Newer documents only; written when it is not the default.
    lists.judge = reader.optional(root, QStringLiteral("judge"), QJsonValue::Object, top);
    // Newer documents only: files with cases of their own. Older versions
    // read past it and keep the shared list above.
    lists.fileCases = reader.optional(root, QStringLiteral("fileCases"), QJsonValue::Array, top)
                          .value_or(QJsonArray())
                          .toArray();
    lists.stressChoices =
        reader.optional(root, QStringLiteral("stressChoices"), QJsonValue::Array, top)
            .value_or(QJsonArray())
            .toArray();
    if (reader.failed())
        return error;
    return lists;
}

// Each decoder below returns false once the reader has found a problem; an
// entry it can read but not use (an id that is not a UUID, an unknown
// language) is dropped without one.

bool decodeFolders(const QJsonArray& folders, Reader& reader, QList<FolderItem>& result) {
    for (qsizetype i = 0; i < folders.size(); ++i) {
        const QString where = indexed(QStringLiteral("folders"), i);
        const QJsonObject o = reader.check(folders.at(i), QJsonValue::Object, where).toObject();
        const QString id =
            reader.require(o, QStringLiteral("id"), QJsonValue::String, where).toString();
        const QString name =
            reader.require(o, QStringLiteral("name"), QJsonValue::String, where).toString();
        const QJsonValue created =
            reader.require(o, QStringLiteral("createdAt"), QJsonValue::Double, where);
        const bool expanded =
            reader.require(o, QStringLiteral("isExpanded"), QJsonValue::Bool, where).toBool();
        if (reader.failed())
            return false;
        if (const auto uuid = parseUuid(id))
            result.append(FolderItem{*uuid, name, timeFromJson(created), expanded});
    }
    return true;
}

bool decodeFiles(const QJsonArray& files, Reader& reader, QList<FileItem>& result) {
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
        const QJsonValue created =
            reader.require(o, QStringLiteral("createdAt"), QJsonValue::Double, where);
        const QJsonValue modified =
            reader.require(o, QStringLiteral("modifiedAt"), QJsonValue::Double, where);
        const auto folderId =
            reader.optional(o, QStringLiteral("folderId"), QJsonValue::String, where);
        if (reader.failed())
            return false;
        const auto parsedLanguage = languageFromRawValue(language);
        const auto uuid = parseUuid(id);
        if (!parsedLanguage || !uuid)
            continue;
        result.append(FileItem{*uuid, name, content, *parsedLanguage, timeFromJson(created),
                               timeFromJson(modified),
                               folderId ? parseUuid(folderId->toString()) : std::nullopt});
    }
    return true;
}

// Tabs and the selection match the canonical id text exactly, so a lower-case
// id in the document names no tab. The first file with an id text wins.
bool matchTabsAndSelection(const DocumentLists& lists, Reader& reader, LoadedWorkspace& loaded) {
    QHash<QString, qsizetype> fileByIdText;
    fileByIdText.reserve(loaded.files.size());
    // Backwards, so that the first of files sharing an id is the one kept.
    for (qsizetype i = loaded.files.size() - 1; i >= 0; --i)
        fileByIdText.insert(uuidString(loaded.files[i].id), i);
    const auto fileWithIdText = [&](const QString& text) -> std::optional<FileItem> {
        const auto found = fileByIdText.constFind(text);
        if (found == fileByIdText.constEnd())
            return std::nullopt;
        return loaded.files[*found];
    };

    for (qsizetype i = 0; i < lists.tabIds.size(); ++i) {
        const QString text = reader
                                 .check(lists.tabIds.at(i), QJsonValue::String,
                                        indexed(QStringLiteral("openTabIds"), i))
                                 .toString();
        if (reader.failed())
            return false;
        if (const auto file = fileWithIdText(text))
            loaded.openTabs.append(*file);
    }
    if (lists.selectedFileId)
        loaded.selectedFile = fileWithIdText(lists.selectedFileId->toString());
    return true;
}

bool decodeTestCases(const QJsonArray& testCases, Reader& reader, QList<TestCase>& result,
                     const QString& key = QStringLiteral("testCases")) {
    for (qsizetype i = 0; i < testCases.size(); ++i) {
        const QString where = indexed(key, i);
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
            return false;
        if (const auto uuid = parseUuid(id))
            testCase.id = *uuid;
        result.append(testCase);
    }
    return true;
}

const QString programNames[] = {QStringLiteral("none"), QStringLiteral("checker"),
                                QStringLiteral("interactor")};

QJsonObject encodeJudge(const JudgeChoice& judge) {
    QJsonObject object{{QStringLiteral("comparison"), judge.comparison}};
    if (judge.program != JudgeChoice::Program::none) {
        object.insert(QStringLiteral("program"), programNames[int(judge.program)]);
        object.insert(QStringLiteral("programFileId"), uuidString(judge.programFileId));
        object.insert(QStringLiteral("style"), judge.style);
    }
    if (judge.timeLimitMs > 0)
        object.insert(QStringLiteral("timeLimitMs"), judge.timeLimitMs);
    if (judge.memoryLimitMb > 0)
        object.insert(QStringLiteral("memoryLimitMb"), judge.memoryLimitMb);
    return object;
}

// A choice it cannot use (an unknown program kind, a file it does not hold)
// leaves the default: the runs then compare lines, as before.
bool decodeJudge(const QJsonValue& value, Reader& reader, const QList<FileItem>& files,
                 JudgeChoice& result, const QString& where = QStringLiteral("appdata.judge")) {
    const QJsonObject o = value.toObject();
    const QString comparison =
        reader.require(o, QStringLiteral("comparison"), QJsonValue::String, where).toString();
    const auto program = reader.optional(o, QStringLiteral("program"), QJsonValue::String, where);
    const auto fileId =
        reader.optional(o, QStringLiteral("programFileId"), QJsonValue::String, where);
    const auto style = reader.optional(o, QStringLiteral("style"), QJsonValue::String, where);
    const auto timeLimit =
        reader.optional(o, QStringLiteral("timeLimitMs"), QJsonValue::Double, where);
    const auto memoryLimit =
        reader.optional(o, QStringLiteral("memoryLimitMb"), QJsonValue::Double, where);
    if (reader.failed())
        return false;
    JudgeChoice judge;
    judge.comparison = comparison;
    // A limit that is no sensible number is left to the settings.
    const auto limit = [](const std::optional<QJsonValue>& value) {
        const int number = value ? value->toInt(0) : 0;
        return number > 0 ? number : 0;
    };
    judge.timeLimitMs = limit(timeLimit);
    judge.memoryLimitMb = limit(memoryLimit);
    if (program) {
        const auto kind =
            std::find(std::begin(programNames), std::end(programNames), program->toString());
        const std::optional<QUuid> id = heldFileId(fileId, files);
        if (kind == std::end(programNames) || !id)
            return true;
        judge.program = JudgeChoice::Program(kind - std::begin(programNames));
        judge.programFileId = *id;
        judge.style = style ? style->toString() : judge.style;
    }
    result = judge;
    return true;
}

QJsonArray encodeTestCases(const QList<TestCase>& cases) {
    QJsonArray array;
    for (const TestCase& testCase : cases)
        array.append(encodeTestCase(testCase));
    return array;
}

QJsonArray encodeFileCases(const WorkspaceSnapshot& snapshot) {
    QJsonArray array;
    for (const FileItem& file : snapshot.files) {
        const auto own = snapshot.ownCases.constFind(file.id);
        if (own == snapshot.ownCases.constEnd())
            continue;
        QJsonObject entry{{QStringLiteral("fileId"), uuidString(file.id)},
                          {QStringLiteral("testCases"), encodeTestCases(own->cases)}};
        if (own->judge != JudgeChoice())
            entry.insert(QStringLiteral("judge"), encodeJudge(own->judge));
        array.append(entry);
    }
    return array;
}

// An entry for a file the document does not hold is dropped.
bool decodeFileCases(const QJsonArray& fileCases, Reader& reader, LoadedWorkspace& loaded) {
    for (qsizetype i = 0; i < fileCases.size(); ++i) {
        const QString where = indexed(QStringLiteral("fileCases"), i);
        const QJsonObject o = reader.check(fileCases.at(i), QJsonValue::Object, where).toObject();
        const QJsonValue id =
            reader.require(o, QStringLiteral("fileId"), QJsonValue::String, where);
        const QJsonArray cases =
            reader.require(o, QStringLiteral("testCases"), QJsonValue::Array, where).toArray();
        const auto judge = reader.optional(o, QStringLiteral("judge"), QJsonValue::Object, where);
        CaseList list;
        list.cases.clear();
        if (reader.failed() ||
            !decodeTestCases(cases, reader, list.cases, where + QStringLiteral(".testCases")) ||
            (judge && !decodeJudge(*judge, reader, loaded.files, list.judge,
                                   where + QStringLiteral(".judge"))))
            return false;
        if (list.cases.isEmpty())
            list.cases.append(TestCase{});
        if (const std::optional<QUuid> fileId = heldFileId(id, loaded.files))
            loaded.ownCases.insert(*fileId, list);
    }
    return true;
}

QJsonArray encodeStressChoices(const WorkspaceSnapshot& snapshot) {
    QJsonArray array;
    for (const FileItem& file : snapshot.files) {
        const auto choice = snapshot.stressChoices.constFind(file.id);
        if (choice == snapshot.stressChoices.constEnd())
            continue;
        QJsonObject entry{{QStringLiteral("fileId"), uuidString(file.id)},
                          {QStringLiteral("pattern"), choice->pattern}};
        if (!choice->generatorFileId.isNull())
            entry.insert(QStringLiteral("generatorFileId"), uuidString(choice->generatorFileId));
        if (!choice->bruteForceFileId.isNull())
            entry.insert(QStringLiteral("bruteForceFileId"), uuidString(choice->bruteForceFileId));
        array.append(entry);
    }
    return array;
}

// A program the document does not hold is left unchosen.
bool decodeStressChoices(const QJsonArray& choices, Reader& reader, LoadedWorkspace& loaded) {
    const auto heldFile = [&](const std::optional<QJsonValue>& value) {
        return heldFileId(value, loaded.files).value_or(QUuid());
    };
    for (qsizetype i = 0; i < choices.size(); ++i) {
        const QString where = indexed(QStringLiteral("stressChoices"), i);
        const QJsonObject o = reader.check(choices.at(i), QJsonValue::Object, where).toObject();
        const auto fileId = reader.require(o, QStringLiteral("fileId"), QJsonValue::String, where);
        const QString pattern =
            reader.require(o, QStringLiteral("pattern"), QJsonValue::String, where).toString();
        const auto generator =
            reader.optional(o, QStringLiteral("generatorFileId"), QJsonValue::String, where);
        const auto bruteForce =
            reader.optional(o, QStringLiteral("bruteForceFileId"), QJsonValue::String, where);
        if (reader.failed())
            return false;
        const QUuid solution = heldFile(fileId);
        if (!solution.isNull())
            loaded.stressChoices.insert(
                solution, StressChoice{heldFile(generator), heldFile(bruteForce), pattern});
    }
    return true;
}

} // namespace

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
    QJsonObject root{
        {QStringLiteral("files"), files},
        {QStringLiteral("folders"), folders},
        {QStringLiteral("openTabIds"), tabs},
        {QStringLiteral("testCases"), encodeTestCases(snapshot.testCases)},
    };
    if (snapshot.selectedFileId)
        root.insert(QStringLiteral("selectedFileId"), uuidString(*snapshot.selectedFileId));
    if (snapshot.judge != JudgeChoice())
        root.insert(QStringLiteral("judge"), encodeJudge(snapshot.judge));
    if (!snapshot.ownCases.isEmpty())
        root.insert(QStringLiteral("fileCases"), encodeFileCases(snapshot));
    if (!snapshot.stressChoices.isEmpty())
        root.insert(QStringLiteral("stressChoices"), encodeStressChoices(snapshot));

    QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Compact);
    // A solidus byte can only stand inside a string (UTF-8 never uses 0x2F in
    // a multi-byte sequence), so escaping every one of them is exact.
    bytes.replace('/', "\\/");
    return bytes;
}

std::variant<LoadedWorkspace, QString> decodeWorkspace(const QByteArray& bytes) {
    auto read = readDocument(bytes);
    if (QString* error = std::get_if<QString>(&read))
        return *error;
    const DocumentLists& lists = std::get<DocumentLists>(read);

    QString error;
    Reader reader(error);
    LoadedWorkspace loaded;
    if (!decodeFolders(lists.folders, reader, loaded.folders) ||
        !decodeFiles(lists.files, reader, loaded.files) ||
        !matchTabsAndSelection(lists, reader, loaded) ||
        !decodeTestCases(lists.testCases, reader, loaded.testCases) ||
        (lists.judge && !decodeJudge(*lists.judge, reader, loaded.files, loaded.judge)) ||
        !decodeFileCases(lists.fileCases, reader, loaded) ||
        !decodeStressChoices(lists.stressChoices, reader, loaded))
        return error;
    return loaded;
}
