#include "ui/testpanel/cases_view.h"

#include "ui/accessibility.h"
#include "ui/icons.h"
#include "ui/testpanel/case_card.h"
#include "workspace/case_book.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

QPushButton* barButton(const QString& objectName, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

CasesView::CasesView(CaseBook& cases, QAbstractItemModel& model, QWidget* parent)
    : QWidget(parent), m_cases(cases), m_model(model) {
    setObjectName(QStringLiteral("testCasesView"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    m_scroll = new ScrollArea(this);
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
    connect(&m_model, &QAbstractItemModel::modelReset, this, &CasesView::rebuild);
    connect(m_scroll->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &CasesView::buildCardsInView);
    connect(m_scroll->verticalScrollBar(), &QScrollBar::rangeChanged, this,
            &CasesView::buildCardsInView);
    m_scroll->viewport()->installEventFilter(this);
    rebuild();
}

QWidget* CasesView::buildBottomBar() {
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
    connect(add, &QPushButton::clicked, this, [this] {
        m_reveal = Reveal::scrollAndType;
        m_cases.addTestCase();
        m_reveal = Reveal::none;
    });
    connect(clear, &QPushButton::clicked, &m_cases, &CaseBook::clearTestResults);
    // Never leaves the list empty: there is always a case to type into.
    connect(removeAll, &QPushButton::clicked, this, [this] {
        m_cases.setTestCases({TestCase{}});
        // Cases typed anew are no judge problem's.
        JudgeChoice choice = m_cases.judgeChoice();
        choice.timeLimitMs = choice.memoryLimitMb = 0;
        m_cases.setJudgeChoice(choice);
    });
    return bar;
}

void CasesView::insertCards(int first, int last) {
    for (int row = first; row <= last; ++row) {
        m_cards.insert(row, nullptr);
        if (m_placeholderHeight == 0) {
            m_column->insertSpacing(row, 0);
            buildCard(row);
        } else {
            // A box layout puts no spacing beside a spacer: it holds its own.
            m_column->insertSpacing(row, m_placeholderHeight + m_column->spacing());
        }
    }
    renumberFrom(last + 1);
    buildCardsInView();
    if (m_reveal != Reveal::none)
        reveal(last, m_reveal);
}

void CasesView::removeCards(int first, int last) {
    for (int row = last; row >= first; --row) {
        // Later, not now: the card's own delete button may be what asked for it.
        if (CaseCard* card = m_cards.takeAt(row)) {
            card->hide();
            card->deleteLater();
        }
        delete m_column->takeAt(row);
    }
    renumberFrom(first);
    buildCardsInView();
}

void CasesView::refreshCards(int first, int last) {
    for (int row = first; row <= last && row < m_cards.size(); ++row) {
        if (m_cards[row])
            m_cards[row]->refresh();
    }
}

void CasesView::rebuild() {
    if (!m_cards.isEmpty())
        removeCards(0, int(m_cards.size()) - 1);
    if (m_model.rowCount() > 0)
        insertCards(0, m_model.rowCount() - 1);
}

CaseCard* CasesView::card(int row) {
    if (!m_cards.at(row))
        buildCard(row);
    return m_cards.at(row);
}

int CasesView::builtCardCount() const {
    return int(m_cards.size() - m_cards.count(nullptr));
}

// Puts a card in the place its row's placeholder held.
void CasesView::buildCard(int row) {
    auto* card = new CaseCard(m_model, row, m_column->parentWidget());
    connect(card, &CaseCard::duplicateRequested, this, [this](const QUuid& id) {
        if (const TestCase* testCase = m_cases.testCase(id)) {
            m_reveal = Reveal::scroll;
            m_cases.duplicateTestCase(*testCase);
            m_reveal = Reveal::none;
        }
    });
    connect(card, &CaseCard::deleteRequested, this, [this](const QUuid& id) {
        if (const TestCase* testCase = m_cases.testCase(id))
            m_cases.deleteTestCase(*testCase);
    });
    m_cards[row] = card;
    delete m_column->takeAt(row);
    m_column->insertWidget(row, card);
    // A layout shows what it is given only on the next turn of the loop.
    if (m_column->parentWidget()->isVisible())
        card->show();
    card->ensurePolished();
    m_placeholderHeight = card->sizeHint().height();
    chainTabStops(row);
}

// Tab goes down the list, not in the order the cards happened to be built:
// the new card's fields follow those of the built card above it.
void CasesView::chainTabStops(int row) {
    QWidget* previous = nullptr;
    for (int above = row - 1; above >= 0 && !previous; --above) {
        if (m_cards[above])
            previous = m_cards[above]->tabStops().constLast();
    }
    const auto chain = [&previous](const CaseCard* card) {
        for (QWidget* stop : card->tabStops()) {
            if (previous)
                setTabOrder(previous, stop);
            previous = stop;
        }
    };
    if (previous) {
        chain(m_cards[row]);
        return;
    }
    // Nothing above it: the list is chained anew from this card down.
    for (const CaseCard* card : std::as_const(m_cards)) {
        if (card)
            chain(card);
    }
}

// Builds the placeholders within the view and one screen below it, and
// those of the last two screens: the end of the list, where new cases go,
// is where a person scrolls most, and its height should be the real one.
void CasesView::buildCardsInView() {
    const auto heightOf = [this](int row) {
        // A spacer's height includes the spacing a card gets beside it.
        return m_column->itemAt(row)->sizeHint().height() +
               (m_cards[row] ? m_column->spacing() : 0);
    };
    QList<int> tops(m_cards.size());
    int y = m_column->contentsMargins().top();
    for (int row = 0; row < m_cards.size(); ++row) {
        tops[row] = y;
        y += heightOf(row);
    }
    const int screen = m_scroll->viewport()->height();
    const int viewTop = m_scroll->verticalScrollBar()->value();
    const int endTop = y - 2 * screen;
    for (int row = 0; row < m_cards.size(); ++row) {
        const int top = tops[row];
        const int bottom = top + heightOf(row);
        const bool inView = bottom >= viewTop && top <= viewTop + 2 * screen;
        if (!m_cards[row] && (inView || bottom >= endTop))
            buildCard(row);
    }
}

bool CasesView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize)
        buildCardsInView();
    return QWidget::eventFilter(watched, event);
}

void CasesView::reveal(int row, Reveal how) {
    CaseCard* shown = card(row);
    // The scroll range follows the column only once its layout has run.
    m_column->activate();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    m_scroll->ensureWidgetVisible(shown, 0, 0);
    if (how == Reveal::scrollAndType)
        shown->focusInput();
}

void CasesView::revealResult(int row) {
    CaseCard* shown = card(row);
    shown->setExpanded(true);
    reveal(row, Reveal::scroll);
    // A card taller than the view gives way to its result, once the card
    // has laid out what it shows.
    QWidget* result = shown->resultView();
    for (QWidget* widget = result; widget != shown; widget = widget->parentWidget()) {
        if (widget->layout())
            widget->layout()->activate();
    }
    shown->layout()->activate();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    m_scroll->ensureWidgetVisible(result, 0, 0);
}

void CasesView::renumberFrom(int row) {
    for (; row < m_cards.size(); ++row) {
        if (m_cards[row])
            m_cards[row]->setRow(row);
    }
}
