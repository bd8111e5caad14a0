#include "support/printers.h"
#include "support/test_support.h"
#include "support/widgets.h"
#include "themes/share_code.h"
#include "themes/theme_test_support.h"
#include "ui/settings/custom_theme_section.h"
#include "ui/sheets/color_field.h"
#include "ui/sheets/custom_theme_editor_sheet.h"
#include "ui/sheets/theme_export_sheet.h"
#include "ui/sheets/theme_import_sheet.h"
#include "ui/window_context.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

class CustomThemeSheetsTest : public ::testing::Test {
protected:
    void SetUp() override {
        startAsFirstRun();
        owners = std::make_unique<WindowContext>();
        section = std::make_unique<CustomThemeSettingsSection>(owners->themes, nullptr);
        section->resize(600, 500);
        section->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(section.get()));
    }

    // Pastes the code into a fresh import sheet and presses "테마 추가".
    ThemeImportSheet* importCode(const QString& code) {
        auto* sheet = static_cast<ThemeImportSheet*>(section->openImport());
        sheet->setCode(code);
        sheet->findChild<QAbstractButton*>(u"addThemeButton"_s)->click();
        return sheet;
    }

    // The alert of that name shown over `parent`, or null.
    static QMessageBox* alertOver(QWidget* parent, const QString& name = u"themeAlert"_s) {
        for (QMessageBox* box : parent->findChildren<QMessageBox*>(name)) {
            if (box->isVisible())
                return box;
        }
        return nullptr;
    }

    std::unique_ptr<WindowContext> owners;
    std::unique_ptr<CustomThemeSettingsSection> section;
};

TEST_F(CustomThemeSheetsTest, ExportedCodeImportsAsACopyWithAFreshId) {
    const CustomTheme original = sampleTheme(u"Ocean"_s, 0.5);
    owners->themes.addCustomTheme(original);
    auto* exported = static_cast<ThemeExportSheet*>(section->openExport(original));
    const QString code = exported->code();
    exported->close();

    ThemeImportSheet* sheet = importCode(code);
    EXPECT_FALSE(sheet->isVisible()) << "success closes the import sheet";
    QMessageBox* done = alertOver(section.get());
    ASSERT_TRUE(done);
    done->close();
    ASSERT_EQ(owners->themes.customThemes().size(), 2);
    CustomTheme imported = owners->themes.customThemes().last();
    EXPECT_NE(imported.id, original.id);
    imported.id = original.id;
    imported.name = original.name;
    EXPECT_EQ(imported, original) << "alpha 0.5 included";

    // The editor keeps the imported opacity through its colour fields.
    auto* editor = static_cast<CustomThemeEditorSheet*>(
        section->openEditor(owners->themes.customThemes().last()));
    EXPECT_DOUBLE_EQ(editor->theme().background.alpha, 0.5);
    EXPECT_EQ(editor->theme(), owners->themes.customThemes().last());
}

// The hint names what reads poorly on the background and leaves saving to
// the person.
TEST_F(CustomThemeSheetsTest, TheEditorNamesTheColoursTooFaintToRead) {
    auto* editor = static_cast<CustomThemeEditorSheet*>(section->openEditor(std::nullopt));
    auto* hint = editor->findChild<QLabel*>(u"contrastHint"_s);
    ASSERT_TRUE(hint);
    EXPECT_FALSE(hint->isVisible()) << "the starting colours all read";

    withName<ColorField>(editor, u"배경"_s)->setColor(CodableColor{1, 1, 1, 1});
    EXPECT_TRUE(hint->isVisible());
    EXPECT_TRUE(hint->text().contains(u"텍스트"_s));
    EXPECT_FALSE(hint->text().contains(u"줄 번호"_s)) << "line numbers may be faint";
    withName<ColorField>(editor, u"텍스트"_s)->setColor(CodableColor{0, 0, 0, 1});
    EXPECT_FALSE(hint->text().contains(u"텍스트"_s));

    editor->findChild<QLineEdit*>(u"themeNameField"_s)->setText(u"pale"_s);
    editor->findChild<QAbstractButton*>(u"saveButton"_s)->click();
    EXPECT_EQ(owners->themes.customThemes().size(), 1);
}

// Which reason a code fails for is the share code's test; here, that the
// reason is shown over the sheet, which stays open.
TEST_F(CustomThemeSheetsTest, AnImportFailureIsShownAndTheSheetStaysOpen) {
    const QString code = u"PLUMETHEME:%%%"_s;
    ThemeImportSheet* sheet = importCode(code);
    EXPECT_TRUE(sheet->isVisible());
    QMessageBox* failure = alertOver(sheet);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->informativeText(), std::get<QString>(importShareCode(code, {})));
    EXPECT_TRUE(owners->themes.customThemes().isEmpty());
}

TEST_F(CustomThemeSheetsTest, ClickingARowSelectsItAndDeletingAsksFirst) {
    owners->themes.addCustomTheme(sampleTheme(u"Ocean"_s));
    // Rows appear on the next turn of the event loop; replaced ones are hidden at once.
    const auto rows = [this] {
        QList<QWidget*> shown;
        for (QWidget* row : section->findChildren<QWidget*>(u"customThemeRow"_s)) {
            if (row->isVisible())
                shown.append(row);
        }
        return shown;
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows().size() == 1; }));
    QTest::mouseClick(rows().first(), Qt::LeftButton, {}, QPoint(4, 4));
    ASSERT_TRUE(owners->themes.activeCustomTheme());
    EXPECT_EQ(owners->themes.activeCustomTheme()->name, u"Ocean"_s);

    for (const char* answer : {"취소", "삭제"}) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return rows().size() == 1; }));
        rows().first()->findChild<QAbstractButton*>(u"deleteThemeButton"_s)->click();
        QMessageBox* alert = alertOver(section.get(), u"deleteThemeAlert"_s);
        ASSERT_TRUE(alert);
        for (QAbstractButton* button : alert->buttons()) {
            if (button->text() == QString::fromUtf8(answer))
                button->click();
        }
        EXPECT_FALSE(alert->isVisible());
        if (QString::fromUtf8(answer) == u"취소"_s) {
            EXPECT_EQ(owners->themes.customThemes().size(), 1) << "cancel keeps the theme";
        }
    }
    EXPECT_TRUE(owners->themes.customThemes().isEmpty());
    EXPECT_FALSE(owners->themes.useCustomTheme()) << "deleting the theme in force turns it off";
    EXPECT_TRUE(rows().isEmpty());
}
