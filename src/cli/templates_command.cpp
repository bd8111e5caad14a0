#include "cli/cli_commands.h"

#include "library/template_library_json.h"

#include <QFile>
#include <QTextStream>

int runTemplates(const QStringList& arguments) {
    if (!arguments.isEmpty())
        return badUsage(QStringLiteral("templates"), QStringLiteral("takes no arguments"));
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(corvanta::templateLibraryJson()) < 0) {
        QTextStream(stderr) << "corvanta-cli: cannot write to standard output\n";
        return 1;
    }
    return 0;
}
