#pragma once

#include <QList>
#include <QWidget>

class Workspace;
class OpenTabsModel;
class QHBoxLayout;
class QModelIndex;
class QScrollArea;
class QUuid;
class TabItem;

// The open files above the editor, left to right, over the open-tabs model:
// one TabItem per row, scrolling sideways when they do not fit, then "+"
// for the new-file sheet. A click selects, the close button or a middle
// click closes; the context menu closes, duplicates and deletes, deleting
// without a question as designed.
class TabBar : public QWidget {
    Q_OBJECT

public:
    TabBar(Workspace& workspace, QWidget* parent = nullptr);

    // Opens the tab's context menu at `globalPos`; it deletes itself when closed.
    void popUpMenu(const QUuid& fileId, const QPoint& globalPos);

signals:
    void newFileSheetRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void insertItems(int first, int last);
    void removeItems(int first, int last);
    void updateItems(const QModelIndex& topLeft, const QModelIndex& bottomRight);
    void rebuild();
    void revealSelected();

    Workspace& m_workspace;
    OpenTabsModel* m_model = nullptr;
    QScrollArea* m_scroll = nullptr;
    QHBoxLayout* m_row = nullptr;
    // In model order.
    QList<TabItem*> m_items;
};
