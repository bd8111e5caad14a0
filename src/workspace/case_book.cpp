#include "workspace/case_book.h"

#include <algorithm>

CaseBook::CaseBook(QObject* parent) : QObject(parent) {}

const CaseList& CaseBook::active() const {
    if (m_activeFile) {
        const auto own = m_own.constFind(*m_activeFile);
        if (own != m_own.constEnd())
            return *own;
    }
    return m_shared;
}

CaseList& CaseBook::active() {
    if (m_activeFile) {
        const auto own = m_own.find(*m_activeFile);
        if (own != m_own.end())
            return *own;
    }
    return m_shared;
}

void CaseBook::announceSwitch(const CaseList& before) {
    const CaseList& after = active();
    if (before.cases != after.cases)
        emit testCasesReplaced();
    if (before.judge != after.judge)
        emit judgeChoiceChanged();
}

const TestCase* CaseBook::testCase(const QUuid& id) const {
    const QList<TestCase>& cases = testCases();
    const auto it = std::find_if(cases.begin(), cases.end(),
                                 [&](const TestCase& testCase) { return testCase.id == id; });
    return it == cases.end() ? nullptr : &*it;
}

void CaseBook::setTestCases(const QList<TestCase>& testCases) {
    active().cases = testCases;
    emit testCasesReplaced();
}

void CaseBook::setJudgeChoice(const JudgeChoice& choice) {
    JudgeChoice& judge = active().judge;
    if (judge == choice)
        return;
    judge = choice;
    emit judgeChoiceChanged();
}

void CaseBook::addTestCase() {
    QList<TestCase>& cases = active().cases;
    cases.append(TestCase{});
    emit testCaseAdded(cases.last().id);
}

void CaseBook::duplicateTestCase(const TestCase& testCase) {
    TestCase copy;
    copy.input = testCase.input;
    copy.expectedOutput = testCase.expectedOutput;
    active().cases.append(copy);
    emit testCaseAdded(copy.id);
}

void CaseBook::deleteTestCase(const TestCase& testCase) {
    const auto removed =
        active().cases.removeIf([&](const TestCase& entry) { return entry.id == testCase.id; });
    for (qsizetype i = 0; i < removed; ++i)
        emit testCaseRemoved(testCase.id);
}

void CaseBook::updateTestCase(const TestCase& testCase) {
    for (TestCase& entry : active().cases) {
        if (entry.id == testCase.id) {
            if (entry == testCase)
                return;
            entry = testCase;
            emit testCaseChanged(testCase.id);
            return;
        }
    }
}

void CaseBook::clearTestResults() {
    for (TestCase& testCase : active().cases) {
        if (!testCase.result)
            continue;
        testCase.result.reset();
        emit testCaseChanged(testCase.id);
    }
}

void CaseBook::setActiveFile(const std::optional<QUuid>& fileId) {
    if (m_activeFile == fileId)
        return;
    const CaseList before = active();
    m_activeFile = fileId;
    announceSwitch(before);
}

void CaseBook::setSharedList(const CaseList& list) {
    const CaseList before = active();
    m_shared = list;
    announceSwitch(before);
}

const CaseList* CaseBook::ownList(const QUuid& fileId) const {
    const auto own = m_own.constFind(fileId);
    return own == m_own.constEnd() ? nullptr : &*own;
}

void CaseBook::setOwnList(const QUuid& fileId, const std::optional<CaseList>& list) {
    const CaseList before = active();
    if (list)
        m_own.insert(fileId, *list);
    else
        m_own.remove(fileId);
    announceSwitch(before);
}

void CaseBook::setStressChoice(const QUuid& fileId, const StressChoice& choice) {
    if (choice == StressChoice())
        m_stress.remove(fileId);
    else
        m_stress.insert(fileId, choice);
}

void CaseBook::forgetFiles(const QList<QUuid>& fileIds) {
    const CaseList before = active();
    for (const QUuid& id : fileIds) {
        m_own.remove(id);
        m_stress.remove(id);
    }
    const auto dropGoneProgram = [&](CaseList& list) {
        if (list.judge.program != JudgeChoice::Program::none &&
            fileIds.contains(list.judge.programFileId)) {
            JudgeChoice comparisonOnly;
            comparisonOnly.comparison = list.judge.comparison;
            list.judge = comparisonOnly;
        }
    };
    dropGoneProgram(m_shared);
    for (CaseList& list : m_own)
        dropGoneProgram(list);
    announceSwitch(before);
}

void CaseBook::copyOwnList(const QUuid& from, const QUuid& to) {
    const CaseList* source = ownList(from);
    if (!source)
        return;
    CaseList copy;
    copy.judge = source->judge;
    copy.cases.clear();
    for (const TestCase& testCase : source->cases) {
        TestCase fresh;
        fresh.input = testCase.input;
        fresh.expectedOutput = testCase.expectedOutput;
        copy.cases.append(fresh);
    }
    setOwnList(to, copy);
}

void CaseBook::restore(const CaseList& shared, const QHash<QUuid, CaseList>& own,
                       const QHash<QUuid, StressChoice>& stress) {
    const CaseList before = active();
    m_shared = shared;
    m_own = own;
    m_stress = stress;
    announceSwitch(before);
}
