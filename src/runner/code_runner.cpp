#include "runner/code_runner.h"

#include "runner/java_class_sharing.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

using Status = ProgramRun::Status;

const QString launcher = QStringLiteral("/usr/bin/env");
const QString cFlags[] = {QStringLiteral("-Wall"), QStringLiteral("-Wextra")};
const QString cppFlags[] = {QStringLiteral("-std=c++17"), QStringLiteral("-O2"),
                            QStringLiteral("-Wall"), QStringLiteral("-Wextra")};

QString fileErrorMessage(const QString& description) {
    return u"파일 생성 실패: "_s + description;
}

QString nativeMissingMessage(const QString& compiler) {
    return u"컴파일러를 찾을 수 없습니다: "_s + compiler + u"\n\n설치 방법:\n- Debian: "_s +
           compiler + u" 설치 필요\n  sudo apt install "_s + compiler;
}

QString javaMissingMessage() {
    return u"Java 컴파일러를 찾을 수 없습니다.\n\n설치 방법:\n- Debian: sudo apt install "
           u"default-jdk\n- 또는 Oracle JDK 설치"_s;
}

QString csharpMissingMessage() {
    return u"C# 컴파일러를 찾을 수 없습니다.\n\n설치 방법:\n- Debian: sudo apt install mono-mcs "
           u"mono-runtime\n- www.mono-project.com에서 다운로드"_s;
}

QStringList nativeCompileArguments(const QString& sourcePath, const QString& outputPath,
                                   const QString& compiler, const QStringList& flags) {
    return QStringList{compiler} + flags +
           QStringList{sourcePath, QStringLiteral("-o"), outputPath};
}

QStringList javaCompileArguments(const QString& mainJavaPath, const QString& classDirectory) {
    return {QStringLiteral("javac"), QStringLiteral("-d"), classDirectory, mainJavaPath};
}

QStringList csharpCompileArguments(const QString& sourcePath, const QString& assemblyPath) {
    return {QStringLiteral("mcs"), QStringLiteral("-out:") + assemblyPath, sourcePath};
}

// Invalid UTF-8 reads as nothing at all rather than as replacement characters.
QString decodeUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder(bytes);
    return decoder.hasError() ? QString() : text;
}

// Text-system quotes typed into source code would not compile.
QString repairQuotes(QString code) {
    code.replace(QChar(0x201C), u'"').replace(QChar(0x201D), u'"');
    code.replace(QChar(0x2018), u'\'').replace(QChar(0x2019), u'\'');
    return code;
}

// The working folder is private to one prepared program, so no reader can
// see a half-written file and a plain write is enough.
bool writeText(const QString& path, const QString& text, QString* error) {
    QFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        *error = file.errorString();
        return false;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    return true;
}

// A resident compiler answers as the plain one would; the plain one runs
// when there is none or it cannot answer.
ProgramRun::Outcome runCompiler(const QStringList& arguments, const StopSignal* stop,
                                ResidentCompiler* server) {
    if (server) {
        if (std::optional<ProgramRun::Outcome> answer = server->compile(arguments.mid(1), stop))
            return *answer;
    }
    ProgramRun compiler(launcher, arguments);
    compiler.setStopSignal(stop);
    return compiler.run();
}

CompileOutcome compileWith(const QStringList& arguments, const StopSignal* stop,
                           const QString& missingMessage, bool reportStandardOutput,
                           ResidentCompiler* server = nullptr) {
    const ProgramRun::Outcome outcome = runCompiler(arguments, stop, server);
    switch (outcome.status) {
    case Status::failedToStart:
        return {false, false, missingMessage};
    case Status::stopped:
        return {false, true, {}};
    case Status::outputLimitExceeded:
        return {false, false, u"컴파일러의 출력이 64MB를 넘었습니다"_s};
    case Status::finished:
    case Status::timedOut:
    case Status::memoryLimitExceeded:
        break;
    }
    if (outcome.exitedCleanly())
        return {true, false, {}};
    QString detail = decodeUtf8(outcome.standardError);
    if (detail.isEmpty() && reportStandardOutput)
        detail = decodeUtf8(outcome.standardOutput);
    if (detail.isEmpty())
        detail = u"알 수 없는 컴파일 에러"_s;
    return {false, false, detail};
}

