#pragma once

#include "runner/program_run.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>
#include <sys/types.h>
#include <utility>

// What ProgramRun and Interaction share to start a program: descriptors that
// close themselves, pipes, the launch into a process group of its own, and
// the exec helper's command line and report.

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
    void reset();

private:
    int m_fd = -1;
};

// Both ends close on exec; ours (the read end, or the write end when
// `oursReads` is false) does not block.
bool makePipe(Descriptor& readEnd, Descriptor& writeEnd, bool oursReads = true);

// The descriptor the exec helper writes its report to, in the started program.
constexpr int execReportDescriptor = 3;

// Starts `program` in a process group of its own with signals as a fresh
// process has them (whatever the caller blocks or ignores), the given
// descriptors as its standard streams (input -1: the caller's) and `report`,
// when not -1, as execReportDescriptor. 0, or the error number.
int launchProcess(pid_t* pid, const QString& program, const QStringList& arguments, int input,
                  int output, int error, int report = -1);

// The exec helper's command line that starts `program` under `limits`.
QStringList execHelperArguments(const ResourceLimits& limits, const QString& program,
                                const QStringList& arguments);

// The exec helper's report, read.
struct ExecReport {
    // The error number when the program could not be started.
    std::optional<int> execError;
    bool started = false; // it said the program's pid
    bool memoryKilled = false;
    // Present when it saw the program end.
    std::optional<ResourceUsage> usage;
    int exitCode = 0;
    int crashSignal = 0;
};
ExecReport parseExecReport(QByteArrayView text);
