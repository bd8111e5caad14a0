// The fast engine. Each scan below reproduces, for one rule or for several
// rules that look at the same thing, the list of matches that the rule's
// pattern yields when enumerated over the whole text (leftmost match, resume
// at its end), and the range the rule paints. The ranges are then painted in
// the rules' order, exactly as the reference does. The comment above each
// scan gives the argument for why it finds the same matches.
//
// Terms: W, S, D are the engine's \w, \s, \d (CharClass); a "word run" is a
// maximal run of W code points. \b at p holds when exactly one of the code
// points before and at p is W; for a pattern whose first character is W this
// means p starts a word run.

#include "editor/char_classes.h"
#include "editor/highlight_engines.h"
#include "editor/highlight_rules.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace {

using Ranges = std::vector<std::pair<qsizetype, qsizetype>>;

bool isAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}
// [a-zA-Z_]
bool isIdentStart(char16_t c) {
    return isAsciiLetter(c) || c == u'_';
}
// [a-zA-Z0-9_]
bool isIdentChar(char16_t c) {
    return isIdentStart(c) || (c >= u'0' && c <= u'9');
}
bool isHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}
bool isNumberSuffix(char16_t c) {
    return c == u'f' || c == u'F' || c == u'l' || c == u'L' || c == u'u' || c == u'U';
}

// Whole-word lookup of the ASCII word lists: a run is in the set when it is
// one of the words exactly.
class WordSet {
public:
    explicit WordSet(const QStringList& words) : m_words(words) {
        for (const QString& word : m_words)
            m_buckets[bucket(word.size(), word.front().unicode())].push_back(word);
    }
    bool contains(const char16_t* run, qsizetype length) const {
        if (length >= maxLength || run[0] >= 128)
            return false;
        for (QStringView word : m_buckets[bucket(length, run[0])]) {
            if (std::equal(run, run + length, word.utf16()))
                return true;
        }
        return false;
    }

private:
    static constexpr qsizetype maxLength = 16;
    static size_t bucket(qsizetype length, char16_t first) { return size_t(length) * 128 + first; }

    QStringList m_words;
    std::array<std::vector<QStringView>, maxLength * 128> m_buckets;
};

class Scanner {
public:
    explicit Scanner(QStringView text)
        : m_text(text), m_units(text.utf16()), m_size(text.size()),
          m_classes(CharClass::basicPlane()) {}

    qsizetype size() const { return m_size; }
    const char16_t* units() const { return m_units; }
    char16_t unit(qsizetype i) const { return m_units[i]; }
    // The unit at i, or 0 past the end (0 is none of the characters the
    // patterns name).
    char16_t unitOrNone(qsizetype i) const { return i < m_size ? m_units[i] : char16_t(0); }

    std::uint8_t classAt(qsizetype i, qsizetype& length) const {
        const char16_t u = m_units[i];
        if (u < 0xD800 || u > 0xDFFF) {
            length = 1;
            return m_classes[u];
        }
        return CharClass::of(CharClass::codePointAt(m_text, i, length));
    }
    bool wordAt(qsizetype i) const {
        qsizetype length = 0;
        return i < m_size && (classAt(i, length) & CharClass::word);
    }
    bool isLineEnd(char16_t u) const { return m_classes[u] & CharClass::lineEnd; }

