#include "support/printers.h"
#include "workspace/app_state.h"
#include "workspace_fixture.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList names(const QList<FileItem>& files) {
    QStringList result;
    for (const FileItem& file : files)
        result.append(file.name);
    return result;
}

QStringList tabNames(const AppState& state) {
    QStringList result;
    for (const QUuid& id : state.openTabIds())
        result.append(state.file(id)->name);
    return result;
}

} // namespace

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
        state.createFolder(QStringLiteral("dp"));
        state.createFile(QStringLiteral("a.cpp"), ProgrammingLanguage::cpp);
        state.createFile(QStringLiteral("b.py"), ProgrammingLanguage::python,
                         state.folders().first().id);
        state.updateFileContent(QStringLiteral("print('안녕')"));
        selected = state.selectedFile()->id;
    }
    AppState state;
    EXPECT_EQ(names(state.files()), (QStringList{QStringLiteral("a.cpp"), QStringLiteral("b.py")}));
    EXPECT_EQ(state.files()[1].folderId, state.folders().first().id);
    EXPECT_EQ(state.openTabIds().size(), 2);
    EXPECT_EQ(state.selectedFile()->id, selected);
    EXPECT_EQ(state.selectedFile()->content, QStringLiteral("print('안녕')"));
}

TEST_F(AppStateTest, CreateFileUsesTheUsersTemplateNotTheBuiltInText) {
    AppState state;
    TemplateSettings mine;
    mine.templateCpp = QStringLiteral("// mine");
    state.settings().setTemplates(mine);
    state.createFile(QStringLiteral("x.cpp"), ProgrammingLanguage::cpp);
    state.createFile(QStringLiteral("x.cpp"), ProgrammingLanguage::cpp);
    state.createFile(QStringLiteral("n.txt"), ProgrammingLanguage::txt);
    EXPECT_EQ(state.files()[0].content, QStringLiteral("// mine"));
    EXPECT_EQ(state.files().size(), 3) << "names are not unique on creation";
    EXPECT_TRUE(state.files()[2].content.isEmpty());
}

TEST_F(AppStateTest, ClosingTabsSelectsTheRightmostRemainingTab) {
    AppState state;
    for (const char* name : {"a.c", "b.c", "c.c"})
        state.createFile(QString::fromUtf8(name), ProgrammingLanguage::c);
    state.openFile(state.files()[1].id);
    state.closeTab(state.files()[1].id);
    EXPECT_EQ(state.selectedFile()->name, QStringLiteral("c.c"));
    state.closeTab(state.files()[2].id);
    state.closeTab(state.files()[0].id);
    EXPECT_FALSE(state.selectedFile());
    EXPECT_TRUE(state.openTabIds().isEmpty());
}

TEST_F(AppStateTest, OpeningAnOpenFileOnlySelectsIt) {
    AppState state;
    state.createFile(QStringLiteral("a.c"), ProgrammingLanguage::c);
    state.createFile(QStringLiteral("b.c"), ProgrammingLanguage::c);
    state.openFile(state.files()[0].id);
    EXPECT_EQ(tabNames(state), (QStringList{QStringLiteral("a.c"), QStringLiteral("b.c")}));
    EXPECT_EQ(state.selectedFile()->name, QStringLiteral("a.c"));
    state.closeOtherTabs(state.files()[1].id);
    EXPECT_EQ(tabNames(state), QStringList{QStringLiteral("b.c")});
}

TEST_F(AppStateTest, UpdateFileContentNamesTheOneFileItChanged) {
    AppState state;
    EXPECT_FALSE(state.updateFileContent(QStringLiteral("nothing selected")));
    EXPECT_TRUE(state.files().isEmpty());

    state.createFile(QStringLiteral("a.py"), ProgrammingLanguage::python);
    state.createFile(QStringLiteral("b.py"), ProgrammingLanguage::python);
    const Timestamp before = state.files()[1].modifiedAt;
    QSignalSpy changed(&state, &AppState::fileChanged);
    QSignalSpy selection(&state, &AppState::selectedFileChanged);
    EXPECT_TRUE(state.updateFileContent(QStringLiteral("x = 1")));
    EXPECT_EQ(state.files()[1].content, QStringLiteral("x = 1"));
    EXPECT_EQ(state.files()[0].content,
              state.settings().templates().text(ProgrammingLanguage::python));
    EXPECT_GE(state.files()[1].modifiedAt, before);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toUuid(), state.files()[1].id);
    EXPECT_EQ(selection.count(), 0);
}

TEST_F(AppStateTest, MovedFileKeepsItsTabAndIsSavedAtOnce) {
    AppState state;
    state.createFolder(QStringLiteral("f"));
    state.createFile(QStringLiteral("a.c"), ProgrammingLanguage::c);
    state.moveFile(state.files()[0].id, state.folders()[0].id);
    EXPECT_EQ(state.files()[0].folderId, state.folders()[0].id);
    EXPECT_EQ(state.openTabIds(), QList<QUuid>{state.files()[0].id});
    EXPECT_TRUE(readSaveFile().contains("folderId"));
}

