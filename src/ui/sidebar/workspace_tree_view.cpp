#include "ui/sidebar/workspace_tree_view.h"

#include "models/item_roles.h"
#include "models/workspace_model.h"
#include "ui/sidebar/workspace_row_delegate.h"
#include "workspace/workspace.h"

#include <QContextMenuEvent>
#include <QDrag>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

WorkspaceTreeView::WorkspaceTreeView(Workspace& workspace, WorkspaceModel& model, QWidget* parent)
    : QTreeView(parent), m_workspace(workspace), m_model(model),
      m_delegate(new WorkspaceRowDelegate(this)) {
    setObjectName(QStringLiteral("workspaceList"));
    setAccessibleName(QStringLiteral("파일"));
    setModel(&model);
    setItemDelegate(m_delegate);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setIndentation(14);
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(false);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAttribute(Qt::WA_Hover);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(false);

    connect(this, &QTreeView::clicked, this, &WorkspaceTreeView::clickedAt);
    connect(this, &QTreeView::expanded, this,
            [this](const QModelIndex& folder) { m_model.setData(folder, true, ExpandedRole); });
    connect(this, &QTreeView::collapsed, this,
            [this](const QModelIndex& folder) { m_model.setData(folder, false, ExpandedRole); });

    connect(&model, &QAbstractItemModel::modelReset, this, [this] {
        followExpansion({}, 0, m_model.rowCount() - 1);
        followSelection();
    });
    connect(&model, &QAbstractItemModel::rowsInserted, this, &WorkspaceTreeView::followExpansion);
    connect(&model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) {
                followExpansion(from.parent(), from.row(), to.row());
            });
    connect(&workspace, &Workspace::selectedFileChanged, this, &WorkspaceTreeView::followSelection);
    followExpansion({}, 0, model.rowCount() - 1);
    followSelection();
}

void WorkspaceTreeView::activate(const QModelIndex& index) {
    if (!index.isValid())
        return;
    if (index.data(IsFolderRole).toBool())
        m_model.setData(index, !index.data(ExpandedRole).toBool(), ExpandedRole);
    else
        m_workspace.openFile(index.data(IdRole).toUuid());
}

void WorkspaceTreeView::mouseReleaseEvent(QMouseEvent* event) {
    m_releasedAt = event->position().toPoint();
    QTreeView::mouseReleaseEvent(event);
}

// A click on a folder row's "+" asks for a new file; anywhere else it toggles.
void WorkspaceTreeView::clickedAt(const QModelIndex& index) {
    if (index.data(IsFolderRole).toBool() &&
        WorkspaceRowDelegate::addButtonRect(visualRect(index)).contains(m_releasedAt))
        emit addFileRequested(index.data(IdRole).toUuid());
    else
        activate(index);
}

void WorkspaceTreeView::followExpansion(const QModelIndex& parent, int first, int last) {
    if (parent.isValid())
        return;
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = m_model.index(row, 0);
        if (index.data(IsFolderRole).toBool())
            setExpanded(index, index.data(ExpandedRole).toBool());
    }
}

void WorkspaceTreeView::followSelection() {
    const std::optional<QUuid>& selected = m_workspace.selectedFileId();
    const QModelIndex row = selected ? m_model.indexOfFile(*selected) : QModelIndex();
    if (!row.isValid()) {
        selectionModel()->clearSelection();
        return;
    }
    selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
    // Scrolling to a file in a closed folder would open the folder.
    if (!row.parent().isValid() || isExpanded(row.parent()))
        scrollTo(row);
}

// The indentation of a folder's files stays blank; the delegate draws the row.
void WorkspaceTreeView::drawBranches(QPainter*, const QRect&, const QModelIndex&) const {}

void WorkspaceTreeView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        activate(currentIndex());
        event->accept();
        return;
    default:
        QTreeView::keyPressEvent(event);
    }
}

void WorkspaceTreeView::contextMenuEvent(QContextMenuEvent* event) {
    const bool fromKeyboard = event->reason() == QContextMenuEvent::Keyboard;
    const QModelIndex index = fromKeyboard ? currentIndex() : indexAt(event->pos());
    if (!index.isValid())
        return;
    const QPoint at =
        fromKeyboard ? viewport()->mapToGlobal(visualRect(index).center()) : event->globalPos();
    emit menuRequested(index, at);
}

QModelIndex WorkspaceTreeView::dropTargetAt(const QPoint& pos) const {
    const QModelIndex at = indexAt(pos);
    return at.isValid() && !at.data(IsFolderRole).toBool() ? at.parent() : at;
}

void WorkspaceTreeView::showDropTarget(const std::optional<QModelIndex>& target) {
    m_delegate->setDropTarget(target ? *target : QModelIndex());
    emit rootDropHovered(target && !target->isValid());
    viewport()->update();
}

void WorkspaceTreeView::dragEnterEvent(QDragEnterEvent* event) {
    QTreeView::dragEnterEvent(event);
    dragMoveEvent(event);
}

void WorkspaceTreeView::dragMoveEvent(QDragMoveEvent* event) {
    // The base class scrolls near the edges; where the drop goes is decided here.
    QTreeView::dragMoveEvent(event);
    const QModelIndex target = dropTargetAt(event->position().toPoint());
    if (m_model.canDropMimeData(event->mimeData(), event->dropAction(), -1, -1, target)) {
        event->acceptProposedAction();
        showDropTarget(target);
    } else {
        event->ignore();
        showDropTarget(std::nullopt);
    }
}

void WorkspaceTreeView::dragLeaveEvent(QDragLeaveEvent* event) {
    QTreeView::dragLeaveEvent(event);
    showDropTarget(std::nullopt);
}

void WorkspaceTreeView::dropEvent(QDropEvent* event) {
    const QModelIndex target = dropTargetAt(event->position().toPoint());
    if (m_model.dropMimeData(event->mimeData(), event->dropAction(), -1, -1, target))
        event->acceptProposedAction();
    else
        event->ignore();
    showDropTarget(std::nullopt);
    stopAutoScroll();
    setState(NoState);
}

// The dragged row is drawn below and right of the pointer, faded, so the
// folder under the pointer shows its drop highlight.
void WorkspaceTreeView::startDrag(Qt::DropActions supportedActions) {
    QModelIndexList rows = selectedIndexes();
    rows.removeIf(
        [](const QModelIndex& index) { return !(index.flags() & Qt::ItemIsDragEnabled); });
    if (rows.isEmpty())
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(model()->mimeData(rows));
    const QRect row = visualRect(rows.first()).intersected(viewport()->rect());
    QPixmap image(row.size() * devicePixelRatio());
    image.setDevicePixelRatio(devicePixelRatio());
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setOpacity(0.7);
    painter.drawPixmap(0, 0, viewport()->grab(row));
    painter.end();
    drag->setPixmap(image);
    drag->setHotSpot(QPoint(-12, -8));
    drag->exec(supportedActions, Qt::MoveAction);
}
