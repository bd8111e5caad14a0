#include "library/template_insertion.h"

#include "workspace/app_state.h"
#include "workspace/commands.h"

QString templateHeader(ProgrammingLanguage language, const AlgorithmTemplate& algorithm) {
    switch (language) {
    case ProgrammingLanguage::c:
    case ProgrammingLanguage::cpp:
    case ProgrammingLanguage::java:
    case ProgrammingLanguage::csharp:
        return QStringLiteral("/*\n * ") + algorithm.name + QStringLiteral("\n * ") +
               algorithm.description + QStringLiteral("\n * 시간복잡도: ") +
               algorithm.timeComplexity + QStringLiteral("\n */\n");
    case ProgrammingLanguage::python:
        return QStringLiteral("# ") + algorithm.name + QStringLiteral("\n# ") +
               algorithm.description + QStringLiteral("\n# 시간복잡도: ") +
               algorithm.timeComplexity + QStringLiteral("\n");
    case ProgrammingLanguage::txt:
        return {};
    }
    return {};
}

QString templateCode(ProgrammingLanguage language, const AlgorithmTemplate& algorithm) {
    switch (language) {
    case ProgrammingLanguage::c:
        return algorithm.cCode;
    case ProgrammingLanguage::cpp:
    case ProgrammingLanguage::java:
    case ProgrammingLanguage::csharp:
        return algorithm.cppCode;
    case ProgrammingLanguage::python:
        return algorithm.pythonCode;
    case ProgrammingLanguage::txt:
        return {};
    }
    return {};
}

bool insertTemplate(AppState& state, Commands& commands, const AlgorithmTemplate& algorithm) {
    // The editor may still hold keystrokes the workspace has not seen.
    state.commitPendingEdits();
    const FileItem* selected = state.selectedFile();
    if (!selected)
        return false;
    const QString content = selected->content + QStringLiteral("\n\n") +
                            templateHeader(selected->language, algorithm) +
                            templateCode(selected->language, algorithm);
    // A selection that outlived its file would take text that nothing keeps.
    if (!state.updateFileContent(content))
        return false;
    emit commands.templateInserted(content);
    return true;
}
