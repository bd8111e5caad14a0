#include "ui/main_window.h"

#include "runner/run_controller.h"
#include "ui/actions.h"
#include "ui/commands.h"
#include "ui/editor_pane.h"
#include "ui/settings/settings_window.h"
#include "ui/sheets/help_panel.h"
#include "ui/sheets/new_file_sheet.h"
#include "ui/sheets/onboarding_sheet.h"
#include "ui/sheets/quick_create_overlay.h"
#include "ui/sheets/sheet_backdrop.h"
#include "ui/sheets/template_browser.h"
#include "ui/sidebar/sidebar.h"
#include "ui/splitter_memory.h"
#include "ui/style/style.h"
#include "ui/tabs/tab_bar.h"
#include "ui/testpanel/cases_panel.h"
#include "ui/toolbar/toolbar.h"
#include "workspace/app_state.h"

#include <QFontDatabase>
#include <QMenuBar>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Sidebar widths and pane heights the layout keeps to.
constexpr int sidebarMinWidth = 200;
constexpr int sidebarWidth = 240;
constexpr int sidebarMaxWidth = 320;
constexpr int editorMinHeight = 250;
constexpr int testPanelMinHeight = 180;
constexpr int testPanelHeight = 280;

} // namespace

MainWindow::MainWindow(AppState& state, Commands& commands, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_commands(commands) {
    // Before the panes, so they are made in the theme's look.
    new Style(m_state, this);
    setWindowTitle(QStringLiteral("Corvanta"));
    setMinimumSize(1000, 700);
    resize(1280, 820);
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* toolbar = new Toolbar(m_state, m_commands, central);
    connect(toolbar, &Toolbar::templateBrowserRequested, this,
            &MainWindow::templateBrowserRequested);
    connect(toolbar, &Toolbar::settingsRequested, this, &MainWindow::settingsRequested);
    connect(this, &MainWindow::settingsRequested, this, &MainWindow::openSettings);
    column->addWidget(toolbar);
    column->addWidget(buildPanes(), 1);
    setCentralWidget(central);
    m_quickCreate = new QuickCreateOverlay(m_state, this);
    buildMenus();
    connectCommands();
}

QWidget* MainWindow::buildSidebar() {
    auto* sidebar = new Sidebar(m_state);
    connect(sidebar, &Sidebar::quickCreateRequested, &m_commands, &Commands::newFile);
    return sidebar;
}

QWidget* MainWindow::buildTestPanel() {
    return new CasesPanel(m_state, m_commands, *new RunController(m_state, this));
}

QWidget* MainWindow::buildPanes() {
    auto* editorArea = new QWidget();
    editorArea->setMinimumHeight(editorMinHeight);
    auto* column = new QVBoxLayout(editorArea);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(new TabBar(m_state, editorArea));
    column->addWidget(new EditorPane(m_state, m_commands, editorArea), 1);

    QWidget* testPanel = buildTestPanel();
    testPanel->setMinimumHeight(testPanelMinHeight);
    auto* mainArea = new QSplitter(Qt::Vertical);
    mainArea->setObjectName(QStringLiteral("mainAreaSplitter"));
    mainArea->setChildrenCollapsible(false);
    mainArea->addWidget(editorArea);
    mainArea->addWidget(testPanel);
    // A taller window gives its height to the editor, not the panel.
    mainArea->setStretchFactor(0, 1);
    mainArea->setStretchFactor(1, 0);
    mainArea->setSizes({height() - testPanelHeight, testPanelHeight});

    QWidget* sidebar = buildSidebar();
    sidebar->setMinimumWidth(sidebarMinWidth);
    sidebar->setMaximumWidth(sidebarMaxWidth);
    auto* panes = new QSplitter(Qt::Horizontal);
    panes->setObjectName(QStringLiteral("sidebarSplitter"));
    panes->setChildrenCollapsible(false);
    panes->addWidget(sidebar);
    panes->addWidget(mainArea);
    panes->setStretchFactor(0, 0);
    panes->setStretchFactor(1, 1);
    panes->setSizes({sidebarWidth, width() - sidebarWidth});

    rememberSplitterSizes(panes, m_state.settings(), QStringLiteral("sidebarSplitterState"));
    rememberSplitterSizes(mainArea, m_state.settings(), QStringLiteral("testPanelSplitterState"));
    return panes;
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
    connect(&m_commands, &Commands::showTemplates, this, [this] {
        if (m_state.selectedFile())
            emit templateBrowserRequested();
    });
    connect(&m_commands, &Commands::newFile, m_quickCreate, &QuickCreateOverlay::open);
    connect(&m_commands, &Commands::showHelp, this, &MainWindow::openHelpPanel);
    connect(this, &MainWindow::templateBrowserRequested, this, &MainWindow::openTemplateBrowser);
    connect(&m_state, &AppState::showNewFileSheetChanged, this, [this](bool show) {
        if (show)
            openNewFileSheet();
    });
    // A full reset forgets that the tour was seen: the window then behaves
    // as on a first start.
    connect(&m_state.settings(), &SettingsStore::onboardingChanged, this, [this] {
        if (m_shownOnce)
            showOnboardingIfUnseen();
    });
}

void MainWindow::openNewFileSheet() {
    if (findChild<NewFileSheet*>())
        return;
    auto* sheet = new NewFileSheet(m_state, this);
    connect(sheet, &QDialog::finished, this, [this] { m_state.setShowNewFileSheet(false); });
    presentSheet(sheet);
}

void MainWindow::openHelpPanel() {
    if (findChild<HelpPanel*>())
        return;
    auto* sheet = new HelpPanel(this);
    presentSheet(sheet);
}

void MainWindow::openTemplateBrowser() {
    if (findChild<TemplateBrowser*>())
        return;
    auto* sheet = new TemplateBrowser(m_state, m_commands, this);
    presentSheet(sheet);
}

void MainWindow::openOnboarding() {
    auto* sheet = new OnboardingSheet(m_state, this);
    presentSheet(sheet);
}

void MainWindow::openSettings() {
    if (const auto* open = findChild<SettingsWindow*>(); open && open->isVisible())
        return;
    auto* window = new SettingsWindow(m_state, QFontDatabase::families(), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    showOnboardingIfUnseen();
}

// The flag is set before the tour opens, so quitting during it does not
// bring it back.
void MainWindow::showOnboardingIfUnseen() {
    if (m_state.settings().onboarding().hasSeenOnboarding)
        return;
    m_state.settings().setOnboarding({.hasSeenOnboarding = true});
    QTimer::singleShot(0, this, &MainWindow::openOnboarding);
}
