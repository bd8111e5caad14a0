#include "ui/testpanel/stress_pane.h"

#include "runner/case_judge.h"
#include "runner/run_limits.h"
#include "runner/stress_session.h"
#include "ui/style/style.h"
#include "ui/testpanel/diff_view.h"
#include "workspace/settings_store.h"
#include "workspace/workspace.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString checkerRule = u"채점기"_s;

QComboBox* programPicker(const QString& name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setAccessibleName(name);
    combo->setToolTip(name);
    combo->setPlaceholderText(name + u" 선택"_s);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

void selectData(QComboBox* combo, const QUuid& id) {
    combo->setCurrentIndex(id.isNull() ? -1 : combo->findData(id));
}

} // namespace

StressPane::StressPane(Workspace& workspace, const SettingsStore& settings, QWidget* parent)
    : QWidget(parent), m_workspace(workspace), m_settings(settings) {
    setObjectName(u"stressPane"_s);
    setAttribute(Qt::WA_StyledBackground);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 8, 12, 8);

    auto* controls = new QHBoxLayout;
    m_generator = programPicker(u"생성기"_s, this);
    m_bruteForce = programPicker(u"브루트포스"_s, this);
    m_pattern = new QLineEdit(this);
    m_pattern->setAccessibleName(u"생성기 인자"_s);
    m_pattern->setPlaceholderText(u"생성기 인자 (예: 10 [1..100])"_s);
    m_pattern->setToolTip(u"시드 뒤에 넘길 인자. [최소..최대]는 라운드마다 새로 뽑습니다."_s);
    m_startStop = new QPushButton(this);
    m_startStop->setObjectName(u"stressButton"_s);
    controls->addWidget(m_generator);
    controls->addWidget(m_bruteForce);
    controls->addWidget(m_pattern, 1);
    controls->addWidget(m_startStop);
    column->addLayout(controls);

    m_guide = new QLabel(u"선택한 파일을 풀이로 삼아, 생성기가 만든 입력마다 브루트포스와 출력을 "
                         u"비교해 답이 달라지는 입력(반례)을 찾습니다.\n"
                         u"생성기는 첫 인자로 시드를 받아 입력을 표준 출력에 씁니다. 인자 칸의 "
                         u"[최소..최대]는 라운드마다 새로 뽑는 값입니다."_s,
                         this);
    m_guide->setObjectName(u"stressGuide"_s);
    m_guide->setWordWrap(true);
    column->addWidget(m_guide);
    m_progress = new QLabel(this);
    m_progress->setObjectName(u"stressProgress"_s);
    column->addWidget(m_progress);
    auto* headline = new QHBoxLayout;
    m_headline = new QLabel(this);
    m_headline->setObjectName(u"stressHeadline"_s);
    m_headline->setWordWrap(true);
    m_headline->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_addCase = new QPushButton(u"테스트로 추가"_s, this);
    headline->addWidget(m_headline, 1);
    headline->addWidget(m_addCase, 0, Qt::AlignTop);
    column->addLayout(headline);

    m_details = new QWidget(this);
    auto* details = new QHBoxLayout(m_details);
    details->setContentsMargins(0, 0, 0, 0);
    auto* inputColumn = new QVBoxLayout;
    auto* inputTitle = new QLabel(u"입력"_s, m_details);
    inputTitle->setObjectName(u"fieldTitle"_s);
    m_input = new QPlainTextEdit(m_details);
    m_input->setObjectName(u"caseEditor"_s);
    m_input->setAccessibleName(u"반례 입력"_s);
    m_input->setReadOnly(true);
    m_input->setLineWrapMode(QPlainTextEdit::NoWrap);
    inputTitle->setBuddy(m_input);
    inputColumn->addWidget(inputTitle);
    inputColumn->addWidget(m_input, 1);
    details->addLayout(inputColumn, 1);
    m_diff = new DiffView(u"브루트포스 출력"_s, u"풀이 출력"_s, m_details);
    m_diff->setExpandable(false);
    details->addWidget(m_diff, 2);
    column->addWidget(m_details, 1);
    column->addStretch();
    showHeadline({}, false);

    fillPrograms();
    setChoice(m_workspace.cases().stressChoice(m_workspace.selectedFileId().value_or(QUuid())));
    for (QComboBox* combo : {m_generator, m_bruteForce}) {
        connect(combo, &QComboBox::activated, this, [this] {
            refresh();
            emit choiceChanged(choice());
        });
    }
    connect(m_pattern, &QLineEdit::textEdited, this, [this] { emit choiceChanged(choice()); });
    // Each solution keeps what it was tested against, across restarts.
    connect(this, &StressPane::choiceChanged, this, [this](const StressChoice& choice) {
        if (const std::optional<QUuid>& solution = m_workspace.selectedFileId())
            m_workspace.cases().setStressChoice(*solution, choice);
    });
    connect(m_pattern, &QLineEdit::returnPressed, this, [this] {
        if (!isRunning())
            start();
    });
    connect(m_startStop, &QPushButton::clicked, this, [this] { isRunning() ? stop() : start(); });
    connect(m_addCase, &QPushButton::clicked, this, &StressPane::addAsTestCase);
    // The solution is the selected file: another one ends the test of this one.
    connect(&m_workspace, &Workspace::selectedFileChanged, this, [this](const QUuid& solution) {
        stop();
        setChoice(m_workspace.cases().stressChoice(solution));
    });
    for (auto signal : {&Workspace::fileAdded, &Workspace::fileRemoved, &Workspace::fileChanged}) {
        connect(&m_workspace, signal, this, [this] {
            fillPrograms();
            refresh();
        });
    }
}

