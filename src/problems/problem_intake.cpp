#include "problems/problem_intake.h"

#include "problems/problem_naming.h"
#include "problems/problem_session.h"
#include "workspace/workspace.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace {

// The new-file sheet's first choice.
constexpr ProgrammingLanguage receivedLanguage = ProgrammingLanguage::cpp;

QList<TestCase> casesOf(const ReceivedProblem& problem) {
    QList<TestCase> cases;
    for (const ProblemSample& sample : problem.tests) {
        TestCase testCase;
        testCase.input = sample.input;
        testCase.expectedOutput = sample.output;
        cases.append(testCase);
    }
    // As for a judge problem without samples: one case to type into.
    if (cases.isEmpty())
        cases.append(TestCase{});
    return cases;
}

JudgeChoice choiceOf(const ReceivedProblem& problem) {
    JudgeChoice choice;
    choice.timeLimitMs = problem.timeLimitMs;
    choice.memoryLimitMb = problem.memoryLimitMb;
    return choice;
}

} // namespace

ProblemIntake::ProblemIntake(Workspace& workspace, ProblemSession& session)
    : m_workspace(workspace), m_session(session) {}

ProblemIntake::Outcome ProblemIntake::receive(const ReceivedBatch& batch) {
    if (batch.problems.isEmpty())
        return {};
    std::optional<QUuid> folderId;
    QString folderName;
    if (batch.problems.size() > 1 || batch.expectedSize > 1) {
        QSet<QString> folderNames;
        for (const FolderItem& folder : m_workspace.folders())
            folderNames.insert(folder.name);
        folderName = freeName(contestFolderName(batch.problems.first().group), folderNames);
        m_workspace.createFolder(folderName);
        folderId = m_workspace.folders().last().id;
    }
    // Names are unique across the workspace, folders or not.
    QSet<QString> taken;
    for (const FileItem& file : m_workspace.files())
        taken.insert(file.name);
    Outcome outcome;
    QString lastName;
    for (const ReceivedProblem& problem : batch.problems) {
        lastName = freeName(problemFileName(problem, receivedLanguage), taken);
        taken.insert(lastName);
        m_workspace.createFile(lastName, receivedLanguage, folderId);
        const QUuid fileId = m_workspace.files().last().id;
        m_workspace.cases().setOwnList(fileId, CaseList{casesOf(problem), choiceOf(problem)});
        outcome.files.append(fileId);
    }
    fetchFromJudge(batch.problems);
    outcome.message =
        folderId ? u"대회 문제 %1개를 받았습니다: %2"_s.arg(outcome.files.size()).arg(folderName)
                 : u"문제를 받았습니다: %1"_s.arg(lastName);
    return outcome;
}

// One fetch per arrival at most: the judge allows one page every ten seconds.
void ProblemIntake::fetchFromJudge(const QList<ReceivedProblem>& problems) {
    if (m_session.remainingCooldown() > 0)
        return;
    for (const ReceivedProblem& problem : problems) {
        if (const std::optional<QString> number = baekjoonProblemNumber(problem.url)) {
            // The crawler belongs to the session, so the answer never outlives it.
            m_session.crawler().fetchProblem(*number,
                                             [session = &m_session](const ProblemResult& result) {
                                                 session->recordFetch(result);
                                             });
            return;
        }
    }
}
