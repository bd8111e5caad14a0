#include "workspace/app_state.h"

#include "base/app_identity.h"
#include "base/diagnostics.h"
#include "workspace/file_operations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace {

constexpr int autoSaveIntervalMs = 3000;

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

template <typename T> bool containsId(const QList<T>& list, const QUuid& id) {
    return std::any_of(list.begin(), list.end(), [&](const T& item) { return item.id == id; });
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
}

AppState::~AppState() {
    m_saveTimer.stop();
    saveData();
}

void AppState::setTestCases(const QList<TestCase>& testCases) {
    m_testCases = testCases;
    emit testCasesChanged();
}

void AppState::setConsoleOutput(const QString& text) {
    if (m_consoleOutput == text)
        return;
    m_consoleOutput = text;
    emit consoleOutputChanged(text);
}

void AppState::setIsRunning(bool running) {
    if (m_isRunning == running)
        return;
    m_isRunning = running;
    emit isRunningChanged(running);
}

void AppState::setShowNewFileSheet(bool show) {
    if (m_showNewFileSheet == show)
        return;
    m_showNewFileSheet = show;
    emit showNewFileSheetChanged(show);
}

void AppState::setFontSize(double points) {
    if (m_fontSize == points)
        return;
    m_fontSize = points;
    emit fontSizeChanged(points);
}

void AppState::commitPendingEdits() {
    emit pendingEditsRequested();
}

void AppState::setSelectedFile(const std::optional<FileItem>& file) {
    // Edits pending for the file losing the selection still belong to it.
    commitPendingEdits();
    m_selectedFile = file;
    emit selectedFileChanged();
}

FileItem* AppState::findFile(const QUuid& id) {
    for (FileItem& file : m_files) {
        if (file.id == id)
            return &file;
    }
    return nullptr;
}

// -- files

void AppState::createFile(const QString& name, ProgrammingLanguage language,
                          std::optional<QUuid> folderId) {
    FileItem file = FileItem::make(name, language, folderId);
    file.content = m_settings.templates().text(language);
    m_files.append(file);
    emit filesChanged();
    openFile(file);
    saveData();
}

void AppState::createFileWithDefaultName(ProgrammingLanguage language) {
    createFile(uniqueDefaultName(m_files, language), language);
}

void AppState::openFile(const FileItem& file) {
    if (!containsId(m_openTabs, file.id)) {
        m_openTabs.append(file);
        emit openTabsChanged();
    }
    setSelectedFile(file);
}

void AppState::closeTab(const FileItem& file) {
    const auto removed =
        m_openTabs.removeIf([&](const FileItem& tab) { return tab.id == file.id; });
    if (removed > 0)
        emit openTabsChanged();
    if (m_selectedFile && m_selectedFile->id == file.id) {
        if (m_openTabs.isEmpty())
            setSelectedFile(std::nullopt);
        else
            setSelectedFile(m_openTabs.last());
    }
}

void AppState::closeOtherTabs(const FileItem& file) {
    m_openTabs.removeIf([&](const FileItem& tab) { return tab.id != file.id; });
    emit openTabsChanged();
    setSelectedFile(file);
}

bool AppState::updateFileContent(const QString& text) {
    if (!m_selectedFile)
        return false;
    FileItem* file = findFile(m_selectedFile->id);
    if (!file)
        return false;
    file->content = text;
    file->modifiedAt = QDateTime::currentDateTimeUtc();
    for (FileItem& tab : m_openTabs) {
        if (tab.id == file->id) {
            tab.content = text;
            break;
        }
    }
    m_selectedFile->content = text;
    emit filesChanged();
    emit openTabsChanged();
    emit selectedFileChanged();
    return true;
}

void AppState::renameFile(const FileItem& file, const QString& baseName) {
    const QString newName = baseName + QLatin1Char('.') + fileExtension(file.language);
    const bool taken = std::any_of(m_files.begin(), m_files.end(), [&](const FileItem& other) {
        return other.id != file.id && other.name == newName;
    });
    FileItem* entry = findFile(file.id);
    if (taken || !entry)
        return;
    entry->name = newName;
    entry->modifiedAt = QDateTime::currentDateTimeUtc();
    emit filesChanged();
    for (FileItem& tab : m_openTabs) {
        if (tab.id == file.id) {
            tab.name = newName;
            emit openTabsChanged();
            break;
        }
    }
    if (m_selectedFile && m_selectedFile->id == file.id)
        setSelectedFile(*entry);
}

