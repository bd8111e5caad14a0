#include "models/case_model.h"
#include "models/item_roles.h"
#include "models/open_tabs_model.h"
#include "models/workspace_model.h"
#include "support/printers.h"
#include "ui/window_context.h"
#include "workspace/save_file.h"
#include "workspace/workspace_fixture.h"

#include <QAbstractItemModelTester>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The tree as a person reads it: folders with their file count, their files
// indented below them.
QStringList rows(const QAbstractItemModel& model, const QModelIndex& parent = {}) {
    QStringList lines;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        QString line =
            QString(parent.isValid() ? 2 : 0, QLatin1Char(' ')) + index.data().toString();
        if (index.data(IsFolderRole).toBool())
            line += u" (%1)"_s.arg(index.data(FileCountRole).toInt());
        lines.append(line);
        lines.append(rows(model, index));
    }
    return lines;
}

// Every way a model can tell its views that more than one row changed.
struct WideChanges {
    explicit WideChanges(QAbstractItemModel& model)
        : reset(&model, &QAbstractItemModel::modelReset),
          layout(&model, &QAbstractItemModel::layoutChanged),
          inserted(&model, &QAbstractItemModel::rowsInserted),
          removed(&model, &QAbstractItemModel::rowsRemoved),
          moved(&model, &QAbstractItemModel::rowsMoved) {}

    int count() const {
        return int(reset.count() + layout.count() + inserted.count() + removed.count() +
                   moved.count());
    }

    QSignalSpy reset, layout, inserted, removed, moved;
};

} // namespace

class ModelsTest : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        start();
    }

    // Starts the workspace and its models afresh, from this save file if one is given.
    void start(const QByteArray& saveFile = {}) {
        testers.clear();
        testCases.reset();
        tabs.reset();
        workspace.reset();
        owners.reset();
        if (!saveFile.isEmpty())
            writeSaveFile(saveFile);
        owners = std::make_unique<WindowContext>();
        workspace = std::make_unique<WorkspaceModel>(owners->workspace);
        tabs = std::make_unique<OpenTabsModel>(owners->workspace);
        testCases = std::make_unique<CaseModel>(owners->workspace.cases());
        // Each tester checks every signal against the model's answers; a
        // broken promise is a Qt warning, which fails the test.
        using Mode = QAbstractItemModelTester::FailureReportingMode;
        for (QAbstractItemModel* model : std::initializer_list<QAbstractItemModel*>{
                 workspace.get(), tabs.get(), testCases.get()})
            testers.push_back(std::make_unique<QAbstractItemModelTester>(model, Mode::Warning));
    }

    // Files last edited in the order given, a second apart.
    void startWith(const QList<std::tuple<const char*, ProgrammingLanguage, bool>>& files) {
        WorkspaceSnapshot snapshot;
        snapshot.folders = {FolderItem::make(u"f"_s)};
        for (const auto& [name, language, inFolder] : files) {
            FileItem file = FileItem::make(QString::fromUtf8(name), language, {});
            file.modifiedAt = QDateTime::fromSecsSinceEpoch(1'000'000 + snapshot.files.size());
            if (inFolder)
                file.folderId = snapshot.folders[0].id;
            snapshot.files.append(file);
        }
        start(encodeWorkspace(snapshot));
    }

    const FileItem& named(const QString& name) const {
        return *std::find_if(owners->workspace.files().begin(), owners->workspace.files().end(),
                             [&](const FileItem& file) { return file.name == name; });
    }

    std::unique_ptr<WindowContext> owners;
    std::unique_ptr<WorkspaceModel> workspace;
    std::unique_ptr<OpenTabsModel> tabs;
    std::unique_ptr<CaseModel> testCases;
    std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
};

