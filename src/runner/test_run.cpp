#include "runner/test_run.h"

#include "runner/code_runner.h"
#include "workspace/app_state.h"

#include <algorithm>
#include <optional>

TestRun::TestRun(const FileItem& file, const QList<TestCase>& testCases, int timeoutSeconds,
                 QObject* parent)
    : QObject(parent), m_file(file), m_sourceName(file.name), m_testCases(testCases),
      m_timeoutSeconds(timeoutSeconds) {}

TestRun::~TestRun() {
    cancel();
    if (m_worker.joinable())
        m_worker.join();
}

void TestRun::start() {
    if (m_worker.joinable() || m_finished)
        return;
    m_worker = std::thread(&TestRun::work, this);
}

void TestRun::cancel() {
    m_stop.stop();
}

// On the worker. Results travel to the run's own thread as queued calls,
// which keep their order; the run's destructor joins this thread before any
// of them could reach a deleted object.
void TestRun::work() {
    std::optional<PreparedProgram> program;
    PrepareOptions options;
    options.sourceName = m_sourceName;
    options.stop = &m_stop;
    for (int index = 0; index < m_testCases.size() && !m_stop.isStopped(); ++index) {
        const TestCase& testCase = m_testCases[index];
        const auto startedAt = PreparedProgram::Clock::now();
        if (!program)
            program = PreparedProgram::prepare(m_file.content, m_file.language, options);
        const RunResult result =
            program->execute(testCase.input, m_timeoutSeconds, &m_stop, startedAt);
        const TestRunRecord record{index, result.output, isPassing(result, testCase.expectedOutput),
                                   result.executionTime};
        QMetaObject::invokeMethod(
            this, [this, id = testCase.id, record] { receiveCase(id, record); },
            Qt::QueuedConnection);
    }
    program.reset();
    QMetaObject::invokeMethod(
        this, [this] { finish(); }, Qt::QueuedConnection);
}

void TestRun::receiveCase(const QUuid& testCaseId, const TestRunRecord& record) {
    m_records.append(record);
    emit caseFinished(testCaseId, record);
}

void TestRun::finish() {
    m_worker.join();
    m_finished = true;
    m_report = buildRunReport(m_file, m_records);
    const bool allPassed = std::all_of(m_records.begin(), m_records.end(),
                                       [](const TestRunRecord& record) { return record.passed; });
    emit finished(m_report, allPassed);
}

TestRun* startTestRun(AppState& state) {
    if (!state.selectedFile() || state.isRunning())
        return nullptr;
    // Run what the editor shows, including keystrokes not yet written back.
    state.commitPendingEdits();
    const FileItem file = *state.selectedFile();
    state.setIsRunning(true);
    state.setConsoleOutput(runningMessage(file));
    state.clearTestResults();

    auto* run = new TestRun(file, state.testCases(), state.settings().execution().executionTimeout, &state);
    QObject::connect(run, &TestRun::caseFinished, &state,
                     [&state](const QUuid& testCaseId, const TestRunRecord& record) {
                         const TestCase* current = state.testCase(testCaseId);
                         if (!current)
                             return;
                         TestCase updated = *current;
                         updated.actualOutput = record.output;
                         updated.passed = updated.expectedOutput.isEmpty()
                                              ? std::nullopt
                                              : std::optional<bool>(record.passed);
                         updated.executionTime = record.executionTime;
                         state.updateTestCase(updated);
                     });
    QObject::connect(run, &TestRun::finished, &state, [&state, run](const QString& report) {
        state.setConsoleOutput(report);
        state.setIsRunning(false);
        run->deleteLater();
    });
    run->start();
    return run;
}
