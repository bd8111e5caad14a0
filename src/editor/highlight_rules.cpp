#include "editor/highlight_rules.h"

namespace {

QStringList words(std::initializer_list<const char16_t*> list) {
    QStringList result;
    result.reserve(qsizetype(list.size()));
    for (const char16_t* word : list)
        result.append(QString::fromUtf16(word));
    return result;
}

// Word boundaries on both sides: the word must be a whole word of the text.
void addWholeWords(QList<HighlightRule>& rules, const QStringList& list, ColorRole role) {
    for (const QString& word : list)
        rules.append({QStringLiteral("\\b") + word + QStringLiteral("\\b"), false, role, 0});
}

QList<HighlightRule> cFamilyRules() {
    QList<HighlightRule> rules;
    rules.append({QStringLiteral("^\\s*#[a-zA-Z_]+"), true, ColorRole::preprocessor, 0});
    rules.append({QStringLiteral("<[a-zA-Z0-9_./]+>"), false, ColorRole::string, 0});
    addWholeWords(rules, HighlightWords::cKeywords(), ColorRole::keyword);
    addWholeWords(rules, HighlightWords::cTypes(), ColorRole::type);
    rules.append(
        {QStringLiteral("\\b([a-zA-Z_][a-zA-Z0-9_]*)\\s*\\("), false, ColorRole::function, 1});
    const QString types =
        QStringLiteral("(?:") + HighlightWords::declarationTypes().join(u'|') + u')';
    rules.append({types + QStringLiteral("\\s+\\*?\\s*([a-zA-Z_][a-zA-Z0-9_]*)"), false,
                  ColorRole::variable, 1});
    rules.append({types + QStringLiteral("\\s*<[^>]+>\\s+([a-zA-Z_][a-zA-Z0-9_]*)"), false,
                  ColorRole::variable, 1});
    rules.append(
        {QStringLiteral("\\b([a-zA-Z_][a-zA-Z0-9_]*)\\s*\\["), false, ColorRole::variable, 1});
    rules.append(
        {QStringLiteral("\\b([a-zA-Z_][a-zA-Z0-9_]*)\\s*=(?!=)"), false, ColorRole::variable, 1});
    rules.append({QStringLiteral("\\b\\d+\\.?\\d*[fFlLuU]?\\b"), false, ColorRole::number, 0});
    rules.append({QStringLiteral("\\b0x[0-9a-fA-F]+\\b"), false, ColorRole::number, 0});
    rules.append({QStringLiteral("\"[^\"\\\\]*(\\\\.[^\"\\\\]*)*\""), false, ColorRole::string, 0});
    rules.append({QStringLiteral("'[^'\\\\]*(\\\\.[^'\\\\]*)*'"), false, ColorRole::string, 0});
    rules.append({QStringLiteral("//.*$"), true, ColorRole::comment, 0});
    rules.append({QStringLiteral("/\\*[\\s\\S]*?\\*/"), false, ColorRole::comment, 0});
    return rules;
}

QList<HighlightRule> pythonRules() {
    QList<HighlightRule> rules;
    addWholeWords(rules, HighlightWords::pythonKeywords(), ColorRole::keyword);
    // The blanks and the parenthesis take the function colour too.
    for (const QString& word : HighlightWords::pythonBuiltins())
        rules.append({QStringLiteral("\\b") + word + QStringLiteral("\\s*\\("), false,
                      ColorRole::function, 0});
    addWholeWords(rules, HighlightWords::pythonTypes(), ColorRole::type);
    rules.append(
        {QStringLiteral("\\bdef\\s+([a-zA-Z_][a-zA-Z0-9_]*)"), false, ColorRole::function, 1});
    rules.append(
        {QStringLiteral("\\bclass\\s+([a-zA-Z_][a-zA-Z0-9_]*)"), false, ColorRole::type, 1});
    rules.append(
        {QStringLiteral("\\b([a-zA-Z_][a-zA-Z0-9_]*)\\s*\\("), false, ColorRole::function, 1});
    rules.append(
        {QStringLiteral("\\b([a-zA-Z_][a-zA-Z0-9_]*)\\s*=(?!=)"), false, ColorRole::variable, 1});
    rules.append(
        {QStringLiteral("\\bfor\\s+([a-zA-Z_][a-zA-Z0-9_]*)"), false, ColorRole::variable, 1});
    rules.append({QStringLiteral("\\b\\d+\\.?\\d*\\b"), false, ColorRole::number, 0});
    rules.append({QStringLiteral("\"\"\"[\\s\\S]*?\"\"\""), false, ColorRole::string, 0});
    rules.append({QStringLiteral("'''[\\s\\S]*?'''"), false, ColorRole::string, 0});
    rules.append({QStringLiteral("\"[^\"\\\\]*(\\\\.[^\"\\\\]*)*\""), false, ColorRole::string, 0});
    rules.append({QStringLiteral("'[^'\\\\]*(\\\\.[^'\\\\]*)*'"), false, ColorRole::string, 0});
    rules.append({QStringLiteral("f\"[^\"]*\""), false, ColorRole::string, 0});
    rules.append({QStringLiteral("f'[^']*'"), false, ColorRole::string, 0});
    rules.append({QStringLiteral("#.*$"), true, ColorRole::comment, 0});
    return rules;
}

} // namespace

