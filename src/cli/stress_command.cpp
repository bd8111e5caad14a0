#include "cli/cli_commands.h"

#include "runner/stress_session.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <optional>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString verb = u"stress"_s;
constexpr int defaultTimeoutSeconds = 5;
constexpr double defaultSeconds = 10;
constexpr qsizetype shownBytes = 2000;
constexpr int stopSignals[] = {SIGINT, SIGTERM, SIGHUP};

std::atomic<StressSession*> activeSession{nullptr};

void stopActiveSession(int) {
    if (StressSession* session = activeSession.load())
        session->stop();
}

void print(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

struct Options {
    QStringList files;
    StressBudget budget;
    QString pattern;
    std::optional<ComparisonMode> comparison;
    QString checker;
    CheckerStyle checkerStyle = CheckerStyle::testlib;
    bool checkerStyleGiven = false;
    int timeoutSeconds = defaultTimeoutSeconds;
    int memoryMB = 0;
    QString outputFolder = u"."_s;
};

// Nothing after a usage error, which it has printed.
std::optional<Options> parseOptions(const QStringList& arguments, int* status) {
    Options options;
    bool budgetGiven = false;
    const auto fail = [&](const QString& problem) {
        *status = badUsage(verb, problem);
        return std::nullopt;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(u"--"_s)) {
            options.files.append(argument);
            continue;
        }
        if (i + 1 == arguments.size())
            return fail(argument + u" needs a value"_s);
        const QString value = arguments[++i];
        bool ok = false;
        if (argument == u"--rounds"_s) {
            options.budget.rounds = value.toULongLong(&ok);
            if (!ok || options.budget.rounds == 0)
                return fail(u"--rounds needs a whole number of rounds above 0"_s);
            budgetGiven = true;
        } else if (argument == u"--seconds"_s) {
            options.budget.seconds = value.toDouble(&ok);
            if (!ok || !(options.budget.seconds > 0))
                return fail(u"--seconds needs a number of seconds above 0"_s);
            budgetGiven = true;
        } else if (argument == u"--timeout"_s) {
            options.timeoutSeconds = value.toInt(&ok);
            if (!ok || options.timeoutSeconds < 0)
                return fail(u"--timeout needs a whole number of seconds (0: no limit)"_s);
        } else if (argument == u"--memory"_s) {
            options.memoryMB = value.toInt(&ok);
            if (!ok || options.memoryMB < 0 || options.memoryMB > largestMemoryMB)
                return fail(u"--memory needs a whole number of megabytes up to "_s +
                            QString::number(largestMemoryMB) + u" (0: no limit)"_s);
        } else if (argument == u"--args"_s) {
            options.pattern = value;
        } else if (argument == u"--compare"_s) {
            options.comparison = ComparisonMode::fromName(value);
            if (!options.comparison)
                return fail(u"unknown comparison \""_s + value +
                            u"\" (one of exact, lines, tokens, float, float:EPS)"_s);
        } else if (argument == u"--checker"_s) {
            options.checker = value;
        } else if (argument == u"--checker-style"_s) {
            const std::optional<CheckerStyle> style = checkerStyleFromName(value);
            if (!style)
                return fail(u"unknown checker style \""_s + value + u"\" (testlib or package)"_s);
            options.checkerStyle = *style;
            options.checkerStyleGiven = true;
        } else if (argument == u"--out"_s) {
            options.outputFolder = value;
        } else {
            return fail(u"unknown option "_s + argument);
        }
    }
    if (options.files.size() != 3)
        return fail(u"expected SOLUTION, BRUTE and GENERATOR"_s);
    if (options.comparison && !options.checker.isEmpty())
        return fail(u"--compare and --checker exclude each other: the checker compares"_s);
    if (options.checkerStyleGiven && options.checker.isEmpty())
        return fail(u"--checker-style goes with --checker"_s);
    if (!budgetGiven)
        options.budget.seconds = defaultSeconds;
    return options;
}

