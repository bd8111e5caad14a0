#pragma once

#include "ui/problem/problem_header.h"

#include <QWidget>

struct CachedBaekjoonProblem;

// The fetched problem at the problem font size: the header, the sections
// "문제", "입력" and "출력" (each only when the page has it) and "예제" with
// one row per sample. Built anew for each problem or font size; nothing in
// it changes while it is shown.
class ProblemDetailView : public QWidget {
    Q_OBJECT

public:
    explicit ProblemDetailView(QWidget* parent = nullptr);

    void showProblem(const CachedBaekjoonProblem& problem, const ProblemLinks& links,
                     double fontSize);

private:
    QWidget* m_body = nullptr;
};
