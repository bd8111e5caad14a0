#include "editor/code_text_editor.h"
#include "editor/color_conversion.h"
#include "editor/diagnostic_markers.h"
#include "editor/syntax_text_view.h"
#include "runner/run_session.h"
#include "support/printers.h"
#include "support/test_support.h"
#include "support/widgets.h"
#include "themes/theme_resolver.h"
#include "ui/actions.h"
#include "ui/editor_pane.h"
#include "ui/testpanel/cases_panel.h"
#include "ui/testpanel/console_view.h"
#include "ui/testpanel/output_view.h"
#include "window_fixture.h"
#include "workspace/workspace_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The window as a person uses it: controls found by the names a screen
// reader says, pressed with the mouse and the keyboard.
class WindowTest : public OpenWindowTest {
protected:
    void closeWindow() {
        window.reset();
        owners.reset();
    }

    template <typename Widget = QAbstractButton>
    Widget* named(const QString& name, QWidget* root = nullptr) const {
        return ::named<Widget>(root ? root : window.get(), name);
    }

    QAbstractButton* closeButtonOf(const QString& fileName) const {
        return named(u"닫기"_s, named(fileName));
    }

    QString selectedName() const {
        return owners->workspace.selectedFile() ? owners->workspace.selectedFile()->name
                                                : QString();
    }

    void openFiles(const QStringList& names) {
        for (const QString& name : names)
            owners->workspace.createFile(name, ProgrammingLanguage::cpp);
        QCoreApplication::processEvents();
    }

    void chooseFromTabMenu(const QString& fileName, const QString& entry) {
        QWidget* tab = named(fileName);
        chooseFromContextMenu(tab, tab->rect().center(), entry);
    }
};

// The selection moves to the rightmost remaining tab, not to a neighbour,
// however the middle tab is closed.
TEST_F(WindowTest, ClosingTheSelectedTabSelectsTheRightmost) {
    const QList<std::function<void()>> closers = {
        [this] { closeButtonOf(u"b.cpp"_s)->click(); },
        [this] { QTest::mouseClick(named(u"b.cpp"_s), Qt::MiddleButton); },
        [this] { chooseFromTabMenu(u"b.cpp"_s, u"닫기"_s); },
    };
    for (qsizetype i = 0; i < closers.size(); ++i) {
        SCOPED_TRACE(i);
        for (const QUuid& id : owners->workspace.openTabIds())
            owners->workspace.closeTab(id);
        openFiles({u"a.cpp"_s, u"b.cpp"_s, u"c.cpp"_s});
        named(u"b.cpp"_s)->click();
        ASSERT_EQ(selectedName(), u"b.cpp"_s);
        closers[i]();
        QCoreApplication::processEvents();
        EXPECT_EQ(tabNames(owners->workspace), (QStringList{u"a.cpp"_s, u"c.cpp"_s}));
        EXPECT_EQ(selectedName(), u"c.cpp"_s);
        EXPECT_TRUE(named(u"c.cpp"_s)->isChecked());
        EXPECT_FALSE(named(u"a.cpp"_s)->isChecked());
    }
}

TEST_F(WindowTest, TabMenuClosesOthersDuplicatesAndDeletesWithoutAsking) {
    openFiles({u"a.cpp"_s, u"b.cpp"_s, u"c.cpp"_s});
    chooseFromTabMenu(u"a.cpp"_s, u"다른 탭 모두 닫기"_s);
    EXPECT_EQ(tabNames(owners->workspace), QStringList{u"a.cpp"_s});

    chooseFromTabMenu(u"a.cpp"_s, u"파일 복제"_s);
    ASSERT_EQ(owners->workspace.files().size(), 4);

    chooseFromTabMenu(u"a.cpp"_s, u"파일 삭제"_s);
    EXPECT_FALSE(QApplication::activeModalWidget()) << "nothing asks first";
    EXPECT_EQ(owners->workspace.files().size(), 3);
    EXPECT_FALSE(tabNames(owners->workspace).contains(u"a.cpp"_s));
}

TEST_F(WindowTest, ToolbarDuplicatesAndDeletesTheSelectedFileWithoutAsking) {
    QAbstractButton* remove = named(u"삭제"_s);
    EXPECT_FALSE(remove->isEnabled()) << "nothing selected";
    openFiles({u"a.cpp"_s, u"b.cpp"_s});
    named(u"복제"_s)->click();
    ASSERT_EQ(owners->workspace.files().size(), 3);

    const QString doomed = selectedName();
    remove->click();
    EXPECT_FALSE(QApplication::activeModalWidget()) << "nothing asks first";
    EXPECT_EQ(owners->workspace.files().size(), 2);
    EXPECT_FALSE(fileNames(owners->workspace.files()).contains(doomed));
}

