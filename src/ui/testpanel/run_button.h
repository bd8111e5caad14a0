#pragma once

#include <QPushButton>
#include <QTimer>

class Workspace;
class RunSession;

// "▶ 실행", or a turning spinner and "실행 중..." while a run goes on.
// Disabled while running and while no file is selected.
class RunButton : public QPushButton {
    Q_OBJECT

public:
    RunButton(Workspace& workspace, RunSession& runs, QWidget* parent = nullptr);

private:
    void refresh();
    void drawSpinner();

    Workspace& m_workspace;
    RunSession& m_runs;
    QTimer m_spin;
    int m_step = 0;
};
