#include "problems/page_conversion.h"
#include "regex_reference.h"
#include "support/printers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Conversion {
    QString input;
    QString expected;
};

void expectConversions(QString (*convert)(const QString&),
                       std::initializer_list<Conversion> cases) {
    for (const Conversion& c : cases)
        EXPECT_EQ(convert(c.input), c.expected) << "input: " << c.input.toStdString();
}

QString pageWithSamples(const QList<std::pair<QString, QString>>& blocks) {
    QString page = u"<div id=\"problem_description\"><p>x</p></div>\n"_s;
    for (const auto& [id, text] : blocks)
        page += u"<pre class=\"sampledata\" id=\""_s + id + u"\">"_s + text + u"</pre>\n"_s;
    return page;
}

TEST(CleanHTML, ConvertsMarkupTexAndEntities) {
    expectConversions(
        cleanHTML, {
                       {u"<sup>2</sup>"_s, u"^(2)"_s},
                       {u"P<SUB>i</SUB>"_s, u"P_(i)"_s},
                       {u"$N \\le 100$"_s, u"N ≤ 100"_s},
                       {u"$$x$$"_s, u"$x$"_s},
                       {u"\\(a_1\\) and \\[b^2\\]"_s, u"a₁ and b²"_s},
                       {u"<p>one</p><p>two</p>"_s, u"one\ntwo"_s},
                       {u"a<br>b<br/>c<br />d"_s, u"a\nb\nc\nd"_s},
                       {u"<ul><li>one</li><li>two</li></ul>"_s, u"• one\n• two"_s},
                       {u"<p style=\"x\"><strong>bold</strong> <code>c</code></p>"_s, u"bold c"_s},
                       {u"&lt;b&gt; &quot;q&quot; &#39;s&#39; &times; &le; &hellip; &minus;1"_s,
                        u"<b> \"q\" 's' × ≤ ... -1"_s},
                       {u"&amp;lt;"_s, u"&lt;"_s},
                       {u"a&amp;nbsp;b"_s, u"a b"_s},
                       {u"&amp;amp;"_s, u"&amp;"_s},
                       {u"&#8804; &#0060;"_s, u"≤ <"_s},
                       {u"&#55296; &#x2264; &#1114112; &#99999999999999999999;"_s,
                        u"&#55296; &#x2264; &#1114112; &#99999999999999999999;"_s},
                       {u"&#128512;"_s, u"😀"_s},
                       {u"  a\n\n\n\n\nb\n\n\nc  \n"_s, u"a\n\nb\n\nc"_s},
                       {u"a < b and c > d"_s, u"a  d"_s},
                   });
}

TEST(ConvertLatex, ReplacesWholeCommandNamesOnly) {
    expectConversions(convertLatex,
                      {
                          {u"\\leq \\le \\geq \\ge \\neq \\ne \\neg"_s, u"≤ ≤ ≥ ≥ ≠ ≠ ¬"_s},
                          {u"\\infty \\in \\subseteq \\subset"_s, u"∞ ∈ ⊆ ⊂"_s},
                          {u"\\left( x \\right)"_s, u"\\left( x \\right)"_s},
                          {u"\\cdots \\cdot"_s, u"\\cdots ·"_s},
                          {u"\\int \\pmod \\leftarrow \\rightarrow"_s, u"\\int \\pmod ← →"_s},
                          {u"a\\le10 \\times2"_s, u"a≤10 ×2"_s},
                          {u"\\lcm\\log"_s, u"lcmlog"_s},
                          {u"\\\\le"_s, u"\\≤"_s},
                          {u"\\sqrt{x}"_s, u"√x"_s},
                          {u"\\frac{a}{b}"_s, u"\n  a\n─────\n  b\n"_s},
                          {u"A = \\{10, 20\\}"_s, u"A = {10, 20}"_s},
                          {u"\\{x_1\\}"_s, u"{x₁}"_s},
                          {u"a\\ b"_s, u"a b"_s},
                      });
}

