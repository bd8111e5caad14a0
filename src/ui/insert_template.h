#pragma once

#include "library/algorithm_templates.h"

class Workspace;

// Appends a library template to the selected file after two line feeds, as an
// undoable edit of the editor when the file is shown. False when nothing was
// inserted: no file is selected. The template browser closes only on true.
bool insertTemplate(Workspace& workspace, const AlgorithmTemplate& algorithm);
