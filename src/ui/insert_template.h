#pragma once

#include "library/algorithm_templates.h"

class AppState;
class Commands;

// Appends a library template to the selected file after two line feeds (file
// list, open tab and selection) and emits Commands::templateInserted with the
// new text. False when nothing was inserted: no file is selected or it is no
// longer in the workspace. The template browser closes only on true.
bool insertTemplate(AppState& state, Commands& commands, const AlgorithmTemplate& algorithm);
