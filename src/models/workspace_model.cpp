#include "models/workspace_model.h"

#include "models/item_roles.h"
#include "workspace/workspace.h"

#include <QMimeData>
#include <algorithm>
#include <utility>

const QString WorkspaceModel::fileIdMimeType = QStringLiteral("application/x-corvanta-file-id");

WorkspaceModel::WorkspaceModel(Workspace& workspace, QObject* parent)
    : QAbstractItemModel(parent), m_workspace(workspace),
      m_selected(workspace.selectedFileId().value_or(QUuid())), m_top(std::make_unique<Group>()) {
    rebuild();
    connect(&workspace, &Workspace::fileAdded, this, &WorkspaceModel::placeFile);
    connect(&workspace, &Workspace::fileRemoved, this, &WorkspaceModel::placeFile);
    connect(&workspace, &Workspace::fileChanged, this, &WorkspaceModel::placeFile);
    connect(&workspace, &Workspace::folderAdded, this, &WorkspaceModel::folderAdded);
    connect(&workspace, &Workspace::folderRemoved, this, &WorkspaceModel::folderRemoved);
    connect(&workspace, &Workspace::folderChanged, this, &WorkspaceModel::folderChanged);
    connect(&workspace, &Workspace::selectedFileChanged, this, &WorkspaceModel::selectionChanged);
}

WorkspaceModel::~WorkspaceModel() = default;

void WorkspaceModel::setSortOrder(SortOrder order) {
    if (m_sortOrder == order)
        return;
    m_sortOrder = order;
    rebuild();
}

void WorkspaceModel::setSearchText(const QString& text) {
    if (m_searchText == text)
        return;
    m_searchText = text;
    rebuild();
}

void WorkspaceModel::rebuild() {
    beginResetModel();
    m_folders.clear();
    m_top->files.clear();
    if (!searching()) {
        for (const FolderItem& folder : m_workspace.folders())
            m_folders.push_back(std::make_unique<Group>(Group{folder.id, {}}));
    }
    // Appended in workspace order, so a stable sort by the order's key alone
    // breaks ties the way before() does.
    std::vector<std::pair<Group*, const FileItem*>> shown;
    for (const FileItem& file : m_workspace.files()) {
        if (Group* group = groupFor(file))
            shown.emplace_back(group, &file);
    }
    std::stable_sort(shown.begin(), shown.end(), [this](const auto& a, const auto& b) {
        return sortsBefore(*a.second, *b.second, m_sortOrder);
    });
    for (const auto& [group, file] : shown)
        group->files.append(file->id);
    endResetModel();
}

// -- where rows are

bool WorkspaceModel::isFolderRow(const QModelIndex& index) const {
    return index.constInternalPointer() == m_top.get() && size_t(index.row()) < m_folders.size();
}

const QUuid& WorkspaceModel::fileIdAt(const QModelIndex& index) const {
    const auto* group = static_cast<const Group*>(index.constInternalPointer());
    const int offset = group == m_top.get() ? int(m_folders.size()) : 0;
    return group->files[index.row() - offset];
}

WorkspaceModel::Group* WorkspaceModel::folderGroup(const QUuid& folderId) const {
    for (const auto& group : m_folders) {
        if (group->folderId == folderId)
            return group.get();
    }
    return nullptr;
}

WorkspaceModel::Group* WorkspaceModel::groupFor(const FileItem& file) const {
    if (searching())
        return matchesSearch(file, m_searchText) ? m_top.get() : nullptr;
    // A file naming a folder that does not exist (a hand-edited document)
    // is shown at the root rather than nowhere.
    Group* folder = file.folderId ? folderGroup(*file.folderId) : nullptr;
    return folder ? folder : m_top.get();
}

WorkspaceModel::Place WorkspaceModel::locate(const QUuid& fileId) const {
    if (const qsizetype at = m_top->files.indexOf(fileId); at >= 0)
        return {m_top.get(), at};
    for (const auto& group : m_folders) {
        if (const qsizetype at = group->files.indexOf(fileId); at >= 0)
            return {group.get(), at};
    }
    return {};
}

