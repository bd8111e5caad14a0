#include "support/printers.h"
#include "support/test_support.h"
#include "themes/theme_resolver.h"
#include "ui/editor/welcome_view.h"
#include "ui/commands.h"
#include "ui/editor_pane.h"
#include "ui/style/colors.h"
#include "ui/style/style.h"
#include "workspace/app_state.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The style as the window applies it, checked on painted pixels, so a sheet
// rule that names the wrong widget shows up as a wrong colour.
class StyleTest : public ::testing::Test {
protected:
    void SetUp() override {
        startAsFirstRun();
        state = std::make_unique<AppState>();
        style = std::make_unique<Style>(*state);
        pane = std::make_unique<EditorPane>(*state, commands);
        pane->resize(900, 600);
        pane->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(pane.get()));
    }

    QWidget* child(const char* name) const {
        auto* widget = pane->findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_TRUE(widget) << name;
        return widget;
    }

    static QRgb pixel(QWidget* widget, QPoint at) { return widget->grab().toImage().pixel(at); }

    static QRgb builtIn(EditorTheme theme, ThemeRole role) {
        return toQColor(resolveColor(role, theme, nullptr)).rgba();
    }

    std::unique_ptr<AppState> state;
    Commands commands;
    std::unique_ptr<Style> style;
    std::unique_ptr<EditorPane> pane;
};

TEST_F(StyleTest, WelcomeKeepsTheBuiltInColoursWhilePanesFollowTheThemeInForce) {
    CustomTheme custom;
    custom.id = QUuid::createUuid();
    custom.name = u"mine"_s;
    custom.background = CodableColor{1, 0, 0, 1};
    custom.sidebarBackground = CodableColor{0, 0.5, 0, 1};
    const QRgb customBackground = toQColor(custom.background.toRgba()).rgba();
    const QRgb customSidebar = toQColor(custom.sidebarBackground.toRgba()).rgba();

    state->selectCustomTheme(custom);
    EXPECT_EQ(pixel(pane->welcomeView(), {2, 2}),
              builtIn(EditorTheme::dark, ThemeRole::background));
    state->setTheme(EditorTheme::light);
    EXPECT_EQ(pixel(pane->welcomeView(), {2, 2}),
              builtIn(EditorTheme::light, ThemeRole::background));

    state->createFile(u"a.txt"_s, ProgrammingLanguage::txt);
    EXPECT_EQ(pixel(child("editorHeader"), {2, 2}), customSidebar);
    EXPECT_EQ(pixel(child("statusBar"), {2, 2}), customBackground);
    EXPECT_EQ(QApplication::palette().color(QPalette::Base).rgba(), customBackground);

    state->selectBuiltInTheme(EditorTheme::nord);
    EXPECT_EQ(pixel(child("editorHeader"), {2, 2}),
              builtIn(EditorTheme::nord, ThemeRole::sidebarBackground));
    EXPECT_EQ(QApplication::palette().color(QPalette::Base).rgba(),
              builtIn(EditorTheme::nord, ThemeRole::background));
    EXPECT_EQ(QIcon::themeName(), u"breeze-dark"_s);
    state->selectBuiltInTheme(EditorTheme::light);
    EXPECT_EQ(QIcon::themeName(), u"breeze"_s);
}

TEST_F(StyleTest, BadgesAreDrawnInTheirLanguagesColour) {
    for (ProgrammingLanguage language : allLanguages()) {
        SCOPED_TRACE(rawValue(language).toStdString());
        auto* card = pane->welcomeView()->findChild<QPushButton*>(u"quickCreate_"_s +
                                                                  fileExtension(language));
        ASSERT_TRUE(card);
        QLabel* cardBadge = card->findChild<QLabel*>(u"cardBadge"_s);
        EXPECT_EQ(pixel(cardBadge, {cardBadge->width() / 2, 1}), badgeColor(language).rgba());
    }
    for (ProgrammingLanguage language : allLanguages()) {
        SCOPED_TRACE(rawValue(language).toStdString());
        state->createFile(u"a."_s + fileExtension(language), language);
        QWidget* badge = child("headerBadge");
        EXPECT_EQ(pixel(badge, {badge->width() / 2, 1}), badgeColor(language).rgba());
        EXPECT_EQ(pixel(child("languageDot"), {4, 4}), badgeColor(language).rgba());
    }
}
