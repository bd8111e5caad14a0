#include "ui/accessibility.h"

#include "ui/actions.h"

#include <QAbstractButton>
#include <QAccessibleWidget>

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

ScrollArea::ScrollArea(QWidget* parent) : QScrollArea(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(scrollAreaInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
