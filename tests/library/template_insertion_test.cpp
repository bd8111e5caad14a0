#include "library/template_insertion.h"
#include "library/template_library_json.h"
#include "support/printers.h"
#include "workspace/app_state.h"
#include "workspace/commands.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const AlgorithmTemplate& namedTemplate(AlgorithmCategory category, const QString& name) {
    for (const AlgorithmTemplate& algorithm : templates(category)) {
        if (algorithm.name == name)
            return algorithm;
    }
    ADD_FAILURE() << "no template " << name.toStdString();
    static const AlgorithmTemplate none;
    return none;
}

const AlgorithmTemplate& gcdLcm() {
    return namedTemplate(AlgorithmCategory::math, u"GCD/LCM"_s);
}

// Every test starts from an empty workspace and default settings.
bool clearWorkspaceAndSettings() {
    QSettings(u"Corvanta"_s, u"Corvanta"_s).clear();
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                u"/Corvanta"_s)
        .removeRecursively();
}

class TemplateInsertionTest : public ::testing::Test {
protected:
    // A selected file of the language holding exactly `content`.
    void selectFile(ProgrammingLanguage language, const QString& content) {
        state.createFile(u"a."_s + fileExtension(language), language);
        state.updateFileContent(content);
    }

    bool cleared = clearWorkspaceAndSettings();
    AppState state;
    Commands commands;
};

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

TEST_F(TemplateInsertionTest, AppendsToFileTabAndSelectionAndAnnouncesTheText) {
    selectFile(ProgrammingLanguage::python, u"print(1)"_s);
    const Timestamp before = state.files().first().modifiedAt;
    QSignalSpy inserted(&commands, &Commands::templateInserted);

    ASSERT_TRUE(insertTemplate(state, commands, gcdLcm()));

    const QString expected =
        u"print(1)\n\n# GCD/LCM\n# 최대공약수와 최소공배수\n# 시간복잡도: O(log min(a,b))\n"_s +
        gcdLcm().pythonCode;
    const FileItem& file = state.files().first();
    EXPECT_EQ(file.content, expected);
    EXPECT_GE(file.modifiedAt, before);
    EXPECT_EQ(state.openTabs().first().content, expected);
    ASSERT_TRUE(state.selectedFile().has_value());
    EXPECT_EQ(state.selectedFile()->id, file.id);
    EXPECT_EQ(state.selectedFile()->content, expected);
    ASSERT_EQ(inserted.size(), 1);
    EXPECT_EQ(inserted.first().first().toString(), expected);
}

TEST_F(TemplateInsertionTest, EachLanguageFamilyGetsItsHeaderAndVariant) {
    const QString block =
        u"/*\n * GCD/LCM\n * 최대공약수와 최소공배수\n * 시간복잡도: O(log min(a,b))\n */\n"_s;
    const QList<std::tuple<ProgrammingLanguage, QString>> rows = {
        {ProgrammingLanguage::c, block + gcdLcm().cCode},
        {ProgrammingLanguage::cpp, block + gcdLcm().cppCode},
        {ProgrammingLanguage::java, block + gcdLcm().cppCode},
        {ProgrammingLanguage::csharp, block + gcdLcm().cppCode},
        {ProgrammingLanguage::txt, QString()},
    };
    for (const auto& [language, insertion] : rows) {
        SCOPED_TRACE(rawValue(language).toStdString());
        selectFile(language, u"x"_s);
        ASSERT_TRUE(insertTemplate(state, commands, gcdLcm()));
        EXPECT_EQ(state.selectedFile()->content, u"x\n\n"_s + insertion);
    }
}

TEST_F(TemplateInsertionTest, EmptyFileKeepsTheLeadingBlankLinesAndRepeatsAppend) {
    selectFile(ProgrammingLanguage::cpp, QString());
    const AlgorithmTemplate& sieve =
        namedTemplate(AlgorithmCategory::math, u"에라토스테네스의 체"_s);
    const QString once =
        u"\n\n"_s + templateHeader(ProgrammingLanguage::cpp, sieve) + sieve.cppCode;

    ASSERT_TRUE(insertTemplate(state, commands, sieve));
    EXPECT_EQ(state.files().first().content, once);
    ASSERT_TRUE(insertTemplate(state, commands, sieve));
    EXPECT_EQ(state.files().first().content, once + once);
}

TEST_F(TemplateInsertionTest, WithoutSelectionNothingChanges) {
    selectFile(ProgrammingLanguage::python, u"print(1)"_s);
    state.closeTab(state.files().first());
    ASSERT_FALSE(state.selectedFile().has_value());
    QSignalSpy inserted(&commands, &Commands::templateInserted);

    EXPECT_FALSE(insertTemplate(state, commands, gcdLcm()));
    EXPECT_EQ(state.files().first().content, u"print(1)"_s);
    EXPECT_TRUE(inserted.isEmpty());
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
