#include "editor/color_conversion.h"
#include "editor/highlighter.h"
#include "shown_editor.h"
#include "support/printers.h"
#include "themes/theme_resolver.h"

#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Text with the caret written as "|"; two bars mark a selection, anchor first.
void setState(SyntaxTextView* view, const QString& marked) {
    QString text = marked;
    const qsizetype anchor = text.indexOf(u'|');
    text.remove(anchor, 1);
    qsizetype position = text.indexOf(u'|');
    if (position >= 0)
        text.remove(position, 1);
    else
        position = anchor;
    view->setPlainText(text);
    QTextCursor cursor = view->textCursor();
    cursor.setPosition(int(anchor));
    cursor.setPosition(int(position), QTextCursor::KeepAnchor);
    view->setTextCursor(cursor);
}

QString state(const SyntaxTextView* view) {
    QString text = view->text();
    return text.insert(view->textCursor().position(), u'|');
}

// Each character is one key event: line feed is Return, tab is Tab, "\b" is
// Backspace, anything else a key that types that character.
void press(SyntaxTextView* view, const QString& keys) {
    for (const QChar key : keys) {
        if (key == u'\n')
            QTest::keyClick(view, Qt::Key_Return);
        else if (key == u'\t')
            QTest::keyClick(view, Qt::Key_Tab);
        else if (key == u'\b')
            QTest::keyClick(view, Qt::Key_Backspace);
        else if (key.unicode() < 0x80)
            QTest::keyClick(view, char(key.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, view, Qt::Key_unknown, QString(key), Qt::NoModifier);
    }
}

void undo(SyntaxTextView* view) {
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
}

bool waitUntilSettled(const SyntaxTextView* view) {
    return QTest::qWaitFor([view] { return view->isHighlightSettled(); }, 10000);
}

// The colour each character is drawn in: its format's, else the text colour.
QList<QColor> shownColours(const SyntaxTextView* view) {
    QList<QColor> colours;
    for (QTextBlock block = view->document()->firstBlock(); block.isValid(); block = block.next()) {
        QList<QColor> line(block.length() - 1, view->palette().color(QPalette::Text));
        for (const QTextLayout::FormatRange& range : block.layout()->formats())
            for (int at = range.start; at < range.start + range.length && at < line.size(); ++at)
                line[at] = range.format.foreground().color();
        colours += line;
        if (block.next().isValid())
            colours.append(QColor());
    }
    return colours;
}

// Every character must be drawn as the reference engine's rules, resolved
// with the view's theme, colour it.
void expectLiteralColours(const SyntaxTextView* view) {
    ASSERT_TRUE(waitUntilSettled(view));
    const QString text = view->text();
    const RoleMap roles = highlight(text, view->currentLanguage, HighlightEngine::reference);
    const CustomTheme* custom = view->customTheme ? &*view->customTheme : nullptr;
    const QList<QColor> shown = shownColours(view);
    ASSERT_EQ(shown.size(), text.size());
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QColor expected =
            text[at] == u'\n' ? QColor()
                              : toQColor(resolveColor(roles.at(at), view->currentTheme, custom));
        ASSERT_EQ(shown[at], expected)
            << "at " << at << " in\n"
            << text.toStdString() << "\nshown " << shown[at].name().toStdString()
            << ", the rules give " << expected.name().toStdString();
    }
}

struct KeyCase {
    const char* name;
    const char16_t* before;
    const char16_t* keys;
    const char16_t* after;
    // The language is the view's.
    TypingFlags flags = {};
};

constexpr TypingFlags autoBracketOff{.aids = {.autoBracket = false}};
constexpr TypingFlags snippets{.aids = {.snippetsEnabled = true}};
constexpr TypingFlags inPython{.language = ProgrammingLanguage::python};

} // namespace

// Each case is one keystroke (or a keystroke that only moves the caret after
// one that edits); one Ctrl+Z brings back the text from before the case.
TEST(SyntaxTextViewKeys, TypingAidsThroughKeyEventsAndUndo) {
    const KeyCase cases[] = {
        {"bracket pairs", u"f|", u"(", u"f(|)"},
        {"no bracket pairing when off", u"f|", u"(", u"f(|", autoBracketOff},
        {"selection replaced by the pair", u"x = |abc|;", u"[", u"x = [|];"},
        {"Tab leaves a pair even when pairing is off", u"f(|)", u"\t", u"f()|", autoBracketOff},
        {"Tab inserts the unit of spaces", u"|x", u"\t", u"  |x", {.indentation = {.tabSize = 2}}},
        {"Tab expands a snippet", u"fori|", u"\t", u"for (int i = 0; i < n; i++) {\n    \n}|",
         snippets},
        {"Return between braces opens an indented line", u"    {|}", u"\n",
         u"    {\n        |\n    }"},
        {"Return keeps the indentation only", u"    if x:|", u"\n", u"    if x:\n    |", inPython},
        {"Backspace removes an empty pair", u"a[|]b", u"\b", u"a|b"},
        {"Backspace in a mismatched pair", u"(|]", u"\b", u"|]"},
        {"Backspace after an emoji's pair", u"😀(|)", u"\b", u"😀|"},
        {"Backspace deletes a selection that starts inside a pair", u"(|)abc|", u"\b", u"(|"},
    };
    Shown shown;
    SyntaxTextView* view = shown.view();
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        view->typing = c.flags;
        view->currentLanguage = c.flags.language;
        setState(view, QString::fromUtf16(c.before));
        press(view, QString::fromUtf16(c.keys));
        EXPECT_EQ(state(view), QString::fromUtf16(c.after));
        undo(view);
        EXPECT_EQ(view->text(), QString::fromUtf16(c.before).remove(u'|'));
    }
}

