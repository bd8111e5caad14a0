#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QUuid>

class Workspace;

// The tab bar's rows: one per open tab, left to right, answering the file
// roles of item_roles.h. A tab opened or closed is one row inserted or
// removed; a file renamed or written back, or the selection moving, is
// dataChanged for the rows concerned.
class OpenTabsModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit OpenTabsModel(Workspace& workspace, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Invalid when the file has no tab.
    QModelIndex indexOfFile(const QUuid& fileId) const;

private:
    void tabOpened(const QUuid& fileId);
    void tabClosed(const QUuid& fileId);
    void fileChanged(const QUuid& fileId);
    void selectionChanged(const QUuid& fileId);

    Workspace& m_workspace;
    // The rows as the views last heard of them.
    QList<QUuid> m_tabs;
    QUuid m_selected;
};
