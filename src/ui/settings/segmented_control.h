#pragma once

#include <QWidget>

class QButtonGroup;
class QHBoxLayout;

// A row of joined buttons of which exactly one is chosen, each standing for
// an integer value. A screen reader names the row by its accessible name and
// each segment by its text.
class SegmentedControl : public QWidget {
    Q_OBJECT

public:
    explicit SegmentedControl(const QString& accessibleName, QWidget* parent = nullptr);

    void addSegment(const QString& text, int value);
    // Chooses the segment of `value`; none when no segment has it. Emits nothing.
    void setValue(int value);
    // The chosen segment's value, -1 when none is chosen.
    int value() const;

signals:
    // A person chose a segment.
    void valueChosen(int value);

private:
    QButtonGroup* m_group = nullptr;
    QHBoxLayout* m_row = nullptr;
};
