#pragma once

#include <QDialog>

class Workspace;
class QLabel;
class QPushButton;
class StepDots;

// The first-start tour: four steps, one at a time. "시작하기" on the last
// step closes it and, only when the workspace has no file yet, creates
// "solution.cpp" so the person lands in an editor.
class OnboardingSheet : public QDialog {
    Q_OBJECT

public:
    OnboardingSheet(Workspace& workspace, QWidget* parent);

    int step() const { return m_step; }
    static int stepCount();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showStep(int index);
    void finish();

    Workspace& m_workspace;
    int m_step = 0;
    StepDots* m_dots = nullptr;
    QLabel* m_icon = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_description = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_start = nullptr;
};