namespace HighlightWords {

const QStringList& cKeywords() {
    static const QStringList list = words({
        u"if",       u"else",   u"for",       u"while",    u"do",       u"switch",    u"case",
        u"default",  u"break",  u"continue",  u"return",   u"goto",     u"sizeof",    u"typedef",
        u"struct",   u"union",  u"enum",      u"const",    u"static",   u"extern",    u"register",
        u"volatile", u"inline", u"signed",    u"unsigned", u"try",      u"catch",     u"throw",
        u"new",      u"delete", u"class",     u"public",   u"private",  u"protected", u"virtual",
        u"override", u"final",  u"namespace", u"using",    u"template", u"typename",  u"nullptr",
        u"true",     u"false",  u"this",      u"auto",
    });
    return list;
}

const QStringList& cTypes() {
    static const QStringList list = words({
        u"int",
        u"char",
        u"float",
        u"double",
        u"void",
        u"long",
        u"short",
        u"bool",
        u"string",
        u"vector",
        u"map",
        u"set",
        u"pair",
        u"queue",
        u"stack",
        u"deque",
        u"priority_queue",
        u"unordered_map",
        u"unordered_set",
        u"array",
        u"list",
        u"bitset",
        u"tuple",
        u"size_t",
        u"int8_t",
        u"int16_t",
        u"int32_t",
        u"int64_t",
        u"uint8_t",
        u"uint16_t",
        u"uint32_t",
        u"uint64_t",
        u"FILE",
        u"NULL",
        u"cin",
        u"cout",
        u"endl",
        u"cerr",
    });
    return list;
}

const QStringList& pythonKeywords() {
    static const QStringList list = words({
        u"False",   u"None",     u"True",     u"and",    u"as",   u"assert", u"async",  u"await",
        u"break",   u"class",    u"continue", u"def",    u"del",  u"elif",   u"else",   u"except",
        u"finally", u"for",      u"from",     u"global", u"if",   u"import", u"in",     u"is",
        u"lambda",  u"nonlocal", u"not",      u"or",     u"pass", u"raise",  u"return", u"try",
        u"while",   u"with",     u"yield",    u"self",
    });
    return list;
}

const QStringList& pythonBuiltins() {
    static const QStringList list = words({
        u"print",   u"input",     u"len",   u"range", u"open",    u"type", u"isinstance",
        u"sorted",  u"enumerate", u"zip",   u"map",   u"filter",  u"sum",  u"min",
        u"max",     u"abs",       u"round", u"ord",   u"chr",     u"hex",  u"bin",
        u"oct",     u"format",    u"repr",  u"hash",  u"id",      u"dir",  u"vars",
        u"globals", u"locals",    u"eval",  u"exec",  u"compile",
    });
    return list;
}

const QStringList& pythonTypes() {
    static const QStringList list = words({
        u"int",
        u"str",
        u"float",
        u"bool",
        u"list",
        u"dict",
        u"set",
        u"tuple",
        u"bytes",
        u"object",
        u"bytearray",
        u"frozenset",
        u"complex",
    });
    return list;
}

const QStringList& declarationTypes() {
    static const QStringList list =
        words({u"int", u"char", u"float", u"double", u"long", u"short", u"bool", u"string", u"auto",
               u"void", u"size_t", u"vector", u"map", u"set", u"pair"});
    return list;
}

} // namespace HighlightWords

QList<HighlightRule> highlightRules(ProgrammingLanguage language) {
    switch (language) {
    case ProgrammingLanguage::c:
    case ProgrammingLanguage::cpp:
    case ProgrammingLanguage::java:
    case ProgrammingLanguage::csharp:
        return cFamilyRules();
    case ProgrammingLanguage::python:
        return pythonRules();
    case ProgrammingLanguage::txt:
        return {};
    }
    return {};
}
