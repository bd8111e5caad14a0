// corvanta-exec: starts one solution under its limits and reports what it
// used. The runner starts this small program instead of the solution, so the
// solution's peak resident set is its own: a child started straight from the
// window would carry the window's high-water mark through exec. Plain C
// library only, linked statically: it starts once per case, and loading the
// C++ library would cost more than the rest of its work.
//
//   corvanta-exec [--memory KIB] [--address-space KIB] [--stack KIB]
//                 [--env NAME=VALUE]... --report-fd FD -- PROGRAM [ARGUMENT]...
//
// --memory     kill the solution once its processes hold more than this
// --stack      the stack limit (0: unlimited)
// Lines on the report descriptor: "exec-error ERRNO" when the program could
// not be started; otherwise "pid N", then "exited CODE" or "signaled SIGNAL",
// "memory-killed" when it was killed for memory, "wall-us N", "cpu-us N" and
// "peak-kib N". The helper ignores SIGTERM, SIGINT and SIGHUP (the solution
// gets them as a fresh process would) so that it can still report after a
// termination request to the process group it shares with the solution.
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// Often enough that an allocation at memory speed passes the limit by tens
// of megabytes at most; the address-space limit stops anything faster.
constexpr long pollIntervalNs = 5'000'000;
constexpr int ignoredSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Enough for any solution; a tree beyond it is watched in part.
constexpr int largestTree = 1024;
constexpr int largestEnvironment = 16;

struct Options {
    long long memoryKiB = 0;
    long long addressSpaceKiB = 0;
    long long stackKiB = -1;
    char* environment[largestEnvironment] = {};
    int environmentCount = 0;
    int reportFd = -1;
    char** command = nullptr;
};

struct Tree {
    pid_t pids[largestTree];
    int count = 0;
};

[[noreturn]] void usage() {
    std::fputs("usage: corvanta-exec [--memory KIB] [--address-space KIB] [--stack KIB] "
               "[--env NAME=VALUE]... --report-fd FD -- PROGRAM [ARGUMENT]...\n",
               stderr);
    std::exit(125);
}

long long number(const char* text) {
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < 0)
        usage();
    return value;
}

Options parse(int argc, char** argv) {
    Options options;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (i + 1 >= argc)
            usage();
        const char* name = argv[i];
        char* value = argv[++i];
        if (std::strcmp(name, "--memory") == 0)
            options.memoryKiB = number(value);
        else if (std::strcmp(name, "--address-space") == 0)
            options.addressSpaceKiB = number(value);
        else if (std::strcmp(name, "--stack") == 0)
            options.stackKiB = number(value);
        else if (std::strcmp(name, "--env") == 0 && options.environmentCount < largestEnvironment)
            options.environment[options.environmentCount++] = value;
        else if (std::strcmp(name, "--report-fd") == 0)
            options.reportFd = int(number(value));
        else
            usage();
    }
    if (i + 1 >= argc || options.reportFd < 0)
        usage();
    options.command = argv + i + 1;
    return options;
}

