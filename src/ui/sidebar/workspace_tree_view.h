#pragma once

#include <QTreeView>
#include <QUuid>
#include <optional>

class Workspace;
class WorkspaceModel;
class WorkspaceRowDelegate;

// The sidebar's list: the workspace model in a tree, drawn by
// WorkspaceRowDelegate. A click (or Return) on a file opens it, on a folder
// toggles it; the arrow keys move through the rows as in any tree, and the
// row of the selected file is the view's current row, so a screen reader
// hears which file is open.
//
// Folders open and close as the workspace says (ExpandedRole), and opening
// or closing one in the view is written back. A file row dragged onto a
// folder row, or onto a file inside a folder, moves into that folder;
// dropped anywhere else in the list it moves to the root.
class WorkspaceTreeView : public QTreeView {
    Q_OBJECT

public:
    WorkspaceTreeView(Workspace& workspace, WorkspaceModel& model, QWidget* parent);

    WorkspaceModel& workspaceModel() const { return m_model; }

signals:
    void menuRequested(const QModelIndex& index, const QPoint& globalPos);
    void addFileRequested(const QUuid& folderId);
    // Whether a drag over the list would drop at the root.
    void rootDropHovered(bool hovered);

protected:
    void drawBranches(QPainter* painter, const QRect& rect,
                      const QModelIndex& index) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    void activate(const QModelIndex& index);
    void clickedAt(const QModelIndex& index);
    void followExpansion(const QModelIndex& parent, int first, int last);
    void followSelection();
    // The folder a drop at `pos` goes into; invalid for the root.
    QModelIndex dropTargetAt(const QPoint& pos) const;
    void showDropTarget(const std::optional<QModelIndex>& target);

    Workspace& m_workspace;
    WorkspaceModel& m_model;
    WorkspaceRowDelegate* m_delegate;
    QPoint m_releasedAt;
};
