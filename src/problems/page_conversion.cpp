#include "problems/page_conversion.h"

#include <QList>
#include <QRegularExpression>
#include <QStringList>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <array>
#include <optional>
#include <set>

namespace {

using MatchList = QList<QRegularExpressionMatch>;

constexpr auto caseInsensitive = QRegularExpression::CaseInsensitiveOption;
constexpr auto dotAll = QRegularExpression::DotMatchesEverythingOption;

// Every match in order, or nullopt when the pattern did not compile or the
// engine gave up. None of the patterns here can match empty text.
std::optional<MatchList> allMatches(const QRegularExpression& pattern, const QString& text) {
    // One check of the whole text up front: PCRE2 refuses invalid UTF-16, and
    // letting it check again from every match's offset would be quadratic.
    if (!pattern.isValid() || !QStringView(text).isValidUtf16())
        return std::nullopt;
    MatchList matches;
    qsizetype offset = 0;
    for (;;) {
        QRegularExpressionMatch match =
            pattern.match(text, offset, QRegularExpression::NormalMatch,
                          QRegularExpression::DontCheckSubjectStringMatchOption);
        if (!match.isValid())
            return std::nullopt;
        if (!match.hasMatch())
            return matches;
        offset = match.capturedEnd();
        matches.append(std::move(match));
    }
}

std::optional<QRegularExpressionMatch> firstMatch(const QRegularExpression& pattern,
                                                  const QString& text) {
    if (!pattern.isValid() || !QStringView(text).isValidUtf16())
        return std::nullopt;
    QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match;
}

// Replaces each match by what `replacement` makes of it. Building the result
// front to back gives the same text as replacing from the last match to the
// first: the matches do not overlap and all come from the same text.
template <typename Replacement>
QString replaceMatches(const QRegularExpression& pattern, const QString& text,
                       Replacement replacement) {
    const std::optional<MatchList> matches = allMatches(pattern, text);
    if (!matches || matches->isEmpty())
        return text;
    const QStringView source(text);
    QString result;
    result.reserve(text.size());
    qsizetype copied = 0;
    for (const QRegularExpressionMatch& match : *matches) {
        result += source.sliced(copied, match.capturedStart() - copied);
        result += replacement(match);
        copied = match.capturedEnd();
    }
    result += source.sliced(copied);
    return result;
}

QString firstGroup(const QRegularExpressionMatch& match) {
    return match.captured(1);
}

QString removeTags(const QString& text) {
    static const QRegularExpression tag(QStringLiteral("<[^>]+>"));
    return replaceMatches(tag, text, [](const QRegularExpressionMatch&) { return QString(); });
}

QString fromCodePoint(char32_t codePoint) {
    const char32_t units[] = {codePoint};
    return QString::fromUcs4(units, 1);
}

// The value of `c` as a digit of `base` (10 or 16), or -1.
int digitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (base == 16 && u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (base == 16 && u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

bool isScalarValue(qint64 value) {
    return (value >= 0 && value <= 0xD7FF) || (value >= 0xE000 && value <= 0x10FFFF);
}

// ---- TeX

struct TexCommand {
    QStringView name; // without the backslash
    QStringView text;
};

// Longest first where one name begins another. Commands are replaced as
// whole names only, so the order no longer decides anything; it is kept as
// the reading order of the table.
constexpr std::array<TexCommand, 59> texCommands = {{
    {u"times", u"×"},   {u"div", u"÷"},        {u"pm", u"±"},      {u"leftarrow", u"←"},
    {u"leq", u"≤"},     {u"le", u"≤"},         {u"geq", u"≥"},     {u"ge", u"≥"},
    {u"neg", u"¬"},     {u"neq", u"≠"},        {u"ne", u"≠"},      {u"infty", u"∞"},
    {u"sqrt", u"√"},    {u"sum", u"Σ"},        {u"prod", u"Π"},    {u"pi", u"π"},
    {u"alpha", u"α"},   {u"beta", u"β"},       {u"gamma", u"γ"},   {u"delta", u"δ"},
    {u"epsilon", u"ε"}, {u"theta", u"θ"},      {u"lambda", u"λ"},  {u"sigma", u"σ"},
    {u"phi", u"φ"},     {u"omega", u"ω"},      {u"cdot", u"·"},    {u"ldots", u"..."},
    {u"dots", u"..."},  {u"rightarrow", u"→"}, {u"uparrow", u"↑"}, {u"downarrow", u"↓"},
    {u"lfloor", u"⌊"},  {u"rfloor", u"⌋"},     {u"lceil", u"⌈"},   {u"rceil", u"⌉"},
    {u"land", u"∧"},    {u"lor", u"∨"},        {u"in", u"∈"},      {u"subseteq", u"⊆"},
    {u"subset", u"⊂"},  {u"cup", u"∪"},        {u"cap", u"∩"},     {u"emptyset", u"∅"},
    {u"forall", u"∀"},  {u"exists", u"∃"},     {u"approx", u"≈"},  {u"equiv", u"≡"},
    {u"mod", u"mod"},   {u"bmod", u"mod"},     {u"log", u"log"},   {u"ln", u"ln"},
    {u"sin", u"sin"},   {u"cos", u"cos"},      {u"tan", u"tan"},   {u"max", u"max"},
    {u"min", u"min"},   {u"gcd", u"gcd"},      {u"lcm", u"lcm"},
}};

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// A command is a backslash and the whole run of ASCII letters after it, so
// "\left" is not "\le" + "ft" and "\int" is not "\in" + "t".
QString replaceTexCommands(const QString& text) {
    static const QHash<QStringView, QStringView> byName = [] {
        QHash<QStringView, QStringView> table;
        for (const TexCommand& command : texCommands)
            table.insert(command.name, command.text);
        return table;
    }();
    const QStringView source(text);
    QString result;
    result.reserve(text.size());
    qsizetype copied = 0;
    qsizetype at = source.indexOf(u'\\');
    while (at >= 0) {
        qsizetype end = at + 1;
        while (end < source.size() && isAsciiLetter(source[end]))
            ++end;
        const auto found = byName.constFind(source.sliced(at + 1, end - at - 1));
        if (found != byName.constEnd()) {
            result += source.sliced(copied, at - copied);
            result += *found;
            copied = end;
        }
        // A backslash that starts no command may still be followed by one.
        at = source.indexOf(u'\\', found != byName.constEnd() ? end : at + 1);
    }
    result += source.sliced(copied);
    return result;
}

// The last step of the TeX conversion: grouping braces go, "\ " is a space,
// and TeX's literal braces "\{" and "\}" stay as braces.
QString removeBraces(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'{' || c == u'}')
            continue;
        if (c == u'\\' && i + 1 < text.size()) {
            const QChar next = text[i + 1];
            if (next == u'{' || next == u'}' || next == u' ') {
                result += next;
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

// ---- entities

struct Entity {
    QStringView name; // between '&' and ';', the ';' included
    QStringView text;
};

constexpr std::array<Entity, 41> entities = {{
    {u"lt;", u"<"},     {u"gt;", u">"},     {u"amp;", u"&"},     {u"nbsp;", u" "},
    {u"quot;", u"\""},  {u"#39;", u"'"},    {u"le;", u"≤"},      {u"ge;", u"≥"},
    {u"ne;", u"≠"},     {u"times;", u"×"},  {u"divide;", u"÷"},  {u"plusmn;", u"±"},
    {u"minus;", u"-"},  {u"sum;", u"Σ"},    {u"prod;", u"Π"},    {u"infin;", u"∞"},
    {u"radic;", u"√"},  {u"pi;", u"π"},     {u"alpha;", u"α"},   {u"beta;", u"β"},
    {u"gamma;", u"γ"},  {u"delta;", u"δ"},  {u"epsilon;", u"ε"}, {u"theta;", u"θ"},
    {u"lambda;", u"λ"}, {u"sigma;", u"σ"},  {u"phi;", u"φ"},     {u"omega;", u"ω"},
    {u"deg;", u"°"},    {u"middot;", u"·"}, {u"bull;", u"•"},    {u"hellip;", u"..."},
    {u"larr;", u"←"},   {u"rarr;", u"→"},   {u"uarr;", u"↑"},    {u"darr;", u"↓"},
    {u"harr;", u"↔"},   {u"lfloor;", u"⌊"}, {u"rfloor;", u"⌋"},  {u"lceil;", u"⌈"},
    {u"rceil;", u"⌉"},
}};

constexpr int ampersandEntity = 2;
constexpr qsizetype longestEntityName = 8; // "epsilon;"

// The index of the entity whose name starts at `at`, or -1.
int entityAt(QStringView text, qsizetype at) {
    static const QHash<QStringView, int> byName = [] {
        QHash<QStringView, int> table;
        for (int i = 0; i < int(entities.size()); ++i)
            table.insert(entities[size_t(i)].name, i);
        return table;
    }();
    const qsizetype semicolon =
        text.sliced(at, std::min(longestEntityName, text.size() - at)).indexOf(u';');
    if (semicolon < 0)
        return -1;
    return byName.value(text.sliced(at, semicolon + 1), -1);
}

// The same text as replacing every occurrence of each entity in table order.
// Only "&amp;" produces a new '&', and that '&' then starts a new entity
// exactly when the text after "&amp;" names an entity later in the table:
// "&amp;nbsp;" is a space, "&amp;lt;" stays "&lt;".
QString decodeNamedEntities(const QString& text) {
    const QStringView source(text);
    QString result;
    result.reserve(text.size());
    qsizetype copied = 0;
    qsizetype at = source.indexOf(u'&');
    while (at >= 0) {
        const int entity = entityAt(source, at + 1);
        if (entity < 0) {
            at = source.indexOf(u'&', at + 1);
            continue;
        }
        result += source.sliced(copied, at - copied);
        qsizetype end = at + 1 + entities[size_t(entity)].name.size();
        int decoded = entity;
        if (entity == ampersandEntity) {
            const int next = entityAt(source, end);
            if (next > ampersandEntity) {
                decoded = next;
                end += entities[size_t(next)].name.size();
            }
        }
        result += entities[size_t(decoded)].text;
        copied = end;
        at = source.indexOf(u'&', end);
    }
    result += source.sliced(copied);
    return result;
}

QString decodeDecimalReferences(const QString& text) {
    static const QRegularExpression reference(QStringLiteral("&#([0-9]+);"));
    return replaceMatches(reference, text, [](const QRegularExpressionMatch& match) {
        bool parsed = false;
        const qint64 value = match.capturedView(1).toLongLong(&parsed);
        if (!parsed || !isScalarValue(value))
            return match.captured(0);
        return fromCodePoint(char32_t(value));
    });
}

// ---- markup

// The paragraph, line-break and list-item tags, replaced as if one after the
// other: first "<p>" (whose removal may join the text around it), then the
// rest in one pass, since none of their replacements contains '<'.
QString replaceBlockTags(const QString& text) {
    QString joined = text;
    joined.replace(QStringLiteral("<p>"), QString());

    struct BlockTag {
        QStringView tag;
        QStringView text;
    };
    static constexpr std::array<BlockTag, 6> tags = {{
        {u"</p>", u"\n"},
        {u"<br>", u"\n"},
        {u"<br/>", u"\n"},
        {u"<br />", u"\n"},
        {u"<li>", u"• "},
        {u"</li>", u"\n"},
    }};
    const QStringView source(joined);
    QString result;
    result.reserve(joined.size());
    qsizetype copied = 0;
    qsizetype at = source.indexOf(u'<');
    while (at >= 0) {
        const QStringView rest = source.sliced(at);
        const auto found = std::find_if(tags.begin(), tags.end(), [&](const BlockTag& candidate) {
            return rest.startsWith(candidate.tag);
        });
        if (found == tags.end()) {
            at = source.indexOf(u'<', at + 1);
            continue;
        }
        result += source.sliced(copied, at - copied);
        result += found->text;
        copied = at + found->tag.size();
        at = source.indexOf(u'<', copied);
    }
    result += source.sliced(copied);
    return result;
}

// Runs of three or more line feeds become two, as repeating the replacement
// of three by two until none is left does.
QString collapseBlankLines(const QString& text) {
    QString result;
    result.reserve(text.size());
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c == u'\n' ? run + 1 : 0;
        if (run <= 2)
            result += c;
    }
    return result;
}

// ---- tables

// User-perceived characters; a carriage return and line feed count as one.
qsizetype characterCount(const QString& text) {
    const bool plain = std::all_of(text.begin(), text.end(),
                                   [](QChar c) { return c.unicode() < 0x80 && c != u'\r'; });
    if (plain)
        return text.size();
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (finder.toNextBoundary() >= 0)
        ++count;
    return count;
}

std::optional<QList<QStringList>> tableCells(const QString& tableHTML) {
    static const QRegularExpression rowPattern(QStringLiteral("<tr[^>]*>(.*?)</tr>"),
                                               caseInsensitive | dotAll);
    static const QRegularExpression cellPattern(QStringLiteral("<t[hd][^>]*>(.*?)</t[hd]>"),
                                                caseInsensitive | dotAll);
    const std::optional<MatchList> rows = allMatches(rowPattern, tableHTML);
    if (!rows)
        return std::nullopt;
    QList<QStringList> table;
    for (const QRegularExpressionMatch& row : *rows) {
        const std::optional<MatchList> cells = allMatches(cellPattern, row.captured(1));
        if (!cells)
            return std::nullopt;
        QStringList texts;
        for (const QRegularExpressionMatch& cell : *cells)
            texts.append(removeTags(cell.captured(1)).trimmed());
        if (!texts.isEmpty())
            table.append(texts);
    }
    return table;
}

std::optional<QString> drawTable(const QString& tableHTML) {
    const std::optional<QList<QStringList>> table = tableCells(tableHTML);
    if (!table)
        return std::nullopt;
    if (table->isEmpty())
        return QString();

    qsizetype columns = 0;
    for (const QStringList& row : *table)
        columns = std::max(columns, row.size());
    QList<qsizetype> widths(columns, 0);
    QList<QList<qsizetype>> counts;
    for (const QStringList& row : *table) {
        QList<qsizetype> rowCounts;
        for (qsizetype c = 0; c < row.size(); ++c) {
            rowCounts.append(characterCount(row[c]));
            widths[c] = std::max(widths[c], rowCounts.last());
        }
        counts.append(rowCounts);
    }

    const auto rule = [&](QChar left, QChar middle, QChar right) {
        QString line(left);
        for (qsizetype c = 0; c < columns; ++c) {
            if (c > 0)
                line += middle;
            line += QString(widths[c] + 2, u'─');
        }
        return line + right;
    };

    QString drawn = rule(u'┌', u'┬', u'┐') + u'\n';
    for (qsizetype r = 0; r < table->size(); ++r) {
        const QStringList& row = table->at(r);
        drawn += u'│';
        for (qsizetype c = 0; c < columns; ++c) {
            const bool present = c < row.size();
            drawn += u' ';
            if (present)
                drawn += row[c];
            drawn += QString(widths[c] - (present ? counts[r][c] : 0), u' ');
            drawn += QStringLiteral(" │");
        }
        drawn += u'\n';
        if (r + 1 < table->size())
            drawn += rule(u'├', u'┼', u'┤') + u'\n';
    }
    return drawn + rule(u'└', u'┴', u'┘');
}

// ---- samples

// Sample numbers that have an input block, ascending.
std::set<int> sampleNumbers(const QString& html) {
    static const QRegularExpression inputId(
        QStringLiteral("<pre[^>]*id=\"sample-input-([1-9][0-9]{0,8})\""));
    std::set<int> numbers;
    if (const auto matches = allMatches(inputId, html)) {
        for (const QRegularExpressionMatch& match : *matches)
            numbers.insert(match.capturedView(1).toInt());
    }
    return numbers;
}

std::optional<QString> preBlock(const QString& html, const QString& id) {
    const QRegularExpression pattern(
        QStringLiteral("<pre[^>]*id=\"") + id + QStringLiteral("\"[^>]*>(.*?)</pre>"), dotAll);
    const auto match = firstMatch(pattern, html);
    if (!match)
        return std::nullopt;
    return match->captured(1);
}

QString sampleText(const QString& raw) {
    return trimTrailingWhitespace(decodeSampleEntities(raw));
}

} // namespace

const CharacterMap& superscriptMap() {
    static const CharacterMap map = {
        {u'0', QChar(0x2070)}, {u'1', QChar(0x00B9)}, {u'2', QChar(0x00B2)}, {u'3', QChar(0x00B3)},
        {u'4', QChar(0x2074)}, {u'5', QChar(0x2075)}, {u'6', QChar(0x2076)}, {u'7', QChar(0x2077)},
        {u'8', QChar(0x2078)}, {u'9', QChar(0x2079)}, {u'a', QChar(0x1D43)}, {u'b', QChar(0x1D47)},
        {u'c', QChar(0x1D9C)}, {u'd', QChar(0x1D48)}, {u'e', QChar(0x1D49)}, {u'f', QChar(0x1DA0)},
        {u'g', QChar(0x1D4D)}, {u'h', QChar(0x02B0)}, {u'i', QChar(0x2071)}, {u'j', QChar(0x02B2)},
        {u'k', QChar(0x1D4F)}, {u'l', QChar(0x02E1)}, {u'm', QChar(0x1D50)}, {u'n', QChar(0x207F)},
        {u'o', QChar(0x1D52)}, {u'p', QChar(0x1D56)}, {u'r', QChar(0x02B3)}, {u's', QChar(0x02E2)},
        {u't', QChar(0x1D57)}, {u'u', QChar(0x1D58)}, {u'v', QChar(0x1D5B)}, {u'w', QChar(0x02B7)},
        {u'x', QChar(0x02E3)}, {u'y', QChar(0x02B8)}, {u'z', QChar(0x1DBB)}, {u'+', QChar(0x207A)},
        {u'-', QChar(0x207B)}, {u'=', QChar(0x207C)}, {u'(', QChar(0x207D)}, {u')', QChar(0x207E)},
    };
    return map;
}

const CharacterMap& subscriptMap() {
    static const CharacterMap map = {
        {u'0', QChar(0x2080)}, {u'1', QChar(0x2081)}, {u'2', QChar(0x2082)}, {u'3', QChar(0x2083)},
        {u'4', QChar(0x2084)}, {u'5', QChar(0x2085)}, {u'6', QChar(0x2086)}, {u'7', QChar(0x2087)},
        {u'8', QChar(0x2088)}, {u'9', QChar(0x2089)}, {u'a', QChar(0x2090)}, {u'e', QChar(0x2091)},
        {u'h', QChar(0x2095)}, {u'i', QChar(0x1D62)}, {u'j', QChar(0x2C7C)}, {u'k', QChar(0x2096)},
        {u'l', QChar(0x2097)}, {u'm', QChar(0x2098)}, {u'n', QChar(0x2099)}, {u'o', QChar(0x2092)},
        {u'p', QChar(0x209A)}, {u'r', QChar(0x1D63)}, {u's', QChar(0x209B)}, {u't', QChar(0x209C)},
        {u'u', QChar(0x1D64)}, {u'v', QChar(0x1D65)}, {u'x', QChar(0x2093)}, {u'+', QChar(0x208A)},
        {u'-', QChar(0x208B)}, {u'=', QChar(0x208C)}, {u'(', QChar(0x208D)}, {u')', QChar(0x208E)},
    };
    return map;
}

BaekjoonProblem parseProblemPage(const QString& html, const QString& number) {
    BaekjoonProblem problem;
    problem.number = number;

    const QString titleOpen = QStringLiteral("<span id=\"problem_title\">");
    const qsizetype titleStart = html.indexOf(titleOpen);
    if (titleStart >= 0) {
        const qsizetype textStart = titleStart + titleOpen.size();
        const qsizetype titleEnd = html.indexOf(QStringLiteral("</span>"), textStart);
        if (titleEnd >= 0)
            problem.title = html.sliced(textStart, titleEnd - textStart);
    }

    const std::array<std::pair<QString, QString*>, 3> sections = {{
        {QStringLiteral("problem_description"), &problem.description},
        {QStringLiteral("problem_input"), &problem.inputDescription},
        {QStringLiteral("problem_output"), &problem.outputDescription},
    }};
    for (const auto& [id, field] : sections) {
        const QRegularExpression pattern(
            QStringLiteral("<div[^>]*id=\"") + id + QStringLiteral("\"[^>]*>(.*?)</div>"), dotAll);
        if (const auto match = firstMatch(pattern, html))
            *field = cleanHTML(match->captured(1));
    }

    // Every numbered sample that has both halves, so a page whose numbering
    // skips a sample still yields the samples after the gap.
    for (const int n : sampleNumbers(html)) {
        const QString suffix = QString::number(n);
        const auto input = preBlock(html, QStringLiteral("sample-input-") + suffix);
        const auto output = preBlock(html, QStringLiteral("sample-output-") + suffix);
        if (input && output)
            problem.testCases.append({sampleText(*input), sampleText(*output)});
    }
    return problem;
}

QString cleanHTML(const QString& html) {
    static const QRegularExpression sup(QStringLiteral("<sup>([^<]*)</sup>"), caseInsensitive);
    static const QRegularExpression sub(QStringLiteral("<sub>([^<]*)</sub>"), caseInsensitive);

    QString text = replaceMatches(sup, html, [](const QRegularExpressionMatch& match) {
        return QStringLiteral("^(") + match.captured(1) + u')';
    });
    text = replaceMatches(sub, text, [](const QRegularExpressionMatch& match) {
        return QStringLiteral("_(") + match.captured(1) + u')';
    });
    text = convertLatex(text);
    text = convertTables(text);
    text = replaceBlockTags(text);
    text = removeTags(text);
    text = decodeNamedEntities(text);
    text = decodeDecimalReferences(text);
    text = collapseBlankLines(text);
    return text.trimmed();
}

QString convertLatex(const QString& text) {
    static const QRegularExpression display(QStringLiteral(R"re(\\\[(.+?)\\\])re"), dotAll);
    static const QRegularExpression inlineParens(QStringLiteral(R"re(\\\((.+?)\\\))re"), dotAll);
    static const QRegularExpression dollars(QStringLiteral(R"re(\$([^$]+)\$)re"));
    static const QRegularExpression fraction(QStringLiteral(R"re(\\frac\{([^}]*)\}\{([^}]*)\})re"));
    static const QRegularExpression superscriptGroup(QStringLiteral(R"re(\^\{([^}]*)\})re"));
    static const QRegularExpression subscriptGroup(QStringLiteral(R"re(_\{([^}]*)\})re"));
    static const QRegularExpression subscriptCharacter(QStringLiteral("_([0-9a-z])"));
    static const QRegularExpression superscriptDigit(QStringLiteral(R"re(\^([0-9]))re"));

    QString result = replaceMatches(display, text, firstGroup);
    result = replaceMatches(inlineParens, result, firstGroup);
    result = replaceMatches(dollars, result, firstGroup);
    result = replaceTexCommands(result);
    result = replaceMatches(fraction, result, [](const QRegularExpressionMatch& match) {
        return QStringLiteral("\n  ") + match.captured(1) + QStringLiteral("\n─────\n  ") +
               match.captured(2) + u'\n';
    });
    const auto superscript = [](const QRegularExpressionMatch& match) {
        return mapCharacters(match.captured(1), superscriptMap());
    };
    const auto subscript = [](const QRegularExpressionMatch& match) {
        return mapCharacters(match.captured(1), subscriptMap());
    };
    result = replaceMatches(superscriptGroup, result, superscript);
    result = replaceMatches(subscriptGroup, result, subscript);
    result = replaceMatches(subscriptCharacter, result, subscript);
    result = replaceMatches(superscriptDigit, result, superscript);
    return removeBraces(result);
}

QString convertTables(const QString& text) {
    static const QRegularExpression table(QStringLiteral("<table[^>]*>(.*?)</table>"),
                                          caseInsensitive | dotAll);
    return replaceMatches(table, text, [](const QRegularExpressionMatch& match) {
        const std::optional<QString> drawn = drawTable(match.captured(1));
        if (!drawn)
            return match.captured(0);
        return u'\n' + *drawn + u'\n';
    });
}

QString renderTable(const QString& tableHTML) {
    return drawTable(tableHTML).value_or(tableHTML);
}

QString trimTrailingWhitespace(const QString& text) {
    qsizetype end = text.size();
    while (end > 0) {
        const QChar last = text[end - 1];
        if (last != u' ' && last != u'\n' && last != u'\r' && last != u'\t')
            break;
        --end;
    }
    return text.first(end);
}

QString mapCharacters(const QString& text, const CharacterMap& table) {
    QString result;
    result.reserve(text.size());
    for (const QChar c : text)
        result += table.value(c, c);
    return result;
}

QString decodeSampleEntities(const QString& text) {
    const QStringView source(text);
    QString result;
    result.reserve(text.size());
    qsizetype copied = 0;
    qsizetype at = source.indexOf(u'&');
    while (at >= 0) {
        qsizetype end = -1;
        QString decoded;
        if (at + 1 < source.size() && source[at + 1] == u'#') {
            const bool hex =
                at + 2 < source.size() && (source[at + 2] == u'x' || source[at + 2] == u'X');
            const int base = hex ? 16 : 10;
            const qsizetype firstDigit = at + (hex ? 3 : 2);
            qsizetype digit = firstDigit;
            qint64 value = 0;
            // Digits stop counting once the value is past Unicode, so it cannot overflow.
            while (digit < source.size() && value <= 0x10FFFF) {
                const int d = digitValue(source[digit], base);
                if (d < 0)
                    break;
                value = value * base + d;
                ++digit;
            }
            if (digit > firstDigit && digit < source.size() && source[digit] == u';' &&
                isScalarValue(value)) {
                end = digit + 1;
                decoded = fromCodePoint(char32_t(value));
            }
        } else if (const int entity = entityAt(source, at + 1); entity >= 0) {
            end = at + 1 + entities[size_t(entity)].name.size();
            decoded = entities[size_t(entity)].text.toString();
        }
        if (end < 0) {
            at = source.indexOf(u'&', at + 1);
            continue;
        }
        result += source.sliced(copied, at - copied);
        result += decoded;
        copied = end;
        at = source.indexOf(u'&', end);
    }
    result += source.sliced(copied);
    return result;
}
