#include "ui/testpanel/case_card.h"

#include "models/item_roles.h"
#include "runner/comparison.h"
#include "runner/run_report.h"
#include "ui/accessibility.h"
#include "ui/icons.h"
#include "ui/style/style.h"
#include "ui/testpanel/diff_view.h"
#include "ui/testpanel/line_fit.h"
#include "ui/testpanel/output_view.h"

#include <QAbstractItemModel>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <charconv>

namespace {

// A card shows the start of a result; the console and the copy have the rest.
constexpr qsizetype shownOutputChars = 64 * 1024;
constexpr int shownOutputLines = 1000;
constexpr int maxVisibleLines = 8;
constexpr int minOutputHeight = 50;

QToolButton* iconButton(const QString& objectName, const QString& symbol, const QString& label,
                        QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    setSymbol(button, symbol, label);
    nameIconButton(button, label);
    return button;
}

// "%.1fms" whatever the user's locale, rounding exact halves as printf does.
QString milliseconds(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
    return QString::fromLatin1(buffer, result.ptr - buffer) + QStringLiteral("ms");
}

// The rule the window's runs judge outputs by, named in the diff's summary.
QString judgingRule(const QVariant& comparison) {
    const QString name = comparison.toString();
    if (name.isEmpty())
        return QStringLiteral("채점 프로그램");
    return ComparisonMode::fromName(name).value_or(ComparisonMode{}).label();
}

QLabel* fieldTitle(const QString& text, QWidget* parent) {
    auto* title = new QLabel(text, parent);
    title->setObjectName(QStringLiteral("fieldTitle"));
    return title;
}

} // namespace

