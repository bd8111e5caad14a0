#include "models/workspace_model.h"
#include "support/accessibility_audit.h"
#include "support/printers.h"
#include "support/test_support.h"
#include "support/widgets.h"
#include "ui/sidebar/root_drop_area.h"
#include "ui/sidebar/sidebar.h"
#include "ui/sidebar/workspace_row_delegate.h"
#include "ui/sidebar/workspace_tree_view.h"
#include "ui/window_context.h"
#include "workspace/workspace_fixture.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

class SidebarTest : public ::testing::Test {
protected:
    void SetUp() override { start(); }

    // An empty workspace and a new sidebar.
    void start() {
        sidebar.reset();
        owners.reset();
        startAsFirstRun();
        owners = std::make_unique<WindowContext>();
        sidebar = std::make_unique<Sidebar>(owners->workspace);
        sidebar->resize(260, 640);
        sidebar->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(sidebar.get()));
    }

    // A folder "graphs" holding solution.cpp and bfs.py, and main.c at the root.
    QUuid fillWorkspace() {
        owners->workspace.createFolder(u"graphs"_s);
        const QUuid folder = owners->workspace.folders()[0].id;
        owners->workspace.createFile(u"solution.cpp"_s, ProgrammingLanguage::cpp, folder);
        owners->workspace.createFile(u"bfs.py"_s, ProgrammingLanguage::python, folder);
        owners->workspace.createFile(u"main.c"_s, ProgrammingLanguage::c);
        return folder;
    }

    template <typename T = QWidget> T* named(const QString& name, QWidget* within = nullptr) {
        return ::named<T>(within ? within : sidebar.get(), name);
    }

    QModelIndex rowOf(const QUuid& id) const {
        const QModelIndex file = sidebar->model().indexOfFile(id);
        return file.isValid() ? file : sidebar->model().indexOfFolder(id);
    }

    void chooseFromMenu(const QUuid& id, const QString& entry) {
        WorkspaceTreeView* list = sidebar->list();
        chooseFromContextMenu(list->viewport(), list->visualRect(rowOf(id)).center(), entry);
    }

    void answer(const QString& button) {
        auto* box = sidebar->findChild<QMessageBox*>();
        ASSERT_TRUE(box && box->isVisible());
        for (QAbstractButton* candidate : box->buttons()) {
            if (candidate->text() == button)
                candidate->click();
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return !sidebar->findChild<QMessageBox*>(); }));
    }

    QDialog* openSheet() {
        for (QDialog* sheet : sidebar->findChildren<QDialog*>()) {
            if (sheet->isVisible())
                return sheet;
        }
        ADD_FAILURE() << "no sheet is open";
        return nullptr;
    }

    std::unique_ptr<WindowContext> owners;
    std::unique_ptr<Sidebar> sidebar;
};

// What matches is the model's rule; here, that the field drives it.
TEST_F(SidebarTest, TheSearchFieldListsMatchesFlatAndHidesTheDropArea) {
    fillWorkspace();
    const auto rows = [&] {
        QStringList names;
        for (int row = 0; row < sidebar->model().rowCount(); ++row)
            names.append(sidebar->model().index(row, 0).data().toString());
        return names;
    };
    auto* search = named<QLineEdit>(u"파일 검색"_s);
    search->setText(u".c"_s);
    EXPECT_EQ(rows(), (QStringList{u"main.c"_s, u"solution.cpp"_s}));
    EXPECT_FALSE(sidebar->rootDropArea()->isVisible()) << "nothing can drop while searching";
    search->clear();
    EXPECT_EQ(rows(), (QStringList{u"graphs"_s, u"main.c"_s}));
    EXPECT_TRUE(sidebar->rootDropArea()->isVisible());
}

TEST_F(SidebarTest, DeletingFromTheSidebarAsksFirstAndOnlyDeleteDeletes) {
    for (const bool folder : {false, true}) {
        for (const QString& reply : {u"취소"_s, u"삭제"_s}) {
            start();
            const QUuid folderId = fillWorkspace();
            const QUuid target = folder ? folderId : owners->workspace.files()[0].id;
            chooseFromMenu(target, u"삭제"_s);
            EXPECT_EQ(owners->workspace.files().size(), 3) << "nothing goes before the answer";
            answer(reply);
            const bool deleted = reply == u"삭제"_s;
            EXPECT_EQ(owners->workspace.files().size(), deleted ? (folder ? 1 : 2) : 3) << folder;
            EXPECT_EQ(owners->workspace.folders().size(), deleted && folder ? 0 : 1);
            for (const QUuid& tab : owners->workspace.openTabIds())
                EXPECT_TRUE(owners->workspace.file(tab)) << "a deleted file's tab goes too";
        }
    }
}

