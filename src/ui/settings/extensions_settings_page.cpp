#include "ui/settings/extensions_settings_page.h"

#include "library/snippets.h"
#include "ui/problem_receiving.h"
#include "ui/settings/page_parts.h"
#include "workspace/settings_store.h"

#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel* trigger(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("snippetTrigger"));
    return label;
}

QLabel* expansion(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("snippetCode"));
    return label;
}

constexpr SettingsGroup<ReceivingSettings> receivingGroup{
    &SettingsStore::receiving, &SettingsStore::setReceiving, &SettingsStore::receivingChanged};

} // namespace

ExtensionsSettingsPage::ExtensionsSettingsPage(SettingsStore& settings, ProblemReceiving* receiving,
                                               QWidget* parent)
    : QWidget(parent), m_settings(settings) {
    QVBoxLayout* column =
        pageColumn(this, QStringLiteral("확장 기능"),
                   QStringLiteral("코딩을 더 편하게 (또는 재밌게) 해주는 기능들이에요."));

    column->addWidget(settingToggle(QStringLiteral("코드 스니펫"), m_settings, typingAidGroup,
                                    &TypingAidSettings::snippetsEnabled, this));
    column->addWidget(caption(QStringLiteral("tab으로 사용"), this));
    column->addWidget(buildExamples());
    column->addWidget(snippetGroup(QStringLiteral("C++"), corvanta::cppSnippets()));
    column->addWidget(snippetGroup(QStringLiteral("Python"), corvanta::pythonSnippets()));
    column->addWidget(snippetGroup(QStringLiteral("Java"), corvanta::javaSnippets()));

    column->addWidget(divider(this));
    column->addWidget(settingToggle(QStringLiteral("랜덤 타이핑"), m_settings, typingAidGroup,
                                    &TypingAidSettings::typingRandomEnabled, this));
    column->addWidget(caption(QStringLiteral("asdfnljadsviohaofv"), this));
    QWidget* warning =
        symbolLine(QStringLiteral("exclamationmark.triangle.fill"),
                   QStringLiteral("asdfhisafcvjiolewnfjlkdaswejn,"), LineKind::warning, this);
    warning->setObjectName(QStringLiteral("randomTypingWarning"));
    warning->setVisible(m_settings.typingAids().typingRandomEnabled);
    connect(&m_settings, &SettingsStore::typingAidsChanged, warning,
            [warning](const TypingAidSettings& value) {
                warning->setVisible(value.typingRandomEnabled);
            });
    column->addWidget(warning);

    column->addWidget(divider(this));
    column->addWidget(buildReceiving(receiving));
    column->addStretch();
}

QWidget* ExtensionsSettingsPage::buildReceiving(ProblemReceiving* receiving) {
    auto* section = new QWidget(this);
    auto* column = new QVBoxLayout(section);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(settingToggle(QStringLiteral("브라우저에서 문제 받기"), m_settings,
                                    receivingGroup, &ReceivingSettings::receiving, section));
    column->addWidget(caption(QStringLiteral("브라우저 확장 프로그램의 버튼을 누르면 문제가 예제와 "
                                             "함께 새 파일로 열려요. 대회는 폴더 하나로 받아요."),
                              section));
    auto* port = new QSpinBox(section);
    port->setObjectName(QStringLiteral("receivingPort"));
    port->setAccessibleName(QStringLiteral("포트"));
    port->setRange(1, 65535);
    port->setValue(m_settings.receiving().port);
    // Only a finished number: listening on every digit typed would take
    // ports the user never meant.
    connect(port, &QSpinBox::editingFinished, this, [this, port] {
        changeSetting(m_settings, receivingGroup, &ReceivingSettings::port, port->value());
    });
    connect(&m_settings, &SettingsStore::receivingChanged, port,
            [port](const ReceivingSettings& value) {
                const QSignalBlocker quiet(port);
                port->setValue(value.port);
            });
    column->addLayout(labelledRow(QStringLiteral("포트"), port, section));
    column->addWidget(caption(QStringLiteral("4244가 아닌 포트는 확장 프로그램 설정의 "
                                             "Custom ports에 추가해야 해요."),
                              section));
    if (receiving) {
        auto* status = new QLabel(receiverStatusText(receiving->status()));
        connect(
            receiving, &ProblemReceiving::statusChanged, status,
            [status](const ReceiverStatus& value) { status->setText(receiverStatusText(value)); });
        column->addWidget(
            symbolLine(QStringLiteral("info.circle"), status, LineKind::info, section));
    }
    return section;
}

QWidget* ExtensionsSettingsPage::buildExamples() {
    static const std::pair<QString, QString> examples[] = {
        {QStringLiteral("fori"), QStringLiteral("for (int i = 0; i < n; i++) { }")},
        {QStringLiteral("fast"), QStringLiteral("ios::sync_with_stdio(false);...")},
        {QStringLiteral("veci"), QStringLiteral("vector<int> v(n);")},
        {QStringLiteral("mod"), QStringLiteral("const int MOD = 1e9 + 7;")},
        {QStringLiteral("pq"), QStringLiteral("priority_queue<int> pq;")},
    };
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("snippetExamples"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(12, 8, 12, 8);
    grid->setHorizontalSpacing(12);
    grid->addWidget(heading(QStringLiteral("사용 예시"), box), 0, 0, 1, 3);
    int row = 1;
    for (const auto& [word, code] : examples) {
        grid->addWidget(trigger(word, box), row, 0);
        grid->addWidget(caption(QStringLiteral("→"), box), row, 1);
        grid->addWidget(expansion(code, box), row, 2);
        ++row;
    }
    grid->addWidget(
        caption(QStringLiteral("더 많은 스니펫은 C++, Python, Java 언어별로 제공됩니다."), box),
        row, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* ExtensionsSettingsPage::snippetGroup(const QString& language,
                                              const QList<CodeSnippet>& table) {
    auto* group = new QWidget(this);
    auto* toggle = new QToolButton(group);
    toggle->setObjectName(QStringLiteral("snippetGroup"));
    toggle->setText(QStringLiteral("%1 스니펫 (%2개)").arg(language).arg(table.size()));
    toggle->setCheckable(true);
    toggle->setAutoRaise(true);
    toggle->setArrowType(Qt::RightArrow);
    toggle->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    auto* list = new QWidget(group);
    auto* rows = new QGridLayout(list);
    rows->setContentsMargins(24, 0, 0, 4);
    rows->setHorizontalSpacing(12);
    for (int i = 0; i < table.size(); ++i) {
        rows->addWidget(trigger(table[i].trigger, list), i, 0);
        rows->addWidget(caption(table[i].description, list), i, 1);
    }
    rows->setColumnStretch(1, 1);
    list->hide();
    connect(toggle, &QToolButton::toggled, list, [toggle, list](bool open) {
        toggle->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
        list->setVisible(open);
    });

    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(toggle);
    column->addWidget(list);
    return group;
}