    // End of the run of code points of the given class starting at i.
    qsizetype skipClass(qsizetype i, std::uint8_t bit) const {
        qsizetype length = 0;
        while (i < m_size && (classAt(i, length) & bit))
            i += length;
        return i;
    }
    qsizetype skipSpaces(qsizetype i) const { return skipClass(i, CharClass::space); }
    qsizetype skipDigits(qsizetype i) const { return skipClass(i, CharClass::digit); }
    // End of [a-zA-Z0-9_]* from i.
    qsizetype identEnd(qsizetype i) const {
        while (i < m_size && isIdentChar(m_units[i]))
            ++i;
        return i;
    }
    // First line end at or after i, or the size. Line ends are all in the BMP.
    qsizetype lineEndFrom(qsizetype i) const {
        while (i < m_size && !isLineEnd(m_units[i]))
            ++i;
        return i;
    }
    // First occurrence of the needle at or after `from`, or -1.
    qsizetype find(QStringView needle, qsizetype from) const {
        const QChar first = needle.front();
        while (from < m_size) {
            const qsizetype at = m_text.indexOf(first, from);
            if (at < 0 || at + needle.size() > m_size)
                return -1;
            if (matchesAt(at, needle))
                return at;
            from = at + 1;
        }
        return -1;
    }
    bool matchesAt(qsizetype at, QStringView needle) const {
        if (at + needle.size() > m_size)
            return false;
        for (qsizetype i = 0; i < needle.size(); ++i) {
            if (m_units[at + i] != needle[i].unicode())
                return false;
        }
        return true;
    }
    QStringView mid(qsizetype start, qsizetype end) const {
        return m_text.sliced(start, end - start);
    }

    // Visits every word run [start, end) in order. `identOnly` tells whether
    // the run is [a-zA-Z_][a-zA-Z0-9_]* as a whole.
    template <typename Visit> void forEachWordRun(Visit visit) const {
        qsizetype i = 0;
        qsizetype length = 0;
        while (i < m_size) {
            while (i < m_size && !(classAt(i, length) & CharClass::word))
                i += length;
            if (i >= m_size)
                return;
            const qsizetype start = i;
            bool identOnly = isIdentStart(m_units[i]);
            while (i < m_size && (classAt(i, length) & CharClass::word)) {
                identOnly = identOnly && isIdentChar(m_units[i]);
                i += length;
            }
            visit(start, i, identOnly);
        }
    }

private:
    QStringView m_text;
    const char16_t* m_units;
    qsizetype m_size;
    const std::uint8_t* m_classes;
};

// \b\d+\.?\d*[fFlLuU]?\b (withSuffix) or \b\d+\.?\d*\b at a word run start p
// whose first code point is D; returns the match end or -1.
// Backtracking, in the engine's order: with \d+ taking the whole digit run
// [p, q), the optional dot, the second digit run [q+1, r), the optional suffix
// and the closing \b are tried greedily first. Any shorter \d+ or \d* leaves a
// digit at the end position with a digit before it (no \b), except \d* = 0
// right after the dot, where "." before a digit is a boundary. Hence at most
// these ends, in this order: r+1 (suffix), r, q+1 (dot, when digits follow
// it), q+1 (suffix without dot), q.
qsizetype numberEnd(const Scanner& text, qsizetype p, bool withSuffix) {
    const qsizetype q = text.skipDigits(p);
    const auto suffixAt = [&](qsizetype i) {
        return withSuffix && i < text.size() && isNumberSuffix(text.unit(i));
    };
    if (text.unitOrNone(q) == u'.') {
        const qsizetype r = text.skipDigits(q + 1);
        const bool digitsAfterDot = r > q + 1;
        if (suffixAt(r) && !text.wordAt(r + 1))
            return r + 1;
        // Before r sits a digit, or the dot when no digit follows it.
        if (digitsAfterDot ? !text.wordAt(r) : text.wordAt(r))
            return r;
        if (digitsAfterDot)
            return q + 1;
    }
    if (suffixAt(q) && !text.wordAt(q + 1))
        return q + 1;
    if (!text.wordAt(q))
        return q;
    return -1;
}

