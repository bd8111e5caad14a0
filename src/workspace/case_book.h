#pragma once

#include "workspace/case_list.h"
#include "workspace/stress_choice.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QUuid>
#include <optional>

// The test cases of the workspace: a shared list, and a file's own list once
// it has one (a problem's samples applied to it, a problem received for it).
// The panel works on the active list: the selected file's own, otherwise the
// shared one; every operation below without a file id acts on it.
class CaseBook : public QObject {
    Q_OBJECT

public:
    explicit CaseBook(QObject* parent = nullptr);

    const QList<TestCase>& testCases() const { return active().cases; }
    const JudgeChoice& judgeChoice() const { return active().judge; }
    // In the active list; null when no case has the id.
    const TestCase* testCase(const QUuid& id) const;

    void setTestCases(const QList<TestCase>& testCases);
    void setJudgeChoice(const JudgeChoice& choice);
    void addTestCase();
    void duplicateTestCase(const TestCase& testCase);
    void deleteTestCase(const TestCase& testCase);
    // Replaces the case with the same id; nothing when it is gone.
    void updateTestCase(const TestCase& testCase);
    // Forgets every result of the last run; inputs and expectations stay.
    void clearTestResults();

    // The file whose own list is active when it has one; the workspace sets
    // it with the selection.
    void setActiveFile(const std::optional<QUuid>& fileId);
    const std::optional<QUuid>& activeFile() const { return m_activeFile; }
    const CaseList& sharedList() const { return m_shared; }
    void setSharedList(const CaseList& list);
    // Null while the file uses the shared list.
    const CaseList* ownList(const QUuid& fileId) const;
    // A null list sends the file back to the shared list.
    void setOwnList(const QUuid& fileId, const std::optional<CaseList>& list);
    const QHash<QUuid, CaseList>& ownLists() const { return m_own; }

    // What the stress test of a solution file was last run against; the
    // default when nothing was chosen for it.
    StressChoice stressChoice(const QUuid& fileId) const { return m_stress.value(fileId); }
    void setStressChoice(const QUuid& fileId, const StressChoice& choice);
    const QHash<QUuid, StressChoice>& stressChoices() const { return m_stress; }

    // The workspace's files were removed or copied: their own lists follow,
    // and a run must not look for a checker that is gone.
    void forgetFiles(const QList<QUuid>& fileIds);
    void copyOwnList(const QUuid& from, const QUuid& to);
    // Everything at once: a save file read, or a workspace emptied.
    void restore(const CaseList& shared, const QHash<QUuid, CaseList>& own,
                 const QHash<QUuid, StressChoice>& stress = {});

signals:
    // Changes of the active list only: a view shows that one.
    void testCaseAdded(const QUuid& id);
    void testCaseRemoved(const QUuid& id);
    void testCaseChanged(const QUuid& id);
    // The whole active list is new, or another list became active.
    void testCasesReplaced();
    void judgeChoiceChanged();

private:
    const CaseList& active() const;
    CaseList& active();
    // Says what changed after the active list was swapped, given the one before.
    void announceSwitch(const CaseList& before);

    CaseList m_shared;
    QHash<QUuid, CaseList> m_own;
    QHash<QUuid, StressChoice> m_stress;
    std::optional<QUuid> m_activeFile;
};
