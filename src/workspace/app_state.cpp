#include "workspace/app_state.h"

#include "base/app_identity.h"
#include "base/diagnostics.h"
#include "workspace/file_operations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <algorithm>

namespace {

constexpr int autoSaveIntervalMs = 3000;
// Long enough to cover a burst of typing, short enough that other views (the
// sidebar's dates) see the text almost at once.
constexpr int liveTextDelayMs = 300;

// Encodes and replaces the save file in one step, then says how it went.
// Runs on the UI thread or on the auto-save's worker, never on both at once.
void writeWorkspace(const QString& path, const WorkspaceSnapshot& snapshot) {
    // The folder is gone after a full reset; make it again rather than fail every tick.
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(encodeWorkspace(snapshot)) < 0 ||
        !file.commit()) {
        printDiagnostic(QStringLiteral("❌ 저장 실패: ") + file.errorString());
        return;
    }
    printDiagnostic(QStringLiteral("✅ 저장 완료: %1개 파일, %2개 테스트케이스")
                        .arg(snapshot.files.size())
                        .arg(snapshot.testCases.size()));
}

} // namespace

AppState::AppState(QObject* parent) : QObject(parent) {
    const QString folder = appDataFolder();
    QDir().mkpath(folder);
    m_saveFilePath = folder + QStringLiteral("/appdata.json");

    loadData();
    loadCustomThemes();

    m_saveTimer.setInterval(autoSaveIntervalMs);
    connect(&m_saveTimer, &QTimer::timeout, this, &AppState::autoSave);
    m_saveTimer.start();
    m_liveTimer.setSingleShot(true);
    m_liveTimer.setInterval(liveTextDelayMs);
    connect(&m_liveTimer, &QTimer::timeout, this, &AppState::catchUpLiveText);
}

AppState::~AppState() {
    m_saveTimer.stop();
    saveData();
}

void AppState::setTestCases(const QList<TestCase>& testCases) {
    m_testCases = testCases;
    emit testCasesReplaced();
}

void AppState::setJudgeChoice(const JudgeChoice& choice) {
    if (m_judgeChoice == choice)
        return;
    m_judgeChoice = choice;
    emit judgeChoiceChanged();
}

void AppState::setFontSize(double points) {
    if (m_fontSize == points)
        return;
    m_fontSize = points;
    emit fontSizeChanged(points);
}

void AppState::setLiveText(const QUuid& fileId, LiveText* source) {
    catchUpLiveText();
    m_liveText = source;
    m_liveFileId = fileId;
}

void AppState::liveTextEdited() {
    m_liveEdited = true;
    m_liveTimer.start();
}

void AppState::catchUpLiveText() {
    m_liveTimer.stop();
    if (!m_liveEdited || !m_liveText)
        return;
    m_liveEdited = false;
    FileItem* file = findFile(m_liveFileId);
    if (!file)
        return;
    file->content = m_liveText->text();
    file->modifiedAt = QDateTime::currentDateTimeUtc();
    emit fileChanged(file->id);
}

QString AppState::fileText(const QUuid& id) const {
    if (m_liveText && id == m_liveFileId)
        return m_liveText->text();
    const FileItem* entry = file(id);
    return entry ? entry->content : QString();
}

bool AppState::setFileText(const QUuid& id, const QString& text) {
    FileItem* entry = findFile(id);
    if (!entry)
        return false;
    if (m_liveText && id == m_liveFileId)
        m_liveText->replaceText(text);
    // The record takes the text now; the editor's own report of the edit adds nothing.
    m_liveTimer.stop();
    m_liveEdited = false;
    entry->content = text;
    entry->modifiedAt = QDateTime::currentDateTimeUtc();
    emit fileChanged(id);
    return true;
}

void AppState::setSelectedFile(const std::optional<QUuid>& fileId) {
    // Edits pending for the file losing the selection still belong to it.
    catchUpLiveText();
    if (m_selectedFileId == fileId)
        return;
    m_selectedFileId = fileId;
    emit selectedFileChanged(fileId.value_or(QUuid()));
}

const FileItem* AppState::file(const QUuid& id) const {
    const qsizetype index = fileIndex(id);
    return index < 0 ? nullptr : &m_files[index];
}

