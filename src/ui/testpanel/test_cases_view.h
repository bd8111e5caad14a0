#pragma once

#include <QList>
#include <QWidget>

class AppState;
class QAbstractItemModel;
class QScrollArea;
class QVBoxLayout;
class TestCaseCard;

// The test cases tab: a scrolling column of cards over the test-case model,
// and the bar with "테스트 추가", "결과 초기화" and "모두 삭제". A change of
// one case (a result arriving during a run, an edit) refreshes that one
// card; only a new list rebuilds them all.
class TestCasesView : public QWidget {
    Q_OBJECT

public:
    TestCasesView(AppState& state, QAbstractItemModel& model, QWidget* parent = nullptr);

    const QList<TestCaseCard*>& cards() const { return m_cards; }

private:
    QWidget* buildBottomBar();
    void insertCards(int first, int last);
    void removeCards(int first, int last);
    void refreshCards(int first, int last);
    void rebuild();
    void discard(TestCaseCard* card);
    void renumberFrom(int row);

    AppState& m_state;
    QAbstractItemModel& m_model;
    QScrollArea* m_scroll = nullptr;
    QVBoxLayout* m_column = nullptr;
    QList<TestCaseCard*> m_cards;
};
