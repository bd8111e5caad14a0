#include "runner/stress_round.h"

#include "runner/case_judge.h"
#include "runner/run_report.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <sys/mman.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using Status = ProgramRun::Status;

constexpr qsizetype shownErrorBytes = 4000;

QString roleName(StressRole role) {
    switch (role) {
    case StressRole::solution:
        return u"풀이"_s;
    case StressRole::bruteForce:
        return u"브루트포스"_s;
    case StressRole::generator:
        return u"생성기"_s;
    case StressRole::checker:
        return u"채점기"_s;
    }
    return {};
}

QString errorText(const QByteArray& standardError) {
    return QString::fromUtf8(standardError.first(std::min(standardError.size(), shownErrorBytes)))
        .trimmed();
}

// How a program other than the solution failed to end cleanly, in words,
// with what it said on its standard error.
QString endDescription(const ProgramRun::Outcome& end, int timeoutSeconds) {
    QString what;
    switch (end.status) {
    case Status::failedToStart:
        return u"실행 실패: "_s + end.errorDescription;
    case Status::timedOut:
        what = u"⏱️ 시간 초과 ("_s + QString::number(timeoutSeconds) + u"초)"_s;
        break;
    case Status::outputLimitExceeded:
        what = u"출력 초과 (64MB)"_s;
        break;
    case Status::memoryLimitExceeded:
        what = u"메모리 초과"_s;
        break;
    case Status::stopped:
        return u"⏹️ 실행 중지됨"_s;
    case Status::finished:
        what = end.crashSignal != 0
                   ? u"런타임 에러 (시그널 "_s + QString::number(end.crashSignal) + u')'
                   : u"런타임 에러 (종료 코드 "_s + QString::number(end.exitCode) + u')';
        break;
    }
    const QString errors = errorText(end.standardError);
    return errors.isEmpty() ? what : what + u'\n' + errors;
}

// The solution's failure in the judge's words, with the limit it broke.
QString solutionDescription(const CaseResult& judged, const ProgramRun::Outcome& end,
                            const RunLimits& limits) {
    QString what = verdictLabel(judged.verdict);
    if (judged.verdict.kind == VerdictKind::timeLimit && limits.timeLimitMs > 0)
        what += u" (제한 "_s + QString::number(limits.timeLimitMs) + u"ms)"_s;
    else if (judged.verdict.kind == VerdictKind::memoryLimit)
        what += u" (제한 "_s + memoryLabel(limits.memoryLimitKiB) + u')';
    const QString errors = errorText(end.standardError);
    return errors.isEmpty() ? what : what + u'\n' + errors;
}

// Through the exec helper only under a memory limit: the helper costs about
// as much as a small program's whole run.
ProgramRun::Outcome execute(const PreparedProgram& program, const QStringList& extraArguments,
                            const QString& inputPath, std::chrono::milliseconds endAfter,
                            const StopSignal* stop, qint64 memoryLimitKiB = 0) {
    std::optional<PreparedProgram::Command> measured;
    if (memoryLimitKiB > 0)
        measured = program.command(memoryLimitKiB);
    ProgramRun run(measured ? measured->program : program.program(),
                   (measured ? measured->arguments : program.arguments()) + extraArguments);
    if (measured)
        run.setMeasured(measured->limits);
    run.setInputFile(inputPath);
    run.setTimeLimit(endAfter);
    run.setStopSignal(stop);
    return run.run();
}

StressRound& blame(StressRound& round, StressRole culprit, const QString& message) {
    round.outcome = StressRound::Outcome::programFailed;
    round.culprit = culprit;
    round.message = roleName(culprit) + u": "_s + message;
    return round;
}

void failSolution(StressRound& round, StressRound::Failure failure, const QString& message) {
    round.outcome = StressRound::Outcome::counterexample;
    round.failure = failure;
    round.message = message;
}