TEST_F(WindowTest, TemplateShortcutNeedsASelectionWhileTheButtonAlwaysOpens) {
    QSignalSpy opened(window.get(), &MainWindow::templateBrowserRequested);
    QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(opened.count(), 0);
    named(u"알고리즘 템플릿"_s)->click();
    EXPECT_EQ(opened.count(), 1);
    // The browser it opened is modal; closed, the window takes keys again.
    for (QDialog* sheet : window->findChildren<QDialog*>())
        sheet->close();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    openFiles({u"a.cpp"_s});
    QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(opened.count(), 2);
}

// The theme menu as a screen reader uses it: opened by the button's press
// action, reached from the application with the theme in use checked; a
// theme chosen there applies to the window and the menu closes.
TEST_F(WindowTest, ThemeMenuWorksThroughAccessibility) {
    const auto openMenu = [this] {
        QAccessible::queryAccessibleInterface(named(u"테마"_s))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        return QApplication::activePopupWidget();
    };
    QWidget* menu = openMenu();
    ASSERT_TRUE(menu);
    const auto checked = [&](const QString& name) {
        QAccessibleInterface* entry = popupEntry(menu, name);
        return entry && entry->state().checked;
    };
    EXPECT_TRUE(checked(u"Dark"_s));
    const QColor before = window->palette().color(QPalette::Window);
    pressPopupEntry(menu, u"Light"_s);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(owners->themes.theme(), EditorTheme::light);
    EXPECT_NE(window->palette().color(QPalette::Window), before);

    owners->themes.setTheme(EditorTheme::nord);
    ASSERT_EQ(openMenu(), menu);
    EXPECT_TRUE(checked(u"Nord"_s));
    EXPECT_FALSE(checked(u"Light"_s));
    menu->close();
}

// The green run button stays green under the mouse, not a disabled grey.
TEST_F(WindowTest, RunButtonKeepsItsHueUnderTheMouse) {
    auto* run = window->findChild<QWidget*>(u"runButton"_s);
    // Drawn in the window, over the toolbar, as the screen shows it.
    const auto face = [&] {
        const QPoint inside = run->mapTo(window.get(), QPoint(3, run->height() / 2));
        return window->grab().toImage().pixelColor(inside);
    };
    const QColor idle = face();
    QTest::mouseMove(run);
    ASSERT_TRUE(QTest::qWaitFor([&] { return run->underMouse(); }));
    const QColor hovered = face();
    EXPECT_GT(hovered.hsvSaturationF(), 0.4);
    EXPECT_LT(std::abs(hovered.hsvHue() - idle.hsvHue()), 15);
}

TEST_F(WindowTest, StopButtonStopsTheRunningProgram) {
    owners->settings.setExecution({.executionTimeout = 0});
    owners->workspace.createFile(u"forever.py"_s, ProgrammingLanguage::python);
    const QString marker = testHome() + u"/running"_s;
    owners->workspace.setFileText(owners->workspace.selectedFile()->id,
                                  QStringLiteral("import time\nopen('%1', 'w').close()\n"
                                                 "while True:\n    time.sleep(0.05)\n")
                                      .arg(marker));
    QAbstractButton* run = named(u"실행"_s);
    run->click();
    EXPECT_EQ(named(u"중지"_s), run);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 20000));

    run->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !owners->runs.isRunning(); }, 20000));
    EXPECT_TRUE(owners->runs.consoleText().contains(u"⏹️ 실행 중지됨"_s))
        << owners->runs.consoleText().toStdString();
    EXPECT_EQ(run->text(), u"실행"_s);
}