void AppState::duplicateFile(const FileItem& file) {
    commitPendingEdits();
    const FileItem* source = findFile(file.id);
    FileItem copy = FileItem::make(duplicateName(file.name, file.language), file.language);
    copy.content = source ? source->content : file.content;
    m_files.append(copy);
    emit filesChanged();
    openFile(copy);
}

void AppState::deleteFile(const FileItem& file) {
    closeTab(file);
    m_files.removeIf([&](const FileItem& entry) { return entry.id == file.id; });
    emit filesChanged();
    saveData();
}

void AppState::moveFile(const QUuid& fileId, std::optional<QUuid> folderId) {
    FileItem* file = findFile(fileId);
    if (!file)
        return;
    file->folderId = folderId;
    emit filesChanged();
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
    emit foldersChanged();
    saveData();
}

void AppState::deleteFolder(const QUuid& folderId) {
    QList<FileItem> inFolder;
    std::copy_if(m_files.begin(), m_files.end(), std::back_inserter(inFolder),
                 [&](const FileItem& file) { return file.folderId == folderId; });
    for (const FileItem& file : inFolder)
        closeTab(file);
    m_files.removeIf([&](const FileItem& file) { return file.folderId == folderId; });
    m_folders.removeIf([&](const FolderItem& folder) { return folder.id == folderId; });
    emit filesChanged();
    emit foldersChanged();
    saveData();
}

void AppState::renameFolder(const QUuid& folderId, const QString& name) {
    for (FolderItem& folder : m_folders) {
        if (folder.id == folderId) {
            folder.name = name;
            emit foldersChanged();
            saveData();
            return;
        }
    }
}

void AppState::toggleFolder(const QUuid& folderId) {
    for (FolderItem& folder : m_folders) {
        if (folder.id == folderId) {
            folder.isExpanded = !folder.isExpanded;
            emit foldersChanged();
            return;
        }
    }
}

// -- test cases

void AppState::addTestCase() {
    m_testCases.append(TestCase{});
    emit testCasesChanged();
}

void AppState::duplicateTestCase(const TestCase& testCase) {
    TestCase copy;
    copy.input = testCase.input;
    copy.expectedOutput = testCase.expectedOutput;
    m_testCases.append(copy);
    emit testCasesChanged();
}

void AppState::deleteTestCase(const TestCase& testCase) {
    m_testCases.removeIf([&](const TestCase& entry) { return entry.id == testCase.id; });
    emit testCasesChanged();
}

void AppState::updateTestCase(const TestCase& testCase) {
    for (TestCase& entry : m_testCases) {
        if (entry.id == testCase.id) {
            entry = testCase;
            emit testCasesChanged();
            return;
        }
    }
}

// -- resets

void AppState::clearWorkspace() {
    m_files.clear();
    m_openTabs.clear();
    m_selectedFile.reset();
    m_testCases = {TestCase{}};
    m_consoleOutput.clear();
    emit filesChanged();
    emit openTabsChanged();
    emit selectedFileChanged();
    emit testCasesChanged();
    emit consoleOutputChanged(m_consoleOutput);
}

void AppState::resetData() {
    clearWorkspace();
    saveData();
}

void AppState::resetAll() {
    clearWorkspace();
    setCachedBaekjoonProblem(std::nullopt);
    setLastBaekjoonFetchTime(std::nullopt);
    m_settings.clear();
    waitForBackgroundSave();
    QDir(QFileInfo(m_saveFilePath).path()).removeRecursively();
    setFontSize(14);
    setTheme(EditorTheme::dark);
    saveData();
}

// -- the save file

std::optional<WorkspaceSnapshot> AppState::snapshotForSave() {
    commitPendingEdits();
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
    WorkspaceSnapshot snapshot{m_files, m_folders, {}, std::nullopt, m_testCases};
    for (const FileItem& tab : m_openTabs)
        snapshot.openTabIds.append(tab.id);
    if (m_selectedFile)
        snapshot.selectedFileId = m_selectedFile->id;
    return snapshot;
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
    m_openTabs = loaded.openTabs;
    m_selectedFile = loaded.selectedFile;
    if (!loaded.testCases.isEmpty())
        m_testCases = loaded.testCases;
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
