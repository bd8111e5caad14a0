#include "cli/cli_commands.h"

#include "runner/compile_servers.h"
#include "runner/judge_run.h"

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
#include <csignal>
#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString verb = u"run"_s;
constexpr int defaultTimeoutSeconds = 5;
constexpr int defaultMemoryMB = 256;
// The settings' largest memory limit.
constexpr int largestMemoryMB = 1024 * 1024;
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
                    const RunLimits& limits) {
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

// Judges one file; true when every case passed. Without `json` its report is
// printed, with it the run is appended to `json`.
bool judge(const FileItem& file, const QString& sourceName, const NamedCases& testCases,
           const RunLimits& limits, QJsonArray* json) {
    JudgeRun run(file, testCases.cases, limits);
    run.setSourceName(sourceName);
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
        json->append(runJson(run, file, testCases.names, limits));
        return allPassed;
    }
    const QByteArray report = run.report().toUtf8();
    std::fwrite(report.constData(), 1, std::size_t(report.size()), stdout);
    std::fflush(stdout);
    return allPassed;
}

} // namespace

int runRun(const QStringList& arguments) {
    QStringList positional;
    ExecutionSettings limits{defaultTimeoutSeconds, defaultMemoryMB};
    std::optional<ProgrammingLanguage> language;
    bool json = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--timeout"_s) {
            bool ok = false;
            limits.executionTimeout = arguments.value(i + 1).toInt(&ok);
            if (!ok || limits.executionTimeout < 0)
                return badUsage(verb, u"--timeout needs a whole number of seconds (0: no limit)"_s);
            ++i;
        } else if (argument == u"--memory"_s) {
            bool ok = false;
            limits.memoryLimit = arguments.value(i + 1).toInt(&ok);
            if (!ok || limits.memoryLimit < 0 || limits.memoryLimit > largestMemoryMB)
                return badUsage(verb, u"--memory needs a whole number of megabytes up to "_s +
                                          QString::number(largestMemoryMB) + u" (0: no limit)"_s);
            ++i;
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
    const std::optional<NamedCases> testCases = readTestCases(testFolder, &error);
    if (!testCases)
        return badUsage(verb, error);
    if (testCases->cases.isEmpty()) {
        return badUsage(verb, u"no test cases in "_s + testFolderPath +
                                  u": no NAME.in at its top or one or two folders down"_s);
    }

    // A compile server pays for its start from the second compile on.
    for (const ProgrammingLanguage fileLanguage : std::as_const(languages)) {
        if (languages.count(fileLanguage) > 1)
            CompileServers::session().start(fileLanguage, ResidentCompiler::Priority::normal);
    }
    const RunLimits runLimits = RunLimits::fromSettings(limits);
    QJsonArray runs;
    bool allPassed = true;
    for (qsizetype i = 0; i < files.size() && !interrupted; ++i) {
        if (files.size() > 1 && !json)
            std::printf("==> %s <==\n", qPrintable(positional[i]));
        allPassed = judge(files[i], positional[i], *testCases, runLimits, json ? &runs : nullptr) &&
                    allPassed;
    }
    if (json) {
        // One file's run as an object, several as an array of them.
        const QJsonDocument document =
            runs.size() == 1 ? QJsonDocument(runs.first().toObject()) : QJsonDocument(runs);
        std::fputs(document.toJson(QJsonDocument::Indented).constData(), stdout);
        std::fflush(stdout);
    }
    return allPassed ? 0 : 1;
}