CaseResult failedWith(VerdictKind kind, const QString& message) {
    CaseResult result;
    result.verdict.kind = kind;
    result.message = message;
    return result;
}

// What a program that died of a failed allocation says on its way out.
bool reportsAllocationFailure(const QString& standardError) {
    static const QString signs[] = {
        u"std::bad_alloc"_s, u"MemoryError"_s, u"java.lang.OutOfMemoryError"_s,
        u"System.OutOfMemoryException"_s, u"Garbage collector could not allocate"_s};
    return std::any_of(std::begin(signs), std::end(signs),
                       [&](const QString& sign) { return standardError.contains(sign); });
}

ResourceLimits resourceLimits(ProgrammingLanguage language, qint64 memoryKiB) {
    ResourceLimits limits;
    limits.memoryKiB = memoryKiB;
    limits.stackKiB = memoryKiB;
    if (memoryKiB == 0)
        return limits;
    switch (language) {
    case ProgrammingLanguage::java:
        break;
    case ProgrammingLanguage::csharp:
        limits.environment.append(u"MONO_GC_PARAMS=max-heap-size="_s + QString::number(memoryKiB) +
                                  u'k');
        break;
    default:
        // Room for what the runtime maps without touching, so that only a
        // runaway allocation meets it, and fails at once.
        limits.addressSpaceKiB = 2 * memoryKiB + 64 * 1024;
        break;
    }
    return limits;
}

// The JVM reserves its heap and thread stacks itself.
QStringList javaMemoryFlags(qint64 memoryKiB) {
    if (memoryKiB == 0)
        return {};
    const qint64 largestStackKiB = 1024 * 1024;
    return {u"-Xmx"_s + QString::number(memoryKiB) + u'k',
            u"-Xss"_s + QString::number(std::min(memoryKiB, largestStackKiB)) + u'k'};
}

// Memory decides first, as on the judge: a program past the limit, or one
// that failed for want of memory near it, did not get to show anything else.
Verdict verdictOf(const ProgramRun::Outcome& outcome, const CaseResult& result,
                  const RunLimits& limits) {
    const qint64 memoryLimit = limits.memoryLimitKiB;
    const bool failed = !outcome.exitedCleanly();
    const bool nearMemoryLimit = memoryLimit > 0 && result.peakMemoryKiB * 10 >= memoryLimit * 9;
    if (outcome.status == Status::memoryLimitExceeded ||
        (memoryLimit > 0 && result.peakMemoryKiB > memoryLimit) ||
        (failed && reportsAllocationFailure(result.message)) ||
        (failed && outcome.crashSignal != 0 && nearMemoryLimit))
        return {VerdictKind::memoryLimit};
    if (outcome.status == Status::timedOut ||
        (limits.timeLimitMs > 0 &&
         (result.cpuMs > limits.timeLimitMs || result.wallMs > 2.0 * limits.timeLimitMs)))
        return {VerdictKind::timeLimit};
    if (outcome.status == Status::outputLimitExceeded)
        return {VerdictKind::outputLimit};
    if (outcome.status == Status::stopped)
        return {VerdictKind::stopped};
    if (failed)
        return {VerdictKind::runtimeError, outcome.exitCode, outcome.crashSignal};
    return {VerdictKind::accepted};
}

// Made once per process with mode 0700, so nobody else can plant a file or a
// link where a program is written and then started.
const QTemporaryDir& privateRoot() {
    static const QTemporaryDir root(QDir::tempPath() + QStringLiteral("/corvanta-XXXXXX"));
    return root;
}

