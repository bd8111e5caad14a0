#pragma once

#include <QList>
#include <QString>
#include <functional>

class MainWindow;
struct WindowContext;

// What a scene may touch: the window as a person sees it, its state and its
// commands. The workspace starts empty with the first-start tour already seen.
struct SceneContext {
    WindowContext& owners;
    MainWindow& window;
};

// One picture: its file name and what to do to the shown window before the
// picture is taken (fill the workspace, open a sheet, press a button).
struct Scene {
    QString fileName;
    std::function<void(SceneContext&)> setUp;
};

const QList<Scene>& gallery();
// The help panel, the template browser and the custom-theme sheets.
QList<Scene> sheetScenes();
// The diff of a case's outputs and an editor with the compiler's messages.
QList<Scene> diffScenes();
