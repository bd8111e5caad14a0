#include "library/algorithm_templates.h"

#include "base/resource_data.h"

#include <QDir>
#include <QJsonObject>
#include <array>

using namespace Qt::StringLiterals;

namespace corvanta {

namespace {

struct CategoryFacts {
    const char16_t* name;
    const char16_t* icon;
    // Under data/templates/; each template is a folder in it, in name order.
    const char16_t* folder;
};

// Indexed by AlgorithmCategory.
constexpr std::array<CategoryFacts, 7> categoryFacts = {{
    {u"정렬", u"arrow.up.arrow.down", u"sorting"},
    {u"탐색", u"magnifyingglass", u"searching"},
    {u"그래프", u"point.3.connected.trianglepath.dotted", u"graph"},
    {u"동적계획법", u"square.grid.3x3", u"dp"},
    {u"자료구조", u"square.stack.3d.up", u"data-structure"},
    {u"수학", u"function", u"math"},
    {u"문자열", u"textformat", u"string"},
}};

const CategoryFacts& factsOf(AlgorithmCategory category) {
    return categoryFacts[static_cast<std::size_t>(category)];
}

AlgorithmTemplate readTemplate(const QDir& folder) {
    const QJsonObject facts = resourceJson(folder.filePath(u"template.json"_s)).object();
    const auto code = [&](const QString& fileName) {
        return resourceText(folder.filePath(fileName));
    };
    return {facts.value("name"_L1).toString(),
            facts.value("description"_L1).toString(),
            facts.value("timeComplexity"_L1).toString(),
            code(u"template.cpp"_s),
            code(u"template.c"_s),
            code(u"template.py"_s)};
}

QList<AlgorithmTemplate> readCategory(AlgorithmCategory category) {
    const QDir folder(u":/library/templates/"_s + QString::fromUtf16(factsOf(category).folder));
    QList<AlgorithmTemplate> list;
    for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        list.append(readTemplate(QDir(folder.filePath(name))));
    return list;
}

} // namespace

const QList<AlgorithmCategory>& allAlgorithmCategories() {
    static const QList<AlgorithmCategory> all = {
        AlgorithmCategory::sorting, AlgorithmCategory::searching,     AlgorithmCategory::graph,
        AlgorithmCategory::dp,      AlgorithmCategory::dataStructure, AlgorithmCategory::math,
        AlgorithmCategory::string};
    return all;
}

QString rawValue(AlgorithmCategory category) {
    return QString::fromUtf16(factsOf(category).name);
}

QString icon(AlgorithmCategory category) {
    return QString::fromUtf16(factsOf(category).icon);
}

const QList<AlgorithmTemplate>& templates(AlgorithmCategory category) {
    static const auto library = [] {
        std::array<QList<AlgorithmTemplate>, categoryFacts.size()> all;
        for (AlgorithmCategory each : allAlgorithmCategories())
            all[static_cast<std::size_t>(each)] = readCategory(each);
        return all;
    }();
    return library[static_cast<std::size_t>(category)];
}

} // namespace corvanta
