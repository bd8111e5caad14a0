#include "ui/main_window.h"

#include "ui/actions.h"
#include "ui/editor_pane.h"
#include "ui/settings/settings_window.h"
#include "ui/sheets/new_file_sheet.h"
#include "ui/sheets/onboarding_sheet.h"
#include "ui/sheets/quick_create_overlay.h"
#include "ui/style/style.h"
#include "workspace/app_state.h"
#include "workspace/commands.h"

#include <QFontDatabase>
#include <QMenuBar>
#include <QTimer>

MainWindow::MainWindow(AppState& state, Commands& commands, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_commands(commands) {
    // Before the panes, so they are made in the theme's look.
    new Style(m_state, this);
    setWindowTitle(QStringLiteral("Corvanta"));
    setMinimumSize(1000, 700);
    resize(1280, 820);
    setCentralWidget(new EditorPane(m_state, m_commands, this));
    m_quickCreate = new QuickCreateOverlay(m_state, this);
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
    connect(&m_commands, &Commands::newFile, m_quickCreate, &QuickCreateOverlay::open);
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
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    connect(sheet, &QDialog::finished, this, [this] { m_state.setShowNewFileSheet(false); });
    sheet->open();
}

void MainWindow::openOnboarding() {
    auto* sheet = new OnboardingSheet(m_state, this);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->open();
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
