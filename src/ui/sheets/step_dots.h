#pragma once

#include <QWidget>

// Where a sequence of steps stands: one dot per step, the current one wide
// and in the highlight colour, the ones before it filled, the rest faint.
class StepDots : public QWidget {
    Q_OBJECT

public:
    StepDots(int count, QWidget* parent = nullptr);

    void setCurrent(int index);
    int current() const { return m_current; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_count;
    int m_current = 0;
};
