#include "regex_reference.h"

#include "problems/page_conversion.h"

#include <QRegularExpression>
#include <functional>
#include <set>

using namespace Qt::StringLiterals;

namespace regex_reference {

namespace {

constexpr auto caseInsensitive = QRegularExpression::CaseInsensitiveOption;
constexpr auto dotAll = QRegularExpression::DotMatchesEverythingOption;

using Replacement = std::function<QString(const QRegularExpressionMatch&)>;

QString replaceFromLast(const QRegularExpression& pattern, const QString& text,
                        const Replacement& replacement) {
    QList<QRegularExpressionMatch> matches;
    for (QRegularExpressionMatchIterator it = pattern.globalMatch(text); it.hasNext();)
        matches.append(it.next());
    QString result = text;
    for (auto match = matches.rbegin(); match != matches.rend(); ++match)
        result.replace(match->capturedStart(), match->capturedLength(), replacement(*match));
    return result;
}

QString group1(const QRegularExpressionMatch& match) {
    return match.captured(1);
}

QString removeTags(const QString& text) {
    static const QRegularExpression tag(u"<[^>]+>"_s);
    return replaceFromLast(tag, text, [](const auto&) { return QString(); });
}

QString drawTable(const QString& inner) {
    static const QRegularExpression row(u"<tr[^>]*>(.*?)</tr>"_s, caseInsensitive | dotAll);
    static const QRegularExpression cell(u"<t[hd][^>]*>(.*?)</t[hd]>"_s, caseInsensitive | dotAll);
    QList<QStringList> rows;
    for (auto rowIt = row.globalMatch(inner); rowIt.hasNext();) {
        QStringList cells;
        const QString rowHTML = rowIt.next().captured(1);
        for (auto cellIt = cell.globalMatch(rowHTML); cellIt.hasNext();)
            cells.append(removeTags(cellIt.next().captured(1)).trimmed());
        if (!cells.isEmpty())
            rows.append(cells);
    }
    return renderTableRows(rows, tableDrawingBudget(inner.size()));
}

const QList<std::pair<QString, QString>>& entityTable() {
    static const QList<std::pair<QString, QString>> table = {
        {u"&lt;"_s, u"<"_s},     {u"&gt;"_s, u">"_s},       {u"&amp;"_s, u"&"_s},
        {u"&nbsp;"_s, u" "_s},   {u"&quot;"_s, u"\""_s},    {u"&#39;"_s, u"'"_s},
        {u"&le;"_s, u"≤"_s},     {u"&ge;"_s, u"≥"_s},       {u"&ne;"_s, u"≠"_s},
        {u"&times;"_s, u"×"_s},  {u"&divide;"_s, u"÷"_s},   {u"&plusmn;"_s, u"±"_s},
        {u"&minus;"_s, u"-"_s},  {u"&sum;"_s, u"Σ"_s},      {u"&prod;"_s, u"Π"_s},
        {u"&infin;"_s, u"∞"_s},  {u"&radic;"_s, u"√"_s},    {u"&pi;"_s, u"π"_s},
        {u"&alpha;"_s, u"α"_s},  {u"&beta;"_s, u"β"_s},     {u"&gamma;"_s, u"γ"_s},
        {u"&delta;"_s, u"δ"_s},  {u"&epsilon;"_s, u"ε"_s},  {u"&theta;"_s, u"θ"_s},
        {u"&lambda;"_s, u"λ"_s}, {u"&sigma;"_s, u"σ"_s},    {u"&phi;"_s, u"φ"_s},
        {u"&omega;"_s, u"ω"_s},  {u"&deg;"_s, u"°"_s},      {u"&middot;"_s, u"·"_s},
        {u"&bull;"_s, u"•"_s},   {u"&hellip;"_s, u"..."_s}, {u"&larr;"_s, u"←"_s},
        {u"&rarr;"_s, u"→"_s},   {u"&uarr;"_s, u"↑"_s},     {u"&darr;"_s, u"↓"_s},
        {u"&harr;"_s, u"↔"_s},   {u"&lfloor;"_s, u"⌊"_s},   {u"&rfloor;"_s, u"⌋"_s},
        {u"&lceil;"_s, u"⌈"_s},  {u"&rceil;"_s, u"⌉"_s},
    };
    return table;
}

std::optional<QString> preBlock(const QString& html, const QString& id) {
    const QRegularExpression pattern(u"<pre[^>]*id=\""_s + id + u"\"[^>]*>(.*?)</pre>"_s, dotAll);
    const QRegularExpressionMatch match = pattern.match(html);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1);
}

} // namespace