QStringList classFiles(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, {QStringLiteral("*.class")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    return files;
}

// Compiler messages show the source under the name the user knows, and
// nothing of the private working folder.
QString withUserFileName(QString message, const QString& folder, const QString& workingFile,
                         const QString& userName) {
    message.replace(folder + u'/' + workingFile, userName);
    message.replace(folder + u'/', QString());
    return message.replace(folder, QStringLiteral("."));
}

// What a compile that went wrong because of the precompiled header says: the
// cache's folder (a header remembers the folder it was built in), the command
// line it came in through, or a complaint about it.
bool mentionsHeader(const QString& message, const PrecompiledHeaders& headers) {
    static const QString signs[] = {u"<command-line>"_s, u"precompiled header"_s, u"PCH"_s,
                                    u"internal compiler error"_s};
    return message.contains(headers.folder()) ||
           std::any_of(std::begin(signs), std::end(signs),
                       [&](const QString& sign) { return message.contains(sign); });
}

// With a ready header a compile that succeeds, or fails over the source alone,
// stands. Otherwise the plain compile decides, and a header that failed where
// it succeeds is dropped.
CompileOutcome
compileWithHeader(const PrecompiledHeaders& headers, const QString& source,
                  const QStringList& localFiles, const QString& compiler, const QStringList& flags,
                  const std::function<CompileOutcome(const QStringList& extraFlags)>& compile) {
    const std::optional<PrecompiledHeaders::Header> header =
        headers.find(source, localFiles, compiler, flags);
    if (!header)
        return compile({});
    const CompileOutcome fast = compile({QStringLiteral("-include"), header->path});
    if (fast.succeeded || !mentionsHeader(fast.message, headers))
        return fast;
    const CompileOutcome outcome = compile({});
    if (outcome.succeeded)
        headers.discard(*header);
    return outcome;
}

// A one-file program links in 60 ms with gold against 140 ms with the
// system linker here, into the same program. A link that fails is done
// again by the system linker, so its messages read as they always have.
QStringList fastLinkerFlags() {
    static const bool hasGold = !QStandardPaths::findExecutable(u"ld.gold"_s).isEmpty();
    return hasGold ? QStringList{u"-fuse-ld=gold"_s} : QStringList{};
}

bool failedToLink(const CompileOutcome& outcome) {
    return !outcome.succeeded && outcome.message.contains(u"collect2: error: ld returned"_s);
}

} // namespace

CaseResult CodeRunner::run(const QString& code, ProgrammingLanguage language, const QString& input,
                           const RunLimits& limits, const StopSignal* stop) {
    PrepareOptions options;
    options.stop = stop;
    PreparedProgram program = PreparedProgram::prepare(code, language, options);
    return program.execute(input, limits, stop);
}

CompileOutcome CodeRunner::compileNative(const QString& sourcePath, const QString& outputPath,
                                         const QString& compiler, const QStringList& flags,
                                         const StopSignal* stop) {
    const auto compile = [&](const QStringList& linkerFlags) {
        return compileWith(
            nativeCompileArguments(sourcePath, outputPath, compiler, flags + linkerFlags), stop,
            nativeMissingMessage(compiler), true);
    };
    const QStringList fast = fastLinkerFlags();
    const CompileOutcome outcome = compile(fast);
    if (fast.isEmpty() || !failedToLink(outcome))
        return outcome;
    return compile({});
}

CompileOutcome CodeRunner::compileJava(const QString& mainJavaPath, const QString& classDirectory,
                                       const StopSignal* stop, ResidentCompiler* server) {
    return compileWith(javaCompileArguments(mainJavaPath, classDirectory), stop,
                       javaMissingMessage(), false, server);
}

CompileOutcome CodeRunner::compileCSharp(const QString& sourcePath, const QString& assemblyPath,
                                         const StopSignal* stop, ResidentCompiler* server) {
    return compileWith(csharpCompileArguments(sourcePath, assemblyPath), stop,
                       csharpMissingMessage(), false, server);
}

PreparedProgram::PreparedProgram() = default;
PreparedProgram::PreparedProgram(PreparedProgram&&) noexcept = default;
PreparedProgram& PreparedProgram::operator=(PreparedProgram&&) noexcept = default;
PreparedProgram::~PreparedProgram() = default;

QString PreparedProgram::workingFolder() const {
    return m_folder && m_folder->isValid() ? m_folder->path() : QString();
}

