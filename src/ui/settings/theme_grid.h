#pragma once

#include <QWidget>

class ThemeSelection;
class QButtonGroup;
class QGridLayout;
class QLabel;

// One button per built-in theme in their fixed order, then one per custom
// theme; the button of the theme in force is checked. Pressing a button puts
// its theme in force. Under the grid, while any custom theme exists, a note
// says where they are managed.
class ThemeGrid : public QWidget {
    Q_OBJECT

public:
    explicit ThemeGrid(ThemeSelection& themes, QWidget* parent = nullptr);

private:
    void rebuild();
    void showChoice();

    ThemeSelection& m_themes;
    QGridLayout* m_grid = nullptr;
    QButtonGroup* m_buttons = nullptr;
    QLabel* m_note = nullptr;
};
