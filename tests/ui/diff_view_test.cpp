#include "support/accessibility_audit.h"
#include "support/printers.h"
#include "support/widgets.h"
#include "ui/testpanel/diff_view.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ShownDiff {
    explicit ShownDiff(int width = 900) {
        view.resize(width, 400);
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    QPlainTextEdit* pane(const QString& name) { return named<QPlainTextEdit>(&view, name); }
    DiffView view;
};

// The summary as a screen reader reads it: the view's static text.
QString spokenSummary(QWidget* view) {
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(view);
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (child->role() == QAccessible::StaticText &&
            child->object()->objectName() == u"diffSummary"_s)
            return child->text(QAccessible::Name);
    }
    return {};
}

// Whether the first occurrence of `word` in the pane has a background of its own.
bool isMarked(QPlainTextEdit* pane, const QString& word) {
    const QTextCursor found = pane->document()->find(word);
    EXPECT_FALSE(found.isNull()) << word.toStdString();
    QTextCursor inside(pane->document());
    inside.setPosition(found.selectionStart() + 1);
    return inside.charFormat().background().style() != Qt::NoBrush;
}

} // namespace

TEST(DiffView, AWrongAnswerNamesTheLineAndValueAndMarksTheWord) {
    ShownDiff shown;
    QSignalSpy shownSpy(&shown.view, &DiffView::shown);
    shown.view.setOutputs(u"1 2\n3 42 7\n"_s, u"1 2\n3 41 7\n"_s, u"공백 무시"_s);
    EXPECT_EQ(shownSpy.count(), 1) << "small outputs are laid out at once";
    EXPECT_EQ(spokenSummary(&shown.view),
              u"2번째 줄 2번째 값: 기대 42, 실제 41 · 비교 규칙: 공백 무시"_s);
    EXPECT_TRUE(isMarked(shown.pane(u"실제 출력"_s), u"41"_s));
    EXPECT_TRUE(isMarked(shown.pane(u"기대 출력"_s), u"42"_s));
    EXPECT_FALSE(isMarked(shown.pane(u"실제 출력"_s), u"7"_s));
    EXPECT_TRUE(unnamedControls(&shown.view).isEmpty())
        << unnamedControls(&shown.view).join(u", "_s).toStdString();

    QSignalSpy expand(&shown.view, &DiffView::expandRequested);
    named<QToolButton>(&shown.view, u"크게 보기"_s)->click();
    EXPECT_EQ(expand.count(), 1);
}

TEST(DiffView, WhitespaceIsSaidInWordsAndShownOnRequest) {
    ShownDiff shown;
    shown.view.setOutputs(u"7 8\n9\n"_s, u"7 8 \r\n9"_s, {});
    EXPECT_TRUE(spokenSummary(&shown.view).startsWith(u"공백만 다름"_s));
    QPlainTextEdit* actual = shown.pane(u"실제 출력"_s);
    EXPECT_FALSE(actual->toPlainText().contains(u"\\r"_s));

    named<QCheckBox>(&shown.view, u"공백 문자 표시"_s)->click();
    const QString visible = actual->toPlainText();
    EXPECT_TRUE(visible.contains(u"7·8·\\r↵"_s)) << visible.toStdString();
    EXPECT_TRUE(visible.contains(u"끝에 줄바꿈 없음"_s)) << visible.toStdString();
}

TEST(DiffView, AHugePairIsComparedOffTheWindowAndStaysBounded) {
    // Narrow: the outputs stand one above the other.
    ShownDiff shown(DiffView::sideBySideWidth - 100);
    QString expected;
    QString actual;
    for (int i = 0; i < 400000; ++i) {
        expected += QString::number(i) + u'\n';
        actual += QString::number(i % 1000 == 7 ? -i : i) + u'\n';
    }
    QSignalSpy shownSpy(&shown.view, &DiffView::shown);
    shown.view.setOutputs(expected, actual, {});
    EXPECT_TRUE(shown.view.isComparing());
    ASSERT_TRUE(shownSpy.wait());
    EXPECT_TRUE(spokenSummary(&shown.view).startsWith(u"8번째 줄 1번째 값: 기대 7, 실제 -7"_s));
    QPlainTextEdit* expectedPane = shown.pane(u"기대 출력"_s);
    QPlainTextEdit* actualPane = shown.pane(u"실제 출력"_s);
    // The first 100 of 400 differences, each with its context and a fold.
    const DiffLimits limits;
    EXPECT_LE(actualPane->document()->blockCount(), limits.shownChanges * (2 * limits.context + 2));
    EXPECT_TRUE(named<QLabel>(&shown.view, shown.view.diff().remainder()));
    EXPECT_GT(actualPane->mapTo(&shown.view, QPoint()).y(),
              expectedPane->mapTo(&shown.view, QPoint()).y());
}

// Rows up to the limit show without a vertical scroll bar, also when a long
// line brings the horizontal one.
TEST(DiffView, RowsUpToTheLimitShowWithoutScrolling) {
    ShownDiff shown;
    shown.view.setMaximumRows(8);
    const QString longLine(400, u'9');
    shown.view.setOutputs(u"1\n2\n"_s + longLine + u"\n"_s, u"1\n2\n3\n"_s, u"공백 무시"_s);
    QCoreApplication::processEvents();
    for (const QString& name : {u"기대 출력"_s, u"실제 출력"_s})
        EXPECT_EQ(shown.pane(name)->verticalScrollBar()->maximum(), 0) << name.toStdString();
}
