#include "support/accessibility_audit.h"
#include "support/printers.h"
#include "support/test_support.h"
#include "ui/main_window.h"
#include "ui/settings/editor_settings_page.h"
#include "ui/settings/font_candidates.h"
#include "ui/settings/settings_window.h"
#include "ui/settings/template_settings_page.h"
#include "ui/sheets/onboarding_sheet.h"
#include "workspace/app_state.h"
#include "workspace/commands.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

namespace {

template <typename T> T* named(QWidget* root, const QString& name) {
    for (T* widget : root->findChildren<T*>()) {
        if (widget->objectName() == name || widget->accessibleName() == name ||
            widget->property("text").toString() == name)
            return widget;
    }
    return nullptr;
}

} // namespace

class SettingsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        startAsFirstRun();
        state = std::make_unique<AppState>();
        window = std::make_unique<MainWindow>(*state, commands);
        state->settings().setOnboarding({.hasSeenOnboarding = true});
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->openSettings();
        settings = window->findChild<SettingsWindow*>();
        ASSERT_TRUE(settings && settings->isVisible());
    }

    void TearDown() override {
        window.reset();
        state.reset();
    }

    QWidget* page(SettingsTab tab) {
        settings->selectTab(tab);
        return settings->page(tab);
    }

    // Presses the reset button of the about tab and answers its question.
    void reset(const QString& button, const QString& answer) {
        named<QAbstractButton>(page(SettingsTab::about), button)->click();
        auto* question = settings->findChild<QMessageBox*>();
        ASSERT_TRUE(question);
        named<QAbstractButton>(question, answer)->click();
    }

    Commands commands;
    std::unique_ptr<AppState> state;
    std::unique_ptr<MainWindow> window;
    SettingsWindow* settings = nullptr;
};