FileItem* AppState::findFile(const QUuid& id) {
    const qsizetype index = fileIndex(id);
    return index < 0 ? nullptr : &m_files[index];
}

const FolderItem* AppState::folder(const QUuid& id) const {
    const auto it = std::find_if(m_folders.begin(), m_folders.end(),
                                 [&](const FolderItem& folder) { return folder.id == id; });
    return it == m_folders.end() ? nullptr : &*it;
}

const TestCase* AppState::testCase(const QUuid& id) const {
    const auto it = std::find_if(m_testCases.begin(), m_testCases.end(),
                                 [&](const TestCase& testCase) { return testCase.id == id; });
    return it == m_testCases.end() ? nullptr : &*it;
}

const FileItem* AppState::selectedFile() const {
    return m_selectedFileId ? file(*m_selectedFileId) : nullptr;
}

void AppState::appendFile(const FileItem& file) {
    m_fileIndex.insert(file.id, m_files.size());
    m_files.append(file);
    emit fileAdded(file.id);
}

void AppState::removeFiles(const std::function<bool(const FileItem&)>& which) {
    QList<QUuid> removed;
    for (const FileItem& file : m_files) {
        if (which(file))
            removed.append(file.id);
    }
    if (removed.isEmpty())
        return;
    m_files.removeIf(which);
    reindexFiles();
    for (const QUuid& id : removed)
        emit fileRemoved(id);
    // A run must not look for a checker that is gone: the comparison judges again.
    if (m_judgeChoice.program != JudgeChoice::Program::none &&
        removed.contains(m_judgeChoice.programFileId)) {
        JudgeChoice comparisonOnly;
        comparisonOnly.comparison = m_judgeChoice.comparison;
        setJudgeChoice(comparisonOnly);
    }
}

void AppState::reindexFiles() {
    m_fileIndex.clear();
    m_fileIndex.reserve(m_files.size());
    // A repeated id (a hand-edited document) names its first file, as lookups always did.
    for (qsizetype i = 0; i < m_files.size(); ++i) {
        if (!m_fileIndex.contains(m_files[i].id))
            m_fileIndex.insert(m_files[i].id, i);
    }
}

// -- files

void AppState::createFile(const QString& name, ProgrammingLanguage language,
                          std::optional<QUuid> folderId) {
    const FileItem file =
        FileItem::make(name, language, m_settings.templates().text(language), folderId);
    appendFile(file);
    openFile(file.id);
    saveData();
}

void AppState::createFileWithDefaultName(ProgrammingLanguage language) {
    createFile(uniqueDefaultName(m_files, language), language);
}

void AppState::openFile(const QUuid& fileId) {
    if (!file(fileId))
        return;
    if (!m_openTabIds.contains(fileId)) {
        m_openTabIds.append(fileId);
        emit tabOpened(fileId);
    }
    setSelectedFile(fileId);
}

void AppState::closeTab(const QUuid& fileId) {
    if (m_openTabIds.removeAll(fileId) > 0)
        emit tabClosed(fileId);
    if (m_selectedFileId == fileId) {
        if (m_openTabIds.isEmpty())
            setSelectedFile(std::nullopt);
        else
            setSelectedFile(m_openTabIds.last());
    }
}

void AppState::closeOtherTabs(const QUuid& fileId) {
    const QList<QUuid> others = m_openTabIds;
    for (const QUuid& other : others) {
        if (other != fileId && m_openTabIds.removeAll(other) > 0)
            emit tabClosed(other);
    }
    setSelectedFile(fileId);
}

void AppState::renameFile(const QUuid& fileId, const QString& baseName) {
    FileItem* entry = findFile(fileId);
    if (!entry)
        return;
    const QString newName = baseName + QLatin1Char('.') + fileExtension(entry->language);
    const bool taken = std::any_of(m_files.begin(), m_files.end(), [&](const FileItem& other) {
        return other.id != fileId && other.name == newName;
    });
    if (taken)
        return;
    entry->name = newName;
    entry->modifiedAt = QDateTime::currentDateTimeUtc();
    emit fileChanged(fileId);
}

void AppState::duplicateFile(const QUuid& fileId) {
    catchUpLiveText();
    const FileItem* source = file(fileId);
    if (!source)
        return;
    const FileItem copy = FileItem::make(duplicateName(source->name, source->language),
                                         source->language, source->content);
    appendFile(copy);
    openFile(copy.id);
}

