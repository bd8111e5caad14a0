#include "runner/program_run.h"

#include "runner/process_launch.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace {

using Clock = ProgramRun::Clock;

constexpr auto killGrace = std::chrono::seconds(1);
// Without an eventfd a stop request is only noticed by looking.
constexpr int stopCheckIntervalMs = 50;

// Reads whatever the pipe holds now, closing it at end of file. Returns false
// when the stream went past the output limit (the pipe is then closed too).
bool drain(Descriptor& pipe, QByteArray& data) {
    char buffer[64 * 1024];
    while (pipe.isOpen()) {
        const ssize_t count = ::read(pipe.get(), buffer, sizeof buffer);
        if (count > 0) {
            if (data.size() + count > ProgramRun::outputLimit) {
                pipe.reset();
                return false;
            }
            data.append(buffer, count);
        } else if (count < 0 && errno == EINTR) {
            continue;
        } else if (count < 0 && errno == EAGAIN) {
            break;
        } else {
            pipe.reset();
        }
    }
    return true;
}

void signalGroup(pid_t group, int signal) {
    ::kill(-group, signal);
}

int millisecondsUntil(Clock::time_point deadline, Clock::time_point now) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now).count();
    return int(std::clamp<qint64>(left, 0, 24 * 3600 * 1000));
}

// A launched program: its pid, our ends of its output pipes (and of the exec
// helper's report), and the watch on its exit.
struct Child {
    pid_t pid = 0;
    Descriptor exitWatch;
    Descriptor output;
    Descriptor error;
    Descriptor report;
    Clock::time_point launchedAt;
    // Why we ended it, when we did; the first reason stands.
    std::optional<ProgramRun::Status> endedFor;

    void end(ProgramRun::Status reason, int signal) {
        if (!endedFor)
            endedFor = reason;
        signalGroup(pid, signal);
    }
};

// Starts the program with the input file (if any) on standard input and
// pipes on standard output and error; a measured one through the exec
// helper. Nothing on failure, with the reason.
std::optional<Child> spawn(QString program, QStringList arguments, const QString& inputFile,
                           const std::optional<ResourceLimits>& limits,
                           ProgramRun::Outcome& outcome) {
    Descriptor input;
    if (!inputFile.isEmpty()) {
        input = Descriptor(::open(QFile::encodeName(inputFile).constData(), O_RDONLY | O_CLOEXEC));
        if (!input.isOpen()) {
            outcome.errorDescription = qt_error_string(errno);
            return std::nullopt;
        }
    }
    Child child;
    Descriptor outputWrite, errorWrite;
    if (!makePipe(child.output, outputWrite) || !makePipe(child.error, errorWrite)) {
        outcome.errorDescription = qt_error_string(errno);
        return std::nullopt;
    }

    Descriptor reportWrite;
    if (limits) {
        const QString helper = ProgramRun::execHelperPath();
        if (helper.isEmpty()) {
            outcome.errorDescription = QStringLiteral("corvanta-exec를 찾을 수 없습니다");
            return std::nullopt;
        }
        if (!makePipe(child.report, reportWrite)) {
            outcome.errorDescription = qt_error_string(errno);
            return std::nullopt;
        }
        arguments = execHelperArguments(*limits, program, arguments);
        program = helper;
    }

    const int spawnError = launchProcess(&child.pid, program, arguments, input.get(),
                                         outputWrite.get(), errorWrite.get(), reportWrite.get());
    if (spawnError != 0) {
        outcome.errorDescription = qt_error_string(spawnError);
        return std::nullopt;
    }
    child.launchedAt = Clock::now();
    outcome.launchedAt = child.launchedAt;
    outcome.started = true;

    // The exit becomes visible through the pidfd while the child stays a
    // zombie, and the zombie keeps its group id from being reused until we
    // reap. (Called directly: glibc 2.36's wrapper is declared without C linkage.)
    child.exitWatch = Descriptor(int(::syscall(SYS_pidfd_open, child.pid, 0)));
    if (!child.exitWatch.isOpen())
        outcome.errorDescription = qt_error_string(errno);
    return child;
}

