#pragma once

#include <QFrame>
#include <QUuid>

class DiffView;
class OutputView;
class QAbstractItemModel;
class QLabel;
class QPlainTextEdit;
class QToolButton;

// One test case of the list: a header with the chevron, "테스트 #n", the
// verdict badge, the time and peak memory, the duplicate and delete buttons; when
// expanded, editors for the input and the expected output, which write
// straight into the case, and the actual output in a frame coloured by the
// verdict; a wrong answer shows expected against actual as a diff instead,
// which opens larger in a window of its own on request. The card shows the
// model's row it is given and reads it again only when told that row changed.
class CaseCard : public QFrame {
    Q_OBJECT

public:
    CaseCard(QAbstractItemModel& model, int row, QWidget* parent = nullptr);

    int row() const { return m_row; }
    // The card's place moved (a case above it was removed).
    void setRow(int row);
    // Shows the row's data as the model has it now.
    void refresh();
    bool isExpanded() const { return m_expanded; }
    void setExpanded(bool expanded);
    void focusInput();
    // What shows the last result: the diff, the output, or else the card.
    QWidget* resultView();
    // The card's fields in the order Tab visits them.
    QList<QWidget*> tabStops() const;

signals:
    void duplicateRequested(const QUuid& id);
    void deleteRequested(const QUuid& id);

private:
    QWidget* buildHeader();
    QWidget* buildBody();
    QPlainTextEdit* addField(const QString& title, QWidget* body);
    void write(int role, QPlainTextEdit* editor, QString& known);
    void showEditorText(QPlainTextEdit* editor, const QString& text, QString& known);
    void fitHeight(QPlainTextEdit* editor, int minLines);
    void showDiff(const QString& expected, const QString& actual);
    void openLargeDiff();

    QAbstractItemModel& m_model;
    int m_row;
    QUuid m_id;
    bool m_expanded = true;
    bool m_refreshing = false;
    QString m_input;
    QString m_expectedOutput;

    QToolButton* m_chevron = nullptr;
    QLabel* m_title = nullptr;
    QWidget* m_badge = nullptr;
    QLabel* m_badgeIcon = nullptr;
    QLabel* m_badgeText = nullptr;
    QLabel* m_time = nullptr;
    QToolButton* m_duplicate = nullptr;
    QToolButton* m_delete = nullptr;
    QWidget* m_body = nullptr;
    QPlainTextEdit* m_inputEditor = nullptr;
    QPlainTextEdit* m_expectedEditor = nullptr;
    QWidget* m_actualBlock = nullptr;
    QFrame* m_actualFrame = nullptr;
    OutputView* m_actual = nullptr;
    // Made with the first wrong answer.
    DiffView* m_diff = nullptr;
    // The pair it compared last; an edit of the input compares nothing anew.
    QString m_diffExpected;
    QString m_diffActual;
};
