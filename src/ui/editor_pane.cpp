#include "ui/editor_pane.h"

#include "editor/code_text_editor.h"
#include "editor/syntax_text_view.h"
#include "themes/editor_theme.h"
#include "ui/colors.h"
#include "ui/icons.h"
#include "workspace/app_state.h"
#include "workspace/commands.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QStackedLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr double minFontSize = 10;
constexpr double maxFontSize = 28;
// Long enough to cover a burst of typing, short enough that other views
// (the sidebar's dates, a test run) see the text almost at once.
constexpr int commitDelayMs = 300;

QString css(const QColor& color) {
    return color.name(QColor::HexArgb);
}

QFrame* divider(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFixedHeight(1);
    line->setStyleSheet(QStringLiteral("background: rgba(128,128,128,0.3); border: none;"));
    return line;
}

QLabel* badgeLabel(ProgrammingLanguage language, int side, int pointSize, QWidget* parent) {
    auto* badge = new QLabel(::badgeLabel(language), parent);
    badge->setAlignment(Qt::AlignCenter);
    badge->setMinimumSize(side, side);
    badge->setStyleSheet(QStringLiteral("background: %1; color: white; font-weight: bold; "
                                        "font-size: %2pt; border-radius: 4px; padding: 0 3px;")
                             .arg(css(badgeColor(language)))
                             .arg(pointSize));
    return badge;
}

} // namespace

EditorPane::EditorPane(AppState& state, Commands& commands, QWidget* parent)
    : QWidget(parent), m_state(state), m_commands(commands) {
    m_stack = new QStackedLayout(this);
    m_welcome = buildWelcome();
    m_editorPage = buildEditorPage();
    m_stack->addWidget(m_welcome);
    m_stack->addWidget(m_editorPage);

    m_commitTimer.setSingleShot(true);
    m_commitTimer.setInterval(commitDelayMs);
    connect(&m_commitTimer, &QTimer::timeout, this, &EditorPane::commitEdits);
    connect(&m_state, &AppState::pendingEditsRequested, this, &EditorPane::commitEdits);

    connect(&m_state, &AppState::selectedFileChanged, this, &EditorPane::showSelection);
    connect(&m_state, &AppState::fontSizeChanged, this, &EditorPane::applyConfig);
    connect(&m_state, &AppState::themeChanged, this, &EditorPane::applyConfig);
    connect(&m_state, &AppState::useCustomThemeChanged, this, &EditorPane::applyConfig);
    connect(&m_state, &AppState::selectedCustomThemeChanged, this, &EditorPane::applyConfig);
    connect(&m_state.settings(), &SettingsStore::editorChanged, this, &EditorPane::applyConfig);
    connect(&m_state.settings(), &SettingsStore::indentationChanged, this,
            &EditorPane::applyConfig);
    connect(&m_state.settings(), &SettingsStore::typingAidsChanged, this, &EditorPane::applyConfig);
    connect(&m_commands, &Commands::templateInserted, this, [this](const QString& text) {
        m_dirty = false;
        if (m_editor)
            m_editor->setText(text);
        updateStatus();
    });
    showSelection();
}

EditorPane::~EditorPane() {
    commitEdits();
}