// The rules that start at a word: keyword and type lists, calls, subscripts,
// assignments, numbers, and Python's def/class/for names.
//
// Word lists, "\bw\b": w is made of W characters, so a match is a word run
// equal to w; runs do not overlap, so the words of a list (painted one rule
// each in the reference, all in the same role) paint exactly the runs found in
// the set.
// "\b([a-zA-Z_][a-zA-Z0-9_]*)\s*X": the identifier starts a run; it must be
// followed by \s or X, neither W, so it is the whole run. Shorter identifiers
// leave an identifier character where \s or X is needed. Matches never
// contain another run start, so every run is tried.
// "\bw\s*\(" (Python built-ins): as above with the run equal to w; the whole
// match, up to the parenthesis, is painted.
// "\bdef\s+(ident)": the run is "def" (\s must follow); then S+ and the
// longest [a-zA-Z0-9_]* identifier. The identifier may itself be "def" or
// start another run, so runs that begin inside the previous match are not
// tried again, as the enumeration resumes after the match.
struct WordRules {
    Ranges keywords, types, builtinCalls, calls, subscripts, assignments, numbers, hexNumbers;
    Ranges defNames, classNames, forNames;
};

void scanWordRules(const Scanner& text, bool python, WordRules& out) {
    static const WordSet cKeywords(HighlightWords::cKeywords());
    static const WordSet cTypes(HighlightWords::cTypes());
    static const WordSet pythonKeywords(HighlightWords::pythonKeywords());
    static const WordSet pythonBuiltins(HighlightWords::pythonBuiltins());
    static const WordSet pythonTypes(HighlightWords::pythonTypes());
    const WordSet& keywords = python ? pythonKeywords : cKeywords;
    const WordSet& types = python ? pythonTypes : cTypes;

    qsizetype numberResume = 0;
    qsizetype defResume = 0;
    qsizetype classResume = 0;
    qsizetype forResume = 0;
    // Python's "\bdef\s+(ident)" and its two siblings.
    const auto namedAfter = [&](qsizetype end, qsizetype& resume, Ranges& names) {
        const qsizetype name = text.skipSpaces(end);
        if (name > end && name < text.size() && isIdentStart(text.unit(name))) {
            const qsizetype nameEnd = text.identEnd(name + 1);
            names.emplace_back(name, nameEnd);
            resume = nameEnd;
        }
    };

    text.forEachWordRun([&](qsizetype start, qsizetype end, bool identOnly) {
        qsizetype length = 0;
        if (text.classAt(start, length) & CharClass::digit) {
            if (start >= numberResume) {
                const qsizetype numberStop = numberEnd(text, start, !python);
                if (numberStop >= 0) {
                    out.numbers.emplace_back(start, numberStop);
                    numberResume = numberStop;
                }
            }
            // "\b0x[0-9a-fA-F]+\b": the run is exactly 0x and hex digits.
            if (!python && end - start >= 3 && text.unit(start) == u'0' &&
                text.unit(start + 1) == u'x') {
                qsizetype i = start + 2;
                while (i < end && isHexDigit(text.unit(i)))
                    ++i;
                if (i == end)
                    out.hexNumbers.emplace_back(start, end);
            }
            return;
        }
        if (!identOnly)
            return;
        const char16_t* run = text.units() + start;
        const qsizetype runLength = end - start;
        if (keywords.contains(run, runLength))
            out.keywords.emplace_back(start, end);
        if (types.contains(run, runLength))
            out.types.emplace_back(start, end);
        const qsizetype next = text.skipSpaces(end);
        const char16_t after = text.unitOrNone(next);
        if (after == u'(') {
            out.calls.emplace_back(start, end);
            if (python && pythonBuiltins.contains(run, runLength))
                out.builtinCalls.emplace_back(start, next + 1);
        } else if (after == u'[') {
            if (!python)
                out.subscripts.emplace_back(start, end);
        } else if (after == u'=' && text.unitOrNone(next + 1) != u'=') {
            out.assignments.emplace_back(start, end);
        }
        if (!python)
            return;
        const QStringView word = text.mid(start, end);
        if (start >= defResume && word == u"def")
            namedAfter(end, defResume, out.defNames);
        if (start >= classResume && word == u"class")
            namedAfter(end, classResume, out.classNames);
        if (start >= forResume && word == u"for")
            namedAfter(end, forResume, out.forNames);
    });
}

