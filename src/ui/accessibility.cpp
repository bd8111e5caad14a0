#include "ui/accessibility.h"

#include "ui/actions.h"

#include <QAbstractButton>

void nameIconButton(QAbstractButton* button, const QString& label, const QKeySequence& shortcut) {
    button->setToolTip(tooltipText(label, shortcut));
    button->setAccessibleName(label);
}