TEST_F(WindowTest, SplitterSizesSurviveARestart) {
    const auto splitters = [this] {
        return QList<QSplitter*>{window->findChild<QSplitter*>(u"sidebarSplitter"_s),
                                 window->findChild<QSplitter*>(u"mainAreaSplitter"_s)};
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

    // The panel's shortcut makes it most of the height, and again gives it back.
    QTest::keySequence(window.get(), actionInfo(ActionId::togglePanel).shortcut);
    EXPECT_GT(splitters()[1]->sizes()[1], mainArea[1] + 100);
    QTest::keySequence(window.get(), actionInfo(ActionId::togglePanel).shortcut);
    EXPECT_EQ(splitters()[1]->sizes(), mainArea);
}

// A compile error: the console opens at the first message and says each
// once; the editor marks the lines, F8 visits them, and a click on a message
// in the console goes to its line.
TEST_F(WindowTest, CompileErrorsAreMarkedInTheEditorAndTheConsoleOpensAtTheFirst) {
    QString code = u"int main() {\n"_s;
    for (int i = 0; i < 12; ++i)
        code += u"    missing%1();\n"_s.arg(i);
    code += u"}\n"_s;
    owners->workspace.createFile(u"solution.cpp"_s, ProgrammingLanguage::cpp);
    owners->workspace.setFileText(owners->workspace.selectedFile()->id, code);
    owners->workspace.cases().addTestCase();
    QCoreApplication::processEvents();
    QTest::keySequence(window.get(), actionInfo(ActionId::runCode).shortcut);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !owners->runs.isRunning(); }, 120000));

    EXPECT_EQ(owners->runs.consoleText().count(u"solution.cpp:7:5:"_s), 1)
        << owners->runs.consoleText().toStdString();
    auto* panel = window->findChild<CasesPanel*>();
    EXPECT_EQ(panel->selectedTab(), CasesPanel::Tab::console);
    OutputView* console = panel->consoleView()->text();
    ASSERT_GT(console->verticalScrollBar()->maximum(), 0) << "the report fits: nothing to scroll";
    EXPECT_TRUE(console->cursorForPosition({0, 0}).block().text().contains(u"missing0"_s) ||
                console->cursorForPosition({0, 0}).block().next().text().contains(u"missing0"_s))
        << console->cursorForPosition({0, 0}).block().text().toStdString();

    CodeTextEditor* editor = window->findChild<EditorPane*>()->editor();
    const auto caretLine = [editor] { return editor->textView()->textCursor().blockNumber() + 1; };
    ASSERT_EQ(editor->diagnostics().markers().size(), 12);
    EXPECT_EQ(editor->diagnostics().markers()[0].message.line, 2);
    editor->textView()->moveCursor(QTextCursor::Start);
    QTest::keySequence(window.get(), actionInfo(ActionId::nextMessage).shortcut);
    EXPECT_EQ(caretLine(), 2);
    QTest::keySequence(window.get(), actionInfo(ActionId::previousMessage).shortcut);
    EXPECT_EQ(caretLine(), 13) << "goes round to the last";

    QTextCursor second = console->document()->find(u"missing1"_s);
    ASSERT_FALSE(second.isNull());
    QTest::mouseClick(console->viewport(), Qt::LeftButton, {},
                      console->cursorRect(second).center());
    EXPECT_EQ(caretLine(), 3);

    // The next run starts without them.
    QTest::keySequence(window.get(), actionInfo(ActionId::runCode).shortcut);
    EXPECT_TRUE(editor->diagnostics().markers().isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !owners->runs.isRunning(); }, 120000));
}

// A screen reader counts the case list's children, then reads them one by
// one; a run or a click in between switches the panel and hides the list.
TEST_F(WindowTest, TheCaseListReadsThroughAccessibilityWhileThePanelSwitches) {
    owners->workspace.cases().setTestCases(QList<TestCase>(30));
    owners->workspace.createFile(u"notes.txt"_s, ProgrammingLanguage::txt);
    auto* list = named<QScrollArea>(u"테스트 케이스 목록"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->verticalScrollBar()->isVisible(); }));
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(list);
    const std::function<void()> switches[] = {
        [&] { ASSERT_TRUE(owners->runs.start()); }, [&] { named(u"테스트"_s)->click(); },
        [&] { named(u"백준"_s)->click(); },         [&] { named(u"테스트"_s)->click(); },
        [&] { named(u"콘솔"_s)->click(); },
    };
    const std::function<int(QAccessibleInterface*)> read = [&](QAccessibleInterface* node) {
        int count = 1;
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface* child = node->child(i);
            EXPECT_TRUE(child && child->isValid() && child->parent()->object() == node->object());
            count += child ? read(child) : 0;
        }
        return count;
    };
    for (const auto& change : switches) {
        const int children = reader->childCount();
        change();
        // Hidden children stay counted, so an index read before stays in range.
        ASSERT_EQ(reader->childCount(), children);
        for (int i = 0; i < children; ++i) {
            QAccessibleInterface* child = reader->child(i);
            ASSERT_TRUE(child && child->isValid());
            read(child);
        }
    }
    EXPECT_GT(read(reader), 30 * 5) << "every card is on the list";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !owners->runs.isRunning(); }, 20000));
}