TEST(ConvertLatex, MapsScriptsThroughTheCharacterTables) {
    expectConversions(convertLatex, {
                                        {u"x^{10}"_s, u"x¹⁰"_s},
                                        {u"x^{q}"_s, u"xq"_s},
                                        {u"x^{n+1}"_s, u"xⁿ⁺¹"_s},
                                        {u"2^n"_s, u"2^n"_s},
                                        {u"2^31"_s, u"2³1"_s},
                                        {u"a_b"_s, u"ab"_s},
                                        {u"A_i"_s, u"Aᵢ"_s},
                                        {u"A_{ij}"_s, u"Aᵢⱼ"_s},
                                        {u"x_Q"_s, u"x_Q"_s},
                                    });
    EXPECT_EQ(superscriptMap().size(), 40);
    EXPECT_EQ(subscriptMap().size(), 32);
    EXPECT_EQ(mapCharacters(u"0123456789+-=()"_s, superscriptMap()), u"⁰¹²³⁴⁵⁶⁷⁸⁹⁺⁻⁼⁽⁾"_s);
    EXPECT_EQ(mapCharacters(u"0123456789+-=()"_s, subscriptMap()), u"₀₁₂₃₄₅₆₇₈₉₊₋₌₍₎"_s);
    EXPECT_EQ(mapCharacters(u"AZ가😀"_s, superscriptMap()), u"AZ가😀"_s);
}

TEST(RenderTable, DrawsBoxesWidthsInCharactersAsWritten) {
    EXPECT_EQ(renderTable(u"<tr><th>N</th><th>Answer</th></tr><tr><td>1</td><td>10</td></tr>"_s),
              u"┌───┬────────┐\n"
              "│ N │ Answer │\n"
              "├───┼────────┤\n"
              "│ 1 │ 10     │\n"
              "└───┴────────┘"_s);
    // Short rows get empty cells; tags inside cells go; a row without cells is dropped.
    EXPECT_EQ(renderTable(u"<tr><td>a</td></tr><tr></tr><TR><TD> <b>bb</b> </TD><td>c</td></TR>"_s),
              u"┌────┬───┐\n"
              "│ a  │   │\n"
              "├────┼───┤\n"
              "│ bb │ c │\n"
              "└────┴───┘"_s);
    // Korean syllables, a combining accent and an emoji count one each.
    EXPECT_EQ(renderTable(u"<tr><td>가나</td><td>e\u0301</td><td>😀</td></tr><tr><td>x</td></tr>"_s),
              u"┌────┬───┬───┐\n"
              "│ 가나 │ e\u0301 │ 😀 │\n"
              "├────┼───┼───┤\n"
              "│ x  │   │   │\n"
              "└────┴───┴───┘"_s);
    EXPECT_EQ(renderTable(u"<tr></tr><tr>text</tr>"_s), QString());
    EXPECT_EQ(convertTables(u"a<table><tr></tr></table>b"_s), u"a\n\nb"_s);
}

TEST(RenderTable, EntitiesAreMeasuredBeforeTheyAreDecoded) {
    EXPECT_EQ(
        cleanHTML(
            u"<table><tr><td>&lt;</td><td>x</td></tr><tr><td>ab</td><td>y</td></tr></table>"_s),
        u"┌──────┬───┐\n"
        "│ < │ x │\n"
        "├──────┼───┤\n"
        "│ ab   │ y │\n"
        "└──────┴───┘"_s);
}

TEST(Samples, KeepTheirTextButDecodeEntitiesOnceAndDropTrailingBlanks) {
    const struct {
        QString raw;
        QString sample;
    } cases[] = {
        {u"1 2\n\n"_s, u"1 2"_s},
        {u"  1 2\t \n"_s, u"  1 2"_s},
        {u"1 2\r\n3 4\r\n"_s, u"1 2\r\n3 4"_s},
        {u"a &lt; b &amp;&amp; c &gt; d"_s, u"a < b && c > d"_s},
        {u"&amp;lt; &quot;x&quot; &#39;"_s, u"&lt; \"x\" '"_s},
        {u"&#65;&#x42;&#X43; &#x1F600;"_s, u"ABC 😀"_s},
        {u"&#55296; &#xD800; &#x110000; &#; &#x; &bogus; & x"_s,
         u"&#55296; &#xD800; &#x110000; &#; &#x; &bogus; & x"_s},
        {u"<b>raw</b>"_s, u"<b>raw</b>"_s},
    };
    for (const auto& c : cases) {
        const BaekjoonProblem problem = parseProblemPage(
            pageWithSamples({{u"sample-input-1"_s, c.raw}, {u"sample-output-1"_s, c.raw}}), u"1"_s);
        ASSERT_EQ(problem.testCases.size(), 1) << c.raw.toStdString();
        EXPECT_EQ(problem.testCases[0].input, c.sample) << c.raw.toStdString();
        EXPECT_EQ(problem.testCases[0].output, c.sample) << c.raw.toStdString();
    }
}

