#include "runner/run_controller.h"

#include "runner/compiler_messages.h"
#include "runner/judge_run.h"
#include "workspace/app_state.h"

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

RunController::RunController(AppState& state, QObject* parent) : QObject(parent), m_state(state) {}

void RunController::start() {
    JudgeRun* run = startJudgeRun(m_state);
    if (!run)
        return;
    m_run = run;
    // The run copied the file as it was committed; its messages are about that text.
    const FileItem& file = *m_state.selectedFile();
    connect(run, &JudgeRun::finished, this,
            [this, run, id = file.id, source = MessageSource{file.name, file.content}] {
                emit finished(id, messagesAbout(*run, source), run->runFailure().has_value());
            });
    emit started();
}

void RunController::stop() {
    if (m_run)
        m_run->cancel();
}
