#include "ui/insert_template.h"

#include "library/template_insertion.h"
#include "workspace/app_state.h"

bool insertTemplate(AppState& state, const AlgorithmTemplate& algorithm) {
    const FileItem* selected = state.selectedFile();
    if (!selected)
        return false;
    const QString content = state.fileText(selected->id) + QStringLiteral("\n\n") +
                            corvanta::templateHeader(selected->language, algorithm) +
                            corvanta::templateCode(selected->language, algorithm);
    return state.setFileText(selected->id, content);
}