QWidget* EditorPane::buildEditorPage() {
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    m_header = new QWidget(page);
    m_header->setObjectName(QStringLiteral("editorHeader"));
    m_header->setAttribute(Qt::WA_StyledBackground);
    auto* header = new QHBoxLayout(m_header);
    header->setContentsMargins(12, 6, 12, 6);
    m_badge = new QLabel(m_header);
    m_badge->setAlignment(Qt::AlignCenter);
    m_badge->setMinimumSize(24, 24);
    m_fileName = new QLabel(m_header);
    header->addWidget(m_badge);
    header->addSpacing(6);
    header->addWidget(m_fileName);
    header->addStretch();

    auto* sizeGroup = new QWidget(m_header);
    sizeGroup->setObjectName(QStringLiteral("fontSizeGroup"));
    sizeGroup->setAttribute(Qt::WA_StyledBackground);
    auto* sizeRow = new QHBoxLayout(sizeGroup);
    sizeRow->setContentsMargins(8, 4, 8, 4);
    auto* smaller = new QToolButton(sizeGroup);
    smaller->setObjectName(QStringLiteral("fontSmaller"));
    smaller->setAutoRaise(true);
    // Plain buttons: a click must not take the keyboard away from the text.
    smaller->setFocusPolicy(Qt::NoFocus);
    setSymbol(smaller, QStringLiteral("textformat.size.smaller"), QStringLiteral("A−"));
    m_fontSizeLabel = new QLabel(sizeGroup);
    m_fontSizeLabel->setFixedWidth(20);
    m_fontSizeLabel->setAlignment(Qt::AlignCenter);
    auto* larger = new QToolButton(sizeGroup);
    larger->setObjectName(QStringLiteral("fontLarger"));
    larger->setAutoRaise(true);
    larger->setFocusPolicy(Qt::NoFocus);
    setSymbol(larger, QStringLiteral("textformat.size.larger"), QStringLiteral("A+"));
    sizeRow->addWidget(smaller);
    sizeRow->addWidget(m_fontSizeLabel);
    sizeRow->addWidget(larger);
    header->addWidget(sizeGroup);
    connect(smaller, &QToolButton::clicked, this, [this] { changeFontSize(-1); });
    connect(larger, &QToolButton::clicked, this, [this] { changeFontSize(+1); });

    column->addWidget(m_header);
    column->addWidget(divider(page));
    // The editor itself is created with the first selected file, so the
    // gutter follows the line-number setting of that moment.
    column->addStretch();
    column->addWidget(divider(page));

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
    m_languageDot = new QLabel(m_statusBar);
    m_languageDot->setFixedSize(8, 8);
    m_languageName = new QLabel(m_statusBar);
    for (QLabel* label : {m_lineCount, m_charCount, m_tabSize, m_encoding})
        status->addWidget(label);
    status->addStretch();
    status->addWidget(m_languageDot);
    status->addSpacing(-10);
    status->addWidget(m_languageName);
    column->addWidget(m_statusBar);
    return page;
}

