#include "runner/run_session.h"

#include "runner/compiler_messages.h"
#include "runner/judge_run.h"
#include "workspace/settings_store.h"
#include "workspace/workspace.h"

namespace {

// A compile error's messages, or else those of the first case that failed
// at run time (an interpreter's traceback); only those about the file.
QList<CompilerMessage> messagesAbout(const JudgeRun& run, const MessageSource& source) {
    QString output;
    if (const std::optional<CaseResult>& failure = run.runFailure())
        output = failure->message;
    for (qsizetype i = 0; output.isEmpty() && i < run.records().size(); ++i) {
        if (run.records()[i].result.verdict.kind == VerdictKind::runtimeError)
            output = run.records()[i].result.message;
    }
    QList<CompilerMessage> messages = parseCompilerMessages(output, source);
    messages.removeIf(
        [&source](const CompilerMessage& message) { return !isAboutSource(message, source); });
    return messages;
}

} // namespace

RunSession::RunSession(Workspace& workspace, const SettingsStore& settings, QObject* parent)
    : QObject(parent), m_workspace(workspace), m_settings(settings) {
    // A reset empties the workspace the console was reporting on.
    connect(&m_workspace, &Workspace::workspaceCleared, this, [this] {
        stop();
        setConsoleText({});
    });
}

bool RunSession::start() {
    const FileItem* selected = m_workspace.selectedFile();
    if (!selected || isRunning())
        return false;
    FileItem file = *selected;
    // What the editor shows, including the keystrokes of the last moment.
    file.content = m_workspace.fileText(file.id);
    m_workspace.cases().clearTestResults();
    m_run = new JudgeRun(
        file, m_workspace.cases().testCases(),
        RunLimits::fromSettings(m_settings.execution(), m_workspace.cases().judgeChoice()), this);
    JudgeOptions judging = judgeOptionsFor(m_workspace.cases().judgeChoice(), m_workspace.files());
    for (std::optional<FileItem>* program : {&judging.checker, &judging.interactor}) {
        if (*program)
            (*program)->content = m_workspace.fileText((*program)->id);
    }
    m_run->setJudgeOptions(judging);
    connect(m_run, &JudgeRun::caseFinished, this,
            [this](const QUuid& testCaseId, const TestRunRecord& record) {
                const TestCase* current = m_workspace.cases().testCase(testCaseId);
                if (!current)
                    return;
                TestCase updated = *current;
                updated.result = record.result;
                m_workspace.cases().updateTestCase(updated);
            });
    connect(m_run, &JudgeRun::finished, this,
            [this, id = file.id, source = MessageSource{file.name, file.content}](
                const QString& report) { finish(report, id, source); });
    setConsoleText(runningMessage(file));
    m_run->start();
    emit runningChanged(true);
    return true;
}

void RunSession::stop() {
    if (m_run)
        m_run->cancel();
}

void RunSession::setConsoleText(const QString& text) {
    if (m_consoleText == text)
        return;
    m_consoleText = text;
    emit consoleTextChanged(text);
}

void RunSession::finish(const QString& report, const QUuid& fileId, const MessageSource& source) {
    const QList<CompilerMessage> messages = messagesAbout(*m_run, source);
    const bool nothingRan = m_run->runFailure().has_value();
    m_run->deleteLater();
    m_run.clear();
    setConsoleText(report);
    emit runningChanged(false);
    emit finished(fileId, messages, nothingRan);
}
