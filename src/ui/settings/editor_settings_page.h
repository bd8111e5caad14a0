#pragma once

#include <QStringList>
#include <QWidget>

class SettingsStore;
class ThemeSelection;
class CodeTextEditor;
class QComboBox;
class QLabel;
class QSlider;

// The editor tab: the font, the two text sizes, the theme, the display
// switches and a preview drawn the way the editor draws now. Every control
// changes the setting at once and follows it when it changes elsewhere.
class EditorSettingsPage : public QWidget {
    Q_OBJECT

public:
    // `installedFamilies`: the font families of this system, from which the
    // picker keeps its candidates.
    EditorSettingsPage(SettingsStore& settings, ThemeSelection& themes,
                       const QStringList& installedFamilies, QWidget* parent = nullptr);

private:
    QWidget* buildFontPicker(const QStringList& installedFamilies);
    QWidget* buildSizes();
    QWidget* buildToggles();
    QWidget* buildPreview();
    void showFont();
    void showSizes();
    void updatePreview();

    SettingsStore& m_settings;
    ThemeSelection& m_themes;
    QComboBox* m_font = nullptr;
    QSlider* m_fontSize = nullptr;
    QLabel* m_fontSizeValue = nullptr;
    QSlider* m_problemFontSize = nullptr;
    QLabel* m_problemFontSizeValue = nullptr;
    CodeTextEditor* m_preview = nullptr;
    QLabel* m_currentFont = nullptr;
};
