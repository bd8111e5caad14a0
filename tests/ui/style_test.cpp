#include "editor/syntax_text_view.h"
#include "support/printers.h"
#include "support/test_support.h"
#include "themes/theme_resolver.h"
#include "ui/editor/welcome_view.h"
#include "ui/editor_pane.h"
#include "ui/style/colors.h"
#include "ui/style/diff_colors.h"
#include "ui/style/style.h"
#include "ui/window_context.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The style as the window applies it, checked on painted pixels, so a sheet
// rule that names the wrong widget shows up as a wrong colour.
class StyleTest : public ::testing::Test {
protected:
    void SetUp() override {
        startAsFirstRun();
        owners = std::make_unique<WindowContext>();
        style = std::make_unique<Style>(owners->themes);
        pane = std::make_unique<EditorPane>(owners->workspace, owners->settings, owners->themes,
                                            owners->commands);
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

    std::unique_ptr<WindowContext> owners;
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

    owners->themes.selectCustomTheme(custom);
    EXPECT_EQ(pixel(pane->welcomeView(), {2, 2}),
              builtIn(EditorTheme::dark, ThemeRole::background));
    owners->themes.setTheme(EditorTheme::light);
    EXPECT_EQ(pixel(pane->welcomeView(), {2, 2}),
              builtIn(EditorTheme::light, ThemeRole::background));

    owners->workspace.createFile(u"a.txt"_s, ProgrammingLanguage::txt);
    EXPECT_EQ(pixel(child("editorHeader"), {2, 2}), customSidebar);
    EXPECT_EQ(pixel(child("statusBar"), {2, 2}), customBackground);
    EXPECT_EQ(QApplication::palette().color(QPalette::Base).rgba(), customBackground);

    owners->themes.selectBuiltInTheme(EditorTheme::nord);
    EXPECT_EQ(pixel(child("editorHeader"), {2, 2}),
              builtIn(EditorTheme::nord, ThemeRole::sidebarBackground));
    EXPECT_EQ(QApplication::palette().color(QPalette::Base).rgba(),
              builtIn(EditorTheme::nord, ThemeRole::background));
    EXPECT_EQ(QIcon::themeName(), u"breeze-dark"_s);
    owners->themes.selectBuiltInTheme(EditorTheme::light);
    EXPECT_EQ(QIcon::themeName(), u"breeze"_s);
}

// Outputs and the console are code-like text too: a Korean line stays on
// the grid of the lines around it under the style's fixed-pitch rule.
TEST_F(StyleTest, ConsoleAndCaseTextKeepKoreanLinesOnTheGrid) {
    for (const char* name : {"consoleText", "caseEditor"}) {
        QPlainTextEdit text(u"  ║ 정답\n  ║ ok\n"_s);
        text.setObjectName(QString::fromLatin1(name));
        text.show();
        const auto indentEnd = [&](int block) {
            return text.document()->findBlockByNumber(block).layout()->lineAt(0).cursorToX(3);
        };
        EXPECT_EQ(indentEnd(0), indentEnd(1)) << name;
    }
}

TEST_F(StyleTest, BadgesAreDrawnInTheirLanguagesColour) {
    const auto badge = [](ProgrammingLanguage language) {
        return badgeColor(language, builtIn(EditorTheme::dark, ThemeRole::background)).rgba();
    };
    for (ProgrammingLanguage language : allLanguages()) {
        SCOPED_TRACE(rawValue(language).toStdString());
        auto* card = pane->welcomeView()->findChild<QPushButton*>(u"quickCreate_"_s +
                                                                  fileExtension(language));
        ASSERT_TRUE(card);
        QLabel* cardBadge = card->findChild<QLabel*>(u"cardBadge"_s);
        EXPECT_EQ(pixel(cardBadge, {cardBadge->width() / 2, 1}), badge(language));
    }
    for (ProgrammingLanguage language : allLanguages()) {
        SCOPED_TRACE(rawValue(language).toStdString());
        owners->workspace.createFile(u"a."_s + fileExtension(language), language);
        QWidget* header = child("headerBadge");
        EXPECT_EQ(pixel(header, {header->width() / 2, 1}), badge(language));
        EXPECT_EQ(pixel(child("languageDot"), {4, 4}), badge(language));
    }
}

namespace {

CustomTheme pastelTheme() {
    CustomTheme custom;
    custom.id = QUuid::createUuid();
    custom.name = u"pastel"_s;
    custom.background = CodableColor{0.98, 0.94, 0.96, 1};
    custom.sidebarBackground = CodableColor{0.93, 0.88, 0.92, 1};
    custom.textColor = CodableColor{0.25, 0.2, 0.3, 1};
    custom.syntaxKeyword = CodableColor{0.6, 0.1, 0.45, 1};
    return custom;
}

} // namespace

// Code is text: every highlighting colour, a diff's marked words and links read
// 4.5:1 on their background, and a language badge stands out 3:1, in the
// light themes too.
TEST(ThemeContrast, HighlightingAndDiffMarksReadAndBadgesStandOut) {
    const CustomTheme custom = pastelTheme();
    QList<std::pair<EditorTheme, const CustomTheme*>> themes;
    for (EditorTheme theme : allEditorThemes())
        themes.append({theme, nullptr});
    themes.append({EditorTheme::dark, &custom});
    for (const auto& [theme, customTheme] : themes) {
        SCOPED_TRACE(rawValue(theme).toStdString() + (customTheme ? " custom" : ""));
        const auto colour = [&](ThemeRole role) {
            return toQColor(resolveColor(role, theme, customTheme));
        };
        const QColor background = colour(ThemeRole::background);
        for (ThemeRole role : allThemeRoles()) {
            if (role == ThemeRole::textColor || themeRoleKey(role).startsWith(u"syntax"_s)) {
                EXPECT_GE(contrastRatio(colour(role), background), 4.5)
                    << themeRoleKey(role).toStdString();
            }
        }
        for (ProgrammingLanguage language : allLanguages())
            EXPECT_GE(contrastRatio(badgeColor(language, background), background), 3.0)
                << rawValue(language).toStdString();
        const QPalette palette = themePalette(windowColours(theme, customTheme));
        const DiffColours diff = diffColours(palette);
        const QColor base = palette.color(QPalette::Base);
        EXPECT_GE(contrastRatio(palette.color(QPalette::Link), base), 4.5);
        for (const auto& [line, word] : {std::pair{diff.removedLine, diff.removedWord},
                                         std::pair{diff.addedLine, diff.addedWord}})
            EXPECT_GE(contrastRatio(diff.markedText, paintedOver(word, paintedOver(line, base))),
                      4.5);
    }
}
