#include "support/accessibility_audit.h"
#include "support/printers.h"
#include "ui/actions.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

class MainWindowTest : public OpenWindowTest {
protected:
    QAction* menuAction(const QString& menuTitle, const QString& text) const {
        for (QAction* menu : window->menuBar()->actions()) {
            if (menu->text() != menuTitle || !menu->menu())
                continue;
            for (QAction* action : menu->menu()->actions()) {
                if (action->text() == text)
                    return action;
            }
        }
        return nullptr;
    }
};

TEST_F(MainWindowTest, EveryCommandSitsInItsMenuAndAnswersItsShortcut) {
    for (const ActionInfo& info : actionTable()) {
        SCOPED_TRACE(info.text.toStdString());
        // A standard key with no binding here would leave a blank in the lists.
        EXPECT_FALSE(shortcutText(info.id).isEmpty());
        if (!info.command)
            continue;
        QAction* action = menuAction(info.menu, info.text);
        ASSERT_TRUE(action);
        EXPECT_EQ(action->shortcut(), info.shortcut);
        QSignalSpy emitted(&owners->commands, info.command);
        QTest::keySequence(window.get(), info.shortcut);
        EXPECT_EQ(emitted.count(), 1);
    }
    EXPECT_EQ(tooltipText(ActionId::newFile), u"새 파일 (Ctrl+N)"_s);
}

// What a screen reader says must be what a person reads: the visible text,
// or the tooltip of an icon-only button without its shortcut.
TEST_F(MainWindowTest, EveryControlHasTheNameAPersonReads) {
    const auto checkIconButtons = [&] {
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            // Buttons with a visible text are named by it; this is about icon-only ones.
            if (button->icon().isNull() || !button->text().isEmpty() || !button->isVisible())
                continue;
            const QString name =
                QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
            EXPECT_FALSE(name.isEmpty()) << button->objectName().toStdString();
            EXPECT_TRUE(button->toolTip().startsWith(name)) << name.toStdString();
        }
    };
    EXPECT_EQ(unnamedControls(window.get()), QStringList());
    checkIconButtons();

    owners->workspace.createFile(u"solution.cpp"_s, ProgrammingLanguage::cpp);
    EXPECT_EQ(unnamedControls(window.get()), QStringList());
    checkIconButtons();
    owners->workspace.renameFile(*owners->workspace.selectedFileId(), u"main"_s);
    QAccessibleInterface* focused = QAccessible::queryAccessibleInterface(window->focusWidget());
    EXPECT_EQ(focused->role(), QAccessible::EditableText);
    EXPECT_EQ(focused->text(QAccessible::Name), u"main.cpp"_s);
}
