#include "ui/testpanel/test_cases_view.h"

#include "ui/icons.h"
#include "ui/testpanel/test_case_card.h"
#include "workspace/app_state.h"

#include <QAbstractItemModel>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QPushButton* barButton(const QString& objectName, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TestCasesView::TestCasesView(AppState& state, QAbstractItemModel& model, QWidget* parent)
    : QWidget(parent), m_state(state), m_model(model) {
    setObjectName(QStringLiteral("testCasesView"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("testCaseList"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setAccessibleName(QStringLiteral("테스트 케이스 목록"));
    auto* content = new QWidget(m_scroll);
    content->setObjectName(QStringLiteral("testCaseListContent"));
    m_column = new QVBoxLayout(content);
    m_column->setContentsMargins(12, 12, 12, 12);
    m_column->setSpacing(10);
    m_column->addStretch();
    m_scroll->setWidget(content);
    column->addWidget(m_scroll, 1);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("divider"));
    line->setFrameShape(QFrame::HLine);
    line->setFixedHeight(1);
    column->addWidget(line);
    column->addWidget(buildBottomBar());

    connect(&m_model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { insertCards(first, last); });
    connect(&m_model, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) { removeCards(first, last); });
    connect(&m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) {
                refreshCards(from.row(), to.row());
            });
    connect(&m_model, &QAbstractItemModel::modelReset, this, &TestCasesView::rebuild);
    rebuild();
}

QWidget* TestCasesView::buildBottomBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("testCaseBar"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(12, 8, 12, 8);
    auto* add = barButton(QStringLiteral("addTestCase"), QStringLiteral("테스트 추가"), bar);
    add->setIcon(symbolIcon(QStringLiteral("plus.circle.fill")));
    auto* clear = barButton(QStringLiteral("clearResults"), QStringLiteral("결과 초기화"), bar);
    auto* removeAll = barButton(QStringLiteral("deleteAllCases"), QStringLiteral("모두 삭제"), bar);
    row->addWidget(add);
    row->addStretch();
    row->addWidget(clear);
    row->addWidget(removeAll);
    connect(add, &QPushButton::clicked, &m_state, &AppState::addTestCase);
    connect(clear, &QPushButton::clicked, &m_state, &AppState::clearTestResults);
    // Never leaves the list empty: there is always a case to type into.
    connect(removeAll, &QPushButton::clicked, this, [this] { m_state.setTestCases({TestCase{}}); });
    return bar;
}

void TestCasesView::insertCards(int first, int last) {
    for (int row = first; row <= last; ++row) {
        auto* card = new TestCaseCard(m_model, row, m_column->parentWidget());
        connect(card, &TestCaseCard::duplicateRequested, this, [this](const QUuid& id) {
            if (const TestCase* testCase = m_state.testCase(id))
                m_state.duplicateTestCase(*testCase);
        });
        connect(card, &TestCaseCard::deleteRequested, this, [this](const QUuid& id) {
            if (const TestCase* testCase = m_state.testCase(id))
                m_state.deleteTestCase(*testCase);
        });
        m_cards.insert(row, card);
        m_column->insertWidget(row, card);
    }
    renumberFrom(last + 1);
}

void TestCasesView::removeCards(int first, int last) {
    for (int row = last; row >= first; --row)
        discard(m_cards.takeAt(row));
    renumberFrom(first);
}

void TestCasesView::refreshCards(int first, int last) {
    for (int row = first; row <= last && row < m_cards.size(); ++row)
        m_cards[row]->refresh();
}

void TestCasesView::rebuild() {
    for (TestCaseCard* card : std::as_const(m_cards))
        discard(card);
    m_cards.clear();
    if (m_model.rowCount() > 0)
        insertCards(0, m_model.rowCount() - 1);
}

// Later, not now: the card's own delete button may be what asked for it.
void TestCasesView::discard(TestCaseCard* card) {
    m_column->removeWidget(card);
    card->hide();
    card->deleteLater();
}

void TestCasesView::renumberFrom(int row) {
    for (; row < m_cards.size(); ++row)
        m_cards[row]->setRow(row);
}