void AppState::deleteFile(const QUuid& fileId) {
    closeTab(fileId);
    removeFiles([&](const FileItem& entry) { return entry.id == fileId; });
    saveData();
}

void AppState::moveFile(const QUuid& fileId, std::optional<QUuid> folderId) {
    FileItem* file = findFile(fileId);
    if (!file)
        return;
    file->folderId = folderId;
    emit fileChanged(fileId);
    saveData();
}

bool AppState::dropFiles(const QStringList& payload, std::optional<QUuid> folderId) {
    for (const QUuid& id : droppedFileIds(payload, m_files))
        moveFile(id, folderId);
    return !payload.isEmpty();
}

// -- folders

void AppState::createFolder(const QString& name) {
    m_folders.append(FolderItem::make(name));
    emit folderAdded(m_folders.last().id);
    saveData();
}

void AppState::deleteFolder(const QUuid& folderId) {
    QList<QUuid> inFolder;
    for (const FileItem& file : m_files) {
        if (file.folderId == folderId)
            inFolder.append(file.id);
    }
    for (const QUuid& fileId : inFolder)
        closeTab(fileId);
    removeFiles([&](const FileItem& file) { return file.folderId == folderId; });
    if (m_folders.removeIf([&](const FolderItem& folder) { return folder.id == folderId; }) > 0)
        emit folderRemoved(folderId);
    saveData();
}

void AppState::renameFolder(const QUuid& folderId, const QString& name) {
    for (FolderItem& folder : m_folders) {
        if (folder.id == folderId) {
            folder.name = name;
            emit folderChanged(folderId);
            saveData();
            return;
        }
    }
}

void AppState::toggleFolder(const QUuid& folderId) {
    for (FolderItem& folder : m_folders) {
        if (folder.id == folderId) {
            folder.isExpanded = !folder.isExpanded;
            emit folderChanged(folderId);
            return;
        }
    }
}

// -- test cases

void AppState::addTestCase() {
    m_testCases.append(TestCase{});
    emit testCaseAdded(m_testCases.last().id);
}

void AppState::duplicateTestCase(const TestCase& testCase) {
    TestCase copy;
    copy.input = testCase.input;
    copy.expectedOutput = testCase.expectedOutput;
    m_testCases.append(copy);
    emit testCaseAdded(copy.id);
}

void AppState::deleteTestCase(const TestCase& testCase) {
    const auto removed =
        m_testCases.removeIf([&](const TestCase& entry) { return entry.id == testCase.id; });
    for (qsizetype i = 0; i < removed; ++i)
        emit testCaseRemoved(testCase.id);
}

void AppState::updateTestCase(const TestCase& testCase) {
    for (TestCase& entry : m_testCases) {
        if (entry.id == testCase.id) {
            if (entry == testCase)
                return;
            entry = testCase;
            emit testCaseChanged(testCase.id);
            return;
        }
    }
}

void AppState::clearTestResults() {
    for (TestCase& testCase : m_testCases) {
        if (!testCase.result)
            continue;
        testCase.result.reset();
        emit testCaseChanged(testCase.id);
    }
}

// -- resets

void AppState::clearWorkspace() {
    setSelectedFile(std::nullopt);
    const QList<QUuid> tabs = m_openTabIds;
    for (const QUuid& tab : tabs)
        closeTab(tab);
    removeFiles([](const FileItem&) { return true; });
    setTestCases({TestCase{}});
    emit workspaceCleared();
}

void AppState::resetData() {
    clearWorkspace();
    saveData();
}

void AppState::resetAll() {
    clearWorkspace();
    // Folders and custom themes go too: the save below and any later theme
    // change would otherwise write them back into the emptied store.
    const QList<FolderItem> folders = m_folders;
    m_folders.clear();
    for (const FolderItem& folder : folders)
        emit folderRemoved(folder.id);
    setUseCustomTheme(false);
    setSelectedCustomTheme(std::nullopt);
    if (!m_customThemes.isEmpty()) {
        m_customThemes.clear();
        emit customThemesChanged();
    }
    m_settings.clear();
    waitForBackgroundSave();
    QDir(QFileInfo(m_saveFilePath).path()).removeRecursively();
    setFontSize(14);
    setTheme(EditorTheme::dark);
    saveData();
    emit everythingReset();
}

