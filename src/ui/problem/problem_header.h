#pragma once

#include <QUrl>
#include <QWidget>

struct CachedBaekjoonProblem;

// Where a problem can be read on the web.
struct ProblemLinks {
    QUrl page;      // the judge's page
    QUrl testCases; // the test-case collection site's page
};

// "#N", the tier badge ("?" on grey for unrated, none when the tier is not
// known), the time and memory limit chips, the title, and the two links,
// which open in the desktop's browser.
class ProblemHeader : public QWidget {
    Q_OBJECT

public:
    ProblemHeader(const CachedBaekjoonProblem& problem, const ProblemLinks& links, double fontSize,
                  QWidget* parent = nullptr);
};