void report(int fd, const char* key, long long value) {
    char line[64];
    const int length = std::snprintf(line, sizeof line, "%s %lld\n", key, value);
    for (int written = 0; written < length;) {
        const ssize_t count = ::write(fd, line + written, size_t(length - written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return;
        written += int(count);
    }
}

void setLimit(int resource, long long kib) {
    rlimit limit{};
    ::getrlimit(resource, &limit);
    const rlim_t wanted = kib == 0 ? RLIM_INFINITY : rlim_t(kib) * 1024;
    limit.rlim_cur = limit.rlim_max == RLIM_INFINITY ? wanted : std::min(wanted, limit.rlim_max);
    ::setrlimit(resource, &limit);
}

// The solution's limits and environment, set here to be inherited: nothing
// else runs in this process that they could hinder.
void applyToSelf(const Options& options) {
    if (options.stackKiB >= 0)
        setLimit(RLIMIT_STACK, options.stackKiB);
    if (options.addressSpaceKiB > 0)
        setLimit(RLIMIT_AS, options.addressSpaceKiB);
    for (int i = 0; i < options.environmentCount; ++i)
        ::putenv(options.environment[i]);
}

// Started as a fresh process would be, whatever this one ignores or blocks.
// Spawned rather than forked: the cheapest start, and the solution's
// high-water mark begins at this small process's, not the caller's.
int spawn(const Options& options, pid_t* child) {
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigset_t ignored;
    sigemptyset(&none);
    sigemptyset(&ignored);
    for (int signal : ignoredSignals)
        sigaddset(&ignored, signal);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &ignored);
    const int error =
        ::posix_spawn(child, options.command[0], nullptr, &attributes, options.command, environ);
    posix_spawnattr_destroy(&attributes);
    return error;
}

long long residentKiB(pid_t pid) {
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/statm", int(pid));
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    char text[128];
    const ssize_t count = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    if (count <= 0)
        return 0;
    text[count] = '\0';
    long long size = 0;
    long long resident = 0;
    if (std::sscanf(text, "%lld %lld", &size, &resident) != 2)
        return 0;
    static const long pageKiB = ::sysconf(_SC_PAGESIZE) / 1024;
    return resident * pageKiB;
}

// The solution and everything it started, as far as the kernel lists the
// children of each process's main thread.
void collectTree(pid_t pid, Tree& tree) {
    if (tree.count == largestTree)
        return;
    tree.pids[tree.count++] = pid;
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/task/%d/children", int(pid), int(pid));
    FILE* file = std::fopen(path, "re");
    if (!file)
        return;
    int child = 0;
    while (std::fscanf(file, "%d", &child) == 1)
        collectTree(pid_t(child), tree);
    std::fclose(file);
}

double microseconds(const timeval& time) {
    return double(time.tv_sec) * 1e6 + double(time.tv_usec);
}

long long microsecondsBetween(const timespec& start, const timespec& end) {
    return (long long)(end.tv_sec - start.tv_sec) * 1'000'000 +
           (end.tv_nsec - start.tv_nsec) / 1000;
}

} // namespace

int main(int argc, char** argv) {
    const Options options = parse(argc, argv);
    ::fcntl(options.reportFd, F_SETFD, FD_CLOEXEC);
    for (int signal : ignoredSignals)
        std::signal(signal, SIG_IGN);
    // Taken by sigtimedwait below instead of being delivered.
    sigset_t childSignal;
    sigemptyset(&childSignal);
    sigaddset(&childSignal, SIGCHLD);
    ::sigprocmask(SIG_BLOCK, &childSignal, nullptr);

    applyToSelf(options);
    timespec startedAt{};
    ::clock_gettime(CLOCK_MONOTONIC, &startedAt);
    pid_t child = 0;
    if (const int error = spawn(options, &child); error != 0) {
        report(options.reportFd, "exec-error", error);
        return 0;
    }
    report(options.reportFd, "pid", child);

    long long peakKiB = 0;
    bool memoryKilled = false;
    int status = 0;
    rusage usage{};
    Tree tree;
    const timespec interval{0, pollIntervalNs};
    for (;;) {
        const pid_t ended = ::wait4(child, &status, WNOHANG, &usage);
        if (ended == child)
            break;
        if (ended < 0 && errno != EINTR)
            return 1;
        // Without a memory limit nothing needs a look before the end; with
        // one, a program that ends within the interval is never looked at:
        // its peak is the kernel's.
        const bool watching = options.memoryKiB > 0 && !memoryKilled;
        if (sigtimedwait(&childSignal, nullptr, watching ? &interval : nullptr) >= 0 || !watching)
            continue;
        tree.count = 0;
        collectTree(child, tree);
        long long total = 0;
        for (int i = 0; i < tree.count; ++i)
            total += residentKiB(tree.pids[i]);
        peakKiB = std::max(peakKiB, total);
        if (total > options.memoryKiB) {
            memoryKilled = true;
            for (int i = 0; i < tree.count; ++i)
                ::kill(tree.pids[i], SIGKILL);
        }
    }
    timespec endedAt{};
    ::clock_gettime(CLOCK_MONOTONIC, &endedAt);

    if (WIFSIGNALED(status))
        report(options.reportFd, "signaled", WTERMSIG(status));
    else
        report(options.reportFd, "exited", WEXITSTATUS(status));
    if (memoryKilled)
        report(options.reportFd, "memory-killed", 1);
    report(options.reportFd, "wall-us", microsecondsBetween(startedAt, endedAt));
    report(options.reportFd, "cpu-us",
           (long long)(microseconds(usage.ru_utime) + microseconds(usage.ru_stime)));
    report(options.reportFd, "peak-kib", std::max<long long>(peakKiB, usage.ru_maxrss));
    return 0;
}
