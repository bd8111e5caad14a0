#include "models/item_roles.h"
#include "models/workspace_model.h"
#include "support/accessibility_audit.h"
#include "support/printers.h"
#include "ui/sidebar/root_drop_area.h"
#include "ui/sidebar/sidebar.h"
#include "ui/sidebar/workspace_row_delegate.h"
#include "ui/sidebar/workspace_tree_view.h"
#include "workspace/app_state.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

class SidebarTest : public ::testing::Test {
protected:
    void SetUp() override { start(); }

    // An empty workspace and a new sidebar.
    void start() {
        sidebar.reset();
        state.reset();
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
             QStringLiteral("/Corvanta"))
            .removeRecursively();
        QSettings().clear();
        state = std::make_unique<AppState>();
        sidebar = std::make_unique<Sidebar>(*state);
        sidebar->resize(260, 640);
        sidebar->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(sidebar.get()));
    }

    void TearDown() override {
        sidebar.reset();
        state.reset();
    }

    // A folder "graphs" holding solution.cpp and bfs.py, and main.c at the root.
    QUuid fillWorkspace() {
        state->createFolder(QStringLiteral("graphs"));
        const QUuid folder = state->folders()[0].id;
        state->createFile(QStringLiteral("solution.cpp"), ProgrammingLanguage::cpp, folder);
        state->createFile(QStringLiteral("bfs.py"), ProgrammingLanguage::python, folder);
        state->createFile(QStringLiteral("main.c"), ProgrammingLanguage::c);
        return folder;
    }

    // The visible control a person would find by that name.
    template <typename T = QWidget> T* named(const QString& name, QWidget* within = nullptr) {
        for (QWidget* widget : (within ? within : sidebar.get())->findChildren<T*>()) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
            if (widget->isVisible() && face && face->text(QAccessible::Name) == name)
                return static_cast<T*>(widget);
        }
        ADD_FAILURE() << "nothing visible is named " << name.toStdString();
        return nullptr;
    }

    QModelIndex rowOf(const QUuid& id) const {
        const QModelIndex file = sidebar->model().indexOfFile(id);
        return file.isValid() ? file : sidebar->model().indexOfFolder(id);
    }

    // Right-clicks the row and chooses `entry` in its menu.
    void chooseFromMenu(const QUuid& id, const QString& entry) {
        WorkspaceTreeView* list = sidebar->list();
        const QPoint at = list->visualRect(rowOf(id)).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &event);
        QMenu* menu = nullptr;
        for (QMenu* candidate : sidebar->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
            if (candidate->isVisible())
                menu = candidate;
        }
        ASSERT_TRUE(menu);
        for (QAction* action : menu->actions()) {
            if (action->text() == entry) {
                menu->close();
                action->trigger();
                return;
            }
        }
        FAIL() << "no menu entry " << entry.toStdString();
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

    std::unique_ptr<AppState> state;
    std::unique_ptr<Sidebar> sidebar;
};

TEST_F(SidebarTest, SearchShowsMatchingFilesFlatAndNeverTheFolders) {
    fillWorkspace();
    const struct {
        QString text;
        QStringList rows;
    } cases[] = {
        {QStringLiteral("zzz"), {}},
        {QStringLiteral("SOL"), {QStringLiteral("solution.cpp")}},
        {QStringLiteral(".c"), {QStringLiteral("main.c"), QStringLiteral("solution.cpp")}},
    };
    auto* search = named<QLineEdit>(QStringLiteral("파일 검색"));
    for (const auto& c : cases) {
        search->setText(c.text);
        QStringList rows;
        const WorkspaceModel& model = sidebar->model();
        for (int row = 0; row < model.rowCount(); ++row) {
            EXPECT_FALSE(model.index(row, 0).data(IsFolderRole).toBool()) << c.text.toStdString();
            rows.append(model.index(row, 0).data().toString());
        }
        EXPECT_EQ(rows, c.rows) << c.text.toStdString();
        EXPECT_FALSE(sidebar->rootDropArea()->isVisible()) << "nothing can drop while searching";
    }
    search->clear();
    EXPECT_EQ(sidebar->model().rowCount(), 2) << "the folder and the root file";
    EXPECT_TRUE(sidebar->rootDropArea()->isVisible());
}

TEST_F(SidebarTest, DeletingFromTheSidebarAsksFirstAndOnlyDeleteDeletes) {
    for (const bool folder : {false, true}) {
        for (const QString& reply : {QStringLiteral("취소"), QStringLiteral("삭제")}) {
            start();
            const QUuid folderId = fillWorkspace();
            const QUuid target = folder ? folderId : state->files()[0].id;
            chooseFromMenu(target, QStringLiteral("삭제"));
            EXPECT_EQ(state->files().size(), 3) << "nothing goes before the answer";
            answer(reply);
            const bool deleted = reply == QStringLiteral("삭제");
            EXPECT_EQ(state->files().size(), deleted ? (folder ? 1 : 2) : 3) << folder;
            EXPECT_EQ(state->folders().size(), deleted && folder ? 0 : 1);
            for (const QUuid& tab : state->openTabIds())
                EXPECT_TRUE(state->file(tab)) << "a deleted file's tab goes too";
        }
    }
}

