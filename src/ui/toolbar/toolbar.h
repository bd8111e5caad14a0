#pragma once

#include <QWidget>

class ThemeSelection;
class Workspace;
class Commands;
class RunSession;
class QKeySequence;
class QHBoxLayout;
class QToolButton;

// The row across the top of the window: the product name, then new file,
// duplicate, delete, template browser, run, theme menu, help and settings.
// Duplicate and delete act on the selected file at once, without a
// question. While a run goes on the run button turns into "중지" and stops it.
class Toolbar : public QWidget {
    Q_OBJECT

public:
    Toolbar(Workspace& workspace, ThemeSelection& themes, Commands& commands, RunSession& runs,
            QWidget* parent = nullptr);

    // A compact status, after the free space and before the theme menu.
    void addStatus(QWidget* status);

signals:
    // Unlike its shortcut, the button opens the browser without a selected file too.
    void templateBrowserRequested();
    void settingsRequested();

private:
    void addProductName();
    QToolButton* addIconButton(const QString& objectName, const QString& symbol,
                               const QString& label, const QKeySequence& shortcut);
    QToolButton* addThemeMenu();
    void showRunState(bool running);
    void runOrStop();
    void showSelection();

    Workspace& m_workspace;
    ThemeSelection& m_themes;
    Commands& m_commands;
    RunSession& m_runs;
    QHBoxLayout* m_row = nullptr;
    QToolButton* m_duplicate = nullptr;
    QToolButton* m_delete = nullptr;
    QToolButton* m_run = nullptr;
};
