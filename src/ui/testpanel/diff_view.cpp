#include "ui/testpanel/diff_view.h"

#include "ui/icons.h"
#include "ui/style/diff_colors.h"
#include "ui/style/style.h"
#include "ui/testpanel/line_fit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

// Outputs larger than this together are compared on the worker.
constexpr qsizetype comparedOnWorkerAbove = qsizetype(256) << 10;

QPlainTextEdit* addPane(const QString& title, QBoxLayout* into) {
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    auto* label = new QLabel(title);
    label->setObjectName(u"diffPaneTitle"_s);
    auto* text = new QPlainTextEdit;
    text->setObjectName(u"diffText"_s);
    text->setAccessibleName(title);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setBuddy(text);
    column->addWidget(label);
    column->addWidget(text, 1);
    into->addLayout(column, 1);
    return text;
}

// Scrolling one output scrolls the other, so the rows stay side by side.
void scrollTogether(QScrollBar* a, QScrollBar* b) {
    QObject::connect(a, &QScrollBar::valueChanged, b, &QScrollBar::setValue);
    QObject::connect(b, &QScrollBar::valueChanged, a, &QScrollBar::setValue);
}

QString outcomeName(OutputDiff::Outcome outcome) {
    switch (outcome) {
    case OutputDiff::Outcome::identical:
        return u"identical"_s;
    case OutputDiff::Outcome::whitespaceOnly:
        return u"whitespaceOnly"_s;
    case OutputDiff::Outcome::different:
        break;
    }
    return u"different"_s;
}

// Writes rows into one output's document, one block per row.
class PaneWriter {
public:
    PaneWriter(QPlainTextEdit* pane, const DiffColours& colours, int numberWidth, bool whitespace)
        : m_cursor(pane->document()), m_colours(colours), m_numberWidth(numberWidth),
          m_whitespace(whitespace) {
        pane->clear();
        m_cursor = QTextCursor(pane->document());
        m_secondary.setForeground(colours.secondaryText);
    }

    void skipped(qsizetype lines) {
        startRow({});
        m_cursor.insertText(u"⋯ 같은 줄 %1개 ⋯"_s.arg(QLocale(QLocale::Korean).toString(lines)),
                            m_secondary);
    }

    void filler() { startRow(m_colours.filler); }

    // `lineCount` and `endsWithNewline` say whether this line ends in a line
    // feed; an invalid `wordColour` leaves the marks unmarked.
    void line(const DiffSide& side, const QColor& background, const QColor& wordColour,
              qsizetype lineCount, bool endsWithNewline) {
        startRow(background);
        m_cursor.insertText(QString::number(side.line + 1).rightJustified(m_numberWidth) + u"  "_s,
                            m_secondary);
        if (side.cutBefore)
            m_cursor.insertText(u"…"_s, m_secondary);
        QString text = side.text;
        if (!m_whitespace && text.endsWith(u'\r'))
            text.chop(1);
        QTextCharFormat marked;
        if (wordColour.isValid()) {
            marked.setBackground(wordColour);
            marked.setForeground(m_colours.markedText);
        }
        qsizetype at = 0;
        for (const DiffMark& mark : side.marks) {
            const qsizetype start = std::min<qsizetype>(mark.start, text.size());
            const qsizetype end = std::min<qsizetype>(mark.start + mark.length, text.size());
            m_cursor.insertText(shown(text.mid(at, start - at)), {});
            m_cursor.insertText(shown(text.mid(start, end - start)), marked);
            at = end;
        }
        m_cursor.insertText(shown(text.mid(at)), {});
        if (side.cutAfter)
            m_cursor.insertText(u"…"_s, m_secondary);
        if (!m_whitespace || side.cutAfter)
            return;
        const bool lastLine = side.line == lineCount - 1;
        m_cursor.insertText(lastLine && !endsWithNewline ? u" (끝에 줄바꿈 없음)"_s : u"↵"_s,
                            m_secondary);
    }

private:
    // The marks count characters of the line, so each piece is made visible on its own.
    QString shown(QString piece) const {
        if (!m_whitespace)
            return piece;
        piece.replace(u' ', u'·').replace(u'\t', u'→');
        return piece.replace(u"\r"_s, u"\\r"_s);
    }

    void startRow(const QColor& background) {
        QTextBlockFormat format;
        if (background.isValid())
            format.setBackground(background);
        if (m_first)
            m_cursor.setBlockFormat(format);
        else
            m_cursor.insertBlock(format, {});
        m_first = false;
    }

    QTextCursor m_cursor;
    const DiffColours& m_colours;
    const int m_numberWidth;
    const bool m_whitespace;
    QTextCharFormat m_secondary;
    bool m_first = true;
};

} // namespace

DiffView::DiffView(QWidget* parent) : DiffView(u"기대 출력"_s, u"실제 출력"_s, parent) {}

