#include "ui/testpanel/cases_panel.h"

#include "models/case_model.h"
#include "runner/run_session.h"
#include "ui/icons.h"
#include "ui/problem/problem_tab.h"
#include "ui/style/style.h"
#include "ui/testpanel/cases_view.h"
#include "ui/testpanel/console_view.h"
#include "ui/testpanel/copy_code_button.h"
#include "ui/testpanel/judge_bar.h"
#include "ui/testpanel/run_button.h"
#include "ui/testpanel/stress_pane.h"
#include "workspace/workspace.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

CasesPanel::CasesPanel(Workspace& workspace, const SettingsStore& settings, RunSession& runs,
                       ProblemSession& problems, QWidget* parent)
    : QWidget(parent), m_workspace(workspace), m_runs(runs),
      m_model(new CaseModel(workspace.cases(), this)) {
    setObjectName(QStringLiteral("testPanel"));
    setAttribute(Qt::WA_StyledBackground);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildHeader());
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("divider"));
    line->setFrameShape(QFrame::HLine);
    line->setFixedHeight(1);
    column->addWidget(line);

    m_pages = new QStackedWidget(this);
    m_testCases = new CasesView(m_workspace.cases(), *m_model, m_pages);
    m_console = new ConsoleView(m_workspace, m_runs, m_pages);
    m_pages->addWidget(m_testCases);
    m_pages->addWidget(m_console);
    m_pages->addWidget(new ProblemTab(workspace.cases(), settings, problems, m_pages));
    m_stress = new StressPane(workspace, settings, m_pages);
    m_pages->addWidget(m_stress);
    column->addWidget(m_pages, 1);

    // Toggled, not clicked: a screen reader's action toggles.
    connect(m_tabs, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            selectTab(Tab(id));
    });
    connect(&m_runs, &RunSession::runningChanged, this, [this](bool running) {
        if (running)
            selectTab(Tab::console);
    });
    connect(&m_runs, &RunSession::finished, this,
            [this](const QUuid&, const QList<CompilerMessage>& messages, bool nothingRan) {
                showRunEnd(messages, nothingRan);
            });
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_model, signal, this, &CasesPanel::updateSummary);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &CasesPanel::updateSummary);
    connect(m_model, &QAbstractItemModel::modelReset, this, &CasesPanel::updateSummary);
    updateSummary();
    selectTab(Tab::testCases);
}

QWidget* CasesPanel::buildHeader() {
    auto* header = new QWidget(this);
    header->setObjectName(QStringLiteral("testPanelHeader"));
    header->setAttribute(Qt::WA_StyledBackground);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(12, 6, 12, 6);
    row->setSpacing(4);
    m_tabs = new QButtonGroup(this);
    row->addWidget(addTabButton(Tab::testCases, QStringLiteral("checklist"),
                                QStringLiteral("테스트"), header));
    row->addWidget(
        addTabButton(Tab::console, QStringLiteral("terminal"), QStringLiteral("콘솔"), header));
    row->addWidget(
        addTabButton(Tab::baekjoon, QStringLiteral("globe"), QStringLiteral("백준"), header));
    row->addWidget(
        addTabButton(Tab::stress, QStringLiteral("dice"), QStringLiteral("스트레스"), header));
    row->addStretch();
    row->addWidget(new JudgeBar(m_workspace, header));
    row->addSpacing(8);

    row->addWidget(new CopyCodeButton(m_workspace, header));
    row->addSpacing(8);
    m_summary = new QLabel(header);
    m_summary->setObjectName(QStringLiteral("passSummary"));
    m_summary->setAttribute(Qt::WA_StyledBackground);
    row->addWidget(m_summary);
    row->addSpacing(8);
    auto* run = new RunButton(m_workspace, m_runs, header);
    connect(run, &RunButton::clicked, &m_runs, &RunSession::start);
    row->addWidget(run);
    return header;
}

QAbstractButton* CasesPanel::addTabButton(Tab tab, const QString& symbol, const QString& label,
                                          QWidget* header) {
    auto* button = new QToolButton(header);
    button->setObjectName(QStringLiteral("testPanelTab"));
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setIcon(symbolIcon(symbol));
    button->setIconSize(QSize(14, 14));
    button->setText(label);
    m_tabs->addButton(button, int(tab));
    return button;
}

CasesPanel::Tab CasesPanel::selectedTab() const {
    return Tab(m_pages->currentIndex());
}

void CasesPanel::selectTab(Tab tab) {
    m_pages->setCurrentIndex(int(tab));
    m_tabs->button(int(tab))->setChecked(true);
}

void CasesPanel::updateSummary() {
    const QList<TestCase>& cases = m_workspace.cases().testCases();
    m_summary->setVisible(!cases.isEmpty());
    const auto passed = std::count_if(cases.begin(), cases.end(), [](const TestCase& testCase) {
        return testCase.result && testCase.result->verdict.kind == VerdictKind::accepted;
    });
    const bool judged = std::any_of(cases.begin(), cases.end(),
                                    [](const TestCase& testCase) { return testCase.result; });
    // Before a run nothing has passed or failed yet.
    m_summary->setText(judged ? QStringLiteral("<b>%1/%2</b> 통과").arg(passed).arg(cases.size())
                              : QStringLiteral("<b>–/%1</b>").arg(cases.size()));
    setSheetProperty(m_summary, "allPassed", judged && passed == cases.size());
}

void CasesPanel::showRunEnd(const QList<CompilerMessage>& messages, bool nothingRan) {
    m_console->showMessages(messages);
    if (nothingRan) {
        selectTab(Tab::console);
        return;
    }
    selectTab(Tab::testCases);
    const QList<TestCase>& cases = m_workspace.cases().testCases();
    for (int row = 0; row < cases.size(); ++row) {
        if (cases[row].result && !cases[row].result->verdict.passes()) {
            m_testCases->revealResult(row);
            return;
        }
    }
}
