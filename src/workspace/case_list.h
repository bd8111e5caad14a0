#pragma once

#include "base/records.h"
#include "workspace/judge_choice.h"

#include <QList>

// A list of test cases with the way its runs are judged.
struct CaseList {
    QList<TestCase> cases{TestCase{}};
    JudgeChoice judge;

    bool operator==(const CaseList&) const = default;
};
