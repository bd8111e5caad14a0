#include "editor/highlighter.h"
#include "support/printers.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

void PrintTo(const HighlightSpan& span, std::ostream* os) {
    *os << '{' << span.start << ", " << span.length << ", " << roleName(span.role).toStdString()
        << '}';
}

namespace {

constexpr HighlightEngine bothEngines[] = {HighlightEngine::fast, HighlightEngine::reference};

const char* engineName(HighlightEngine engine) {
    return engine == HighlightEngine::fast ? "fast" : "reference";
}

// One letter per UTF-16 unit: . plain, K keyword, T type, F function,
// V variable, N number, S string, C comment, P preprocessor.
QString roleLetters(const RoleMap& roles) {
    static const QString letters = u".KTFVNSCP"_s;
    QString result;
    for (qsizetype i = 0; i < roles.size(); ++i)
        result += letters[int(roles.at(i))];
    return result;
}

struct Case {
    ProgrammingLanguage language;
    QString text;
    QString roles;
};

void expectRoles(const QList<Case>& cases) {
    for (const Case& c : cases) {
        ASSERT_EQ(c.text.size(), c.roles.size()) << c.text.toStdString();
        for (HighlightEngine engine : bothEngines) {
            EXPECT_EQ(roleLetters(highlight(c.text, c.language, engine)), c.roles)
                << engineName(engine) << " engine on: " << c.text.toStdString();
        }
    }
}

constexpr auto cpp = ProgrammingLanguage::cpp;
constexpr auto python = ProgrammingLanguage::python;

TEST(HighlighterTest, LaterRulesPaintOverEarlierOnes) {
    expectRoles({
        // The call rule runs after the keyword and type rules.
        {cpp, u"if (x)"_s, u"FF...."_s},
        {cpp, u"sizeof(int)"_s, u"FFFFFF.TTT."_s},
        // <int> is a string first; the type rule repaints int.
        {cpp, u"vector<int> v;"_s, u"TTTTTTSTTTS.V."_s},
        {cpp, u"#include <vector>"_s, u"PPPPPPPP.STTTTTTS"_s},
        // Strings come before comments: // inside a string still starts one.
        {cpp, u"s = \"a // b\"; n = 1;"_s, u"V...SSSCCCCCCCCCCCCC"_s},
        // A block comment never closed is not coloured.
        {cpp, u"/* open\nint x;"_s, u"........TTT.V."_s},
        {cpp, u"a /* if */ b"_s, u"..CCCCCCCC.."_s},
        {python, u"def solve(n):"_s, u"KKK.FFFFF...."_s},
        // The built-in rule paints the blanks and the parenthesis too.
        {python, u"print (x)"_s, u"FFFFFFF.."_s},
        // The class name is a type, then a call.
        {python, u"class Foo(Base):"_s, u"KKKKK.FFF......."_s},
        {python, u"for i in range(n):"_s, u"KKK.V.KK.FFFFFF..."_s},
        // The comment rule runs last, even inside a triple-quoted string.
        {python, u"\"\"\"doc # x\"\"\"\ny = 2"_s, u"SSSSSSSCCCCCC.V...N"_s},
        {python, u"x = f'{x}'  # note"_s, u"V...SSSSSS..CCCCCC"_s},
    });
}

TEST(HighlighterTest, NamesNumbersAndAssignments) {
    expectRoles({
        {cpp, u"int count = 0;"_s, u"TTT.VVVVV...N."_s},
        // == is no assignment, and += needs "=" right after the blanks.
        {cpp, u"a == b; c = d; x += 1;"_s, u"........V...........N."_s},
        {cpp, u"arr[i] = 1;"_s, u"VVV......N."_s},
        {cpp, u"int *p, **q;"_s, u"TTT..V......"_s},
        // The declaration rule has no word boundary: "int x" inside "print x".
        {cpp, u"print x;"_s, u"......V."_s},
        // One suffix letter, then a word boundary; hex needs a digit.
        {cpp, u"3.14f 10U 10UL 0xFF 0x 1e5"_s, u"NNNNN.NNN......NNNN......."_s},
        // "1." before a letter keeps its dot; before ";" it does not.
        {cpp, u"1.5x 2.;"_s, u"NN...N.."_s},
        // The enumeration resumes after a match: a name is not the start of another.
        {python, u"def def x"_s, u"KKK.FFF.."_s},
        {python, u"n = 10.5 if a == b else 2"_s, u"V...NNNN.KK........KKKK.N"_s},
    });
}

TEST(HighlighterTest, LanguagesChooseTheirRules) {
    expectRoles({
        {ProgrammingLanguage::c, u"int x;"_s, u"TTT.V."_s},
        {ProgrammingLanguage::java, u"int x;"_s, u"TTT.V."_s},
        {ProgrammingLanguage::csharp, u"int x;"_s, u"TTT.V."_s},
    });
}

TEST(HighlighterTest, UnicodeTextKeepsUtf16Positions) {
    expectRoles({
        // An emoji takes two units.
        {cpp, u"s = \"😀\"; int x;"_s, u"V...SSSS..TTT.V."_s},
        // A line separator ends a line comment.
        {cpp, u"// a\u2028int x;"_s, u"CCCC.TTT.V."_s},
        // A directive after CR LF starts after the LF.
        {cpp, u"a\r\n#if X"_s, u"...PKK.."_s},
        // A lone surrogate does not stop the rest of the text from matching.
        {cpp, QChar(0xD800) + u" int x = 1;"_s, u"..TTT.V...N."_s},
        // Digits and letters outside the basic plane are \d and \w.
        {cpp, u"x = 𝟏𝟐; 𝑥if = 1;"_s, u"V...NNNN.........N."_s},
    });
}

TEST(HighlighterTest, SpansOfAWindowKeepDocumentPositions) {
    // Whole-text runs are checked through the highlight command's output.
    const RoleMap roles = highlight(u"int x = 10;"_s, cpp);
    // A window, as for one line of the editor, keeps document positions and
    // clips the runs at its edges.
    EXPECT_EQ(roles.spans(1, 9), (QList<HighlightSpan>{{1, 2, ColorRole::type},
                                                       {3, 1, ColorRole::plain},
                                                       {4, 1, ColorRole::variable},
                                                       {5, 3, ColorRole::plain},
                                                       {8, 1, ColorRole::number}}));
    EXPECT_TRUE(roles.spans(5, 5).isEmpty());
}

// The differential tests: the fast engine must give the reference's result
// on real code this project did not write and on text mutated at random.

QStringList everyNthFile(const QString& folder, const QString& pattern, int n) {
    const QDir directory(folder);
    const QStringList names = directory.entryList({pattern}, QDir::Files, QDir::Name);
    QStringList picked;
    for (qsizetype i = 0; i < names.size(); i += n)
        picked.append(directory.filePath(names[i]));
    return picked;
}

QString readUtf8(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

void expectEnginesAgree(const QString& text, ProgrammingLanguage language, const QString& what) {
    const RoleMap fast = highlight(text, language, HighlightEngine::fast);
    const RoleMap reference = highlight(text, language, HighlightEngine::reference);
    if (fast == reference)
        return;
    qsizetype at = 0;
    while (fast.at(at) == reference.at(at))
        ++at;
    const qsizetype from = std::max<qsizetype>(0, at - 30);
    ADD_FAILURE() << what.toStdString() << ": at " << at << " fast gives "
                  << roleName(fast.at(at)).toStdString() << ", reference "
                  << roleName(reference.at(at)).toStdString() << ", in "
                  << text.mid(from, 60).toStdString();
}

TEST(HighlighterDifferentialTest, EnginesAgreeOnInstalledLibraries) {
    for (const auto& [folder, pattern, language] :
         {std::tuple{u"/usr/include/c++/12/bits"_s, u"*.h"_s, cpp},
          std::tuple{u"/usr/lib/python3.11"_s, u"*.py"_s, python}}) {
        const QStringList files = everyNthFile(folder, pattern, 4);
        ASSERT_FALSE(files.isEmpty()) << "nothing to compare in " << folder.toStdString();
        for (const QString& path : files)
            expectEnginesAgree(readUtf8(path), language, path);
    }
}

// Pieces that meet the rules at their edges: openers without closers,
// escapes before line ends, suffixes, every kind of line end and blank, marks,
// digits and letters outside ASCII and outside the basic plane, and halves of
// surrogate pairs.
QStringList fragments() {
    QStringList pieces = {
        u"\""_s,     u"'"_s,      u"\\"_s,      u"/"_s,       u"*"_s,      u"#"_s,
        u"<"_s,      u">"_s,      u"("_s,       u"["_s,       u"="_s,      u"=="_s,
        u"."_s,      u"0"_s,      u"7"_s,       u"x"_s,       u"f"_s,      u"U"_s,
        u"L"_s,      u"_"_s,      u" "_s,       u"\t"_s,      u"\n"_s,     u"\r"_s,
        u"\r\n"_s,   u"\v"_s,     u"\f"_s,      u"\u0085"_s,  u"\u2028"_s, u"\u2029"_s,
        u"\u00A0"_s, u"\u3000"_s, u"\u180E"_s,  u"\u200B"_s,  u"\u0301"_s, u"\u00B2"_s,
        u"\u00BD"_s, u"\u0661"_s, u"é"_s,       u"한"_s,      u"𝟎"_s,      u"𝑥"_s,
        u"😀"_s,      u"int "_s,   u"vector<"_s, u"char *"_s,  u"def "_s,   u"class "_s,
        u"for "_s,   u"print"_s,  u"if"_s,      u"0x"_s,      u"/*"_s,     u"*/"_s,
        u"//"_s,     u"\"\"\""_s, u"'''"_s,     u"f\""_s,     u"f'"_s,     u"#include"_s,
        u"1.5"_s,    u"NULL"_s,   u"self"_s,    u"range ("_s,
    };
    pieces.append(QString(QChar(0xD83D)));
    pieces.append(QString(QChar(0xDE00)));
    return pieces;
}

// A few windows of the sample, each cut and spliced at random, joined: one
// pass then meets many edges, the start and end of the text among them.
QString mutated(const QString& base, QRandomGenerator& random, const QStringList& pieces) {
    QString text;
    for (int windows = random.bounded(1, 9); windows > 0; --windows) {
        const int start = random.bounded(int(base.size()));
        QString window = base.mid(start, random.bounded(int(base.size()) - start) + 1);
        for (int edits = random.bounded(1, 40); edits > 0; --edits) {
            const int at = random.bounded(int(window.size()) + 1);
            switch (random.bounded(4)) {
            case 0:
                window.remove(at, random.bounded(1, 6));
                break;
            case 1:
                window.insert(
                    at, window.mid(random.bounded(int(window.size()) + 1), random.bounded(1, 20)));
                break;
            default:
                window.insert(at, pieces[random.bounded(int(pieces.size()))]);
                break;
            }
        }
        text += window;
    }
    return text;
}

TEST(HighlighterDifferentialTest, EnginesAgreeOnMutatedText) {
    const QStringList pieces = fragments();
    for (const auto& [language, name] :
         {std::pair{cpp, "sample.cpp"}, std::pair{python, "sample.py"}}) {
        const QString sample =
            readUtf8(QStringLiteral(CORVANTA_TEST_DATA_DIR "/") + QLatin1String(name));
        for (quint32 seed = 1; seed <= 400; ++seed) {
            QRandomGenerator random(seed);
            expectEnginesAgree(mutated(sample, random, pieces), language,
                               u"seed "_s + QString::number(seed));
        }
    }
}

} // namespace
