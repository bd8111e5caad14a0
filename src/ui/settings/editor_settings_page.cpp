#include "ui/settings/editor_settings_page.h"

#include "editor/syntax_text_view.h"
#include "themes/theme_selection.h"
#include "ui/editor_config.h"
#include "ui/settings/font_candidates.h"
#include "ui/settings/page_parts.h"
#include "ui/settings/theme_grid.h"
#include "workspace/settings_store.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

namespace {

const QString previewText =
    QStringLiteral("int main() {\n    printf(\"Hello!\");\n    return 0;\n}");
constexpr int previewLines = 4;
constexpr int minProblemFontSize = 10;
constexpr int maxProblemFontSize = 24;

QString points(double size) {
    return QString::number(qRound(size)) + QStringLiteral("pt");
}

QSlider* sizeSlider(const QString& name, int minimum, int maximum, QWidget* parent) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setAccessibleName(name);
    slider->setRange(minimum, maximum);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setFixedWidth(150);
    return slider;
}

QLabel* sizeValue(QWidget* parent) {
    auto* value = new QLabel(parent);
    value->setObjectName(QStringLiteral("sizeValue"));
    value->setFixedWidth(40);
    return value;
}

} // namespace

EditorSettingsPage::EditorSettingsPage(SettingsStore& settings, ThemeSelection& themes,
                                       const QStringList& installedFamilies, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_themes(themes) {
    QVBoxLayout* column = pageColumn(this, QStringLiteral("에디터 설정"));
    column->addWidget(buildFontPicker(installedFamilies));
    column->addWidget(buildSizes());
    column->addWidget(heading(QStringLiteral("테마"), this));
    column->addWidget(new ThemeGrid(m_themes, this));
    column->addWidget(buildToggles());
    column->addWidget(buildPreview());
    column->addStretch();

    connect(&m_settings, &SettingsStore::editorChanged, this, &EditorSettingsPage::showFont);
    connect(&m_settings, &SettingsStore::editorChanged, this, &EditorSettingsPage::showSizes);
    connect(&m_settings, &SettingsStore::problemTabChanged, this, &EditorSettingsPage::showSizes);
    for (auto signal : {&ThemeSelection::themeChanged, &ThemeSelection::useCustomThemeChanged,
                        &ThemeSelection::selectedCustomThemeChanged})
        connect(&m_themes, signal, this, &EditorSettingsPage::updatePreview);
    showFont();
    showSizes();
}

QWidget* EditorSettingsPage::buildFontPicker(const QStringList& installedFamilies) {
    auto* box = new QWidget(this);
    m_font = new QComboBox(box);
    m_font->setObjectName(QStringLiteral("fontPicker"));
    m_font->setAccessibleName(QStringLiteral("폰트"));
    m_font->setFixedWidth(180);
    for (const QString& family : fontChoices(installedFamilies)) {
        m_font->addItem(family);
        QFont font(family, 12);
        font.setStyleHint(QFont::Monospace);
        m_font->setItemData(m_font->count() - 1, font, Qt::FontRole);
    }
    connect(m_font, &QComboBox::textActivated, this, [this](const QString& family) {
        changeSetting(m_settings, editorGroup, &EditorSettings::fontName, family);
    });
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(labelledRow(QStringLiteral("폰트"), m_font, box));
    column->addWidget(caption(QStringLiteral("몇몇 폰트를 선택하면 줄 번호가 맞지 않을 수 있어오 "
                                             "(고치려고 gpt한테도 물어보고 난리를 쳤는데 "
                                             "안되더라구요)"),
                              box));
    return box;
}

QWidget* EditorSettingsPage::buildSizes() {
    auto* box = new QWidget(this);
    m_fontSize = sizeSlider(QStringLiteral("폰트 크기"), int(minEditorFontSize),
                            int(maxEditorFontSize), box);
    m_fontSizeValue = sizeValue(box);
    m_problemFontSize =
        sizeSlider(QStringLiteral("백준탭 폰트"), minProblemFontSize, maxProblemFontSize, box);
    m_problemFontSizeValue = sizeValue(box);
    connect(m_fontSize, &QSlider::valueChanged, this, [this](int size) {
        changeSetting(m_settings, editorGroup, &EditorSettings::fontSize, double(size));
    });
    connect(m_problemFontSize, &QSlider::valueChanged, this,
            [this](int size) { m_settings.setProblemTab({.baekjoonFontSize = double(size)}); });

    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->addWidget(heading(QStringLiteral("폰트 크기"), box), 0, 0);
    grid->addWidget(m_fontSize, 0, 1);
    grid->addWidget(m_fontSizeValue, 0, 2);
    grid->addWidget(heading(QStringLiteral("백준탭 폰트"), box), 1, 0);
    grid->addWidget(m_problemFontSize, 1, 1);
    grid->addWidget(m_problemFontSizeValue, 1, 2);
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* EditorSettingsPage::buildToggles() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(heading(QStringLiteral("표시 옵션"), box));
    column->addWidget(settingToggle(QStringLiteral("줄 번호 표시"), m_settings, editorGroup,
                                    &EditorSettings::showLineNumbers, box));
    column->addWidget(settingToggle(QStringLiteral("현재 줄 강조"), m_settings, editorGroup,
                                    &EditorSettings::highlightCurrentLine, box));
    column->addWidget(settingToggle(QStringLiteral("자동 줄바꿈"), m_settings, editorGroup,
                                    &EditorSettings::wordWrap, box));
    column->addWidget(settingToggle(QStringLiteral("괄호 자동 완성"), m_settings, typingAidGroup,
                                    &TypingAidSettings::autoBracket, box));
    column->addWidget(caption(QStringLiteral("여는 괄호 입력 시 닫는 괄호 자동 추가"), box));
    return box;
}

QWidget* EditorSettingsPage::buildPreview() {
    auto* box = new QWidget(this);
    EditorConfig config = editorConfig(m_settings, m_themes, ProgrammingLanguage::c);
    config.editor.showLineNumbers = false;
    m_preview = new CodeTextEditor(config, previewText, box);
    m_preview->setObjectName(QStringLiteral("fontPreview"));
    m_preview->textView()->setReadOnly(true);
    m_preview->textView()->setAccessibleName(QStringLiteral("미리보기"));
    m_currentFont = new QLabel(box);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(heading(QStringLiteral("미리보기"), box));
    column->addWidget(m_preview);
    column->addWidget(symbolLine(QStringLiteral("textformat"), m_currentFont, LineKind::info, box));
    return box;
}

void EditorSettingsPage::showFont() {
    m_font->setCurrentIndex(m_font->findText(m_settings.editor().fontName));
    updatePreview();
}

void EditorSettingsPage::showSizes() {
    {
        const QSignalBlocker quiet(m_fontSize);
        m_fontSize->setValue(qRound(m_settings.editor().fontSize));
    }
    const double problemSize = m_settings.problemTab().baekjoonFontSize;
    {
        const QSignalBlocker quiet(m_problemFontSize);
        m_problemFontSize->setValue(qRound(problemSize));
    }
    m_fontSizeValue->setText(points(m_settings.editor().fontSize));
    m_problemFontSizeValue->setText(points(problemSize));
    updatePreview();
}

void EditorSettingsPage::updatePreview() {
    EditorConfig config = editorConfig(m_settings, m_themes, ProgrammingLanguage::c);
    config.editor.showLineNumbers = false;
    m_preview->applyConfig(config);
    const QFontMetrics metrics(m_preview->textView()->font());
    m_preview->setFixedHeight(previewLines * metrics.lineSpacing() + 16);
    m_currentFont->setText(QStringLiteral("현재 폰트: ") + config.editor.fontName +
                           QLatin1Char(' ') + points(m_settings.editor().fontSize));
}
