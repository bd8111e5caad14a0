// The save file: any document either fails with a message or loads, and what
// it loads saves and loads again unchanged; every time kept is written back
// as the very number read.

#include "fuzz_check.h"
#include "workspace/save_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdint>

namespace {

WorkspaceSnapshot snapshotOf(const LoadedWorkspace& loaded) {
    WorkspaceSnapshot snapshot{loaded.files,    loaded.folders,      {},
                               std::nullopt,    loaded.testCases,    loaded.judge,
                               loaded.ownCases, loaded.stressChoices};
    for (const FileItem& tab : loaded.openTabs)
        snapshot.openTabIds.append(tab.id);
    if (loaded.selectedFile)
        snapshot.selectedFileId = loaded.selectedFile->id;
    return snapshot;
}

// The writer's text for one number: equal texts, equal numbers.
QByteArray numberText(const QJsonValue& value) {
    return QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
}

QJsonArray listOf(const QByteArray& document, const QString& key) {
    return QJsonDocument::fromJson(document).object().value(key).toArray();
}

// The entries of `key` that loading keeps, in order, paired with what was
// saved for them; every time must read the same.
template <typename Kept>
void expectTimesKept(const QByteArray& read, const QByteArray& saved, const QString& key,
                     const QStringList& timeKeys, Kept kept) {
    const QJsonArray before = listOf(read, key);
    const QJsonArray after = listOf(saved, key);
    qsizetype next = 0;
    for (const QJsonValue& entry : before) {
        const QJsonObject original = entry.toObject();
        if (!kept(original))
            continue;
        FUZZ_CHECK(next < after.size());
        const QJsonObject written = after.at(next++).toObject();
        for (const QString& timeKey : timeKeys)
            FUZZ_CHECK(numberText(original.value(timeKey)) == numberText(written.value(timeKey)));
    }
    FUZZ_CHECK(next == after.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto decoded = decodeWorkspace(bytes);
    if (const QString* error = std::get_if<QString>(&decoded)) {
        FUZZ_CHECK(!error->isEmpty());
        return 0;
    }
    const LoadedWorkspace& loaded = std::get<LoadedWorkspace>(decoded);

    const QByteArray saved = encodeWorkspace(snapshotOf(loaded));
    const auto reloaded = decodeWorkspace(saved);
    FUZZ_CHECK(std::holds_alternative<LoadedWorkspace>(reloaded));
    const LoadedWorkspace& again = std::get<LoadedWorkspace>(reloaded);
    FUZZ_CHECK(again.files == loaded.files);
    FUZZ_CHECK(again.folders == loaded.folders);
    FUZZ_CHECK(again.openTabs == loaded.openTabs);
    FUZZ_CHECK(again.selectedFile == loaded.selectedFile);
    FUZZ_CHECK(again.testCases == loaded.testCases);
    FUZZ_CHECK(encodeWorkspace(snapshotOf(again)) == saved);

    const auto hasId = [](const QJsonObject& entry) {
        return parseUuid(entry.value(QStringLiteral("id")).toString()).has_value();
    };
    expectTimesKept(bytes, saved, QStringLiteral("folders"), {QStringLiteral("createdAt")}, hasId);
    expectTimesKept(
        bytes, saved, QStringLiteral("files"),
        {QStringLiteral("createdAt"), QStringLiteral("modifiedAt")}, [&](const QJsonObject& entry) {
            return hasId(entry) &&
                   languageFromRawValue(entry.value(QStringLiteral("language")).toString());
        });
    return 0;
}
