#include "ui/editor_pane.h"

#include "editor/code_text_editor.h"
#include "editor/syntax_text_view.h"
#include "runner/compile_servers.h"
#include "themes/theme_selection.h"
#include "ui/accessibility.h"
#include "ui/commands.h"
#include "ui/editor/welcome_view.h"
#include "ui/editor_config.h"
#include "ui/icons.h"
#include "ui/style/style.h"
#include "workspace/settings_store.h"
#include "workspace/workspace.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedLayout>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QFrame* divider(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("divider"));
    line->setFrameShape(QFrame::HLine);
    line->setFixedHeight(1);
    return line;
}

QToolButton* fontSizeButton(const QString& objectName, const QString& symbol,
                            const QString& fallbackText, const QString& label, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setAutoRaise(true);
    // Plain buttons: a click must not take the keyboard away from the text.
    button->setFocusPolicy(Qt::NoFocus);
    setSymbol(button, symbol, fallbackText);
    nameIconButton(button, label);
    return button;
}

} // namespace

EditorPane::EditorPane(Workspace& workspace, SettingsStore& settings, const ThemeSelection& themes,
                       Commands& commands, QWidget* parent)
    : QWidget(parent), m_workspace(workspace), m_settings(settings), m_themes(themes),
      m_commands(commands) {
    m_stack = new QStackedLayout(this);
    m_welcome = new WelcomeView(this);
    m_editorPage = buildEditorPage();
    m_stack->addWidget(m_welcome);
    m_stack->addWidget(m_editorPage);

    connect(m_welcome, &WelcomeView::languageChosen, this, [this](ProgrammingLanguage language) {
        m_workspace.createFile(QStringLiteral("solution.") + fileExtension(language), language);
    });

    connect(&m_workspace, &Workspace::selectedFileChanged, this, &EditorPane::showSelection);
    // The text is the pane's own; only a new name is news.
    connect(&m_workspace, &Workspace::fileChanged, this, [this](const QUuid& id) {
        if (m_workspace.selectedFile() && m_workspace.selectedFile()->id == id)
            showFileName(m_workspace.file(id)->name);
    });
    connect(&m_themes, &ThemeSelection::themeChanged, this, &EditorPane::applyConfig);
    connect(&m_themes, &ThemeSelection::useCustomThemeChanged, this, &EditorPane::applyConfig);
    connect(&m_themes, &ThemeSelection::selectedCustomThemeChanged, this, &EditorPane::applyConfig);
    connect(&m_settings, &SettingsStore::editorChanged, this, &EditorPane::applyConfig);
    connect(&m_settings, &SettingsStore::indentationChanged, this, &EditorPane::applyConfig);
    connect(&m_settings, &SettingsStore::typingAidsChanged, this, &EditorPane::applyConfig);
    connect(&m_commands, &Commands::nextMessage, this, [this] {
        if (m_editor && m_fileId)
            m_editor->goToNextDiagnostic();
    });
    connect(&m_commands, &Commands::previousMessage, this, [this] {
        if (m_editor && m_fileId)
            m_editor->goToPreviousDiagnostic();
    });
    showSelection();
}

void EditorPane::showMessages(const QUuid& fileId, const QList<CompilerMessage>& messages) {
    m_messagesFileId = fileId;
    if (m_editor && m_fileId == fileId)
        m_editor->setDiagnostics(messages);
}

void EditorPane::clearMessages() {
    if (m_editor)
        m_editor->clearDiagnostics();
}

void EditorPane::goToMessage(const CompilerMessage& message) {
    if (m_editor && m_fileId && m_fileId == m_messagesFileId)
        m_editor->goToDiagnostic(message);
}

EditorPane::~EditorPane() {
    m_workspace.setLiveText({}, nullptr);
}

QString EditorPane::text() const {
    return m_editor->text();
}

void EditorPane::replaceText(const QString& text) {
    m_editor->replaceText(text);
}

