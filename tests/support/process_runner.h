#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

struct ProcessOutcome {
    // False when the program did not start or did not end in time (it is then killed).
    bool finished = false;
    // -1 unless the program exited normally.
    int exitCode = -1;
    QString out;
    QString err;

    bool succeeded() const { return finished && exitCode == 0; }
};

// Runs a program to its end. This thread's event loop keeps turning while it
// runs, so servers the test started on it keep answering.
ProcessOutcome runProcess(const QString& program, const QStringList& arguments,
                          int timeoutMs = 120000, const QString& workingDirectory = {});

// Runs the corvanta-cli built beside the tests.
ProcessOutcome runCli(const QStringList& arguments, int timeoutMs = 120000);

// Dead means gone, or a zombie its new parent has not collected yet.
inline bool isDead(const QByteArray& pid) {
    QFile stat(QStringLiteral("/proc/") + QString::fromLatin1(pid.trimmed()) +
               QStringLiteral("/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const qsizetype state = line.lastIndexOf(") ") + 2;
    return line.at(state) == 'Z' || line.at(state) == 'X';
}