TEST_F(ModelsTest, FollowAWholeSessionRowByRow) {
    owners->workspace.createFolder(u"그래프"_s);
    owners->workspace.createFolder(u"dp"_s);
    const QUuid graph = owners->workspace.folders()[0].id;
    const QUuid dp = owners->workspace.folders()[1].id;
    owners->workspace.createFile(u"main.cpp"_s, ProgrammingLanguage::cpp);
    owners->workspace.createFile(u"bfs.py"_s, ProgrammingLanguage::python, graph);
    owners->workspace.createFile(u"dfs.c"_s, ProgrammingLanguage::c, graph);
    owners->workspace.createFile(u"knapsack.java"_s, ProgrammingLanguage::java, dp);
    owners->workspace.renameFile(named(u"dfs.c"_s).id, u"a_dfs"_s);
    owners->workspace.moveFile(named(u"knapsack.java"_s).id, graph);
    owners->workspace.duplicateFile(named(u"bfs.py"_s).id);
    owners->workspace.toggleFolder(dp);
    owners->workspace.renameFolder(dp, u"DP"_s);
    owners->workspace.closeTab(named(u"main.cpp"_s).id);
    owners->workspace.setFileText(owners->workspace.selectedFile()->id, u"print(1)"_s);
    EXPECT_EQ(rows(*workspace),
              (QStringList{u"그래프 (3)"_s, u"  a_dfs.c"_s, u"  bfs.py"_s, u"  knapsack.java"_s,
                           u"DP (0)"_s, u"bfs_copy.py"_s, u"main.cpp"_s}));
    EXPECT_FALSE(workspace->indexOfFolder(dp).data(ExpandedRole).toBool());
    EXPECT_EQ(rows(*tabs),
              (QStringList{u"bfs.py"_s, u"a_dfs.c"_s, u"knapsack.java"_s, u"bfs_copy.py"_s}));
    const QModelIndex selected = tabs->indexOfFile(*owners->workspace.selectedFileId());
    EXPECT_EQ(selected.row(), 3);
    EXPECT_TRUE(selected.data(SelectedRole).toBool());
    EXPECT_TRUE(
        workspace->indexOfFile(*owners->workspace.selectedFileId()).data(SelectedRole).toBool());

    owners->workspace.deleteFolder(graph);
    owners->workspace.deleteFile(named(u"main.cpp"_s).id);
    EXPECT_EQ(rows(*workspace), (QStringList{u"DP (0)"_s, u"bfs_copy.py"_s}));
    EXPECT_EQ(rows(*tabs), QStringList{u"bfs_copy.py"_s});
    EXPECT_FALSE(readSaveFile().contains("main.cpp")) << "a deletion saves at once";

    owners->workspace.cases().addTestCase();
    owners->workspace.cases().duplicateTestCase(owners->workspace.cases().testCases()[0]);
    owners->workspace.cases().deleteTestCase(owners->workspace.cases().testCases()[1]);
    EXPECT_EQ(testCases->rowCount(), 2);
    owners->store.resetData();
    EXPECT_EQ(rows(*workspace), QStringList{u"DP (0)"_s});
    EXPECT_EQ(tabs->rowCount(), 0);
    EXPECT_EQ(testCases->rowCount(), 1);
}

