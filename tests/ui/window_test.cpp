#include "runner/test_run.h"
#include "support/printers.h"
#include "support/test_support.h"
#include "ui/main_window.h"
#include "ui/sheets/new_file_sheet.h"
#include "workspace/app_state.h"
#include "workspace/commands.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QSplitter>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

// The window as a person uses it: controls found by the names a screen
// reader says, pressed with the mouse and the keyboard.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
             QStringLiteral("/Corvanta"))
            .removeRecursively();
        QSettings().clear();
        openWindow();
    }

    void TearDown() override { closeWindow(); }

    void openWindow() {
        state = std::make_unique<AppState>();
        state->settings().setOnboarding({.hasSeenOnboarding = true});
        window = std::make_unique<MainWindow>(*state, commands);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void closeWindow() {
        window.reset();
        state.reset();
    }

    template <typename Widget = QAbstractButton>
    Widget* named(const QString& name, QWidget* root = nullptr) const {
        for (auto* widget : (root ? root : window.get())->findChildren<Widget*>()) {
            QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
            if (widget->isVisible() && node && node->text(QAccessible::Name) == name)
                return widget;
        }
        ADD_FAILURE() << "nothing visible named " << name.toStdString();
        return nullptr;
    }

    QAbstractButton* closeButtonOf(const QString& fileName) const {
        return named(QStringLiteral("닫기"), named(fileName));
    }

    QStringList tabNames() const {
        QStringList names;
        for (const QUuid& id : state->openTabIds())
            names.append(state->file(id)->name);
        return names;
    }

    QString selectedName() const {
        return state->selectedFile() ? state->selectedFile()->name : QString();
    }

    void openFiles(const QStringList& names) {
        for (const QString& name : names)
            state->createFile(name, ProgrammingLanguage::cpp);
        QCoreApplication::processEvents();
    }

    // Waits until the tab's context menu is up and chooses the entry.
    void chooseFromTabMenu(const QString& fileName, const QString& entry) {
        QWidget* tab = named(fileName);
        QContextMenuEvent event(QContextMenuEvent::Mouse, tab->rect().center(),
                                tab->mapToGlobal(tab->rect().center()));
        QApplication::sendEvent(tab, &event);
        QMenu* menu = nullptr;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())); }));
        for (QAction* action : menu->actions()) {
            if (action->text() == entry) {
                menu->close();
                action->trigger();
                return;
            }
        }
        ADD_FAILURE() << "no menu entry " << entry.toStdString();
    }

    static bool anyDialogOpen() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && qobject_cast<QDialog*>(widget))
                return true;
        }
        return false;
    }

    std::unique_ptr<AppState> state;
    Commands commands;
    std::unique_ptr<MainWindow> window;
};

// The selection moves to the rightmost remaining tab, not to a neighbour,
// however the middle tab is closed.
TEST_F(WindowTest, ClosingTheSelectedTabSelectsTheRightmost) {
    const QList<std::function<void()>> closers = {
        [this] { closeButtonOf(QStringLiteral("b.cpp"))->click(); },
        [this] { QTest::mouseClick(named(QStringLiteral("b.cpp")), Qt::MiddleButton); },
        [this] { chooseFromTabMenu(QStringLiteral("b.cpp"), QStringLiteral("닫기")); },
    };
    for (qsizetype i = 0; i < closers.size(); ++i) {
        SCOPED_TRACE(i);
        for (const QUuid& id : state->openTabIds())
            state->closeTab(id);
        openFiles({QStringLiteral("a.cpp"), QStringLiteral("b.cpp"), QStringLiteral("c.cpp")});
        named(QStringLiteral("b.cpp"))->click();
        ASSERT_EQ(selectedName(), QStringLiteral("b.cpp"));
        closers[i]();
        QCoreApplication::processEvents();
        EXPECT_EQ(tabNames(), (QStringList{QStringLiteral("a.cpp"), QStringLiteral("c.cpp")}));
        EXPECT_EQ(selectedName(), QStringLiteral("c.cpp"));
        EXPECT_TRUE(named(QStringLiteral("c.cpp"))->isChecked());
        EXPECT_FALSE(named(QStringLiteral("a.cpp"))->isChecked());
    }
}

TEST_F(WindowTest, TabMenuClosesOthersDuplicatesAndDeletesWithoutAsking) {
    openFiles({QStringLiteral("a.cpp"), QStringLiteral("b.cpp"), QStringLiteral("c.cpp")});
    chooseFromTabMenu(QStringLiteral("a.cpp"), QStringLiteral("다른 탭 모두 닫기"));
    EXPECT_EQ(tabNames(), QStringList{QStringLiteral("a.cpp")});

    chooseFromTabMenu(QStringLiteral("a.cpp"), QStringLiteral("파일 복제"));
    ASSERT_EQ(state->files().size(), 4);

    const qsizetype before = state->files().size();
    chooseFromTabMenu(QStringLiteral("a.cpp"), QStringLiteral("파일 삭제"));
    EXPECT_FALSE(anyDialogOpen());
    EXPECT_EQ(state->files().size(), before - 1);
    EXPECT_FALSE(tabNames().contains(QStringLiteral("a.cpp")));
}

