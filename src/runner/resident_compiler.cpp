#include "runner/resident_compiler.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// As for the background builds of precompiled headers.
constexpr int backgroundNiceness = 10;
// "EXIT OUTBYTES ERRBYTES" is three numbers.
constexpr qsizetype headerLimit = 64;
// Without an eventfd a stop request is only noticed by looking.
constexpr int stopCheckIntervalMs = 50;

// An argument holding a line break cannot travel as one line.
std::optional<QByteArray> encodeRequest(const QStringList& arguments) {
    QByteArray request = QByteArray::number(arguments.size()) + '\n';
    for (const QString& argument : arguments) {
        if (argument.contains(u'\n'))
            return std::nullopt;
        request += argument.toUtf8() + '\n';
    }
    return request;
}

struct Answer {
    int exitCode = 0;
    QByteArray output;
    QByteArray error;
};

enum class Parse { incomplete, complete, malformed };

// Takes one whole answer off the front of `unread`.
Parse takeAnswer(QByteArray& unread, Answer& answer) {
    const qsizetype end = unread.indexOf('\n');
    if (end < 0)
        return unread.size() > headerLimit ? Parse::malformed : Parse::incomplete;
    const QList<QByteArray> fields = unread.first(end).split(' ');
    if (fields.size() != 3)
        return Parse::malformed;
    bool exitRead = false, outputRead = false, errorRead = false;
    const int exitCode = fields[0].toInt(&exitRead);
    const qsizetype outputSize = fields[1].toLongLong(&outputRead);
    const qsizetype errorSize = fields[2].toLongLong(&errorRead);
    const auto fits = [](qsizetype size) { return size >= 0 && size <= ProgramRun::outputLimit; };
    if (!exitRead || !outputRead || !errorRead || !fits(outputSize) || !fits(errorSize))
        return Parse::malformed;
    const qsizetype total = end + 1 + outputSize + errorSize;
    if (unread.size() < total)
        return Parse::incomplete;
    answer.exitCode = exitCode;
    answer.output = unread.mid(end + 1, outputSize);
    answer.error = unread.mid(end + 1 + outputSize, errorSize);
    unread.remove(0, total);
    return Parse::complete;
}

// Writing to a server that died raises SIGPIPE, which would end the whole
// program: while writing it is held back on this thread, and then dropped.
class PipeSignalHeld {
public:
    PipeSignalHeld() {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_previous);
    }
    ~PipeSignalHeld() {
        sigset_t pending;
        sigpending(&pending);
        if (sigismember(&pending, SIGPIPE) && !sigismember(&m_previous, SIGPIPE)) {
            const timespec now{};
            sigtimedwait(&m_pipe, nullptr, &now);
        }
        pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
    }
    PipeSignalHeld(const PipeSignalHeld&) = delete;
    PipeSignalHeld& operator=(const PipeSignalHeld&) = delete;

private:
    sigset_t m_pipe;
    sigset_t m_previous;
};

int millisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return int(std::clamp<qint64>(left.count(), 0, 24 * 3600 * 1000));
}

} // namespace

ResidentCompiler::ResidentCompiler(Prepare prepare, AfterLaunch afterLaunch)
    : m_prepare(std::move(prepare)), m_afterLaunch(std::move(afterLaunch)) {}

ResidentCompiler::~ResidentCompiler() {
    {
        const std::lock_guard lock(m_mutex);
        m_shutdown.stop();
    }
    m_changed.notify_all();
    if (m_keeper.joinable())
        m_keeper.join();
    if (m_server)
        retire(*m_server);
}

void ResidentCompiler::start(Priority priority) {
    const std::lock_guard lock(m_mutex);
    if (!m_keeper.joinable()) {
        m_priority = priority;
        m_keeper = std::thread(&ResidentCompiler::keep, this);
    }
    m_wanted = true;
    m_changed.notify_all();
}

void ResidentCompiler::setAnswerTimeLimit(std::chrono::milliseconds limit) {
    const std::lock_guard lock(m_mutex);
    m_answerTimeLimit = limit;
}

std::optional<ProgramRun::Outcome> ResidentCompiler::compile(const QStringList& arguments,
                                                             const StopSignal* stop) {
    const std::optional<QByteArray> request = encodeRequest(arguments);
    if (!request || (stop && stop->isStopped()))
        return std::nullopt;
    std::unique_lock lock(m_mutex);
    if (!m_server || m_busy)
        return std::nullopt;
    Server server = *std::exchange(m_server, std::nullopt);
    m_busy = true;
    const std::chrono::milliseconds limit = m_answerTimeLimit;
    lock.unlock();

    ProgramRun::Outcome outcome;
    const Exchange result = exchange(server, *request, stop, limit, outcome);

    lock.lock();
    m_busy = false;
    if (result == Exchange::answered && ++server.compiles < compilesPerServer) {
        m_server = server;
    } else {
        retire(server);
        m_processId = 0;
    }
    if (result == Exchange::failed)
        m_gaveUp = ++m_failures >= failuresBeforeGivingUp;
    else if (result == Exchange::answered)
        m_failures = 0;
    lock.unlock();
    m_changed.notify_all();
    if (result == Exchange::failed)
        return std::nullopt;
    return outcome;
}

bool ResidentCompiler::wantsLaunch() const {
    return m_wanted && !m_gaveUp && !m_server && !m_busy;
}

