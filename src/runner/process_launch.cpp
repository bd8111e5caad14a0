#include "runner/process_launch.h"

#include <QFile>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>
#include <vector>

extern char** environ;

void Descriptor::reset() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool makePipe(Descriptor& readEnd, Descriptor& writeEnd, bool oursReads) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return false;
    readEnd = Descriptor(fds[0]);
    writeEnd = Descriptor(fds[1]);
    ::fcntl(oursReads ? fds[0] : fds[1], F_SETFL, O_NONBLOCK);
    return true;
}

namespace {

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

} // namespace

int launchProcess(pid_t* pid, const QString& program, const QStringList& arguments, int input,
                  int output, int error, int report) {
    SpawnSettings spawn;
    if (input >= 0)
        posix_spawn_file_actions_adddup2(&spawn.actions, input, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&spawn.actions, output, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&spawn.actions, error, STDERR_FILENO);
    // Last: the descriptor it lands on may be one of those just moved.
    if (report >= 0)
        posix_spawn_file_actions_adddup2(&spawn.actions, report, execReportDescriptor);
    // A group of its own, so the program and everything it starts can be
    // signalled together; a SIGPIPE blocked by an interaction must not stay
    // blocked in the program.
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
    return ::posix_spawn(pid, programBytes.constData(), &spawn.actions, &spawn.attributes,
                         argv.data(), environ);
}

QStringList execHelperArguments(const ResourceLimits& limits, const QString& program,
                                const QStringList& arguments) {
    QStringList options;
    const auto add = [&options](const char* name, qint64 value) {
        options << QString::fromLatin1(name) << QString::number(value);
    };
    add("--memory", limits.memoryKiB);
    add("--address-space", limits.addressSpaceKiB);
    if (limits.stackKiB)
        add("--stack", *limits.stackKiB);
    for (const QString& assignment : limits.environment)
        options << QStringLiteral("--env") << assignment;
    add("--report-fd", execReportDescriptor);
    return options + QStringList{QStringLiteral("--"), program} + arguments;
}

ExecReport parseExecReport(QByteArrayView text) {
    ExecReport report;
    const QByteArray bytes = text.toByteArray();
    if (bytes.startsWith("exec-error ")) {
        report.execError = bytes.mid(11).trimmed().toInt();
        return report;
    }
    report.started = bytes.startsWith("pid ");
    for (const QByteArray& line : bytes.split('\n')) {
        const qsizetype space = line.indexOf(' ');
        const QByteArray key = line.left(space);
        const qint64 value = line.mid(space + 1).toLongLong();
        if (key == "exited" || key == "signaled") {
            report.exitCode = key == "exited" ? int(value) : 0;
            report.crashSignal = key == "signaled" ? int(value) : 0;
            report.usage.emplace();
        } else if (report.usage && key == "memory-killed") {
            report.memoryKilled = true;
        } else if (report.usage && key == "wall-us") {
            report.usage->wallMs = double(value) / 1000;
        } else if (report.usage && key == "cpu-us") {
            report.usage->cpuMs = double(value) / 1000;
        } else if (report.usage && key == "peak-kib") {
            report.usage->peakMemoryKiB = value;
        }
    }
    return report;
}
