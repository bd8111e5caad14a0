#include "ui/settings/indentation_settings_page.h"

#include "editor/code_font.h"
#include "ui/settings/page_parts.h"
#include "ui/settings/segmented_control.h"
#include "workspace/settings_store.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <iterator>
#include <utility>

namespace {

// Each line with its nesting depth.
const std::pair<int, QString> sampleLines[] = {
    {0, QStringLiteral("for (int i = 0; i < n; i++) {")},
    {1, QStringLiteral("if (arr[i] > 0) {")},
    {2, QStringLiteral("sum += arr[i];")},
    {1, QStringLiteral("}")},
    {0, QStringLiteral("}")},
};

} // namespace

IndentationSettingsPage::IndentationSettingsPage(SettingsStore& settings, QWidget* parent)
    : QWidget(parent), m_settings(settings) {
    QVBoxLayout* column = pageColumn(this, QStringLiteral("들여쓰기 설정"));

    m_tabSize = new SegmentedControl(QStringLiteral("탭 크기"), this);
    for (int size : {2, 4, 8})
        m_tabSize->addSegment(QStringLiteral("%1칸").arg(size), size);
    m_tabSize->setFixedWidth(180);
    connect(m_tabSize, &SegmentedControl::valueChosen, this, [this](int size) {
        changeSetting(m_settings, indentationGroup, &IndentationSettings::tabSize, size);
    });
    column->addLayout(labelledRow(QStringLiteral("탭 크기"), m_tabSize, this));

    column->addWidget(settingToggle(QStringLiteral("탭을 공백으로 변환"), m_settings,
                                    indentationGroup, &IndentationSettings::useSpacesForTab, this));
    column->addWidget(caption(QStringLiteral("탭 키를 누르면 공백 문자로 변환됩니다"), this));
    column->addWidget(settingToggle(QStringLiteral("자동 들여쓰기"), m_settings, indentationGroup,
                                    &IndentationSettings::autoIndent, this));
    column->addWidget(
        caption(QStringLiteral("엔터 입력 시 이전 줄의 들여쓰기를 유지합니다"), this));

    column->addWidget(heading(QStringLiteral("미리보기"), this));
    m_preview = new QPlainTextEdit(this);
    m_preview->setObjectName(QStringLiteral("indentationPreview"));
    m_preview->setAccessibleName(QStringLiteral("미리보기"));
    m_preview->setReadOnly(true);
    m_preview->setFont(fixedPitchFont());
    m_preview->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_preview->setFixedHeight(int(std::size(sampleLines)) * m_preview->fontMetrics().lineSpacing() +
                              16);
    column->addWidget(m_preview);

    m_summary = new QLabel(this);
    column->addWidget(symbolLine(QStringLiteral("info.circle"), m_summary, LineKind::info, this));
    column->addStretch();

    connect(&m_settings, &SettingsStore::indentationChanged, this,
            &IndentationSettingsPage::showIndentation);
    showIndentation();
}

void IndentationSettingsPage::showIndentation() {
    const IndentationSettings indentation = m_settings.indentation();
    m_tabSize->setValue(indentation.tabSize);

    const QString unit = indentation.useSpacesForTab
                             ? QString(indentation.tabSize, QLatin1Char(' '))
                             : QStringLiteral("\t");
    QStringList lines;
    for (const auto& [depth, text] : sampleLines)
        lines.append(unit.repeated(depth) + text);
    m_preview->setPlainText(lines.join(QLatin1Char('\n')));
    // A tab character is drawn as wide as the chosen number of spaces.
    m_preview->setTabStopDistance(indentation.tabSize *
                                  m_preview->fontMetrics().horizontalAdvance(QLatin1Char(' ')));

    m_summary->setText(QStringLiteral("탭 크기: %1칸 | %2")
                           .arg(indentation.tabSize)
                           .arg(indentation.useSpacesForTab ? QStringLiteral("공백 사용")
                                                            : QStringLiteral("탭 문자 사용")));
}
