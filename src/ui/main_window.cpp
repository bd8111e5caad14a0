#include "ui/main_window.h"

#include "problems/problem_session.h"
#include "runner/run_session.h"
#include "ui/actions.h"
#include "ui/commands.h"
#include "ui/editor_pane.h"
#include "ui/problem_receiving.h"
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
#include "ui/testpanel/console_view.h"
#include "ui/toolbar/receiving_label.h"
#include "ui/toolbar/save_status_label.h"
#include "ui/toolbar/toolbar.h"
#include "ui/window_context.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QMenuBar>
#include <QMessageBox>
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
// A panel made large leaves the editor no more than its least height, and
// takes at least this share when the window is short.
constexpr double largePanelShare = 0.6;

} // namespace

MainWindow::MainWindow(WindowContext& context, QWidget* parent)
    : QMainWindow(parent), m_context(context), m_commands(context.commands) {
    // Before the panes, so they are made in the theme's look.
    new Style(m_context.themes, this);
    m_receiving =
        new ProblemReceiving(m_context.workspace, m_context.settings, m_context.problems, this);
    setWindowTitle(QStringLiteral("Corvanta"));
    setMinimumSize(1000, 700);
    resize(1280, 820);
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* toolbar =
        new Toolbar(m_context.workspace, m_context.themes, m_commands, m_context.runs, central);
    connect(toolbar, &Toolbar::templateBrowserRequested, this,
            &MainWindow::templateBrowserRequested);
    connect(toolbar, &Toolbar::settingsRequested, this, &MainWindow::settingsRequested);
    connect(this, &MainWindow::settingsRequested, this, &MainWindow::openSettings);
    toolbar->addStatus(new SaveStatusLabel(m_context.store, toolbar));
    toolbar->addStatus(new ReceivingLabel(*m_receiving, toolbar));
    column->addWidget(toolbar);
    column->addWidget(buildPanes(), 1);
    setCentralWidget(central);
    m_quickCreate = new QuickCreateOverlay(m_context.workspace, this);
    buildMenus();
    connectCommands();
    connectRuns();
}

QWidget* MainWindow::buildSidebar() {
    auto* sidebar = new Sidebar(m_context.workspace);
    connect(sidebar, &Sidebar::quickCreateRequested, &m_commands, &Commands::newFile);
    return sidebar;
}

QWidget* MainWindow::buildTestPanel() {
    m_testPanel =
        new CasesPanel(m_context.workspace, m_context.settings, m_context.runs, m_context.problems);
    return m_testPanel;
}

QWidget* MainWindow::buildPanes() {
    auto* editorArea = new QWidget();
    editorArea->setMinimumHeight(editorMinHeight);
    auto* column = new QVBoxLayout(editorArea);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* tabs = new TabBar(m_context.workspace, editorArea);
    connect(tabs, &TabBar::newFileSheetRequested, this, &MainWindow::openNewFileSheet);
    column->addWidget(tabs);
    m_editorPane = new EditorPane(m_context.workspace, m_context.settings, m_context.themes,
                                  m_commands, editorArea);
    column->addWidget(m_editorPane, 1);

    QWidget* testPanel = buildTestPanel();
    testPanel->setMinimumHeight(testPanelMinHeight);
    auto* mainArea = m_mainArea = new QSplitter(Qt::Vertical);
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

    rememberSplitterSizes(panes, m_context.settings, QStringLiteral("sidebarSplitterState"));
    rememberSplitterSizes(mainArea, m_context.settings, QStringLiteral("testPanelSplitterState"));
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
    connect(&m_commands, &Commands::runCode, &m_context.runs, &RunSession::start);
    connect(&m_commands, &Commands::showTemplates, this, [this] {
        if (m_context.workspace.selectedFile())
            emit templateBrowserRequested();
    });
    connect(&m_commands, &Commands::newFile, m_quickCreate, &QuickCreateOverlay::open);
    connect(&m_commands, &Commands::showHelp, this, &MainWindow::openHelpPanel);
    connect(&m_commands, &Commands::togglePanel, this, &MainWindow::togglePanel);
    connect(m_mainArea, &QSplitter::splitterMoved, this, [this] { m_sizesBeforeLarge.clear(); });
    connect(this, &MainWindow::templateBrowserRequested, this, &MainWindow::openTemplateBrowser);
    // A full reset forgets that the tour was seen: the window then behaves
    // as on a first start.
    connect(&m_context.settings, &SettingsStore::onboardingChanged, this, [this] {
        if (m_shownOnce)
            showOnboardingIfUnseen();
    });
}