BaekjoonProblem parseProblemPage(const QString& html, const QString& number) {
    BaekjoonProblem problem;
    problem.number = number;
    const QString open = u"<span id=\"problem_title\">"_s;
    const qsizetype start = html.indexOf(open);
    if (start >= 0) {
        const qsizetype end = html.indexOf(u"</span>"_s, start + open.size());
        if (end >= 0)
            problem.title = html.mid(start + open.size(), end - start - open.size());
    }
    const std::pair<QString, QString*> sections[] = {
        {u"problem_description"_s, &problem.description},
        {u"problem_input"_s, &problem.inputDescription},
        {u"problem_output"_s, &problem.outputDescription},
    };
    for (const auto& [id, field] : sections) {
        const QRegularExpression pattern(u"<div[^>]*id=\""_s + id + u"\"[^>]*>(.*?)</div>"_s,
                                         dotAll);
        const QRegularExpressionMatch match = pattern.match(html);
        if (match.hasMatch())
            *field = regex_reference::cleanHTML(match.captured(1));
    }
    static const QRegularExpression inputId(u"id=\"sample-input-([1-9][0-9]{0,8})\""_s);
    std::set<int> numbers;
    for (auto it = inputId.globalMatch(html); it.hasNext();)
        numbers.insert(it.next().captured(1).toInt());
    for (const int n : numbers) {
        const auto input = preBlock(html, u"sample-input-"_s + QString::number(n));
        const auto output = preBlock(html, u"sample-output-"_s + QString::number(n));
        if (input && output)
            problem.testCases.append({trimTrailingWhitespace(decodeSampleEntities(*input)),
                                      trimTrailingWhitespace(decodeSampleEntities(*output))});
    }
    return problem;
}

QString cleanHTML(const QString& html) {
    static const QRegularExpression sup(u"<sup>([^<]*)</sup>"_s, caseInsensitive);
    static const QRegularExpression sub(u"<sub>([^<]*)</sub>"_s, caseInsensitive);
    static const QRegularExpression decimal(u"&#(\\d+);"_s);

    QString text =
        replaceFromLast(sup, html, [](const auto& m) { return u"^("_s + m.captured(1) + u')'; });
    text = replaceFromLast(sub, text, [](const auto& m) { return u"_("_s + m.captured(1) + u')'; });
    text = regex_reference::convertLatex(text);
    text = regex_reference::convertTables(text);
    const std::pair<QString, QString> blockTags[] = {
        {u"<p>"_s, QString()},  {u"</p>"_s, u"\n"_s}, {u"<br>"_s, u"\n"_s},  {u"<br/>"_s, u"\n"_s},
        {u"<br />"_s, u"\n"_s}, {u"<li>"_s, u"• "_s}, {u"</li>"_s, u"\n"_s},
    };
    for (const auto& [tag, replacement] : blockTags)
        text.replace(tag, replacement);
    text = removeTags(text);
    for (const auto& [entity, replacement] : entityTable())
        text.replace(entity, replacement);
    text = replaceFromLast(decimal, text, [](const QRegularExpressionMatch& m) {
        bool parsed = false;
        const qint64 value = m.captured(1).toLongLong(&parsed);
        if (!parsed || value < 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return m.captured(0);
        const char32_t codePoint = char32_t(value);
        return QString::fromUcs4(&codePoint, 1);
    });
    while (text.contains(u"\n\n\n"_s))
        text.replace(u"\n\n\n"_s, u"\n\n"_s);
    return text.trimmed();
}

QString convertLatex(const QString& text) {
    static const QRegularExpression display(uR"(\\\[(.+?)\\\])"_s, dotAll);
    static const QRegularExpression parens(uR"(\\\((.+?)\\\))"_s, dotAll);
    static const QRegularExpression dollars(uR"(\$([^$]+)\$)"_s);
    static const QRegularExpression command(uR"(\\([A-Za-z]+))"_s);
    static const QRegularExpression fraction(uR"(\\frac\{([^}]*)\}\{([^}]*)\})"_s);
    static const QRegularExpression superscriptGroup(uR"(\^\{([^}]*)\})"_s);
    static const QRegularExpression subscriptGroup(uR"(_\{([^}]*)\})"_s);
    static const QRegularExpression subscriptCharacter(uR"(_([0-9a-z]))"_s);
    static const QRegularExpression superscriptDigit(uR"(\^([0-9]))"_s);
    static const QRegularExpression braces(uR"(\\([{} ])|[{}])"_s);

    const Replacement superscript = [](const auto& m) {
        return mapCharacters(m.captured(1), superscriptMap());
    };
    const Replacement subscript = [](const auto& m) {
        return mapCharacters(m.captured(1), subscriptMap());
    };
    QString result = replaceFromLast(display, text, group1);
    result = replaceFromLast(parens, result, group1);
    result = replaceFromLast(dollars, result, group1);
    // A whole command name, looked up by converting it alone.
    result = replaceFromLast(command, result, [](const QRegularExpressionMatch& m) {
        return ::convertLatex(m.captured(0));
    });
    result = replaceFromLast(fraction, result, [](const QRegularExpressionMatch& m) {
        return u"\n  "_s + m.captured(1) + u"\n─────\n  "_s + m.captured(2) + u"\n"_s;
    });
    result = replaceFromLast(superscriptGroup, result, superscript);
    result = replaceFromLast(subscriptGroup, result, subscript);
    result = replaceFromLast(subscriptCharacter, result, subscript);
    result = replaceFromLast(superscriptDigit, result, superscript);
    return replaceFromLast(braces, result, group1);
}

QString convertTables(const QString& text) {
    static const QRegularExpression table(u"<table[^>]*>(.*?)</table>"_s, caseInsensitive | dotAll);
    return replaceFromLast(table, text, [](const QRegularExpressionMatch& m) {
        return u"\n"_s + drawTable(m.captured(1)) + u"\n"_s;
    });
}

} // namespace regex_reference
