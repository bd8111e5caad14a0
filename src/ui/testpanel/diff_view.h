#pragma once

#include "runner/output_diff.h"

#include <QThreadPool>
#include <QWidget>

class QBoxLayout;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QToolButton;

// Expected against actual output of one case: the first difference in words
// on top, then the two outputs side by side (one above the other when the
// view is narrow) with the differing lines and words marked. Large outputs
// are compared on a worker; only the rows around the first differences are
// laid out.
class DiffView : public QWidget {
    Q_OBJECT

public:
    // Narrower than this, the outputs are shown one above the other.
    static constexpr int sideBySideWidth = 560;

    explicit DiffView(QWidget* parent = nullptr);
    // The outputs under titles of their own, where they are not a case's.
    DiffView(const QString& expectedTitle, const QString& actualTitle, QWidget* parent = nullptr);

    // `ruleLabel` names the comparison rule that judged the outputs. `shown`
    // follows once the comparison is laid out, at once for small outputs.
    void setOutputs(const QString& expected, const QString& actual, const QString& ruleLabel);
    bool isComparing() const { return m_comparing; }
    // Fits the outputs to their rows, up to `rows` of them, then scrolls; 0
    // lets them take the room they are given.
    void setMaximumRows(int rows);
    // Whether "크게 보기" is offered; a view that is already large has no use for it.
    void setExpandable(bool expandable);
    const OutputDiff& diff() const { return m_diff; }

signals:
    void shown();
    // The person asked to see the diff larger.
    void expandRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void present(OutputDiff diff);
    void layOut();
    void fitRows();

    QLabel* m_summary;
    QCheckBox* m_showWhitespace;
    QToolButton* m_expand;
    QBoxLayout* m_panes;
    QPlainTextEdit* m_expected;
    QPlainTextEdit* m_actual;
    QLabel* m_remainder;
    OutputDiff m_diff;
    quint64 m_generation = 0;
    bool m_comparing = false;
    int m_maximumRows = 0;
    // The worker of large comparisons. Declared last, so it is destroyed
    // first and waits for a comparison still running while the view is whole.
    QThreadPool m_pool;
};
