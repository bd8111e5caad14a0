#include "support/printers.h"
#include "support/test_support.h"
#include "themes/share_code.h"
#include "ui/settings/custom_theme_section.h"
#include "ui/sheets/custom_theme_editor_sheet.h"
#include "ui/sheets/theme_export_sheet.h"
#include "ui/sheets/theme_import_sheet.h"
#include "workspace/app_state.h"

#include <QAbstractButton>
#include <QDir>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

class CustomThemeSheetsTest : public ::testing::Test {
protected:
    void SetUp() override {
        startAsFirstRun();
        state = std::make_unique<AppState>();
        section = std::make_unique<CustomThemeSettingsSection>(*state, nullptr);
        section->resize(600, 500);
        section->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(section.get()));
    }

    void TearDown() override {
        section.reset();
        state.reset();
    }

    // Pastes the code into a fresh import sheet and presses "테마 추가".
    ThemeImportSheet* importCode(const QString& code) {
        auto* sheet = static_cast<ThemeImportSheet*>(section->openImport());
        sheet->setCode(code);
        sheet->findChild<QAbstractButton*>(QStringLiteral("addThemeButton"))->click();
        return sheet;
    }

    // The alert shown over `parent`, or null.
    static QMessageBox* alertOver(QWidget* parent) {
        for (QMessageBox* box : parent->findChildren<QMessageBox*>(QStringLiteral("themeAlert"))) {
            if (box->isVisible())
                return box;
        }
        return nullptr;
    }

    static CustomTheme sampleTheme(double alpha) {
        CustomTheme theme;
        theme.id = QUuid::createUuid();
        theme.name = QStringLiteral("Ocean");
        theme.background = {0.1, 0.2, 0.3, alpha};
        theme.syntaxKeyword = {0.9, 0.4, 0.2, alpha};
        theme.syntaxComment = {0.25, 0.5, 0.75, 1};
        return theme;
    }

    std::unique_ptr<AppState> state;
    std::unique_ptr<CustomThemeSettingsSection> section;
};

TEST_F(CustomThemeSheetsTest, ExportedCodeImportsAsACopyWithAFreshIdAndASuffixedName) {
    const CustomTheme original = sampleTheme(0.5);
    state->addCustomTheme(original);
    auto* exported = static_cast<ThemeExportSheet*>(section->openExport(original));
    const QString code = exported->code();
    exported->close();

    for (int copy = 1; copy <= 2; ++copy) {
        ThemeImportSheet* sheet = importCode(code);
        EXPECT_FALSE(sheet->isVisible()) << "success closes the import sheet";
        QMessageBox* done = alertOver(section.get());
        ASSERT_TRUE(done);
        done->close();
        ASSERT_EQ(state->customThemes().size(), copy + 1);
        CustomTheme imported = state->customThemes().last();
        EXPECT_NE(imported.id, original.id);
        EXPECT_EQ(imported.name, original.name + QStringLiteral(" (복사본)"));
        imported.id = original.id;
        imported.name = original.name;
        EXPECT_EQ(imported, original) << "alpha 0.5 included";
    }

    // The editor keeps the imported opacity through its colour fields.
    auto* editor =
        static_cast<CustomThemeEditorSheet*>(section->openEditor(state->customThemes().last()));
    EXPECT_DOUBLE_EQ(editor->theme().background.alpha, 0.5);
    EXPECT_EQ(editor->theme(), state->customThemes().last());
}

TEST_F(CustomThemeSheetsTest, EachImportFailureIsShownAndTheSheetStaysOpen) {
    const QString codes[] = {
        QStringLiteral("plumetheme:") + QString::fromLatin1(QByteArray("{}").toBase64()),
        QStringLiteral("PLUMETHEME:%%%"),
        QStringLiteral("PLUMETHEME:") + QString::fromLatin1(QByteArray("{}").toBase64()),
    };
    QStringList shown;
    for (const QString& code : codes) {
        ThemeImportSheet* sheet = importCode(code);
        EXPECT_TRUE(sheet->isVisible());
        QMessageBox* failure = alertOver(sheet);
        ASSERT_TRUE(failure) << code.toStdString();
        EXPECT_EQ(failure->informativeText(), std::get<QString>(importShareCode(code, {})));
        shown.append(failure->informativeText());
        failure->close();
        sheet->close();
    }
    shown.removeDuplicates();
    EXPECT_EQ(shown.size(), 3) << "three distinct reasons";
    EXPECT_TRUE(state->customThemes().isEmpty());
}

TEST_F(CustomThemeSheetsTest, ClickingARowSelectsItAndDeletingAsksFirst) {
    state->addCustomTheme(sampleTheme(1));
    // Rows appear on the next turn of the event loop; replaced ones are hidden at once.
    const auto rows = [this] {
        QList<QWidget*> shown;
        for (QWidget* row : section->findChildren<QWidget*>(QStringLiteral("customThemeRow"))) {
            if (row->isVisible())
                shown.append(row);
        }
        return shown;
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows().size() == 1; }));
    QTest::mouseClick(rows().first(), Qt::LeftButton, {}, QPoint(4, 4));
    ASSERT_TRUE(state->activeCustomTheme());
    EXPECT_EQ(state->activeCustomTheme()->name, QStringLiteral("Ocean"));

    for (const char* answer : {"취소", "삭제"}) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return rows().size() == 1; }));
        rows().first()->findChild<QAbstractButton*>(QStringLiteral("deleteThemeButton"))->click();
        QMessageBox* alert = nullptr;
        for (QMessageBox* box :
             section->findChildren<QMessageBox*>(QStringLiteral("deleteThemeAlert")))
            if (box->isVisible())
                alert = box;
        ASSERT_TRUE(alert);
        for (QAbstractButton* button : alert->buttons()) {
            if (button->text() == QString::fromUtf8(answer))
                button->click();
        }
        EXPECT_FALSE(alert->isVisible());
        if (QString::fromUtf8(answer) == QStringLiteral("취소")) {
            EXPECT_EQ(state->customThemes().size(), 1) << "cancel keeps the theme";
        }
    }
    EXPECT_TRUE(state->customThemes().isEmpty());
    EXPECT_FALSE(state->useCustomTheme()) << "deleting the theme in force turns it off";
    EXPECT_TRUE(rows().isEmpty());
}
