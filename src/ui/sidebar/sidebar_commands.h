#pragma once

#include <QObject>
#include <QUuid>
#include <functional>

class Workspace;
class QMenu;
class QPoint;
class QWidget;

// What the sidebar's rows and header ask for: the context menus, the
// delete questions and the four sheets. Each opens window-modal over the
// sidebar and acts on the workspace only when the person confirms; ids are
// looked up again at that moment, so a row that went away meanwhile is
// simply not acted on.
class SidebarCommands : public QObject {
    Q_OBJECT

public:
    SidebarCommands(Workspace& workspace, QWidget* parent);

    // Menus pop up at `at` (global) and delete themselves when closed.
    QMenu* showFileMenu(const QUuid& fileId, const QPoint& at);
    QMenu* showFolderMenu(const QUuid& folderId, const QPoint& at);

    void askToDeleteFile(const QUuid& fileId);
    void askToDeleteFolder(const QUuid& folderId);
    void renameFile(const QUuid& fileId);
    void renameFolder(const QUuid& folderId);
    void newFileInFolder(const QUuid& folderId);
    void newFolder();

private:
    void askToDelete(const QString& title, const QString& question, std::function<void()> onDelete);

    Workspace& m_workspace;
    QWidget* m_parent;
};
