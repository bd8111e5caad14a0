#pragma once

#include <QWidget>

class SettingsStore;
class ProblemReceiving;
struct CodeSnippet;

// The extensions tab: snippet expansion with examples and the three snippet
// tables in collapsible groups, the random-typing switch, and receiving
// problems from the browser: its switch, its port and whether it listens
// (the last only when a receiver is given).
class ExtensionsSettingsPage : public QWidget {
    Q_OBJECT

public:
    explicit ExtensionsSettingsPage(SettingsStore& settings, ProblemReceiving* receiving = nullptr,
                                    QWidget* parent = nullptr);

private:
    QWidget* buildReceiving(ProblemReceiving* receiving);
    QWidget* buildExamples();
    QWidget* snippetGroup(const QString& title, const QList<CodeSnippet>& table);

    SettingsStore& m_settings;
};
