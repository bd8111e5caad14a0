#include "runner/program_run.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <sys/eventfd.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

extern char** environ;

namespace {

using Clock = ProgramRun::Clock;

constexpr auto killGrace = std::chrono::seconds(1);
// Without an eventfd a stop request is only noticed by looking.
constexpr int stopCheckIntervalMs = 50;

class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(Descriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        if (this != &other) {
            reset();
            m_fd = std::exchange(other.m_fd, -1);
        }
        return *this;
    }

    int get() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    void reset() {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd = -1;
};

// Our end is non-blocking so a loop can empty it; both ends close on exec.
bool makePipe(Descriptor& readEnd, Descriptor& writeEnd) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return false;
    readEnd = Descriptor(fds[0]);
    writeEnd = Descriptor(fds[1]);
    ::fcntl(fds[0], F_SETFL, O_NONBLOCK);
    return true;
}

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

class SpawnSettings {
public:
    SpawnSettings() {
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
    }
    ~SpawnSettings() {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
};

// A launched program: its pid, our ends of its output pipes, and the watch
// on its exit.
struct Child {
    pid_t pid = 0;
    Descriptor exitWatch;
    Descriptor output;
    Descriptor error;
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
// pipes on standard output and error. Nothing on failure, with the reason.
std::optional<Child> spawn(const QString& program, const QStringList& arguments,
                           const QString& inputFile, ProgramRun::Outcome& outcome) {
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

    SpawnSettings spawn;
    if (input.isOpen())
        posix_spawn_file_actions_adddup2(&spawn.actions, input.get(), STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&spawn.actions, outputWrite.get(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&spawn.actions, errorWrite.get(), STDERR_FILENO);
    // A group of its own, so the program and everything it starts can be
    // signalled together; signals as a fresh process would have them, whatever
    // the caller ignores or blocks.
    sigset_t noSignals;
    sigset_t allSignals;
    sigemptyset(&noSignals);
    sigfillset(&allSignals);
    posix_spawnattr_setflags(&spawn.attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK |
                                                    POSIX_SPAWN_SETSIGDEF);
    posix_spawnattr_setpgroup(&spawn.attributes, 0);
    posix_spawnattr_setsigmask(&spawn.attributes, &noSignals);
    posix_spawnattr_setsigdefault(&spawn.attributes, &allSignals);

    const QByteArray programBytes = QFile::encodeName(program);
    std::vector<QByteArray> argumentBytes{programBytes};
    for (const QString& argument : arguments)
        argumentBytes.push_back(argument.toUtf8());
    std::vector<char*> argv;
    for (QByteArray& argument : argumentBytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    const int spawnError = ::posix_spawn(&child.pid, programBytes.constData(), &spawn.actions,
                                         &spawn.attributes, argv.data(), environ);
    if (spawnError != 0) {
        outcome.errorDescription = qt_error_string(spawnError);
        return std::nullopt;
    }
    child.launchedAt = Clock::now();
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
void watch(Child& child, int timeLimitSeconds, const StopSignal* stop,
           ProgramRun::Outcome& outcome) {
    using Status = ProgramRun::Status;
    std::optional<Clock::time_point> terminateAt;
    if (timeLimitSeconds > 0)
        terminateAt = child.launchedAt + std::chrono::seconds(timeLimitSeconds);
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

    if (!child.exitWatch.isOpen())
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
    std::optional<Child> child = spawn(m_program, m_arguments, m_inputFile, outcome);
    if (!child)
        return outcome;
    watch(*child, m_timeLimitSeconds, m_stop, outcome);
    reap(*child, outcome);
    return outcome;
}
