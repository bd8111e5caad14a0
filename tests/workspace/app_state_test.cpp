#include "support/printers.h"
#include "workspace/app_state.h"
#include "workspace_fixture.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

using AppStateTest = WorkspaceTest;

TEST_F(AppStateTest, FirstStartWritesAnEmptyWorkspaceWithOneTestCase) {
    {
        AppState state;
        EXPECT_TRUE(state.files().isEmpty());
        EXPECT_EQ(state.testCases().size(), 1);
    }
    const QByteArray saved = readSaveFile();
    EXPECT_TRUE(
        saved.startsWith("{\"files\":[],\"folders\":[],\"openTabIds\":[],\"testCases\":[{"));
    EXPECT_FALSE(saved.contains("selectedFileId"));
    EXPECT_TRUE(saved.contains("\"expectedOutput\":\"\""));
}

TEST_F(AppStateTest, WorkspaceSurvivesARestart) {
    QUuid selected;
    {
        AppState state;
        state.createFolder(u"dp"_s);
        state.createFile(u"a.cpp"_s, ProgrammingLanguage::cpp);
        state.createFile(u"b.py"_s, ProgrammingLanguage::python, state.folders().first().id);
        state.setFileText(state.selectedFile()->id, u"print('안녕')"_s);
        selected = state.selectedFile()->id;
    }
    AppState state;
    EXPECT_EQ(fileNames(state.files()), (QStringList{u"a.cpp"_s, u"b.py"_s}));
    EXPECT_EQ(state.files()[1].folderId, state.folders().first().id);
    EXPECT_EQ(state.openTabIds().size(), 2);
    EXPECT_EQ(state.selectedFile()->id, selected);
    EXPECT_EQ(state.selectedFile()->content, u"print('안녕')"_s);
}

TEST_F(AppStateTest, SetFileTextChangesTheNamedFileOnly) {
    AppState state;
    EXPECT_FALSE(state.setFileText(QUuid::createUuid(), u"no such file"_s));
    state.createFile(u"a.py"_s, ProgrammingLanguage::python);
    state.createFile(u"b.py"_s, ProgrammingLanguage::python);
    const Timestamp before = state.files()[0].modifiedAt;
    QSignalSpy changed(&state, &AppState::fileChanged);
    QSignalSpy selection(&state, &AppState::selectedFileChanged);
    EXPECT_TRUE(state.setFileText(state.files()[0].id, u"x = 1"_s));
    EXPECT_EQ(state.fileText(state.files()[0].id), u"x = 1"_s);
    EXPECT_EQ(state.files()[1].content,
              state.settings().templates().text(ProgrammingLanguage::python))
        << "the selected file is not the one named";
    EXPECT_GE(state.files()[0].modifiedAt, before);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toUuid(), state.files()[0].id);
    EXPECT_EQ(selection.count(), 0);
}

TEST_F(AppStateTest, TestCaseOperations) {
    AppState state;
    TestCase first = state.testCases()[0];
    first.input = u"1 2"_s;
    first.expectedOutput = u"3"_s;
    first.result = CaseResult{{VerdictKind::accepted}, u"3"_s, {}, 1, 1, 1};
    state.updateTestCase(first);
    state.duplicateTestCase(state.testCases()[0]);
    ASSERT_EQ(state.testCases().size(), 2);
    EXPECT_NE(state.testCases()[1].id, first.id);
    EXPECT_EQ(state.testCases()[1].input, u"1 2"_s);
    EXPECT_FALSE(state.testCases()[1].result) << "a duplicate carries no results";
    state.deleteTestCase(first);
    state.deleteTestCase(state.testCases()[0]);
    EXPECT_TRUE(state.testCases().isEmpty()) << "the panel may delete down to zero";
    state.addTestCase();
    EXPECT_EQ(state.testCases().size(), 1);
}

TEST_F(AppStateTest, EmptyTestCaseListLoadsAsOneEmptyCase) {
    writeSaveFile(R"({"files":[],"openTabIds":[],"testCases":[]})");
    AppState state;
    ASSERT_EQ(state.testCases().size(), 1);
    EXPECT_TRUE(state.testCases()[0].input.isEmpty());
}

TEST_F(AppStateTest, UnreadableSaveFileIsCopiedAsideBeforeAnySave) {
    const QByteArray broken = R"({"files":[{"id":"x"}],"openTabIds":[],"testCases":[]})";
    writeSaveFile(broken);
    {
        AppState state;
        EXPECT_TRUE(state.files().isEmpty());
        state.saveData();
    }
    const QStringList copies =
        QDir(saveFolder()).entryList({u"appdata.json.unreadable-*"_s}, QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    QFile copy(saveFolder() + QLatin1Char('/') + copies[0]);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), broken);
    EXPECT_NE(readSaveFile(), broken) << "the workspace file itself is rewritten";
}

TEST_F(AppStateTest, ResetDataKeepsFoldersAndSettings) {
    AppState state;
    state.settings().setIndentation({.tabSize = 2});
    state.createFolder(u"kept"_s);
    state.createFile(u"a.c"_s, ProgrammingLanguage::c);
    state.resetData();
    EXPECT_TRUE(state.files().isEmpty());
    EXPECT_FALSE(state.selectedFile());
    EXPECT_EQ(state.folders().size(), 1);
    EXPECT_EQ(state.testCases().size(), 1);
    EXPECT_EQ(state.settings().indentation().tabSize, 2);
    EXPECT_TRUE(readSaveFile().contains("\"name\":\"kept\""));
}

TEST_F(AppStateTest, ResetAllForgetsSettingsAndStillSaves) {
    AppState state;
    state.settings().setExecution({.executionTimeout = 0});
    TemplateSettings mine;
    mine.templateCpp = u"// mine"_s;
    state.settings().setTemplates(mine);
    state.settings().setOnboarding({.hasSeenOnboarding = true});
    state.setFontSize(20);
    state.resetAll();
    EXPECT_NE(state.fontSize(), 20);
    EXPECT_EQ(state.settings().execution(), ExecutionSettings());
    EXPECT_EQ(state.settings().onboarding(), OnboardingSettings());
    state.createFile(u"a.cpp"_s, ProgrammingLanguage::cpp);
    EXPECT_TRUE(state.files()[0].content.startsWith(u"#include <iostream>"_s));
    EXPECT_TRUE(QFile::exists(savePath())) << "saving makes the deleted folder again";
}

TEST_F(AppStateTest, AnAutoSaveInFlightNeverLandsAfterALaterSave) {
    AppState state;
    // Large enough that the tick's worker is still writing when saveData starts.
    state.createFile(u"big.txt"_s, ProgrammingLanguage::txt);
    state.setFileText(state.selectedFile()->id, QString(8'000'000, QLatin1Char('/')));
    state.autoSave();
    state.setFileText(state.selectedFile()->id, u"newest"_s);
    state.saveData();
    ASSERT_TRUE(readSaveFile().contains("\"content\":\"newest\""));
    EXPECT_FALSE(QTest::qWaitFor([&] { return !readSaveFile().contains("newest"); }, 1500))
        << "the older tick's write landed last";
}

TEST_F(AppStateTest, AutoSaveWritesTheStateOfItsTick) {
    AppState state;
    state.createFile(u"a.py"_s, ProgrammingLanguage::python);
    state.setFileText(state.selectedFile()->id, u"x = 1"_s);
    state.autoSave();
    state.setFileText(state.selectedFile()->id, u"x = 2"_s);
    EXPECT_TRUE(QTest::qWaitFor([&] { return readSaveFile().contains("x = 1"); }, 5000));
}
