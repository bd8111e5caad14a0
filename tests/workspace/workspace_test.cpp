#include "support/printers.h"
#include "support/test_cases.h"
#include "workspace_fixture.h"

#include <QSignalSpy>

using namespace Qt::StringLiterals;

using WorkspaceOwnerTest = WorkspaceTest;

TEST_F(WorkspaceOwnerTest, SetFileTextChangesTheNamedFileOnly) {
    Owners owners;
    Workspace& workspace = owners.workspace;
    EXPECT_FALSE(workspace.setFileText(QUuid::createUuid(), u"no such file"_s));
    workspace.createFile(u"a.py"_s, ProgrammingLanguage::python);
    workspace.createFile(u"b.py"_s, ProgrammingLanguage::python);
    const Timestamp before = workspace.files()[0].modifiedAt;
    QSignalSpy changed(&workspace, &Workspace::fileChanged);
    QSignalSpy selection(&workspace, &Workspace::selectedFileChanged);
    EXPECT_TRUE(workspace.setFileText(workspace.files()[0].id, u"x = 1"_s));
    EXPECT_EQ(workspace.fileText(workspace.files()[0].id), u"x = 1"_s);
    EXPECT_EQ(workspace.files()[1].content,
              owners.settings.templates().text(ProgrammingLanguage::python))
        << "the selected file is not the one named";
    EXPECT_GE(workspace.files()[0].modifiedAt, before);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toUuid(), workspace.files()[0].id);
    EXPECT_EQ(selection.count(), 0);
}

TEST_F(WorkspaceOwnerTest, TestCaseOperations) {
    Owners owners;
    CaseBook& cases = owners.workspace.cases();
    TestCase first = cases.testCases()[0];
    first.input = u"1 2"_s;
    first.expectedOutput = u"3"_s;
    first.result = CaseResult{{VerdictKind::accepted}, u"3"_s, {}, 1, 1, 1};
    cases.updateTestCase(first);
    cases.duplicateTestCase(cases.testCases()[0]);
    ASSERT_EQ(cases.testCases().size(), 2);
    EXPECT_NE(cases.testCases()[1].id, first.id);
    EXPECT_EQ(cases.testCases()[1].input, u"1 2"_s);
    EXPECT_FALSE(cases.testCases()[1].result) << "a duplicate carries no results";
    cases.deleteTestCase(first);
    cases.deleteTestCase(cases.testCases()[0]);
    EXPECT_TRUE(cases.testCases().isEmpty()) << "the panel may delete down to zero";
    cases.addTestCase();
    EXPECT_EQ(cases.testCases().size(), 1);
}

// A file with cases of its own shows them; the others share one list, and
// a copy of the file is another try at the same problem.
TEST_F(WorkspaceOwnerTest, TheSelectedFilesOwnCasesAreTheActiveList) {
    Owners owners;
    Workspace& workspace = owners.workspace;
    CaseBook& cases = workspace.cases();
    cases.setTestCases({testCase(u"shared"_s, u"1"_s)});
    workspace.createFile(u"1000.cpp"_s, ProgrammingLanguage::cpp);
    const QUuid own = workspace.selectedFile()->id;
    JudgeChoice limits;
    limits.timeLimitMs = 2000;
    QSignalSpy replaced(&cases, &CaseBook::testCasesReplaced);
    cases.setOwnList(own, CaseList{{testCase(u"1 2"_s, u"3"_s)}, limits});
    EXPECT_EQ(replaced.count(), 1);
    EXPECT_EQ(cases.testCases()[0].input, u"1 2"_s);
    EXPECT_EQ(cases.judgeChoice().timeLimitMs, 2000);

    workspace.createFile(u"other.cpp"_s, ProgrammingLanguage::cpp);
    EXPECT_EQ(cases.testCases()[0].input, u"shared"_s);
    EXPECT_EQ(cases.judgeChoice(), JudgeChoice());
    cases.addTestCase();
    EXPECT_EQ(cases.sharedList().cases.size(), 2) << "a file without its own adds to the shared";

    workspace.duplicateFile(own);
    EXPECT_EQ(cases.testCases()[0].input, u"1 2"_s);
    EXPECT_NE(cases.testCases()[0].id, cases.ownList(own)->cases[0].id);
    workspace.deleteFile(own);
    EXPECT_FALSE(cases.ownList(own)) << "a deleted file's cases go with it";
}
