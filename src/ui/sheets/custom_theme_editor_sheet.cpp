#include "ui/sheets/custom_theme_editor_sheet.h"

#include "themes/theme_selection.h"
#include "ui/accessibility.h"
#include "ui/sheets/color_field.h"
#include "ui/sheets/sheet_header.h"
#include "ui/sheets/theme_preview.h"
#include "ui/style/colors.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

struct FieldInfo {
    CodableColor CustomTheme::*member;
    const char* label;
    // Code is written in it, so it must read on the background.
    bool text = true;
};

// In the form's order; the first six are the window colours.
constexpr FieldInfo fieldInfos[] = {
    {&CustomTheme::background, "배경", false},
    {&CustomTheme::textColor, "텍스트"},
    {&CustomTheme::lineNumberColor, "줄 번호", false},
    {&CustomTheme::sidebarBackground, "사이드바 배경", false},
    {&CustomTheme::cursorColor, "커서", false},
    {&CustomTheme::currentLineHighlight, "현재 줄 강조", false},
    {&CustomTheme::syntaxKeyword, "키워드"},
    {&CustomTheme::syntaxString, "문자열"},
    {&CustomTheme::syntaxComment, "주석"},
    {&CustomTheme::syntaxFunction, "함수"},
    {&CustomTheme::syntaxType, "타입"},
    {&CustomTheme::syntaxNumber, "숫자"},
    {&CustomTheme::syntaxVariable, "변수"},
    {&CustomTheme::syntaxPreprocessor, "전처리기"},
};
constexpr int windowColourCount = 6;

// A new theme starts dark, close to the default built-in one.
CustomTheme startingTheme() {
    const auto c = [](double r, double g, double b) { return CodableColor{r, g, b, 1}; };
    CustomTheme theme;
    theme.background = c(0.10, 0.10, 0.12);
    theme.textColor = c(0.85, 0.85, 0.85);
    theme.lineNumberColor = c(0.40, 0.40, 0.45);
    theme.sidebarBackground = c(0.12, 0.12, 0.14);
    theme.cursorColor = c(1, 1, 1);
    theme.currentLineHighlight = c(0.15, 0.15, 0.18);
    theme.syntaxKeyword = c(0.77, 0.53, 0.75);
    theme.syntaxString = c(0.81, 0.57, 0.47);
    theme.syntaxComment = c(0.42, 0.60, 0.33);
    theme.syntaxFunction = c(0.86, 0.86, 0.67);
    theme.syntaxType = c(0.31, 0.79, 0.69);
    theme.syntaxNumber = c(0.71, 0.81, 0.66);
    theme.syntaxVariable = c(0.61, 0.86, 1.00);
    theme.syntaxPreprocessor = c(0.34, 0.61, 0.84);
    return theme;
}

// The labels of the text and highlighting colours that fall below the 4.5:1
// contrast of readable text on the theme's background.
QStringList hardToRead(const CustomTheme& theme) {
    QColor background = toQColor(theme.background.toRgba());
    background.setAlpha(255);
    QStringList labels;
    for (const FieldInfo& field : fieldInfos) {
        const QColor colour = toQColor((theme.*field.member).toRgba());
        if (field.text && contrastRatio(paintedOver(colour, background), background) < 4.5)
            labels.append(QString::fromUtf8(field.label));
    }
    return labels;
}

} // namespace