std::optional<StressSource> readSource(const QString& path, QString* error) {
    const std::optional<ProgrammingLanguage> language = languageOfFile(path);
    if (!language) {
        *error = u"no language has the extension of "_s + path;
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + u": "_s + file.errorString();
        return std::nullopt;
    }
    return StressSource{QString::fromUtf8(file.readAll()), *language, QFileInfo(path).fileName()};
}

QString shown(const QByteArray& bytes) {
    if (bytes.size() <= shownBytes)
        return QString::fromUtf8(bytes);
    return QString::fromUtf8(bytes.first(shownBytes)) + u"\n… ("_s + QString::number(bytes.size()) +
           u"바이트 중 처음 "_s + QString::number(shownBytes) + u"바이트)\n"_s;
}

QString generatorCall(const StressRound& round) {
    return (QStringList{QString::number(round.seed)} + round.arguments).join(u' ');
}

// The smallest number N above those of the folder's cases (N.in, N.ans,
// N.out) whose two files can be created new; never replaces a file.
std::optional<QString> saveCase(const QString& folderPath, const StressRound& round,
                                QString* error) {
    QDir folder(folderPath);
    if (!folder.mkpath(u"."_s)) {
        *error = folderPath + u": 폴더를 만들 수 없습니다"_s;
        return std::nullopt;
    }
    static const QRegularExpression caseName(u"^(\\d+)\\.(in|ans|out)$"_s);
    qulonglong number = 0;
    for (const QString& name : folder.entryList(QDir::Files)) {
        const QRegularExpressionMatch match = caseName.match(name);
        if (match.hasMatch())
            number = std::max(number, match.captured(1).toULongLong());
    }
    const auto failed = [&](QFile& file) {
        *error = file.fileName() + u": "_s + file.errorString();
        return std::nullopt;
    };
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString base = folder.filePath(QString::number(++number));
        QFile input(base + u".in"_s);
        QFile answer(base + u".ans"_s);
        if (!input.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (input.exists())
                continue;
            return failed(input);
        }
        if (!answer.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            input.remove();
            if (answer.exists())
                continue;
            return failed(answer);
        }
        for (const auto& [file, bytes] :
             {std::pair{&input, &round.input}, std::pair{&answer, &round.answer}}) {
            if (file->write(*bytes) != bytes->size() || !file->flush()) {
                const std::optional<QString> none = failed(*file);
                input.remove();
                answer.remove();
                return none;
            }
        }
        return base;
    }
    *error = folderPath + u": 빈 번호를 찾지 못했습니다"_s;
    return std::nullopt;
}

int report(const StressResult& result, const QString& outputFolder) {
    const StressProgress& progress = result.progress;
    const QString counts = u"라운드 "_s + QString::number(progress.rounds) + u"회, "_s +
                           QString::number(progress.elapsedSeconds, 'f', 1) + u"초, 초당 "_s +
                           QString::number(progress.roundsPerSecond, 'f', 1) + u"회"_s;
    const StressRound& round = result.smallest;
    switch (result.outcome) {
    case StressResult::Outcome::noDifference:
        print(stdout, u"✅ 차이를 찾지 못했습니다 ("_s + counts + u")\n"_s);
        return 0;
    case StressResult::Outcome::stopped:
        print(stdout, u"⏹️ 중지됨 ("_s + counts + u")\n"_s);
        return 130;
    case StressResult::Outcome::programFailed:
        // A program that did not compile failed before any round had a seed.
        print(stdout,
              u"⚠️ "_s + round.message +
                  (round.seed != 0 ? u"\n생성기 인자: "_s + generatorCall(round) : QString()) +
                  u"\n("_s + counts + u")\n"_s);
        return 3;
    case StressResult::Outcome::counterexample:
        break;
    }
    QString text = u"❌ 반례: "_s + stressFailureWords(round.failure) + u" (생성기 인자: "_s +
                   generatorCall(round) + u")\n"_s + round.message + u'\n';
    if (result.found.input.size() != round.input.size()) {
        text += u"처음 찾은 반례 "_s + QString::number(result.found.input.size()) +
                u"바이트에서 "_s + QString::number(round.input.size()) + u"바이트로 줄임 (시도 "_s +
                QString::number(progress.shrinkRounds) + u"회)\n"_s;
    }
    text += u"── 입력\n"_s + shown(round.input) + u"── 브루트포스 출력\n"_s + shown(round.answer) +
            u"── 풀이 출력\n"_s + shown(round.output);
    if (!result.diff.summary.isEmpty())
        text += u"── "_s + result.diff.summary + u'\n';
    text += u"("_s + counts + u")\n"_s;
    print(stdout, text);
    QString error;
    const std::optional<QString> saved = saveCase(outputFolder, round, &error);
    if (!saved) {
        print(stderr, u"corvanta-cli stress: 반례를 저장하지 못했습니다: "_s + error + u'\n');
        return 3;
    }
    print(stdout, u"저장: "_s + *saved + u".in, "_s + *saved + u".ans\n"_s);
    return 1;
}

} // namespace