// The launching thread. A server is launched from here only, since
// PR_SET_PDEATHSIG fires when the thread that forked it ends.
void ResidentCompiler::keep() {
    std::unique_lock lock(m_mutex);
    // Everything this thread starts inherits its niceness.
    if (m_priority == Priority::background)
        setpriority(PRIO_PROCESS, id_t(gettid()), backgroundNiceness);
    for (;;) {
        m_changed.wait(lock, [this] { return m_shutdown.isStopped() || wantsLaunch(); });
        if (m_shutdown.isStopped())
            return;
        lock.unlock();
        std::optional<Server> server;
        if (const std::optional<Launch> how = m_prepare(m_shutdown); how) {
            server = launch(*how);
            if (server) {
                const PipeSignalHeld held;
                for (const QStringList& warmUp : how->warmUps) {
                    const std::optional<QByteArray> request = encodeRequest(warmUp);
                    if (request && ::write(server->requests, request->constData(),
                                           size_t(request->size())) == request->size())
                        ++server->pendingWarmUps;
                }
            }
        }
        lock.lock();
        if (!server) {
            m_gaveUp = true;
            continue;
        }
        m_processId = server->pid;
        m_server = server;
        if (m_afterLaunch) {
            lock.unlock();
            m_afterLaunch(m_shutdown);
            lock.lock();
        }
    }
}

std::optional<ResidentCompiler::Server> ResidentCompiler::launch(const Launch& launch) {
    int requests[2];
    int answers[2];
    if (::pipe2(requests, O_CLOEXEC) != 0)
        return std::nullopt;
    if (::pipe2(answers, O_CLOEXEC) != 0) {
        ::close(requests[0]);
        ::close(requests[1]);
        return std::nullopt;
    }
    const int nothing = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    std::vector<QByteArray> argumentBytes{QFile::encodeName(launch.program)};
    for (const QString& argument : launch.arguments)
        argumentBytes.push_back(argument.toUtf8());
    std::vector<char*> argv;
    for (QByteArray& argument : argumentBytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid == 0) {
        // Async-signal-safe calls only, up to the exec.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
        // Out of reach of the terminal's Ctrl+C, which the tool turns into a stop.
        ::setpgid(0, 0);
        ::dup2(requests[0], STDIN_FILENO);
        ::dup2(answers[1], STDOUT_FILENO);
        ::dup2(nothing, STDERR_FILENO);
        ::close_range(3, ~0U, 0);
        for (int number = 1; number < NSIG; ++number)
            ::signal(number, SIG_DFL);
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        ::execve(argv[0], argv.data(), environ);
        ::_exit(127);
    }
    ::close(requests[0]);
    ::close(answers[1]);
    if (nothing >= 0)
        ::close(nothing);
    if (pid < 0) {
        ::close(requests[1]);
        ::close(answers[0]);
        return std::nullopt;
    }
    ::fcntl(requests[1], F_SETFL, O_NONBLOCK);
    ::fcntl(answers[0], F_SETFL, O_NONBLOCK);
    Server server;
    server.pid = pid;
    server.requests = requests[1];
    server.answers = answers[0];
    return server;
}

ResidentCompiler::Exchange ResidentCompiler::exchange(Server& server, const QByteArray& request,
                                                      const StopSignal* stop,
                                                      std::chrono::milliseconds limit,
                                                      ProgramRun::Outcome& outcome) {
    const PipeSignalHeld held;
    qsizetype written = 0;
    // Each answer gets the whole limit, the warm-ups' as well as this one's.
    Clock::time_point deadline = Clock::now() + limit;
    for (;;) {
        Answer answer;
        Parse parsed;
        while ((parsed = takeAnswer(server.unread, answer)) == Parse::complete) {
            if (server.pendingWarmUps > 0) {
                --server.pendingWarmUps;
                deadline = Clock::now() + limit;
                continue;
            }
            if (written < request.size() || answer.exitCode < 0)
                return Exchange::failed;
            outcome.status = ProgramRun::Status::finished;
            outcome.exitCode = answer.exitCode;
            outcome.standardOutput = answer.output;
            outcome.standardError = answer.error;
            outcome.started = true;
            outcome.endedAt = Clock::now();
            return Exchange::answered;
        }
        if (parsed == Parse::malformed || Clock::now() >= deadline)
            return Exchange::failed;

        int timeoutMs = millisecondsUntil(deadline);
        pollfd watched[3];
        nfds_t count = 0;
        watched[count++] = {server.answers, POLLIN, 0};
        const bool writing = written < request.size();
        if (writing)
            watched[count++] = {server.requests, POLLOUT, 0};
        if (stop) {
            if (stop->descriptor() >= 0)
                watched[count++] = {stop->descriptor(), POLLIN, 0};
            else
                timeoutMs = std::min(timeoutMs, stopCheckIntervalMs);
        }
        if (::poll(watched, count, timeoutMs) < 0) {
            if (errno == EINTR)
                continue;
            return Exchange::failed;
        }
        if (stop && stop->isStopped()) {
            outcome.status = ProgramRun::Status::stopped;
            return Exchange::stopped;
        }
        if (writing && watched[1].revents != 0) {
            const ssize_t sent = ::write(server.requests, request.constData() + written,
                                         size_t(request.size() - written));
            if (sent > 0)
                written += sent;
            else if (errno != EAGAIN && errno != EINTR)
                return Exchange::failed;
        }
        if (watched[0].revents != 0) {
            char buffer[64 * 1024];
            const ssize_t received = ::read(server.answers, buffer, sizeof buffer);
            if (received > 0)
                server.unread.append(buffer, received);
            else if (received == 0 || (errno != EAGAIN && errno != EINTR))
                return Exchange::failed;
        }
    }
}

void ResidentCompiler::retire(Server& server) {
    ::close(server.requests);
    ::close(server.answers);
    // Its group too, though a compiler starts nothing: and the pid itself, in
    // case it was retired before it made its group.
    ::kill(-server.pid, SIGKILL);
    ::kill(server.pid, SIGKILL);
    while (::waitpid(server.pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}
