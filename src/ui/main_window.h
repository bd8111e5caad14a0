#pragma once

#include <QMainWindow>

class AppState;
class Commands;

// The one window. It lays out the panes around the shared state and turns the
// window commands into reactions.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(AppState& state, Commands& commands, QWidget* parent = nullptr);

private:
    void buildMenus();
    void connectCommands();

    AppState& m_state;
    Commands& m_commands;
};
