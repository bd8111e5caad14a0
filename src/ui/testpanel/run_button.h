#pragma once

#include <QPushButton>
#include <QTimer>

class AppState;
class RunSession;

// "▶ 실행", or a turning spinner and "실행 중..." while a run goes on.
// Disabled while running and while no file is selected.
class RunButton : public QPushButton {
    Q_OBJECT

public:
    RunButton(AppState& state, RunSession& runs, QWidget* parent = nullptr);

private:
    void refresh();
    void drawSpinner();

    AppState& m_state;
    RunSession& m_runs;
    QTimer m_spin;
    int m_step = 0;
};
