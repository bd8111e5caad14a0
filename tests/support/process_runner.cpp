#include "support/process_runner.h"

#include <QProcess>
#include <QTest>

ProcessOutcome runProcess(const QString& program, const QStringList& arguments, int timeoutMs,
                          const QString& workingDirectory) {
    QProcess process;
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    process.start(program, arguments);
    ProcessOutcome outcome;
    if (!process.waitForStarted()) {
        outcome.err = program + QStringLiteral(": ") + process.errorString();
        return outcome;
    }
    outcome.finished =
        QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, timeoutMs);
    if (!outcome.finished) {
        process.kill();
        process.waitForFinished();
    }
    if (outcome.finished && process.exitStatus() == QProcess::NormalExit)
        outcome.exitCode = process.exitCode();
    outcome.out = QString::fromUtf8(process.readAllStandardOutput());
    outcome.err = QString::fromUtf8(process.readAllStandardError());
    if (!outcome.finished)
        outcome.err += program + QStringLiteral(" did not finish in time");
    return outcome;
}

ProcessOutcome runCli(const QStringList& arguments, int timeoutMs) {
    return runProcess(QStringLiteral(CORVANTA_CLI_PATH), arguments, timeoutMs);
}
