#include "support/printers.h"
#include "support/test_cases.h"
#include "workspace_fixture.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

using WorkspaceStoreTest = WorkspaceTest;

TEST_F(WorkspaceStoreTest, FirstStartWritesAnEmptyWorkspaceWithOneTestCase) {
    {
        Owners owners;
        EXPECT_TRUE(owners.workspace.files().isEmpty());
        EXPECT_EQ(owners.workspace.cases().testCases().size(), 1);
    }
    const QByteArray saved = readSaveFile();
    EXPECT_TRUE(
        saved.startsWith("{\"files\":[],\"folders\":[],\"openTabIds\":[],\"testCases\":[{"));
    EXPECT_FALSE(saved.contains("selectedFileId"));
    EXPECT_TRUE(saved.contains("\"expectedOutput\":\"\""));
}

TEST_F(WorkspaceStoreTest, WorkspaceSurvivesARestart) {
    QUuid selected;
    {
        Owners owners;
        owners.workspace.createFolder(u"dp"_s);
        owners.workspace.createFile(u"a.cpp"_s, ProgrammingLanguage::cpp);
        owners.workspace.createFile(u"b.py"_s, ProgrammingLanguage::python,
                                    owners.workspace.folders().first().id);
        owners.workspace.setFileText(owners.workspace.selectedFile()->id, u"print('안녕')"_s);
        selected = owners.workspace.selectedFile()->id;
    }
    Owners owners;
    EXPECT_EQ(fileNames(owners.workspace.files()), (QStringList{u"a.cpp"_s, u"b.py"_s}));
    EXPECT_EQ(owners.workspace.files()[1].folderId, owners.workspace.folders().first().id);
    EXPECT_EQ(owners.workspace.openTabIds().size(), 2);
    EXPECT_EQ(owners.workspace.selectedFile()->id, selected);
    EXPECT_EQ(owners.workspace.selectedFile()->content, u"print('안녕')"_s);
}

TEST_F(WorkspaceStoreTest, EmptyTestCaseListLoadsAsOneEmptyCase) {
    writeSaveFile(R"({"files":[],"openTabIds":[],"testCases":[]})");
    Owners owners;
    ASSERT_EQ(owners.workspace.cases().testCases().size(), 1);
    EXPECT_TRUE(owners.workspace.cases().testCases()[0].input.isEmpty());
}

TEST_F(WorkspaceStoreTest, UnreadableSaveFileIsCopiedAsideBeforeAnySave) {
    const QByteArray broken = R"({"files":[{"id":"x"}],"openTabIds":[],"testCases":[]})";
    writeSaveFile(broken);
    {
        Owners owners;
        EXPECT_TRUE(owners.workspace.files().isEmpty());
        owners.store.saveData();
    }
    const QStringList copies =
        QDir(saveFolder()).entryList({u"appdata.json.unreadable-*"_s}, QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    QFile copy(saveFolder() + QLatin1Char('/') + copies[0]);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), broken);
    EXPECT_NE(readSaveFile(), broken) << "the workspace file itself is rewritten";
}

TEST_F(WorkspaceStoreTest, ResetDataKeepsFoldersAndSettings) {
    Owners owners;
    owners.settings.setIndentation({.tabSize = 2});
    owners.workspace.createFolder(u"kept"_s);
    owners.workspace.createFile(u"a.c"_s, ProgrammingLanguage::c);
    owners.store.resetData();
    EXPECT_TRUE(owners.workspace.files().isEmpty());
    EXPECT_FALSE(owners.workspace.selectedFile());
    EXPECT_EQ(owners.workspace.folders().size(), 1);
    EXPECT_EQ(owners.workspace.cases().testCases().size(), 1);
    EXPECT_EQ(owners.settings.indentation().tabSize, 2);
    EXPECT_TRUE(readSaveFile().contains("\"name\":\"kept\""));
}

TEST_F(WorkspaceStoreTest, ResetAllForgetsSettingsAndStillSaves) {
    Owners owners;
    owners.settings.setExecution({.executionTimeout = 0});
    TemplateSettings mine;
    mine.templateCpp = u"// mine"_s;
    owners.settings.setTemplates(mine);
    owners.settings.setOnboarding({.hasSeenOnboarding = true});
    owners.settings.setEditor({.fontSize = 20});
    owners.store.resetAll();
    EXPECT_EQ(owners.settings.editor(), EditorSettings());
    EXPECT_EQ(owners.settings.execution(), ExecutionSettings());
    EXPECT_EQ(owners.settings.onboarding(), OnboardingSettings());
    owners.workspace.createFile(u"a.cpp"_s, ProgrammingLanguage::cpp);
    EXPECT_TRUE(owners.workspace.files()[0].content.startsWith(u"#include <iostream>"_s));
    EXPECT_TRUE(QFile::exists(savePath())) << "saving makes the deleted folder again";
}

