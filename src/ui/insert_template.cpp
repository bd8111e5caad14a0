#include "ui/insert_template.h"

#include "library/template_insertion.h"
#include "ui/commands.h"
#include "workspace/app_state.h"

bool insertTemplate(AppState& state, Commands& commands, const AlgorithmTemplate& algorithm) {
    // The editor may still hold keystrokes the workspace has not seen.
    state.commitPendingEdits();
    const FileItem* selected = state.selectedFile();
    if (!selected)
        return false;
    const QString content = selected->content + QStringLiteral("\n\n") +
                            corvanta::templateHeader(selected->language, algorithm) +
                            corvanta::templateCode(selected->language, algorithm);
    // A selection that outlived its file would take text that nothing keeps.
    if (!state.updateFileContent(content))
        return false;
    emit commands.templateInserted(content);
    return true;
}