// The session waits for its programs' end, so none outlives the window.
StressPane::~StressPane() {
    delete m_session;
}

StressChoice StressPane::choice() const {
    return {m_generator->currentData().toUuid(), m_bruteForce->currentData().toUuid(),
            m_pattern->text()};
}

void StressPane::setChoice(const StressChoice& choice) {
    selectData(m_generator, choice.generatorFileId);
    selectData(m_bruteForce, choice.bruteForceFileId);
    m_pattern->setText(choice.pattern);
    refresh();
}

// A file's text changes often and its name seldom, so the lists are built
// again only when the names differ.
void StressPane::fillPrograms() {
    QList<std::pair<QString, QUuid>> programs;
    for (const FileItem& file : m_workspace.files()) {
        if (isRunnable(file.language))
            programs.append({file.name, file.id});
    }
    if (programs == m_programs)
        return;
    m_programs = programs;
    for (QComboBox* combo : {m_generator, m_bruteForce}) {
        const QSignalBlocker blocker(combo);
        const QUuid chosen = combo->currentData().toUuid();
        combo->clear();
        for (const auto& [name, id] : programs)
            combo->addItem(name, id);
        selectData(combo, chosen);
    }
}

void StressPane::refresh() {
    const bool running = isRunning();
    const std::optional<QUuid>& selected = m_workspace.selectedFileId();
    const FileItem* solution = selected ? m_workspace.file(*selected) : nullptr;
    m_startStop->setText(running ? u"중지"_s : u"시작"_s);
    m_startStop->setEnabled(running || (solution && isRunnable(solution->language) &&
                                        m_generator->currentIndex() >= 0 &&
                                        m_bruteForce->currentIndex() >= 0));
    setSheetProperty(m_startStop, "running", running);
    for (QWidget* control : std::initializer_list<QWidget*>{m_generator, m_bruteForce, m_pattern})
        control->setEnabled(!running);
}