bool WorkspaceModel::before(const FileItem& a, const FileItem& b) const {
    if (sortsBefore(a, b, m_sortOrder))
        return true;
    if (sortsBefore(b, a, m_sortOrder))
        return false;
    return m_workspace.fileIndex(a.id) < m_workspace.fileIndex(b.id);
}

qsizetype WorkspaceModel::sortedPosition(const Group& group, const FileItem& file) const {
    const auto at =
        std::partition_point(group.files.begin(), group.files.end(),
                             [&](const QUuid& id) { return before(*m_workspace.file(id), file); });
    return at - group.files.begin();
}

QModelIndex WorkspaceModel::parentIndex(const Group* group) const {
    if (group == m_top.get())
        return {};
    const auto at = std::find_if(m_folders.begin(), m_folders.end(),
                                 [&](const auto& folder) { return folder.get() == group; });
    return createIndex(int(at - m_folders.begin()), 0, m_top.get());
}

int WorkspaceModel::rowOf(const Group* group, qsizetype position) const {
    return int(position) + (group == m_top.get() ? int(m_folders.size()) : 0);
}

QModelIndex WorkspaceModel::indexOfFile(const QUuid& fileId) const {
    const Place place = locate(fileId);
    return place.group ? createIndex(rowOf(place.group, place.position), 0, place.group)
                       : QModelIndex();
}

QModelIndex WorkspaceModel::indexOfFolder(const QUuid& folderId) const {
    const Group* group = folderGroup(folderId);
    return group ? parentIndex(group) : QModelIndex();
}

// -- the model interface

QModelIndex WorkspaceModel::index(int row, int column, const QModelIndex& parent) const {
    if (!hasIndex(row, column, parent))
        return {};
    const Group* group = parent.isValid() ? m_folders[size_t(parent.row())].get() : m_top.get();
    return createIndex(row, column, group);
}

QModelIndex WorkspaceModel::parent(const QModelIndex& child) const {
    if (!child.isValid())
        return {};
    return parentIndex(static_cast<const Group*>(child.constInternalPointer()));
}

int WorkspaceModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return int(m_folders.size() + m_top->files.size());
    if (parent.column() != 0 || !isFolderRow(parent))
        return 0;
    return int(m_folders[size_t(parent.row())]->files.size());
}

int WorkspaceModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant WorkspaceModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (!isFolderRow(index)) {
        const QUuid& id = fileIdAt(index);
        const FileItem* file = m_workspace.file(id);
        return file ? fileRoleData(*file, role, id == m_selected) : QVariant();
    }
    const Group& group = *m_folders[size_t(index.row())];
    const FolderItem* folder = m_workspace.folder(group.folderId);
    if (!folder)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return folder->name;
    case IdRole:
        return folder->id;
    case IsFolderRole:
        return true;
    case FileCountRole:
        return int(group.files.size());
    case ExpandedRole:
        return folder->isExpanded;
    default:
        return {};
    }
}

bool WorkspaceModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != ExpandedRole || !checkIndex(index, CheckIndexOption::IndexIsValid) ||
        !isFolderRow(index))
        return false;
    const QUuid& folderId = m_folders[size_t(index.row())]->folderId;
    const FolderItem* folder = m_workspace.folder(folderId);
    if (!folder)
        return false;
    if (folder->isExpanded != value.toBool())
        m_workspace.toggleFolder(folderId);
    return true;
}

Qt::ItemFlags WorkspaceModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return searching() ? Qt::NoItemFlags : Qt::ItemIsDropEnabled;
    const Qt::ItemFlags row = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (isFolderRow(index))
        return row | Qt::ItemIsDropEnabled;
    return row | Qt::ItemIsDragEnabled | Qt::ItemNeverHasChildren;
}

// -- drag and drop

QStringList WorkspaceModel::mimeTypes() const {
    return {fileIdMimeType, QStringLiteral("text/plain")};
}

QMimeData* WorkspaceModel::mimeData(const QModelIndexList& indexes) const {
    QStringList ids;
    for (const QModelIndex& index : indexes) {
        if (index.isValid() && !isFolderRow(index))
            ids.append(uuidString(fileIdAt(index)));
    }
    if (ids.isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    const QString text = ids.join(QLatin1Char('\n'));
    data->setText(text);
    data->setData(fileIdMimeType, text.toUtf8());
    return data;
}

bool WorkspaceModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int, int,
                                     const QModelIndex& parent) const {
    if (!data || action == Qt::IgnoreAction || searching())
        return false;
    if (!data->hasFormat(fileIdMimeType) && !data->hasText())
        return false;
    return !parent.isValid() || isFolderRow(parent);
}