// "(?:int|char|...|pair)\s+\*?\s*(ident)" and "(?:...)\s*<[^>]+>\s+(ident)".
// No \b: a word may start anywhere ("print x" declares x), so every position
// is tried. No word of the alternation is a prefix of another, so at most one
// applies at a position. Typed: after S+ (at least one), an optional "*" and
// S*, the longest identifier; a shorter S+ or a skipped "*" leaves a blank or
// the "*" where the identifier must start. Templated: [^>]+ runs to the first
// ">" after "<" (giving back characters leaves a non-">" where ">" is needed),
// then S+ and the identifier. Each enumeration resumes after its match.
struct DeclarationRules {
    Ranges typed, templated;
};

// Each word of the alternation has its own first two letters, so those two
// letters name the only word that can start at a position.
int declarationWordLength(const Scanner& text, qsizetype p) {
    static const QStringList& words = HighlightWords::declarationTypes();
    static const auto byFirstTwo = [] {
        std::array<std::uint8_t, 128 * 128> table{};
        for (qsizetype i = 0; i < words.size(); ++i)
            table[size_t(words[i][0].unicode()) * 128 + words[i][1].unicode()] =
                std::uint8_t(i + 1);
        return table;
    }();
    if (p + 1 >= text.size())
        return 0;
    const char16_t first = text.unit(p);
    const char16_t second = text.unit(p + 1);
    if (first >= 128 || second >= 128)
        return 0;
    const std::uint8_t index = byFirstTwo[size_t(first) * 128 + second];
    if (index == 0 || !text.matchesAt(p, words[index - 1]))
        return 0;
    return int(words[index - 1].size());
}

void scanDeclarations(const Scanner& text, DeclarationRules& out) {
    qsizetype typedResume = 0;
    qsizetype templatedResume = 0;
    // First ">" at or after a position (-1: none). Queries come nearly in
    // order, so one remembered answer keeps a text without ">" linear.
    qsizetype closeFrom = -1;
    qsizetype closeAt = -1;
    const auto closingAngle = [&](qsizetype from) {
        if (closeFrom < 0 || from < closeFrom || (closeAt >= 0 && from > closeAt)) {
            closeFrom = from;
            closeAt = text.find(u">", from);
        }
        return closeAt;
    };
    const qsizetype size = text.size();
    for (qsizetype p = 0; p < size; ++p) {
        const int wordLength = declarationWordLength(text, p);
        if (wordLength == 0)
            continue;
        const qsizetype wordEnd = p + wordLength;
        const qsizetype afterBlanks = text.skipSpaces(wordEnd);
        if (p >= typedResume && afterBlanks > wordEnd) {
            qsizetype name = afterBlanks;
            if (text.unitOrNone(name) == u'*')
                name = text.skipSpaces(name + 1);
            if (name < size && isIdentStart(text.unit(name))) {
                const qsizetype nameEnd = text.identEnd(name + 1);
                out.typed.emplace_back(name, nameEnd);
                typedResume = nameEnd;
            }
        }
        if (p >= templatedResume && text.unitOrNone(afterBlanks) == u'<' &&
            afterBlanks + 1 < size && text.unit(afterBlanks + 1) != u'>') {
            const qsizetype close = closingAngle(afterBlanks + 1);
            if (close >= 0) {
                const qsizetype name = text.skipSpaces(close + 1);
                if (name > close + 1 && name < size && isIdentStart(text.unit(name))) {
                    const qsizetype nameEnd = text.identEnd(name + 1);
                    out.templated.emplace_back(name, nameEnd);
                    templatedResume = nameEnd;
                }
            }
        }
    }
}

