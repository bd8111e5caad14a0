#include "ui/testpanel/judge_bar.h"

#include "runner/checker.h"
#include "runner/comparison.h"
#include "workspace/workspace.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

// The kinds as the first combo lists them; the comparisons by their names.
const QString checkerKind = u"checker"_s;
const QString interactorKind = u"interactor"_s;

QString kindOf(const JudgeChoice& choice) {
    switch (choice.program) {
    case JudgeChoice::Program::checker:
        return checkerKind;
    case JudgeChoice::Program::interactor:
        return interactorKind;
    case JudgeChoice::Program::none:
        break;
    }
    return ComparisonMode::fromName(choice.comparison).value_or(ComparisonMode{}).kind ==
                   ComparisonMode::Kind::floating
               ? u"float"_s
               : choice.comparison;
}

QComboBox* picker(const QString& name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setAccessibleName(name);
    combo->setToolTip(name);
    combo->setFocusPolicy(Qt::TabFocus);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

} // namespace

JudgeBar::JudgeBar(Workspace& workspace, QWidget* parent)
    : QWidget(parent), m_workspace(workspace), m_cases(workspace.cases()) {
    setObjectName(u"judgeBar"_s);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);

    m_kind = picker(u"채점 방식"_s, this);
    for (const ComparisonMode::Kind kind :
         {ComparisonMode::Kind::exact, ComparisonMode::Kind::lines, ComparisonMode::Kind::tokens}) {
        const ComparisonMode mode{kind};
        m_kind->addItem(mode.label(), mode.name());
    }
    m_kind->addItem(u"실수 오차 허용"_s, u"float"_s);
    m_kind->addItem(u"채점기"_s, checkerKind);
    m_kind->addItem(u"인터랙터"_s, interactorKind);
    row->addWidget(m_kind);

    m_tolerance = new QLineEdit(this);
    m_tolerance->setAccessibleName(u"허용 오차"_s);
    m_tolerance->setToolTip(u"허용 오차 (절대 또는 상대)"_s);
    m_tolerance->setMaximumWidth(80);
    row->addWidget(m_tolerance);

    m_program = picker(u"채점 프로그램"_s, this);
    row->addWidget(m_program);
    m_style = picker(u"호출 규약"_s, this);
    for (const CheckerStyle style : {CheckerStyle::testlib, CheckerStyle::package})
        m_style->addItem(checkerStyleName(style), checkerStyleName(style));
    row->addWidget(m_style);
    m_limits = new QLabel(this);
    m_limits->setObjectName(u"problemLimits"_s);
    row->addWidget(m_limits);

    fillPrograms();
    showChoice();
    for (QComboBox* combo : {m_kind, m_program, m_style})
        connect(combo, &QComboBox::activated, this, &JudgeBar::choose);
    connect(m_tolerance, &QLineEdit::editingFinished, this, &JudgeBar::applyTolerance);
    connect(&m_cases, &CaseBook::judgeChoiceChanged, this, &JudgeBar::showChoice);
    for (auto signal : {&Workspace::fileAdded, &Workspace::fileRemoved, &Workspace::fileChanged}) {
        connect(&m_workspace, signal, this, [this] {
            if (fillPrograms())
                showChoice();
        });
    }
}

// The files that can run, by name; the checker and interactor kinds only
// when there is one. A file's text changes often and its name seldom, so the
// list is built again only when the names differ; true when it was.
bool JudgeBar::fillPrograms() {
    QList<std::pair<QString, QUuid>> programs;
    for (const FileItem& file : m_workspace.files()) {
        if (isRunnable(file.language))
            programs.append({file.name, file.id});
    }
    auto* kinds = qobject_cast<QStandardItemModel*>(m_kind->model());
    for (const QString& kind : {checkerKind, interactorKind}) {
        if (QStandardItem* item = kinds->item(m_kind->findData(kind)))
            item->setEnabled(!programs.isEmpty());
    }
    if (programs == m_programs && m_program->count() == programs.size())
        return false;
    m_programs = programs;
    const QSignalBlocker blocker(m_program);
    m_program->clear();
    for (const auto& [name, id] : programs)
        m_program->addItem(name, id);
    return true;
}

void JudgeBar::showChoice() {
    const JudgeChoice& choice = m_cases.judgeChoice();
    const QSignalBlocker kindBlocker(m_kind);
    const QSignalBlocker programBlocker(m_program);
    const QSignalBlocker styleBlocker(m_style);
    m_kind->setCurrentIndex(std::max(0, m_kind->findData(kindOf(choice))));
    const ComparisonMode mode =
        ComparisonMode::fromName(choice.comparison).value_or(ComparisonMode{});
    m_tolerance->setText(QString::number(mode.kind == ComparisonMode::Kind::floating
                                             ? mode.tolerance
                                             : ComparisonMode::defaultTolerance));
    m_program->setCurrentIndex(m_program->findData(choice.programFileId));
    m_style->setCurrentIndex(std::max(0, m_style->findData(choice.style)));

    const bool program = choice.program != JudgeChoice::Program::none;
    m_tolerance->setVisible(mode.kind == ComparisonMode::Kind::floating && !program);
    m_program->setVisible(program);
    m_style->setVisible(program);

    QStringList limits;
    if (choice.timeLimitMs > 0)
        limits << u"시간 "_s + QString::number(choice.timeLimitMs / 1000.0) + u"초"_s;
    if (choice.memoryLimitMb > 0)
        limits << u"메모리 "_s + QString::number(choice.memoryLimitMb) + u" MB"_s;
    m_limits->setText(limits.join(u" · "_s) + u", 문제 기준"_s);
    m_limits->setVisible(!limits.isEmpty());
}

void JudgeBar::choose() {
    const QString kind = m_kind->currentData().toString();
    JudgeChoice choice = m_cases.judgeChoice();
    if (kind == checkerKind || kind == interactorKind) {
        choice.program =
            kind == checkerKind ? JudgeChoice::Program::checker : JudgeChoice::Program::interactor;
        if (m_program->currentIndex() < 0)
            m_program->setCurrentIndex(0);
        choice.programFileId = m_program->currentData().toUuid();
        choice.style = m_style->currentData().toString();
    } else {
        choice.program = JudgeChoice::Program::none;
        choice.programFileId = {};
        choice.style = JudgeChoice().style;
        const std::optional<ComparisonMode> mode = ComparisonMode::fromName(
            kind == u"float"_s ? u"float:"_s + m_tolerance->text().trimmed() : kind);
        choice.comparison = mode.value_or(ComparisonMode{ComparisonMode::Kind::floating}).name();
    }
    m_cases.setJudgeChoice(choice);
    showChoice();
}

void JudgeBar::applyTolerance() {
    const std::optional<ComparisonMode> mode =
        ComparisonMode::fromName(u"float:"_s + m_tolerance->text().trimmed());
    if (!mode) {
        QToolTip::showText(m_tolerance->mapToGlobal(QPoint(0, m_tolerance->height())),
                           u"허용 오차는 0 이상의 수여야 합니다 (예: 1e-6)"_s, m_tolerance);
        showChoice();
        return;
    }
    JudgeChoice choice = m_cases.judgeChoice();
    choice.comparison = mode->name();
    m_cases.setJudgeChoice(choice);
}
