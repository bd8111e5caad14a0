#include "library/template_insertion.h"
#include "support/printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const AlgorithmTemplate& gcdLcm() {
    for (const AlgorithmTemplate& algorithm : corvanta::templates(AlgorithmCategory::math)) {
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
        EXPECT_EQ(corvanta::templateHeader(language, gcdLcm()), header);
        EXPECT_EQ(corvanta::templateCode(language, gcdLcm()), code);
    }
}
