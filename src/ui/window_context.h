#pragma once

#include "problems/problem_session.h"
#include "runner/run_session.h"
#include "themes/theme_selection.h"
#include "ui/commands.h"
#include "workspace/settings_store.h"
#include "workspace/workspace.h"
#include "workspace/workspace_store.h"

// Everything a window works on, each made after what it needs: the editor,
// the gallery and the tests build one and hand it to MainWindow, which gives
// each pane only what it uses. Reading the save file happens here.
struct WindowContext {
    explicit WindowContext(const CrawlerEndpoints& endpoints = CrawlerEndpoints::fromEnvironment());

    SettingsStore settings;
    ThemeSelection themes{settings};
    Workspace workspace{settings};
    WorkspaceStore store{workspace, settings, themes};
    RunSession runs{workspace, settings};
    ProblemSession problems;
    Commands commands;
};