// Sheets open inside the window over a dimmed backdrop, not as windows of
// their own; Escape closes them and the keyboard goes back where it was.
TEST_F(WindowTest, SheetsOpenInsideTheWindowAndEscapeReturnsTheKeyboard) {
    openFiles({u"a.cpp"_s});
    QWidget* editor = QApplication::focusWidget();
    ASSERT_TRUE(editor);
    const QColor background =
        toQColor(resolveColor(ThemeRole::background, EditorTheme::dark, nullptr));
    for (const auto& open : {std::function<void()>([&] { window->openHelpPanel(); }),
                             std::function<void()>([&] { window->openOnboarding(); }),
                             std::function<void()>([&] { window->openNewFileSheet(); }),
                             std::function<void()>([&] { window->openTemplateBrowser(); })}) {
        open();
        auto* sheet = window->findChild<QDialog*>();
        ASSERT_TRUE(sheet);
        EXPECT_FALSE(sheet->isWindow());
        // Opaque: the window's code does not show through the sheet's margin.
        const QPoint margin = sheet->mapTo(window.get(), QPoint(sheet->width() / 2, 4));
        EXPECT_EQ(window->grab().toImage().pixel(margin), background.rgb())
            << sheet->objectName().toStdString();
        EXPECT_LE((sheet->mapTo(window.get(), sheet->rect().center()) - window->rect().center())
                      .manhattanLength(),
                  2);
        EXPECT_EQ(window->childAt(5, 5)->objectName(), u"sheetBackdrop"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->findChild<QDialog*>(); }));
        EXPECT_EQ(QApplication::focusWidget(), editor);
        EXPECT_NE(window->childAt(5, 5)->objectName(), u"sheetBackdrop"_s);
    }
}

// Tabs are page tabs named by their file; a screen reader's actions do what
// a click does, there and on the test panel's switches.
TEST_F(WindowTest, TabsArePageTabsAndAccessibleActionsDoWhatAClickDoes) {
    openFiles({u"a.cpp"_s, u"b.cpp"_s, u"c.cpp"_s});
    QAccessibleInterface* tab = QAccessible::queryAccessibleInterface(named(u"b.cpp"_s));
    EXPECT_EQ(tab->role(), QAccessible::PageTab);
    EXPECT_FALSE(tab->state().selected);
    tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(selectedName(), u"b.cpp"_s);
    EXPECT_TRUE(tab->state().selected);
    tab->actionInterface()->doAction(u"close"_s);
    EXPECT_EQ(tabNames(owners->workspace), (QStringList{u"a.cpp"_s, u"c.cpp"_s}));

    auto* panel = window->findChild<CasesPanel*>();
    for (const auto& [name, page] : {std::pair(u"콘솔"_s, CasesPanel::Tab::console),
                                     std::pair(u"테스트"_s, CasesPanel::Tab::testCases)}) {
        QAccessible::queryAccessibleInterface(named(name))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        EXPECT_EQ(panel->selectedTab(), page);
    }
}

