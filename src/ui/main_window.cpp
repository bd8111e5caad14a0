#include "ui/main_window.h"

#include "ui/editor_pane.h"
#include "ui/sheets/new_file_sheet.h"
#include "ui/sheets/onboarding_sheet.h"
#include "ui/sheets/quick_create_overlay.h"
#include "workspace/app_state.h"
#include "workspace/commands.h"

#include <QAction>
#include <QMenuBar>
#include <QTimer>

MainWindow::MainWindow(AppState& state, Commands& commands, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_commands(commands) {
    setWindowTitle(QStringLiteral("Corvanta"));
    setMinimumSize(1000, 700);
    resize(1280, 820);
    setCentralWidget(new EditorPane(m_state, m_commands, this));
    m_quickCreate = new QuickCreateOverlay(m_state, this);
    buildMenus();
    connectCommands();
}

void MainWindow::buildMenus() {
    const auto addCommand = [this](QMenu* menu, const QString& text, const QKeySequence& shortcut,
                                   void (Commands::*signal)()) {
        QAction* action = menu->addAction(text);
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::ApplicationShortcut);
        connect(action, &QAction::triggered, &m_commands, signal);
    };
    addCommand(menuBar()->addMenu(QStringLiteral("파일")), QStringLiteral("새 파일"),
               QKeySequence(Qt::CTRL | Qt::Key_N), &Commands::newFile);
    addCommand(menuBar()->addMenu(QStringLiteral("실행")), QStringLiteral("코드 실행"),
               QKeySequence(Qt::CTRL | Qt::Key_R), &Commands::runCode);
    addCommand(menuBar()->addMenu(QStringLiteral("알고리즘")), QStringLiteral("템플릿 라이브러리"),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), &Commands::showTemplates);
    addCommand(menuBar()->addMenu(QStringLiteral("도움말")), QStringLiteral("도움! 도움!"),
               QKeySequence(Qt::CTRL | Qt::Key_Slash), &Commands::showHelp);
}

void MainWindow::connectCommands() {
    connect(&m_commands, &Commands::runCode, &m_commands, &Commands::executeCode);
    connect(&m_commands, &Commands::newFile, m_quickCreate, &QuickCreateOverlay::open);
    connect(&m_state, &AppState::showNewFileSheetChanged, this, [this](bool show) {
        if (show)
            openNewFileSheet();
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

// The flag is set before the tour opens, so quitting during it does not
// bring it back.
void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    if (!m_state.settings().onboarding().hasSeenOnboarding) {
        m_state.settings().setOnboarding({.hasSeenOnboarding = true});
        QTimer::singleShot(0, this, &MainWindow::openOnboarding);
    }
}
