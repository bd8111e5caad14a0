#include "ui/accessibility.h"

#include "ui/actions.h"

#include <QAbstractButton>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QToolButton>
#include <QWindow>

namespace {

// Qt's own interface for the application leaves popups out of its windows,
// so a reader walking the tree from the application never reaches an open
// menu or picker: its items can be neither found nor chosen. This one
// counts a popup while it is shown.
class ApplicationInterface : public QAccessibleApplication {
public:
    int childCount() const override { return windows().size(); }

    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? windows().indexOf(child->object()) : -1;
    }

    QAccessibleInterface* child(int index) const override {
        const QObjectList list = windows();
        return index >= 0 && index < list.size()
                   ? QAccessible::queryAccessibleInterface(list[index])
                   : nullptr;
    }

private:
    static QObjectList windows() {
        QObjectList list;
        for (QWindow* window : QGuiApplication::topLevelWindows()) {
            if (window->type() == Qt::Desktop ||
                (window->type() == Qt::Popup && !window->isVisible()))
                continue;
            if (QAccessibleInterface* root = window->accessibleRoot(); root && root->object())
                list.append(root->object());
        }
        return list;
    }
};

// Asked before Qt's own factory, which knows only the class's ancestors.
QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    if (object == QCoreApplication::instance())
        return new ApplicationInterface;
    if (className == QLatin1StringView(ScrollArea::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Client);
    return nullptr;
}

// A menu item chosen through its accessible action is triggered without the
// click that closes the menu, which would stay open over the window.
class MenuCloser : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* menu = qobject_cast<QMenu*>(watched))
                connect(menu, &QMenu::triggered, menu, &QWidget::close, Qt::UniqueConnection);
        }
        return false;
    }
};

// Before any window exists, so the application's interface is never made
// without this factory.
void installAccessibility() {
    QAccessible::installFactory(interfaceFor);
    QCoreApplication::instance()->installEventFilter(new MenuCloser(QCoreApplication::instance()));
}
Q_COREAPP_STARTUP_FUNCTION(installAccessibility)

} // namespace

void nameIconButton(QAbstractButton* button, const QString& label, const QKeySequence& shortcut) {
    button->setToolTip(tooltipText(label, shortcut));
    button->setAccessibleName(label);
}

void popUpOnPress(QToolButton* button, QMenu* menu) {
    // The click that closes the open menu on its button must not open it again.
    menu->setAttribute(Qt::WA_NoMouseReplay);
    QObject::connect(button, &QToolButton::clicked, menu, [button, menu] {
        menu->popup(button->mapToGlobal(QPoint(0, button->height())));
    });
}

void currentFollowsSelection(QListWidget* list) {
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [list] {
        const QList<QListWidgetItem*> selected = list->selectedItems();
        if (!selected.isEmpty() && list->currentItem() != selected.first())
            list->setCurrentItem(selected.first());
    });
}
