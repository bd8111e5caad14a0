#include "runner/interaction.h"

#include "runner/run_report.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

extern char** environ;

using namespace Qt::StringLiterals;

namespace {

using Clock = ProgramRun::Clock;
using Status = ProgramRun::Status;

// What one side may have written that the other has not read yet; past it
// this process stops reading the writer, which then blocks in its own write.
constexpr qsizetype relayLimit = qsizetype(1) << 20;

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

// Both ends close on exec; ours (read or write) does not block.
bool makePipe(Descriptor& readEnd, Descriptor& writeEnd, bool oursReads) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return false;
    readEnd = Descriptor(fds[0]);
    writeEnd = Descriptor(fds[1]);
    ::fcntl(oursReads ? fds[0] : fds[1], F_SETFL, O_NONBLOCK);
    return true;
}

// A write into a pipe whose reader is gone raises SIGPIPE, which would end this
// process: it stays blocked in this thread while the interaction runs, and
// one left pending is taken before the old mask returns.
class BrokenPipeGuard {
public:
    BrokenPipeGuard() {
        sigemptyset(&m_brokenPipe);
        sigaddset(&m_brokenPipe, SIGPIPE);
        ::pthread_sigmask(SIG_BLOCK, &m_brokenPipe, &m_saved);
    }
    ~BrokenPipeGuard() {
        const timespec now{};
        while (::sigtimedwait(&m_brokenPipe, nullptr, &now) == SIGPIPE) {
        }
        ::pthread_sigmask(SIG_SETMASK, &m_saved, nullptr);
    }
    BrokenPipeGuard(const BrokenPipeGuard&) = delete;
    BrokenPipeGuard& operator=(const BrokenPipeGuard&) = delete;

private:
    sigset_t m_brokenPipe;
    sigset_t m_saved;
};

enum class Speaker { solution, interactor };

class Transcript {
public:
    void add(Speaker speaker, QByteArrayView chunk) {
        while (!chunk.isEmpty() && !m_cut) {
            if (m_openLine != speaker) {
                if (m_openLine)
                    m_text += '\n';
                m_text += speaker == Speaker::solution ? "[풀이] " : "[인터랙터] ";
                m_openLine = speaker;
            }
            const qsizetype newline = chunk.indexOf('\n');
            const qsizetype length = newline < 0 ? chunk.size() : newline + 1;
            m_text += chunk.first(length);
            chunk = chunk.sliced(length);
            if (newline >= 0)
                m_openLine.reset();
            m_cut = m_text.size() >= Interaction::transcriptLimit;
        }
    }

    QString text() const {
        return QString::fromUtf8(m_text) + (m_cut ? u"\n…(이후 생략)"_s : QString());
    }

private:
    QByteArray m_text;
    std::optional<Speaker> m_openLine;
    bool m_cut = false;
};

// One of the two programs: our ends of its three pipes, the watch on its
// exit, and what it wrote that the other has yet to read.
struct Side {
    explicit Side(Speaker who) : speaker(who) {}

    Speaker speaker;
    pid_t pid = 0;
    Descriptor exitWatch;
    Descriptor input;
    Descriptor output;
    Descriptor error;
    QByteArray unread; // written by the other side, not yet taken by this one
    bool running = false;
    // 1 or 2: which of the two stopped talking first (its output ended, or
    // it was reaped); 0 while it talks.
    int silencedAs = 0;
    std::optional<Status> endedFor;
    ProgramRun::Outcome outcome;

    void end(Status reason) {
        if (!endedFor)
            endedFor = reason;
        ::kill(-pid, SIGKILL);
    }
};

