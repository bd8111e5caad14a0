#pragma once

#include "base/records.h"
#include "runner/program_run.h"
#include "runner/run_limits.h"
#include "runner/run_report.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUuid>
#include <optional>
#include <thread>

// One run of a file against a list of test cases. The file, the cases and
// the limits are copied when the run is made, so later edits do not touch it.
// start() works through the cases in order on one worker thread, compiling
// once; every case's record and, after the last, the report arrive as signals
// on the thread the run belongs to, in that order. A compile error is the
// verdict of every case, and the report shows its message once. cancel() kills
// the running program (that case is stopped), runs no further case and still
// finishes with the report. Destroying a run cancels it and waits for the
// worker, so nothing it started outlives it.
class JudgeRun : public QObject {
    Q_OBJECT

public:
    JudgeRun(const FileItem& file, const QList<TestCase>& testCases, const RunLimits& limits,
             QObject* parent = nullptr);
    ~JudgeRun() override;

    // How compiler messages name the file; its name unless set. Before start().
    void setSourceName(const QString& name) { m_sourceName = name; }
    void start();
    // Safe from any thread and from a signal handler.
    void cancel();

    // Empty until finished.
    const QString& report() const { return m_report; }
    const QList<TestRunRecord>& records() const { return m_records; }
    // What kept every case from running (a compile error), once finished.
    const std::optional<CaseResult>& runFailure() const { return m_runFailure; }

signals:
    void caseFinished(const QUuid& testCaseId, const TestRunRecord& record);
    void finished(const QString& report, bool allPassed);

private:
    void work();
    void receiveCase(const QUuid& testCaseId, const TestRunRecord& record);
    void finish(const QString& report, const std::optional<CaseResult>& runFailure);

    const FileItem m_file;
    QString m_sourceName;
    const QList<TestCase> m_testCases;
    const RunLimits m_limits;
    StopSignal m_stop;
    std::thread m_worker;
    QList<TestRunRecord> m_records;
    QString m_report;
    std::optional<CaseResult> m_runFailure;
    bool m_finished = false;
};
