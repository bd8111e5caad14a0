#pragma once

#include "themes/custom_theme.h"

#include <QFrame>

// One custom theme in the management list: four swatches, the name, a check
// while it is in force and the edit, export and delete buttons. Clicking the
// row elsewhere selects the theme.
class CustomThemeRow : public QFrame {
    Q_OBJECT

public:
    CustomThemeRow(const CustomTheme& theme, bool selected, QWidget* parent);

signals:
    void selectRequested();
    void editRequested();
    void exportRequested();
    void deleteRequested();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
