#include "editor/code_text_editor.h"

#include "editor/code_font.h"
#include "editor/diagnostic_markers.h"
#include "editor/line_number_gutter.h"
#include "editor/syntax_text_view.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QTextBlock>
#include <QToolTip>

namespace {

void copyFlags(SyntaxTextView* view, const EditorConfig& config) {
    view->typing = {config.indentation, config.typingAids, config.language};
    view->currentLanguage = config.language;
}

// The gutter's translucent colour as it would show over the editor's background.
QColor blend(const QColor& over, const QColor& under) {
    const float a = over.alphaF();
    return QColor::fromRgbF(over.redF() * a + under.redF() * (1 - a),
                            over.greenF() * a + under.greenF() * (1 - a),
                            over.blueF() * a + under.blueF() * (1 - a));
}

bool colouringDiffers(const SyntaxTextView* view, const EditorConfig& config) {
    if (view->currentLanguage != config.language || view->currentTheme != config.theme)
        return true;
    if (view->customTheme.has_value() != config.customTheme.has_value())
        return true;
    // Same id with other colours counts as the same theme.
    return view->customTheme && view->customTheme->id != config.customTheme->id;
}

} // namespace

CodeTextEditor::CodeTextEditor(const EditorConfig& config, const QString& text, QWidget* parent)
    : QWidget(parent), m_textView(new SyntaxTextView(this)),
      m_diagnostics(new DiagnosticMarkers(m_textView->document(), this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (config.editor.showLineNumbers) {
        m_gutter = new LineNumberGutter(m_textView, this);
        m_gutter->setDiagnostics(m_diagnostics);
        layout->addWidget(m_gutter);
    }
    layout->addWidget(m_textView);

    m_textView->setFont(resolveFont(config.editor.fontName, config.editor.fontSize));
    copyFlags(m_textView, config);
    m_textView->currentTheme = config.theme;
    m_textView->customTheme = config.customTheme;
    applyColours(config);
    m_textView->setPlainText(text);

    connect(m_textView, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_settingText)
            emit edited();
    });
    connect(m_diagnostics, &DiagnosticMarkers::changed, this,
            &CodeTextEditor::underlineDiagnostics);
    m_textView->viewport()->installEventFilter(this);
    // Sets the text colour at once; the pass itself runs in the background.
    m_textView->highlight();
}

QFont CodeTextEditor::resolveFont(const QString& name, double pointSize) {
    QFont font = QFontDatabase::families().contains(name) ? QFont(name) : fixedPitchFont();
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::Monospace);
    return font;
}

void CodeTextEditor::setText(const QString& text) {
    if (m_textView->text() == text)
        return;
    const int caret = m_textView->textCursor().position();
    m_settingText = true;
    m_textView->setPlainText(text);
    m_settingText = false;
    QTextCursor cursor = m_textView->textCursor();
    cursor.setPosition(std::min<int>(caret, m_textView->document()->characterCount() - 1));
    m_textView->setTextCursor(cursor);
}

void CodeTextEditor::replaceText(const QString& text) {
    if (m_textView->text() == text)
        return;
    QTextCursor cursor(m_textView->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
}

QString CodeTextEditor::text() const {
    return m_textView->text();
}

void CodeTextEditor::applyConfig(const EditorConfig& config) {
    const QFont font = resolveFont(config.editor.fontName, config.editor.fontSize);
    if (m_textView->font() != font)
        m_textView->setFont(font);
    const bool recolour = colouringDiffers(m_textView, config);
    copyFlags(m_textView, config);
    applyColours(config);
    if (recolour) {
        m_textView->currentTheme = config.theme;
        m_textView->customTheme = config.customTheme;
        m_textView->highlight();
    }
    if (m_gutter)
        m_gutter->setVisible(config.editor.showLineNumbers);
}

void CodeTextEditor::setDiagnostics(const QList<CompilerMessage>& messages) {
    m_diagnostics->set(messages);
}

void CodeTextEditor::clearDiagnostics() {
    m_diagnostics->clear();
}

void CodeTextEditor::goToDiagnostic(const CompilerMessage& message) {
    int position = 0;
    if (const DiagnosticMarkers::Marker* marker = m_diagnostics->find(message)) {
        position = marker->range.selectionStart();
    } else {
        // Its marker went with an edit; the line and column may still be close.
        const QTextDocument* document = m_textView->document();
        const QTextBlock block =
            document->findBlockByNumber(std::clamp(message.line, 1, document->blockCount()) - 1);
        position = block.position() + std::clamp(message.column - 1, 0, block.length() - 1);
    }
    QTextCursor cursor = m_textView->textCursor();
    cursor.setPosition(position);
    m_textView->setTextCursor(cursor);
    m_textView->ensureCursorVisible();
    m_textView->setFocus(Qt::OtherFocusReason);
    const QPoint at = m_textView->viewport()->mapToGlobal(m_textView->cursorRect().bottomLeft());
    QToolTip::showText(at, DiagnosticMarkers::describe(message), m_textView);
}

void CodeTextEditor::goToNextDiagnostic() {
    if (const DiagnosticMarkers::Marker* marker =
            m_diagnostics->next(m_textView->textCursor().position()))
        goToDiagnostic(marker->message);
}

void CodeTextEditor::goToPreviousDiagnostic() {
    if (const DiagnosticMarkers::Marker* marker =
            m_diagnostics->previous(m_textView->textCursor().position()))
        goToDiagnostic(marker->message);
}

void CodeTextEditor::underlineDiagnostics() {
    QList<QTextEdit::ExtraSelection> underlines;
    for (const DiagnosticMarkers::Marker& marker : m_diagnostics->markers()) {
        QTextEdit::ExtraSelection underline;
        underline.cursor = marker.range;
        underline.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        underline.format.setUnderlineColor(m_diagnostics->colour(marker.message.severity));
        underlines.append(underline);
    }
    m_textView->setExtraSelections(underlines);
}

bool CodeTextEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_textView->viewport() || event->type() != QEvent::ToolTip)
        return QWidget::eventFilter(watched, event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const int position = m_textView->cursorForPosition(help->pos()).position();
    if (const DiagnosticMarkers::Marker* marker = m_diagnostics->at(position))
        QToolTip::showText(help->globalPos(), DiagnosticMarkers::describe(marker->message),
                           m_textView);
    else
        QToolTip::hideText();
    return true;
}

void CodeTextEditor::applyColours(const EditorConfig& config) {
    // The text colour is the view's: it follows the theme the view colours with.
    QPalette palette = m_textView->palette();
    palette.setColor(QPalette::Base, config.backgroundColor);
    m_textView->setPalette(palette);
    m_textView->setCursorColor(config.cursorColor);
    m_diagnostics->setColours(config.errorColor, config.warningColor, config.noteColor);
    if (m_gutter) {
        m_gutter->setLabelFont(m_textView->font());
        m_gutter->setTextColor(config.lineNumberColor);
        m_gutter->setBackgroundColor(blend(config.lineNumberBgColor, config.backgroundColor));
    }
}
