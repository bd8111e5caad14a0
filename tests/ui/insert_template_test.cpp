#include "library/template_insertion.h"
#include "support/printers.h"
#include "support/test_support.h"
#include "ui/commands.h"
#include "ui/insert_template.h"
#include "workspace/app_state.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class TemplateInsertionTest : public ::testing::Test {
protected:
    // A selected file of the language holding exactly `content`.
    void selectFile(ProgrammingLanguage language, const QString& content) {
        state.createFile(u"a."_s + fileExtension(language), language);
        state.updateFileContent(content);
    }

    const AlgorithmTemplate& algorithm = corvanta::templates(AlgorithmCategory::math).first();
    bool cleared = (startAsFirstRun(), true);
    AppState state;
    Commands commands;
};

} // namespace

// The header and code of each language are the library's; here, what the
// insertion does with them: a blank line after the text, never a replacement.
TEST_F(TemplateInsertionTest, AppendsToTheSelectedFileEachTimeAndAnnouncesTheText) {
    for (const ProgrammingLanguage language :
         {ProgrammingLanguage::python, ProgrammingLanguage::c, ProgrammingLanguage::txt}) {
        SCOPED_TRACE(rawValue(language).toStdString());
        for (const QString& before : {u"print(1)"_s, QString()}) {
            selectFile(language, before);
            const Timestamp edited = state.selectedFile()->modifiedAt;
            QSignalSpy inserted(&commands, &Commands::templateInserted);
            const QString once = u"\n\n"_s + corvanta::templateHeader(language, algorithm) +
                                 corvanta::templateCode(language, algorithm);

            ASSERT_TRUE(insertTemplate(state, commands, algorithm));
            ASSERT_TRUE(insertTemplate(state, commands, algorithm));
            EXPECT_EQ(state.selectedFile()->content, before + once + once);
            EXPECT_GE(state.selectedFile()->modifiedAt, edited);
            ASSERT_EQ(inserted.size(), 2);
            EXPECT_EQ(inserted.last().first().toString(), state.selectedFile()->content);
        }
    }
}

TEST_F(TemplateInsertionTest, WithoutSelectionNothingChanges) {
    selectFile(ProgrammingLanguage::python, u"print(1)"_s);
    state.closeTab(state.files().first().id);
    ASSERT_FALSE(state.selectedFile());
    QSignalSpy inserted(&commands, &Commands::templateInserted);

    EXPECT_FALSE(insertTemplate(state, commands, algorithm));
    EXPECT_EQ(state.files().first().content, u"print(1)"_s);
    EXPECT_TRUE(inserted.isEmpty());
}
