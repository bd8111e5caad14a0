#include "library/template_library_json.h"

#include "library/algorithm_templates.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace corvanta {

QByteArray templateLibraryJson() {
    QJsonArray library;
    for (AlgorithmCategory category : allAlgorithmCategories()) {
        for (const AlgorithmTemplate& algorithm : templates(category)) {
            library.append(QJsonObject{
                {QStringLiteral("category"), rawValue(category)},
                {QStringLiteral("name"), algorithm.name},
                {QStringLiteral("description"), algorithm.description},
                {QStringLiteral("timeComplexity"), algorithm.timeComplexity},
                {QStringLiteral("cppCode"), algorithm.cppCode},
                {QStringLiteral("cCode"), algorithm.cCode},
                {QStringLiteral("pythonCode"), algorithm.pythonCode},
            });
        }
    }
    return QJsonDocument(library).toJson(QJsonDocument::Indented);
}

} // namespace corvanta
