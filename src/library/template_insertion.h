#pragma once

#include "library/algorithm_templates.h"
#include "workspace/programming_language.h"

#include <QString>

class AppState;
class Commands;

// Inserting a library template into the selected file: a comment header in the
// file's comment style, then the code variant for its language, appended after
// two line feeds. Java and C# get the C++ variant; Text gets neither.

QString templateHeader(ProgrammingLanguage language, const AlgorithmTemplate& algorithm);
QString templateCode(ProgrammingLanguage language, const AlgorithmTemplate& algorithm);

// Appends the insertion to the selected file (file list, open tab and
// selection) and emits Commands::templateInserted with the new text.
// False when nothing was inserted: no file is selected or it is no longer in
// the workspace. The template browser closes only on true.
bool insertTemplate(AppState& state, Commands& commands, const AlgorithmTemplate& algorithm);
