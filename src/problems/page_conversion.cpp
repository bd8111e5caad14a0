#include "problems/page_conversion.h"

#include <QList>
#include <QStringList>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <array>
#include <map>
#include <optional>

namespace {

// ---- matching
//
// Each pattern of the conversion is a scan here that finds exactly what the
// regular expression finds (leftmost, non-overlapping, the same groups); the
// tests hold every scan to the regular expression it stands for. Scans cost
// nothing per match and run in time linear in the text, so a large page stays
// fast and no page can stall or defeat them.

struct Range {
    qsizetype start = 0;
    qsizetype end = 0;
};

struct Match {
    Range whole;
    Range group1;
    Range group2;
};

using OptionalMatch = std::optional<Match>;

QStringView slice(QStringView text, Range range) {
    return text.sliced(range.start, range.end - range.start);
}

// Replaces each match of `find` (the leftmost match at or after an offset)
// by what `replacement` makes of it. Building the result front to back gives
// the text that replacing from the last match to the first gives.
template <typename Find, typename Replacement>
QString replaceAll(const QString& text, Find find, Replacement replacement) {
    const QStringView source(text);
    OptionalMatch match = find(source, 0);
    if (!match)
        return text;
    QString result;
    result.reserve(text.size());
    qsizetype copied = 0;
    for (; match; match = find(source, match->whole.end)) {
        result += source.sliced(copied, match->whole.start - copied);
        result += replacement(source, *match);
        copied = match->whole.end;
    }
    result += source.sliced(copied);
    return result;
}

bool sameCharacter(QChar a, QChar b, Qt::CaseSensitivity cs) {
    if (a == b)
        return true;
    if (cs == Qt::CaseSensitive)
        return false;
    const char16_t x = a.unicode();
    const char16_t y = b.unicode();
    if (x < 0x80 && y < 0x80)
        return (x | 0x20) == (y | 0x20) && (x | 0x20) >= u'a' && (x | 0x20) <= u'z';
    return QChar::toCaseFolded(char32_t(x)) == QChar::toCaseFolded(char32_t(y));
}

// Where `needle` (whose first character has no case) next occurs. Qt's own
// search of a longer needle prepares a skip table on every call, which costs
// more than the search itself when called once per match.
qsizetype find(QStringView text, QStringView needle, qsizetype from,
               Qt::CaseSensitivity cs = Qt::CaseSensitive) {
    for (qsizetype at = text.indexOf(needle.front(), from); at >= 0;
         at = text.indexOf(needle.front(), at + 1)) {
        if (text.size() - at < needle.size())
            return -1;
        qsizetype i = 1;
        while (i < needle.size() && sameCharacter(text[at + i], needle[i], cs))
            ++i;
        if (i == needle.size())
            return at;
    }
    return -1;
}

QString joined(std::initializer_list<QStringView> parts) {
    QString text;
    for (const QStringView part : parts)
        text += part;
    return text;
}

QString firstGroup(QStringView text, const Match& match) {
    return slice(text, match.group1).toString();
}

QString nothing(QStringView, const Match&) {
    return {};
}

// "<sup>([^<]*)</sup>", case-insensitive (open "<sup>", close "</sup>").
OptionalMatch findInlineTag(QStringView text, qsizetype from, QStringView open, QStringView close) {
    for (qsizetype at = find(text, open, from, Qt::CaseInsensitive); at >= 0;
         at = find(text, open, at + 1, Qt::CaseInsensitive)) {
        const qsizetype bodyStart = at + open.size();
        const qsizetype bodyEnd = text.indexOf(u'<', bodyStart);
        if (bodyEnd < 0)
            return std::nullopt;
        if (text.sliced(bodyEnd).startsWith(close, Qt::CaseInsensitive))
            return Match{{at, bodyEnd + close.size()}, {bodyStart, bodyEnd}, {}};
    }
    return std::nullopt;
}

// "\\\[(.+?)\\\]" and the like, dot matching line breaks: the first close
// after at least one character.
OptionalMatch findDelimited(QStringView text, qsizetype from, QStringView open, QStringView close) {
    const qsizetype at = find(text, open, from);
    if (at < 0)
        return std::nullopt;
    const qsizetype bodyStart = at + open.size();
    const qsizetype closeAt = find(text, close, bodyStart + 1);
    if (closeAt < 0)
        return std::nullopt;
    return Match{{at, closeAt + close.size()}, {bodyStart, closeAt}, {}};
}

// "\$([^$]+)\$"
OptionalMatch findDollarMath(QStringView text, qsizetype from) {
    qsizetype at = text.indexOf(u'$', from);
    while (at >= 0) {
        const qsizetype next = text.indexOf(u'$', at + 1);
        if (next < 0)
            return std::nullopt;
        if (next > at + 1)
            return Match{{at, next + 1}, {at + 1, next}, {}};
        at = next; // "$$" holds nothing; the second sign may open a formula
    }
    return std::nullopt;
}

// "\\frac\{([^}]*)\}\{([^}]*)\}"
OptionalMatch findFraction(QStringView text, qsizetype from) {
    constexpr QStringView open = u"\\frac{";
    // Openings that share a closing brace share its search: a page of
    // openings and one brace at its end is one pass, not one per opening.
    qsizetype numeratorEnd = -1;
    for (qsizetype at = find(text, open, from); at >= 0; at = find(text, open, at + 1)) {
        if (numeratorEnd < at + open.size())
            numeratorEnd = text.indexOf(u'}', at + open.size());
        if (numeratorEnd < 0)
            return std::nullopt;
        if (!text.sliced(numeratorEnd).startsWith(u"}{"))
            continue;
        const qsizetype denominatorEnd = text.indexOf(u'}', numeratorEnd + 2);
        if (denominatorEnd < 0)
            return std::nullopt;
        return Match{{at, denominatorEnd + 1},
                     {at + open.size(), numeratorEnd},
                     {numeratorEnd + 2, denominatorEnd}};
    }
    return std::nullopt;
}

// "\^\{([^}]*)\}" (open "^{") and "_\{([^}]*)\}" (open "_{").
OptionalMatch findBraced(QStringView text, qsizetype from, QStringView open) {
    const qsizetype at = find(text, open, from);
    if (at < 0)
        return std::nullopt;
    const qsizetype end = text.indexOf(u'}', at + open.size());
    if (end < 0)
        return std::nullopt;
    return Match{{at, end + 1}, {at + open.size(), end}, {}};
}

// "_([0-9a-z])" and "\^([0-9])": a marker and one character of a class.
template <typename Accepts>
OptionalMatch findMarked(QStringView text, qsizetype from, QChar marker, Accepts accepts) {
    for (qsizetype at = text.indexOf(marker, from); at >= 0; at = text.indexOf(marker, at + 1)) {
        if (at + 1 < text.size() && accepts(text[at + 1]))
            return Match{{at, at + 2}, {at + 1, at + 2}, {}};
    }
    return std::nullopt;
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isDigitOrLowerLetter(QChar c) {
    return isAsciiDigit(c) || (c >= u'a' && c <= u'z');
}

// "<table[^>]*>(.*?)</table>", case-insensitive, dot matching line breaks
// (open "<table", close "</table>").
OptionalMatch findElement(QStringView text, qsizetype from, QStringView open, QStringView close) {
    const qsizetype at = find(text, open, from, Qt::CaseInsensitive);
    if (at < 0)
        return std::nullopt;
    const qsizetype tagEnd = text.indexOf(u'>', at + open.size());
    if (tagEnd < 0)
        return std::nullopt;
    const qsizetype closeAt = find(text, close, tagEnd + 1, Qt::CaseInsensitive);
    if (closeAt < 0)
        return std::nullopt;
    return Match{{at, closeAt + close.size()}, {tagEnd + 1, closeAt}, {}};
}

bool isCellLetter(QChar c) {
    return c == u'h' || c == u'd' || c == u'H' || c == u'D';
}

// "<t[hd][^>]*>(.*?)</t[hd]>", case-insensitive, dot matching line breaks.
OptionalMatch findCell(QStringView text, qsizetype from) {
    for (qsizetype at = find(text, u"<t", from, Qt::CaseInsensitive); at >= 0;
         at = find(text, u"<t", at + 1, Qt::CaseInsensitive)) {
        if (at + 2 >= text.size() || !isCellLetter(text[at + 2]))
            continue;
        const qsizetype tagEnd = text.indexOf(u'>', at + 3);
        if (tagEnd < 0)
            return std::nullopt;
        for (qsizetype close = find(text, u"</t", tagEnd + 1, Qt::CaseInsensitive); close >= 0;
             close = find(text, u"</t", close + 1, Qt::CaseInsensitive)) {
            if (close + 4 < text.size() && isCellLetter(text[close + 3]) && text[close + 4] == u'>')
                return Match{{at, close + 5}, {tagEnd + 1, close}, {}};
        }
        return std::nullopt;
    }
    return std::nullopt;
}

// "<[^>]+>"
OptionalMatch findTag(QStringView text, qsizetype from) {
    for (qsizetype at = text.indexOf(u'<', from); at >= 0; at = text.indexOf(u'<', at + 1)) {
        const qsizetype end = text.indexOf(u'>', at + 1);
        if (end < 0)
            return std::nullopt;
        if (end > at + 1)
            return Match{{at, end + 1}, {}, {}};
    }
    return std::nullopt;
}

// "&#([0-9]+);"
OptionalMatch findDecimalReference(QStringView text, qsizetype from) {
    for (qsizetype at = find(text, u"&#", from); at >= 0; at = find(text, u"&#", at + 1)) {
        qsizetype end = at + 2;
        while (end < text.size() && isAsciiDigit(text[end]))
            ++end;
        if (end > at + 2 && end < text.size() && text[end] == u';')
            return Match{{at, end + 1}, {at + 2, end}, {}};
    }
    return std::nullopt;
}

// "<div[^>]*id=\"ID\"[^>]*>(.*?)</div>", dot matching line breaks, for an
// element name and an id; only the first match counts. The rare attribute
// is searched first: the match opens at the first "<div" that stands before
// an occurrence of it with no '>' in between.
OptionalMatch findElementWithId(QStringView text, QStringView name, QStringView id) {
    const QString open = joined({u"<", name});
    const QString close = joined({u"</", name, u">"});
    const QString attribute = joined({u"id=\"", id, u"\""});
    qsizetype openSearchFrom = 0;
    qsizetype previous = -1;
    for (qsizetype at = text.indexOf(attribute); at >= 0; at = text.indexOf(attribute, at + 1)) {
        // Openings before the tag that holds this occurrence cannot reach it.
        if (previous < 0 || text.sliced(previous, at - previous).contains(u'>'))
            openSearchFrom = text.first(at).lastIndexOf(u'>') + 1;
        const qsizetype opening = text.sliced(openSearchFrom, at - openSearchFrom).indexOf(open);
        if (opening >= 0) {
            const qsizetype tagEnd = text.indexOf(u'>', at + attribute.size());
            if (tagEnd < 0)
                return std::nullopt;
            const qsizetype closeAt = text.indexOf(close, tagEnd + 1);
            if (closeAt < 0)
                return std::nullopt;
            return Match{
                {openSearchFrom + opening, closeAt + close.size()}, {tagEnd + 1, closeAt}, {}};
        }
        // The attribute holds no '<', so no opening starts inside it.
        openSearchFrom = at;
        previous = at;
    }
    return std::nullopt;
}

QString removeTags(const QString& text) {
    return replaceAll(text, findTag, nothing);
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

QString fromCodePoint(char32_t codePoint) {
    const char32_t units[] = {codePoint};
    return QString::fromUcs4(units, 1);
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
    const QStringView source(text);
    QString result;
    result.reserve(text.size());
    qsizetype copied = 0;
    qsizetype at = source.indexOf(u'\\');
    while (at >= 0) {
        qsizetype end = at + 1;
        while (end < source.size() && isAsciiLetter(source[end]))
            ++end;
        const QStringView name = source.sliced(at + 1, end - at - 1);
        const auto command = std::find_if(texCommands.begin(), texCommands.end(),
                                          [&](const TexCommand& c) { return c.name == name; });
        if (command != texCommands.end()) {
            result += source.sliced(copied, at - copied);
            result += command->text;
            copied = end;
        }
        // A backslash that starts no command may still be followed by one.
        at = source.indexOf(u'\\', command != texCommands.end() ? end : at + 1);
    }
    result += source.sliced(copied);
    return result;
}

// The last step of the TeX conversion: grouping braces go, "\ " is a space,
// and TeX's literal braces "\{" and "\}" stay as braces.
QString removeBraces(const QString& text) {
    const QStringView source(text);
    QString result;
    result.reserve(text.size());
    qsizetype copied = 0;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        const bool escape =
            c == u'\\' && i + 1 < source.size() &&
            (source[i + 1] == u'{' || source[i + 1] == u'}' || source[i + 1] == u' ');
        if (!escape && c != u'{' && c != u'}')
            continue;
        result += source.sliced(copied, i - copied);
        if (escape)
            result += source[++i];
        copied = i + 1;
    }
    result += source.sliced(copied);
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
    const qsizetype semicolon =
        text.sliced(at, std::min(longestEntityName, text.size() - at)).indexOf(u';');
    if (semicolon < 0)
        return -1;
    const QStringView name = text.sliced(at, semicolon + 1);
    const auto entity = std::find_if(entities.begin(), entities.end(),
                                     [&](const Entity& e) { return e.name == name; });
    return entity == entities.end() ? -1 : int(entity - entities.begin());
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
    return replaceAll(text, findDecimalReference, [](QStringView source, const Match& match) {
        bool parsed = false;
        const qint64 value = slice(source, match.group1).toLongLong(&parsed);
        if (!parsed || !isScalarValue(value))
            return slice(source, match.whole).toString();
        return fromCodePoint(char32_t(value));
    });
}

// ---- markup

// The paragraph, line-break and list-item tags, replaced as if one after the
// other: first "<p>" (whose removal may join the text around it), then the
// rest in one pass, since none of their replacements contains '<'.
QString replaceBlockTags(const QString& text) {
    const QString joined = replaceAll(
        text,
        [](QStringView source, qsizetype from) -> OptionalMatch {
            const qsizetype at = find(source, u"<p>", from);
            if (at < 0)
                return std::nullopt;
            return Match{{at, at + 3}, {}, {}};
        },
        nothing);

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
    const QStringView source(text);
    QString result;
    result.reserve(text.size());
    qsizetype copied = 0;
    qsizetype at = source.indexOf(QStringView(u"\n\n\n"));
    while (at >= 0) {
        qsizetype end = at + 3;
        while (end < source.size() && source[end] == u'\n')
            ++end;
        result += source.sliced(copied, at + 2 - copied);
        copied = end;
        at = source.indexOf(QStringView(u"\n\n\n"), end);
    }
    result += source.sliced(copied);
    return result;
}

// ---- tables

// A character that is a whole user-perceived character whatever its
// neighbours: below the combining marks (a carriage return aside, which joins
// a following line feed) or a precomposed Hangul syllable.
bool standsAlone(QChar c) {
    const char16_t u = c.unicode();
    return (u < 0x300 && u != u'\r') || (u >= 0xAC00 && u <= 0xD7A3);
}

// User-perceived characters; a carriage return and line feed count as one.
qsizetype characterCount(const QString& text) {
    if (std::all_of(text.begin(), text.end(), standsAlone))
        return text.size();
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (finder.toNextBoundary() >= 0)
        ++count;
    return count;
}

QList<QStringList> tableCells(const QString& tableHTML) {
    const QStringView table(tableHTML);
    QList<QStringList> rows;
    for (OptionalMatch row = findElement(table, 0, u"<tr", u"</tr>"); row;
         row = findElement(table, row->whole.end, u"<tr", u"</tr>")) {
        const QStringView rowHTML = slice(table, row->group1);
        QStringList texts;
        for (OptionalMatch cell = findCell(rowHTML, 0); cell;
             cell = findCell(rowHTML, cell->whole.end))
            texts.append(removeTags(slice(rowHTML, cell->group1).toString()).trimmed());
        if (!texts.isEmpty())
            rows.append(texts);
    }
    return rows;
}

} // namespace

qsizetype tableDrawingBudget(qsizetype sourceLength) {
    constexpr qsizetype most = 1 << 20;
    return std::min(4 * sourceLength, most);
}

QString renderTableRows(const QList<QStringList>& table, qsizetype budget) {
    if (table.isEmpty())
        return QString();

    qsizetype columns = 0;
    for (const QStringList& row : table)
        columns = std::max(columns, row.size());
    QList<qsizetype> widths(columns, 0);
    QList<QList<qsizetype>> counts;
    // Code units beyond one per user-perceived character.
    qsizetype extraUnits = 0;
    for (const QStringList& row : table) {
        QList<qsizetype> rowCounts;
        for (qsizetype c = 0; c < row.size(); ++c) {
            rowCounts.append(characterCount(row[c]));
            widths[c] = std::max(widths[c], rowCounts.last());
            extraUnits += row[c].size() - rowCounts.last();
        }
        counts.append(rowCounts);
    }

    // Every line of the box, rule or row, is as wide as the widest row; one
    // wide cell over many short rows would pad each of them to its width.
    qsizetype lineWidth = 2; // the left edge and the line feed
    for (const qsizetype width : widths)
        lineWidth += width + 3;
    const qsizetype drawnSize = (2 * table.size() + 1) * lineWidth - 1 + extraUnits;
    if (drawnSize > budget) {
        QStringList lines;
        for (const QStringList& row : table)
            lines.append(row.join(u" | "));
        return lines.join(u'\n');
    }

    const auto rule = [&](QChar left, QChar middle, QChar right) {
        QString line(left);
        for (qsizetype c = 0; c < columns; ++c) {
            if (c > 0)
                line += middle;
            line += QString(widths[c] + 2, u'─');
        }
        return line + right + u'\n';
    };
    const QString separator = rule(u'├', u'┼', u'┤');

    QString drawn = rule(u'┌', u'┬', u'┐');
    for (qsizetype r = 0; r < table.size(); ++r) {
        const QStringList& row = table[r];
        drawn += u'│';
        for (qsizetype c = 0; c < columns; ++c) {
            const bool present = c < row.size();
            drawn += u' ';
            if (present)
                drawn += row[c];
            drawn += QString(widths[c] - (present ? counts[r][c] : 0) + 1, u' ');
            drawn += u'│';
        }
        drawn += u'\n';
        if (r + 1 < table.size())
            drawn += separator;
    }
    drawn += rule(u'└', u'┴', u'┘');
    drawn.chop(1);
    return drawn;
}

namespace {

// ---- samples

// Where "input-N\"" or "output-N\"" starts: which of the two and N, from 1
// to 999999999 written without a leading zero.
struct SampleId {
    bool input = false;
    int number = 0;
};

std::optional<SampleId> sampleIdAt(QStringView html, qsizetype at) {
    SampleId id;
    const QStringView rest = html.sliced(at);
    if (rest.startsWith(u"input-"))
        id.input = true;
    else if (!rest.startsWith(u"output-"))
        return std::nullopt;
    const qsizetype digits = at + (id.input ? 6 : 7);
    qsizetype end = digits;
    while (end < html.size() && end - digits < 9 && isAsciiDigit(html[end]))
        ++end;
    if (end == digits || html[digits] == u'0' || end == html.size() || html[end] != u'"')
        return std::nullopt;
    id.number = html.sliced(digits, end - digits).toInt();
    return id;
}

// The samples' raw texts by number. For each id, the text the element
// pattern "<pre[^>]*id=\"ID\"[^>]*>(.*?)</pre>" finds first, all ids in one
// pass: an id counts when a "<pre" stands before it inside its tag (no '>'
// between them), and its text runs from the tag's '>' to the next "</pre>".
struct SampleBlocks {
    std::map<int, QStringView> inputs;
    std::map<int, QStringView> outputs;
};

SampleBlocks sampleBlocks(QStringView html) {
    constexpr QStringView marker = u"id=\"sample-";
    constexpr QStringView preOpen = u"<pre";
    constexpr QStringView preClose = u"</pre>";
    SampleBlocks blocks;
    // The page before `scanned` is known: the tag around it started at
    // `tagStart`, and `preOpened` says whether a "<pre" stands in it.
    qsizetype scanned = 0;
    qsizetype tagStart = 0;
    bool preOpened = false;
    // Looked up once and shared by every id before them.
    qsizetype tagEnd = -1;
    qsizetype closeAt = -1;
    for (qsizetype at = html.indexOf(marker); at >= 0; at = html.indexOf(marker, at + 1)) {
        qsizetype preFrom = std::max(tagStart, scanned - (preOpen.size() - 1));
        if (const qsizetype gt = html.sliced(scanned, at - scanned).lastIndexOf(u'>'); gt >= 0) {
            tagStart = scanned + gt + 1;
            preOpened = false;
            preFrom = tagStart;
        }
        if (!preOpened)
            preOpened = html.sliced(preFrom, at - preFrom).contains(preOpen);
        scanned = at;
        const std::optional<SampleId> id = sampleIdAt(html, at + marker.size());
        if (!preOpened || !id)
            continue;
        std::map<int, QStringView>& found = id->input ? blocks.inputs : blocks.outputs;
        if (found.contains(id->number))
            continue;
        // Without a '>' or a "</pre>" after this id, no later id has one.
        if (tagEnd < at && (tagEnd = html.indexOf(u'>', at)) < 0)
            break;
        if (closeAt <= tagEnd && (closeAt = html.indexOf(preClose, tagEnd + 1)) < 0)
            break;
        found.emplace(id->number, html.sliced(tagEnd + 1, closeAt - tagEnd - 1));
    }
    return blocks;
}

QString sampleText(QStringView raw) {
    return trimTrailingWhitespace(decodeSampleEntities(raw.toString()));
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

    const std::array<std::pair<QStringView, QString*>, 3> sections = {{
        {u"problem_description", &problem.description},
        {u"problem_input", &problem.inputDescription},
        {u"problem_output", &problem.outputDescription},
    }};
    for (const auto& [id, field] : sections) {
        if (const OptionalMatch match = findElementWithId(html, u"div", id))
            *field = cleanHTML(slice(html, match->group1).toString());
    }

    // Every numbered sample that has both halves, so a page whose numbering
    // skips a sample still yields the samples after the gap.
    const SampleBlocks samples = sampleBlocks(html);
    for (const auto& [number, input] : samples.inputs) {
        if (const auto output = samples.outputs.find(number); output != samples.outputs.end())
            problem.testCases.append({sampleText(input), sampleText(output->second)});
    }
    return problem;
}

QString cleanHTML(const QString& html) {
    QString text = replaceAll(
        html,
        [](QStringView source, qsizetype from) {
            return findInlineTag(source, from, u"<sup>", u"</sup>");
        },
        [](QStringView source, const Match& match) {
            return joined({u"^(", slice(source, match.group1), u")"});
        });
    text = replaceAll(
        text,
        [](QStringView source, qsizetype from) {
            return findInlineTag(source, from, u"<sub>", u"</sub>");
        },
        [](QStringView source, const Match& match) {
            return joined({u"_(", slice(source, match.group1), u")"});
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
    const auto superscript = [](QStringView source, const Match& match) {
        return mapCharacters(slice(source, match.group1).toString(), superscriptMap());
    };
    const auto subscript = [](QStringView source, const Match& match) {
        return mapCharacters(slice(source, match.group1).toString(), subscriptMap());
    };

    QString result = replaceAll(
        text,
        [](QStringView source, qsizetype from) {
            return findDelimited(source, from, u"\\[", u"\\]");
        },
        firstGroup);
    result = replaceAll(
        result,
        [](QStringView source, qsizetype from) {
            return findDelimited(source, from, u"\\(", u"\\)");
        },
        firstGroup);
    result = replaceAll(result, findDollarMath, firstGroup);
    result = replaceTexCommands(result);
    result = replaceAll(result, findFraction, [](QStringView source, const Match& match) {
        return joined({u"\n  ", slice(source, match.group1), u"\n─────\n  ",
                       slice(source, match.group2), u"\n"});
    });
    result = replaceAll(
        result, [](QStringView source, qsizetype from) { return findBraced(source, from, u"^{"); },
        superscript);
    result = replaceAll(
        result, [](QStringView source, qsizetype from) { return findBraced(source, from, u"_{"); },
        subscript);
    result = replaceAll(
        result,
        [](QStringView source, qsizetype from) {
            return findMarked(source, from, u'_', isDigitOrLowerLetter);
        },
        subscript);
    result = replaceAll(
        result,
        [](QStringView source, qsizetype from) {
            return findMarked(source, from, u'^', isAsciiDigit);
        },
        superscript);
    return removeBraces(result);
}

QString convertTables(const QString& text) {
    return replaceAll(
        text,
        [](QStringView source, qsizetype from) {
            return findElement(source, from, u"<table", u"</table>");
        },
        [](QStringView source, const Match& match) {
            return u'\n' + renderTable(slice(source, match.group1).toString()) + u'\n';
        });
}

QString renderTable(const QString& tableHTML) {
    return renderTableRows(tableCells(tableHTML), tableDrawingBudget(tableHTML.size()));
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