bool spawn(Side& side, const QString& program, const QStringList& arguments) {
    Descriptor inputRead, outputWrite, errorWrite;
    if (!makePipe(inputRead, side.input, false) || !makePipe(side.output, outputWrite, true) ||
        !makePipe(side.error, errorWrite, true)) {
        side.outcome.errorDescription = qt_error_string(errno);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    posix_spawn_file_actions_adddup2(&actions, inputRead.get(), STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, outputWrite.get(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errorWrite.get(), STDERR_FILENO);
    // A group of its own, and signals as a fresh process has them: the
    // SIGPIPE blocked here must not stay blocked there.
    sigset_t noSignals;
    sigset_t allSignals;
    sigemptyset(&noSignals);
    sigfillset(&allSignals);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK |
                                              POSIX_SPAWN_SETSIGDEF);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setsigmask(&attributes, &noSignals);
    posix_spawnattr_setsigdefault(&attributes, &allSignals);

    const QByteArray programBytes = QFile::encodeName(program);
    std::vector<QByteArray> argumentBytes{programBytes};
    for (const QString& argument : arguments)
        argumentBytes.push_back(argument.toUtf8());
    std::vector<char*> argv;
    for (QByteArray& argument : argumentBytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const int spawnError = ::posix_spawn(&side.pid, programBytes.constData(), &actions, &attributes,
                                         argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (spawnError != 0) {
        side.outcome.errorDescription = qt_error_string(spawnError);
        return false;
    }
    side.outcome.started = true;
    side.running = true;
    side.exitWatch = Descriptor(int(::syscall(SYS_pidfd_open, side.pid, 0)));
    if (!side.exitWatch.isOpen()) {
        side.outcome.errorDescription = qt_error_string(errno);
        side.end(Status::failedToStart);
    }
    return true;
}

// Hands `take` what the pipe holds now; closes it at end of file. False when
// `take` refused a chunk (the pipe is then closed too).
bool drain(Descriptor& pipe, const std::function<bool(QByteArrayView)>& take) {
    char buffer[64 * 1024];
    while (pipe.isOpen()) {
        const ssize_t count = ::read(pipe.get(), buffer, sizeof buffer);
        if (count > 0) {
            if (!take(QByteArrayView(buffer, count))) {
                pipe.reset();
                return false;
            }
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

// Hands the side what the other wrote, as much as its pipe takes now. A side
// that closed its input gets nothing more.
void feed(Side& side) {
    while (side.input.isOpen() && !side.unread.isEmpty()) {
        const ssize_t written =
            ::write(side.input.get(), side.unread.constData(), size_t(side.unread.size()));
        if (written > 0) {
            side.unread.remove(0, written);
        } else if (written < 0 && errno == EINTR) {
            continue;
        } else if (written < 0 && errno == EAGAIN) {
            return;
        } else {
            side.input.reset();
            side.unread.clear();
        }
    }
}

// Takes what a side wrote: its output (unless the other side is behind) for
// the other side and the transcript, its standard error for its outcome.
void collect(Side& side, Side& other, Transcript& transcript, bool takeOutput = true) {
    if (takeOutput) {
        drain(side.output, [&](QByteArrayView chunk) {
            transcript.add(side.speaker, chunk);
            if (other.input.isOpen())
                other.unread.append(chunk);
            return true;
        });
    }
    const bool withinLimit = drain(side.error, [&](QByteArrayView chunk) {
        if (side.outcome.standardError.size() + chunk.size() > ProgramRun::outputLimit)
            return false;
        side.outcome.standardError.append(chunk);
        return true;
    });
    if (!withinLimit)
        side.end(Status::outputLimitExceeded);
}

// Kills what the side left in its group, takes what it already wrote, and
// collects its exit status.
void reap(Side& side, Side& other, Transcript& transcript) {
    ::kill(-side.pid, SIGKILL);
    collect(side, other, transcript);
    side.output.reset();
    side.error.reset();
    side.input.reset();
    side.unread.clear();
    int waitStatus = 0;
    while (::waitpid(side.pid, &waitStatus, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(waitStatus))
        side.outcome.exitCode = WEXITSTATUS(waitStatus);
    else if (WIFSIGNALED(waitStatus))
        side.outcome.crashSignal = WTERMSIG(waitStatus);
    side.outcome.status = side.endedFor.value_or(Status::finished);
    side.outcome.endedAt = Clock::now();
    side.running = false;
    // Readable for good now: watching it would spin.
    side.exitWatch.reset();
}

int millisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return int(std::clamp<qint64>(left, 0, 24 * 3600 * 1000));
}

// A side's input closes only after the other fell silent, so the order in
// which outputs end is the order of cause and effect, whatever the order in
// which this loop sees the processes exit.
void noteSilence(Side& side, int& silenced) {
    if (!side.output.isOpen() && side.silencedAs == 0)
        side.silencedAs = ++silenced;
}

// Relays between the two until both have ended.
void converse(Side& solution, Side& interactor, const InteractionLimits& limits,
              const StopSignal* stop, Transcript& transcript) {
    std::optional<Clock::time_point> deadline;
    if (limits.time.count() > 0)
        deadline = Clock::now() + limits.time;
    Side* sides[] = {&solution, &interactor};
    bool stopSeen = false;
    bool pollBroken = false;
    int silenced = 0;
    while (solution.running || interactor.running) {
        if (deadline && Clock::now() >= *deadline) {
            deadline.reset();
            for (Side* side : sides) {
                if (side->running)
                    side->end(Status::timedOut);
            }
        }
        if (stop && !stopSeen && stop->isStopped()) {
            stopSeen = true;
            for (Side* side : sides) {
                if (side->running)
                    side->end(Status::stopped);
            }
        }

        std::array<pollfd, 10> watched;
        nfds_t count = 0;
        const auto watch = [&](const Descriptor& fd, short events) {
            if (fd.isOpen())
                watched[count++] = {fd.get(), events, 0};
        };
        for (int i = 0; i < 2; ++i) {
            Side& side = *sides[i];
            const Side& other = *sides[1 - i];
            watch(side.exitWatch, POLLIN);
            if (other.unread.size() < relayLimit)
                watch(side.output, POLLIN);
            watch(side.error, POLLIN);
            if (!side.unread.isEmpty())
                watch(side.input, POLLOUT);
        }
        if (stop && !stopSeen && stop->descriptor() >= 0)
            watched[count++] = {stop->descriptor(), POLLIN, 0};
        if (::poll(watched.data(), count, deadline ? millisecondsUntil(*deadline) : -1) < 0 &&
            errno != EINTR) {
            // Nothing left to watch with: end both rather than spin.
            pollBroken = true;
            for (Side* side : sides) {
                if (side->running)
                    side->end(Status::stopped);
            }
        }

        for (int i = 0; i < 2; ++i) {
            Side& side = *sides[i];
            Side& other = *sides[1 - i];
            collect(side, other, transcript, other.unread.size() < relayLimit);
            noteSilence(side, silenced);
            feed(other);
            // The writer is done and everything it wrote was delivered.
            if (!side.output.isOpen() && other.unread.isEmpty())
                other.input.reset();
        }
        for (int i = 0; i < 2; ++i) {
            Side& side = *sides[i];
            if (!side.running)
                continue;
            pollfd exited{side.exitWatch.get(), POLLIN, 0};
            if (pollBroken || !side.exitWatch.isOpen() || ::poll(&exited, 1, 0) > 0) {
                reap(side, *sides[1 - i], transcript);
                noteSilence(side, silenced);
            }
        }
    }
}

bool writeBytes(const QString& path, QByteArrayView bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), bytes.size()) == bytes.size() && file.flush();
}

bool isWrong(const CheckResult& result) {
    return result.verdict == CheckResult::Verdict::wrongAnswer ||
           result.verdict == CheckResult::Verdict::presentationError;
}

} // namespace

InteractionResult Interaction::run(const PreparedProgram& solution,
                                   const PreparedProgram& interactor, CheckerStyle style,
                                   QByteArrayView input, QByteArrayView answer,
                                   const InteractionLimits& limits, const StopSignal* stop) {
    InteractionResult result;
    result.interactor = {CheckResult::Verdict::checkerFailure, 0, {}};
    if (const std::optional<CaseResult>& failed = solution.failure()) {
        result.solution.errorDescription = failureText(*failed);
        result.solutionFailed = true;
        return result;
    }
    if (const std::optional<CaseResult>& failed = interactor.failure()) {
        result.interactor.message = u"인터랙터를 준비하지 못했습니다\n"_s + failureText(*failed);
        return result;
    }
    const QTemporaryDir folder(interactor.workingFolder() + u"/interaction-XXXXXX"_s);
    const QString inputPath = folder.filePath(u"input.txt"_s);
    const QString answerPath = folder.filePath(u"answer.txt"_s);
    const QString feedbackFolder = folder.filePath(u"feedback"_s);
    if (!folder.isValid() || !writeBytes(inputPath, input) || !writeBytes(answerPath, answer) ||
        !QDir().mkdir(feedbackFolder)) {
        result.interactor.message = u"파일 생성 실패: "_s + folder.path();
        return result;
    }
    QStringList interactorArguments = interactor.arguments() << inputPath;
    if (style == CheckerStyle::testlib)
        interactorArguments << folder.filePath(u"output.txt"_s);
    else
        interactorArguments << answerPath << feedbackFolder + u'/';

    const BrokenPipeGuard guard;
    Transcript transcript;
    Side solutionSide(Speaker::solution);
    Side interactorSide(Speaker::interactor);
    const Clock::time_point launchedAt = Clock::now();
    if (!spawn(interactorSide, interactor.program(), interactorArguments)) {
        result.interactor.message =
            u"인터랙터 실행 실패: "_s + interactorSide.outcome.errorDescription;
        return result;
    }
    if (!spawn(solutionSide, solution.program(), solution.arguments()))
        interactorSide.end(Status::stopped);
    converse(solutionSide, interactorSide, limits, stop, transcript);

    result.solution = solutionSide.outcome;
    if (result.solution.started) {
        result.solutionMilliseconds =
            std::chrono::duration<double, std::milli>(result.solution.endedAt - launchedAt).count();
    }
    const int limitSeconds = int((limits.time.count() + 999) / 1000);
    result.interactor =
        interpretCheckerEnd(style, interactorSide.outcome, limitSeconds, feedbackFolder);
    const bool interactorFirst = interactorSide.silencedAs < solutionSide.silencedAs;
    result.solutionFailed =
        !result.solution.exitedCleanly() && !(interactorFirst && isWrong(result.interactor));
    result.transcript = transcript.text();
    return result;
}
