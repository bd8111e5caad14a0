#include "library/template_insertion.h"
#include "support/printers.h"
#include "ui/insert_template.h"
#include "workspace/app_state.h"
#include "workspace/commands.h"

#include <QDir>
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
    QSettings().clear();
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
    ASSERT_TRUE(state.selectedFile());
    EXPECT_EQ(state.selectedFile()->id, file.id);
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
    state.closeTab(state.files().first().id);
    ASSERT_FALSE(state.selectedFile());
    QSignalSpy inserted(&commands, &Commands::templateInserted);

    EXPECT_FALSE(insertTemplate(state, commands, gcdLcm()));
    EXPECT_EQ(state.files().first().content, u"print(1)"_s);
    EXPECT_TRUE(inserted.isEmpty());
}
