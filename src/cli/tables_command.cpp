#include "cli/cli_commands.h"

#include "library/snippets.h"
#include "library/starter_code.h"
#include "themes/editor_theme.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

int printJson(const QString& verb, const QStringList& arguments, const QJsonArray& table) {
    if (!arguments.isEmpty())
        return badUsage(verb, QStringLiteral("takes no arguments"));
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) ||
        out.write(QJsonDocument(table).toJson(QJsonDocument::Indented)) < 0) {
        QTextStream(stderr) << "corvanta-cli: cannot write to standard output\n";
        return 1;
    }
    return 0;
}

} // namespace

int runThemes(const QStringList& arguments) {
    QJsonArray table;
    for (EditorTheme theme : allEditorThemes()) {
        QJsonObject colours;
        for (ThemeRole role : allThemeRoles()) {
            const Rgba colour = builtInColor(theme, role);
            colours.insert(themeRoleKey(role),
                           QJsonArray{colour.red, colour.green, colour.blue, colour.alpha});
        }
        table.append(QJsonObject{{QStringLiteral("name"), rawValue(theme)},
                                 {QStringLiteral("colors"), colours}});
    }
    return printJson(QStringLiteral("themes"), arguments, table);
}

int runSnippets(const QStringList& arguments) {
    QJsonArray table;
    for (const QList<CodeSnippet>* snippets :
         {&corvanta::cppSnippets(), &corvanta::pythonSnippets(), &corvanta::javaSnippets()}) {
        for (const CodeSnippet& snippet : *snippets) {
            table.append(QJsonObject{{QStringLiteral("language"), snippet.language},
                                     {QStringLiteral("trigger"), snippet.trigger},
                                     {QStringLiteral("description"), snippet.description},
                                     {QStringLiteral("code"), snippet.code}});
        }
    }
    return printJson(QStringLiteral("snippets"), arguments, table);
}

int runStarters(const QStringList& arguments) {
    QJsonArray table;
    for (ProgrammingLanguage language : allLanguages()) {
        table.append(QJsonObject{
            {QStringLiteral("language"), rawValue(language)},
            {QStringLiteral("builtIn"), corvanta::builtInStarterCode(language)},
            {QStringLiteral("registeredDefault"), corvanta::registeredDefaultTemplate(language)},
            {QStringLiteral("reset"), corvanta::resetTemplate(language)}});
    }
    return printJson(QStringLiteral("starters"), arguments, table);
}
