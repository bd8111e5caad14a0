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
    void showTemplates();
    void showHelp();
};
