#include "editor/typing_aids.h"
#include "support/printers.h"

#include <QSet>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

void PrintTo(const TypingEdit& edit, std::ostream* os) {
    *os << "replace " << edit.start << '+' << edit.length << " by \"" << edit.text.toStdString()
        << "\", caret " << edit.caret;
}

namespace {

// Documents are written with the caret as "|", or a selection as "«...»"
// (the caret is its start). The result is written the same way.
struct Marked {
    QString text;
    qsizetype start = 0;
    qsizetype end = 0;
};

Marked parse(const QString& marked) {
    Marked result;
    result.text = marked;
    if (const qsizetype caret = marked.indexOf(u'|'); caret >= 0) {
        result.text.remove(caret, 1);
        result.start = result.end = caret;
    } else {
        result.start = marked.indexOf(u'«');
        result.end = marked.indexOf(u'»') - 1;
        result.text.remove(u'«');
        result.text.remove(u'»');
    }
    return result;
}

// Only the caret's line goes into the context, as the editor hands it over.
CaretContext contextOf(const Marked& document) {
    const qsizetype lineStart = document.text.lastIndexOf(u'\n', document.start - 1) + 1;
    qsizetype lineEnd = document.text.indexOf(u'\n', document.start);
    if (lineEnd < 0)
        lineEnd = document.text.size();
    return {document.text.sliced(lineStart, lineEnd - lineStart), lineStart, document.start,
            document.end};
}

// The document after the aid's edit, or "platform" when the aid leaves the
// keystroke to the widget.
QString after(const QString& marked,
              const std::function<std::optional<TypingEdit>(const CaretContext&)>& aid) {
    const Marked document = parse(marked);
    const std::optional<TypingEdit> edit = aid(contextOf(document));
    if (!edit)
        return u"platform"_s;
    QString text = document.text;
    text.replace(edit->start, edit->length, edit->text);
    return text.insert(edit->caret, u'|');
}

QString typed(const QString& marked, const QString& input, const TypingFlags& flags = {}) {
    static QRandomGenerator random(7);
    return after(marked,
                 [&](const CaretContext& c) { return insertText(c, input, flags, random); });
}

QString tab(const QString& marked, const TypingFlags& flags = {}) {
    return after(marked, [&](const CaretContext& c) { return insertTab(c, flags); });
}

QString newline(const QString& marked, const TypingFlags& flags = {}) {
    return after(marked, [&](const CaretContext& c) { return insertNewline(c, flags); });
}

QString backspace(const QString& marked, const TypingFlags& flags = {}) {
    return after(marked, [&](const CaretContext& c) { return deleteBackward(c, flags); });
}

constexpr TypingFlags noBrackets{.aids = {.autoBracket = false}};
constexpr TypingFlags tabs{.indentation = {.useSpacesForTab = false}};

TypingFlags withSnippets(ProgrammingLanguage language, int tabSize = 4) {
    return {.indentation = {.tabSize = tabSize},
            .aids = {.snippetsEnabled = true},
            .language = language};
}

struct Case {
    QString before;
    QString input;
    QString after;
};

TEST(TypingAidsTest, InsertTextPairsAndOvertypes) {
    const Case cases[] = {
        {u"foo|"_s, u"("_s, u"foo(|)"_s},
        {u"foo(|)"_s, u")"_s, u"foo()|"_s},
        {u"foo|x"_s, u")"_s, u"foo)|x"_s},
        {u"|"_s, u"\""_s, u"\"|\""_s},
        {u"\"|\""_s, u"\""_s, u"\"\"|"_s},
        // No word check: an apostrophe in a word is paired too.
        {u"don|t"_s, u"'"_s, u"don'|'t"_s},
        {u"a|b"_s, u"{"_s, u"a{|}b"_s},
        // Several characters are plain insertion, brackets included.
        {u"a|b"_s, u"(("_s, u"a((|b"_s},
        {u"«abc»"_s, u"["_s, u"[|]"_s},
        {u"x«abc»y"_s, u"q"_s, u"xq|y"_s},
        // Only the selection's start is looked at: a ")" there is stepped over
        // and the selection stays.
        {u"«)x»"_s, u")"_s, u")|x"_s},
        // Text after the end of the line is the next line's.
        {u"ab|\n)"_s, u")"_s, u"ab)|\n)"_s},
    };
    for (const Case& c : cases)
        EXPECT_EQ(typed(c.before, c.input), c.after) << c.before.toStdString();
    for (const Case& c : {Case{u"foo|"_s, u"("_s, u"foo(|"_s}, Case{u"(|)"_s, u")"_s, u"()|)"_s},
                          Case{u"\"|\""_s, u"\""_s, u"\"\"|\""_s}})
        EXPECT_EQ(typed(c.before, c.input, noBrackets), c.after) << c.before.toStdString();
}

TEST(TypingAidsTest, RandomTypingReplacesLettersOfAnyScript) {
    constexpr TypingFlags flags{.aids = {.typingRandomEnabled = true}};
    QSet<QChar> drawn;
    for (const QString& letter : {u"A"_s, u"z"_s, u"한"_s, u"é"_s, u"𝑥"_s}) {
        for (int i = 0; i < 200; ++i) {
            const QString result = typed(u"|"_s, letter, flags);
            ASSERT_EQ(result.size(), 2) << result.toStdString();
            ASSERT_TRUE(result[0] >= u'a' && result[0] <= u'z') << result.toStdString();
            drawn.insert(result[0]);
        }
    }
    EXPECT_EQ(drawn.size(), 26);
    // Not letters: unchanged, and a bracket is still paired.
    EXPECT_EQ(typed(u"|"_s, u"1"_s, flags), u"1|"_s);
    EXPECT_EQ(typed(u"|"_s, u"("_s, flags), u"(|)"_s);
    EXPECT_EQ(typed(u"|"_s, u"😀"_s, flags), u"😀|"_s);
    // Pasted text is never replaced.
    EXPECT_EQ(typed(u"|"_s, u"Ab"_s, flags), u"Ab|"_s);
}

TEST(TypingAidsTest, TabEscapesOrIndents) {
    EXPECT_EQ(tab(u"foo(x|)"_s), u"foo(x)|"_s);
    EXPECT_EQ(tab(u"'x|'"_s), u"'x'|"_s);
    // Leaving a pair does not depend on pairing being on.
    EXPECT_EQ(tab(u"[x|]"_s, noBrackets), u"[x]|"_s);
    EXPECT_EQ(tab(u"|x"_s, {.indentation = {.tabSize = 2}}), u"  |x"_s);
    EXPECT_EQ(tab(u"|x"_s, tabs), u"\t|x"_s);
    EXPECT_EQ(tab(u"a«bc»d"_s), u"a    |d"_s);
    EXPECT_EQ(tab(u"x|("_s), u"x    |("_s);
}

TEST(TypingAidsTest, TabExpandsTheTriggerBeforeTheCaret) {
    const auto cpp = ProgrammingLanguage::cpp;
    const Case cases[] = {
        // A tab of the body is one indentation unit; every line keeps the
        // line's own indentation.
        {u"fori|"_s, u""_s, u"for (int i = 0; i < n; i++) {\n    \n}|"_s},
        {u"  x;\n\tfori|"_s, u""_s, u"  x;\n\tfor (int i = 0; i < n; i++) {\n\t    \n\t}|"_s},
        {u"x = pii|;"_s, u""_s, u"x = pair<int, int>|;"_s},
        {u"cout << x << endl|"_s, u""_s, u"cout << x <<  << endl;|"_s},
        // The whole word must be a trigger, case and all.
        {u"xfori|"_s, u""_s, u"xfori    |"_s},
        {u"Fori|"_s, u""_s, u"Fori    |"_s},
        {u"fori |"_s, u""_s, u"fori     |"_s},
        // A letter outside the basic plane is part of the word; an emoji is not.
        {u"𝑥fori|"_s, u""_s, u"𝑥fori    |"_s},
        {u"😀pii|"_s, u""_s, u"😀pair<int, int>|"_s},
        // The selection is left where it was; only the word is replaced.
        {u"pii«xy»"_s, u""_s, u"pair<int, int>|xy"_s},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tab(c.before, withSnippets(cpp)), c.after) << c.before.toStdString();

    EXPECT_EQ(tab(u"fori|"_s, withSnippets(ProgrammingLanguage::python, 2)),
              u"for i in range(n):\n  |"_s);
    // Nested in a function, Python's loops still nest.
    EXPECT_EQ(tab(u"def f():\n    forij|"_s, withSnippets(ProgrammingLanguage::python)),
              u"def f():\n    for i in range(n):\n        for j in range(m):\n            |"_s);
    EXPECT_EQ(tab(u"sout|"_s, withSnippets(ProgrammingLanguage::java)),
              u"System.out.println();|"_s);
    // C and C# use the C++ table; Text has none.
    EXPECT_EQ(tab(u"pii|"_s, withSnippets(ProgrammingLanguage::c)), u"pair<int, int>|"_s);
    EXPECT_EQ(tab(u"pii|"_s, withSnippets(ProgrammingLanguage::csharp)), u"pair<int, int>|"_s);
    EXPECT_EQ(tab(u"pii|"_s, withSnippets(ProgrammingLanguage::txt)), u"pii    |"_s);
    // Where Tab inserts a tab character, so does the body: no mixed indentation.
    TypingFlags tabbed = withSnippets(ProgrammingLanguage::python, 3);
    tabbed.indentation.useSpacesForTab = false;
    EXPECT_EQ(tab(u"fori|"_s, tabbed), u"for i in range(n):\n\t|"_s);
    EXPECT_EQ(tab(u"fori|"_s), u"fori    |"_s);
}

TEST(TypingAidsTest, ReturnCarriesIndentationAndSplitsPairs) {
    constexpr TypingFlags noIndent{.indentation = {.autoIndent = false}};
    EXPECT_EQ(newline(u"    {|}"_s), u"    {\n        |\n    }"_s);
    EXPECT_EQ(newline(u"f(\"|\")"_s), u"f(\"\n    |\n\")"_s);
    EXPECT_EQ(newline(u"\t{|}"_s, tabs), u"\t{\n\t\t|\n\t}"_s);
    // No extra indentation after ":" or "{" outside a pair.
    EXPECT_EQ(newline(u"    if x:|"_s), u"    if x:\n    |"_s);
    EXPECT_EQ(newline(u"  {|x}"_s), u"  {\n  |x}"_s);
    // Only the indentation before the caret is carried.
    EXPECT_EQ(newline(u"  |  x"_s), u"  \n  |  x"_s);
    EXPECT_EQ(newline(u"    x|"_s, noIndent), u"    x\n|"_s);
    // Pair splitting belongs to bracket pairing, not to auto-indent.
    EXPECT_EQ(newline(u"  (|)"_s, noIndent), u"  (\n      |\n  )"_s);
    EXPECT_EQ(newline(u"{|}"_s, noBrackets), u"{\n|}"_s);
    EXPECT_EQ(newline(u"  {«ab»}"_s), u"  {\n  |}"_s);
    EXPECT_EQ(newline(u"😀(|)"_s), u"😀(\n    |\n)"_s);
    EXPECT_EQ(newline(u"|"_s), u"\n|"_s);
}

TEST(TypingAidsTest, BackspaceRemovesAnEmptyPair) {
    const Case cases[] = {
        {u"[|]"_s, u""_s, u"|"_s},
        {u"x'|'y"_s, u""_s, u"x|y"_s},
        {u"😀(|)"_s, u""_s, u"😀|"_s},
        {u"(|]"_s, u""_s, u"platform"_s},
        {u"|)"_s, u""_s, u"platform"_s},
        {u"(|"_s, u""_s, u"platform"_s},
        {u"(\n|)"_s, u""_s, u"platform"_s},
        {u"😀|"_s, u""_s, u"platform"_s},
        // A selection is the widget's to delete, pair or not.
        {u"(«)x»"_s, u""_s, u"platform"_s},
    };
    for (const Case& c : cases)
        EXPECT_EQ(backspace(c.before), c.after) << c.before.toStdString();
    EXPECT_EQ(backspace(u"[|]"_s, noBrackets), u"platform"_s);
}

// A keystroke sees one line: the same line at the end of a long document
// gives the same edit, shifted.
TEST(TypingAidsTest, EditsDependOnTheCaretLineOnly) {
    const qsizetype far = 100000 * 20;
    const CaretContext near{u"  {}"_s, 0, 3, 3};
    const CaretContext distant{u"  {}"_s, far, far + 3, far + 3};
    const TypingEdit edit = insertNewline(near, {});
    EXPECT_EQ(insertNewline(distant, {}),
              (TypingEdit{edit.start + far, edit.length, edit.text, edit.caret + far}));
}

} // namespace
