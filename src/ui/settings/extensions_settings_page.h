#pragma once

#include <QWidget>

class SettingsStore;
struct CodeSnippet;

// The extensions tab: snippet expansion with examples and the three snippet
// tables in collapsible groups, and the random-typing switch.
class ExtensionsSettingsPage : public QWidget {
    Q_OBJECT

public:
    explicit ExtensionsSettingsPage(SettingsStore& settings, QWidget* parent = nullptr);

private:
    QWidget* buildExamples();
    QWidget* snippetGroup(const QString& title, const QList<CodeSnippet>& table);

    SettingsStore& m_settings;
};
