#pragma once

#include <QList>
#include <QWidget>

class CaseBook;
class QAbstractItemModel;
class QScrollArea;
class QVBoxLayout;
class CaseCard;

// The test cases tab: a scrolling column of cards over the test-case model,
// and the bar with "테스트 추가", "결과 초기화" and "모두 삭제". A change of
// one case (a result arriving during a run, an edit) refreshes that one
// card; only a new list rebuilds them all.
//
// A card with its three editors costs milliseconds to build and style, so
// a long list builds only the cards in view and one screen beyond; the rest
// hold their place as empty space of a card's height and are built when
// scrolled near. A card once built stays, with its focus and undo history.
class CasesView : public QWidget {
    Q_OBJECT

public:
    CasesView(CaseBook& cases, QAbstractItemModel& model, QWidget* parent = nullptr);

    int cardCount() const { return int(m_cards.size()); }
    // The card of a row, built now if it was still a placeholder.
    CaseCard* card(int row);
    int builtCardCount() const;
    // Expands a row's card and scrolls its result into view.
    void revealResult(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What adding a case from this view does besides: the user asked for it
    // and wants to see it, and after "테스트 추가" to type its input.
    enum class Reveal { none, scroll, scrollAndType };

    QWidget* buildBottomBar();
    void insertCards(int first, int last);
    void removeCards(int first, int last);
    void refreshCards(int first, int last);
    void rebuild();
    void buildCard(int row);
    void buildCardsInView();
    void chainTabStops(int row);
    void reveal(int row, Reveal how);
    void renumberFrom(int row);

    CaseBook& m_cases;
    QAbstractItemModel& m_model;
    QScrollArea* m_scroll = nullptr;
    QVBoxLayout* m_column = nullptr;
    // One entry per row; null while the row is a placeholder in the column.
    QList<CaseCard*> m_cards;
    int m_placeholderHeight = 0;
    Reveal m_reveal = Reveal::none;
};
