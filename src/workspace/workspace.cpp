#include "workspace/workspace.h"

#include "workspace/file_operations.h"
#include "workspace/save_file.h"
#include "workspace/settings_store.h"

#include <QSet>
#include <algorithm>

namespace {

// Long enough to cover a burst of typing, short enough that other views (the
// sidebar's dates) see the text almost at once.
constexpr int liveTextDelayMs = 300;

} // namespace

Workspace::Workspace(const SettingsStore& settings, QObject* parent)
    : QObject(parent), m_settings(settings) {
    m_liveTimer.setSingleShot(true);
    m_liveTimer.setInterval(liveTextDelayMs);
    connect(&m_liveTimer, &QTimer::timeout, this, &Workspace::catchUpLiveText);
}

void Workspace::saveNow() {
    if (m_saveNow)
        m_saveNow();
}

void Workspace::setLiveText(const QUuid& fileId, LiveText* source) {
    catchUpLiveText();
    m_liveText = source;
    m_liveFileId = fileId;
}

void Workspace::liveTextEdited() {
    m_liveEdited = true;
    m_liveTimer.start();
}

void Workspace::catchUpLiveText() {
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

QString Workspace::fileText(const QUuid& id) const {
    if (m_liveText && id == m_liveFileId)
        return m_liveText->text();
    const FileItem* entry = file(id);
    return entry ? entry->content : QString();
}

bool Workspace::setFileText(const QUuid& id, const QString& text) {
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

void Workspace::setSelectedFile(const std::optional<QUuid>& fileId) {
    // Edits pending for the file losing the selection still belong to it.
    catchUpLiveText();
    if (m_selectedFileId == fileId)
        return;
    m_selectedFileId = fileId;
    m_cases.setActiveFile(fileId);
    emit selectedFileChanged(fileId.value_or(QUuid()));
}

const FileItem* Workspace::file(const QUuid& id) const {
    const qsizetype index = fileIndex(id);
    return index < 0 ? nullptr : &m_files[index];
}

FileItem* Workspace::findFile(const QUuid& id) {
    const qsizetype index = fileIndex(id);
    return index < 0 ? nullptr : &m_files[index];
}

const FolderItem* Workspace::folder(const QUuid& id) const {
    const auto it = std::find_if(m_folders.begin(), m_folders.end(),
                                 [&](const FolderItem& folder) { return folder.id == id; });
    return it == m_folders.end() ? nullptr : &*it;
}

const FileItem* Workspace::selectedFile() const {
    return m_selectedFileId ? file(*m_selectedFileId) : nullptr;
}

void Workspace::appendFile(const FileItem& file) {
    m_fileIndex.insert(file.id, m_files.size());
    m_files.append(file);
    emit fileAdded(file.id);
}

void Workspace::removeFiles(const std::function<bool(const FileItem&)>& which) {
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
    m_cases.forgetFiles(removed);
}

void Workspace::reindexFiles() {
    m_fileIndex.clear();
    m_fileIndex.reserve(m_files.size());
    // A repeated id (a hand-edited document) names its first file, as lookups always did.
    for (qsizetype i = 0; i < m_files.size(); ++i) {
        if (!m_fileIndex.contains(m_files[i].id))
            m_fileIndex.insert(m_files[i].id, i);
    }
}

// -- files

void Workspace::createFile(const QString& name, ProgrammingLanguage language,
                           std::optional<QUuid> folderId) {
    const FileItem file =
        FileItem::make(name, language, m_settings.templates().text(language), folderId);
    appendFile(file);
    openFile(file.id);
    saveNow();
}

void Workspace::createFileWithDefaultName(ProgrammingLanguage language) {
    createFile(uniqueDefaultName(m_files, language), language);
}

void Workspace::openFile(const QUuid& fileId) {
    if (!file(fileId))
        return;
    if (!m_openTabIds.contains(fileId)) {
        m_openTabIds.append(fileId);
        emit tabOpened(fileId);
    }
    setSelectedFile(fileId);
}

void Workspace::closeTab(const QUuid& fileId) {
    if (m_openTabIds.removeAll(fileId) > 0)
        emit tabClosed(fileId);
    if (m_selectedFileId == fileId) {
        if (m_openTabIds.isEmpty())
            setSelectedFile(std::nullopt);
        else
            setSelectedFile(m_openTabIds.last());
    }
}

void Workspace::closeOtherTabs(const QUuid& fileId) {
    const QList<QUuid> others = m_openTabIds;
    for (const QUuid& other : others) {
        if (other != fileId && m_openTabIds.removeAll(other) > 0)
            emit tabClosed(other);
    }
    setSelectedFile(fileId);
}

void Workspace::renameFile(const QUuid& fileId, const QString& baseName) {
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

void Workspace::duplicateFile(const QUuid& fileId) {
    catchUpLiveText();
    const FileItem* source = file(fileId);
    if (!source)
        return;
    const FileItem copy = FileItem::make(duplicateName(source->name, source->language),
                                         source->language, source->content);
    appendFile(copy);
    // The copy is another try at the same problem: it keeps the cases.
    m_cases.copyOwnList(fileId, copy.id);
    openFile(copy.id);
}

void Workspace::deleteFile(const QUuid& fileId) {
    closeTab(fileId);
    removeFiles([&](const FileItem& entry) { return entry.id == fileId; });
    saveNow();
}

void Workspace::moveFile(const QUuid& fileId, std::optional<QUuid> folderId) {
    FileItem* file = findFile(fileId);
    if (!file)
        return;
    file->folderId = folderId;
    emit fileChanged(fileId);
    saveNow();
}

bool Workspace::dropFiles(const QStringList& payload, std::optional<QUuid> folderId) {
    for (const QUuid& id : droppedFileIds(payload, m_files))
        moveFile(id, folderId);
    return !payload.isEmpty();
}

// -- folders

void Workspace::createFolder(const QString& name) {
    m_folders.append(FolderItem::make(name));
    emit folderAdded(m_folders.last().id);
    saveNow();
}

void Workspace::deleteFolder(const QUuid& folderId) {
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
    saveNow();
}

void Workspace::renameFolder(const QUuid& folderId, const QString& name) {
    for (FolderItem& folder : m_folders) {
        if (folder.id == folderId) {
            folder.name = name;
            emit folderChanged(folderId);
            saveNow();
            return;
        }
    }
}

void Workspace::toggleFolder(const QUuid& folderId) {
    for (FolderItem& folder : m_folders) {
        if (folder.id == folderId) {
            folder.isExpanded = !folder.isExpanded;
            emit folderChanged(folderId);
            return;
        }
    }
}

// -- everything at once

void Workspace::clear(bool withFolders) {
    setSelectedFile(std::nullopt);
    const QList<QUuid> tabs = m_openTabIds;
    for (const QUuid& tab : tabs)
        closeTab(tab);
    removeFiles([](const FileItem&) { return true; });
    CaseList fresh;
    fresh.judge = m_cases.sharedList().judge;
    m_cases.restore(fresh, {});
    if (withFolders) {
        const QList<FolderItem> folders = std::exchange(m_folders, {});
        for (const FolderItem& folder : folders)
            emit folderRemoved(folder.id);
    }
    emit workspaceCleared();
}

WorkspaceSnapshot Workspace::snapshot() {
    catchUpLiveText();
    return WorkspaceSnapshot{m_files,
                             m_folders,
                             m_openTabIds,
                             m_selectedFileId,
                             m_cases.sharedList().cases,
                             m_cases.sharedList().judge,
                             m_cases.ownLists(),
                             m_cases.stressChoices()};
}

void Workspace::restore(const LoadedWorkspace& loaded) {
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
    CaseList shared;
    if (!loaded.testCases.isEmpty())
        shared.cases = loaded.testCases;
    shared.judge = loaded.judge;
    m_cases.restore(shared, loaded.ownCases, loaded.stressChoices);
    m_cases.setActiveFile(m_selectedFileId);
}
