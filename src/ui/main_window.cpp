#include "ui/main_window.h"

#include "ui/actions.h"
#include "ui/editor_pane.h"
#include "ui/style/style.h"
#include "workspace/app_state.h"
#include "workspace/commands.h"

#include <QMenuBar>

MainWindow::MainWindow(AppState& state, Commands& commands, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_commands(commands) {
    // Before the panes, so they are made in the theme's look.
    new Style(m_state, this);
    setWindowTitle(QStringLiteral("Corvanta"));
    setMinimumSize(1000, 700);
    resize(1280, 820);
    setCentralWidget(new EditorPane(m_state, m_commands, this));
    buildMenus();
    connectCommands();
}

void MainWindow::buildMenus() {
    QHash<QString, QMenu*> menus;
    for (const ActionInfo& info : actionTable()) {
        if (info.menu.isEmpty())
            continue;
        QMenu*& menu = menus[info.menu];
        if (!menu)
            menu = menuBar()->addMenu(info.menu);
        menu->addAction(makeAction(info.id, m_commands, this));
    }
}

void MainWindow::connectCommands() {
    connect(&m_commands, &Commands::runCode, &m_commands, &Commands::executeCode);
}
