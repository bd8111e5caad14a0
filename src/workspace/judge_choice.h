#pragma once

#include <QString>
#include <QUuid>

// How the test panel's runs judge the outputs, as the workspace keeps it: a
// comparison named as the command line names it ("exact", "lines", "tokens",
// "float:EPS"), or a file of the workspace as the checker or the interactor,
// called in the testlib or the package convention.
struct JudgeChoice {
    enum class Program { none, checker, interactor };

    QString comparison = QStringLiteral("lines");
    Program program = Program::none;
    QUuid programFileId; // with a checker or an interactor
    QString style = QStringLiteral("testlib");
    // A judge problem's limits, when the cases came from one; 0: the
    // execution settings decide.
    int timeLimitMs = 0;
    int memoryLimitMb = 0;

    bool operator==(const JudgeChoice&) const = default;
};