// "^\s*#[a-zA-Z_]+" with "^" at line starts. Tried at 0 and after each line
// end, except between CR and LF, where the engine does not start a match (a
// line start pattern resumes after the whole CR LF). \s* takes the longest
// blank run (line ends included), which must end at "#" and a letter; giving
// back blanks only puts a blank where "#" is needed. When it fails, every line
// start inside that blank run fails the same way.
void scanDirectives(const Scanner& text, Ranges& out) {
    const qsizetype size = text.size();
    qsizetype start = 0;
    while (start < size) {
        const qsizetype hash = text.skipSpaces(start);
        qsizetype resume = hash;
        if (text.unitOrNone(hash) == u'#' && isIdentStart(text.unitOrNone(hash + 1))) {
            qsizetype end = hash + 2;
            while (end < size && isIdentStart(text.unit(end)))
                ++end;
            out.emplace_back(start, end);
            resume = end;
        }
        const qsizetype lineEnd = text.lineEndFrom(resume);
        if (lineEnd >= size)
            return;
        start = lineEnd + 1;
        if (text.unit(lineEnd) == u'\r' && text.unitOrNone(start) == u'\n')
            ++start;
    }
}

// "<[a-zA-Z0-9_./]+>": the run of allowed characters after "<" must be
// non-empty and end at ">"; none of them is "<", so a failed try skips the run.
void scanAngleNames(const Scanner& text, Ranges& out) {
    qsizetype from = 0;
    for (qsizetype open; (open = text.find(u"<", from)) >= 0;) {
        qsizetype end = open + 1;
        while (end < text.size() &&
               (isIdentChar(text.unit(end)) || text.unit(end) == u'.' || text.unit(end) == u'/'))
            ++end;
        if (end > open + 1 && text.unitOrNone(end) == u'>') {
            out.emplace_back(open, end + 1);
            from = end + 1;
        } else {
            from = end;
        }
    }
}

// Q[^Q\\]*(\\.[^Q\\]*)*Q for a quote Q: after the opening quote the text reads
// as plain characters and backslash pairs, deterministically; "." takes any
// character but a line end. The first unpaired Q closes. A backslash before a
// line end or the end of the text fails the try; every quote passed on the
// way was the second half of a backslash pair, and a try from there reads
// the same pairs and fails at the same place, so the search goes on after it
// (or stops, at the end of the text).
void scanQuoted(const Scanner& text, char16_t quote, Ranges& out) {
    const qsizetype size = text.size();
    const QChar quoteChar(quote);
    qsizetype from = 0;
    for (qsizetype open; (open = text.find(QStringView(&quoteChar, 1), from)) >= 0;) {
        qsizetype i = open + 1;
        for (;;) {
            if (i >= size)
                return;
            const char16_t c = text.unit(i);
            if (c == quote) {
                out.emplace_back(open, i + 1);
                from = i + 1;
                break;
            }
            if (c == u'\\') {
                if (i + 1 >= size)
                    return;
                if (text.isLineEnd(text.unit(i + 1))) {
                    from = i + 1;
                    break;
                }
                i += 2;
                continue;
            }
            ++i;
        }
    }
}

// "open[\s\S]*?close": the lazy body ends at the first "close" after
// "open"; with none, no later "open" can close either.
void scanDelimited(const Scanner& text, QStringView open, QStringView close, Ranges& out) {
    qsizetype from = 0;
    for (qsizetype start; (start = text.find(open, from)) >= 0;) {
        const qsizetype end = text.find(close, start + open.size());
        if (end < 0)
            return;
        out.emplace_back(start, end + close.size());
        from = end + close.size();
    }
}

// "f"[^"]*"": from f" to the next quote, line ends included.
void scanFormatStrings(const Scanner& text, QStringView open, Ranges& out) {
    scanDelimited(text, open, open.sliced(1), out);
}

// "//.*$" or "#.*$" with line anchors: "." stops only at a line end, where "$"
// holds, so every opener runs to the end of its line.
void scanLineComments(const Scanner& text, QStringView open, Ranges& out) {
    qsizetype from = 0;
    for (qsizetype start; (start = text.find(open, from)) >= 0;) {
        const qsizetype end = text.lineEndFrom(start + open.size());
        out.emplace_back(start, end);
        from = end;
    }
}

