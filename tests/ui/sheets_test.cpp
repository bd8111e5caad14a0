#include "support/printers.h"
#include "support/test_support.h"
#include "ui/main_window.h"
#include "ui/sheets/new_file_sheet.h"
#include "ui/sheets/onboarding_sheet.h"
#include "ui/sheets/quick_create_overlay.h"
#include "workspace/app_state.h"
#include "workspace/commands.h"

#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

class SheetsTest : public ::testing::Test {
protected:
    void SetUp() override {
        startAsFirstRun();
        state = std::make_unique<AppState>();
        host = std::make_unique<QWidget>();
        host->resize(1000, 700);
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    }

    void TearDown() override {
        host.reset();
        state.reset();
    }

    static QLineEdit* nameField(QWidget* sheet) {
        return sheet->findChild<QLineEdit*>(QStringLiteral("fileNameField"));
    }

    static void click(QWidget* within, const QString& objectName) {
        auto* button = within->findChild<QAbstractButton*>(objectName);
        ASSERT_TRUE(button) << objectName.toStdString();
        button->click();
    }

    std::unique_ptr<AppState> state;
    std::unique_ptr<QWidget> host;
};

TEST_F(SheetsTest, ReturnInQuickCreateCreatesTheTypedNameInTheChosenLanguage) {
    QuickCreateOverlay overlay(*state, host.get());
    overlay.open();
    click(&overlay, QStringLiteral("language_py"));
    QLineEdit* field = nameField(&overlay);
    ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
    EXPECT_TRUE(field->hasFocus()) << "choosing a language hands the keyboard back to the name";
    field->setText(QStringLiteral("bfs"));
    QTest::keyClick(field, Qt::Key_Return);

    ASSERT_EQ(state->files().size(), 1);
    EXPECT_EQ(state->files()[0].name, QStringLiteral("bfs.py"));
    EXPECT_EQ(state->files()[0].language, ProgrammingLanguage::python);
    EXPECT_FALSE(overlay.isVisible());

    overlay.open();
    EXPECT_EQ(field->text(), QStringLiteral("solution")) << "each opening starts afresh";
    EXPECT_EQ(overlay.language(), ProgrammingLanguage::cpp);
}

TEST_F(SheetsTest, QuickCreateClosesWithoutCreatingOnEscapeCancelOrTheBackdrop) {
    QuickCreateOverlay overlay(*state, host.get());
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"Escape", [&] { QTest::keyClick(nameField(&overlay), Qt::Key_Escape); }},
        {"cancel", [&] { click(&overlay, QStringLiteral("cancelButton")); }},
        {"backdrop", [&] { QTest::mouseClick(&overlay, Qt::LeftButton, {}, QPoint(5, 5)); }},
    };
    for (const auto& [name, close] : ways) {
        overlay.open();
        EXPECT_EQ(overlay.geometry(), host->rect()) << name;
        close();
        EXPECT_FALSE(overlay.isVisible()) << name;
    }
    QTest::mouseClick(&overlay, Qt::LeftButton, {}, overlay.rect().center());
    EXPECT_TRUE(state->files().isEmpty());
}

TEST_F(SheetsTest, NewFileSheetResetsOnlyAnUntouchedNameOnALanguageChange) {
    const std::vector<std::pair<QString, QString>> cases = {
        {QString(), QStringLiteral("solution")},
        {QStringLiteral("solution"), QStringLiteral("solution")},
        {QStringLiteral("dp"), QStringLiteral("dp")},
        {QStringLiteral("solution2"), QStringLiteral("solution2")},
    };
    NewFileSheet sheet(*state, host.get());
    for (const auto& [typed, expected] : cases) {
        nameField(&sheet)->setText(typed);
        click(&sheet, QStringLiteral("languageCard_java"));
        EXPECT_EQ(nameField(&sheet)->text(), expected) << typed.toStdString();
        EXPECT_EQ(sheet.language(), ProgrammingLanguage::java);
        sheet.chooseLanguage(ProgrammingLanguage::cpp);
    }
}

