#pragma once

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

// Draws the sidebar's rows from the workspace model's roles. A folder row:
// chevron, folder icon, name, file count and a "+" that asks for a new file
// in the folder. A file row: the language badge and the name, the tree view
// indenting the files inside a folder. The selected file and the row under
// the pointer are tinted, and so is the folder a drag would drop into.
class WorkspaceRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int rowHeight = 28;

    explicit WorkspaceRowDelegate(QObject* parent = nullptr);

    // The folder row a drag hovers; an invalid index for none.
    void setDropTarget(const QModelIndex& folder);

    // Where the folder row's "+" is drawn inside the row's rectangle.
    static QRect addButtonRect(const QRect& row);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    void paintFolder(QPainter* painter, const QStyleOptionViewItem& option,
                     const QModelIndex& index) const;
    void paintFile(QPainter* painter, const QStyleOptionViewItem& option,
                   const QModelIndex& index) const;

    QPersistentModelIndex m_dropTarget;
};
