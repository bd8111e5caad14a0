#pragma once

#include <QWidget>

class Workspace;
class QLineEdit;
class RootDropArea;
class SidebarCommands;
class WorkspaceModel;
class WorkspaceTreeView;

// The window's left column: the header (title, new file, sort order, new
// folder), the search field, the quick-create buttons, the files and folders
// of the workspace, the place to drop a file out of its folder and, while
// the workspace has no file, an invitation to make one. Search text and sort
// order live here and start afresh with every window.
class Sidebar : public QWidget {
    Q_OBJECT

public:
    Sidebar(Workspace& workspace, QWidget* parent = nullptr);

    WorkspaceModel& model() const { return *m_model; }
    WorkspaceTreeView* list() const { return m_list; }
    RootDropArea* rootDropArea() const { return m_rootDropArea; }
    SidebarCommands& commands() const { return *m_commands; }

signals:
    // The new-file buttons: the window opens its quick-create overlay.
    void quickCreateRequested();

private:
    QWidget* buildHeader();
    QWidget* buildSearch();
    QWidget* buildQuickCreate();
    QWidget* buildEmptyState();
    void showMenu(const QModelIndex& index, const QPoint& at);
    void updateParts();

    Workspace& m_workspace;
    WorkspaceModel* m_model;
    SidebarCommands* m_commands;
    QLineEdit* m_search = nullptr;
    WorkspaceTreeView* m_list = nullptr;
    RootDropArea* m_rootDropArea = nullptr;
    QWidget* m_emptyState = nullptr;
};