QWidget* EditorPane::buildEditorPage() {
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildHeader(page));
    column->addWidget(divider(page));
    // The editor itself is created with the first selected file, so the
    // gutter follows the line-number setting of that moment.
    column->addStretch();
    column->addWidget(divider(page));
    column->addWidget(buildStatusBar(page));
    return page;
}

QWidget* EditorPane::buildHeader(QWidget* page) {
    m_header = new QWidget(page);
    m_header->setObjectName(QStringLiteral("editorHeader"));
    m_header->setAttribute(Qt::WA_StyledBackground);
    auto* header = new QHBoxLayout(m_header);
    header->setContentsMargins(12, 6, 12, 6);
    m_badge = new QLabel(m_header);
    m_badge->setObjectName(QStringLiteral("headerBadge"));
    m_badge->setAlignment(Qt::AlignCenter);
    m_badge->setMinimumSize(24, 24);
    m_fileName = new QLabel(m_header);
    m_fileName->setObjectName(QStringLiteral("fileName"));
    header->addWidget(m_badge);
    header->addSpacing(6);
    header->addWidget(m_fileName);
    header->addStretch();

    auto* sizeGroup = new QWidget(m_header);
    sizeGroup->setObjectName(QStringLiteral("fontSizeGroup"));
    sizeGroup->setAttribute(Qt::WA_StyledBackground);
    auto* sizeRow = new QHBoxLayout(sizeGroup);
    sizeRow->setContentsMargins(8, 4, 8, 4);
    auto* smaller =
        fontSizeButton(QStringLiteral("fontSmaller"), QStringLiteral("textformat.size.smaller"),
                       QStringLiteral("A−"), QStringLiteral("글자 크기 줄이기"), sizeGroup);
    m_fontSizeLabel = new QLabel(sizeGroup);
    m_fontSizeLabel->setObjectName(QStringLiteral("fontSizeLabel"));
    m_fontSizeLabel->setFixedWidth(20);
    m_fontSizeLabel->setAlignment(Qt::AlignCenter);
    auto* larger =
        fontSizeButton(QStringLiteral("fontLarger"), QStringLiteral("textformat.size.larger"),
                       QStringLiteral("A+"), QStringLiteral("글자 크기 키우기"), sizeGroup);
    sizeRow->addWidget(smaller);
    sizeRow->addWidget(m_fontSizeLabel);
    sizeRow->addWidget(larger);
    header->addWidget(sizeGroup);
    connect(smaller, &QToolButton::clicked, this, [this] { changeFontSize(-1); });
    connect(larger, &QToolButton::clicked, this, [this] { changeFontSize(+1); });
    return m_header;
}

QWidget* EditorPane::buildStatusBar(QWidget* page) {
    m_statusBar = new QWidget(page);
    m_statusBar->setObjectName(QStringLiteral("statusBar"));
    m_statusBar->setAttribute(Qt::WA_StyledBackground);
    auto* status = new QHBoxLayout(m_statusBar);
    status->setContentsMargins(12, 3, 12, 3);
    status->setSpacing(16);
    m_lineCount = new QLabel(m_statusBar);
    m_charCount = new QLabel(m_statusBar);
    m_tabSize = new QLabel(m_statusBar);
    m_encoding = new QLabel(QStringLiteral("UTF-8"), m_statusBar);
    // A plain widget: a coloured dot beside the name, nothing to read out.
    m_languageDot = new QWidget(m_statusBar);
    m_languageDot->setObjectName(QStringLiteral("languageDot"));
    m_languageDot->setFixedSize(8, 8);
    m_languageName = new QLabel(m_statusBar);
    m_languageName->setObjectName(QStringLiteral("languageName"));
    for (QLabel* label : {m_lineCount, m_charCount, m_tabSize, m_encoding})
        status->addWidget(label);
    status->addStretch();
    status->addWidget(m_languageDot);
    status->addSpacing(-10);
    status->addWidget(m_languageName);
    return m_statusBar;
}

