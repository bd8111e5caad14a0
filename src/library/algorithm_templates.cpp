#include "library/algorithm_templates.h"

#include "library/templates/category_templates.h"

const QList<AlgorithmCategory>& allAlgorithmCategories() {
    static const QList<AlgorithmCategory> all = {
        AlgorithmCategory::sorting, AlgorithmCategory::searching,     AlgorithmCategory::graph,
        AlgorithmCategory::dp,      AlgorithmCategory::dataStructure, AlgorithmCategory::math,
        AlgorithmCategory::string};
    return all;
}

QString rawValue(AlgorithmCategory category) {
    switch (category) {
    case AlgorithmCategory::sorting:
        return QStringLiteral("정렬");
    case AlgorithmCategory::searching:
        return QStringLiteral("탐색");
    case AlgorithmCategory::graph:
        return QStringLiteral("그래프");
    case AlgorithmCategory::dp:
        return QStringLiteral("동적계획법");
    case AlgorithmCategory::dataStructure:
        return QStringLiteral("자료구조");
    case AlgorithmCategory::math:
        return QStringLiteral("수학");
    case AlgorithmCategory::string:
        return QStringLiteral("문자열");
    }
    return {};
}

QString icon(AlgorithmCategory category) {
    switch (category) {
    case AlgorithmCategory::sorting:
        return QStringLiteral("arrow.up.arrow.down");
    case AlgorithmCategory::searching:
        return QStringLiteral("magnifyingglass");
    case AlgorithmCategory::graph:
        return QStringLiteral("point.3.connected.trianglepath.dotted");
    case AlgorithmCategory::dp:
        return QStringLiteral("square.grid.3x3");
    case AlgorithmCategory::dataStructure:
        return QStringLiteral("square.stack.3d.up");
    case AlgorithmCategory::math:
        return QStringLiteral("function");
    case AlgorithmCategory::string:
        return QStringLiteral("textformat");
    }
    return {};
}

const QList<AlgorithmTemplate>& templates(AlgorithmCategory category) {
    static const QList<AlgorithmTemplate> sorting = sortingTemplates();
    static const QList<AlgorithmTemplate> searching = searchingTemplates();
    static const QList<AlgorithmTemplate> graph = graphTemplates();
    static const QList<AlgorithmTemplate> dp = dpTemplates();
    static const QList<AlgorithmTemplate> dataStructure = dataStructureTemplates();
    static const QList<AlgorithmTemplate> math = mathTemplates();
    static const QList<AlgorithmTemplate> string = stringTemplates();
    switch (category) {
    case AlgorithmCategory::sorting:
        return sorting;
    case AlgorithmCategory::searching:
        return searching;
    case AlgorithmCategory::graph:
        return graph;
    case AlgorithmCategory::dp:
        return dp;
    case AlgorithmCategory::dataStructure:
        return dataStructure;
    case AlgorithmCategory::math:
        return math;
    case AlgorithmCategory::string:
        return string;
    }
    return sorting;
}
