#pragma once

#include "base/records.h"
#include "workspace/case_book.h"
#include "workspace/live_text.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

class SettingsStore;
struct LoadedWorkspace;
struct WorkspaceSnapshot;

// The files, folders, tabs, selection and test cases of the workspace, and
// the one owner of each file's text. Views read it and change it only through
// the operations below, on the UI thread.
class Workspace : public QObject {
    Q_OBJECT

public:
    // New files start with the starter code of `settings`.
    explicit Workspace(const SettingsStore& settings, QObject* parent = nullptr);

    // -- published fields. A file's record lives only in files(); the tabs
    // and the selection name files by id. Pointers into the lists stay valid
    // until the next change of that list.
    const QList<FileItem>& files() const { return m_files; }
    const QList<FolderItem>& folders() const { return m_folders; }
    const QList<QUuid>& openTabIds() const { return m_openTabIds; }
    const std::optional<QUuid>& selectedFileId() const { return m_selectedFileId; }
    CaseBook& cases() { return m_cases; }
    const CaseBook& cases() const { return m_cases; }

    // Null when no file has the id.
    const FileItem* file(const QUuid& id) const;
    // Position in files(); -1 when no file has the id.
    qsizetype fileIndex(const QUuid& id) const { return m_fileIndex.value(id, -1); }
    const FolderItem* folder(const QUuid& id) const;
    // Null when nothing is selected.
    const FileItem* selectedFile() const;

    void createFile(const QString& name, ProgrammingLanguage language,
                    std::optional<QUuid> folderId = std::nullopt);
    // The sidebar's language buttons: "solution.<ext>" made unique.
    void createFileWithDefaultName(ProgrammingLanguage language);
    void openFile(const QUuid& fileId);
    void closeTab(const QUuid& fileId);
    void closeOtherTabs(const QUuid& fileId);
    // The file's current text: its live source's while one is registered,
    // which a record's content may trail by a moment. Empty for an unknown id.
    QString fileText(const QUuid& id) const;
    // Replaces a file's text; for the file in the editor, as an undoable edit
    // of the editor. False when no file has the id.
    bool setFileText(const QUuid& id, const QString& text);
    // The open editor registers as the live source of its file's text (a
    // null source unregisters) and calls liveTextEdited on every edit. The
    // record catches up after a short pause, and before a save, a change of
    // selection or a change of source.
    void setLiveText(const QUuid& fileId, LiveText* source);
    void liveTextEdited();
    // The record takes the live text now, if it was edited: what the pause does.
    void catchUpLiveText();
    void renameFile(const QUuid& fileId, const QString& baseName);
    void duplicateFile(const QUuid& fileId);
    void deleteFile(const QUuid& fileId);
    void moveFile(const QUuid& fileId, std::optional<QUuid> folderId);
    // Moves every payload string that names a file; true when the payload was not empty.
    bool dropFiles(const QStringList& payload, std::optional<QUuid> folderId);

    void createFolder(const QString& name);
    void deleteFolder(const QUuid& folderId);
    void renameFolder(const QUuid& folderId, const QString& name);
    void toggleFolder(const QUuid& folderId);

    // Closes every tab and removes every file; folders stay unless asked.
    void clear(bool withFolders = false);

    // Called after a change of structure (a file or folder made, moved or
    // deleted), which is written at once rather than at the next auto-save.
    void setSaveNow(std::function<void()> save) { m_saveNow = std::move(save); }
    // What a save writes, with the live text caught up first.
    WorkspaceSnapshot snapshot();
    // Takes a save file's content; only on an empty workspace.
    void restore(const LoadedWorkspace& loaded);

signals:
    // Each change names what changed, after the lists hold the new state: a
    // view updates that one row. Added files, folders and tabs are always
    // appended at the end of their list.
    void fileAdded(const QUuid& id);
    void fileRemoved(const QUuid& id);
    // Any field: the text, the name, the folder, the times.
    void fileChanged(const QUuid& id);
    void folderAdded(const QUuid& id);
    void folderRemoved(const QUuid& id);
    void folderChanged(const QUuid& id);
    void tabOpened(const QUuid& fileId);
    void tabClosed(const QUuid& fileId);
    // The null id when nothing is selected.
    void selectedFileChanged(const QUuid& fileId);
    // A reset emptied the workspace.
    void workspaceCleared();

private:
    void setSelectedFile(const std::optional<QUuid>& fileId);
    FileItem* findFile(const QUuid& id);
    void appendFile(const FileItem& file);
    // Removes the files (already without tabs) and says so for each.
    void removeFiles(const std::function<bool(const FileItem&)>& which);
    void reindexFiles();
    void saveNow();

    const SettingsStore& m_settings;
    QList<FileItem> m_files;
    // id -> position in m_files, so views find a row's record in O(1).
    QHash<QUuid, qsizetype> m_fileIndex;
    QList<FolderItem> m_folders;
    std::optional<QUuid> m_selectedFileId;
    QList<QUuid> m_openTabIds;
    CaseBook m_cases;
    std::function<void()> m_saveNow;

    LiveText* m_liveText = nullptr;
    QUuid m_liveFileId;
    bool m_liveEdited = false;
    QTimer m_liveTimer;
};