// A run's messages go to the editor: markers from the last run only.
void MainWindow::connectRuns() {
    connect(&m_context.runs, &RunSession::runningChanged, m_editorPane, [this](bool running) {
        if (running)
            m_editorPane->clearMessages();
    });
    connect(&m_context.runs, &RunSession::finished, m_editorPane, &EditorPane::showMessages);
    connect(m_testPanel->consoleView(), &ConsoleView::messageActivated, m_editorPane,
            &EditorPane::goToMessage);
}

void MainWindow::togglePanel() {
    if (!m_sizesBeforeLarge.isEmpty()) {
        m_mainArea->setSizes(m_sizesBeforeLarge);
        m_sizesBeforeLarge.clear();
        return;
    }
    const QList<int> sizes = m_mainArea->sizes();
    const int total = sizes[0] + sizes[1];
    const int large = std::max(int(total * largePanelShare), total - editorMinHeight);
    // Large already by a drag: back to the usual height.
    if (sizes[1] >= large) {
        m_mainArea->setSizes({total - testPanelHeight, testPanelHeight});
        return;
    }
    m_sizesBeforeLarge = sizes;
    m_mainArea->setSizes({total - large, large});
}

void MainWindow::openNewFileSheet() {
    if (findChild<NewFileSheet*>())
        return;
    auto* sheet = new NewFileSheet(m_context.workspace, this);
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
    auto* sheet = new TemplateBrowser(m_context.workspace, this);
    presentSheet(sheet);
}

void MainWindow::openOnboarding() {
    auto* sheet = new OnboardingSheet(m_context.workspace, this);
    presentSheet(sheet);
}

void MainWindow::openSettings() {
    if (const auto* open = findChild<SettingsWindow*>(); open && open->isVisible())
        return;
    auto* window = new SettingsWindow(m_context.settings, m_context.themes, m_context.store,
                                      QFontDatabase::families(), m_receiving, this);
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

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_closeUnsaved) {
        m_context.store.saveData();
        if (!m_context.store.saveError().isEmpty()) {
            event->ignore();
            askToCloseUnsaved();
            return;
        }
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::askToCloseUnsaved() {
    auto* question = new QMessageBox(QMessageBox::Warning, windowTitle(),
                                     QStringLiteral("작업 공간을 저장하지 못했습니다"),
                                     QMessageBox::NoButton, this);
    question->setObjectName(QStringLiteral("unsavedClose"));
    question->setAttribute(Qt::WA_DeleteOnClose);
    question->setInformativeText(
        QStringLiteral("지금 닫으면 마지막으로 저장한 뒤의 변경을 잃습니다.\n") +
        saveFailureDetails(m_context.store));
    QAbstractButton* closeAnyway =
        question->addButton(QStringLiteral("저장하지 않고 닫기"), QMessageBox::DestructiveRole);
    question->setDefaultButton(
        question->addButton(QStringLiteral("취소"), QMessageBox::RejectRole));
    connect(question, &QMessageBox::buttonClicked, this,
            [this, closeAnyway](QAbstractButton* answer) {
                if (answer != closeAnyway)
                    return;
                m_closeUnsaved = true;
                close();
            });
    question->open();
}

// The flag is set before the tour opens, so quitting during it does not
// bring it back.
void MainWindow::showOnboardingIfUnseen() {
    if (m_context.settings.onboarding().hasSeenOnboarding)
        return;
    m_context.settings.setOnboarding({.hasSeenOnboarding = true});
    QTimer::singleShot(0, this, &MainWindow::openOnboarding);
}
