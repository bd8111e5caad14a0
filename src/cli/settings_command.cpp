#include "cli/cli_commands.h"

#include "workspace/settings_store.h"

#include <QFile>
#include <QTextStream>

int runSettings(const QStringList& arguments) {
    if (!arguments.isEmpty())
        return badUsage(QStringLiteral("settings"), QStringLiteral("takes no arguments"));
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(settingsDefaultsJson()) < 0) {
        QTextStream(stderr) << "corvanta-cli: cannot write to standard output\n";
        return 1;
    }
    return 0;
}