PreparedProgram PreparedProgram::prepare(const QString& code, ProgrammingLanguage language,
                                         const PrepareOptions& options) {
    PreparedProgram program;
    program.m_language = language;
    if (!privateRoot().isValid()) {
        program.m_failure =
            failedWith(VerdictKind::failedToStart, fileErrorMessage(privateRoot().errorString()));
        return program;
    }
    program.m_folder =
        std::make_unique<QTemporaryDir>(privateRoot().path() + QStringLiteral("/run-XXXXXX"));
    if (!program.m_folder->isValid()) {
        program.m_failure = failedWith(VerdictKind::failedToStart,
                                       fileErrorMessage(program.m_folder->errorString()));
        return program;
    }
    const QString folder = program.m_folder->path();
    const QString sourceFile = QStringLiteral("solution.") + fileExtension(language);
    const QString source = folder + u'/' + sourceFile;
    program.m_workingFile = sourceFile;
    program.m_sourceName = options.sourceName.isEmpty() ? sourceFile : options.sourceName;
    const QString repaired = repairQuotes(code);
    QString writeError;
    if (!writeText(source, repaired, &writeError)) {
        program.m_failure = failedWith(VerdictKind::failedToStart, fileErrorMessage(writeError));
        return program;
    }

    // The cache key leaves the working folder out: it differs on every run.
    const auto keyed = [&folder](QStringList arguments) {
        return arguments.replaceInStrings(folder, QStringLiteral("{tmp}"));
    };
    const StopSignal* stop = options.stop;
    ResidentCompiler* server = options.servers ? options.servers->server(language) : nullptr;
    switch (language) {
    case ProgrammingLanguage::txt:
        program.m_failure =
            failedWith(VerdictKind::failedToStart, u"📝 텍스트 파일은 실행할 수 없습니다."_s);
        break;
    case ProgrammingLanguage::c:
    case ProgrammingLanguage::cpp: {
        const bool isC = language == ProgrammingLanguage::c;
        const QString compiler = isC ? QStringLiteral("gcc") : QStringLiteral("g++");
        const QStringList flags = isC ? QStringList(std::begin(cFlags), std::end(cFlags))
                                      : QStringList(std::begin(cppFlags), std::end(cppFlags));
        const QString outputName =
            isC ? QStringLiteral("solution_c") : QStringLiteral("solution_cpp");
        const QString output = folder + u'/' + outputName;
        const auto compileWith = [&](const QStringList& extraFlags) {
            return CodeRunner::compileNative(source, output, compiler, flags + extraFlags, stop);
        };
        std::function<CompileOutcome()> compile = [&] { return compileWith({}); };
        // C headers are parsed about as fast as a precompiled one is loaded.
        if (!isC)
            compile = [&] {
                return compileWithHeader(options.headers, repaired,
                                         {sourceFile, QStringLiteral("input.txt"), outputName},
                                         compiler, flags, compileWith);
            };
        const bool built =
            program.build(options, repaired, sourceFile, compiler,
                          keyed(nativeCompileArguments(source, output, compiler, flags)), compile,
                          [&] { return QStringList{outputName}; });
        if (built) {
            QFile::setPermissions(output, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadGroup | QFile::ExeGroup |
                                              QFile::ReadOther | QFile::ExeOther);
            program.m_program = output;
        }
        break;
    }
    case ProgrammingLanguage::python:
        program.m_program = launcher;
        program.m_arguments = {QStringLiteral("python3"), source};
        break;
    case ProgrammingLanguage::java: {
        const QString mainJava = folder + QStringLiteral("/Main.java");
        if (!writeText(mainJava, repaired, &writeError)) {
            program.m_failure =
                failedWith(VerdictKind::failedToStart, fileErrorMessage(writeError));
            return program;
        }
        const bool built = program.build(
            options, repaired, QStringLiteral("Main.java"), QStringLiteral("javac"),
            keyed(javaCompileArguments(mainJava, folder)),
            [&] { return CodeRunner::compileJava(mainJava, folder, stop, server); },
            [&] { return classFiles(folder); });
        if (built) {
            program.m_program = launcher;
            program.m_arguments =
                QStringList{QStringLiteral("java")} + JavaClassSharing::standard().runFlags() +
                QStringList{QStringLiteral("-cp"), folder, QStringLiteral("Main")};
        }
        break;
    }
    case ProgrammingLanguage::csharp: {
        const QString assembly = folder + QStringLiteral("/solution.exe");
        const bool built = program.build(
            options, repaired, sourceFile, QStringLiteral("mcs"),
            keyed(csharpCompileArguments(source, assembly)),
            [&] { return CodeRunner::compileCSharp(source, assembly, stop, server); },
            [] { return QStringList{QStringLiteral("solution.exe")}; });
        if (built) {
            program.m_program = launcher;
            program.m_arguments = {QStringLiteral("mono"), assembly};
        }
        break;
    }
    }
    return program;
}

