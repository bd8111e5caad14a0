#include "library/template_insertion.h"

namespace corvanta {

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

} // namespace corvanta
