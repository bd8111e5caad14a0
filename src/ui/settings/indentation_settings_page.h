#pragma once

#include <QWidget>

class SettingsStore;
class QLabel;
class QPlainTextEdit;
class SegmentedControl;

// The indentation tab: the tab size, the two switches and a preview of
// nested code indented the way the editor will indent it.
class IndentationSettingsPage : public QWidget {
    Q_OBJECT

public:
    explicit IndentationSettingsPage(SettingsStore& settings, QWidget* parent = nullptr);

private:
    void showIndentation();

    SettingsStore& m_settings;
    SegmentedControl* m_tabSize = nullptr;
    QPlainTextEdit* m_preview = nullptr;
    QLabel* m_summary = nullptr;
};
