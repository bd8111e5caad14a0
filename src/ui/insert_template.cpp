#include "ui/insert_template.h"

#include "library/template_insertion.h"
#include "workspace/workspace.h"

bool insertTemplate(Workspace& workspace, const AlgorithmTemplate& algorithm) {
    const FileItem* selected = workspace.selectedFile();
    if (!selected)
        return false;
    const QString content = workspace.fileText(selected->id) + QStringLiteral("\n\n") +
                            corvanta::templateHeader(selected->language, algorithm) +
                            corvanta::templateCode(selected->language, algorithm);
    return workspace.setFileText(selected->id, content);
}
