#include "runner/run_controller.h"

#include "runner/judge_run.h"

RunController::RunController(AppState& state, QObject* parent) : QObject(parent), m_state(state) {}

void RunController::start() {
    JudgeRun* run = startJudgeRun(m_state);
    if (!run)
        return;
    m_run = run;
    emit started();
}

void RunController::stop() {
    if (m_run)
        m_run->cancel();
}
