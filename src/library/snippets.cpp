#include "library/snippets.h"

#include "base/resource_data.h"

#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace corvanta {

namespace {

// data/snippets/<tag>.json: an array of {trigger, code, description}.
QList<CodeSnippet> readTable(const QString& tag) {
    QList<CodeSnippet> table;
    for (const QJsonValue& row :
         resourceJson(u":/library/snippets/"_s + tag + u".json"_s).array()) {
        const QJsonObject snippet = row.toObject();
        table.append(CodeSnippet{QUuid::createUuid(), snippet.value("trigger"_L1).toString(),
                                 snippet.value("code"_L1).toString(),
                                 snippet.value("description"_L1).toString(), tag});
    }
    return table;
}

} // namespace

const QList<CodeSnippet>& cppSnippets() {
    static const QList<CodeSnippet> table = readTable(u"cpp"_s);
    return table;
}

const QList<CodeSnippet>& pythonSnippets() {
    static const QList<CodeSnippet> table = readTable(u"python"_s);
    return table;
}

const QList<CodeSnippet>& javaSnippets() {
    static const QList<CodeSnippet> table = readTable(u"java"_s);
    return table;
}

const QList<CodeSnippet>& snippets(ProgrammingLanguage language) {
    switch (language) {
    case ProgrammingLanguage::c:
    case ProgrammingLanguage::cpp:
    case ProgrammingLanguage::csharp:
        return cppSnippets();
    case ProgrammingLanguage::python:
        return pythonSnippets();
    case ProgrammingLanguage::java:
        return javaSnippets();
    case ProgrammingLanguage::txt:
        break;
    }
    static const QList<CodeSnippet> none;
    return none;
}

std::optional<CodeSnippet> findSnippet(ProgrammingLanguage language, const QString& trigger) {
    const QList<CodeSnippet>& table = snippets(language);
    const auto found = std::find_if(table.begin(), table.end(), [&](const CodeSnippet& snippet) {
        return snippet.trigger == trigger;
    });
    if (found == table.end())
        return std::nullopt;
    return *found;
}

} // namespace corvanta