TEST_F(WorkspaceStoreTest, AnAutoSaveInFlightNeverLandsAfterALaterSave) {
    Owners owners;
    // Large enough that the tick's worker is still writing when saveData starts.
    owners.workspace.createFile(u"big.txt"_s, ProgrammingLanguage::txt);
    owners.workspace.setFileText(owners.workspace.selectedFile()->id,
                                 QString(8'000'000, QLatin1Char('/')));
    owners.store.autoSave();
    owners.workspace.setFileText(owners.workspace.selectedFile()->id, u"newest"_s);
    owners.store.saveData();
    ASSERT_TRUE(readSaveFile().contains("\"content\":\"newest\""));
    EXPECT_FALSE(QTest::qWaitFor([&] { return !readSaveFile().contains("newest"); }, 1500))
        << "the older tick's write landed last";
}

TEST_F(WorkspaceStoreTest, AutoSaveWritesTheStateOfItsTick) {
    Owners owners;
    owners.workspace.createFile(u"a.py"_s, ProgrammingLanguage::python);
    owners.store.saveData(); // the new file's own write has landed
    owners.workspace.setFileText(owners.workspace.selectedFile()->id, u"x = 1"_s);
    owners.store.autoSave();
    owners.workspace.setFileText(owners.workspace.selectedFile()->id, u"x = 2"_s);
    EXPECT_TRUE(QTest::qWaitFor([&] { return readSaveFile().contains("x = 1"); }, 5000));
}

// An idle window must not rewrite the file every tick; a change, or a file
// removed behind its back, is written.
TEST_F(WorkspaceStoreTest, OnlyAChangedWorkspaceIsWrittenAgain) {
    Owners owners;
    owners.workspace.createFile(u"a.py"_s, ProgrammingLanguage::python);
    owners.store.saveData();
    const QDateTime old = QDateTime::currentDateTime().addDays(-1);
    const auto modified = [&] { return QFileInfo(savePath()).lastModified(); };
    const auto age = [&] {
        QFile file(savePath());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    };
    age();
    owners.store.saveData();
    EXPECT_EQ(modified(), old);

    owners.workspace.setFileText(owners.workspace.selectedFile()->id, u"x = 1"_s);
    owners.store.saveData();
    EXPECT_NE(modified(), old);

    ASSERT_TRUE(QFile::remove(savePath()));
    owners.store.saveData();
    EXPECT_TRUE(readSaveFile().contains("x = 1"));
}

// A folder where the file goes: no rename can replace it, even for root.
// The failure is said once, whichever write meets it, and lifts with the
// first write that works.
TEST_F(WorkspaceStoreTest, AFailedWriteIsKnownUntilAWriteWorksAgain) {
    Owners owners;
    owners.store.saveData();
    QSignalSpy changes(&owners.store, &WorkspaceStore::saveErrorChanged);
    ASSERT_TRUE(QFile::remove(savePath()));
    ASSERT_TRUE(QDir().mkdir(savePath()));

    owners.workspace.createFile(u"a.py"_s, ProgrammingLanguage::python); // written on the worker
    ASSERT_TRUE(QTest::qWaitFor([&] { return !owners.store.saveError().isEmpty(); }));
    owners.store.saveData();
    EXPECT_EQ(changes.size(), 1);

    ASSERT_TRUE(QDir().rmdir(savePath()));
    owners.store.saveData();
    EXPECT_TRUE(owners.store.saveError().isEmpty());
    EXPECT_EQ(changes.size(), 2);
    EXPECT_TRUE(readSaveFile().contains("a.py"));
}

// What a file of the previous version holds loads as it was, and what this
// one writes keeps the shared list where the previous version reads it.
TEST_F(WorkspaceStoreTest, OwnCasesSurviveARestartBesideTheSharedList) {
    writeSaveFile(readTestData("appdata_before_own_cases.json"));
    QUuid own;
    {
        Owners owners;
        Workspace& workspace = owners.workspace;
        ASSERT_EQ(fileNames(workspace.files()), (QStringList{u"a.cpp"_s, u"b.cpp"_s}));
        EXPECT_EQ(workspace.cases().testCases()[0].input, u"1 2\n"_s);
        EXPECT_EQ(workspace.cases().judgeChoice().comparison, u"tokens"_s);
        own = workspace.files()[1].id;
        workspace.openFile(own);
        workspace.cases().setOwnList(own, CaseList{{testCase(u"5"_s)}, {}});
    }
    const QJsonObject saved = QJsonDocument::fromJson(readSaveFile()).object();
    EXPECT_EQ(saved[u"testCases"_s].toArray()[0][u"input"_s], u"1 2\n"_s);
    Owners owners;
    CaseBook& cases = owners.workspace.cases();
    EXPECT_EQ(cases.testCases()[0].input, u"5"_s) << "the selected file's own cases";
    owners.workspace.openFile(owners.workspace.files()[0].id);
    EXPECT_EQ(cases.testCases()[0].input, u"1 2\n"_s);
    EXPECT_EQ(cases.judgeChoice().comparison, u"tokens"_s);
}