CustomThemeEditorSheet::CustomThemeEditorSheet(ThemeSelection& themes,
                                               const std::optional<CustomTheme>& theme,
                                               QWidget* parent)
    : QDialog(parent), m_themes(themes), m_edited(theme) {
    const QString title = theme ? QStringLiteral("테마 편집") : QStringLiteral("새 테마 만들기");
    setObjectName(QStringLiteral("customThemeEditor"));
    setWindowTitle(title);
    setAccessibleName(title);
    setWindowModality(Qt::WindowModal);
    resize(720, 560);

    auto* heading = new QLabel(title, this);
    heading->setObjectName(QStringLiteral("sheetTitle"));
    auto* cancel = new QPushButton(QStringLiteral("취소"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    m_save = new QPushButton(QStringLiteral("저장"), this);
    m_save->setObjectName(QStringLiteral("saveButton"));
    m_save->setProperty("primary", true);
    m_save->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_save, &QPushButton::clicked, this, &CustomThemeEditorSheet::save);
    auto* header = new QHBoxLayout;
    header->addWidget(heading);
    header->addStretch();
    header->addWidget(cancel);
    header->addWidget(m_save);

    m_preview = new ThemePreview(this);
    auto* previewColumn = new QVBoxLayout;
    previewColumn->addWidget(sectionHeading(QStringLiteral("미리보기"), this));
    previewColumn->addWidget(m_preview);
    m_contrastHint = new QLabel(this);
    m_contrastHint->setObjectName(QStringLiteral("contrastHint"));
    m_contrastHint->setWordWrap(true);
    m_contrastHint->setMaximumWidth(m_preview->sizeHint().width());
    previewColumn->addWidget(m_contrastHint);
    previewColumn->addStretch();

    auto* body = new QHBoxLayout;
    body->addWidget(buildForm(theme.value_or(startingTheme())), 1);
    body->addLayout(previewColumn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addLayout(header);
    layout->addLayout(body, 1);

    const auto refresh = [this] {
        m_save->setEnabled(!m_name->text().isEmpty());
        const CustomTheme shown = this->theme();
        m_preview->setTheme(shown);
        // A hint, not a rule: saving stays the person's choice.
        const QStringList poor = hardToRead(shown);
        m_contrastHint->setText(QStringLiteral("⚠️ 배경 위에서 읽기 어려운 색: ") +
                                poor.join(QStringLiteral(", ")));
        m_contrastHint->setVisible(!poor.isEmpty());
    };
    connect(m_name, &QLineEdit::textChanged, this, refresh);
    for (ColorField* field : m_fields)
        connect(field, &ColorField::colorChanged, this, refresh);
    refresh();
}

QWidget* CustomThemeEditorSheet::buildForm(const CustomTheme& start) {
    auto* form = new QWidget(this);
    auto* layout = new QVBoxLayout(form);
    layout->setContentsMargins(0, 0, 12, 0);
    layout->addWidget(sectionHeading(QStringLiteral("테마 이름"), form));
    m_name = new QLineEdit(start.name, form);
    m_name->setObjectName(QStringLiteral("themeNameField"));
    m_name->setAccessibleName(QStringLiteral("테마 이름"));
    layout->addWidget(m_name);

    QFormLayout* group = nullptr;
    for (int i = 0; i < int(std::size(fieldInfos)); ++i) {
        if (i == 0 || i == windowColourCount) {
            layout->addWidget(sectionHeading(
                i == 0 ? QStringLiteral("기본 색상") : QStringLiteral("구문 강조 색상"), form));
            group = new QFormLayout;
            layout->addLayout(group);
        }
        auto* field = new ColorField(QString::fromUtf8(fieldInfos[i].label), form);
        field->setColor(start.*fieldInfos[i].member);
        group->addRow(field);
        m_fields.append(field);
    }
    layout->addStretch();

    auto* scroll = new ScrollArea(this);
    scroll->setObjectName(QStringLiteral("themeForm"));
    scroll->setWidget(form);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    return scroll;
}

CustomTheme CustomThemeEditorSheet::theme() const {
    CustomTheme theme;
    theme.id = m_edited ? m_edited->id : QUuid();
    theme.name = m_name->text();
    for (qsizetype i = 0; i < m_fields.size(); ++i)
        theme.*fieldInfos[i].member = m_fields[i]->color();
    return theme;
}

void CustomThemeEditorSheet::save() {
    CustomTheme saved = theme();
    if (m_edited) {
        m_themes.updateCustomTheme(saved);
    } else {
        saved.id = QUuid::createUuid();
        m_themes.addCustomTheme(saved);
    }
    accept();
}

void CustomThemeEditorSheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_name->setFocus();
}
