#include "ui/testpanel/console_view.h"

#include "runner/run_session.h"
#include "ui/icons.h"
#include "ui/testpanel/copy_code_button.h"
#include "ui/testpanel/output_view.h"
#include "workspace/workspace.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace {

// Room for the report of a few hundred cases; laying out more, a single
// huge line above all, would be felt on every change.
constexpr qsizetype shownConsoleChars = 64 * 1024;
constexpr int shownConsoleLines = 5000;

QString firstLine(const CompilerMessage& message) {
    return message.original.section(u'\n', 0, 0).trimmed();
}

} // namespace

ConsoleView::ConsoleView(Workspace& workspace, RunSession& runs, QWidget* parent)
    : QWidget(parent), m_workspace(workspace), m_runs(runs) {
    setObjectName(QStringLiteral("consoleView"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 8, 12, 12);
    column->setSpacing(8);

    auto* header = new QHBoxLayout;
    auto* title = new QLabel(QStringLiteral("콘솔 출력"), this);
    title->setObjectName(QStringLiteral("consoleTitle"));
    m_autoScroll = new QCheckBox(QStringLiteral("자동 스크롤"), this);
    m_autoScroll->setObjectName(QStringLiteral("autoScroll"));
    m_autoScroll->setFocusPolicy(Qt::NoFocus);
    m_autoScroll->setChecked(true);
    auto* copy = new CopyCodeButton(m_workspace, this);
    auto* clear = new QPushButton(QStringLiteral("지우기"), this);
    clear->setObjectName(QStringLiteral("clearConsole"));
    clear->setFocusPolicy(Qt::NoFocus);
    clear->setIcon(symbolIcon(QStringLiteral("trash")));
    header->addWidget(title);
    header->addStretch();
    header->addWidget(m_autoScroll);
    header->addWidget(copy);
    header->addWidget(clear);
    column->addLayout(header);

    m_text = new OutputView(shownConsoleChars, shownConsoleLines, this);
    m_text->setObjectName(QStringLiteral("consoleText"));
    m_text->setAccessibleName(QStringLiteral("콘솔 출력"));
    m_text->setPlaceholderText(QStringLiteral("실행 결과가 여기에 표시됩니다...람쥐"));
    column->addWidget(m_text, 1);

    m_text->viewport()->installEventFilter(this);

    connect(clear, &QPushButton::clicked, this, [this] { m_runs.setConsoleText(QString()); });
    connect(&m_runs, &RunSession::consoleTextChanged, this, &ConsoleView::showOutput);
    showOutput(m_runs.consoleText());
}

void ConsoleView::showOutput(const QString& text) {
    m_messages.clear();
    m_text->setOutput(text);
    if (m_autoScroll->isChecked()) {
        m_text->moveCursor(QTextCursor::End);
        m_text->ensureCursorVisible();
    }
}

void ConsoleView::showMessages(const QList<CompilerMessage>& messages) {
    m_messages = messages;
    for (const CompilerMessage& message : messages) {
        const QString line = firstLine(message);
        if (line.isEmpty())
            continue;
        const QTextCursor found = m_text->document()->find(line);
        if (found.isNull())
            continue;
        // From the end, so the line found comes to rest at the top.
        m_text->moveCursor(QTextCursor::End);
        m_text->ensureCursorVisible();
        QTextCursor start(found.block());
        m_text->setTextCursor(start);
        m_text->ensureCursorVisible();
        return;
    }
}

const CompilerMessage* ConsoleView::messageOnLine(const QString& line) const {
    for (const CompilerMessage& message : m_messages) {
        const QString printed = firstLine(message);
        if (!printed.isEmpty() && line.contains(printed))
            return &message;
    }
    return nullptr;
}

bool ConsoleView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_text->viewport() && event->type() == QEvent::MouseButtonRelease &&
        !m_text->textCursor().hasSelection()) {
        const auto* click = static_cast<QMouseEvent*>(event);
        const QString line = m_text->cursorForPosition(click->position().toPoint()).block().text();
        if (const CompilerMessage* message = messageOnLine(line))
            emit messageActivated(*message);
    }
    return QWidget::eventFilter(watched, event);
}