// Collects the output until the program exits, ending it at the time limit
// (SIGTERM, then SIGKILL after a grace), on a stop request or when a stream
// passes the cap.
void watch(Child& child, std::chrono::milliseconds timeLimit, const StopSignal* stop,
           ProgramRun::Outcome& outcome) {
    using Status = ProgramRun::Status;
    std::optional<Clock::time_point> terminateAt;
    if (timeLimit.count() > 0)
        terminateAt = child.launchedAt + timeLimit;
    std::optional<Clock::time_point> killAt;
    bool stopSeen = false;
    bool exited = false;
    while (!exited && child.exitWatch.isOpen()) {
        const Clock::time_point now = Clock::now();
        if (terminateAt && now >= *terminateAt) {
            terminateAt.reset();
            killAt = now + killGrace;
            child.end(Status::timedOut, SIGTERM);
        }
        if (killAt && now >= *killAt) {
            killAt.reset();
            signalGroup(child.pid, SIGKILL);
        }
        if (stop && !stopSeen && stop->isStopped()) {
            stopSeen = true;
            child.end(Status::stopped, SIGKILL);
        }

        int timeoutMs = -1;
        for (const auto& deadline : {terminateAt, killAt}) {
            if (deadline) {
                const int ms = millisecondsUntil(*deadline, now);
                timeoutMs = timeoutMs < 0 ? ms : std::min(timeoutMs, ms);
            }
        }
        pollfd watched[4];
        nfds_t count = 0;
        watched[count++] = {child.exitWatch.get(), POLLIN, 0};
        if (child.output.isOpen())
            watched[count++] = {child.output.get(), POLLIN, 0};
        if (child.error.isOpen())
            watched[count++] = {child.error.get(), POLLIN, 0};
        if (stop && !stopSeen) {
            if (stop->descriptor() >= 0)
                watched[count++] = {stop->descriptor(), POLLIN, 0};
            else
                timeoutMs =
                    timeoutMs < 0 ? stopCheckIntervalMs : std::min(timeoutMs, stopCheckIntervalMs);
        }

        if (::poll(watched, count, timeoutMs) < 0) {
            if (errno == EINTR)
                continue;
            // Nothing left to watch with: end the program rather than spin.
            child.end(Status::stopped, SIGKILL);
            break;
        }
        if (!drain(child.output, outcome.standardOutput) ||
            !drain(child.error, outcome.standardError))
            child.end(Status::outputLimitExceeded, SIGKILL);
        exited = watched[0].revents != 0;
    }
    outcome.endedAt = Clock::now();
}

// Takes the exec helper's report into the outcome: the solution's exit in
// place of the helper's, and what it used. False when the solution could not
// be started, with the reason.
bool readReport(Child& child, ProgramRun::Outcome& outcome) {
    QByteArray text;
    drain(child.report, text);
    const ExecReport report = parseExecReport(text);
    if (report.execError) {
        outcome.errorDescription = qt_error_string(*report.execError);
        return false;
    }
    if (!report.started && !child.endedFor) {
        outcome.errorDescription = QStringLiteral("corvanta-exec가 프로그램을 시작하지 못했습니다");
        return false;
    }
    if (report.usage) {
        outcome.exitCode = report.exitCode;
        outcome.crashSignal = report.crashSignal;
    }
    outcome.usage = report.usage;
    if (report.memoryKilled && !child.endedFor)
        child.endedFor = ProgramRun::Status::memoryLimitExceeded;
    return true;
}
// Kills what the program left in its group, takes what it already wrote (its
// pipes' end of file is not waited for), collects its exit status.
void reap(Child& child, ProgramRun::Outcome& outcome) {
    signalGroup(child.pid, SIGKILL);
    if (!drain(child.output, outcome.standardOutput) || !drain(child.error, outcome.standardError))
        child.endedFor = child.endedFor.value_or(ProgramRun::Status::outputLimitExceeded);

    int waitStatus = 0;
    while (::waitpid(child.pid, &waitStatus, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(waitStatus))
        outcome.exitCode = WEXITSTATUS(waitStatus);
    else if (WIFSIGNALED(waitStatus))
        outcome.crashSignal = WTERMSIG(waitStatus);

    const bool started = !child.report.isOpen() || readReport(child, outcome);
    if (!child.exitWatch.isOpen() || !started)
        outcome.status = ProgramRun::Status::failedToStart;
    else
        outcome.status = child.endedFor.value_or(ProgramRun::Status::finished);
}

} // namespace

StopSignal::StopSignal() : m_descriptor(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

StopSignal::~StopSignal() {
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

void StopSignal::stop() {
    m_stopped.store(true);
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(m_descriptor, &one, sizeof one);
}

ProgramRun::ProgramRun(const QString& program, const QStringList& arguments)
    : m_program(program), m_arguments(arguments) {}

ProgramRun::Outcome ProgramRun::run() {
    Outcome outcome;
    if (m_stop && m_stop->isStopped()) {
        outcome.status = Status::stopped;
        return outcome;
    }
    std::optional<Child> child = spawn(m_program, m_arguments, m_inputFile, m_limits, outcome);
    if (!child)
        return outcome;
    watch(*child, m_timeLimit, m_stop, outcome);
    reap(*child, outcome);
    return outcome;
}

QString ProgramRun::execHelperPath() {
    static const QString path = [] {
        const QString folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
        const QString candidates[] = {
            folder + QStringLiteral("/corvanta-exec"),
            folder + u'/' + QStringLiteral(CORVANTA_EXEC_HELPER_FROM_BINDIR),
            QStringLiteral(CORVANTA_EXEC_HELPER_BUILD_PATH),
        };
        for (const QString& candidate : candidates) {
            if (QFileInfo(candidate).isExecutable())
                return QFileInfo(candidate).absoluteFilePath();
        }
        return QString();
    }();
    return path;
}
