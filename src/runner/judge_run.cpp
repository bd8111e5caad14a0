#include "runner/judge_run.h"

#include "runner/code_runner.h"

#include <algorithm>
#include <optional>

namespace {

// A case that ran cleanly is judged by its output.
CaseResult judged(CaseResult result, const QString& expectedOutput) {
    if (result.verdict.kind == VerdictKind::accepted)
        result.verdict = compareOutput(expectedOutput, result.output);
    return result;
}

} // namespace

JudgeRun::JudgeRun(const FileItem& file, const QList<TestCase>& testCases, const RunLimits& limits,
                   QObject* parent)
    : QObject(parent), m_file(file), m_sourceName(file.name), m_testCases(testCases),
      m_limits(limits) {}

JudgeRun::~JudgeRun() {
    cancel();
    if (m_worker.joinable())
        m_worker.join();
}

void JudgeRun::start() {
    if (m_worker.joinable() || m_finished)
        return;
    m_worker = std::thread(&JudgeRun::work, this);
}

void JudgeRun::cancel() {
    m_stop.stop();
}

// On the worker. Results travel to the run's own thread as queued calls,
// which keep their order; the run's destructor joins this thread before any
// of them could reach a deleted object.
void JudgeRun::work() {
    std::optional<PreparedProgram> program;
    std::optional<CaseResult> runFailure;
    QList<TestRunRecord> records;
    PrepareOptions options;
    options.sourceName = m_sourceName;
    options.stop = &m_stop;
    // A stop ends the run after the case it reaches, which then says it was
    // stopped: even a stop that comes before the first case starts leaves a
    // stopped case in the report, never a report of no case passing "all".
    for (int index = 0; index < m_testCases.size(); ++index) {
        const TestCase& testCase = m_testCases[index];
        if (!program) {
            program = PreparedProgram::prepare(m_file.content, m_file.language, options);
            const std::optional<CaseResult>& failure = program->failure();
            if (failure && failure->verdict.kind != VerdictKind::stopped)
                runFailure = failure;
        }
        TestRunRecord record{index, {}};
        // The failure's message goes into the report once, not into every case.
        if (runFailure)
            record.result.verdict = runFailure->verdict;
        else
            record.result = judged(program->execute(testCase.input, m_limits, &m_stop),
                                   testCase.expectedOutput);
        records.append(record);
        QMetaObject::invokeMethod(
            this, [this, id = testCase.id, record] { receiveCase(id, record); },
            Qt::QueuedConnection);
        if (m_stop.isStopped())
            break;
    }
    program.reset();
    // Built here: with an output of tens of megabytes the report takes long
    // enough to be felt on the window's thread.
    QMetaObject::invokeMethod(
        this,
        [this, report = buildRunReport(m_file, records, runFailure), runFailure] {
            finish(report, runFailure);
        },
        Qt::QueuedConnection);
}

void JudgeRun::receiveCase(const QUuid& testCaseId, const TestRunRecord& record) {
    m_records.append(record);
    emit caseFinished(testCaseId, record);
}

void JudgeRun::finish(const QString& report, const std::optional<CaseResult>& runFailure) {
    m_worker.join();
    m_finished = true;
    m_report = report;
    m_runFailure = runFailure;
    const bool allPassed =
        std::all_of(m_records.begin(), m_records.end(),
                    [](const TestRunRecord& record) { return record.result.verdict.passes(); });
    emit finished(m_report, allPassed);
}
