#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <future>
#include <optional>

class SettingsStore;
class ThemeSelection;
class Workspace;
struct WorkspaceSnapshot;

// Keeps the workspace on disk as "appdata.json" in the data folder.
// Construction reads the save file into the (empty) workspace and starts the
// 3-second auto-save; destruction saves once more. A file it cannot read is
// copied aside before anything could overwrite it.
class WorkspaceStore : public QObject {
    Q_OBJECT

public:
    // The settings and the themes are what a full reset empties besides the workspace.
    WorkspaceStore(Workspace& workspace, SettingsStore& settings, ThemeSelection& themes,
                   QObject* parent = nullptr);
    ~WorkspaceStore() override;

    QString saveFilePath() const { return m_saveFilePath; }
    // Writes the workspace now and returns when it is on disk.
    void saveData();
    // Asked before every save; a false answer skips the save. The editor
    // answers false once another of its processes owns the workspace.
    void setSaveGuard(std::function<bool()> mayWrite) { m_saveGuard = std::move(mayWrite); }
    // The 3-second tick, and what a change of structure asks for: takes the
    // snapshot here and writes it on a worker, so encoding a large workspace
    // never stalls typing.
    void autoSave();

    // Why the last write failed; empty while writing works.
    const QString& saveError() const { return m_saveError; }

    // Empties the workspace (folders stay) and saves.
    void resetData();
    // Everything the program keeps is gone: workspace, folders, settings,
    // custom themes and the data folder.
    void resetAll();

signals:
    void everythingReset();
    // A write failed, or worked again (an empty `error`): the window says so,
    // since every change since the last good write would be lost at exit.
    void saveErrorChanged(const QString& error);

private:
    void loadData();
    void keepUnreadableCopy();
    std::optional<WorkspaceSnapshot> snapshotForSave();
    void waitForBackgroundSave();
    // On the UI thread after a worker's write: a save asked for meanwhile starts.
    void backgroundSaveLanded(const QString& error);
    void noteSaveOutcome(const QString& error);

    Workspace& m_workspace;
    SettingsStore& m_settings;
    ThemeSelection& m_themes;
    QString m_saveFilePath;
    // Set when an unreadable save file could not be copied aside: saving
    // would then destroy the only copy of the user's work.
    bool m_saveBlocked = false;
    std::function<bool()> m_saveGuard;
    QTimer m_saveTimer;
    std::future<void> m_backgroundSave;
    // A save was asked for while the worker was still writing.
    bool m_saveAgain = false;
    // Of the last bytes written; the writes take turns, so no lock.
    QByteArray m_lastWritten;
    QString m_saveError;
};
