#include "support/accessibility_audit.h"

#include <QAccessible>
#include <QWidget>

namespace {

bool isControl(QAccessible::Role role) {
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::EditableText:
    case QAccessible::PageTab:
    case QAccessible::ListItem:
    case QAccessible::TreeItem:
    case QAccessible::Cell:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::Link:
        return true;
    default:
        return false;
    }
}

void collect(QAccessibleInterface* node, QStringList& unnamed) {
    if (!node || !node->isValid())
        return;
    if (isControl(node->role()) && node->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject* object = node->object();
        unnamed.append(QStringLiteral("%1 %2")
                           .arg(int(node->role()))
                           .arg(object ? object->objectName() : QStringLiteral("?")));
    }
    for (int i = 0; i < node->childCount(); ++i)
        collect(node->child(i), unnamed);
}

} // namespace

QStringList unnamedControls(QWidget* root) {
    QStringList unnamed;
    collect(QAccessible::queryAccessibleInterface(root), unnamed);
    return unnamed;
}
