#include "cli/cli_commands.h"

#include "runner/compile_servers.h"
#include "runner/judge_run.h"
#include "runner/problem_package.h"

#include <QCollator>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString verb = u"run"_s;
constexpr int defaultTimeoutSeconds = 5;
constexpr int defaultMemoryMB = 256;
constexpr int stopSignals[] = {SIGINT, SIGTERM, SIGHUP};

std::atomic<JudgeRun*> activeRun{nullptr};
std::atomic<bool> interrupted{false};

std::optional<QString> readText(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + u": "_s + file.errorString();
        return std::nullopt;
    }
    return QString::fromUtf8(file.readAll());
}

// Adds the NAME.in files of ROOT/RELATIVE and, `depth` levels further down,
// of its folders, as paths relative to ROOT.
void collectInputs(const QDir& root, const QString& relative, int depth, QStringList* inputs) {
    const QDir folder(root.filePath(relative));
    const QString prefix = relative.isEmpty() ? QString() : relative + u'/';
    for (const QString& input : folder.entryList({u"*.in"_s}, QDir::Files))
        inputs->append(prefix + input);
    if (depth == 0)
        return;
    for (const QString& child : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        collectInputs(root, prefix + child, depth - 1, inputs);
}

// The cases at the top of TESTDIR, or when there are none, those one and two
// folders down (a problem package's data/sample and data/secret), in natural
// order of their relative paths (2 before 10).
QStringList findInputs(const QDir& folder) {
    QStringList inputs;
    collectInputs(folder, QString(), 0, &inputs);
    if (inputs.isEmpty()) {
        for (const QString& child : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            collectInputs(folder, child, 1, &inputs);
    }
    QCollator naturalOrder(QLocale(QLocale::English));
    naturalOrder.setNumericMode(true);
    std::sort(inputs.begin(), inputs.end(), naturalOrder);
    return inputs;
}

// The cases of a test folder; a case is named by its input's path without ".in".
struct NamedCases {
    QStringList names;
    QList<TestCase> cases;
};

// Each input with NAME.out (or NAME.ans) beside it; a case without an
// expected file expects nothing.
std::optional<NamedCases> readTestCases(const QDir& folder, QString* error) {
    NamedCases testCases;
    for (const QString& input : findInputs(folder)) {
        const QString base = folder.filePath(input.chopped(3));
        TestCase testCase;
        const std::optional<QString> text = readText(folder.filePath(input), error);
        if (!text)
            return std::nullopt;
        testCase.input = *text;
        for (const QString& suffix : {u".out"_s, u".ans"_s}) {
            if (QFileInfo::exists(base + suffix)) {
                const std::optional<QString> expected = readText(base + suffix, error);
                if (!expected)
                    return std::nullopt;
                testCase.expectedOutput = *expected;
                break;
            }
        }
        testCases.names.append(input.chopped(3));
        testCases.cases.append(testCase);
    }
    return testCases;
}

// A package's cases: samples first, each answer as the expected output.
std::optional<NamedCases> readPackageCases(const ProblemPackage& package, QString* error) {
    NamedCases testCases;
    for (const ProblemPackage::Case& packageCase : package.cases) {
        TestCase testCase;
        const std::optional<QString> input = readText(packageCase.inputPath, error);
        if (!input)
            return std::nullopt;
        testCase.input = *input;
        if (!packageCase.answerPath.isEmpty()) {
            const std::optional<QString> answer = readText(packageCase.answerPath, error);
            if (!answer)
                return std::nullopt;
            testCase.expectedOutput = *answer;
        }
        testCases.names.append(packageCase.name);
        testCases.cases.append(testCase);
    }
    return testCases;
}

// The default output validator's rule: tokens, numbers within a tolerance
// when its flags give one.
ComparisonMode packageComparison(const QStringList& flags) {
    for (qsizetype i = 0; i + 1 < flags.size(); ++i) {
        if (flags[i].startsWith(u"float_"_s) && flags[i].endsWith(u"tolerance"_s)) {
            if (const std::optional<ComparisonMode> mode =
                    ComparisonMode::fromName(u"float:"_s + flags[i + 1]))
                return *mode;
        }
    }
    return {ComparisonMode::Kind::tokens};
}

// A package judges as laid out: its validator in the package convention, its
// time and memory limits, unless the command line says otherwise.
void applyPackage(const ProblemPackage& package, JudgeOptions& judging) {
    switch (package.validation) {
    case ProblemPackage::Validation::standard:
        judging.comparison = packageComparison(package.validatorFlags);
        return;
    case ProblemPackage::Validation::custom:
    case ProblemPackage::Validation::interactive: {
        QString ignored;
        const std::optional<QString> code = readText(package.validatorPath, &ignored);
        FileItem validator = FileItem::make(QFileInfo(package.validatorPath).fileName(),
                                            package.validatorLanguage, code.value_or(QString()));
        if (package.validation == ProblemPackage::Validation::custom)
            judging.checker = validator;
        else
            judging.interactor = validator;
        judging.style = CheckerStyle::package;
        judging.checkerArguments = package.validatorFlags;
        return;
    }
    }
}

QString judgedBy(const JudgeOptions& judging) {
    const auto program = [&](const QString& what, const FileItem& file) {
        return what + u' ' + file.name + u" ("_s + checkerStyleName(judging.style) + u')';
    };
    if (judging.interactor)
        return program(u"interactor"_s, *judging.interactor);
    if (judging.checker)
        return program(u"checker"_s, *judging.checker);
    return judging.comparison.name();
}

// What went wrong first, or the best that went right.
VerdictKind runVerdict(const JudgeRun& run) {
    if (run.runFailure())
        return run.runFailure()->verdict.kind;
    bool compared = false;
    for (const TestRunRecord& record : run.records()) {
        if (!record.result.verdict.passes())
            return record.result.verdict.kind;
        compared |= record.result.verdict.kind == VerdictKind::accepted;
    }
    return compared ? VerdictKind::accepted : VerdictKind::noExpectedOutput;
}

QJsonObject runJson(const JudgeRun& run, const FileItem& file, const QStringList& names,
                    const RunLimits& limits, const JudgeOptions& judging) {
    QJsonArray cases;
    int passed = 0;
    for (const TestRunRecord& record : run.records()) {
        const CaseResult& result = record.result;
        QJsonObject entry{{u"name"_s, names.value(record.index)},
                          {u"verdict"_s, verdictWord(result.verdict.kind)},
                          {u"wallMs"_s, result.wallMs},
                          {u"cpuMs"_s, result.cpuMs},
                          {u"peakMemoryKiB"_s, result.peakMemoryKiB}};
        if (result.verdict.kind == VerdictKind::runtimeError) {
            entry.insert(u"exitCode"_s, result.verdict.exitCode);
            entry.insert(u"signal"_s, result.verdict.signal);
        }
        if (result.verdict.kind == VerdictKind::checkerFailure)
            entry.insert(u"message"_s, result.message);
        cases.append(entry);
        passed += result.verdict.passes() ? 1 : 0;
    }
    const QJsonObject object{
        {u"file"_s, file.name},
        {u"language"_s, rawValue(file.language)},
        {u"verdict"_s, verdictWord(runVerdict(run))},
        {u"passed"_s, passed},
        {u"total"_s, cases.size()},
        {u"limits"_s, QJsonObject{{u"timeLimitMs"_s, limits.timeLimitMs},
                                  {u"memoryLimitKiB"_s, limits.memoryLimitKiB},
                                  {u"timeoutSeconds"_s, limits.timeoutSeconds}}},
        {u"judgedBy"_s, judgedBy(judging)},
        {u"compileMessages"_s, run.runFailure() ? run.runFailure()->message : QString()},
        {u"cases"_s, cases},
    };
    return object;
}

// A program runs in a process group of its own, out of reach of the
// terminal's Ctrl+C: the signal stops the run instead, which kills it. A
// second signal ends this process the usual way.
void stopActiveRun(int) {
    interrupted = true;
    if (JudgeRun* run = activeRun.load())
        run->cancel();
}

enum class Outcome { passed, failed, checkerFailed };

// Judges one file. Without `json` its report is printed, with it the run is
// appended to `json`.
Outcome judge(const FileItem& file, const QString& sourceName, const NamedCases& testCases,
              const RunLimits& limits, const JudgeOptions& judging, QJsonArray* json) {
    JudgeRun run(file, testCases.cases, limits);
    run.setSourceName(sourceName);
    run.setJudgeOptions(judging);
    QEventLoop loop;
    bool allPassed = false;
    QObject::connect(&run, &JudgeRun::finished, &loop, [&](const QString&, bool passed) {
        allPassed = passed;
        loop.quit();
    });

    struct sigaction stop = {};
    stop.sa_handler = stopActiveRun;
    stop.sa_flags = SA_RESETHAND;
    struct sigaction previous[std::size(stopSignals)];
    activeRun = &run;
    for (std::size_t i = 0; i < std::size(stopSignals); ++i)
        sigaction(stopSignals[i], &stop, &previous[i]);
    run.start();
    loop.exec();
    for (std::size_t i = 0; i < std::size(stopSignals); ++i)
        sigaction(stopSignals[i], &previous[i], nullptr);
    activeRun = nullptr;

    if (json) {
        json->append(runJson(run, file, testCases.names, limits, judging));
    } else {
        const QByteArray report = run.report().toUtf8();
        std::fwrite(report.constData(), 1, std::size_t(report.size()), stdout);
        std::fflush(stdout);
    }
    if (allPassed)
        return Outcome::passed;
    const bool checkerFailed =
        run.runFailure()
            ? run.runFailure()->verdict.kind == VerdictKind::checkerFailure
            : std::any_of(run.records().begin(), run.records().end(),
                          [](const TestRunRecord& record) {
                              return record.result.verdict.kind == VerdictKind::checkerFailure;
                          });
    return checkerFailed ? Outcome::checkerFailed : Outcome::failed;
}

std::optional<FileItem> readProgram(const QString& path, QString* error) {
    const std::optional<ProgrammingLanguage> language = languageOfFile(path);
    if (!language) {
        *error = u"no language has the extension of "_s + path;
        return std::nullopt;
    }
    const std::optional<QString> code = readText(path, error);
    if (!code)
        return std::nullopt;
    return FileItem::make(QFileInfo(path).fileName(), *language, *code);
}

} // namespace

int runRun(const QStringList& arguments) {
    QStringList positional;
    ExecutionSettings limits{defaultTimeoutSeconds, defaultMemoryMB};
    std::optional<ProgrammingLanguage> language;
    bool json = false;
    bool timeoutGiven = false;
    bool memoryGiven = false;
    std::optional<ComparisonMode> comparison;
    QString checkerPath;
    QString interactorPath;
    std::optional<CheckerStyle> style;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--timeout"_s) {
            bool ok = false;
            limits.executionTimeout = arguments.value(i + 1).toInt(&ok);
            if (!ok || limits.executionTimeout < 0)
                return badUsage(verb, u"--timeout needs a whole number of seconds (0: no limit)"_s);
            timeoutGiven = true;
            ++i;
        } else if (argument == u"--memory"_s) {
            bool ok = false;
            limits.memoryLimit = arguments.value(i + 1).toInt(&ok);
            if (!ok || limits.memoryLimit < 0 || limits.memoryLimit > largestMemoryMB)
                return badUsage(verb, u"--memory needs a whole number of megabytes up to "_s +
                                          QString::number(largestMemoryMB) + u" (0: no limit)"_s);
            memoryGiven = true;
            ++i;
        } else if (argument == u"--compare"_s) {
            comparison = ComparisonMode::fromName(arguments.value(++i));
            if (!comparison)
                return badUsage(verb, u"--compare needs one of exact, lines, tokens, float, "
                                      u"float:EPS"_s);
        } else if (argument == u"--checker"_s || argument == u"--interactor"_s) {
            if (++i == arguments.size())
                return badUsage(verb, argument + u" needs a file"_s);
            (argument == u"--checker"_s ? checkerPath : interactorPath) = arguments[i];
        } else if (argument == u"--checker-style"_s) {
            style = checkerStyleFromName(arguments.value(++i));
            if (!style)
                return badUsage(verb, u"--checker-style needs testlib or package"_s);
        } else if (argument == u"--json"_s) {
            json = true;
        } else if (argument == u"--language"_s) {
            if (++i == arguments.size())
                return badUsage(verb, u"--language needs a name"_s);
            language = languageNamed(arguments[i]);
            if (!language) {
                return badUsage(verb, u"unknown language \""_s + arguments[i] + u"\" (one of "_s +
                                          languageNames() + u")"_s);
            }
        } else if (argument.startsWith(u"--"_s)) {
            return badUsage(verb, u"unknown option "_s + argument);
        } else {
            positional.append(argument);
        }
    }
    if (positional.size() < 2)
        return badUsage(verb, u"expected FILE and TESTDIR"_s);
    if (comparison && !(checkerPath.isEmpty() && interactorPath.isEmpty()))
        return badUsage(verb, u"--compare goes without --checker and --interactor: they judge"_s);
    if (!checkerPath.isEmpty() && !interactorPath.isEmpty())
        return badUsage(verb, u"--checker and --interactor exclude each other"_s);
    if (style && checkerPath.isEmpty() && interactorPath.isEmpty())
        return badUsage(verb, u"--checker-style goes with --checker or --interactor"_s);
    const QString testFolderPath = positional.takeLast();

    QList<ProgrammingLanguage> languages;
    for (const QString& path : std::as_const(positional)) {
        const std::optional<ProgrammingLanguage> fileLanguage =
            language ? language : languageOfFile(path);
        if (!fileLanguage) {
            return badUsage(verb, u"no language has the extension of "_s + path +
                                      u"; pass --language NAME"_s);
        }
        languages.append(*fileLanguage);
    }
    const QDir testFolder(testFolderPath);
    if (!testFolder.exists())
        return badUsage(verb, u"no such test folder: "_s + testFolderPath);
    QString error;
    QList<FileItem> files;
    for (qsizetype i = 0; i < positional.size(); ++i) {
        const std::optional<QString> code = readText(positional[i], &error);
        if (!code)
            return badUsage(verb, error);
        files.append(FileItem::make(QFileInfo(positional[i]).fileName(), languages[i], *code));
    }
    JudgeOptions judging;
    RunLimits runLimits = RunLimits::fromSettings(limits);
    std::optional<NamedCases> testCases;
    if (QFileInfo::exists(testFolder.filePath(u"problem.yaml"_s))) {
        const std::optional<ProblemPackage> package =
            ProblemPackage::load(testFolder.path(), &error);
        if (!package)
            return badUsage(verb, error);
        applyPackage(*package, judging);
        if (package->timeLimitSeconds && !timeoutGiven) {
            runLimits.timeLimitMs = int(std::lround(*package->timeLimitSeconds * 1000));
            // The hard stop no sooner than the wall time that makes it 시간 초과.
            runLimits.timeoutSeconds = int(std::ceil(*package->timeLimitSeconds * 2));
        }
        if (package->memoryMegabytes && !memoryGiven)
            runLimits.memoryLimitKiB = qint64(*package->memoryMegabytes) * 1024;
        testCases = readPackageCases(*package, &error);
    } else {
        testCases = readTestCases(testFolder, &error);
    }
    if (!testCases)
        return badUsage(verb, error);
    // What the command line names decides over the package.
    if (comparison || !checkerPath.isEmpty() || !interactorPath.isEmpty()) {
        judging = JudgeOptions();
        judging.comparison = comparison.value_or(ComparisonMode{});
        const QString& path = checkerPath.isEmpty() ? interactorPath : checkerPath;
        if (!path.isEmpty()) {
            const std::optional<FileItem> program = readProgram(path, &error);
            if (!program)
                return badUsage(verb, error);
            (checkerPath.isEmpty() ? judging.interactor : judging.checker) = program;
        }
    }
    if (style)
        judging.style = *style;
    if (testCases->cases.isEmpty()) {
        return badUsage(verb, u"no test cases in "_s + testFolderPath +
                                  u": no NAME.in at its top or one or two folders down"_s);
    }

    // A compile server pays for its start from the second compile on.
    for (const ProgrammingLanguage fileLanguage : std::as_const(languages)) {
        if (languages.count(fileLanguage) > 1)
            CompileServers::session().start(fileLanguage, ResidentCompiler::Priority::normal);
    }
    QJsonArray runs;
    Outcome worst = Outcome::passed;
    for (qsizetype i = 0; i < files.size() && !interrupted; ++i) {
        if (files.size() > 1 && !json)
            std::printf("==> %s <==\n", qPrintable(positional[i]));
        worst = std::max(worst, judge(files[i], positional[i], *testCases, runLimits, judging,
                                      json ? &runs : nullptr));
    }
    if (json) {
        // One file's run as an object, several as an array of them.
        const QJsonDocument document =
            runs.size() == 1 ? QJsonDocument(runs.first().toObject()) : QJsonDocument(runs);
        std::fputs(document.toJson(QJsonDocument::Indented).constData(), stdout);
        std::fflush(stdout);
    }
    // 2 is bad usage.
    return worst == Outcome::checkerFailed ? 3 : int(worst);
}
