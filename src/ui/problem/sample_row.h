#pragma once

#include <QFrame>

struct ProblemSample;

// "예제 N" above the sample's input and output side by side, each in a
// monospaced, selectable box.
class SampleRow : public QFrame {
    Q_OBJECT

public:
    SampleRow(int index, const ProblemSample& sample, double fontSize, QWidget* parent = nullptr);
};
