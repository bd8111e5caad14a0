#pragma once

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

// Tests find controls as a person does, by what a screen reader says: the
// visible widget of type T under `root` whose accessible name is `name`. None
// fails the test and gives null.
template <typename T = QWidget> T* named(QWidget* root, const QString& name) {
    for (T* widget : root->findChildren<T*>()) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
        if (widget->isVisible() && node && node->text(QAccessible::Name) == name)
            return widget;
    }
    ADD_FAILURE() << "nothing visible is named " << name.toStdString();
    return nullptr;
}

// The widget of type T under `root` whose object name, accessible name or
// text is `name`, shown or not; null when there is none.
template <typename T> T* withName(QWidget* root, const QString& name) {
    for (T* widget : root->findChildren<T*>()) {
        if (widget->objectName() == name || widget->accessibleName() == name ||
            widget->property("text").toString() == name)
            return widget;
    }
    return nullptr;
}

// The entry named `name` of an open popup (a menu, a picker), reached as a
// screen reader reaches it: the popup among the application's windows, the
// entry among its children. None fails the test and gives null.
inline QAccessibleInterface* popupEntry(QWidget* popup, const QString& name) {
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    for (int i = 0; i < application->childCount(); ++i) {
        QAccessibleInterface* window = application->child(i);
        for (int j = 0; window->object() == popup && j < window->childCount(); ++j) {
            if (window->child(j)->text(QAccessible::Name) == name)
                return window->child(j);
        }
    }
    ADD_FAILURE() << "no entry " << name.toStdString() << " reached from the application";
    return nullptr;
}

inline void pressPopupEntry(QWidget* popup, const QString& name) {
    if (QAccessibleInterface* entry = popupEntry(popup, name))
        entry->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// Right-clicks `target` at `at` and chooses `entry` in the menu that opens,
// through its accessible action; the menu closes as after a click.
inline void chooseFromContextMenu(QWidget* target, QPoint at, const QString& entry) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &event);
    QPointer<QMenu> menu;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())); }));
    pressPopupEntry(menu, entry);
    EXPECT_TRUE(!menu || !menu->isVisible());
}
