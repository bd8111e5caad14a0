#include "cli/cli_commands.h"

#include "base/programming_language.h"
#include "editor/highlighter.h"

#include <QFile>
#include <QTextStream>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString verb = u"highlight"_s;

} // namespace

int runHighlight(const QStringList& arguments) {
    QString path;
    std::optional<ProgrammingLanguage> language;
    HighlightEngine engine = HighlightEngine::fast;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--reference") {
            engine = HighlightEngine::reference;
        } else if (argument == u"--language") {
            if (++i == arguments.size())
                return badUsage(verb, u"--language needs a name"_s);
            language = languageNamed(arguments[i]);
            if (!language) {
                return badUsage(verb, u"unknown language \""_s + arguments[i] + u"\" (one of "_s +
                                          languageNames() + u")"_s);
            }
        } else if (argument.startsWith(u"--") || !path.isEmpty()) {
            return badUsage(verb, u"unexpected argument "_s + argument);
        } else {
            path = argument;
        }
    }
    if (path.isEmpty())
        return badUsage(verb, u"no file given"_s);
    if (!language) {
        language = languageOfFile(path);
        if (!language)
            return badUsage(verb, u"cannot tell the language of "_s + path +
                                      u" from its extension; pass --language NAME"_s);
    }

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << "corvanta-cli highlight: " << path << ": " << file.errorString()
                            << '\n';
        return 1;
    }
    const QString text = QString::fromUtf8(file.readAll());
    const RoleMap roles = highlight(text, *language, engine);

    QTextStream out(stdout);
    for (const HighlightSpan& span : roles.spans())
        out << span.start << ' ' << span.length << ' ' << roleName(span.role) << '\n';
    out.flush();
    if (out.status() != QTextStream::Ok) {
        QTextStream(stderr) << "corvanta-cli: cannot write to standard output\n";
        return 1;
    }
    return 0;
}