void paint(RoleMap& roles, const Ranges& ranges, ColorRole role) {
    for (const auto& [start, end] : ranges)
        roles.paint(start, end, role);
}

RoleMap cFamily(const Scanner& text) {
    Ranges directives, angles;
    scanDirectives(text, directives);
    scanAngleNames(text, angles);
    WordRules words;
    scanWordRules(text, false, words);
    DeclarationRules declarations;
    scanDeclarations(text, declarations);
    Ranges doubleQuoted, singleQuoted, lineComments, blockComments;
    scanQuoted(text, u'"', doubleQuoted);
    scanQuoted(text, u'\'', singleQuoted);
    scanLineComments(text, u"//", lineComments);
    scanDelimited(text, u"/*", u"*/", blockComments);

    RoleMap roles(text.size());
    paint(roles, directives, ColorRole::preprocessor);
    paint(roles, angles, ColorRole::string);
    paint(roles, words.keywords, ColorRole::keyword);
    paint(roles, words.types, ColorRole::type);
    paint(roles, words.calls, ColorRole::function);
    paint(roles, declarations.typed, ColorRole::variable);
    paint(roles, declarations.templated, ColorRole::variable);
    paint(roles, words.subscripts, ColorRole::variable);
    paint(roles, words.assignments, ColorRole::variable);
    paint(roles, words.numbers, ColorRole::number);
    paint(roles, words.hexNumbers, ColorRole::number);
    paint(roles, doubleQuoted, ColorRole::string);
    paint(roles, singleQuoted, ColorRole::string);
    paint(roles, lineComments, ColorRole::comment);
    paint(roles, blockComments, ColorRole::comment);
    return roles;
}

RoleMap python(const Scanner& text) {
    WordRules words;
    scanWordRules(text, true, words);
    Ranges tripleDouble, tripleSingle, doubleQuoted, singleQuoted, formatDouble, formatSingle,
        comments;
    scanDelimited(text, u"\"\"\"", u"\"\"\"", tripleDouble);
    scanDelimited(text, u"'''", u"'''", tripleSingle);
    scanQuoted(text, u'"', doubleQuoted);
    scanQuoted(text, u'\'', singleQuoted);
    scanFormatStrings(text, u"f\"", formatDouble);
    scanFormatStrings(text, u"f'", formatSingle);
    scanLineComments(text, u"#", comments);

    RoleMap roles(text.size());
    paint(roles, words.keywords, ColorRole::keyword);
    paint(roles, words.builtinCalls, ColorRole::function);
    paint(roles, words.types, ColorRole::type);
    paint(roles, words.defNames, ColorRole::function);
    paint(roles, words.classNames, ColorRole::type);
    paint(roles, words.calls, ColorRole::function);
    paint(roles, words.assignments, ColorRole::variable);
    paint(roles, words.forNames, ColorRole::variable);
    paint(roles, words.numbers, ColorRole::number);
    paint(roles, tripleDouble, ColorRole::string);
    paint(roles, tripleSingle, ColorRole::string);
    paint(roles, doubleQuoted, ColorRole::string);
    paint(roles, singleQuoted, ColorRole::string);
    paint(roles, formatDouble, ColorRole::string);
    paint(roles, formatSingle, ColorRole::string);
    paint(roles, comments, ColorRole::comment);
    return roles;
}

} // namespace

RoleMap fastHighlight(QStringView text, ProgrammingLanguage language) {
    const Scanner scanner(text);
    switch (language) {
    case ProgrammingLanguage::c:
    case ProgrammingLanguage::cpp:
    case ProgrammingLanguage::java:
    case ProgrammingLanguage::csharp:
        return cFamily(scanner);
    case ProgrammingLanguage::python:
        return python(scanner);
    case ProgrammingLanguage::txt:
        break;
    }
    return RoleMap(text.size());
}