TEST_F(SidebarTest, DroppingAFileRowMovesItToTheRootAreaOrIntoAFolder) {
    const QUuid folder = fillWorkspace();
    const QUuid file = owners->workspace.files()[0].id;
    WorkspaceModel& model = sidebar->model();
    const auto drag = [&](QWidget* target, const QPoint& at) {
        std::unique_ptr<QMimeData> data(model.mimeData({model.indexOfFile(file)}));
        QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);
        EXPECT_TRUE(drop.isAccepted());
    };

    RootDropArea* root = sidebar->rootDropArea();
    drag(root, root->rect().center());
    EXPECT_FALSE(owners->workspace.file(file)->folderId.has_value());
    EXPECT_FALSE(model.indexOfFile(file).parent().isValid()) << "listed with the root files";
    EXPECT_FALSE(root->isHovered()) << "the tint goes with the drag";

    WorkspaceTreeView* list = sidebar->list();
    drag(list->viewport(), list->visualRect(model.indexOfFolder(folder)).center());
    EXPECT_EQ(owners->workspace.file(file)->folderId, folder);
}

TEST_F(SidebarTest, QuickCreateButtonsMakeUniqueDefaultNames) {
    for (int i = 0; i < 3; ++i)
        named<QAbstractButton>(u"C++"_s)->click();
    named<QAbstractButton>(u"Python"_s)->click();
    EXPECT_EQ(fileNames(owners->workspace.files()),
              (QStringList{u"solution.cpp"_s, u"solution_1.cpp"_s, u"solution_2.cpp"_s,
                           u"solution.py"_s}));
    EXPECT_FALSE(sidebar->findChild<QWidget*>(u"sidebarEmpty"_s)->isVisible());
}

TEST_F(SidebarTest, RenamingAFileKeepsItsExtensionAndRefusesATakenName) {
    fillWorkspace();
    const QUuid file = owners->workspace.files()[0].id;
    chooseFromMenu(file, u"이름 변경"_s);
    auto* field = named<QLineEdit>(u"파일 이름"_s);
    EXPECT_EQ(field->text(), u"solution"_s) << "the base name only";
    EXPECT_EQ(openSheet()->focusWidget(), field);

    field->setText(u"main"_s);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(owners->workspace.file(file)->name, u"main.cpp"_s);

    // bfs.py exists: a Python file may not take that name, and the sheet says so.
    const QUuid python = owners->workspace.files()[1].id;
    owners->workspace.createFile(u"dfs.py"_s, ProgrammingLanguage::python);
    chooseFromMenu(owners->workspace.files().last().id, u"이름 변경"_s);
    field = named<QLineEdit>(u"파일 이름"_s);
    field->setText(u"bfs"_s);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(openSheet()->isVisible());
    EXPECT_TRUE(openSheet()->findChild<QWidget*>(u"sheetError"_s)->isVisible());
    EXPECT_EQ(owners->workspace.files().last().name, u"dfs.py"_s);
    EXPECT_EQ(owners->workspace.file(python)->name, u"bfs.py"_s);
    QTest::keyClick(field, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sidebar->findChild<QDialog*>(); }));
    EXPECT_EQ(owners->workspace.files().last().name, u"dfs.py"_s);
}

TEST_F(SidebarTest, FolderSheetsCreateAndRenameAndEscapeChangesNothing) {
    named<QAbstractButton>(u"새 폴더"_s)->click();
    auto* field = named<QLineEdit>(u"폴더 이름"_s);
    QTest::keyClick(field, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sidebar->findChild<QDialog*>(); }));
    EXPECT_TRUE(owners->workspace.folders().isEmpty());

    named<QAbstractButton>(u"새 폴더"_s)->click();
    field = named<QLineEdit>(u"폴더 이름"_s);
    EXPECT_EQ(openSheet()->focusWidget(), field);
    QTest::keyClicks(field, u"dp"_s);
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_EQ(owners->workspace.folders().size(), 1);
    const QUuid folder = owners->workspace.folders()[0].id;
    EXPECT_TRUE(sidebar->rootDropArea()->isVisible()) << "a folder exists";

    chooseFromMenu(folder, u"이름 변경"_s);
    field = named<QLineEdit>(u"폴더 이름"_s);
    EXPECT_EQ(field->text(), u"dp"_s);
    field->setText(u"DP"_s);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(owners->workspace.folder(folder)->name, u"DP"_s);

    // The folder row's "+" asks for a new file in it and leaves the folder as it was.
    WorkspaceTreeView* list = sidebar->list();
    const QRect row = list->visualRect(sidebar->model().indexOfFolder(folder));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      WorkspaceRowDelegate::addButtonRect(row).center());
    EXPECT_TRUE(owners->workspace.folder(folder)->isExpanded);
    named<QAbstractButton>(u"Python"_s, openSheet())->click();
    field = named<QLineEdit>(u"파일 이름 입력"_s);
    QTest::keyClicks(field, u"knapsack"_s);
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_EQ(owners->workspace.files().size(), 1);
    EXPECT_EQ(owners->workspace.files()[0].name, u"knapsack.py"_s);
    EXPECT_EQ(owners->workspace.files()[0].folderId, folder);
}

TEST_F(SidebarTest, EveryControlHasAName) {
    fillWorkspace();
    EXPECT_EQ(unnamedControls(sidebar.get()), QStringList());
}