bool WorkspaceModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                  const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    const QString text = data->hasFormat(fileIdMimeType)
                             ? QString::fromUtf8(data->data(fileIdMimeType))
                             : data->text();
    std::optional<QUuid> folderId;
    if (parent.isValid())
        folderId = m_folders[size_t(parent.row())]->folderId;
    return m_workspace.dropFiles(text.split(QLatin1Char('\n'), Qt::SkipEmptyParts), folderId);
}

Qt::DropActions WorkspaceModel::supportedDragActions() const {
    return Qt::MoveAction;
}

Qt::DropActions WorkspaceModel::supportedDropActions() const {
    return Qt::MoveAction | Qt::CopyAction;
}

// -- following the workspace

// One place for every file event: the row goes where the file now belongs
// (its folder, its sorted position, or nowhere), and the views hear of that
// one row only.
void WorkspaceModel::placeFile(const QUuid& fileId) {
    const Place from = locate(fileId);
    const FileItem* file = m_workspace.file(fileId);
    Group* to = file ? groupFor(*file) : nullptr;
    if (!from.group && !to)
        return;
    if (!to) {
        const int row = rowOf(from.group, from.position);
        beginRemoveRows(parentIndex(from.group), row, row);
        from.group->files.removeAt(from.position);
        endRemoveRows();
        countChanged(from.group);
        return;
    }
    if (!from.group) {
        const qsizetype position = sortedPosition(*to, *file);
        const int row = rowOf(to, position);
        beginInsertRows(parentIndex(to), row, row);
        to->files.insert(position, fileId);
        endInsertRows();
        countChanged(to);
        return;
    }
    // Its position among the others, found with the row itself left out.
    from.group->files.removeAt(from.position);
    const qsizetype position = sortedPosition(*to, *file);
    from.group->files.insert(from.position, fileId);
    if (from.group != to || position != from.position) {
        const int source = rowOf(from.group, from.position);
        int destination = rowOf(to, position);
        if (from.group == to && position > from.position)
            ++destination;
        beginMoveRows(parentIndex(from.group), source, source, parentIndex(to), destination);
        from.group->files.removeAt(from.position);
        to->files.insert(position, fileId);
        endMoveRows();
        if (from.group != to) {
            countChanged(from.group);
            countChanged(to);
        }
    }
    const QModelIndex moved = createIndex(rowOf(to, position), 0, to);
    emit dataChanged(moved, moved);
}

void WorkspaceModel::countChanged(const Group* group) {
    if (group == m_top.get())
        return;
    const QModelIndex folder = parentIndex(group);
    emit dataChanged(folder, folder, {FileCountRole});
}

void WorkspaceModel::folderAdded(const QUuid& folderId) {
    if (searching())
        return;
    // Folders come before the root files, in creation order.
    const int row = int(m_folders.size());
    beginInsertRows({}, row, row);
    m_folders.push_back(std::make_unique<Group>(Group{folderId, {}}));
    endInsertRows();
}

void WorkspaceModel::folderRemoved(const QUuid& folderId) {
    const Group* group = folderGroup(folderId);
    if (!group)
        return;
    // The workspace deletes a folder's files first, so its group is empty.
    const int row = parentIndex(group).row();
    beginRemoveRows({}, row, row);
    m_folders.erase(m_folders.begin() + row);
    endRemoveRows();
}

void WorkspaceModel::folderChanged(const QUuid& folderId) {
    const QModelIndex folder = indexOfFolder(folderId);
    if (folder.isValid())
        emit dataChanged(folder, folder);
}

void WorkspaceModel::selectionChanged(const QUuid& fileId) {
    const QUuid previous = std::exchange(m_selected, fileId);
    for (const QUuid& id : {previous, fileId}) {
        const QModelIndex row = indexOfFile(id);
        if (row.isValid())
            emit dataChanged(row, row, {SelectedRole});
    }
}
