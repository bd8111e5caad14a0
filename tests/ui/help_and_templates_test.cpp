#include "editor_pane_fixture.h"

#include "editor/code_text_editor.h"
#include "library/template_insertion.h"
#include "support/accessibility_audit.h"
#include "support/files.h"
#include "support/golden.h"
#include "support/printers.h"
#include "support/test_support.h"
#include "themes/theme_test_support.h"
#include "ui/editor_pane.h"
#include "ui/settings/custom_theme_section.h"
#include "ui/sheets/help_panel.h"
#include "ui/sheets/template_browser.h"
#include "ui/window_context.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// "objectName: text" for every label of the shown section, in reading order.
QString dumpSection(const HelpPanel& panel) {
    QString dump;
    const QWidget* page = panel.findChild<QWidget*>(u"helpContent"_s);
    for (const QLabel* label : page->findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            dump += label->objectName() + u": "_s + label->text() + u'\n';
    }
    return dump;
}

QString goldenPath(HelpSection section) {
    static const char* const names[] = {"shortcuts", "files", "testing", "templates", "tips"};
    return QStringLiteral(CORVANTA_TEST_DATA_DIR "/help-%1.txt")
        .arg(QLatin1String(names[int(section)]));
}

} // namespace

using HelpAndTemplatesTest = EditorPaneFixture;

// The expected files are the reviewed texts; CORVANTA_WRITE_GOLDEN=1 rewrites
// them from the current build after a deliberate change.
TEST_F(HelpAndTemplatesTest, EachHelpSectionShowsExactlyItsRows) {
    HelpPanel panel(pane.get());
    panel.open();
    for (HelpSection section : allHelpSections()) {
        panel.showSection(section);
        if (qEnvironmentVariableIsSet("CORVANTA_WRITE_GOLDEN")) {
            writeFile(goldenPath(section), dumpSection(panel).toUtf8());
            continue;
        }
        EXPECT_TRUE(matchesGolden(dumpSection(panel), goldenPath(section)))
            << helpSectionTitle(section).toStdString();
    }
}

TEST_F(HelpAndTemplatesTest, InsertNeedsASelectedFileThenClosesTheBrowserAndShowsTheText) {
    TemplateBrowser browser(owners->workspace, pane.get(), AlgorithmCategory::graph);
    browser.open();
    auto* insert = browser.findChild<QAbstractButton*>(u"insertButton"_s);
    insert->click();
    EXPECT_TRUE(browser.isVisible()) << "nothing selected: the browser stays";
    EXPECT_TRUE(owners->workspace.files().isEmpty());

    owners->workspace.createFile(u"a.py"_s, ProgrammingLanguage::python);
    insert->click();
    EXPECT_FALSE(browser.isVisible());
    EXPECT_TRUE(owners->workspace.selectedFile()->content.contains(corvanta::templateCode(
        ProgrammingLanguage::python, corvanta::templates(AlgorithmCategory::graph).first())));
}

// Every sheet of this family, the theme page's included: each control can be
// named by a screen reader, and Escape closes the sheet.
TEST_F(HelpAndTemplatesTest, EverySheetIsNamedAndClosesWithEscape) {
    const CustomTheme theme = sampleTheme(u"Mint"_s);
    owners->themes.addCustomTheme(theme);
    CustomThemeSettingsSection page(owners->themes, pane.get());
    EXPECT_EQ(unnamedControls(&page), QStringList());

    const std::function<QDialog*()> openers[] = {
        [&] { return new HelpPanel(pane.get(), HelpSection::tips); },
        [&] { return new TemplateBrowser(owners->workspace, pane.get()); },
        [&] { return page.openEditor(std::nullopt); },
        [&] { return page.openEditor(theme); },
        [&] { return page.openExport(theme); },
        [&] { return page.openImport(); },
    };
    for (const auto& open : openers) {
        QPointer<QDialog> sheet = open();
        sheet->open();
        EXPECT_EQ(unnamedControls(sheet), QStringList()) << sheet->objectName().toStdString();
        ASSERT_TRUE(QTest::qWaitForWindowActive(sheet));
        EXPECT_TRUE(sheet->focusWidget()) << sheet->objectName().toStdString();
        QTest::keyClick(sheet->focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(sheet && sheet->isVisible());
        delete sheet;
    }
}