// A theme picked while the window runs looks as if the window had started
// in it: a restyle must not keep colours of the theme before. The code area
// takes the theme's background, a custom theme's too.
TEST_F(WindowTest, ASwitchedThemeLooksAsIfTheWindowStartedInIt) {
    owners->workspace.createFile(u"a.cpp"_s, ProgrammingLanguage::cpp);
    owners->workspace.createFile(u"b.py"_s, ProgrammingLanguage::python);
    // Once the highlighting has settled and the layout is done; without the
    // caret, whose blink is no part of the theme.
    const auto picture = [&] {
        const auto settled = [&] {
            const auto views = window->findChildren<SyntaxTextView*>();
            return std::all_of(views.begin(), views.end(), [](const SyntaxTextView* view) {
                return view->isHighlightSettled();
            });
        };
        EXPECT_TRUE(QTest::qWaitFor(settled));
        QApplication::sendPostedEvents();
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
        return window->grab().toImage();
    };
    CustomTheme pastel;
    pastel.id = QUuid::createUuid();
    pastel.background = CodableColor{0.98, 0.94, 0.96, 1};
    pastel.textColor = CodableColor{0.25, 0.2, 0.3, 1};
    std::vector<std::function<void()>> choices;
    for (EditorTheme theme : allEditorThemes())
        choices.push_back([this, theme] { owners->themes.selectBuiltInTheme(theme); });
    choices.push_back([this, pastel] { owners->themes.selectCustomTheme(pastel); });
    for (const auto& choose : choices) {
        owners->themes.selectBuiltInTheme(EditorTheme::dark);
        picture();
        choose();
        SCOPED_TRACE(rawValue(owners->themes.theme()).toStdString() +
                     (owners->themes.activeCustomTheme() ? " custom" : ""));
        const QImage switched = picture();
        window.reset();
        window = std::make_unique<MainWindow>(*owners);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        const QImage started = picture();
        ASSERT_EQ(switched.size(), started.size());
        int differing = 0;
        for (int y = 0; y < started.height(); ++y)
            for (int x = 0; x < started.width(); ++x)
                differing += switched.pixel(x, y) != started.pixel(x, y);
        EXPECT_EQ(differing, 0);

        QWidget* codeArea = window->findChild<SyntaxTextView*>()->viewport();
        EXPECT_EQ(started.pixel(codeArea->mapTo(
                      window.get(), QPoint(codeArea->width() - 3, codeArea->height() - 3))),
                  toQColor(resolveColor(ThemeRole::background, owners->themes.theme(),
                                        owners->themes.activeCustomTheme()))
                      .rgba());
        // Both run buttons write in white on green, whatever the theme's text colour.
        for (QWidget* run : window->findChildren<QWidget*>(u"runButton"_s)) {
            // Inside the rounded corners, where only the face and its label are.
            const QImage face = started.copy(
                QRect(run->mapTo(window.get(), QPoint()), run->size()).adjusted(6, 6, -6, -6));
            int lightest = 0;
            for (int y = 0; y < face.height(); ++y)
                for (int x = 0; x < face.width(); ++x)
                    lightest = std::max(lightest, QColor(face.pixel(x, y)).lightness());
            EXPECT_GE(lightest, 240) << run->parentWidget()->objectName().toStdString();
        }
    }
}

// At the smallest window, with the sidebar at its narrowest, no button or
// one-line label on any page of the panel shows less than its whole text.
TEST_F(WindowTest, NoLabelIsCutAtTheSmallestWindow) {
    owners->workspace.createFile(u"a.cpp"_s, ProgrammingLanguage::cpp);
    window->resize(window->minimumSize());
    auto* panes = window->findChild<QSplitter*>(u"sidebarSplitter"_s);
    panes->setSizes({0, window->width()});

    const auto cutTexts = [this] {
        QStringList cut;
        const auto check = [&](QWidget* widget, const QString& text, int room) {
            if (widget->isVisible() && !text.isEmpty() &&
                room < widget->fontMetrics().horizontalAdvance(text))
                cut.append(text);
        };
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            auto* tool = qobject_cast<QToolButton*>(button);
            if (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
                continue;
            check(button, button->text(),
                  button->width() - (button->icon().isNull() ? 0 : button->iconSize().width()));
        }
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->wordWrap() && label->textFormat() != Qt::RichText &&
                !Qt::mightBeRichText(label->text()))
                check(label, label->text(), label->contentsRect().width());
        }
        return cut;
    };
    for (const QString& page : {u"테스트"_s, u"콘솔"_s, u"백준"_s, u"스트레스"_s}) {
        named(page)->click();
        QCoreApplication::processEvents();
        EXPECT_EQ(cutTexts(), QStringList()) << page.toStdString();
    }
}

// While the workspace cannot be written the toolbar says so and closing asks
// first; the warning goes with the first write that works.
TEST_F(WindowTest, AWorkspaceThatCannotBeWrittenIsSaidAndClosingAsksFirst) {
    const QString path = owners->store.saveFilePath();
    owners->store.saveData();
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkdir(path)); // no rename replaces a folder, even for root
    auto* warning = withName<QLabel>(window.get(), u"⚠️ 저장 실패"_s);
    EXPECT_TRUE(warning->isHidden());
    openFiles({u"a.cpp"_s});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !warning->isHidden(); }));
    EXPECT_TRUE(warning->toolTip().contains(path));

    for (const QString& answer : {u"취소"_s, u"저장하지 않고 닫기"_s}) {
        window->close();
        QMessageBox* question = nullptr;
        for (QMessageBox* box : window->findChildren<QMessageBox*>(u"unsavedClose"_s))
            question = box->isVisible() ? box : question;
        ASSERT_TRUE(question) << answer.toStdString();
        withName<QAbstractButton>(question, answer)->click();
        EXPECT_EQ(window->isVisible(), answer == u"취소"_s);
    }

    ASSERT_TRUE(QDir().rmdir(path));
    owners->store.saveData();
    EXPECT_TRUE(warning->isHidden());
}
