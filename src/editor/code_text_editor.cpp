#include "editor/code_text_editor.h"

#include "editor/line_number_gutter.h"
#include "editor/syntax_text_view.h"

#include <QFontDatabase>
#include <QHBoxLayout>

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
    : QWidget(parent), m_textView(new SyntaxTextView(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (config.editor.showLineNumbers) {
        m_gutter = new LineNumberGutter(m_textView, this);
        layout->addWidget(m_gutter);
    }
    layout->addWidget(m_textView);

    m_textView->setFont(resolveFont(config.editor.fontName, config.fontSize));
    copyFlags(m_textView, config);
    m_textView->currentTheme = config.theme;
    m_textView->customTheme = config.customTheme;
    applyColours(config);
    m_textView->setPlainText(text);

    connect(m_textView, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_settingText)
            emit edited();
    });
    // Sets the text colour at once; the pass itself runs in the background.
    m_textView->highlight();
}

QFont CodeTextEditor::resolveFont(const QString& name, double pointSize) {
    QFont font = QFontDatabase::families().contains(name)
                     ? QFont(name)
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
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

QString CodeTextEditor::text() const {
    return m_textView->text();
}

void CodeTextEditor::applyConfig(const EditorConfig& config) {
    const QFont font = resolveFont(config.editor.fontName, config.fontSize);
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

void CodeTextEditor::applyColours(const EditorConfig& config) {
    // The text colour is the view's: it follows the theme the view colours with.
    QPalette palette = m_textView->palette();
    palette.setColor(QPalette::Base, config.backgroundColor);
    m_textView->setPalette(palette);
    m_textView->setCursorColor(config.cursorColor);
    if (m_gutter) {
        m_gutter->setLabelFont(m_textView->font());
        m_gutter->setTextColor(config.lineNumberColor);
        m_gutter->setBackgroundColor(blend(config.lineNumberBgColor, config.backgroundColor));
    }
}
