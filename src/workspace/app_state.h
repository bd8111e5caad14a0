#pragma once

#include "base/records.h"
#include "base/rgba.h"
#include "themes/custom_theme.h"
#include "themes/editor_theme.h"
#include "workspace/live_text.h"
#include "workspace/save_file.h"
#include "workspace/settings_store.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <future>
#include <optional>

// The one state object of the window. It owns every list of the workspace
// and the selection; views read it and change
// it only through the operations below, on the UI thread. Construction loads
// the save file and starts the 3-second auto-save; destruction saves once more.
class AppState : public QObject {
    Q_OBJECT

public:
    explicit AppState(QObject* parent = nullptr);
    ~AppState() override;

    // -- published fields. A file's record lives only in files(); the tabs
    // and the selection name files by id. Pointers into the lists stay valid
    // until the next change of that list.
    const QList<FileItem>& files() const { return m_files; }
    const QList<FolderItem>& folders() const { return m_folders; }
    const QList<QUuid>& openTabIds() const { return m_openTabIds; }
    const std::optional<QUuid>& selectedFileId() const { return m_selectedFileId; }
    const QList<TestCase>& testCases() const { return m_testCases; }
    // How the runs judge outputs; saved with the workspace.
    const JudgeChoice& judgeChoice() const { return m_judgeChoice; }
    double fontSize() const { return m_fontSize; }

    // Null when no file has the id.
    const FileItem* file(const QUuid& id) const;
    // Position in files(); -1 when no file has the id.
    qsizetype fileIndex(const QUuid& id) const { return m_fileIndex.value(id, -1); }
    const FolderItem* folder(const QUuid& id) const;
    const TestCase* testCase(const QUuid& id) const;
    // Null when nothing is selected.
    const FileItem* selectedFile() const;

    // Replaces the whole list (the problem's samples, "delete all").
    void setTestCases(const QList<TestCase>& testCases);
    void setJudgeChoice(const JudgeChoice& choice);
    void setFontSize(double points);

    SettingsStore& settings() { return m_settings; }
    const SettingsStore& settings() const { return m_settings; }

    // -- workspace operations
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

    void addTestCase();
    void duplicateTestCase(const TestCase& testCase);
    void deleteTestCase(const TestCase& testCase);
    // Replaces the case with the same id; nothing when it is gone.
    void updateTestCase(const TestCase& testCase);
    // Forgets every result of the last run; inputs and expectations stay.
    void clearTestResults();

    void resetData();
    void resetAll();

    // -- the save file
    QString saveFilePath() const { return m_saveFilePath; }
    // Writes the workspace now and returns when it is on disk.
    void saveData();
    // Asked before every save; a false answer skips the save. The editor
    // answers false once another of its processes owns the workspace.
    void setSaveGuard(std::function<bool()> mayWrite) { m_saveGuard = std::move(mayWrite); }
    // The 3-second tick: takes the snapshot here and writes it on a worker,
    // so encoding a large workspace never stalls typing.
    void autoSave();

    // -- themes (app_state_themes.cpp): the built-in choice, the custom
    // themes and the resolved window colours. Only the custom theme list is
    // stored (settings key customThemes); the choice starts anew every run.
    EditorTheme theme() const { return m_theme; }
    const QList<CustomTheme>& customThemes() const { return m_customThemes; }
    const std::optional<CustomTheme>& selectedCustomTheme() const { return m_selectedCustomTheme; }
    bool useCustomTheme() const { return m_useCustomTheme; }
    // The custom theme in force: the selected one while useCustomTheme is on, else null.
    const CustomTheme* activeCustomTheme() const;

    void setTheme(EditorTheme theme);
    void setUseCustomTheme(bool use);
    void setSelectedCustomTheme(const std::optional<CustomTheme>& theme);
    // What the theme pickers do: a custom theme is selected and turned on; a
    // built-in one becomes `theme` and turns the custom theme off.
    void selectCustomTheme(const CustomTheme& theme);
    void selectBuiltInTheme(EditorTheme theme);

    // Replaces the list from the store; an absent or unreadable entry leaves
    // it alone, and unreadable bytes are first copied to customThemesUnreadable
    // so a later save cannot destroy them.
    void loadCustomThemes();
    // Stores the list; nothing is written when it cannot be encoded.
    void saveCustomThemes();
    void addCustomTheme(const CustomTheme& theme);
    // Replaces the entry with the theme's id (and the selection's copy) and
    // saves; nothing happens when no entry has that id.
    void updateCustomTheme(const CustomTheme& theme);
    // Removes every entry with the id; deleting the selected theme turns the
    // custom theme off.
    void deleteCustomTheme(const QUuid& id);
    // Adds the theme of a share code and saves; nullopt on success, otherwise
    // the message for the user (the list is then unchanged).
    std::optional<QString> importShareCode(const QString& text);

    Rgba themeBackground() const;
    Rgba themeText() const;
    Rgba themeLineNumber() const;
    Rgba themeSidebar() const;
    Rgba themeCursor() const;

signals:
    // Each change names what changed, after the lists hold the new state: a
    // view updates that one row. Added files, folders, tabs and test cases
    // are always appended at the end of their list.
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
    void testCaseAdded(const QUuid& id);
    void testCaseRemoved(const QUuid& id);
    void testCaseChanged(const QUuid& id);
    // setTestCases: the whole list is new.
    void testCasesReplaced();
    // A reset emptied the workspace.
    void workspaceCleared();
    void judgeChoiceChanged();
    // resetAll: everything the program keeps is gone.
    void everythingReset();
    void fontSizeChanged(double points);
    void themeChanged();
    void customThemesChanged();
    void selectedCustomThemeChanged();
    void useCustomThemeChanged();

private:
    void loadData();
    void keepUnreadableCopy();
    std::optional<WorkspaceSnapshot> snapshotForSave();
    void waitForBackgroundSave();
    void setSelectedFile(const std::optional<QUuid>& fileId);
    FileItem* findFile(const QUuid& id);
    void appendFile(const FileItem& file);
    // Removes the files (already without tabs) and says so for each.
    void removeFiles(const std::function<bool(const FileItem&)>& which);
    void reindexFiles();
    void clearWorkspace();

    QList<FileItem> m_files;
    // id -> position in m_files, so views find a row's record in O(1).
    QHash<QUuid, qsizetype> m_fileIndex;
    QList<FolderItem> m_folders;
    std::optional<QUuid> m_selectedFileId;
    QList<QUuid> m_openTabIds;
    QList<TestCase> m_testCases{TestCase{}};
    JudgeChoice m_judgeChoice;
    double m_fontSize = 14;

    SettingsStore m_settings;
    QString m_saveFilePath;
    // Set when an unreadable save file could not be copied aside: saving
    // would then destroy the only copy of the user's work.
    bool m_saveBlocked = false;
    std::function<bool()> m_saveGuard;
    QTimer m_saveTimer;
    std::future<void> m_backgroundSave;

    LiveText* m_liveText = nullptr;
    QUuid m_liveFileId;
    bool m_liveEdited = false;
    QTimer m_liveTimer;

    EditorTheme m_theme = EditorTheme::dark;
    QList<CustomTheme> m_customThemes;
    std::optional<CustomTheme> m_selectedCustomTheme;
    bool m_useCustomTheme = false;
};
