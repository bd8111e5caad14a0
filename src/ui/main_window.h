#pragma once

#include <QMainWindow>

class CasesPanel;
class Commands;
class ProblemReceiving;
class ProblemSession;
class RunSession;
class EditorPane;
class QSplitter;
class QuickCreateOverlay;
struct WindowContext;

// The one window: the toolbar on top; the sidebar beside the main area,
// which holds the tab bar and the editor over the test panel. It only
// assembles the panes, the splitters (their sizes kept in the settings) and
// the menus from the action table, and turns the window commands into
// reactions.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(WindowContext& context, QWidget* parent = nullptr);

signals:
    // The template browser's and the settings window's cue to open. The
    // browser's shortcut asks only while a file is selected; the toolbar
    // button always does.
    void templateBrowserRequested();
    void settingsRequested();

public:
    QuickCreateOverlay* quickCreate() const { return m_quickCreate; }
    ProblemReceiving& receiving() const { return *m_receiving; }
    // The sheets open window-modal and delete themselves when they close.
    void openNewFileSheet();
    void openOnboarding();
    void openHelpPanel();
    void openTemplateBrowser();
    // The toolbar's settings button calls this; a second call while the
    // window is open does nothing.
    void openSettings();

protected:
    void showEvent(QShowEvent* event) override;
    // Writes the workspace first; when that fails, asks before closing.
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildPanes();
    QWidget* buildSidebar();
    QWidget* buildTestPanel();
    void buildMenus();
    void connectCommands();
    void showOnboardingIfUnseen();
    void connectRuns();
    void togglePanel();
    void askToCloseUnsaved();

    WindowContext& m_context;
    Commands& m_commands;
    ProblemReceiving* m_receiving = nullptr;
    QuickCreateOverlay* m_quickCreate = nullptr;
    EditorPane* m_editorPane = nullptr;
    CasesPanel* m_testPanel = nullptr;
    QSplitter* m_mainArea = nullptr;
    // The panel's height before it was made large; empty while it is not.
    QList<int> m_sizesBeforeLarge;
    bool m_shownOnce = false;
    // The person chose to close although the workspace could not be written.
    bool m_closeUnsaved = false;
};
