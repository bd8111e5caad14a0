#include "ui/problem/problem_tab.h"

#include "problems/problem_session.h"
#include "ui/accessibility.h"
#include "ui/icons.h"
#include "ui/problem/problem_detail_view.h"
#include "ui/problem/tier_picker.h"
#include "ui/style/problem_sheet.h"
#include "workspace/case_book.h"
#include "workspace/settings_store.h"

#include <QFrame>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

constexpr int iconSize = 40;
constexpr int undoOfferMs = 8000;

QLabel* label(const QString& text, const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// A large icon centred above lines of text: the empty state and the error state.
QWidget* messagePage(const QString& symbol, double iconOpacity,
                     std::initializer_list<QLabel*> lines, QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->addStretch();
    auto* icon = new QLabel(page);
    icon->setPixmap(symbolIcon(symbol).pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignCenter);
    if (iconOpacity < 1) {
        auto* effect = new QGraphicsOpacityEffect(icon);
        effect->setOpacity(iconOpacity);
        icon->setGraphicsEffect(effect);
    }
    layout->addWidget(icon);
    layout->addSpacing(8);
    for (QLabel* line : lines) {
        line->setParent(page);
        line->setWordWrap(true);
        layout->addWidget(line);
    }
    layout->addStretch();
    return page;
}

QPushButton* button(const QString& text, const QString& objectName, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

ProblemTab::ProblemTab(CaseBook& cases, const SettingsStore& settings, ProblemSession& session,
                       QWidget* parent)
    : QWidget(parent), m_cases(cases), m_settings(settings), m_session(session),
      m_cooldownTimer(this) {
    setObjectName(QStringLiteral("problemTab"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(12, 10, 12, 10);
    bar->setSpacing(8);
    QLabel* numberLabel =
        label(QStringLiteral("문제 번호"), QStringLiteral("problemNumberLabel"), this);
    bar->addWidget(numberLabel);
    m_number = new QLineEdit(this);
    m_number->setObjectName(QStringLiteral("problemNumber"));
    m_number->setPlaceholderText(QStringLiteral("예: 1000"));
    m_number->setAccessibleName(numberLabel->text());
    m_number->setFixedWidth(100);
    numberLabel->setBuddy(m_number);
    bar->addWidget(m_number);
    m_search = button(QString(), QStringLiteral("searchButton"), this);
    m_search->setAccessibleName(QStringLiteral("검색"));
    bar->addWidget(m_search);
    m_random = button(QStringLiteral("난이도별 추천"), QStringLiteral("randomButton"), this);
    bar->addWidget(m_random);
    m_chip = label(QString(), QStringLiteral("problemChip"), this);
    bar->addWidget(m_chip);
    m_apply = button(QStringLiteral("테스트케이스 적용"), QStringLiteral("applyTestCases"), this);
    m_apply->setIcon(symbolIcon(QStringLiteral("arrow.down.doc")));
    bar->addWidget(m_apply);
    m_undo = button(QStringLiteral("되돌리기"), QStringLiteral("undoApply"), this);
    m_undo->setIcon(symbolIcon(QStringLiteral("arrow.uturn.backward")));
    m_undo->hide();
    bar->addWidget(m_undo);
    bar->addStretch();
    layout->addLayout(bar);

    auto* divider = new QFrame(this);
    divider->setObjectName(QStringLiteral("divider"));
    layout->addWidget(divider);

    m_content = new QStackedWidget(this);
    m_empty = messagePage(
        QStringLiteral("globe"), 0.3,
        {label(QStringLiteral("백준 문제 번호를 입력하세요"), QStringLiteral("emptyTitle"),
               nullptr),
         label(QStringLiteral("예: 1000, 1001, 2557..."), QStringLiteral("emptyHint"), nullptr)},
        m_content);
    m_errorText = label(QString(), QStringLiteral("problemMessage"), nullptr);
    m_error = messagePage(QStringLiteral("exclamationmark.triangle"), 1, {m_errorText}, m_content);
    auto* scroll = new ScrollArea(m_content);
    scroll->setObjectName(QStringLiteral("problemScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    m_detail = new ProblemDetailView(scroll);
    scroll->setWidget(m_detail);
    m_problem = scroll;
    for (QWidget* page : {m_empty, m_error, static_cast<QWidget*>(m_problem)})
        m_content->addWidget(page);
    layout->addWidget(m_content, 1);

    m_picker = new TierPicker(this);

    connect(m_number, &QLineEdit::returnPressed, this, &ProblemTab::searchProblem);
    connect(m_number, &QLineEdit::textChanged, this, &ProblemTab::refresh);
    connect(m_search, &QPushButton::clicked, this, &ProblemTab::searchProblem);
    connect(m_random, &QPushButton::clicked, this, &ProblemTab::toggleTierPicker);
    connect(m_picker, &TierPicker::tierSelected, this, &ProblemTab::selectRandomTier);
    connect(m_apply, &QPushButton::clicked, this, &ProblemTab::applySamples);
    m_undoTimer.setSingleShot(true);
    m_undoTimer.setInterval(undoOfferMs);
    connect(&m_undoTimer, &QTimer::timeout, this, [this] {
        m_undo->hide();
        m_replaced = {};
    });
    connect(m_undo, &QPushButton::clicked, this, [this] {
        m_undoTimer.stop();
        m_undo->hide();
        if (m_replaced.file)
            m_cases.setOwnList(*m_replaced.file, m_replaced.own);
        else
            m_cases.setSharedList(m_replaced.shared);
    });
    connect(&m_session, &ProblemSession::problemChanged, this, &ProblemTab::showProblem);
    connect(&m_settings, &SettingsStore::problemTabChanged, this, &ProblemTab::showProblem);

    m_cooldownTimer.setObjectName(QStringLiteral("cooldownTimer"));
    m_cooldownTimer.setInterval(1000);
    connect(&m_cooldownTimer, &QTimer::timeout, this, &ProblemTab::updateCooldown);
    m_cooldownTimer.start();

    showProblem();
    updateCooldown();
}

void ProblemTab::setClock(std::function<QDateTime()> now) {
    m_now = std::move(now);
    updateCooldown();
}

void ProblemTab::searchProblem() {
    const QString number = m_number->text();
    // Counted afresh: the shown count may be a tick old.
    if (number.isEmpty() || m_isLoading || m_session.remainingCooldown(m_now()) >= 1)
        return;
    m_isLoading = true;
    m_errorMessage.reset();
    refresh();
    // The session's crawler outlives the tab; an answer for a closed tab is dropped.
    m_session.crawler().fetchProblem(
        number, [tab = QPointer<ProblemTab>(this)](const ProblemResult& result) {
            if (tab)
                tab->finishFetch(result);
        });
}

void ProblemTab::finishFetch(const ProblemResult& result) {
    m_isLoading = false;
    if (const auto* error = std::get_if<CrawlerError>(&result))
        m_errorMessage = QStringLiteral("문제를 불러올 수 없습니다.\n") + error->errorDescription();
    else
        m_errorMessage.reset();
    m_session.recordFetch(result, m_now());
    // At once, not at the next tick, so the search button never offers a
    // fetch the cooldown forbids.
    updateCooldown();
}

void ProblemTab::selectRandomTier(SolvedTier tier) {
    m_isLoadingRandom = true;
    m_errorMessage.reset();
    m_session.crawler().fetchRandomProblem(
        tier, [tab = QPointer<ProblemTab>(this)](const RandomProblemResult& result) {
            if (tab)
                tab->finishRandom(result);
        });
    m_picker->close();
    refresh();
}

void ProblemTab::finishRandom(const RandomProblemResult& result) {
    m_isLoadingRandom = false;
    if (const auto* error = std::get_if<CrawlerError>(&result)) {
        m_errorMessage =
            QStringLiteral("랜덤 문제를 불러올 수 없습니다.\n") + error->errorDescription();
        refresh();
        return;
    }
    m_number->setText(std::get<QString>(result));
    refresh();
    searchProblem();
}

void ProblemTab::updateCooldown() {
    m_remainingCooldown = m_session.remainingCooldown(m_now());
    m_picker->setRemainingCooldown(m_remainingCooldown);
    refresh();
}

void ProblemTab::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    updateCooldown();
}

// Cases the person wrote are not lost to a click: only a list with
// something in it is worth bringing back.
void ProblemTab::applySamples() {
    const QList<TestCase> before = m_cases.testCases();
    const std::optional<QUuid> file = m_cases.activeFile();
    const CaseList* own = file ? m_cases.ownList(*file) : nullptr;
    Replaced replaced{file, own ? std::optional<CaseList>(*own) : std::nullopt,
                      m_cases.sharedList()};
    m_session.applyTestCases();
    const bool written = std::any_of(before.begin(), before.end(), [](const TestCase& testCase) {
        return !testCase.input.isEmpty() || !testCase.expectedOutput.isEmpty();
    });
    if (!written || before == m_cases.testCases())
        return;
    m_replaced = std::move(replaced);
    m_undo->show();
    m_undoTimer.start();
}

void ProblemTab::toggleTierPicker() {
    if (m_picker->isVisible())
        m_picker->close();
    else
        m_picker->popUp(m_random);
}

void ProblemTab::showProblem() {
    const std::optional<CachedBaekjoonProblem>& problem = m_session.problem();
    if (problem) {
        m_detail->showProblem(*problem,
                              {QUrl(m_session.crawler().problemPageLink(problem->number)),
                               QUrl(m_session.crawler().testCaseSiteLink(problem->number))},
                              m_settings.problemTab().baekjoonFontSize);
        // A new problem opens at its number and title, not where the last one was left.
        if (problem->number != m_shownNumber)
            m_problem->verticalScrollBar()->setValue(0);
        m_shownNumber = problem->number;
    }
    refresh();
}

void ProblemTab::refresh() {
    const bool coolingDown = m_remainingCooldown > 0;
    // As wide as its widest text, so the row does not shift as the seconds count down.
    int widest = 0;
    for (const QString& text :
         {QStringLiteral("검색 중..."), QStringLiteral("88초"), QStringLiteral("검색")}) {
        m_search->setText(text);
        widest = std::max(widest, m_search->sizeHint().width());
    }
    m_search->setMinimumWidth(widest);
    if (m_isLoading)
        m_search->setText(QStringLiteral("검색 중..."));
    else if (coolingDown)
        m_search->setText(QString::number(m_remainingCooldown) + QStringLiteral("초"));
    else
        m_search->setText(QStringLiteral("검색"));
    m_search->setIcon(
        symbolIcon(m_isLoading ? QStringLiteral("hourglass") : QStringLiteral("magnifyingglass")));
    m_search->setAccessibleDescription(m_search->text());
    m_search->setEnabled(!m_isLoading && !coolingDown && !m_number->text().isEmpty());
    setBusy(m_search, m_isLoading || coolingDown);

    m_random->setIcon(
        symbolIcon(m_isLoadingRandom ? QStringLiteral("hourglass") : QStringLiteral("dice")));
    m_random->setEnabled(!m_isLoadingRandom);
    setBusy(m_random, m_isLoadingRandom);

    const std::optional<CachedBaekjoonProblem>& problem = m_session.problem();
    m_chip->setVisible(problem.has_value());
    m_apply->setVisible(problem.has_value());
    if (problem)
        m_chip->setText(u'#' + problem->number);

    m_errorText->setText(m_errorMessage.value_or(QString()));
    m_content->setCurrentWidget(m_errorMessage ? m_error : problem ? m_problem : m_empty);
}
