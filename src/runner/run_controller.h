#pragma once

#include "base/compiler_message.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QUuid>

class AppState;
class JudgeRun;

// The one owner of the window's running test run. The test panel's run
// button and the run command start it here; the toolbar's stop button stops
// it here, so nobody else needs to know which run is going on. The run
// itself belongs to the state and deletes itself when finished; its end is
// told here with what the compiler, or the interpreter at run time, said
// about the file, so the editor can mark the lines.
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
    // The run of file `fileId` ended, after its results and report reached
    // the state. `messages` are those about that file, in the order printed;
    // `nothingRan`: a failure before the first case (a compile error) kept
    // every case from running, and the report says why.
    void finished(const QUuid& fileId, const QList<CompilerMessage>& messages, bool nothingRan);

private:
    AppState& m_state;
    QPointer<JudgeRun> m_run;
};
