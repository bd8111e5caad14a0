#include "ui/settings/template_settings_page.h"

#include "editor/code_font.h"
#include "library/starter_code.h"
#include "ui/settings/page_parts.h"
#include "ui/settings/segmented_control.h"
#include "workspace/settings_store.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TemplateSettingsPage::TemplateSettingsPage(SettingsStore& settings, QWidget* parent)
    : QWidget(parent), m_settings(settings) {
    QVBoxLayout* column =
        pageColumn(this, QStringLiteral("기본 템플릿 설정"),
                   QStringLiteral("새 파일 생성 시 자동으로 삽입되는 코드입니다."));

    m_languages = new SegmentedControl(QStringLiteral("언어"), this);
    for (ProgrammingLanguage language : allLanguages())
        m_languages->addSegment(rawValue(language), int(language));
    connect(m_languages, &SegmentedControl::valueChosen, this,
            [this](int language) { chooseLanguage(ProgrammingLanguage(language)); });
    column->addLayout(labelledRow(QStringLiteral("언어"), m_languages, this));

    m_heading = heading(QString(), this);
    m_editor = new QPlainTextEdit(this);
    m_editor->setObjectName(QStringLiteral("templateEditor"));
    m_editor->setFont(fixedPitchFont());
    m_editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_editor->setMinimumHeight(220);
    connect(m_editor, &QPlainTextEdit::textChanged, this, &TemplateSettingsPage::storeEdit);
    m_noTemplate = caption(QStringLiteral("텍스트 파일은 템플릿이 없습니다."), this);
    column->addWidget(m_heading);
    column->addWidget(m_editor);
    column->addWidget(m_noTemplate);

    m_reset = new QPushButton(QStringLiteral("기본값으로 초기화"), this);
    m_reset->setObjectName(QStringLiteral("resetTemplateButton"));
    m_reset->setAutoDefault(false);
    connect(m_reset, &QPushButton::clicked, this, &TemplateSettingsPage::resetToDefault);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_reset);
    column->addLayout(buttons);
    column->addStretch();

    connect(&m_settings, &SettingsStore::templatesChanged, this,
            &TemplateSettingsPage::showTemplate);
    chooseLanguage(m_language);
}

void TemplateSettingsPage::chooseLanguage(ProgrammingLanguage language) {
    m_language = language;
    m_languages->setValue(int(language));
    const bool hasTemplate = !templateKey(language).isEmpty();
    m_heading->setText(rawValue(language) + QStringLiteral(" 템플릿"));
    m_editor->setAccessibleName(m_heading->text());
    m_heading->setVisible(hasTemplate);
    m_editor->setVisible(hasTemplate);
    m_noTemplate->setVisible(!hasTemplate);
    m_reset->setEnabled(hasTemplate);
    showTemplate();
}

void TemplateSettingsPage::showTemplate() {
    const QString text = m_settings.templates().text(m_language);
    // Rewriting the same text would move the caret to the start mid-typing.
    if (m_editor->toPlainText() == text)
        return;
    const QSignalBlocker quiet(m_editor);
    m_editor->setPlainText(text);
}

void TemplateSettingsPage::storeEdit() {
    TemplateSettings templates = m_settings.templates();
    templates.setText(m_language, m_editor->toPlainText());
    m_settings.setTemplates(templates);
}

void TemplateSettingsPage::resetToDefault() {
    TemplateSettings templates = m_settings.templates();
    templates.setText(m_language, corvanta::resetTemplate(m_language));
    m_settings.setTemplates(templates);
}
