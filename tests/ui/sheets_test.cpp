#include "library/starter_code.h"
#include "support/accessibility_audit.h"
#include "support/printers.h"
#include "support/test_support.h"
#include "support/widgets.h"
#include "ui/main_window.h"
#include "ui/sheets/new_file_sheet.h"
#include "ui/sheets/onboarding_sheet.h"
#include "ui/sheets/quick_create_overlay.h"
#include "ui/window_context.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

class SheetsTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A test that starts over must first let the earlier store finish
        // its background write, or it lands after the folder is cleared.
        owners.reset();
        startAsFirstRun();
        owners = std::make_unique<WindowContext>();
        host = std::make_unique<QWidget>();
        host->resize(1000, 700);
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    }

    static QLineEdit* nameField(QWidget* sheet) {
        return sheet->findChild<QLineEdit*>(u"fileNameField"_s);
    }

    static void click(QWidget* within, const QString& objectName) {
        auto* button = within->findChild<QAbstractButton*>(objectName);
        ASSERT_TRUE(button) << objectName.toStdString();
        button->click();
    }

    std::unique_ptr<WindowContext> owners;
    std::unique_ptr<QWidget> host;
};

TEST_F(SheetsTest, ReturnInQuickCreateCreatesTheTypedNameInTheChosenLanguage) {
    QuickCreateOverlay overlay(owners->workspace, host.get());
    overlay.open();
    click(&overlay, u"language_py"_s);
    QLineEdit* field = nameField(&overlay);
    ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
    EXPECT_TRUE(field->hasFocus()) << "choosing a language hands the keyboard back to the name";
    field->setText(u"bfs"_s);
    QTest::keyClick(field, Qt::Key_Return);

    ASSERT_EQ(owners->workspace.files().size(), 1);
    EXPECT_EQ(owners->workspace.files()[0].name, u"bfs.py"_s);
    EXPECT_EQ(owners->workspace.files()[0].language, ProgrammingLanguage::python);
    EXPECT_FALSE(overlay.isVisible());

    overlay.open();
    EXPECT_EQ(field->text(), u"solution"_s) << "each opening starts afresh";
    EXPECT_EQ(overlay.language(), ProgrammingLanguage::cpp);
}

TEST_F(SheetsTest, QuickCreateClosesWithoutCreatingOnEscapeCancelOrTheBackdrop) {
    QuickCreateOverlay overlay(owners->workspace, host.get());
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"Escape", [&] { QTest::keyClick(nameField(&overlay), Qt::Key_Escape); }},
        {"cancel", [&] { click(&overlay, u"cancelButton"_s); }},
        {"backdrop", [&] { QTest::mouseClick(&overlay, Qt::LeftButton, {}, QPoint(5, 5)); }},
    };
    for (const auto& [name, close] : ways) {
        overlay.open();
        EXPECT_EQ(overlay.geometry(), host->rect()) << name;
        close();
        EXPECT_FALSE(overlay.isVisible()) << name;
    }
    QTest::mouseClick(&overlay, Qt::LeftButton, {}, overlay.rect().center());
    EXPECT_TRUE(owners->workspace.files().isEmpty());
}

TEST_F(SheetsTest, NewFileSheetResetsOnlyAnUntouchedNameOnALanguageChange) {
    const std::vector<std::pair<QString, QString>> cases = {
        {QString(), u"solution"_s},
        {u"solution"_s, u"solution"_s},
        {u"solution2"_s, u"solution2"_s},
    };
    NewFileSheet sheet(owners->workspace, host.get());
    for (const auto& [typed, expected] : cases) {
        nameField(&sheet)->setText(typed);
        click(&sheet, u"languageCard_java"_s);
        EXPECT_EQ(nameField(&sheet)->text(), expected) << typed.toStdString();
        EXPECT_EQ(sheet.language(), ProgrammingLanguage::java);
        sheet.chooseLanguage(ProgrammingLanguage::cpp);
    }
}

// The preview shows what a bare file would hold; the created file still gets
// the person's own starter text.
TEST_F(SheetsTest, NewFileSheetPreviewsTheBuiltInStarterAndCreatesWithTheUsersOne) {
    TemplateSettings templates = owners->settings.templates();
    templates.setText(ProgrammingLanguage::c, u"// mine\n"_s);
    owners->settings.setTemplates(templates);
    NewFileSheet sheet(owners->workspace, host.get());
    sheet.open();
    click(&sheet, u"languageCard_c"_s);
    auto* preview = sheet.findChild<QPlainTextEdit*>(u"templatePreview"_s);
    EXPECT_EQ(preview->toPlainText(), corvanta::builtInStarterCode(ProgrammingLanguage::c));

    nameField(&sheet)->setText(u"main"_s);
    QTest::keyClick(nameField(&sheet), Qt::Key_Return);
    ASSERT_EQ(owners->workspace.files().size(), 1);
    EXPECT_EQ(owners->workspace.files()[0].name, u"main.c"_s);
    EXPECT_EQ(owners->workspace.files()[0].content, u"// mine\n"_s);
    EXPECT_FALSE(sheet.isVisible());
}

