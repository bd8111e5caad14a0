#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>

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
class ProgramRun {
public:
    using Clock = std::chrono::steady_clock;

    static constexpr qsizetype outputLimit = qsizetype(64) << 20;

    enum class Status {
        finished,            // ended on its own: see exitCode and crashSignal
        failedToStart,       // see errorDescription
        timedOut,            // ended after the time limit was reached
        outputLimitExceeded, // killed for printing more than outputLimit on one stream
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
        Clock::time_point endedAt; // when the program was seen to end, if started

        bool exitedCleanly() const {
            return status == Status::finished && crashSignal == 0 && exitCode == 0;
        }
    };

    // program is an absolute path; arguments exclude the program itself.
    ProgramRun(const QString& program, const QStringList& arguments);

    void setInputFile(const QString& path) { m_inputFile = path; }
    // Whole seconds counted from the launch; 0 or less means no limit.
    void setTimeLimit(int seconds) { m_timeLimitSeconds = seconds; }
    void setStopSignal(const StopSignal* stop) { m_stop = stop; }

    Outcome run();

private:
    QString m_program;
    QStringList m_arguments;
    QString m_inputFile;
    int m_timeLimitSeconds = 0;
    const StopSignal* m_stop = nullptr;
};
