#pragma once

#include <QList>
#include <QString>

// The constant library of algorithm fragments the template browser inserts.

enum class AlgorithmCategory { sorting, searching, graph, dp, dataStructure, math, string };

// Paste-ready fragments: no includes (C++ relies on the C++ starter text's
// includes and `using namespace std;`), four-space indentation, no final line feed.
struct AlgorithmTemplate {
    QString name;
    QString description;
    QString timeComplexity;
    QString cppCode;
    QString cCode;
    QString pythonCode;
};

namespace corvanta {

const QList<AlgorithmCategory>& allAlgorithmCategories();
// The display name ("정렬", "탐색", ...).
QString rawValue(AlgorithmCategory category);
// The design's symbol name; the UI maps it to a freedesktop icon.
QString icon(AlgorithmCategory category);

// In the library's fixed order. The whole library is read from its data files
// on the first call and kept for the life of the process.
const QList<AlgorithmTemplate>& templates(AlgorithmCategory category);

} // namespace corvanta
