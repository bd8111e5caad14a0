#pragma once

#include "base/programming_language.h"

#include <QWidget>

class SettingsStore;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class SegmentedControl;

// The templates tab: the starter text of one language at a time, stored on
// every keystroke, and the button that writes the language's reset text.
class TemplateSettingsPage : public QWidget {
    Q_OBJECT

public:
    explicit TemplateSettingsPage(SettingsStore& settings, QWidget* parent = nullptr);

    ProgrammingLanguage language() const { return m_language; }
    void chooseLanguage(ProgrammingLanguage language);

private:
    void showTemplate();
    void storeEdit();
    void resetToDefault();

    SettingsStore& m_settings;
    ProgrammingLanguage m_language = ProgrammingLanguage::cpp;
    SegmentedControl* m_languages = nullptr;
    QLabel* m_heading = nullptr;
    QPlainTextEdit* m_editor = nullptr;
    QLabel* m_noTemplate = nullptr;
    QPushButton* m_reset = nullptr;
};
