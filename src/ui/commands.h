#pragma once

#include <QObject>
#include <QString>

// The window's commands. Menus, shortcuts and buttons emit; the root view and
// the panels connect. One instance, created by the application.
class Commands : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    void newFile();
    void runCode();
    // The editor's caret to the next or previous compiler message.
    void nextMessage();
    void previousMessage();
    // The test panel to most of the window's height, and back.
    void togglePanel();
    void showTemplates();
    void showHelp();
};