// A solution's end, judged as the judge judges a case; a stop is not a
// failure.
std::optional<StressRound::Failure> solutionFailure(VerdictKind verdict) {
    switch (verdict) {
    case VerdictKind::timeLimit:
        return StressRound::Failure::timeLimit;
    case VerdictKind::outputLimit:
        return StressRound::Failure::outputLimit;
    case VerdictKind::memoryLimit:
        return StressRound::Failure::memoryLimit;
    case VerdictKind::runtimeError:
        return StressRound::Failure::runtimeError;
    default:
        return std::nullopt;
    }
}

// Sums the magnitudes of the whole-number words; other words count nothing.
double magnitudeOf(QByteArrayView input) {
    double sum = 0;
    qsizetype i = 0;
    while (i < input.size()) {
        while (i < input.size() && std::isspace(static_cast<unsigned char>(input[i])))
            ++i;
        const qsizetype start = i;
        while (i < input.size() && !std::isspace(static_cast<unsigned char>(input[i])))
            ++i;
        QByteArrayView word = input.sliced(start, i - start);
        if (word.startsWith('-') || word.startsWith('+'))
            word = word.sliced(1);
        if (!word.isEmpty() &&
            std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; }))
            sum += word.toDouble();
    }
    return sum;
}

} // namespace

StressInput::StressInput() : m_descriptor(::memfd_create("stress-input", MFD_CLOEXEC)) {
    if (m_descriptor >= 0)
        m_path = u"/proc/self/fd/"_s + QString::number(m_descriptor);
    else
        m_openError = errno;
}

