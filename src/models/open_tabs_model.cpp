#include "models/open_tabs_model.h"

#include "models/item_roles.h"
#include "workspace/workspace.h"

#include <utility>

OpenTabsModel::OpenTabsModel(Workspace& workspace, QObject* parent)
    : QAbstractListModel(parent), m_workspace(workspace), m_tabs(workspace.openTabIds()),
      m_selected(workspace.selectedFileId().value_or(QUuid())) {
    connect(&workspace, &Workspace::tabOpened, this, &OpenTabsModel::tabOpened);
    connect(&workspace, &Workspace::tabClosed, this, &OpenTabsModel::tabClosed);
    connect(&workspace, &Workspace::fileChanged, this, &OpenTabsModel::fileChanged);
    connect(&workspace, &Workspace::selectedFileChanged, this, &OpenTabsModel::selectionChanged);
}

int OpenTabsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_tabs.size());
}

QVariant OpenTabsModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const QUuid& id = m_tabs[index.row()];
    const FileItem* file = m_workspace.file(id);
    return file ? fileRoleData(*file, role, id == m_selected) : QVariant();
}

QModelIndex OpenTabsModel::indexOfFile(const QUuid& fileId) const {
    const qsizetype row = m_tabs.indexOf(fileId);
    return row < 0 ? QModelIndex() : index(int(row));
}

void OpenTabsModel::tabOpened(const QUuid& fileId) {
    const int row = int(m_tabs.size());
    beginInsertRows({}, row, row);
    m_tabs.append(fileId);
    endInsertRows();
}

void OpenTabsModel::tabClosed(const QUuid& fileId) {
    const int row = int(m_tabs.indexOf(fileId));
    if (row < 0)
        return;
    beginRemoveRows({}, row, row);
    m_tabs.removeAt(row);
    endRemoveRows();
}

void OpenTabsModel::fileChanged(const QUuid& fileId) {
    const QModelIndex tab = indexOfFile(fileId);
    if (tab.isValid())
        emit dataChanged(tab, tab);
}

void OpenTabsModel::selectionChanged(const QUuid& fileId) {
    const QUuid previous = std::exchange(m_selected, fileId);
    for (const QUuid& id : {previous, fileId}) {
        const QModelIndex tab = indexOfFile(id);
        if (tab.isValid())
            emit dataChanged(tab, tab, {SelectedRole});
    }
}
