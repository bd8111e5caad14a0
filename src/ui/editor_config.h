#pragma once

#include "editor/code_text_editor.h"

class SettingsStore;
class ThemeSelection;

// What an editor showing a `language` file looks like now: the settings,
// the theme in force.
EditorConfig editorConfig(const SettingsStore& settings, const ThemeSelection& themes,
                          ProgrammingLanguage language);