// The preview shows what a bare file would hold; the created file still gets
// the person's own starter text.
TEST_F(SheetsTest, NewFileSheetPreviewsTheBuiltInStarterAndCreatesWithTheUsersOne) {
    TemplateSettings templates = state->settings().templates();
    templates.setText(ProgrammingLanguage::c, QStringLiteral("// mine\n"));
    state->settings().setTemplates(templates);
    NewFileSheet sheet(*state, host.get());
    sheet.open();
    click(&sheet, QStringLiteral("languageCard_c"));
    auto* preview = sheet.findChild<QPlainTextEdit*>(QStringLiteral("templatePreview"));
    EXPECT_EQ(preview->toPlainText(), defaultCode(ProgrammingLanguage::c));

    nameField(&sheet)->setText(QStringLiteral("main"));
    QTest::keyClick(nameField(&sheet), Qt::Key_Return);
    ASSERT_EQ(state->files().size(), 1);
    EXPECT_EQ(state->files()[0].name, QStringLiteral("main.c"));
    EXPECT_EQ(state->files()[0].content, QStringLiteral("// mine\n"));
    EXPECT_FALSE(sheet.isVisible());
}

TEST_F(SheetsTest, FinishingTheTourCreatesSolutionOnlyInAnEmptyWorkspace) {
    for (const bool hasFile : {false, true}) {
        SetUp();
        if (hasFile)
            state->createFile(QStringLiteral("a.py"), ProgrammingLanguage::python);
        OnboardingSheet sheet(*state, host.get());
        sheet.open();
        for (int i = 1; i < OnboardingSheet::stepCount(); ++i)
            click(&sheet, QStringLiteral("nextButton"));
        click(&sheet, QStringLiteral("backButton"));
        click(&sheet, QStringLiteral("nextButton"));
        click(&sheet, QStringLiteral("startButton"));

        EXPECT_FALSE(sheet.isVisible());
        ASSERT_EQ(state->files().size(), 1) << hasFile;
        EXPECT_EQ(state->files()[0].name,
                  hasFile ? QStringLiteral("a.py") : QStringLiteral("solution.cpp"));
    }
}

TEST_F(SheetsTest, EverySheetTakesTheKeyboardAndEscapeClosesItWithoutCreating) {
    const std::vector<std::pair<const char*, std::function<QDialog*()>>> sheets = {
        {"new file", [&] { return new NewFileSheet(*state, host.get()); }},
        {"onboarding", [&] { return new OnboardingSheet(*state, host.get()); }},
    };
    for (const auto& [name, make] : sheets) {
        std::unique_ptr<QDialog> sheet(make());
        sheet->open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(sheet.get())) << name;
        QWidget* first = nameField(sheet.get())
                             ? nameField(sheet.get())
                             : sheet->findChild<QWidget*>(QStringLiteral("nextButton"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == first; }));
        QTest::keyClick(first, Qt::Key_Escape);
        EXPECT_FALSE(sheet->isVisible()) << name;
    }
    EXPECT_TRUE(state->files().isEmpty());
}

TEST_F(SheetsTest, TheWindowOpensTheTourOnceAndTheCreatorsOnRequest) {
    Commands commands;
    {
        MainWindow window(*state, commands);
        window.show();
        EXPECT_TRUE(state->settings().onboarding().hasSeenOnboarding)
            << "set before the tour shows";
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return window.findChild<OnboardingSheet*>() &&
                   window.findChild<OnboardingSheet*>()->isVisible();
        }));
        window.findChild<OnboardingSheet*>()->reject();

        emit commands.newFile();
        EXPECT_TRUE(window.quickCreate()->isVisible());
        QTest::keyClick(nameField(window.quickCreate()), Qt::Key_Escape);
        EXPECT_FALSE(window.quickCreate()->isVisible());

        state->setShowNewFileSheet(true);
        auto* sheet = window.findChild<NewFileSheet*>();
        ASSERT_TRUE(sheet);
        sheet->reject();
        EXPECT_FALSE(state->showNewFileSheet()) << "dismissing the sheet clears the request";
    }
    MainWindow again(*state, commands);
    again.show();
    QApplication::processEvents();
    EXPECT_FALSE(again.findChild<OnboardingSheet*>());
}

// A screen reader says a control's accessible name, or failing that its text;
// an icon-only button without either is silent.
TEST_F(SheetsTest, EveryControlOfTheCreatorsAndTheTourHasAName) {
    QuickCreateOverlay overlay(*state, host.get());
    NewFileSheet newFile(*state, host.get());
    OnboardingSheet tour(*state, host.get());
    for (QWidget* root : std::initializer_list<QWidget*>{&overlay, &newFile, &tour}) {
        for (QWidget* control : root->findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus && !qobject_cast<QAbstractButton*>(control))
                continue;
            auto* button = qobject_cast<QAbstractButton*>(control);
            const QString spoken = control->accessibleName().isEmpty() && button
                                       ? button->text()
                                       : control->accessibleName();
            EXPECT_FALSE(spoken.isEmpty())
                << root->objectName().toStdString() << " " << control->metaObject()->className()
                << " " << control->objectName().toStdString();
        }
    }
}