void StressPane::start() {
    const std::optional<QUuid>& selected = m_workspace.selectedFileId();
    const FileItem* solution = selected ? m_workspace.file(*selected) : nullptr;
    const FileItem* generator = m_workspace.file(m_generator->currentData().toUuid());
    const FileItem* bruteForce = m_workspace.file(m_bruteForce->currentData().toUuid());
    if (!solution || !generator || !bruteForce)
        return;
    QString error;
    const std::optional<StressPattern> pattern = StressPattern::parse(m_pattern->text(), &error);
    if (!pattern)
        return showHeadline(u"⚠️ 생성기 인자: "_s + error, true);
    const JudgeOptions judging =
        judgeOptionsFor(m_workspace.cases().judgeChoice(), m_workspace.files());
    if (judging.interactor)
        return showHeadline(
            u"⚠️ 인터랙터와 주고받는 문제는 스트레스 테스트를 할 수 없습니다"_s,
            true);

    // What the editors show, including the keystrokes of the last moment.
    const auto source = [this](const FileItem& file) {
        return StressSource{m_workspace.fileText(file.id), file.language, file.name};
    };
    StressSetup setup;
    setup.sources.solution = source(*solution);
    setup.sources.generator = source(*generator);
    setup.sources.bruteForce = source(*bruteForce);
    if (judging.checker) {
        setup.sources.checker = source(*judging.checker);
        setup.sources.checkerStyle = judging.style;
    }
    setup.pattern = *pattern;
    setup.comparison = judging.comparison;
    setup.limits =
        RunLimits::fromSettings(m_settings.execution(), m_workspace.cases().judgeChoice());
    m_ruleLabel = judging.checker ? checkerRule : judging.comparison.label();

    showHeadline({}, false);
    m_session = new StressSession(setup, this);
    connect(m_session, &StressSession::progressed, m_progress,
            [this](const StressProgress& progress) {
                m_progress->setText(stressProgressLine(progress));
            });
    connect(m_session, &StressSession::finished, this, &StressPane::showResult);
    m_session->start();
    m_guide->hide();
    refresh();
}

void StressPane::stop() {
    if (m_session)
        m_session->stop();
}

void StressPane::showHeadline(const QString& text, bool failed) {
    m_headline->setText(text);
    m_guide->setVisible(text.isEmpty() && m_progress->text().isEmpty());
    setSheetProperty(m_headline, "verdict", failed ? u"fail"_s : QString());
    m_details->hide();
    m_addCase->hide();
}

void StressPane::showResult(const StressResult& result) {
    m_session->deleteLater();
    m_session.clear();
    refresh();
    const StressRound& round = result.smallest;
    const QString call = (QStringList{QString::number(round.seed)} + round.arguments).join(u' ');
    switch (result.outcome) {
    case StressResult::Outcome::noDifference:
        return showHeadline(u"✅ 차이를 찾지 못했습니다"_s, false);
    case StressResult::Outcome::stopped:
        return showHeadline(u"⏹️ 중지됨"_s, false);
    case StressResult::Outcome::programFailed:
        // A program that did not compile failed before any round had a seed.
        showHeadline(u"⚠️ "_s + round.message +
                         (round.seed != 0 ? u"\n생성기 인자: "_s + call : QString()),
                     true);
        m_input->setPlainText(QString::fromUtf8(round.input));
        m_details->setVisible(!round.input.isEmpty());
        m_diff->hide();
        return;
    case StressResult::Outcome::counterexample:
        break;
    }
    QString headline =
        u"❌ 반례: "_s + stressFailureWords(round.failure) + u" (생성기 인자: "_s + call + u')';
    // A comparison's words are the diff's summary; a checker's are its own.
    if (round.failure != StressRound::Failure::wrongAnswer || m_ruleLabel == checkerRule)
        headline += u'\n' + round.message;
    if (result.found.input.size() != round.input.size()) {
        headline += u"\n처음 찾은 반례 "_s + QString::number(result.found.input.size()) +
                    u"바이트에서 "_s + QString::number(round.input.size()) + u"바이트로 줄임"_s;
    }
    showHeadline(headline, true);
    m_caseInput = round.input;
    m_caseAnswer = round.answer;
    m_input->setPlainText(QString::fromUtf8(round.input));
    m_diff->setOutputs(QString::fromUtf8(round.answer), QString::fromUtf8(round.output),
                       m_ruleLabel);
    m_diff->show();
    m_details->show();
    m_addCase->setEnabled(true);
    m_addCase->show();
}

void StressPane::addAsTestCase() {
    m_workspace.cases().addTestCase();
    TestCase added = m_workspace.cases().testCases().last();
    added.input = QString::fromUtf8(m_caseInput);
    added.expectedOutput = QString::fromUtf8(m_caseAnswer);
    m_workspace.cases().updateTestCase(added);
    // Once is enough: a second click would only add the same case again.
    m_addCase->setEnabled(false);
}