TEST(SyntaxTextViewKeys, EachKeystrokeIsOneUndoStep) {
    Shown shown;
    SyntaxTextView* view = shown.view();
    press(view, u"ab(\n"_s);
    EXPECT_EQ(state(view), u"ab(\n    |\n)"_s);
    const QString steps[] = {u"ab()"_s, u"ab"_s, u"a"_s, QString()};
    for (const QString& expected : steps) {
        undo(view);
        EXPECT_EQ(view->text(), expected);
    }
}

TEST(SyntaxTextViewKeys, OtherKeysStayWithTheTextEdit) {
    Shown shown(u"abc\ndef"_s);
    SyntaxTextView* view = shown.view();
    QTest::keyClick(view, Qt::Key_End);
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(state(view), u"abc\nde|"_s);
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    press(view, u"("_s);
    EXPECT_EQ(state(view), u"(|)"_s) << "Ctrl+A selected all, not typed an a";
}

// The text goes back to the workspace as the document holds it: a no-break
// space or a line separator pasted from a web page is not rewritten.
TEST(SyntaxTextView, TextKeepsEveryCharacter) {
    const QString text = u"a\u00a0b\u2028c\nd"_s;
    Shown shown(text, ProgrammingLanguage::txt);
    EXPECT_EQ(shown.editor.text(), text);
    EXPECT_EQ(shown.view()->highlighter().mirroredText(), text);
}

// A burst of edits of every kind, each a change the mirror must follow, many
// opening or closing comments and strings that colour lines never touched; the
// colours at the end are those of the final text.
TEST(SyntaxTextViewColours, SettleOnTheFinalTextAfterABurst) {
    QString start;
    for (int i = 0; i < 300; ++i)
        start += u"int v%1 = f(\"s%1\"); /* c */ // n\n"_s.arg(i);
    Shown shown(start);
    SyntaxTextView* view = shown.view();
    QRandomGenerator random(7);
    const QString keys = u"ab(\"/*\n\t\b\b\b x=1;'"_s;
    for (int step = 0; step < 400; ++step) {
        QTextCursor cursor = view->textCursor();
        switch (random.bounded(12)) {
        case 0:
            cursor.setPosition(random.bounded(view->document()->characterCount()));
            view->setTextCursor(cursor);
            break;
        case 1:
            undo(view);
            break;
        case 2:
            view->redo();
            break;
        case 3:
            view->insertPlainText(u"pasted */ \"two\nlines\" "_s);
            break;
        case 4:
            cursor.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor, random.bounded(5));
            view->setTextCursor(cursor);
            break;
        default:
            press(view, QString(keys[random.bounded(int(keys.size()))]));
        }
        if (step % 50 == 0)
            QCoreApplication::processEvents();
    }
    EXPECT_EQ(view->highlighter().mirroredText(), view->text());
    expectLiteralColours(view);

    shown.editor.setText(u"replaced /* from outside */"_s);
    EXPECT_EQ(view->highlighter().mirroredText(), view->text());
    expectLiteralColours(view);
}

// A keystroke never waits for a pass; until the next one arrives the edited
// line's colours move with its characters. That shift lets the string's
// colour grow over the ";" typed after it while the line's runs by the rules
// stay the same: the line must still be recoloured.
TEST(SyntaxTextViewColours, KeystrokeShiftsItsLineUntilThePassArrives) {
    Shown shown(u"int x = 10; s = \"a\""_s);
    SyntaxTextView* view = shown.view();
    ASSERT_TRUE(waitUntilSettled(view));
    const QList<QColor> before = shownColours(view);
    press(view, u"  "_s);
    EXPECT_FALSE(view->isHighlightSettled());
    EXPECT_EQ(shownColours(view).mid(2), before) << "the type colour stays on \"int\"";
    expectLiteralColours(view);
    view->moveCursor(QTextCursor::End);
    press(view, u";"_s);
    expectLiteralColours(view);
}

// Another language with the same text, another theme, a custom theme: each
// recolours.
TEST(SyntaxTextViewColours, LanguageAndThemeChangesRecolour) {
    Shown shown(u"int main() { return 0; } # x"_s);
    SyntaxTextView* view = shown.view();
    expectLiteralColours(view);
    shown.editor.applyConfig(editorConfig(ProgrammingLanguage::python));
    expectLiteralColours(view);

    EditorConfig monokai = editorConfig();
    monokai.theme = EditorTheme::monokai;
    shown.editor.applyConfig(monokai);
    EXPECT_EQ(view->currentTheme, EditorTheme::monokai);
    expectLiteralColours(view);
    EXPECT_EQ(view->palette().color(QPalette::Text),
              toQColor(resolveColor(ColorRole::plain, EditorTheme::monokai, nullptr)));

    CustomTheme custom;
    custom.id = QUuid::createUuid();
    custom.syntaxKeyword = CodableColor{1, 0, 0, 1};
    custom.textColor = CodableColor{0, 1, 0, 1};
    EditorConfig withCustom = monokai;
    withCustom.customTheme = custom;
    shown.editor.applyConfig(withCustom);
    expectLiteralColours(view);

    // Other colours under the same id leave the editor as it was.
    const QList<QColor> shown1 = shownColours(view);
    withCustom.customTheme->syntaxKeyword = CodableColor{0, 0, 1, 1};
    withCustom.customTheme->textColor = CodableColor{0, 0, 1, 1};
    shown.editor.applyConfig(withCustom);
    ASSERT_TRUE(waitUntilSettled(view));
    EXPECT_EQ(shownColours(view), shown1);
}
