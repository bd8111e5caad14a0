#pragma once

#include "themes/custom_theme.h"

#include <QDialog>
#include <QList>
#include <optional>

class ThemeSelection;
class ColorField;
class QLabel;
class QLineEdit;
class QPushButton;
class ThemePreview;

// Makes a new custom theme or edits one: the name, the fourteen colours, a
// live preview and a hint naming the colours too faint to read on the
// background. "저장" (enabled while the name is not empty; spaces count) adds
// the new theme or replaces the edited one and closes the sheet.
class CustomThemeEditorSheet : public QDialog {
    Q_OBJECT

public:
    // Without `theme` the sheet starts a new theme from the starting colours.
    CustomThemeEditorSheet(ThemeSelection& themes, const std::optional<CustomTheme>& theme,
                           QWidget* parent);

    // The theme as the fields describe it now.
    CustomTheme theme() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildForm(const CustomTheme& start);
    void save();

    ThemeSelection& m_themes;
    std::optional<CustomTheme> m_edited;
    QLineEdit* m_name = nullptr;
    QList<ColorField*> m_fields;
    QPushButton* m_save = nullptr;
    ThemePreview* m_preview = nullptr;
    QLabel* m_contrastHint = nullptr;
};