int runStress(const QStringList& arguments) {
    int status = 0;
    const std::optional<Options> options = parseOptions(arguments, &status);
    if (!options)
        return status;

    QString error;
    StressSetup setup;
    const std::optional<StressPattern> pattern = StressPattern::parse(options->pattern, &error);
    if (!pattern)
        return badUsage(verb, u"--args: "_s + error);
    setup.pattern = *pattern;
    std::optional<StressSource> sources[3];
    for (int i = 0; i < 3; ++i) {
        sources[i] = readSource(options->files[i], &error);
        if (!sources[i])
            return badUsage(verb, error);
    }
    setup.sources.solution = *sources[0];
    setup.sources.bruteForce = *sources[1];
    setup.sources.generator = *sources[2];
    if (!options->checker.isEmpty()) {
        setup.sources.checker = readSource(options->checker, &error);
        if (!setup.sources.checker)
            return badUsage(verb, error);
        setup.sources.checkerStyle = options->checkerStyle;
    }
    setup.comparison = options->comparison.value_or(ComparisonMode());
    // The timeout is the solution's time limit too, as `run` has it.
    ExecutionSettings limits;
    limits.executionTimeout = options->timeoutSeconds;
    limits.memoryLimit = options->memoryMB;
    setup.limits = RunLimits::fromSettings(limits);
    setup.budget = options->budget;

    StressSession session(setup);
    QEventLoop loop;
    std::optional<StressResult> result;
    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    if (terminal) {
        QObject::connect(&session, &StressSession::progressed, [](const StressProgress& progress) {
            print(stderr, u"\r"_s + stressProgressLine(progress) + u"\x1b[K"_s);
        });
    }
    QObject::connect(&session, &StressSession::finished, &loop, [&](const StressResult& finished) {
        result = finished;
        loop.quit();
    });

    // The programs run in process groups of their own, out of reach of the
    // terminal's Ctrl+C: the signal stops the session instead, which kills
    // them. A second signal ends this process the usual way.
    struct sigaction stop = {};
    stop.sa_handler = stopActiveSession;
    stop.sa_flags = SA_RESETHAND;
    struct sigaction previous[std::size(stopSignals)];
    activeSession = &session;
    for (std::size_t i = 0; i < std::size(stopSignals); ++i)
        sigaction(stopSignals[i], &stop, &previous[i]);
    session.start();
    loop.exec();
    for (std::size_t i = 0; i < std::size(stopSignals); ++i)
        sigaction(stopSignals[i], &previous[i], nullptr);
    activeSession = nullptr;
    if (terminal)
        print(stderr, u"\r\x1b[K"_s);
    return report(*result, options->outputFolder);
}