DiffView::DiffView(const QString& expectedTitle, const QString& actualTitle, QWidget* parent)
    : QWidget(parent) {
    setObjectName(u"diffView"_s);
    setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);

    auto* header = new QHBoxLayout;
    m_summary = new QLabel;
    m_summary->setObjectName(u"diffSummary"_s);
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_showWhitespace = new QCheckBox(u"공백 문자 표시"_s);
    m_expand = new QToolButton;
    m_expand->setText(u"크게 보기"_s);
    m_expand->setIcon(symbolIcon(u"arrow.up.left.and.arrow.down.right"_s));
    m_expand->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    header->addWidget(m_summary, 1);
    header->addWidget(m_showWhitespace);
    header->addWidget(m_expand);
    layout->addLayout(header);

    m_panes = new QBoxLayout(QBoxLayout::LeftToRight);
    m_expected = addPane(expectedTitle, m_panes);
    m_actual = addPane(actualTitle, m_panes);
    layout->addLayout(m_panes, 1);
    m_remainder = new QLabel;
    m_remainder->setObjectName(u"diffRemainder"_s);
    m_remainder->hide();
    layout->addWidget(m_remainder);

    scrollTogether(m_expected->verticalScrollBar(), m_actual->verticalScrollBar());
    scrollTogether(m_expected->horizontalScrollBar(), m_actual->horizontalScrollBar());
    connect(m_showWhitespace, &QCheckBox::toggled, this, &DiffView::layOut);
    connect(m_expand, &QToolButton::clicked, this, &DiffView::expandRequested);
    m_pool.setMaxThreadCount(1);
}

void DiffView::setOutputs(const QString& expected, const QString& actual,
                          const QString& ruleLabel) {
    const quint64 generation = ++m_generation;
    if (expected.size() + actual.size() <= comparedOnWorkerAbove) {
        m_comparing = false;
        present(diffOutputs(expected, actual, ruleLabel));
        return;
    }
    m_comparing = true;
    m_summary->setText(u"출력을 비교하는 중…"_s);
    m_pool.start([this, generation, expected, actual, ruleLabel] {
        OutputDiff diff = diffOutputs(expected, actual, ruleLabel);
        QMetaObject::invokeMethod(
            this,
            [this, generation, diff = std::move(diff)]() mutable {
                // A newer pair was set meanwhile; its own result follows.
                if (generation != m_generation)
                    return;
                m_comparing = false;
                present(std::move(diff));
            },
            Qt::QueuedConnection);
    });
}

void DiffView::setExpandable(bool expandable) {
    m_expand->setVisible(expandable);
}

void DiffView::setMaximumRows(int rows) {
    m_maximumRows = rows;
    fitRows();
}

void DiffView::fitRows() {
    for (QPlainTextEdit* pane : {m_expected, m_actual}) {
        if (m_maximumRows == 0) {
            pane->setMinimumHeight(0);
            pane->setMaximumHeight(QWIDGETSIZE_MAX);
            continue;
        }
        const int rows = std::clamp(pane->document()->blockCount(), 1, m_maximumRows);
        // Room for a horizontal scroll bar: long lines are not wrapped.
        pane->setFixedHeight(heightForLines(pane, rows) +
                             pane->horizontalScrollBar()->sizeHint().height());
    }
}

void DiffView::present(OutputDiff diff) {
    m_diff = std::move(diff);
    m_summary->setText(m_diff.summary);
    setSheetProperty(m_summary, "outcome", outcomeName(m_diff.outcome));
    const QString remainder = m_diff.remainder();
    m_remainder->setText(remainder);
    m_remainder->setVisible(!remainder.isEmpty());
    layOut();
    emit shown();
}

void DiffView::layOut() {
    const DiffColours colours = diffColours(palette());
    qsizetype lastLine = 1;
    for (const DiffRow& row : std::as_const(m_diff.rows))
        lastLine = std::max({lastLine, row.expected.line + 1, row.actual.line + 1});
    const int numberWidth = int(QString::number(lastLine).size());
    const bool whitespace = m_showWhitespace->isChecked();
    PaneWriter expected(m_expected, colours, numberWidth, whitespace);
    PaneWriter actual(m_actual, colours, numberWidth, whitespace);
    for (const DiffRow& row : std::as_const(m_diff.rows)) {
        switch (row.kind) {
        case DiffRow::Kind::skipped:
            expected.skipped(row.skippedLines);
            actual.skipped(row.skippedLines);
            break;
        case DiffRow::Kind::expectedOnly:
            expected.line(row.expected, colours.removedLine, colours.removedWord,
                          m_diff.expectedLineCount, m_diff.expectedEndsWithNewline);
            actual.filler();
            break;
        case DiffRow::Kind::actualOnly:
            expected.filler();
            actual.line(row.actual, colours.addedLine, colours.addedWord, m_diff.actualLineCount,
                        m_diff.actualEndsWithNewline);
            break;
        case DiffRow::Kind::same:
        case DiffRow::Kind::whitespace:
        case DiffRow::Kind::changed: {
            const bool changed = row.kind == DiffRow::Kind::changed;
            const bool spaced = row.kind == DiffRow::Kind::whitespace &&
                                m_diff.outcome == OutputDiff::Outcome::whitespaceOnly;
            const QColor expectedLine =
                changed ? colours.removedLine : (spaced ? colours.spacingLine : QColor());
            const QColor actualLine =
                changed ? colours.addedLine : (spaced ? colours.spacingLine : QColor());
            // Where values differ, a difference only in spacing is marked
            // only when the spacing is shown.
            const bool marked = changed || spaced || whitespace;
            expected.line(row.expected, expectedLine, marked ? colours.removedWord : QColor(),
                          m_diff.expectedLineCount, m_diff.expectedEndsWithNewline);
            actual.line(row.actual, actualLine, marked ? colours.addedWord : QColor(),
                        m_diff.actualLineCount, m_diff.actualEndsWithNewline);
            break;
        }
        }
    }
    fitRows();
}

void DiffView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_panes->setDirection(width() < sideBySideWidth ? QBoxLayout::TopToBottom
                                                    : QBoxLayout::LeftToRight);
}

void DiffView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        layOut();
}