TEST_F(SheetsTest, FinishingTheTourCreatesSolutionOnlyInAnEmptyWorkspace) {
    for (const bool hasFile : {false, true}) {
        SetUp();
        if (hasFile)
            owners->workspace.createFile(u"a.py"_s, ProgrammingLanguage::python);
        OnboardingSheet sheet(owners->workspace, host.get());
        sheet.open();
        for (int i = 1; i < OnboardingSheet::stepCount(); ++i)
            click(&sheet, u"nextButton"_s);
        click(&sheet, u"backButton"_s);
        click(&sheet, u"nextButton"_s);
        click(&sheet, u"startButton"_s);

        EXPECT_FALSE(sheet.isVisible());
        ASSERT_EQ(owners->workspace.files().size(), 1) << hasFile;
        EXPECT_EQ(owners->workspace.files()[0].name, hasFile ? u"a.py"_s : u"solution.cpp"_s);
    }
}

// Every control can be named by a screen reader; each sheet takes the keyboard
// and Escape closes it without creating anything.
TEST_F(SheetsTest, EverySheetIsNamedTakesTheKeyboardAndClosesOnEscape) {
    QuickCreateOverlay overlay(owners->workspace, host.get());
    EXPECT_EQ(unnamedControls(&overlay), QStringList());
    const std::vector<std::pair<const char*, std::function<QDialog*()>>> sheets = {
        {"new file", [&] { return new NewFileSheet(owners->workspace, host.get()); }},
        {"onboarding", [&] { return new OnboardingSheet(owners->workspace, host.get()); }},
    };
    for (const auto& [name, make] : sheets) {
        SCOPED_TRACE(name);
        std::unique_ptr<QDialog> sheet(make());
        EXPECT_EQ(unnamedControls(sheet.get()), QStringList());
        sheet->open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(sheet.get()));
        QWidget* first = nameField(sheet.get()) ? nameField(sheet.get())
                                                : sheet->findChild<QWidget*>(u"nextButton"_s);
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == first; }));
        QTest::keyClick(first, Qt::Key_Escape);
        EXPECT_FALSE(sheet->isVisible());
    }
    EXPECT_TRUE(owners->workspace.files().isEmpty());
}

TEST_F(SheetsTest, TheWindowOpensTheTourOnceAndTheCreatorsOnRequest) {
    {
        MainWindow window(*owners);
        window.show();
        EXPECT_TRUE(owners->settings.onboarding().hasSeenOnboarding) << "set before the tour shows";
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return window.findChild<OnboardingSheet*>() &&
                   window.findChild<OnboardingSheet*>()->isVisible();
        }));
        window.findChild<OnboardingSheet*>()->reject();

        emit owners->commands.newFile();
        EXPECT_TRUE(window.quickCreate()->isVisible());
        QTest::keyClick(nameField(window.quickCreate()), Qt::Key_Escape);
        EXPECT_FALSE(window.quickCreate()->isVisible());

        named<QAbstractButton>(&window, u"새 파일 만들기"_s)->click();
        NewFileSheet* sheet = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            sheet = window.findChild<NewFileSheet*>();
            return sheet && sheet->isVisible();
        }));
        // The chosen language's card is drawn apart from the others.
        const auto face = [&](const char* card) {
            auto* widget = sheet->findChild<QWidget*>(QLatin1StringView(card));
            return widget->grab().toImage().pixelColor(4, widget->height() / 2);
        };
        const auto apart = [](QColor a, QColor b) {
            return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                             std::abs(a.blue() - b.blue())});
        };
        sheet->chooseLanguage(ProgrammingLanguage::python);
        const QColor chosen = face("languageCard_py");
        EXPECT_GE(apart(face("languageCard_c"), chosen), 24);
        sheet->chooseLanguage(ProgrammingLanguage::c);
        EXPECT_EQ(face("languageCard_c"), chosen);
        QTest::keyClick(sheet, Qt::Key_Escape);
        EXPECT_FALSE(sheet->isVisible());
    }
    MainWindow again(*owners);
    again.show();
    QApplication::processEvents();
    EXPECT_FALSE(again.findChild<OnboardingSheet*>());
}
