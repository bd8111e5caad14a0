#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <optional>

// A stop request that any thread, or a signal handler, may raise once; the
// process runs that watch it end at once. It never resets.
class StopSignal {
public:
    StopSignal();
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    // Async-signal-safe.
    void stop();
    bool isStopped() const { return m_stopped.load(); }
    // Readable once stopped; for poll().
    int descriptor() const { return m_descriptor; }

private:
    std::atomic<bool> m_stopped{false};
    int m_descriptor = -1;
};

// What the exec helper holds a measured program to.
struct ResourceLimits {
    // The resident set of the program and what it starts; killed once past
    // it. 0: none.
    qint64 memoryKiB = 0;
    // 0: none.
    qint64 addressSpaceKiB = 0;
    // 0: unlimited; absent: the caller's.
    std::optional<qint64> stackKiB;
    // NAME=VALUE, added to the program's environment.
    QStringList environment;
};

// What a measured program used, as the exec helper saw it: wall time from its
// start to its end, CPU time of it and the children it waited for, and the
// largest resident set it (or its processes together) had.
struct ResourceUsage {
    double wallMs = 0;
    double cpuMs = 0;
    qint64 peakMemoryKiB = 0;
};

// One execution of one program. Create one per execution and call run()
// once; the outcome comes back as a value.
//
// The program gets a process group of its own. Its standard output and error
// are read while it runs, each capped at outputLimit bytes. At the time limit
// the group is asked to stop (SIGTERM) and killed (SIGKILL) a second later; a
// stop request or a stream past the cap kills it at once. When the program
// ends, whatever it left in its group is killed, and output still held open by
// an escaped descendant is not waited for. Standard input is the given file,
// or the caller's own when none is set; working directory and environment are
// the caller's.
//
// A measured program is started through the exec helper (corvanta-exec),
// which applies the resource limits, kills it once it holds more memory than
// allowed and reports its exit, times and peak memory. When the group is
// killed outright (a stop, the second step of the time limit) the helper goes
// with it and the usage is unknown.
class ProgramRun {
public:
    using Clock = std::chrono::steady_clock;

    static constexpr qsizetype outputLimit = qsizetype(64) << 20;

    enum class Status {
        finished,            // ended on its own: see exitCode and crashSignal
        failedToStart,       // see errorDescription
        timedOut,            // ended after the time limit was reached
        outputLimitExceeded, // killed for printing more than outputLimit on one stream
        memoryLimitExceeded, // killed by the exec helper for holding too much memory
        stopped,             // killed on a stop request
    };

    struct Outcome {
        Status status = Status::failedToStart;
        int exitCode = 0;
        int crashSignal = 0; // the signal that ended it, 0 when it exited
        QByteArray standardOutput;
        QByteArray standardError;
        QString errorDescription;
        bool started = false;
        Clock::time_point launchedAt;
        Clock::time_point endedAt;          // when the program was seen to end, if started
        std::optional<ResourceUsage> usage; // a measured program's, when the helper reported

        bool exitedCleanly() const {
            return status == Status::finished && crashSignal == 0 && exitCode == 0;
        }
    };

    // program is an absolute path; arguments exclude the program itself.
    ProgramRun(const QString& program, const QStringList& arguments);

    void setInputFile(const QString& path) { m_inputFile = path; }
    // Counted from the launch; zero or less means no limit.
    void setTimeLimit(std::chrono::milliseconds limit) { m_timeLimit = limit; }
    void setStopSignal(const StopSignal* stop) { m_stop = stop; }
    void setMeasured(const ResourceLimits& limits) { m_limits = limits; }

    Outcome run();

    // Beside the running executable, in the installed tree's libexec, or
    // where the build put it; empty when none is found.
    static QString execHelperPath();

private:
    QString m_program;
    QStringList m_arguments;
    QString m_inputFile;
    std::chrono::milliseconds m_timeLimit{0};
    const StopSignal* m_stop = nullptr;
    std::optional<ResourceLimits> m_limits;
};
