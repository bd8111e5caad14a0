#pragma once

#include "base/programming_language.h"
#include "base/verdict.h"
#include "runner/compile_cache.h"
#include "runner/compile_servers.h"
#include "runner/precompiled_headers.h"
#include "runner/program_run.h"
#include "runner/run_limits.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QTemporaryDir;

struct CompileOutcome {
    bool succeeded = false;
    bool stopped = false;
    QString message; // the compiler's messages, or why it could not run; empty on success
};

// Compiles and runs one source text on one input with the tools on the search
// path (gcc, g++, python3, javac/java, mcs/mono), every tool started through
// /usr/bin/env. Keeps no state; blocks until the program ends, so it is for a
// worker thread. A raised StopSignal kills the compiler or program at once
// and the result says it was stopped. A program that runs cleanly within the
// limits comes back accepted: comparing its output is the caller's part.
class CodeRunner {
public:
    static CaseResult run(const QString& code, ProgrammingLanguage language, const QString& input,
                          const RunLimits& limits, const StopSignal* stop = nullptr);

    // compiler, then flags, then sourcePath, "-o", outputPath.
    static CompileOutcome compileNative(const QString& sourcePath, const QString& outputPath,
                                        const QString& compiler, const QStringList& flags,
                                        const StopSignal* stop = nullptr);
    // javac -d classDirectory mainJavaPath, through `server` when it answers
    static CompileOutcome compileJava(const QString& mainJavaPath, const QString& classDirectory,
                                      const StopSignal* stop = nullptr,
                                      ResidentCompiler* server = nullptr);
    // mcs -out:assemblyPath sourcePath, through `server` when it answers
    static CompileOutcome compileCSharp(const QString& sourcePath, const QString& assemblyPath,
                                        const StopSignal* stop = nullptr,
                                        ResidentCompiler* server = nullptr);
};

// How a measured program that ended so is judged by the limits, before its
// output is compared: its output, standard error, times, peak memory, and a
// verdict of memory, time, output, stop or run-time error, or accepted.
CaseResult caseResultOf(const ProgramRun::Outcome& outcome, const RunLimits& limits);

struct PrepareOptions {
    // How compiler messages, and a program's own standard error (a
    // traceback), name the source; its working file name when empty. The
    // private working folder never shows in them.
    QString sourceName;
    const StopSignal* stop = nullptr;
    CompileCache programs = CompileCache::standard();
    PrecompiledHeaders headers = PrecompiledHeaders::standard();
    // Java and C# compile through its servers when they run; null: plain compilers.
    CompileServers* servers = &CompileServers::session();

    // Every compile from scratch.
    static PrepareOptions withoutCaches() {
        PrepareOptions options;
        options.programs = CompileCache();
        options.headers = PrecompiledHeaders();
        return options;
    }
};

// One source text made ready to run any number of times: written, quotes
// repaired, into a private working folder of its own (inside a folder of mode
// 0700 made once per process), and compiled once or taken from the compile
// cache. A C++ source whose include prefix has a precompiled header compiles
// with it; when that compile fails in a way that names the header, the plain
// compile decides, so the header can only ever cost time. A failure on the
// way (a file that cannot be written, a Text file, a compile error) is kept
// and is what every execution returns. Move-only; the working folder goes
// with it.
//
// A program runs through the exec helper under the run's limits, by one rule
// for C, C++ and Python: its resident set is watched and the program killed
// past the memory limit, its address space held to twice the limit plus
// 64 MiB, its stack as large as the limit. Java gets -Xmx and -Xss from the
// limit instead of an address-space limit, which the JVM does not survive;
// C# gets mono's heap limit.
class PreparedProgram {
public:
    static PreparedProgram prepare(const QString& code, ProgrammingLanguage language,
                                   const PrepareOptions& options = {});

    PreparedProgram(PreparedProgram&&) noexcept;
    PreparedProgram& operator=(PreparedProgram&&) noexcept;
    ~PreparedProgram();

    // Feeds input on standard input.
    CaseResult execute(const QString& input, const RunLimits& limits,
                       const StopSignal* stop = nullptr);

    // Why no execution can run (a file not written, a Text file, a compile
    // error), when that is so.
    const std::optional<CaseResult>& failure() const { return m_failure; }
    QString workingFolder() const;
    // The command an execution starts (the compiled program, or the
    // interpreter and its arguments), for callers that run it their own way
    // with arguments of their own; empty when preparing failed.
    QString program() const { return m_program; }
    QStringList arguments() const { return m_arguments; }

    // What an execution under a memory limit starts through the exec helper,
    // with the limits the helper holds it to.
    struct Command {
        QString program;
        QStringList arguments;
        ResourceLimits limits;
    };
    Command command(qint64 memoryLimitKiB) const;

private:
    PreparedProgram();

    bool build(const PrepareOptions& options, const QString& source, const QString& workingFile,
               const QString& compilerName, const QStringList& commandLine,
               const std::function<CompileOutcome()>& compile,
               const std::function<QStringList()>& products);

    std::unique_ptr<QTemporaryDir> m_folder;
    std::optional<CaseResult> m_failure;
    ProgrammingLanguage m_language = ProgrammingLanguage::txt;
    QString m_program;
    QStringList m_arguments;
    // The source as written in the working folder, and as the user knows it.
    QString m_workingFile;
    QString m_sourceName;
};
