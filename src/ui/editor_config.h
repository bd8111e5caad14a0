#pragma once

#include "editor/code_text_editor.h"

class AppState;

// The range of the editor's font size, in points.
inline constexpr double minEditorFontSize = 10;
inline constexpr double maxEditorFontSize = 28;

// What an editor showing a `language` file looks like now: the settings,
// the font size and the theme in force.
EditorConfig editorConfig(const AppState& state, ProgrammingLanguage language);