TEST_F(AppStateTest, DeletingAFolderDeletesItsFilesAndTheirTabs) {
    AppState state;
    state.createFolder(QStringLiteral("f"));
    const QUuid folder = state.folders()[0].id;
    state.createFile(QStringLiteral("root.c"), ProgrammingLanguage::c);
    for (const char* name : {"1.c", "2.c", "3.c"})
        state.createFile(QString::fromUtf8(name), ProgrammingLanguage::c, folder);
    state.deleteFolder(folder);
    EXPECT_EQ(names(state.files()), QStringList{QStringLiteral("root.c")});
    EXPECT_EQ(tabNames(state), QStringList{QStringLiteral("root.c")});
    EXPECT_EQ(state.selectedFile()->name, QStringLiteral("root.c"));
    EXPECT_TRUE(state.folders().isEmpty());
}

TEST_F(AppStateTest, TestCaseOperations) {
    AppState state;
    TestCase first = state.testCases()[0];
    first.input = QStringLiteral("1 2");
    first.expectedOutput = QStringLiteral("3");
    first.passed = true;
    state.updateTestCase(first);
    state.duplicateTestCase(state.testCases()[0]);
    ASSERT_EQ(state.testCases().size(), 2);
    EXPECT_NE(state.testCases()[1].id, first.id);
    EXPECT_EQ(state.testCases()[1].input, QStringLiteral("1 2"));
    EXPECT_FALSE(state.testCases()[1].passed) << "a duplicate carries no results";
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
        QDir(saveFolder()).entryList({QStringLiteral("appdata.json.unreadable-*")}, QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    QFile copy(saveFolder() + QLatin1Char('/') + copies[0]);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), broken);
    EXPECT_NE(readSaveFile(), broken) << "the workspace file itself is rewritten";
}

TEST_F(AppStateTest, ResetDataKeepsFoldersAndSettings) {
    AppState state;
    state.settings().setIndentation({.tabSize = 2});
    state.createFolder(QStringLiteral("kept"));
    state.createFile(QStringLiteral("a.c"), ProgrammingLanguage::c);
    state.setConsoleOutput(QStringLiteral("old"));
    state.resetData();
    EXPECT_TRUE(state.files().isEmpty());
    EXPECT_FALSE(state.selectedFile());
    EXPECT_EQ(state.folders().size(), 1);
    EXPECT_EQ(state.testCases().size(), 1);
    EXPECT_TRUE(state.consoleOutput().isEmpty());
    EXPECT_EQ(state.settings().indentation().tabSize, 2);
    EXPECT_TRUE(readSaveFile().contains("\"name\":\"kept\""));
}

TEST_F(AppStateTest, ResetAllForgetsSettingsAndStillSaves) {
    AppState state;
    state.settings().setExecution({.executionTimeout = 0});
    TemplateSettings mine;
    mine.templateCpp = QStringLiteral("// mine");
    state.settings().setTemplates(mine);
    state.settings().setOnboarding({.hasSeenOnboarding = true});
    state.setFontSize(20);
    state.resetAll();
    EXPECT_EQ(state.settings().execution(), ExecutionSettings());
    EXPECT_EQ(state.settings().onboarding(), OnboardingSettings());
    EXPECT_EQ(state.fontSize(), 14);
    state.createFile(QStringLiteral("a.cpp"), ProgrammingLanguage::cpp);
    EXPECT_TRUE(state.files()[0].content.startsWith(QStringLiteral("#include <iostream>")));
    EXPECT_TRUE(QFile::exists(savePath())) << "saving makes the deleted folder again";
}

TEST_F(AppStateTest, AnAutoSaveInFlightNeverLandsAfterALaterSave) {
    AppState state;
    // Large enough that the tick's worker is still writing when saveData starts.
    state.createFile(QStringLiteral("big.txt"), ProgrammingLanguage::txt);
    state.updateFileContent(QString(8'000'000, QLatin1Char('/')));
    state.autoSave();
    state.updateFileContent(QStringLiteral("newest"));
    state.saveData();
    ASSERT_TRUE(readSaveFile().contains("\"content\":\"newest\""));
    EXPECT_FALSE(QTest::qWaitFor([&] { return !readSaveFile().contains("newest"); }, 1500))
        << "the older tick's write landed last";
}

TEST_F(AppStateTest, AutoSaveWritesTheStateOfItsTick) {
    AppState state;
    state.createFile(QStringLiteral("a.py"), ProgrammingLanguage::python);
    state.updateFileContent(QStringLiteral("x = 1"));
    state.autoSave();
    state.updateFileContent(QStringLiteral("x = 2"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return readSaveFile().contains("x = 1"); }, 5000));
}
