#include "ui/settings/execution_settings_page.h"

#include "ui/settings/page_parts.h"
#include "workspace/settings_store.h"

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

ExecutionSettingsPage::ExecutionSettingsPage(SettingsStore& settings, QWidget* parent)
    : QWidget(parent), m_settings(settings) {
    QVBoxLayout* column = pageColumn(this, QStringLiteral("실행 설정"));

    m_timeout = addPicker(QStringLiteral("timeoutPicker"), QStringLiteral("실행 타임아웃"),
                          {{QStringLiteral("3초"), 3},
                           {QStringLiteral("5초"), 5},
                           {QStringLiteral("10초"), 10},
                           {QStringLiteral("30초"), 30},
                           {QStringLiteral("제한 없음"), 0}},
                          &ExecutionSettings::executionTimeout);
    m_memory = addPicker(QStringLiteral("memoryPicker"), QStringLiteral("메모리 제한"),
                         {{QStringLiteral("128 MB"), 128},
                          {QStringLiteral("256 MB"), 256},
                          {QStringLiteral("512 MB"), 512},
                          {QStringLiteral("1024 MB"), 1024},
                          {QStringLiteral("제한 없음"), 0}},
                         &ExecutionSettings::memoryLimit);
    column->addLayout(labelledRow(QStringLiteral("실행 타임아웃"), m_timeout, this));
    m_noLimitWarning = symbolLine(QStringLiteral("exclamationmark.triangle.fill"),
                                  QStringLiteral("제한 없음 설정 시 무한 루프에 주의하세오!"),
                                  LineKind::warning, this);
    m_noLimitWarning->setObjectName(QStringLiteral("noLimitWarning"));
    column->addWidget(m_noLimitWarning);
    column->addLayout(labelledRow(QStringLiteral("메모리 제한"), m_memory, this));

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

    connect(&m_settings, &SettingsStore::executionChanged, this,
            &ExecutionSettingsPage::showLimits);
    showLimits();
}

QComboBox* ExecutionSettingsPage::addPicker(const QString& objectName, const QString& label,
                                            const QList<std::pair<QString, int>>& choices,
                                            int ExecutionSettings::*field) {
    auto* picker = new QComboBox(this);
    picker->setObjectName(objectName);
    picker->setAccessibleName(label);
    for (const auto& [text, value] : choices)
        picker->addItem(text, value);
    connect(picker, &QComboBox::activated, this, [this, picker, field](int index) {
        ExecutionSettings execution = m_settings.execution();
        execution.*field = picker->itemData(index).toInt();
        m_settings.setExecution(execution);
    });
    return picker;
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

void ExecutionSettingsPage::showLimits() {
    const ExecutionSettings& execution = m_settings.execution();
    m_timeout->setCurrentIndex(m_timeout->findData(execution.executionTimeout));
    m_memory->setCurrentIndex(m_memory->findData(execution.memoryLimit));
    m_noLimitWarning->setVisible(execution.executionTimeout == 0);
}