TEST_F(WindowTest, ToolbarDuplicatesAndDeletesTheSelectedFileWithoutAsking) {
    QAbstractButton* remove = named(QStringLiteral("삭제"));
    EXPECT_FALSE(remove->isEnabled()) << "nothing selected";
    openFiles({QStringLiteral("a.cpp"), QStringLiteral("b.cpp")});
    named(QStringLiteral("복제"))->click();
    ASSERT_EQ(state->files().size(), 3);

    const QString doomed = selectedName();
    remove->click();
    EXPECT_FALSE(anyDialogOpen());
    ASSERT_EQ(state->files().size(), 2);
    for (const FileItem& file : state->files())
        EXPECT_NE(file.name, doomed);
}

TEST_F(WindowTest, TemplateShortcutNeedsASelectionWhileTheButtonAlwaysOpens) {
    QSignalSpy opened(window.get(), &MainWindow::templateBrowserRequested);
    QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(opened.count(), 0);
    named(QStringLiteral("알고리즘 템플릿"))->click();
    EXPECT_EQ(opened.count(), 1);
    // The browser it opened is modal; closed, the window takes keys again.
    for (QDialog* sheet : window->findChildren<QDialog*>())
        sheet->close();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    openFiles({QStringLiteral("a.cpp")});
    QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(opened.count(), 2);
}

TEST_F(WindowTest, ThemeMenuChecksTheThemeInUse) {
    QAbstractButton* themes = named(QStringLiteral("테마"));
    QMenu* menu = themes->findChild<QMenu*>();
    ASSERT_TRUE(menu);
    const auto checked = [&] {
        QStringList names;
        for (QAction* action : menu->actions()) {
            if (action->isChecked())
                names.append(action->text());
        }
        return names;
    };
    EXPECT_EQ(checked(), QStringList{rawValue(state->theme())});
    menu->actions().at(1)->trigger();
    EXPECT_EQ(state->theme(), allEditorThemes().at(1));
    state->setTheme(EditorTheme::nord);
    EXPECT_EQ(checked(), QStringList{rawValue(EditorTheme::nord)});
}

TEST_F(WindowTest, StopButtonStopsTheRunningProgram) {
    state->settings().setExecution({.executionTimeout = 0});
    state->createFile(QStringLiteral("forever.py"), ProgrammingLanguage::python);
    const QString marker = testHome() + QStringLiteral("/running");
    state->updateFileContent(QStringLiteral("import time\nopen('%1', 'w').close()\n"
                                            "while True:\n    time.sleep(0.05)\n")
                                 .arg(marker));
    QAbstractButton* run = named(QStringLiteral("실행"));
    ASSERT_TRUE(startTestRun(*state));
    EXPECT_EQ(named(QStringLiteral("중지")), run);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 20000));

    run->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !state->isRunning(); }, 20000));
    EXPECT_TRUE(state->consoleOutput().contains(QStringLiteral("⏹️ 실행 중지됨")))
        << state->consoleOutput().toStdString();
    EXPECT_EQ(run->text(), QStringLiteral("실행"));
}

TEST_F(WindowTest, SplitterSizesSurviveARestart) {
    const auto splitters = [this] {
        return QList<QSplitter*>{window->findChild<QSplitter*>(QStringLiteral("sidebarSplitter")),
                                 window->findChild<QSplitter*>(QStringLiteral("mainAreaSplitter"))};
    };
    for (QSplitter* splitter : splitters()) {
        QSplitterHandle* handle = splitter->handle(1);
        const QPoint from = handle->rect().center();
        const QPoint by =
            splitter->orientation() == Qt::Horizontal ? QPoint(50, 0) : QPoint(0, -60);
        QTest::mousePress(handle, Qt::LeftButton, {}, from);
        QTest::mouseMove(handle, from + by);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, from + by);
    }
    const QList<int> sidebar = splitters()[0]->sizes();
    const QList<int> mainArea = splitters()[1]->sizes();
    EXPECT_EQ(sidebar[0], 290);
    EXPECT_EQ(mainArea[1], 340);

    closeWindow();
    openWindow();
    EXPECT_EQ(splitters()[0]->sizes(), sidebar);
    EXPECT_EQ(splitters()[1]->sizes(), mainArea);
}

TEST_F(WindowTest, PlusOpensTheNewFileSheetAndEscapeClosesIt) {
    named(QStringLiteral("새 파일 만들기"))->click();
    NewFileSheet* sheet = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        sheet = window->findChild<NewFileSheet*>();
        return sheet && sheet->isVisible();
    }));
    QTest::keyClick(sheet, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !sheet->isVisible(); }));
    EXPECT_FALSE(state->showNewFileSheet());
    EXPECT_TRUE(state->files().isEmpty());
}