// -- the save file

std::optional<WorkspaceSnapshot> AppState::snapshotForSave() {
    catchUpLiveText();
    if (m_saveBlocked) {
        printDiagnostic(QStringLiteral(
            "❌ 저장 실패: 읽을 수 없는 저장 파일을 보관하지 못해 덮어쓰지 않습니다"));
        return std::nullopt;
    }
    if (m_saveGuard && !m_saveGuard()) {
        printDiagnostic(QStringLiteral(
            "❌ 저장 실패: 다른 Corvanta 창이 작업 공간을 이어받아 이 창은 저장하지 않습니다"));
        return std::nullopt;
    }
    return WorkspaceSnapshot{m_files,          m_folders,   m_openTabIds,
                             m_selectedFileId, m_testCases, m_judgeChoice};
}

void AppState::saveData() {
    const std::optional<WorkspaceSnapshot> snapshot = snapshotForSave();
    // An older snapshot still being written must not land after this one.
    waitForBackgroundSave();
    if (snapshot)
        writeWorkspace(m_saveFilePath, *snapshot);
}

void AppState::autoSave() {
    // Still writing the previous tick (a very large workspace): the next
    // tick takes the newer state instead of queueing behind it.
    if (m_backgroundSave.valid() &&
        m_backgroundSave.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return;
    std::optional<WorkspaceSnapshot> snapshot = snapshotForSave();
    if (!snapshot)
        return;
    // The snapshot shares its strings with the live lists; Qt's implicit
    // sharing makes reading them on another thread safe, and an edit here
    // detaches instead of touching what the writer reads.
    m_backgroundSave =
        std::async(std::launch::async, [path = m_saveFilePath, snapshot = std::move(*snapshot)] {
            writeWorkspace(path, snapshot);
        });
}

void AppState::waitForBackgroundSave() {
    if (m_backgroundSave.valid())
        m_backgroundSave.wait();
}

void AppState::loadData() {
    printDiagnostic(QStringLiteral("📂 저장 경로: ") + m_saveFilePath);
    QFile file(m_saveFilePath);
    if (!file.exists()) {
        printDiagnostic(QStringLiteral("📂 저장 파일 없음 - 새로 시작"));
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        printDiagnostic(QStringLiteral("❌ 로드 실패: ") + file.errorString());
        keepUnreadableCopy();
        return;
    }
    const auto decoded = decodeWorkspace(file.readAll());
    if (const QString* error = std::get_if<QString>(&decoded)) {
        printDiagnostic(QStringLiteral("❌ 로드 실패: ") + *error);
        keepUnreadableCopy();
        return;
    }
    const LoadedWorkspace& loaded = std::get<LoadedWorkspace>(decoded);
    m_folders = loaded.folders;
    m_files = loaded.files;
    reindexFiles();
    // One tab per file: a document naming a file twice opens it once.
    QSet<QUuid> opened;
    for (const FileItem& tab : loaded.openTabs) {
        if (!opened.contains(tab.id)) {
            opened.insert(tab.id);
            m_openTabIds.append(tab.id);
        }
    }
    if (loaded.selectedFile)
        m_selectedFileId = loaded.selectedFile->id;
    if (!loaded.testCases.isEmpty())
        m_testCases = loaded.testCases;
    m_judgeChoice = loaded.judge;
    printDiagnostic(QStringLiteral("✅ 로드 완료: %1개 폴더, %2개 파일, %3개 테스트케이스")
                        .arg(m_folders.size())
                        .arg(m_files.size())
                        .arg(m_testCases.size()));
}

void AppState::keepUnreadableCopy() {
    const QString copy = m_saveFilePath + QStringLiteral(".unreadable-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (QFile::copy(m_saveFilePath, copy)) {
        printDiagnostic(QStringLiteral("📦 읽을 수 없는 저장 파일을 보관했습니다: ") + copy);
        return;
    }
    m_saveBlocked = true;
    printDiagnostic(QStringLiteral("❌ 읽을 수 없는 저장 파일을 보관하지 못했습니다: ") + copy +
                    QStringLiteral(" (이 파일을 덮어쓰지 않도록 저장을 멈춥니다)"));
}
