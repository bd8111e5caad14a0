#pragma once

#include "base/compiler_message.h"

#include <QWidget>

class ConsoleView;
class QAbstractButton;
class QButtonGroup;
class QLabel;
class QStackedWidget;
class RunSession;
class SettingsStore;
class Workspace;
class CaseModel;
class CasesView;
class ProblemSession;
class StressPane;

// The lower pane of the window: a header with the tabs "테스트", "콘솔",
// "백준" and "스트레스", the copy-code button, the pass summary and the run button, over
// the selected tab's page. Every run of the window's run session, whoever
// started it, shows the console; one that ends shows the first failing case,
// or the console when nothing could run, opened at the first compiler message.
class CasesPanel : public QWidget {
    Q_OBJECT

public:
    enum class Tab { testCases, console, baekjoon, stress };

    CasesPanel(Workspace& workspace, const SettingsStore& settings, RunSession& runs,
               ProblemSession& problems, QWidget* parent = nullptr);

    Tab selectedTab() const;
    void selectTab(Tab tab);
    CasesView* testCasesView() const { return m_testCases; }
    ConsoleView* consoleView() const { return m_console; }
    StressPane* stressPane() const { return m_stress; }

private:
    QWidget* buildHeader();
    QAbstractButton* addTabButton(Tab tab, const QString& symbol, const QString& label,
                                  QWidget* header);
    void updateSummary();
    void showRunEnd(const QList<CompilerMessage>& messages, bool nothingRan);

    Workspace& m_workspace;
    RunSession& m_runs;
    CaseModel* m_model = nullptr;
    QButtonGroup* m_tabs = nullptr;
    QLabel* m_summary = nullptr;
    QStackedWidget* m_pages = nullptr;
    CasesView* m_testCases = nullptr;
    ConsoleView* m_console = nullptr;
    StressPane* m_stress = nullptr;
};
