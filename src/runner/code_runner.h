#pragma once

#include "base/programming_language.h"
#include "runner/compile_cache.h"
#include "runner/compile_servers.h"
#include "runner/precompiled_headers.h"
#include "runner/program_run.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QTemporaryDir;

// What one run of a program gave: its standard output on success, otherwise
// a message (compile error, runtime error, time limit, refusal) with `error`
// set. `executionTime` is in milliseconds from the start of the run to the
// program's end, so it includes writing the files and any compile; it is 0
// when the program never started.
struct RunResult {
    QString output;
    bool error = false;
    double executionTime = 0;

    bool operator==(const RunResult&) const = default;
};

struct CompileOutcome {
    bool succeeded = false;
    QString message; // empty on success
};

// Compiles and runs one source text on one input with the tools on the search
// path (gcc, g++, python3, javac/java, mcs/mono), every tool started through
// /usr/bin/env. Keeps no state; blocks until the program ends, so it is for a
// worker thread. A raised StopSignal kills the compiler or program at once
// and the result says it was stopped.
class CodeRunner {
public:
    static RunResult run(const QString& code, ProgrammingLanguage language, const QString& input,
                         int timeoutSeconds, const StopSignal* stop = nullptr);

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

struct PrepareOptions {
    // How compiler messages name the source; its working file name when empty.
    // The private working folder never shows in them.
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
// compile decides, so the header can only ever cost time. A failure on the way (a file that cannot
// be written, a Text file, a compile error) is kept and is what every execution returns. Move-only;
// the working folder goes with it.
class PreparedProgram {
public:
    using Clock = ProgramRun::Clock;

    static PreparedProgram prepare(const QString& code, ProgrammingLanguage language,
                                   const PrepareOptions& options = {});

    PreparedProgram(PreparedProgram&&) noexcept;
    PreparedProgram& operator=(PreparedProgram&&) noexcept;
    ~PreparedProgram();

    // Feeds input on standard input; the time counts from startedAt.
    RunResult execute(const QString& input, int timeoutSeconds, const StopSignal* stop,
                      Clock::time_point startedAt);

    QString workingFolder() const;
    // The command an execution starts (the compiled program, or the
    // interpreter and its arguments), for callers that run it their own way
    // with arguments of their own; empty when preparing failed.
    QString program() const { return m_program; }
    QStringList arguments() const { return m_arguments; }
    // What every execution returns instead of running: a file that could not
    // be written, a Text file, a compile error.
    std::optional<RunResult> failure() const {
        return m_writeFailure ? m_writeFailure : m_buildFailure;
    }

private:
    PreparedProgram();

    bool build(const PrepareOptions& options, const QString& source, const QString& workingFile,
               const QString& compilerName, const QStringList& commandLine,
               const std::function<CompileOutcome()>& compile,
               const std::function<QStringList()>& products);

    std::unique_ptr<QTemporaryDir> m_folder;
    // Failures kept for every execution, in the order a single run meets
    // them: the source file is written before the input, the compile after.
    std::optional<RunResult> m_writeFailure;
    std::optional<RunResult> m_buildFailure;
    QString m_program;
    QStringList m_arguments;
};
