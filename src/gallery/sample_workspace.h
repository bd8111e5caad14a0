#pragma once

class Workspace;

// Two folders, six files in several languages, three tabs with a C++ file
// selected, and a few test cases: a workspace as someone mid-practice has it.
void fillSampleWorkspace(Workspace& workspace);
