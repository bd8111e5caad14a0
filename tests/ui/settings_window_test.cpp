#include "library/starter_code.h"
#include "problems/received_problem.h"
#include "support/accessibility_audit.h"
#include "support/printers.h"
#include "support/widgets.h"
#include "themes/theme_test_support.h"
#include "ui/problem_receiving.h"
#include "ui/settings/font_candidates.h"
#include "ui/settings/settings_window.h"
#include "ui/settings/template_settings_page.h"
#include "ui/sheets/onboarding_sheet.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

class SettingsWindowTest : public OpenWindowTest {
protected:
    void SetUp() override {
        OpenWindowTest::SetUp();
        window->openSettings();
        settings = window->findChild<SettingsWindow*>();
        ASSERT_TRUE(settings && settings->isVisible());
    }

    QWidget* page(SettingsTab tab) {
        settings->selectTab(tab);
        return settings->page(tab);
    }

    // Presses the reset button of the about tab and answers its question.
    void reset(const QString& button, const QString& answer) {
        withName<QAbstractButton>(page(SettingsTab::about), button)->click();
        auto* question = settings->findChild<QMessageBox*>();
        ASSERT_TRUE(question);
        withName<QAbstractButton>(question, answer)->click();
    }
    SettingsWindow* settings = nullptr;
};

TEST(FontChoices, TheDefaultComesFirstThenInstalledCandidatesInTheirOrder) {
    const QString sfMono = EditorSettings().fontName;
    const std::vector<std::pair<QStringList, QStringList>> cases = {
        {{}, {sfMono}},
        {{u"Comic Sans MS"_s, u"Noto Sans CJK KR"_s}, {sfMono}},
        {{u"Hack"_s, u"DejaVu Sans Mono"_s, sfMono}, {sfMono, u"DejaVu Sans Mono"_s, u"Hack"_s}},
    };
    for (const auto& [installed, expected] : cases)
        EXPECT_EQ(fontChoices(installed), expected) << installed.join(u',').toStdString();
}

TEST_F(SettingsWindowTest, TheThemeGridHasTheBuiltInsAndANoteOnlyWithCustomThemes) {
    QWidget* editor = page(SettingsTab::editor);
    const auto themeButtons = [&] {
        return editor->findChildren<QAbstractButton*>(u"themeButton"_s).size();
    };
    EXPECT_EQ(themeButtons(), allEditorThemes().size());
    EXPECT_TRUE(withName<QWidget>(editor, u"note"_s)->isHidden());

    owners->themes.addCustomTheme(sampleTheme(u"mine"_s));
    EXPECT_EQ(themeButtons(), allEditorThemes().size() + 1);
    EXPECT_FALSE(withName<QWidget>(editor, u"note"_s)->isHidden());

    withName<QAbstractButton>(editor, u"mine"_s)->click();
    EXPECT_TRUE(owners->themes.useCustomTheme());
    withName<QAbstractButton>(editor, u"Nord"_s)->click();
    EXPECT_FALSE(owners->themes.useCustomTheme());
    EXPECT_EQ(owners->themes.theme(), EditorTheme::nord);
    EXPECT_TRUE(withName<QAbstractButton>(editor, u"Nord"_s)->isChecked());
    EXPECT_FALSE(withName<QAbstractButton>(editor, u"mine"_s)->isChecked());
}

TEST_F(SettingsWindowTest, LimitPickersStoreTheirChoiceAndNoTimeoutWarnsAtOnce) {
    QWidget* execution = page(SettingsTab::execution);
    auto* picker = withName<QComboBox>(execution, u"timeoutPicker"_s);
    QWidget* warning = withName<QWidget>(execution, u"noLimitWarning"_s);
    for (const auto& [choice, seconds] : {std::pair{u"제한 없음"_s, 0}, std::pair{u"10초"_s, 10}}) {
        const int index = picker->findText(choice);
        picker->setCurrentIndex(index);
        emit picker->activated(index);
        EXPECT_EQ(owners->settings.execution().executionTimeout, seconds);
        EXPECT_EQ(warning->isVisible(), seconds == 0) << seconds;
    }
    // Each picker changes its own limit only.
    auto* memory = withName<QComboBox>(execution, u"memoryPicker"_s);
    const int index = memory->findText(u"512 MB"_s);
    memory->setCurrentIndex(index);
    emit memory->activated(index);
    EXPECT_EQ(owners->settings.execution(), (ExecutionSettings{10, 512}));
}