QWidget* EditorPane::buildWelcome() {
    auto* welcome = new QWidget(this);
    welcome->setObjectName(QStringLiteral("welcome"));
    welcome->setAttribute(Qt::WA_StyledBackground);
    auto* column = new QVBoxLayout(welcome);
    column->setSpacing(12);
    column->addStretch();

    const auto centred = [&](const QString& text, int pointSize, const QString& name) {
        auto* label = new QLabel(text, welcome);
        label->setObjectName(name);
        label->setAlignment(Qt::AlignCenter);
        QFont font = label->font();
        font.setPointSize(pointSize);
        label->setFont(font);
        column->addWidget(label);
        return label;
    };
    centred(QStringLiteral("🦦"), 60, QStringLiteral("mascot"));
    centred(QStringLiteral("Corvanta"), 24, QStringLiteral("productName"));
    centred(QStringLiteral("일어나~~ 문제풀어야지~~~?"), 14, QStringLiteral("greeting"));

    auto* cards = new QHBoxLayout();
    cards->setSpacing(16);
    cards->addStretch();
    for (ProgrammingLanguage language : allLanguages()) {
        auto* card = new QPushButton(welcome);
        card->setObjectName(QStringLiteral("quickCreate_") + fileExtension(language));
        card->setFlat(true);
        card->setCursor(Qt::PointingHandCursor);
        card->setMinimumSize(88, 84);
        auto* cardLayout = new QVBoxLayout(card);
        auto* badge = badgeLabel(language, 40, 12, card);
        badge->setAttribute(Qt::WA_TransparentForMouseEvents);
        auto* name = new QLabel(rawValue(language), card);
        name->setAlignment(Qt::AlignCenter);
        name->setAttribute(Qt::WA_TransparentForMouseEvents);
        cardLayout->addWidget(badge, 0, Qt::AlignHCenter);
        cardLayout->addWidget(name);
        connect(card, &QPushButton::clicked, this, [this, language] {
            m_state.createFile(QStringLiteral("solution.") + fileExtension(language), language);
        });
        cards->addWidget(card);
    }
    cards->addStretch();
    column->addSpacing(12);
    column->addLayout(cards);
    column->addSpacing(16);
    centred(QStringLiteral("단축키"), 13, QStringLiteral("shortcutHeading"));

    const struct {
        QKeySequence keys;
        const char16_t* description;
    } hints[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), u"새 파일"},
        {QKeySequence(Qt::CTRL | Qt::Key_R), u"실행"},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), u"템플릿"},
    };
    for (const auto& hint : hints) {
        auto* row = new QHBoxLayout();
        row->addStretch();
        auto* key = new QLabel(hint.keys.toString(QKeySequence::NativeText), welcome);
        key->setObjectName(QStringLiteral("shortcutKey"));
        QFont keyFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        keyFont.setPointSize(11);
        keyFont.setWeight(QFont::DemiBold);
        key->setFont(keyFont);
        key->setStyleSheet(QStringLiteral("background: rgba(128,128,128,0.25); "
                                          "border-radius: 4px; padding: 2px 6px;"));
        auto* description = new QLabel(QString::fromUtf16(hint.description), welcome);
        description->setObjectName(QStringLiteral("shortcutDescription"));
        row->addWidget(key);
        row->addSpacing(8);
        row->addWidget(description);
        row->addStretch();
        column->addLayout(row);
    }
    column->addStretch();
    return welcome;
}

EditorConfig EditorPane::currentConfig() const {
    const SettingsStore& settings = m_state.settings();
    EditorConfig config;
    config.editor = settings.editor();
    config.indentation = settings.indentation();
    config.typingAids = settings.typingAids();
    config.fontSize = m_state.fontSize();
    config.backgroundColor = toQColor(m_state.themeBackground());
    config.lineNumberColor = toQColor(m_state.themeLineNumber());
    config.lineNumberBgColor = withAlpha(toQColor(m_state.themeSidebar()), 0.3);
    config.cursorColor = toQColor(m_state.themeCursor());
    if (m_state.selectedFile())
        config.language = m_state.selectedFile()->language;
    config.theme = m_state.theme();
    if (const CustomTheme* custom = m_state.activeCustomTheme())
        config.customTheme = *custom;
    return config;
}

void EditorPane::showSelection() {
    const std::optional<FileItem>& file = m_state.selectedFile();
    if (!file) {
        m_fileId.reset();
        m_dirty = false;
        m_stack->setCurrentWidget(m_welcome);
        updateWelcomeColours();
        return;
    }
    m_stack->setCurrentWidget(m_editorPage);
    if (m_editor && m_fileId == file->id) {
        // The same file again: its text written back, or a new name. The
        // rest of what the pane shows follows its own signals, and the
        // keyboard stays where it is.
        m_fileName->setText(file->name);
        return;
    }
    if (!m_editor) {
        m_editor = new CodeTextEditor(currentConfig(), file->content, m_editorPage);
        auto* column = static_cast<QVBoxLayout*>(m_editorPage->layout());
        // Replaces the placeholder stretch between the two dividers.
        delete column->takeAt(2);
        column->insertWidget(2, m_editor, 1);
        connect(m_editor, &CodeTextEditor::edited, this, [this] {
            m_dirty = true;
            m_commitTimer.start();
            updateCounts();
        });
    } else {
        m_dirty = false;
        m_editor->setText(file->content);
    }
    m_fileId = file->id;
    // A file just created or chosen is there to be typed in.
    m_editor->textView()->setFocus();
    applyConfig();
}

