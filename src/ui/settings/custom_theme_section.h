#pragma once

#include "themes/custom_theme.h"

#include <QMessageBox>
#include <QWidget>
#include <optional>

class ThemeSelection;
class QLabel;
class QVBoxLayout;

// The "커스텀 테마" page of the settings window: make, import, select, edit,
// export and delete custom themes. Each sheet opens window-modal over the
// page and the list follows the selection.
class CustomThemeSettingsSection : public QWidget {
    Q_OBJECT

public:
    CustomThemeSettingsSection(ThemeSelection& themes, QWidget* parent);

    // Each opens its sheet and returns it; the sheet deletes itself on close.
    QDialog* openEditor(const std::optional<CustomTheme>& theme);
    QDialog* openExport(const CustomTheme& theme);
    QDialog* openImport();
    void confirmDelete(const CustomTheme& theme);

private:
    void rebuildList();
    void showAlert(QWidget* over, QMessageBox::Icon icon, const QString& title,
                   const QString& message);

    ThemeSelection& m_themes;
    QLabel* m_heading = nullptr;
    QVBoxLayout* m_rows = nullptr;
};