// A port another program holds is named in the toolbar and the settings;
// another one typed there is listened on and problems arrive through it.
TEST_F(SettingsWindowTest, ATakenPortIsNamedAndAnotherOneReceives) {
    QTcpServer otherTool;
    ASSERT_TRUE(otherTool.listen(QHostAddress::LocalHost));
    owners->settings.setReceiving({.port = otherTool.serverPort()});
    window->receiving().start();
    QWidget* extensions = page(SettingsTab::extensions);
    EXPECT_TRUE(withName<QLabel>(
        extensions,
        receiverStatusText({ReceiverStatus::State::portInUse, otherTool.serverPort(), {}})));
    EXPECT_TRUE(withName<QLabel>(window.get(), u"포트 %1 사용 중"_s.arg(otherTool.serverPort())));
    // Once the other program lets go of it, the port is taken up without a word from the user.
    const quint16 released = otherTool.serverPort();
    otherTool.close();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return window->receiving().status() ==
                   ReceiverStatus{ReceiverStatus::State::listening, released, {}};
        },
        10000));
    EXPECT_TRUE(withName<QLabel>(extensions, receiverStatusText(window->receiving().status())));

    const quint16 free = [] {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        return probe.serverPort();
    }();
    auto* port = withName<QSpinBox>(extensions, u"포트"_s);
    port->selectAll();
    QTest::keyClicks(port, QString::number(free));
    QTest::keyClick(port, Qt::Key_Return);
    ASSERT_EQ(window->receiving().status(),
              (ReceiverStatus{ReceiverStatus::State::listening, free, {}}));
    EXPECT_TRUE(withName<QLabel>(extensions, receiverStatusText(window->receiving().status())));

    const QByteArray body = R"({"name":"A","group":"G","url":"https://example.org/a",)"
                            R"("memoryLimit":256,"timeLimit":1000,"tests":[]})";
    QTcpSocket browser;
    browser.connectToHost(QHostAddress::LocalHost, free);
    browser.write("POST / HTTP/1.1\r\nHost: localhost\r\nContent-Length: " +
                  QByteArray::number(body.size()) + "\r\n\r\n" + body);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return withName<QLabel>(window.get(), u"문제를 받았습니다: A.cpp"_s); }));
    // A problem that cannot be read is said in the window, not only to the browser.
    QTcpSocket unreadable;
    unreadable.connectToHost(QHostAddress::LocalHost, free);
    unreadable.write("POST / HTTP/1.1\r\nHost: localhost\r\nContent-Length: 2\r\n\r\n{}");
    const QString reason = std::get<RejectedProblem>(parseReceivedProblem("{}")).reason;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return withName<QLabel>(window.get(),
                                u"⚠️ 문제를 받지 못했습니다: "_s + reason);
    }));

    withName<QCheckBox>(extensions, u"브라우저에서 문제 받기"_s)->click();
    EXPECT_EQ(window->receiving().status().state, ReceiverStatus::State::off);
}

TEST_F(SettingsWindowTest, ResettingAnEditedStarterStoresAndShowsTheResetText) {
    auto* templates = static_cast<TemplateSettingsPage*>(page(SettingsTab::templates));
    withName<QAbstractButton>(templates, u"Java"_s)->click();
    auto* editor = withName<QPlainTextEdit>(templates, u"templateEditor"_s);
    editor->setFocus();
    QTest::keyClicks(editor, u"x"_s);
    EXPECT_TRUE(owners->settings.templates().templateJava.contains(u'x'))
        << "every keystroke is stored";

    withName<QAbstractButton>(templates, u"resetTemplateButton"_s)->click();
    EXPECT_EQ(owners->settings.templates().templateJava,
              corvanta::resetTemplate(ProgrammingLanguage::java));
    EXPECT_EQ(editor->toPlainText(), corvanta::resetTemplate(ProgrammingLanguage::java));
}

TEST_F(SettingsWindowTest, CancellingEitherResetChangesNothing) {
    owners->workspace.createFile(u"a.cpp"_s, ProgrammingLanguage::cpp);
    owners->settings.setIndentation({.tabSize = 2});
    for (const QString& button : {u"resetDataButton"_s, u"resetAllButton"_s}) {
        reset(button, u"취소"_s);
        EXPECT_EQ(owners->workspace.files().size(), 1) << button.toStdString();
        EXPECT_EQ(owners->settings.indentation().tabSize, 2);
        EXPECT_TRUE(settings->isVisible());
    }
}

TEST_F(SettingsWindowTest, AFullResetBehavesLikeAFirstStartWithoutARestart) {
    owners->workspace.createFolder(u"f"_s);
    owners->workspace.createFile(u"a.cpp"_s, ProgrammingLanguage::cpp);
    owners->workspace.cases().addTestCase();
    owners->settings.setExecution({.executionTimeout = 0});
    reset(u"resetAllButton"_s, u"완전 초기화"_s);

    EXPECT_FALSE(settings->isVisible());
    EXPECT_TRUE(owners->workspace.files().isEmpty());
    EXPECT_TRUE(owners->workspace.folders().isEmpty());
    ASSERT_EQ(owners->workspace.cases().testCases().size(), 1);
    EXPECT_TRUE(owners->workspace.cases().testCases()[0].input.isEmpty());
    EXPECT_EQ(owners->settings.execution(), ExecutionSettings());
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
    withName<QAbstractButton>(again, u"closeButton"_s)->click();
    EXPECT_FALSE(again->isVisible());
}

// A screen reader's actions do what a click does: selecting a section
// switches the page, toggling a theme applies it.
TEST_F(SettingsWindowTest, AccessibilityActionsDoWhatAClickDoes) {
    QAccessibleInterface* sections =
        QAccessible::queryAccessibleInterface(withName<QListWidget>(settings, u"설정 항목"_s));
    ASSERT_TRUE(sections && sections->tableInterface());
    sections->tableInterface()->selectRow(int(SettingsTab::shortcuts));
    EXPECT_EQ(settings->selectedTab(), SettingsTab::shortcuts);

    auto* light = withName<QAbstractButton>(page(SettingsTab::editor), u"Light"_s);
    ASSERT_TRUE(light);
    QAccessible::queryAccessibleInterface(light)->actionInterface()->doAction(
        QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(owners->themes.theme(), EditorTheme::light);
}