TEST_F(ModelsTest, ATextCommitTouchesOnlyItsFilesRow) {
    owners->workspace.createFolder(u"f"_s);
    for (const char* name : {"a.cpp", "b.cpp", "c.cpp"})
        owners->workspace.createFile(QString::fromUtf8(name), ProgrammingLanguage::cpp,
                                     owners->workspace.folders()[0].id);
    owners->workspace.createFile(u"root.cpp"_s, ProgrammingLanguage::cpp);
    owners->workspace.openFile(named(u"b.cpp"_s).id);

    WideChanges workspaceWide(*workspace), tabsWide(*tabs), casesWide(*testCases);
    QSignalSpy workspaceRows(workspace.get(), &QAbstractItemModel::dataChanged);
    QSignalSpy tabRows(tabs.get(), &QAbstractItemModel::dataChanged);
    QSignalSpy caseRows(testCases.get(), &QAbstractItemModel::dataChanged);
    ASSERT_TRUE(
        owners->workspace.setFileText(owners->workspace.selectedFile()->id, u"int main() {}"_s));

    const QUuid b = named(u"b.cpp"_s).id;
    ASSERT_EQ(workspaceRows.count(), 1);
    EXPECT_EQ(workspaceRows[0][0].toModelIndex(), workspace->indexOfFile(b));
    EXPECT_EQ(workspaceRows[0][1].toModelIndex(), workspace->indexOfFile(b));
    ASSERT_EQ(tabRows.count(), 1);
    EXPECT_EQ(tabRows[0][0].toModelIndex(), tabs->indexOfFile(b));
    EXPECT_EQ(tabRows[0][1].toModelIndex(), tabs->indexOfFile(b));
    EXPECT_EQ(caseRows.count(), 0);
    EXPECT_EQ(workspaceWide.count() + tabsWide.count() + casesWide.count(), 0);
}

TEST_F(ModelsTest, SortOrdersAndSearch) {
    startWith({{"b.py", ProgrammingLanguage::python, false},
               {"B.c", ProgrammingLanguage::c, false},
               {"solution.py", ProgrammingLanguage::python, true},
               {"a.cs", ProgrammingLanguage::csharp, false},
               {"Solver.cpp", ProgrammingLanguage::cpp, false}});
    const struct {
        SortOrder order;
        const char* search;
        QStringList rows;
    } cases[] = {
        {SortOrder::name,
         "",
         {u"f (1)"_s, u"  solution.py"_s, u"B.c"_s, u"Solver.cpp"_s, u"a.cs"_s, u"b.py"_s}},
        {SortOrder::language,
         "",
         {u"f (1)"_s, u"  solution.py"_s, u"B.c"_s, u"a.cs"_s, u"Solver.cpp"_s, u"b.py"_s}},
        {SortOrder::date,
         "",
         {u"f (1)"_s, u"  solution.py"_s, u"Solver.cpp"_s, u"a.cs"_s, u"B.c"_s, u"b.py"_s}},
        {SortOrder::name, "SOL", {u"Solver.cpp"_s, u"solution.py"_s}},
        {SortOrder::date, "sol", {u"Solver.cpp"_s, u"solution.py"_s}},
        {SortOrder::name, "없음", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.search);
        workspace->setSortOrder(c.order);
        workspace->setSearchText(QString::fromUtf8(c.search));
        EXPECT_EQ(rows(*workspace), c.rows);
    }
}

TEST_F(ModelsTest, WriteBacksAndRenamesMoveRowsWithoutAReset) {
    startWith({{"a.c", ProgrammingLanguage::c, false},
               {"b.c", ProgrammingLanguage::c, false},
               {"c.c", ProgrammingLanguage::c, false}});
    workspace->setSortOrder(SortOrder::date);
    owners->workspace.openFile(named(u"a.c"_s).id);
    WideChanges wide(*workspace);
    owners->workspace.setFileText(owners->workspace.selectedFile()->id, u"int a;"_s);
    EXPECT_EQ(rows(*workspace), (QStringList{u"f (0)"_s, u"a.c"_s, u"c.c"_s, u"b.c"_s}));

    workspace->setSortOrder(SortOrder::name);
    owners->workspace.renameFile(named(u"a.c"_s).id, u"d"_s);
    owners->workspace.renameFile(named(u"c.c"_s).id, u"0"_s);
    EXPECT_EQ(rows(*workspace), (QStringList{u"f (0)"_s, u"0.c"_s, u"b.c"_s, u"d.c"_s}));
    EXPECT_EQ(wide.moved.count(), 3);
    EXPECT_EQ(wide.reset.count(), 1) << "only the new sort order";
    EXPECT_EQ(wide.layout.count(), 0);
}