TEST_F(SidebarTest, DroppingAFileRowMovesItToTheRootAreaOrIntoAFolder) {
    const QUuid folder = fillWorkspace();
    const QUuid file = state->files()[0].id;
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
    EXPECT_FALSE(state->file(file)->folderId.has_value());
    EXPECT_FALSE(model.indexOfFile(file).parent().isValid()) << "listed with the root files";
    EXPECT_FALSE(root->isHovered()) << "the tint goes with the drag";

    WorkspaceTreeView* list = sidebar->list();
    drag(list->viewport(), list->visualRect(model.indexOfFolder(folder)).center());
    EXPECT_EQ(state->file(file)->folderId, folder);
}

TEST_F(SidebarTest, QuickCreateButtonsMakeUniqueDefaultNames) {
    for (int i = 0; i < 3; ++i)
        named<QAbstractButton>(QStringLiteral("C++"))->click();
    named<QAbstractButton>(QStringLiteral("Python"))->click();
    QStringList names;
    for (const FileItem& file : state->files())
        names.append(file.name);
    EXPECT_EQ(names,
              (QStringList{QStringLiteral("solution.cpp"), QStringLiteral("solution_1.cpp"),
                           QStringLiteral("solution_2.cpp"), QStringLiteral("solution.py")}));
    EXPECT_FALSE(sidebar->findChild<QWidget*>(QStringLiteral("sidebarEmpty"))->isVisible());
}

TEST_F(SidebarTest, RenamingAFileKeepsItsExtensionAndRefusesATakenName) {
    fillWorkspace();
    const QUuid file = state->files()[0].id;
    chooseFromMenu(file, QStringLiteral("이름 변경"));
    auto* field = named<QLineEdit>(QStringLiteral("파일 이름"));
    EXPECT_EQ(field->text(), QStringLiteral("solution")) << "the base name only";
    EXPECT_EQ(openSheet()->focusWidget(), field);

    field->setText(QStringLiteral("main"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(state->file(file)->name, QStringLiteral("main.cpp"));

    // bfs.py exists: a Python file may not take that name, and the sheet says so.
    const QUuid python = state->files()[1].id;
    state->createFile(QStringLiteral("dfs.py"), ProgrammingLanguage::python);
    chooseFromMenu(state->files().last().id, QStringLiteral("이름 변경"));
    field = named<QLineEdit>(QStringLiteral("파일 이름"));
    field->setText(QStringLiteral("bfs"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(openSheet()->isVisible());
    EXPECT_TRUE(openSheet()->findChild<QWidget*>(QStringLiteral("sheetError"))->isVisible());
    EXPECT_EQ(state->files().last().name, QStringLiteral("dfs.py"));
    EXPECT_EQ(state->file(python)->name, QStringLiteral("bfs.py"));
    QTest::keyClick(field, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sidebar->findChild<QDialog*>(); }));
    EXPECT_EQ(state->files().last().name, QStringLiteral("dfs.py"));
}

TEST_F(SidebarTest, FolderSheetsCreateAndRenameAndEscapeChangesNothing) {
    named<QAbstractButton>(QStringLiteral("새 폴더"))->click();
    auto* field = named<QLineEdit>(QStringLiteral("폴더 이름"));
    QTest::keyClick(field, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sidebar->findChild<QDialog*>(); }));
    EXPECT_TRUE(state->folders().isEmpty());

    named<QAbstractButton>(QStringLiteral("새 폴더"))->click();
    field = named<QLineEdit>(QStringLiteral("폴더 이름"));
    EXPECT_EQ(openSheet()->focusWidget(), field);
    QTest::keyClicks(field, QStringLiteral("dp"));
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_EQ(state->folders().size(), 1);
    const QUuid folder = state->folders()[0].id;
    EXPECT_TRUE(sidebar->rootDropArea()->isVisible()) << "a folder exists";

    chooseFromMenu(folder, QStringLiteral("이름 변경"));
    field = named<QLineEdit>(QStringLiteral("폴더 이름"));
    EXPECT_EQ(field->text(), QStringLiteral("dp"));
    field->setText(QStringLiteral("DP"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(state->folder(folder)->name, QStringLiteral("DP"));

    // The folder row's "+" asks for a new file in it and leaves the folder as it was.
    WorkspaceTreeView* list = sidebar->list();
    const QRect row = list->visualRect(sidebar->model().indexOfFolder(folder));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      WorkspaceRowDelegate::addButtonRect(row).center());
    EXPECT_TRUE(state->folder(folder)->isExpanded);
    named<QAbstractButton>(QStringLiteral("Python"), openSheet())->click();
    field = named<QLineEdit>(QStringLiteral("파일 이름 입력"));
    QTest::keyClicks(field, QStringLiteral("knapsack"));
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_EQ(state->files().size(), 1);
    EXPECT_EQ(state->files()[0].name, QStringLiteral("knapsack.py"));
    EXPECT_EQ(state->files()[0].folderId, folder);
}

TEST_F(SidebarTest, EveryControlHasAName) {
    fillWorkspace();
    EXPECT_EQ(unnamedControls(sidebar.get()), QStringList());
}