bool PreparedProgram::build(const PrepareOptions& options, const QString& source,
                            const QString& workingFile, const QString& compilerName,
                            const QStringList& commandLine,
                            const std::function<CompileOutcome()>& compile,
                            const std::function<QStringList()>& products) {
    const CompileCache& cache = options.programs;
    const QString key =
        cache.isEnabled() ? CompileCache::key(source, commandLine, compilerName) : QString();
    if (cache.restore(key, m_folder->path()))
        return true;
    const CompileOutcome outcome = compile();
    if (outcome.stopped) {
        m_failure = failedWith(VerdictKind::stopped, {});
        return false;
    }
    if (!outcome.succeeded) {
        const QString name = options.sourceName.isEmpty() ? workingFile : options.sourceName;
        m_failure =
            failedWith(VerdictKind::compileError,
                       withUserFileName(outcome.message, m_folder->path(), workingFile, name));
        return false;
    }
    cache.store(key, m_folder->path(), products());
    return true;
}

PreparedProgram::Command PreparedProgram::command(qint64 memoryLimitKiB) const {
    QStringList arguments = m_arguments;
    if (m_language == ProgrammingLanguage::java)
        arguments = arguments.mid(0, 1) + javaMemoryFlags(memoryLimitKiB) + arguments.mid(1);
    return {m_program, arguments, resourceLimits(m_language, memoryLimitKiB)};
}

CaseResult PreparedProgram::execute(const QString& input, const RunLimits& limits,
                                    const StopSignal* stop) {
    if (m_failure)
        return *m_failure;
    const QString inputPath = m_folder->path() + QStringLiteral("/input.txt");
    QString writeError;
    if (!writeText(inputPath, input, &writeError))
        return failedWith(VerdictKind::failedToStart, fileErrorMessage(writeError));

    const Command measured = command(limits.memoryLimitKiB);
    ProgramRun process(measured.program, measured.arguments);
    process.setInputFile(inputPath);
    process.setTimeLimit(limits.endAfter());
    process.setStopSignal(stop);
    process.setMeasured(measured.limits);
    CaseResult result = caseResultOf(process.run(), limits);
    // A traceback names the user's file, not the private working copy.
    result.message =
        withUserFileName(result.message, m_folder->path(), m_workingFile, m_sourceName);
    return result;
}

CaseResult caseResultOf(const ProgramRun::Outcome& outcome, const RunLimits& limits) {
    if (outcome.status == Status::failedToStart)
        return failedWith(VerdictKind::failedToStart, outcome.errorDescription);

    CaseResult result;
    result.output = decodeUtf8(outcome.standardOutput);
    result.message = decodeUtf8(outcome.standardError);
    if (outcome.usage) {
        result.wallMs = outcome.usage->wallMs;
        result.cpuMs = outcome.usage->cpuMs;
        result.peakMemoryKiB = outcome.usage->peakMemoryKiB;
    } else {
        result.wallMs =
            std::chrono::duration<double, std::milli>(outcome.endedAt - outcome.launchedAt).count();
    }
    result.verdict = verdictOf(outcome, result, limits);
    return result;
}
