#pragma once

#include <QMainWindow>

class AppState;
class Commands;
class QuickCreateOverlay;

// The one window. It lays out the panes around the shared state and turns the
// window commands into reactions.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(AppState& state, Commands& commands, QWidget* parent = nullptr);

    QuickCreateOverlay* quickCreate() const { return m_quickCreate; }
    // The sheets open window-modal and delete themselves when they close.
    void openNewFileSheet();
    void openOnboarding();
    // The toolbar's settings button calls this; a second call while the
    // window is open does nothing.
    void openSettings();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void connectCommands();
    void showOnboardingIfUnseen();

    AppState& m_state;
    Commands& m_commands;
    QuickCreateOverlay* m_quickCreate = nullptr;
    bool m_shownOnce = false;
};