CaseCard::CaseCard(QAbstractItemModel& model, int row, QWidget* parent)
    : QFrame(parent), m_model(model), m_row(row) {
    setObjectName(QStringLiteral("testCaseCard"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 8, 12, 10);
    column->setSpacing(8);
    column->addWidget(buildHeader());
    column->addWidget(buildBody());
    setRow(row);
    refresh();
    // Styled now rather than when the first result shows them, which would
    // cost every card its styling in the middle of a run.
    m_badge->ensurePolished();
    m_actualBlock->ensurePolished();
}

QWidget* CaseCard::buildHeader() {
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    m_chevron = iconButton(QStringLiteral("chevron"), QStringLiteral("chevron.down"),
                           QStringLiteral("접기"), header);
    m_title = new QLabel(header);
    m_title->setObjectName(QStringLiteral("caseTitle"));

    m_badge = new QWidget(header);
    m_badge->setObjectName(QStringLiteral("caseBadge"));
    m_badge->setAttribute(Qt::WA_StyledBackground);
    auto* badgeRow = new QHBoxLayout(m_badge);
    badgeRow->setContentsMargins(8, 3, 8, 3);
    badgeRow->setSpacing(4);
    m_badgeIcon = new QLabel(m_badge);
    m_badgeText = new QLabel(m_badge);
    m_badgeText->setObjectName(QStringLiteral("caseBadgeText"));
    badgeRow->addWidget(m_badgeIcon);
    badgeRow->addWidget(m_badgeText);

    m_time = new QLabel(header);
    m_time->setObjectName(QStringLiteral("caseTime"));
    m_duplicate = iconButton(QStringLiteral("duplicateCase"), QStringLiteral("doc.on.doc"),
                             QStringLiteral("복제"), header);
    m_delete = iconButton(QStringLiteral("deleteCase"), QStringLiteral("trash"),
                          QStringLiteral("삭제"), header);
    row->addWidget(m_chevron);
    row->addWidget(m_title);
    row->addWidget(m_badge);
    row->addWidget(m_time);
    row->addStretch();
    row->addWidget(m_duplicate);
    row->addWidget(m_delete);

    connect(m_chevron, &QToolButton::clicked, this, [this] { setExpanded(!m_expanded); });
    connect(m_duplicate, &QToolButton::clicked, this, [this] { emit duplicateRequested(m_id); });
    connect(m_delete, &QToolButton::clicked, this, [this] { emit deleteRequested(m_id); });
    return header;
}

QWidget* CaseCard::buildBody() {
    m_body = new QWidget(this);
    auto* column = new QVBoxLayout(m_body);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    m_inputEditor = addField(QStringLiteral("입력"), m_body);
    m_expectedEditor = addField(QStringLiteral("예상 출력"), m_body);
    connect(m_inputEditor, &QPlainTextEdit::textChanged, this,
            [this] { write(InputRole, m_inputEditor, m_input); });
    connect(m_expectedEditor, &QPlainTextEdit::textChanged, this,
            [this] { write(ExpectedOutputRole, m_expectedEditor, m_expectedOutput); });

    m_actualBlock = new QWidget(m_body);
    auto* actualColumn = new QVBoxLayout(m_actualBlock);
    actualColumn->setContentsMargins(0, 4, 0, 0);
    actualColumn->setSpacing(4);
    actualColumn->addWidget(fieldTitle(QStringLiteral("실제 출력"), m_actualBlock));
    m_actualFrame = new QFrame(m_actualBlock);
    m_actualFrame->setObjectName(QStringLiteral("actualOutputFrame"));
    auto* frameLayout = new QVBoxLayout(m_actualFrame);
    frameLayout->setContentsMargins(2, 2, 2, 2);
    m_actual = new OutputView(shownOutputChars, shownOutputLines, m_actualFrame);
    m_actual->setObjectName(QStringLiteral("actualOutput"));
    frameLayout->addWidget(m_actual);
    actualColumn->addWidget(m_actualFrame);
    column->addWidget(m_actualBlock);
    return m_body;
}

QPlainTextEdit* CaseCard::addField(const QString& title, QWidget* body) {
    body->layout()->addWidget(fieldTitle(title, body));
    auto* editor = new QPlainTextEdit(body);
    editor->setObjectName(QStringLiteral("caseEditor"));
    editor->setTabChangesFocus(true);
    body->layout()->addWidget(editor);
    fitHeight(editor, 2);
    connect(editor, &QPlainTextEdit::blockCountChanged, this,
            [this, editor] { fitHeight(editor, 2); });
    return editor;
}

void CaseCard::setRow(int row) {
    m_row = row;
    const QString title = QStringLiteral("테스트 #%1").arg(row + 1);
    m_title->setText(title);
    m_inputEditor->setAccessibleName(title + QStringLiteral(" 입력"));
    m_expectedEditor->setAccessibleName(title + QStringLiteral(" 예상 출력"));
    m_actual->setAccessibleName(title + QStringLiteral(" 실제 출력"));
    if (m_diff)
        m_diff->setAccessibleName(title + QStringLiteral(" 출력 비교"));
}

void CaseCard::setExpanded(bool expanded) {
    m_expanded = expanded;
    m_body->setVisible(expanded);
    setSymbol(m_chevron,
              expanded ? QStringLiteral("chevron.down") : QStringLiteral("chevron.right"),
              expanded ? QStringLiteral("접기") : QStringLiteral("펼치기"));
    nameIconButton(m_chevron, expanded ? QStringLiteral("접기") : QStringLiteral("펼치기"));
}

void CaseCard::focusInput() {
    setExpanded(true);
    m_inputEditor->setFocus(Qt::OtherFocusReason);
}

QWidget* CaseCard::resultView() {
    if (m_diff && !m_diff->isHidden())
        return m_diff;
    if (!m_actualBlock->isHidden())
        return m_actualBlock;
    return this;
}

QList<QWidget*> CaseCard::tabStops() const {
    return {m_inputEditor, m_expectedEditor, m_actual};
}

void CaseCard::refresh() {
    const QModelIndex index = m_model.index(m_row, 0);
    m_id = index.data(IdRole).toUuid();
    const QVariant stored = index.data(ResultRole);
    const std::optional<CaseResult> result =
        stored.isValid() ? std::optional(stored.value<CaseResult>()) : std::nullopt;
    const bool judged = result && result->verdict.kind != VerdictKind::noExpectedOutput;
    const QString verdict = !judged                    ? QStringLiteral("none")
                            : result->verdict.passes() ? QStringLiteral("pass")
                                                       : QStringLiteral("fail");
    m_badge->setVisible(judged);
    if (judged) {
        m_badgeIcon->setPixmap(symbolIcon(result->verdict.passes()
                                              ? QStringLiteral("checkmark.circle.fill")
                                              : QStringLiteral("xmark.circle.fill"))
                                   .pixmap(12, 12));
        m_badgeText->setText(verdictLabel(result->verdict));
        setSheetProperty(m_badge, "verdict", verdict);
        setSheetProperty(m_badgeText, "verdict", verdict);
    }
    // A program killed outright, or one that never ran, has no figures.
    const bool measured = result && result->peakMemoryKiB > 0;
    m_time->setVisible(result && result->wallMs > 0);
    if (result) {
        m_time->setText(
            milliseconds(result->wallMs) +
            (measured ? QStringLiteral(" · ") + memoryLabel(result->peakMemoryKiB) : QString()));
        m_time->setToolTip(measured ? QStringLiteral("CPU ") + milliseconds(result->cpuMs)
                                    : QString());
    }

    m_refreshing = true;
    showEditorText(m_inputEditor, index.data(InputRole).toString(), m_input);
    showEditorText(m_expectedEditor, index.data(ExpectedOutputRole).toString(), m_expectedOutput);
    m_refreshing = false;

    // A wrong answer is shown against what was expected. A failure with
    // nothing to say leaves it to the badge; a compile error is the
    // console's to show, once for every case.
    const bool wrong = result && result->verdict.kind == VerdictKind::wrongAnswer;
    if (wrong)
        showDiff(m_expectedOutput, result->output);
    else if (m_diff)
        m_diff->hide();
    const QString shown = result ? shownText(*result) : QString();
    const bool showsOutput = result && !wrong && (result->verdict.passes() || !shown.isEmpty());
    m_actualBlock->setVisible(showsOutput);
    if (showsOutput) {
        m_actual->setOutput(shown);
        setSheetProperty(m_actualFrame, "verdict", verdict);
        fitHeight(m_actual, 1);
    }
}

// Keystrokes go straight into the case; the model's echo finds its own text.
void CaseCard::write(int role, QPlainTextEdit* editor, QString& known) {
    if (m_refreshing)
        return;
    known = editor->toPlainText();
    m_model.setData(m_model.index(m_row, 0), known, role);
}

void CaseCard::showEditorText(QPlainTextEdit* editor, const QString& text, QString& known) {
    if (text == known)
        return;
    known = text;
    editor->setPlainText(text);
}

// Grows with its lines up to a few, then scrolls.
void CaseCard::fitHeight(QPlainTextEdit* editor, int minLines) {
    const int height = heightForLines(
        editor, std::clamp(editor->document()->blockCount(), minLines, maxVisibleLines));
    editor->setFixedHeight(editor == m_actual ? std::max(height, minOutputHeight) : height);
}

void CaseCard::showDiff(const QString& expected, const QString& actual) {
    if (!m_diff) {
        m_diff = new DiffView(m_body);
        m_diff->setMaximumRows(maxVisibleLines);
        m_body->layout()->addWidget(m_diff);
        connect(m_diff, &DiffView::expandRequested, this, &CaseCard::openLargeDiff);
        setRow(m_row);
    } else if (expected.isSharedWith(m_diffExpected) && actual.isSharedWith(m_diffActual)) {
        m_diff->show();
        return;
    }
    m_diffExpected = expected;
    m_diffActual = actual;
    m_diff->setOutputs(expected, actual, judgingRule(m_model.index(m_row, 0).data(ComparisonRole)));
    m_diff->show();
}

// A window of its own, so the card list keeps its place.
void CaseCard::openLargeDiff() {
    const QVariant stored = m_model.index(m_row, 0).data(ResultRole);
    if (!stored.isValid())
        return;
    auto* dialog = new QDialog(window());
    dialog->setObjectName(QStringLiteral("largeDiff"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(m_title->text() + QStringLiteral(" 출력 비교"));
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* diff = new DiffView(dialog);
    diff->setExpandable(false);
    layout->addWidget(diff);
    diff->setOutputs(m_expectedOutput, stored.value<CaseResult>().output,
                     judgingRule(m_model.index(m_row, 0).data(ComparisonRole)));
    dialog->resize(1000, 700);
    dialog->show();
}