void EditorPane::applyConfig() {
    updateWelcomeColours();
    if (!m_editor || !m_state.selectedFile())
        return;
    m_editor->applyConfig(currentConfig());
    updateHeader();
    updateStatus();
}

void EditorPane::updateHeader() {
    const FileItem& file = *m_state.selectedFile();
    const QColor text = toQColor(m_state.themeText());
    m_header->setStyleSheet(
        QStringLiteral("#editorHeader { background: %1; } #fontSizeGroup { background: %2; "
                       "border-radius: 6px; } QLabel { color: %3; }")
            .arg(css(toQColor(m_state.themeSidebar())),
                 css(withAlpha(toQColor(m_state.themeBackground()), 0.5)), css(text)));
    m_badge->setText(::badgeLabel(file.language));
    m_badge->setStyleSheet(QStringLiteral("background: %1; color: white; font-weight: bold; "
                                          "font-size: 9pt; border-radius: 4px; padding: 0 3px;")
                               .arg(css(badgeColor(file.language))));
    m_fileName->setText(file.name);
    QFont nameFont = m_fileName->font();
    nameFont.setPointSize(13);
    nameFont.setWeight(QFont::Medium);
    m_fileName->setFont(nameFont);
    m_fontSizeLabel->setText(QString::number(qRound(m_state.fontSize())));
    m_fontSizeLabel->setStyleSheet(QStringLiteral("color: %1;").arg(css(withAlpha(text, 0.6))));
}

void EditorPane::updateStatus() {
    if (!m_editor || !m_state.selectedFile())
        return;
    updateCounts();
    m_tabSize->setText(QStringLiteral("탭: %1칸").arg(m_state.settings().indentation().tabSize));
    const ProgrammingLanguage language = m_state.selectedFile()->language;
    m_languageDot->setStyleSheet(
        QStringLiteral("background: %1; border-radius: 4px;").arg(css(badgeColor(language))));
    m_languageName->setText(rawValue(language));
    const QColor text = withAlpha(toQColor(m_state.themeText()), 0.6);
    m_statusBar->setStyleSheet(QStringLiteral("#statusBar { background: %1; } QLabel { color: %2; "
                                              "font-size: 10pt; }")
                                   .arg(css(toQColor(m_state.themeBackground())), css(text)));
}

// Runs on every keystroke: two O(1) counts, no restyling.
void EditorPane::updateCounts() {
    const QTextDocument* document = m_editor->textView()->document();
    // A document has one block per line and one more character than its text.
    m_lineCount->setText(QStringLiteral("줄 ") + QString::number(document->blockCount()));
    m_charCount->setText(QStringLiteral("문자 ") + QString::number(document->characterCount() - 1));
}

void EditorPane::updateWelcomeColours() {
    // The welcome screen keeps the built-in theme's colours even while a
    // custom theme is in force.
    const EditorTheme theme = m_state.theme();
    m_welcome->setStyleSheet(
        QStringLiteral("#welcome { background: %1; } QLabel { color: %2; } "
                       "QPushButton { background: %3; border-radius: 10px; }")
            .arg(css(toQColor(builtInColor(theme, ThemeRole::background))),
                 css(toQColor(builtInColor(theme, ThemeRole::textColor))),
                 css(toQColor(builtInColor(theme, ThemeRole::sidebarBackground)))));
}

void EditorPane::commitEdits() {
    m_commitTimer.stop();
    if (!m_dirty || !m_editor)
        return;
    m_dirty = false;
    m_state.updateFileContent(m_editor->text());
}

void EditorPane::changeFontSize(double delta) {
    const double size = m_state.fontSize() + delta;
    m_state.setFontSize(delta < 0 ? std::max(size, minFontSize) : std::min(size, maxFontSize));
}

QStringList EditorPane::statusTexts() const {
    return {m_lineCount->text(), m_charCount->text(), m_tabSize->text(), m_encoding->text(),
            m_languageName->text()};
}
