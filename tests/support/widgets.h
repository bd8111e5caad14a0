#pragma once

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
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

// Right-clicks `target` at `at` and chooses `entry` in the menu that opens.
inline void chooseFromContextMenu(QWidget* target, QPoint at, const QString& entry) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &event);
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