EditorConfig EditorPane::currentConfig() const {
    const FileItem* file = m_workspace.selectedFile();
    return editorConfig(m_settings, m_themes, file ? file->language : ProgrammingLanguage::txt);
}

void EditorPane::showSelection() {
    // The workspace has taken the last edits; the text shown next is no edit.
    m_workspace.setLiveText({}, nullptr);
    const FileItem* file = m_workspace.selectedFile();
    if (!file) {
        m_fileId.reset();
        m_stack->setCurrentWidget(m_welcome);
        return;
    }
    m_stack->setCurrentWidget(m_editorPage);
    if (!m_editor) {
        m_editor = new CodeTextEditor(currentConfig(), file->content, m_editorPage);
        auto* column = static_cast<QVBoxLayout*>(m_editorPage->layout());
        // Replaces the placeholder stretch between the two dividers.
        delete column->takeAt(2);
        column->insertWidget(2, m_editor, 1);
        connect(m_editor, &CodeTextEditor::edited, this, [this] {
            m_workspace.liveTextEdited();
            updateCounts();
        });
    } else {
        const bool otherFile = m_fileId != file->id;
        if (otherFile)
            m_editor->clearDiagnostics();
        m_editor->setText(file->content);
        // Another file opens at its top, not at the last file's caret.
        if (otherFile) {
            QTextCursor top = m_editor->textView()->textCursor();
            top.movePosition(QTextCursor::Start);
            m_editor->textView()->setTextCursor(top);
        }
    }
    m_fileId = file->id;
    m_workspace.setLiveText(file->id, this);
    // A Java or C# file shown will likely be run: its compiler gets ready.
    CompileServers::session().start(file->language, ResidentCompiler::Priority::background);
    // A file just created or chosen is there to be typed in.
    m_editor->textView()->setFocus();
    applyConfig();
}

void EditorPane::applyConfig() {
    if (!m_editor || !m_workspace.selectedFile())
        return;
    m_editor->applyConfig(currentConfig());
    updateHeader();
    updateStatus();
}

void EditorPane::updateHeader() {
    const FileItem& file = *m_workspace.selectedFile();
    m_badge->setText(badgeLabel(file.language));
    setBadge(m_badge, file.language);
    showFileName(file.name);
    m_fontSizeLabel->setText(QString::number(qRound(m_settings.editor().fontSize)));
}

// The header shows the name; the text view is named by it for screen readers.
void EditorPane::showFileName(const QString& name) {
    m_fileName->setText(name);
    m_editor->textView()->setAccessibleName(name);
}

void EditorPane::updateStatus() {
    if (!m_editor || !m_workspace.selectedFile())
        return;
    updateCounts();
    m_tabSize->setText(QStringLiteral("탭: %1칸").arg(m_settings.indentation().tabSize));
    const ProgrammingLanguage language = m_workspace.selectedFile()->language;
    setBadge(m_languageDot, language);
    m_languageName->setText(rawValue(language));
}

// Runs on every keystroke: two O(1) counts, no restyling.
void EditorPane::updateCounts() {
    const QTextDocument* document = m_editor->textView()->document();
    // A document has one block per line and one more character than its text.
    m_lineCount->setText(QStringLiteral("줄 ") + QString::number(document->blockCount()));
    m_charCount->setText(QStringLiteral("문자 ") + QString::number(document->characterCount() - 1));
}

void EditorPane::changeFontSize(double delta) {
    // The store keeps the size within the editor's range.
    EditorSettings editor = m_settings.editor();
    editor.fontSize += delta;
    m_settings.setEditor(editor);
}

QStringList EditorPane::statusTexts() const {
    return {m_lineCount->text(), m_charCount->text(), m_tabSize->text(), m_encoding->text(),
            m_languageName->text()};
}
