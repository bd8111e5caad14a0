#include "library/template_insertion.h"
#include "library/template_library_json.h"
#include "support/printers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const AlgorithmTemplate& gcdLcm() {
    for (const AlgorithmTemplate& algorithm : templates(AlgorithmCategory::math)) {
        if (algorithm.name == u"GCD/LCM"_s)
            return algorithm;
    }
    ADD_FAILURE() << "no GCD/LCM template";
    static const AlgorithmTemplate none;
    return none;
}

} // namespace

TEST(TemplateHeader, FollowsTheCommentStyleOfTheLanguage) {
    const QString block =
        u"/*\n * GCD/LCM\n * 최대공약수와 최소공배수\n * 시간복잡도: O(log min(a,b))\n */\n"_s;
    const QList<std::tuple<ProgrammingLanguage, QString, QString>> rows = {
        {ProgrammingLanguage::c, block, gcdLcm().cCode},
        {ProgrammingLanguage::cpp, block, gcdLcm().cppCode},
        {ProgrammingLanguage::java, block, gcdLcm().cppCode},
        {ProgrammingLanguage::csharp, block, gcdLcm().cppCode},
        {ProgrammingLanguage::python,
         u"# GCD/LCM\n# 최대공약수와 최소공배수\n# 시간복잡도: O(log min(a,b))\n"_s,
         gcdLcm().pythonCode},
        {ProgrammingLanguage::txt, QString(), QString()},
    };
    for (const auto& [language, header, code] : rows) {
        SCOPED_TRACE(rawValue(language).toStdString());
        EXPECT_EQ(templateHeader(language, gcdLcm()), header);
        EXPECT_EQ(templateCode(language, gcdLcm()), code);
    }
}

TEST(TemplateLibraryJson, ListsEveryTemplateInLibraryOrderWithItsCategory) {
    const QByteArray json = templateLibraryJson();
    EXPECT_TRUE(json.contains("\"자료구조\"")) << "non-ASCII text must not be escaped";
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    ASSERT_TRUE(document.isArray());

    QJsonArray expected;
    for (AlgorithmCategory category : allAlgorithmCategories()) {
        for (const AlgorithmTemplate& algorithm : templates(category)) {
            expected.append(QJsonObject{{u"category"_s, rawValue(category)},
                                        {u"name"_s, algorithm.name},
                                        {u"description"_s, algorithm.description},
                                        {u"timeComplexity"_s, algorithm.timeComplexity},
                                        {u"cppCode"_s, algorithm.cppCode},
                                        {u"cCode"_s, algorithm.cCode},
                                        {u"pythonCode"_s, algorithm.pythonCode}});
        }
    }
    EXPECT_EQ(document.array(), expected);

    QStringList mathNames;
    for (const QJsonValue& element : document.array()) {
        if (element[u"category"_s].toString() == u"수학"_s)
            mathNames.append(element[u"name"_s].toString());
    }
    EXPECT_EQ(mathNames.size(), 7);
    EXPECT_EQ(mathNames.value(5), u"조합 (nCr)"_s);
}