TEST(Samples, EveryNumberWithBothHalvesCountsInNumberOrder) {
    const struct {
        const char* name;
        QList<std::pair<QString, QString>> blocks;
        QList<ProblemSample> samples;
    } cases[] = {
        {"two pairs and a lone input",
         {{u"sample-input-1"_s, u"a"_s},
          {u"sample-output-1"_s, u"b"_s},
          {u"sample-input-2"_s, u"c"_s},
          {u"sample-output-2"_s, u"d"_s},
          {u"sample-input-3"_s, u"e"_s}},
         {{u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}}},
        {"a gap in the numbering",
         {{u"sample-input-1"_s, u"a"_s},
          {u"sample-output-1"_s, u"b"_s},
          {u"sample-input-3"_s, u"c"_s},
          {u"sample-output-3"_s, u"d"_s},
          {u"sample-input-4"_s, u"e"_s},
          {u"sample-output-4"_s, u"f"_s}},
         {{u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}, {u"e"_s, u"f"_s}}},
        {"out of page order and a leading zero",
         {{u"sample-output-2"_s, u"d"_s},
          {u"sample-input-2"_s, u"c"_s},
          {u"sample-input-1"_s, u"a"_s},
          {u"sample-output-1"_s, u"b"_s},
          {u"sample-input-03"_s, u"x"_s},
          {u"sample-output-03"_s, u"y"_s}},
         {{u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}}},
        {"no samples", {}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseProblemPage(pageWithSamples(c.blocks), u"1"_s).testCases, c.samples)
            << c.name;
}

TEST(ParseProblemPage, TakesTheTitleRawAndTheSectionsUpToTheirFirstClosingDiv) {
    const BaekjoonProblem problem = parseProblemPage(
        u"<span id=\"problem_title\"> A &amp; B </span>"
        "<div class=\"problem-text\" id=\"problem_description\" data-x=\"1\"><p>desc</p></div>"
        "<div id=\"problem_input\"><div>inner</div> cut here</div>"_s,
        u"00 7"_s);
    EXPECT_EQ(problem.number, u"00 7"_s);
    EXPECT_EQ(problem.title, u" A &amp; B "_s);
    EXPECT_EQ(problem.description, u"desc"_s);
    EXPECT_EQ(problem.inputDescription, u"inner"_s);
    EXPECT_EQ(problem.outputDescription, QString());
    EXPECT_EQ(problem.tier, std::nullopt);

    EXPECT_EQ(parseProblemPage(u"<span id=\"problem_title\">never closed"_s, u"1"_s).title,
              u"제목 없음"_s);
    BaekjoonProblem empty;
    empty.number = u"1"_s;
    EXPECT_EQ(parseProblemPage(QString(), u"1"_s), empty);
}

TEST(TrimTrailingWhitespace, RemovesBlanksFromTheEndOnly) {
    expectConversions(trimTrailingWhitespace, {
                                                  {u"  a b \t\r\n \n"_s, u"  a b"_s},
                                                  {u"\n\n"_s, QString()},
                                                  {u"a\u00a0"_s, u"a\u00a0"_s},
                                                  {QString(), QString()},
                                              });
}

// Each pattern step is a scan in the program; these hold the scans to the
// regular expressions they stand for, on real pages and on random text built
// from the tokens where the steps meet.
QString randomMarkup(QRandomGenerator& random) {
    static const QStringList tokens = {
        u"<sup>"_s,    u"<ſup>"_s,    u"</\u017Fub>"_s, u"</sup>"_s,
        u"<SUP>"_s,    u"<sub>"_s,    u"</Sub>"_s,      u"<"_s,
        u">"_s,        u"<>"_s,       u"<table>"_s,     u"<table class=\"t\">"_s,
        u"</table>"_s, u"</TABLE>"_s, u"<tr>"_s,        u"<TR x>"_s,
        u"</tr>"_s,    u"<td>"_s,     u"</td>"_s,       u"<th a=b>"_s,
        u"</TH>"_s,    u"<thead>"_s,  u"<tbody>"_s,     u"</thead>"_s,
        u"<tt>"_s,     u"</tt>"_s,    u"<p>"_s,         u"</p>"_s,
        u"<br>"_s,     u"<br/>"_s,    u"<br />"_s,      u"<li>"_s,
        u"</li>"_s,    u"<b>"_s,      u"$"_s,           u"$$"_s,
        u"\\["_s,      u"\\]"_s,      u"\\("_s,         u"\\)"_s,
        u"\\frac{"_s,  u"}{"_s,       u"{"_s,           u"}"_s,
        u"^"_s,        u"_"_s,        u"^{"_s,          u"_{"_s,
        u"\\le"_s,     u"\\leq"_s,    u"\\left"_s,      u"\\in"_s,
        u"\\int"_s,    u"\\lcm"_s,    u"\\log"_s,       u"\\"_s,
        u"\\{"_s,      u"\\}"_s,      u"\\ "_s,         u"&lt;"_s,
        u"&amp;"_s,    u"&nbsp;"_s,   u"&#39;"_s,       u"&#8804;"_s,
        u"&#55296;"_s, u"&#"_s,       u"&"_s,           u";"_s,
        u"#"_s,        u"amp;"_s,     u"lt;"_s,         u"a"_s,
        u"q"_s,        u"x"_s,        u"Q"_s,           u"1"_s,
        u"0"_s,        u"\n"_s,       u"\n\n\n"_s,      u" "_s,
        u"가"_s,       u"😀"_s,        u"e\u0301"_s,     u"\r\n"_s,
    };
    QString text;
    const int count = int(random.bounded(1, 40));
    for (int i = 0; i < count; ++i)
        text += tokens[random.bounded(int(tokens.size()))];
    return text;
}

TEST(ConversionMatchesTheRegularExpressions, OnRandomMarkup) {
    QRandomGenerator random(20240611);
    for (int i = 0; i < 4000; ++i) {
        const QString text = randomMarkup(random);
        ASSERT_EQ(convertLatex(text), regex_reference::convertLatex(text)) << text.toStdString();
        ASSERT_EQ(convertTables(text), regex_reference::convertTables(text)) << text.toStdString();
        ASSERT_EQ(cleanHTML(text), regex_reference::cleanHTML(text)) << text.toStdString();
    }
}

TEST(ConversionMatchesTheRegularExpressions, OnRandomTables) {
    static const QStringList tokens = {
        u"<tr>"_s,   u"</tr>"_s, u"<td>"_s, u"</td>"_s, u"<th>"_s,    u"</th>"_s,
        u"<TD x>"_s, u"</Td>"_s, u"<tt>"_s, u"</tt>"_s, u"<thead>"_s, u"</thead>"_s,
        u"<b>"_s,    u"</b>"_s,  u"a"_s,    u"bb"_s,    u"&lt;"_s,    u" "_s,
        u"\n"_s,     u"가"_s,    u"<"_s,    u">"_s,     u"$x$"_s,     u"</table>"_s,
    };
    QRandomGenerator random(99);
    for (int i = 0; i < 3000; ++i) {
        QString table = u"<table>"_s;
        const int count = int(random.bounded(1, 30));
        for (int j = 0; j < count; ++j)
            table += tokens[random.bounded(int(tokens.size()))];
        table += u"</table>"_s;
        ASSERT_EQ(cleanHTML(table), regex_reference::cleanHTML(table)) << table.toStdString();
    }
}

TEST(ConversionMatchesTheRegularExpressions, OnRandomPages) {
    static const QStringList pieces = {
        u"<div id=\"problem_description\">"_s,
        u"<div class=\"a\" id=\"problem_input\" x>"_s,
        u"<div "_s,
        u"id=\"problem_output\""_s,
        u"</div>"_s,
        u">"_s,
        u"<pre id=\"sample-input-1\">"_s,
        u"<pre id=\"sample-output-1\">"_s,
        u"<pre class=\"s\" id=\"sample-input-2\">"_s,
        u"<pre id=\"sample-output-2\" x>"_s,
        u"id=\"sample-input-3\""_s,
        u"<pre "_s,
        u"</pre>"_s,
        u"<span id=\"problem_title\">"_s,
        u"</span>"_s,
        u"1 2\n"_s,
        u"$a_1$"_s,
        u"&lt;"_s,
        u" "_s,
    };
    QRandomGenerator random(7);
    for (int i = 0; i < 3000; ++i) {
        QString page;
        const int count = int(random.bounded(1, 30));
        for (int j = 0; j < count; ++j)
            page += pieces[random.bounded(int(pieces.size()))];
        ASSERT_EQ(parseProblemPage(page, u"1"_s), regex_reference::parseProblemPage(page, u"1"_s))
            << page.toStdString();
    }
}

QString fixturesFolder() {
    return QStringLiteral(CORVANTA_FIXTURES_DIR "/judge-pages");
}

QString readText(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

QFileInfoList judgePages() {
    return QDir(fixturesFolder()).entryInfoList({u"*.html"_s}, QDir::Files, QDir::Name);
}

TEST(ConversionMatchesTheRegularExpressions, OnTheJudgesPages) {
    ASSERT_FALSE(judgePages().isEmpty());
    for (const QFileInfo& page : judgePages()) {
        const QString html = readText(page.filePath());
        EXPECT_EQ(parseProblemPage(html, page.baseName()),
                  regex_reference::parseProblemPage(html, page.baseName()))
            << page.fileName().toStdString();
    }
}

// tests/problems/data/NUMBER.json is what `corvanta-cli problem NUMBER --html`
// printed for the judge's page when it was last reviewed;
// tests/problems/regenerate_golden.sh writes it anew.
TEST(JudgePages, ConvertAsReviewed) {
    for (const QFileInfo& page : judgePages()) {
        SCOPED_TRACE(page.fileName().toStdString());
        const BaekjoonProblem problem =
            parseProblemPage(readText(page.filePath()), page.baseName());
        const QString actual = QString::fromUtf8(
            QJsonDocument(problemToJson(problem)).toJson(QJsonDocument::Indented));
        const QString expected =
            readText(QStringLiteral(CORVANTA_TEST_DATA_DIR "/") + page.baseName() + u".json"_s);
        const QStringList actualLines = actual.split(u'\n');
        const QStringList expectedLines = expected.split(u'\n');
        for (qsizetype line = 0; line < std::max(actualLines.size(), expectedLines.size());
             ++line) {
            if (actualLines.value(line) != expectedLines.value(line)) {
                ADD_FAILURE() << "first difference on line " << line + 1
                              << "\n  expected: " << expectedLines.value(line).toStdString()
                              << "\n  actual:   " << actualLines.value(line).toStdString();
                break;
            }
        }
    }
}

TEST(JudgePages, SamplesMatchTheReadme) {
    const struct {
        const char* number;
        qsizetype samples;
        bool titled;
    } pages[] = {
        {"1006", 0, false}, {"1246", 1, false}, {"1260", 3, true},  {"1316", 6, false},
        {"1744", 1, true},  {"1783", 5, true},  {"1931", 1, true},  {"2151", 1, false},
        {"2178", 3, false}, {"9205", 1, false}, {"10844", 2, true}, {"17450", 1, true},
    };
    for (const auto& page : pages) {
        const QString number = QString::fromLatin1(page.number);
        const BaekjoonProblem problem =
            parseProblemPage(readText(fixturesFolder() + u'/' + number + u".html"_s), number);
        EXPECT_EQ(problem.testCases.size(), page.samples) << page.number;
        EXPECT_EQ(problem.title != u"제목 없음"_s, page.titled) << page.number;
        for (const ProblemSample& sample : problem.testCases) {
            EXPECT_FALSE(sample.input.endsWith(u'\n')) << page.number;
            EXPECT_FALSE(sample.output.isEmpty()) << page.number;
        }
    }
}

// These inputs make a backtracking engine retry from every opening; the scans
// finish them in one pass and change nothing.
TEST(ParseProblemPage, UnclosedMarkupDoesNotStallIt) {
    const QString openings = u"<div id=\"problem_description\" "_s.repeated(50000) +
                             u"\\[ <table <tr <sup>"_s.repeated(50000);
    const BaekjoonProblem problem = parseProblemPage(openings, u"1"_s);
    EXPECT_TRUE(problem.description.isEmpty());
    const QString text = u"\\[ x <table a <sup>y"_s.repeated(50000);
    EXPECT_EQ(convertLatex(text), text);
    EXPECT_EQ(convertTables(text), text);
}

} // namespace
