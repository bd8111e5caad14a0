#pragma once

#include "base/records.h"
#include "runner/program_run.h"
#include "runner/run_report.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUuid>
#include <thread>

class AppState;

// One run of a file against a list of test cases. The file, the cases and
// the time limit are copied when the run is made, so later edits do not touch
// it. start() works through the cases in order on one worker thread, compiling
// once; every case's record and, after the last, the report arrive as signals
// on the thread the run belongs to, in that order. cancel() kills the running
// program (that case fails with "⏹️ 실행 중지됨"), runs no further case and
// still finishes with the report. Destroying a run cancels it and waits for
// the worker, so nothing it started outlives it.
class JudgeRun : public QObject {
    Q_OBJECT

public:
    JudgeRun(const FileItem& file, const QList<TestCase>& testCases, int timeoutSeconds,
             QObject* parent = nullptr);
    ~JudgeRun() override;

    // How compiler messages name the file; its name unless set. Before start().
    void setSourceName(const QString& name) { m_sourceName = name; }
    void start();
    // Safe from any thread and from a signal handler.
    void cancel();

    // Empty until finished.
    const QString& report() const { return m_report; }

signals:
    void caseFinished(const QUuid& testCaseId, const TestRunRecord& record);
    void finished(const QString& report, bool allPassed);

private:
    void work();
    void receiveCase(const QUuid& testCaseId, const TestRunRecord& record);
    void finish(const QString& report);

    const FileItem m_file;
    QString m_sourceName;
    const QList<TestCase> m_testCases;
    const int m_timeoutSeconds;
    StopSignal m_stop;
    std::thread m_worker;
    QList<TestRunRecord> m_records;
    QString m_report;
    bool m_finished = false;
};

// The run command: runs the selected file against the state's test cases.
// Does nothing and returns null when no file is selected or a run is going
// on. Otherwise sets isRunning and the "실행 중" console text, clears every
// case's last results, and applies each case's outcome (a case whose stored
// expected output is empty gets no verdict) and finally the report to the
// state. The run belongs to the state and deletes itself when finished.
JudgeRun* startJudgeRun(AppState& state);

// The stop command: cancels the run going on in the state, whoever started
// it. Nothing happens when no run goes on.
void stopJudgeRun(AppState& state);
