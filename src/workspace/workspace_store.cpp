#include "workspace/workspace_store.h"

#include "base/app_identity.h"
#include "base/diagnostics.h"
#include "themes/theme_selection.h"
#include "workspace/save_file.h"
#include "workspace/settings_store.h"
#include "workspace/workspace.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr int autoSaveIntervalMs = 3000;

// Encodes and replaces the save file in one step, then says how it went:
// why it failed, or nothing. Runs on the UI thread or on the auto-save's
// worker, never on both at once. `lastWritten` is the digest of what this
// process last wrote: the same bytes again, with the file still there, are
// not written, so an idle workspace is not rewritten every tick.
QString writeWorkspace(const QString& path, const WorkspaceSnapshot& snapshot,
                       QByteArray& lastWritten) {
    const QByteArray bytes = encodeWorkspace(snapshot);
    const QByteArray digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    if (digest == lastWritten && QFileInfo::exists(path))
        return {};
    // The folder is gone after a full reset; make it again rather than fail every tick.
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit()) {
        const QString error =
            file.errorString().isEmpty() ? QStringLiteral("알 수 없는 오류") : file.errorString();
        printDiagnostic(QStringLiteral("❌ 저장 실패: ") + error);
        return error;
    }
    lastWritten = digest;
    printDiagnostic(QStringLiteral("✅ 저장 완료: %1개 파일, %2개 테스트케이스")
                        .arg(snapshot.files.size())
                        .arg(snapshot.testCases.size()));
    return {};
}

} // namespace

WorkspaceStore::WorkspaceStore(Workspace& workspace, SettingsStore& settings,
                               ThemeSelection& themes, QObject* parent)
    : QObject(parent), m_workspace(workspace), m_settings(settings), m_themes(themes) {
    const QString folder = appDataFolder();
    QDir().mkpath(folder);
    m_saveFilePath = folder + QStringLiteral("/appdata.json");
    loadData();
    // A new or deleted file is written at once, on the worker: writing a
    // large workspace here would hold up the window for a moment.
    m_workspace.setSaveNow([this] { autoSave(); });

    m_saveTimer.setInterval(autoSaveIntervalMs);
    connect(&m_saveTimer, &QTimer::timeout, this, &WorkspaceStore::autoSave);
    m_saveTimer.start();
}

WorkspaceStore::~WorkspaceStore() {
    m_saveTimer.stop();
    m_workspace.setSaveNow({});
    saveData();
}

void WorkspaceStore::resetData() {
    m_workspace.clear();
    saveData();
}

void WorkspaceStore::resetAll() {
    // Folders and custom themes go too: the save below and any later theme
    // change would otherwise write them back into the emptied store.
    m_workspace.clear(true);
    m_themes.reset();
    m_settings.clear();
    waitForBackgroundSave();
    QDir(QFileInfo(m_saveFilePath).path()).removeRecursively();
    saveData();
    emit everythingReset();
}

// -- the save file

std::optional<WorkspaceSnapshot> WorkspaceStore::snapshotForSave() {
    if (m_saveBlocked) {
        printDiagnostic(QStringLiteral("❌ 저장 실패: ") + m_saveError);
        return std::nullopt;
    }
    if (m_saveGuard && !m_saveGuard()) {
        printDiagnostic(QStringLiteral(
            "❌ 저장 실패: 다른 Corvanta 창이 작업 공간을 이어받아 이 창은 저장하지 않습니다"));
        return std::nullopt;
    }
    return m_workspace.snapshot();
}

void WorkspaceStore::saveData() {
    m_saveAgain = false;
    const std::optional<WorkspaceSnapshot> snapshot = snapshotForSave();
    // An older snapshot still being written must not land after this one.
    waitForBackgroundSave();
    if (snapshot)
        noteSaveOutcome(writeWorkspace(m_saveFilePath, *snapshot, m_lastWritten));
}

void WorkspaceStore::autoSave() {
    // Still writing an earlier state (a very large workspace): the newer
    // one follows when that write lands, instead of queueing behind it.
    if (m_backgroundSave.valid() &&
        m_backgroundSave.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        m_saveAgain = true;
        return;
    }
    m_saveAgain = false;
    std::optional<WorkspaceSnapshot> snapshot = snapshotForSave();
    if (!snapshot)
        return;
    // The snapshot shares its strings with the live lists; Qt's implicit
    // sharing makes reading them on another thread safe, and an edit here
    // detaches instead of touching what the writer reads.
    m_backgroundSave = std::async(
        std::launch::async, [this, path = m_saveFilePath, snapshot = std::move(*snapshot)] {
            const QString error = writeWorkspace(path, snapshot, m_lastWritten);
            // Dropped when the store is gone: its destructor saves anyway.
            QMetaObject::invokeMethod(
                this, [this, error] { backgroundSaveLanded(error); }, Qt::QueuedConnection);
        });
}

void WorkspaceStore::backgroundSaveLanded(const QString& error) {
    noteSaveOutcome(error);
    if (m_saveAgain)
        autoSave();
}

void WorkspaceStore::noteSaveOutcome(const QString& error) {
    if (error == m_saveError)
        return;
    m_saveError = error;
    emit saveErrorChanged(m_saveError);
}

void WorkspaceStore::waitForBackgroundSave() {
    if (m_backgroundSave.valid())
        m_backgroundSave.wait();
}

void WorkspaceStore::loadData() {
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
    m_workspace.restore(loaded);
    printDiagnostic(QStringLiteral("✅ 로드 완료: %1개 폴더, %2개 파일, %3개 테스트케이스")
                        .arg(m_workspace.folders().size())
                        .arg(m_workspace.files().size())
                        .arg(m_workspace.cases().sharedList().cases.size()));
}

void WorkspaceStore::keepUnreadableCopy() {
    const QString copy = m_saveFilePath + QStringLiteral(".unreadable-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (QFile::copy(m_saveFilePath, copy)) {
        printDiagnostic(QStringLiteral("📦 읽을 수 없는 저장 파일을 보관했습니다: ") + copy);
        return;
    }
    m_saveBlocked = true;
    noteSaveOutcome(QStringLiteral("읽을 수 없는 저장 파일을 보관하지 못해 덮어쓰지 않습니다"));
    printDiagnostic(QStringLiteral("❌ 읽을 수 없는 저장 파일을 보관하지 못했습니다: ") + copy +
                    QStringLiteral(" (이 파일을 덮어쓰지 않도록 저장을 멈춥니다)"));
}
