#include "cli/cli_commands.h"

#include "base/starter_code.h"
#include "library/snippets.h"
#include "themes/editor_theme.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <utility>

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

// Named as the custom-theme fields that override them.
const std::pair<ThemeRole, const char*> themeRoles[] = {
    {ThemeRole::background, "background"},
    {ThemeRole::textColor, "textColor"},
    {ThemeRole::lineNumberColor, "lineNumberColor"},
    {ThemeRole::sidebarBackground, "sidebarBackground"},
    {ThemeRole::cursorColor, "cursorColor"},
    {ThemeRole::syntaxKeyword, "syntaxKeyword"},
    {ThemeRole::syntaxString, "syntaxString"},
    {ThemeRole::syntaxComment, "syntaxComment"},
    {ThemeRole::syntaxFunction, "syntaxFunction"},
    {ThemeRole::syntaxType, "syntaxType"},
    {ThemeRole::syntaxNumber, "syntaxNumber"},
    {ThemeRole::syntaxVariable, "syntaxVariable"},
    {ThemeRole::syntaxPreprocessor, "syntaxPreprocessor"},
};

} // namespace

int runThemes(const QStringList& arguments) {
    QJsonArray table;
    for (EditorTheme theme : allEditorThemes()) {
        QJsonObject colours;
        for (const auto& [role, name] : themeRoles) {
            const Rgba colour = builtInColor(theme, role);
            colours.insert(QLatin1String(name),
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
         {&cppSnippets(), &pythonSnippets(), &javaSnippets()}) {
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
        table.append(
            QJsonObject{{QStringLiteral("language"), rawValue(language)},
                        {QStringLiteral("builtIn"), builtInStarterCode(language)},
                        {QStringLiteral("registeredDefault"), registeredDefaultTemplate(language)},
                        {QStringLiteral("reset"), resetTemplate(language)}});
    }
    return printJson(QStringLiteral("starters"), arguments, table);
}