StressInput::~StressInput() {
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

bool StressInput::store(QByteArrayView bytes, QString* error) {
    if (m_descriptor < 0) {
        *error = qt_error_string(m_openError);
        return false;
    }
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::pwrite(m_descriptor, bytes.data() + written,
                                       size_t(bytes.size() - written), off_t(written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            *error = qt_error_string(errno);
            return false;
        }
        written += count;
    }
    if (::ftruncate(m_descriptor, off_t(bytes.size())) != 0) {
        *error = qt_error_string(errno);
        return false;
    }
    return true;
}

StressPrograms StressPrograms::prepare(const Sources& sources, ComparisonMode comparison,
                                       const RunLimits& limits, const PrepareOptions& options) {
    StressPrograms programs;
    programs.m_comparison = comparison;
    programs.m_limits = limits;
    const auto named = [&](const StressSource& source) {
        PrepareOptions own = options;
        own.sourceName = source.name;
        return own;
    };
    // Side by side: the compiles take longer than anything a round does.
    std::vector<std::thread> compiles;
    const auto compile = [&](std::optional<PreparedProgram>& program, const StressSource& source) {
        compiles.emplace_back([&program, &source, options = named(source)] {
            program = PreparedProgram::prepare(source.code, source.language, options);
        });
    };
    compile(programs.m_solution, sources.solution);
    compile(programs.m_bruteForce, sources.bruteForce);
    compile(programs.m_generator, sources.generator);
    if (sources.checker) {
        compiles.emplace_back([&, options = named(*sources.checker)] {
            programs.m_checker = Checker::prepare(sources.checker->code, sources.checker->language,
                                                  sources.checkerStyle, options);
        });
    }
    for (std::thread& thread : compiles)
        thread.join();
    return programs;
}

std::optional<StressRound> StressPrograms::failure() const {
    const std::pair<const std::optional<PreparedProgram>&, StressRole> programs[] = {
        {m_solution, StressRole::solution},
        {m_bruteForce, StressRole::bruteForce},
        {m_generator, StressRole::generator},
    };
    for (const auto& [program, role] : programs) {
        if (const std::optional<CaseResult>& failed = program->failure()) {
            StressRound round;
            return blame(round, role, failureText(*failed));
        }
    }
    return std::nullopt;
}

StressRound StressPrograms::run(quint64 seed, const QList<qint64>& values,
                                const QStringList& arguments, StressInput& input,
                                const StopSignal* stop) const {
    StressRound round;
    round.seed = seed;
    round.values = values;
    round.arguments = arguments;
    if (generate(round, stop))
        judge(round, input, stop);
    return round;
}

bool StressPrograms::generate(StressRound& round, const StopSignal* stop) const {
    round.outcome = StressRound::Outcome::stopped;
    const ProgramRun::Outcome generated =
        execute(*m_generator, QStringList{QString::number(round.seed)} + round.arguments,
                u"/dev/null"_s, std::chrono::seconds(m_limits.timeoutSeconds), stop);
    if (generated.status == Status::stopped || (stop && stop->isStopped()))
        return false;
    if (!generated.exitedCleanly()) {
        blame(round, StressRole::generator, endDescription(generated, m_limits.timeoutSeconds));
        return false;
    }
    round.input = generated.standardOutput;
    return true;
}

void StressPrograms::judge(StressRound& round, StressInput& input, const StopSignal* stop) const {
    round.outcome = StressRound::Outcome::stopped;
    const auto stopped = [&](const ProgramRun::Outcome& end) {
        return end.status == Status::stopped || (stop && stop->isStopped());
    };
    QString error;
    if (!input.store(round.input, &error)) {
        blame(round, StressRole::generator, u"입력을 저장하지 못했습니다: "_s + error);
        return;
    }

    const ProgramRun::Outcome brute = execute(*m_bruteForce, {}, input.path(),
                                              std::chrono::seconds(m_limits.timeoutSeconds), stop);
    if (stopped(brute))
        return;
    if (!brute.exitedCleanly()) {
        blame(round, StressRole::bruteForce, endDescription(brute, m_limits.timeoutSeconds));
        return;
    }
    round.answer = brute.standardOutput;

    const ProgramRun::Outcome solved =
        execute(*m_solution, {}, input.path(), m_limits.endAfter(), stop, m_limits.memoryLimitKiB);
    if (stopped(solved))
        return;
    round.output = solved.standardOutput;
    if (solved.status == Status::failedToStart) {
        blame(round, StressRole::solution, endDescription(solved, m_limits.timeoutSeconds));
        return;
    }
    const CaseResult judged = caseResultOf(solved, m_limits);
    if (const std::optional<StressRound::Failure> failure = solutionFailure(judged.verdict.kind)) {
        failSolution(round, *failure, solutionDescription(judged, solved, m_limits));
        return;
    }

    const CheckResult check = m_checker ? m_checker->check(round.input, round.output, round.answer,
                                                           checkerTimeoutSeconds(m_limits), stop)
                                        : compareOutputs(m_comparison, round.output, round.answer);
    if (stop && stop->isStopped())
        return;
    switch (check.verdict) {
    case CheckResult::Verdict::accepted:
        round.outcome = StressRound::Outcome::passed;
        return;
    case CheckResult::Verdict::checkerFailure:
        blame(round, StressRole::checker, check.message);
        return;
    case CheckResult::Verdict::wrongAnswer:
    case CheckResult::Verdict::presentationError:
    case CheckResult::Verdict::points:
        break;
    }
    failSolution(round, StressRound::Failure::wrongAnswer, check.message);
}

QString StressPrograms::ruleLabel() const {
    return m_checker ? u"채점기"_s : m_comparison.label();
}

QString stressFailureWords(StressRound::Failure failure) {
    switch (failure) {
    case StressRound::Failure::wrongAnswer:
        return u"틀렸습니다"_s;
    case StressRound::Failure::timeLimit:
        return u"시간 초과"_s;
    case StressRound::Failure::memoryLimit:
        return u"메모리 초과"_s;
    case StressRound::Failure::runtimeError:
        return u"런타임 에러"_s;
    case StressRound::Failure::outputLimit:
        return u"출력 초과"_s;
    }
    return {};
}

bool isSmallerInput(QByteArrayView a, QByteArrayView b) {
    if (a.size() != b.size())
        return a.size() < b.size();
    const double magnitudeA = magnitudeOf(a);
    const double magnitudeB = magnitudeOf(b);
    if (magnitudeA != magnitudeB)
        return magnitudeA < magnitudeB;
    return a.compare(b) < 0;
}
