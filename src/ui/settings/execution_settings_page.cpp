#include "ui/settings/execution_settings_page.h"

#include "ui/settings/page_parts.h"
#include "workspace/app_state.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// Display text only: the runner's real command lines carry more flags.
struct CompilerRow {
    QString language;
    QString tool;
    QString options;
};

} // namespace

ExecutionSettingsPage::ExecutionSettingsPage(AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state) {
    QVBoxLayout* column = pageColumn(this, QStringLiteral("실행 설정"));

    m_timeout = new QComboBox(this);
    m_timeout->setObjectName(QStringLiteral("timeoutPicker"));
    m_timeout->setAccessibleName(QStringLiteral("실행 타임아웃"));
    for (int seconds : {3, 5, 10, 30})
        m_timeout->addItem(QStringLiteral("%1초").arg(seconds), seconds);
    m_timeout->addItem(QStringLiteral("제한 없음"), 0);
    connect(m_timeout, &QComboBox::activated, this, [this](int index) {
        m_state.settings().setExecution({.executionTimeout = m_timeout->itemData(index).toInt()});
    });
    column->addLayout(labelledRow(QStringLiteral("실행 타임아웃"), m_timeout, this));
    m_noLimitWarning = symbolLine(QStringLiteral("exclamationmark.triangle.fill"),
                                  QStringLiteral("제한 없음 설정 시 무한 루프에 주의하세오!"),
                                  LineKind::warning, this);
    m_noLimitWarning->setObjectName(QStringLiteral("noLimitWarning"));
    column->addWidget(m_noLimitWarning);

    column->addSpacing(6);
    column->addWidget(heading(QStringLiteral("컴파일러 정보"), this));
    column->addWidget(buildCompilerTable());
    column->addSpacing(6);
    column->addWidget(symbolLine(
        QStringLiteral("exclamationmark.triangle"),
        QStringLiteral("컴파일러가 설치되어 있어야 코드를 실행할 수 있습니다.\n"
                       "Debian에서는 sudo apt install gcc g++ python3 default-jdk mono-mcs "
                       "mono-runtime 으로 설치하라고 하네오."),
        LineKind::info, this));
    column->addStretch();

    connect(&m_state.settings(), &SettingsStore::executionChanged, this,
            &ExecutionSettingsPage::showTimeout);
    showTimeout();
}

QWidget* ExecutionSettingsPage::buildCompilerTable() {
    static const CompilerRow rows[] = {
        {QStringLiteral("C"), QStringLiteral("gcc"), QStringLiteral("-O2")},
        {QStringLiteral("C++"), QStringLiteral("g++"), QStringLiteral("-std=c++17 -O2")},
        {QStringLiteral("Python"), QStringLiteral("python3"), {}},
        {QStringLiteral("Java"), QStringLiteral("javac"), {}},
        {QStringLiteral("C#"), QStringLiteral("mcs (mono)"), {}},
    };
    auto* table = new QWidget(this);
    table->setObjectName(QStringLiteral("compilerTable"));
    auto* grid = new QGridLayout(table);
    grid->setContentsMargins(12, 8, 12, 8);
    grid->setHorizontalSpacing(24);
    int row = 0;
    for (const CompilerRow& compiler : rows) {
        auto* language = new QLabel(compiler.language, table);
        language->setObjectName(QStringLiteral("compilerLanguage"));
        auto* tool = new QLabel(compiler.tool, table);
        tool->setObjectName(QStringLiteral("compilerTool"));
        auto* options = new QLabel(compiler.options, table);
        options->setObjectName(QStringLiteral("compilerOptions"));
        grid->addWidget(language, row, 0);
        grid->addWidget(tool, row, 1);
        grid->addWidget(options, row, 2);
        ++row;
    }
    grid->setColumnStretch(2, 1);
    return table;
}

void ExecutionSettingsPage::showTimeout() {
    const int seconds = m_state.settings().execution().executionTimeout;
    m_timeout->setCurrentIndex(m_timeout->findData(seconds));
    m_noLimitWarning->setVisible(seconds == 0);
}
