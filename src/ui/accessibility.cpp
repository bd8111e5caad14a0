#include "ui/accessibility.h"

#include "ui/actions.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QListWidget>

namespace {

// Asked before Qt's own factory, which knows only the class's ancestors.
QAccessibleInterface* scrollAreaInterface(const QString& className, QObject* object) {
    if (className != QLatin1StringView(ScrollArea::staticMetaObject.className()))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Client);
}

} // namespace

void nameIconButton(QAbstractButton* button, const QString& label, const QKeySequence& shortcut) {
    button->setToolTip(tooltipText(label, shortcut));
    button->setAccessibleName(label);
}

void currentFollowsSelection(QListWidget* list) {
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [list] {
        const QList<QListWidgetItem*> selected = list->selectedItems();
        if (!selected.isEmpty() && list->currentItem() != selected.first())
            list->setCurrentItem(selected.first());
    });
}

ScrollArea::ScrollArea(QWidget* parent) : QScrollArea(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(scrollAreaInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
