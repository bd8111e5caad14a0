#pragma once

#include "base/records.h"
#include "problems/problem_batches.h"

#include <QList>
#include <QString>
#include <QUuid>

class ProblemSession;
class Workspace;

// Turns the problems the browser sent into files of the workspace, on the UI
// thread: one problem becomes one file, a contest a folder of files in the
// contest's order. A file is named after its problem and never replaces an
// existing one; it starts with the user's starter code of the new-file
// sheet's language, with the problem's samples and limits as its own cases,
// and a Baekjoon problem is fetched through the problem session, so the
// problem tab shows it, unless the judge's cooldown is still running.
class ProblemIntake {
public:
    ProblemIntake(Workspace& workspace, ProblemSession& session);

    // The files made, and what arrived in a few words for the window to show;
    // an empty batch makes nothing and says nothing.
    struct Outcome {
        QList<QUuid> files;
        QString message;
    };
    Outcome receive(const ReceivedBatch& batch);

private:
    void fetchFromJudge(const QList<ReceivedProblem>& problems);

    Workspace& m_workspace;
    ProblemSession& m_session;
};
