#pragma once

#include <QStringList>

class QWidget;

// The controls under `root` (buttons, menu items, text fields, tabs, rows,
// ...) that a screen reader would announce without a name, each described
// by its role and object name. Hidden controls count: they show up later.
QStringList unnamedControls(QWidget* root);