TEST_F(ModelsTest, DraggingAFileOutOfAFolderDropsItAtTheRoot) {
    owners->workspace.createFolder(u"f"_s);
    const QUuid folder = owners->workspace.folders()[0].id;
    owners->workspace.createFile(u"inner.cpp"_s, ProgrammingLanguage::cpp, folder);
    const QUuid id = owners->workspace.files()[0].id;

    std::unique_ptr<QMimeData> payload(workspace->mimeData({workspace->indexOfFile(id)}));
    ASSERT_TRUE(payload);
    EXPECT_EQ(payload->text(), uuidString(id));
    ASSERT_TRUE(payload->hasFormat(WorkspaceModel::fileIdMimeType));
    EXPECT_FALSE(workspace->mimeData({workspace->indexOfFolder(folder)})) << "folders do not drag";

    // Plain text from elsewhere: only strings naming a file move anything.
    QMimeData text;
    text.setText(u"not an id\n"_s + uuidString(id).toLower());
    EXPECT_TRUE(workspace->dropMimeData(&text, Qt::CopyAction, -1, -1, {}));
    EXPECT_FALSE(owners->workspace.files()[0].folderId);
    EXPECT_EQ(rows(*workspace), (QStringList{u"f (0)"_s, u"inner.cpp"_s}));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const QByteArray saved = readSaveFile();
            return saved.contains("inner.cpp") && !saved.contains("folderId");
        },
        5000))
        << "a drop is saved before the next tick";
    EXPECT_EQ(owners->workspace.openTabIds(), QList<QUuid>{id}) << "a moved file keeps its tab";

    workspace->setSearchText(u"inner"_s);
    EXPECT_FALSE(workspace->canDropMimeData(&text, Qt::MoveAction, -1, -1, {}))
        << "search results show no folders to drop on";
}

TEST_F(ModelsTest, FolderRowsExpandThroughTheModel) {
    owners->workspace.createFolder(u"f"_s);
    const QModelIndex folder = workspace->indexOfFolder(owners->workspace.folders()[0].id);
    QSignalSpy changed(workspace.get(), &QAbstractItemModel::dataChanged);
    EXPECT_TRUE(workspace->setData(folder, false, ExpandedRole));
    EXPECT_FALSE(owners->workspace.folders()[0].isExpanded);
    EXPECT_TRUE(workspace->setData(folder, false, ExpandedRole));
    EXPECT_EQ(changed.count(), 1) << "setting the state it has changes nothing";
}

TEST_F(ModelsTest, TestCaseRowsEditTheirCaseAndShowResults) {
    const QModelIndex first = testCases->index(0);
    EXPECT_TRUE(testCases->setData(first, u"1 2"_s, InputRole));
    EXPECT_TRUE(testCases->setData(first, u"3"_s, ExpectedOutputRole));
    EXPECT_FALSE(testCases->setData(first, u"3"_s, ResultRole));
    EXPECT_EQ(owners->workspace.cases().testCases()[0].input, u"1 2"_s);
    EXPECT_EQ(owners->workspace.cases().testCases()[0].expectedOutput, u"3"_s);
    EXPECT_FALSE(first.data(ResultRole).isValid()) << "no result before a run";

    TestCase ran = owners->workspace.cases().testCases()[0];
    ran.result = CaseResult{{VerdictKind::accepted}, u"3"_s, {}, 12.5, 10, 2048};
    owners->workspace.cases().updateTestCase(ran);
    EXPECT_EQ(first.data(ResultRole).value<CaseResult>(), *ran.result);

    QSignalSpy changed(testCases.get(), &QAbstractItemModel::dataChanged);
    owners->workspace.cases().clearTestResults();
    owners->workspace.cases().clearTestResults();
    EXPECT_EQ(changed.count(), 1) << "only cases that had results change";
    EXPECT_FALSE(first.data(ResultRole).isValid());
}
