#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class AppState;
class JudgeRun;

// The window's one run: the run button, the run command and the stop button
// all come here. It owns the running JudgeRun and the console text, applies
// each case's result to the state's test cases as it arrives, and shows the
// report when the run finishes. The run is its child: deleting the session
// cancels the run and waits for its worker, so no program it started outlives it.
class RunSession : public QObject {
    Q_OBJECT

public:
    explicit RunSession(AppState& state, QObject* parent = nullptr);

    // Runs the selected file against the test cases, judged by the execution
    // settings' limits. False (and nothing changes) when no file is selected
    // or a run goes on.
    bool start();
    // Cancels the run, which still finishes with its report; nothing when idle.
    void stop();
    bool isRunning() const { return !m_run.isNull(); }

    const QString& consoleText() const { return m_consoleText; }
    void setConsoleText(const QString& text);

signals:
    void runningChanged(bool running);
    void consoleTextChanged(const QString& text);

private:
    void finish(const QString& report);

    AppState& m_state;
    QPointer<JudgeRun> m_run;
    QString m_consoleText;
};
