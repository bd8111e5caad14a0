#pragma once

#include <QObject>
#include <QPointer>

class AppState;
class JudgeRun;

// The one owner of the window's running test run. The test panel's run
// button and the run command start it here; the toolbar's stop button stops
// it here, so nobody else needs to know which run is going on. The run
// itself belongs to the state and deletes itself when finished.
class RunController : public QObject {
    Q_OBJECT

public:
    explicit RunController(AppState& state, QObject* parent = nullptr);

    // Runs the selected file against the test cases; does nothing when no
    // file is selected or a run is going on.
    void start();
    // Cancels the running run, which still finishes with its report.
    void stop();
    bool isRunning() const { return !m_run.isNull(); }

signals:
    // A run began: the console is the place to watch it.
    void started();

private:
    AppState& m_state;
    QPointer<JudgeRun> m_run;
};
