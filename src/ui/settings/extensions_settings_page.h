#pragma once

#include <QWidget>

class AppState;
struct CodeSnippet;

// The extensions tab: snippet expansion with examples and the three snippet
// tables in collapsible groups, and the random-typing switch.
class ExtensionsSettingsPage : public QWidget {
    Q_OBJECT

public:
    explicit ExtensionsSettingsPage(AppState& state, QWidget* parent = nullptr);

private:
    QWidget* buildExamples();
    QWidget* snippetGroup(const QString& title, const QList<CodeSnippet>& table);

    AppState& m_state;
};
