#pragma once

#include "base/compiler_message.h"
#include "runner/compiler_messages.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUuid>

class SettingsStore;
class Workspace;
class JudgeRun;

// The window's one run: the run button, the run command and the stop button
// all come here. It owns the running JudgeRun and the console text, applies
// each case's result to the state's test cases as it arrives, and shows the
// report when the run finishes. The run is its child: deleting the session
// cancels the run and waits for its worker, so no program it started outlives it.
// A run's end is told with what the compiler, or the interpreter at run time,
// said about the file, so the editor can mark the lines.
class RunSession : public QObject {
    Q_OBJECT

public:
    RunSession(Workspace& workspace, const SettingsStore& settings, QObject* parent = nullptr);

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
    // The run of file `fileId` ended, after its results and report were
    // applied. `messages` are those about that file, in the order printed;
    // `nothingRan`: a failure before the first case (a compile error) kept
    // every case from running, and the report says why.
    void finished(const QUuid& fileId, const QList<CompilerMessage>& messages, bool nothingRan);

private:
    void finish(const QString& report, const QUuid& fileId, const MessageSource& source);

    Workspace& m_workspace;
    const SettingsStore& m_settings;
    QPointer<JudgeRun> m_run;
    QString m_consoleText;
};
