#include "ui/toolbar/toolbar.h"

#include "runner/run_session.h"
#include "themes/theme_selection.h"
#include "ui/accessibility.h"
#include "ui/actions.h"
#include "ui/commands.h"
#include "ui/icons.h"
#include "ui/style/style.h"
#include "workspace/workspace.h"

#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

Toolbar::Toolbar(Workspace& workspace, ThemeSelection& themes, Commands& commands, RunSession& runs,
                 QWidget* parent)
    : QWidget(parent), m_workspace(workspace), m_themes(themes), m_commands(commands),
      m_runs(runs) {
    setObjectName(QStringLiteral("toolbar"));
    setAttribute(Qt::WA_StyledBackground);
    m_row = new QHBoxLayout(this);
    m_row->setContentsMargins(8, 4, 8, 4);
    m_row->setSpacing(4);

    addProductName();
    const auto actionButton = [this](const QString& objectName, ActionId id) {
        const ActionInfo& info = actionInfo(id);
        QToolButton* button = addIconButton(objectName, info.symbol, info.label, info.shortcut);
        connect(button, &QToolButton::clicked, &m_commands, info.command);
        return button;
    };
    actionButton(QStringLiteral("newFileButton"), ActionId::newFile);
    m_duplicate = addIconButton(QStringLiteral("duplicateButton"), QStringLiteral("doc.on.doc"),
                                QStringLiteral("복제"), {});
    m_delete = addIconButton(QStringLiteral("deleteButton"), QStringLiteral("trash"),
                             QStringLiteral("삭제"), {});
    m_delete->setIcon(destructiveIcon(m_delete->icon()));
    const ActionInfo& templates = actionInfo(ActionId::showTemplates);
    QToolButton* templateButton = addIconButton(QStringLiteral("templatesButton"), templates.symbol,
                                                templates.label, templates.shortcut);

    m_run = new QToolButton(this);
    m_run->setObjectName(QStringLiteral("runButton"));
    m_run->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_run->setAutoRaise(true);
    m_run->setFocusPolicy(Qt::TabFocus);
    m_row->addWidget(m_run);
    m_row->addStretch(1);

    addThemeMenu();
    actionButton(QStringLiteral("helpButton"), ActionId::showHelp);
    QToolButton* settings = addIconButton(QStringLiteral("settingsButton"),
                                          QStringLiteral("gearshape"), QStringLiteral("설정"), {});

    connect(m_duplicate, &QToolButton::clicked, this, [this] {
        if (const FileItem* file = m_workspace.selectedFile())
            m_workspace.duplicateFile(file->id);
    });
    connect(m_delete, &QToolButton::clicked, this, [this] {
        if (const FileItem* file = m_workspace.selectedFile())
            m_workspace.deleteFile(file->id);
    });
    connect(templateButton, &QToolButton::clicked, this, &Toolbar::templateBrowserRequested);
    connect(settings, &QToolButton::clicked, this, &Toolbar::settingsRequested);
    connect(m_run, &QToolButton::clicked, this, &Toolbar::runOrStop);
    connect(&m_runs, &RunSession::runningChanged, this, &Toolbar::showRunState);
    connect(&m_workspace, &Workspace::selectedFileChanged, this, &Toolbar::showSelection);
    showRunState(m_runs.isRunning());
    showSelection();
}

void Toolbar::addStatus(QWidget* status) {
    // After the run button comes the stretch.
    m_row->insertWidget(m_row->indexOf(m_run) + 2, status);
    m_row->insertSpacing(m_row->indexOf(status) + 1, 8);
}

void Toolbar::addProductName() {
    auto* name = new QWidget(this);
    name->setObjectName(QStringLiteral("productTitle"));
    auto* column = new QVBoxLayout(name);
    column->setContentsMargins(4, 0, 12, 0);
    column->setSpacing(0);
    auto* title = new QLabel(QStringLiteral("Corvanta"), name);
    title->setObjectName(QStringLiteral("toolbarTitle"));
    auto* caption = new QLabel(QStringLiteral("ruz erivu"), name);
    caption->setObjectName(QStringLiteral("toolbarCaption"));
    column->addWidget(title);
    column->addWidget(caption);
    m_row->addWidget(name);
}

QToolButton* Toolbar::addIconButton(const QString& objectName, const QString& symbol,
                                    const QString& label, const QKeySequence& shortcut) {
    auto* button = new QToolButton(this);
    button->setObjectName(objectName);
    button->setAutoRaise(true);
    // Pressing a toolbar button must leave the keyboard in the editor.
    button->setFocusPolicy(Qt::TabFocus);
    setSymbol(button, symbol, label);
    nameIconButton(button, label, shortcut);
    m_row->addWidget(button);
    return button;
}

// The eight built-in themes with a check beside the one in use. Choosing
// one changes the built-in choice only: a custom theme in force stays.
QToolButton* Toolbar::addThemeMenu() {
    QToolButton* button = addIconButton(QStringLiteral("themeButton"),
                                        QStringLiteral("paintpalette"), QStringLiteral("테마"), {});
    auto* menu = new QMenu(button);
    menu->setAccessibleName(QStringLiteral("테마"));
    auto* group = new QActionGroup(menu);
    for (EditorTheme theme : allEditorThemes()) {
        QAction* action = menu->addAction(rawValue(theme));
        action->setCheckable(true);
        action->setChecked(theme == m_themes.theme());
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, theme] { m_themes.setTheme(theme); });
    }
    connect(&m_themes, &ThemeSelection::themeChanged, menu, [this, group] {
        group->actions().at(allEditorThemes().indexOf(m_themes.theme()))->setChecked(true);
    });
    popUpOnPress(button, menu);
    return button;
}

void Toolbar::showRunState(bool running) {
    const ActionInfo& run = actionInfo(ActionId::runCode);
    m_run->setIcon(symbolIcon(running ? QStringLiteral("stop.fill") : run.symbol));
    m_run->setText(running ? QStringLiteral("중지") : run.label);
    m_run->setToolTip(running ? QStringLiteral("중지") : tooltipText(ActionId::runCode));
}

void Toolbar::runOrStop() {
    if (m_runs.isRunning())
        m_runs.stop();
    else
        emit m_commands.runCode();
}

void Toolbar::showSelection() {
    const bool selected = m_workspace.selectedFile() != nullptr;
    m_duplicate->setEnabled(selected);
    m_delete->setEnabled(selected);
}