TEST(FontChoices, TheDefaultComesFirstThenInstalledCandidatesInTheirOrder) {
    const QString sfMono = EditorSettings().fontName;
    const std::vector<std::pair<QStringList, QStringList>> cases = {
        {{}, {sfMono}},
        {{QStringLiteral("Comic Sans MS"), QStringLiteral("Noto Sans CJK KR")}, {sfMono}},
        {{QStringLiteral("Hack"), QStringLiteral("DejaVu Sans Mono"), sfMono},
         {sfMono, QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Hack")}},
    };
    for (const auto& [installed, expected] : cases)
        EXPECT_EQ(fontChoices(installed), expected) << installed.join(u',').toStdString();
}

TEST_F(SettingsWindowTest, TheFontPickerOffersTheDefaultOnASystemWithoutCandidates) {
    EditorSettingsPage bare(*state, {});
    auto* picker = named<QComboBox>(&bare, QStringLiteral("fontPicker"));
    ASSERT_EQ(picker->count(), 1);
    EXPECT_EQ(picker->currentText(), state->settings().editor().fontName);
}

TEST_F(SettingsWindowTest, TheThemeGridHasEightBuiltInsAndANoteOnlyWithCustomThemes) {
    QWidget* editor = page(SettingsTab::editor);
    const auto themeButtons = [&] {
        return editor->findChildren<QAbstractButton*>(QStringLiteral("themeButton")).size();
    };
    EXPECT_EQ(themeButtons(), 8);
    EXPECT_TRUE(named<QWidget>(editor, QStringLiteral("note"))->isHidden());

    CustomTheme mine;
    mine.id = QUuid::createUuid();
    mine.name = QStringLiteral("mine");
    state->addCustomTheme(mine);
    EXPECT_EQ(themeButtons(), 9);
    EXPECT_FALSE(named<QWidget>(editor, QStringLiteral("note"))->isHidden());

    named<QAbstractButton>(editor, QStringLiteral("mine"))->click();
    EXPECT_TRUE(state->useCustomTheme());
    named<QAbstractButton>(editor, QStringLiteral("Nord"))->click();
    EXPECT_FALSE(state->useCustomTheme());
    EXPECT_EQ(state->theme(), EditorTheme::nord);
    EXPECT_TRUE(named<QAbstractButton>(editor, QStringLiteral("Nord"))->isChecked());
    EXPECT_FALSE(named<QAbstractButton>(editor, QStringLiteral("mine"))->isChecked());
}

TEST_F(SettingsWindowTest, ChoosingNoLimitShowsTheWarningAtOnce) {
    QWidget* execution = page(SettingsTab::execution);
    auto* picker = named<QComboBox>(execution, QStringLiteral("timeoutPicker"));
    QWidget* warning = named<QWidget>(execution, QStringLiteral("noLimitWarning"));
    for (const auto& [choice, seconds] :
         {std::pair{QStringLiteral("제한 없음"), 0}, std::pair{QStringLiteral("10초"), 10}}) {
        const int index = picker->findText(choice);
        picker->setCurrentIndex(index);
        emit picker->activated(index);
        EXPECT_EQ(state->settings().execution().executionTimeout, seconds);
        EXPECT_EQ(warning->isVisible(), seconds == 0) << seconds;
    }
}

TEST_F(SettingsWindowTest, ResettingTheEditedJavaStarterWritesTheBufferedReaderText) {
    auto* templates = static_cast<TemplateSettingsPage*>(page(SettingsTab::templates));
    named<QAbstractButton>(templates, QStringLiteral("Java"))->click();
    auto* editor = named<QPlainTextEdit>(templates, QStringLiteral("templateEditor"));
    editor->setFocus();
    QTest::keyClicks(editor, QStringLiteral("x"));
    EXPECT_TRUE(state->settings().templates().templateJava.contains(u'x'))
        << "every keystroke is stored";

    named<QAbstractButton>(templates, QStringLiteral("resetTemplateButton"))->click();
    EXPECT_EQ(state->settings().templates().templateJava, resetTemplate(ProgrammingLanguage::java));
    EXPECT_TRUE(editor->toPlainText().contains(QStringLiteral("BufferedReader")));
}

TEST_F(SettingsWindowTest, CancellingEitherResetChangesNothing) {
    state->createFile(QStringLiteral("a.cpp"), ProgrammingLanguage::cpp);
    state->settings().setIndentation({.tabSize = 2});
    for (const QString& button :
         {QStringLiteral("resetDataButton"), QStringLiteral("resetAllButton")}) {
        reset(button, QStringLiteral("취소"));
        EXPECT_EQ(state->files().size(), 1) << button.toStdString();
        EXPECT_EQ(state->settings().indentation().tabSize, 2);
        EXPECT_TRUE(settings->isVisible());
    }
}

TEST_F(SettingsWindowTest, AFullResetBehavesLikeAFirstStartWithoutARestart) {
    state->createFolder(QStringLiteral("f"));
    state->createFile(QStringLiteral("a.cpp"), ProgrammingLanguage::cpp);
    state->addTestCase();
    state->settings().setExecution({.executionTimeout = 0});
    reset(QStringLiteral("resetAllButton"), QStringLiteral("완전 초기화"));

    EXPECT_FALSE(settings->isVisible());
    EXPECT_TRUE(state->files().isEmpty());
    EXPECT_TRUE(state->folders().isEmpty());
    ASSERT_EQ(state->testCases().size(), 1);
    EXPECT_TRUE(state->testCases()[0].input.isEmpty());
    EXPECT_EQ(state->settings().execution(), ExecutionSettings());
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return window->findChild<OnboardingSheet*>() &&
               window->findChild<OnboardingSheet*>()->isVisible();
    }));
}

TEST_F(SettingsWindowTest, EscapeAndTheCloseButtonCloseItAndEveryControlHasAName) {
    EXPECT_EQ(unnamedControls(settings), QStringList());
    QTest::keyClick(settings, Qt::Key_Escape);
    EXPECT_FALSE(settings->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window->openSettings();
    auto* again = window->findChild<SettingsWindow*>();
    ASSERT_TRUE(again && again->isVisible());
    named<QAbstractButton>(again, QStringLiteral("closeButton"))->click();
    EXPECT_FALSE(again->isVisible());
}
