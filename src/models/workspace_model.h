#pragma once

#include "workspace/file_operations.h"

#include <QAbstractItemModel>
#include <QList>
#include <QUuid>
#include <memory>
#include <vector>

class Workspace;
struct FileItem;

// The sidebar's tree. Without search text: the folders in creation order,
// each with its files as children, then the files at the root; files are in
// the sort order. With search text: one flat list of the matching files of
// every folder. File rows answer the file roles of item_roles.h; folder rows
// answer the display name, IdRole, IsFolderRole, FileCountRole and
// ExpandedRole (settable: it toggles the folder).
//
// Every change of the workspace reaches the views as exactly that change: a
// file written back is dataChanged for its row (or a row move when the sort
// order puts it elsewhere), a file added or deleted one row inserted or
// removed. Only a new sort order or search text resets the model.
//
// Drag and drop: a file row drags its id as a UUID string (text/plain and
// fileIdMimeType, one id per line); a folder row or the top level takes a
// drop and moves the named files there through the Workspace. The model removes
// no rows itself, so a view's move-drag cleanup after the drop is a no-op.
class WorkspaceModel : public QAbstractItemModel {
    Q_OBJECT

public:
    static const QString fileIdMimeType;

    explicit WorkspaceModel(Workspace& workspace, QObject* parent = nullptr);
    ~WorkspaceModel() override;

    SortOrder sortOrder() const { return m_sortOrder; }
    void setSortOrder(SortOrder order);
    const QString& searchText() const { return m_searchText; }
    void setSearchText(const QString& text);

    // Invalid when the row is not shown.
    QModelIndex indexOfFile(const QUuid& fileId) const;
    QModelIndex indexOfFolder(const QUuid& folderId) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;

private:
    // The sorted file rows under one parent: a folder, or the top level
    // (whose file rows come after the folder rows).
    struct Group {
        QUuid folderId;
        QList<QUuid> files;
    };
    struct Place {
        Group* group = nullptr;
        qsizetype position = -1;
    };

    void rebuild();
    bool searching() const { return !m_searchText.isEmpty(); }
    bool isFolderRow(const QModelIndex& index) const;
    const QUuid& fileIdAt(const QModelIndex& index) const;
    Group* folderGroup(const QUuid& folderId) const;
    // Where the file belongs now; null when it is not shown.
    Group* groupFor(const FileItem& file) const;
    Place locate(const QUuid& fileId) const;
    // Sort order, ties broken by the position in the workspace's list.
    bool before(const FileItem& a, const FileItem& b) const;
    qsizetype sortedPosition(const Group& group, const FileItem& file) const;
    QModelIndex parentIndex(const Group* group) const;
    int rowOf(const Group* group, qsizetype position) const;
    void countChanged(const Group* group);

    void placeFile(const QUuid& fileId);
    void folderAdded(const QUuid& folderId);
    void folderRemoved(const QUuid& folderId);
    void folderChanged(const QUuid& folderId);
    void selectionChanged(const QUuid& fileId);

    Workspace& m_workspace;
    SortOrder m_sortOrder = SortOrder::name;
    QString m_searchText;
    QUuid m_selected;
    // The rows as the views last heard of them. Folder groups are held by
    // pointer: an index of a file row inside a folder points at its group.
    std::vector<std::unique_ptr<Group>> m_folders;
    std::unique_ptr<Group> m_top;
};
