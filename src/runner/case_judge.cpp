#include "runner/case_judge.h"

#include "runner/interaction.h"
#include "runner/run_report.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

using Decision = CheckResult::Verdict;

constexpr int shortestCheckerSeconds = 10;

QString joined(const QString& first, const QString& second) {
    if (first.isEmpty() || second.isEmpty())
        return first.isEmpty() ? second : first;
    return first + u'\n' + second;
}

void apply(CaseResult& result, const CheckResult& check) {
    switch (check.verdict) {
    case Decision::accepted:
        result.verdict = {VerdictKind::accepted};
        return;
    case Decision::wrongAnswer:
    case Decision::presentationError:
        result.verdict = {VerdictKind::wrongAnswer};
        break;
    case Decision::points:
        result.verdict = {VerdictKind::wrongAnswer};
        result.message = joined(u"부분 점수 "_s + QString::number(check.points), result.message);
        break;
    case Decision::checkerFailure:
        result.verdict = {VerdictKind::checkerFailure};
        break;
    }
    result.message = joined(check.message, result.message);
}

std::optional<CaseResult> preparationFailure(const std::optional<CaseResult>& failed,
                                             const QString& what) {
    if (!failed || failed->verdict.kind == VerdictKind::stopped)
        return std::nullopt;
    CaseResult result;
    result.verdict = {VerdictKind::checkerFailure};
    result.message = what + u"를 준비하지 못했습니다\n"_s + failureText(*failed);
    return result;
}

} // namespace

JudgeOptions judgeOptionsFor(const JudgeChoice& choice, const QList<FileItem>& files) {
    JudgeOptions options;
    options.comparison = ComparisonMode::fromName(choice.comparison).value_or(ComparisonMode{});
    options.style = checkerStyleFromName(choice.style).value_or(CheckerStyle::testlib);
    const auto file = std::find_if(files.begin(), files.end(), [&](const FileItem& candidate) {
        return candidate.id == choice.programFileId;
    });
    if (file == files.end())
        return options;
    if (choice.program == JudgeChoice::Program::checker)
        options.checker = *file;
    else if (choice.program == JudgeChoice::Program::interactor)
        options.interactor = *file;
    return options;
}

int checkerTimeoutSeconds(const RunLimits& limits) {
    return std::max(limits.timeoutSeconds, shortestCheckerSeconds);
}

CaseJudge CaseJudge::prepare(const JudgeOptions& options, const PrepareOptions& prepare) {
    CaseJudge judge;
    judge.m_comparison = options.comparison;
    judge.m_style = options.style;
    PrepareOptions own = prepare;
    if (options.interactor) {
        own.sourceName = options.interactor->name;
        judge.m_interactor = PreparedProgram::prepare(options.interactor->content,
                                                      options.interactor->language, own);
        judge.m_failure = preparationFailure(judge.m_interactor->failure(), u"인터랙터"_s);
    } else if (options.checker) {
        own.sourceName = options.checker->name;
        judge.m_checker = Checker::prepare(options.checker->content, options.checker->language,
                                           options.style, own);
        judge.m_checker->setExtraArguments(options.checkerArguments);
        judge.m_failure = preparationFailure(judge.m_checker->preparationFailure(), u"채점기"_s);
    }
    return judge;
}

CaseResult CaseJudge::judge(PreparedProgram& solution, const TestCase& testCase,
                            const RunLimits& limits, const StopSignal* stop) const {
    if (m_failure)
        return *m_failure;
    if (m_interactor) {
        const InteractionResult conversation = Interaction::run(
            solution, *m_interactor, m_style, testCase.input.toUtf8(),
            testCase.expectedOutput.toUtf8(), {limits.endAfter(), limits.memoryLimitKiB}, stop);
        CaseResult result = caseResultOf(conversation.solution, limits);
        result.output = conversation.transcript;
        if (conversation.solutionFailed)
            return result;
        // Not its own failure: how it met a conversation the interactor had
        // already closed on a wrong answer.
        if (result.verdict.kind == VerdictKind::runtimeError)
            result.verdict = {VerdictKind::accepted};
        if (result.verdict.kind == VerdictKind::accepted)
            apply(result, conversation.interactor);
        return result;
    }

    CaseResult result = solution.execute(testCase.input, limits, stop);
    if (result.verdict.kind != VerdictKind::accepted)
        return result;
    if (m_checker) {
        apply(result, m_checker->check(testCase.input.toUtf8(), result.output.toUtf8(),
                                       testCase.expectedOutput.toUtf8(),
                                       checkerTimeoutSeconds(limits), stop));
    } else if (m_comparison.kind == ComparisonMode::Kind::lines ||
               normalizeOutput(testCase.expectedOutput).isEmpty()) {
        result.verdict = compareOutput(testCase.expectedOutput, result.output);
    } else {
        apply(result, compareOutputs(m_comparison, result.output.toUtf8(),
                                     testCase.expectedOutput.toUtf8()));
    }
    return result;
}
