#include "editor/code_text_editor.h"
#include "editor/syntax_text_view.h"
#include "editor_pane_fixture.h"
#include "library/template_insertion.h"
#include "support/printers.h"
#include "ui/insert_template.h"

#include <QKeySequence>

using namespace Qt::StringLiterals;

namespace {

const QString typed = u"print(1)"_s;

} // namespace

// The header and code of each language are the library's; here, what the
// insertion does with them: appended after a blank line to what the editor
// shows, keystrokes of the last moment included, as an edit Ctrl+Z takes back.
TEST_F(EditorPaneFixture, InsertedTemplateAppendsAsAnUndoableEdit) {
    const AlgorithmTemplate& algorithm = corvanta::templates(AlgorithmCategory::math).first();
    EXPECT_FALSE(insertTemplate(owners->workspace, algorithm)) << "no file is selected";
    for (const ProgrammingLanguage language :
         {ProgrammingLanguage::python, ProgrammingLanguage::c, ProgrammingLanguage::txt}) {
        SCOPED_TRACE(rawValue(language).toStdString());
        owners->workspace.createFile(u"a."_s + fileExtension(language), language);
        const QUuid id = owners->workspace.selectedFile()->id;
        pane->editor()->setText(QString());
        QTest::keyClicks(pane->editor()->textView(), typed);
        const QString once = u"\n\n"_s + corvanta::templateHeader(language, algorithm) +
                             corvanta::templateCode(language, algorithm);

        ASSERT_TRUE(insertTemplate(owners->workspace, algorithm));
        ASSERT_TRUE(insertTemplate(owners->workspace, algorithm));
        EXPECT_EQ(pane->editor()->text(), typed + once + once);
        EXPECT_EQ(owners->workspace.file(id)->content, typed + once + once);

        QTest::keySequence(pane->editor()->textView(), QKeySequence::Undo);
        EXPECT_EQ(pane->editor()->text(), typed + once);
        EXPECT_EQ(owners->workspace.fileText(id), typed + once);
        owners->store.saveData();
        EXPECT_EQ(owners->workspace.file(id)->content, typed + once)
            << "the undo reaches the record";
    }
}
