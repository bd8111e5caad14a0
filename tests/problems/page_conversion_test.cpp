#include "problems/page_conversion.h"
#include "support/golden.h"
#include "support/printers.h"

#include <QDir>
#include <QFileInfo>
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

// Blocks are named by the end of their id: "input-1" is "sample-input-1".
QString pageWithSamples(const QList<std::pair<QString, QString>>& blocks) {
    QString page = u"<div id=\"problem_description\"><p>x</p></div>\n"_s;
    for (const auto& [id, text] : blocks)
        page += u"<pre class=\"sampledata\" id=\"sample-"_s + id + u"\">"_s + text + u"</pre>\n"_s;
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

// One wide cell over many one-cell rows padded every row to its width: 760 KB
// of page asked for billions of characters and the process died.
TEST(RenderTable, RegressionAWideCellOverManyRowsIsDrawnWithoutPadding) {
    const QString wide(2000, u'x');
    const QString table =
        u"<tr><td>"_s + wide + u"</td><td>b</td></tr>"_s + u"<tr><td>a</td></tr>"_s.repeated(300);
    const QString drawn = renderTable(table);
    EXPECT_LE(drawn.size(), tableDrawingBudget(table.size()));
    EXPECT_EQ(drawn, wide + u" | b"_s + u"\na"_s.repeated(300));
    EXPECT_EQ(renderTableRows({{u"a"_s, u"b"_s}, {u"c"_s}}, 8), u"a | b\nc"_s);
    EXPECT_EQ(renderTableRows({{u"a"_s}}, 17), u"┌───┐\n│ a │\n└───┘"_s) << "exactly the budget";
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
            pageWithSamples({{u"input-1"_s, c.raw}, {u"output-1"_s, c.raw}}), u"1"_s);
        ASSERT_EQ(problem.testCases.size(), 1) << c.raw.toStdString();
        EXPECT_EQ(problem.testCases[0].input, c.sample) << c.raw.toStdString();
        EXPECT_EQ(problem.testCases[0].output, c.sample) << c.raw.toStdString();
    }
}

// Each block's text is its own id, so a sample shows which blocks it paired.
TEST(Samples, EveryNumberWithBothHalvesCountsInNumberOrder) {
    const struct {
        const char* name;
        QStringList blocks;
        QStringList numbers;
    } cases[] = {
        {"two pairs and a lone input",
         u"input-1 output-1 input-2 output-2 input-3"_s.split(u' '),
         {u"1"_s, u"2"_s}},
        {"a gap in the numbering",
         u"input-1 output-1 input-3 output-3 input-4 output-4"_s.split(u' '),
         {u"1"_s, u"3"_s, u"4"_s}},
        {"out of page order, zero and a leading zero",
         u"output-2 input-2 input-1 output-1 input-0 output-0 input-03 output-03"_s.split(u' '),
         {u"1"_s, u"2"_s}},
        {"no samples", {}, {}},
    };
    for (const auto& c : cases) {
        QList<std::pair<QString, QString>> blocks;
        for (const QString& id : c.blocks)
            blocks.append({id, id});
        QList<ProblemSample> samples;
        for (const QString& n : c.numbers)
            samples.append({u"input-"_s + n, u"output-"_s + n});
        EXPECT_EQ(parseProblemPage(pageWithSamples(blocks), u"1"_s).testCases, samples) << c.name;
    }
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

// tests/problems/data/NUMBER.json is what `corvanta-cli problem NUMBER --html`
// printed for the judge's page when it was last reviewed (title, sections,
// limits and every sample); tests/problems/regenerate_golden.sh writes it anew.
TEST(JudgePages, ConvertAsReviewed) {
    const QFileInfoList pages = QDir(QStringLiteral(CORVANTA_FIXTURES_DIR "/judge-pages"))
                                    .entryInfoList({u"*.html"_s}, QDir::Files, QDir::Name);
    ASSERT_EQ(pages.size(), 12);
    for (const QFileInfo& page : pages)
        expectCliMatchesGolden({u"problem"_s, page.baseName(), u"--html"_s, page.filePath()},
                               QStringLiteral(CORVANTA_TEST_DATA_DIR "/") + page.baseName() +
                                   u".json"_s);
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
