#include "cli/cli_commands.h"
#include "workspace/app_identity.h"

#include <QCoreApplication>
#include <QTextStream>
#include <functional>
#include <map>

namespace {

struct Verb {
    QString usage;
    std::function<int(const QStringList&)> run;
};

const std::map<QString, Verb>& verbs() {
    static const std::map<QString, Verb> table = {
        {QStringLiteral("templates"), {QStringLiteral("templates"), runTemplates}},
        {QStringLiteral("settings"), {QStringLiteral("settings"), runSettings}},
        {QStringLiteral("run"), {QStringLiteral("run FILE TESTDIR [--timeout SECONDS]"), runRun}},
        {QStringLiteral("highlight"),
         {QStringLiteral("highlight FILE [--language NAME] [--reference]"), runHighlight}},
        {QStringLiteral("problem"),
         {QStringLiteral("problem NUMBER [--judge URL] [--tier URL] | problem NUMBER --html FILE"),
          runProblem}},
    };
    return table;
}

int usage() {
    QTextStream err(stderr);
    err << "usage: corvanta-cli VERB ...\n";
    for (const auto& [name, verb] : verbs())
        err << "  corvanta-cli " << verb.usage << '\n';
    return 2;
}

} // namespace

int badUsage(const QString& verb, const QString& problem) {
    QTextStream(stderr) << "corvanta-cli " << verb << ": " << problem << "\nusage: corvanta-cli "
                        << verbs().at(verb).usage << '\n';
    return 2;
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The same names as the editor: they place the shared compile cache.
    setAppIdentity();
    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty())
        return usage();
    const auto it = verbs().find(arguments.takeFirst());
    if (it == verbs().end())
        return usage();
    return it->second.run(arguments);
}
