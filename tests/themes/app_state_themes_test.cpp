#include "support/printers.h"
#include "support/test_support.h"
#include "theme_test_support.h"
#include "themes/share_code.h"
#include "workspace/app_state.h"

#include <QSettings>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString keyThemes = u"customThemes"_s;
const QString keyUnreadable = u"customThemesUnreadable"_s;

// Each test starts as a first start; the store is read back through a
// separate QSettings, as the next launch would.
class AppStateThemes : public ::testing::Test {
protected:
    void SetUp() override { startAsFirstRun(); }

    static QSettings& store() {
        static QSettings settings;
        return settings;
    }
    static void writeStored(const QString& key, const QByteArray& bytes) {
        store().setValue(key, bytes);
        store().sync();
    }
    static QByteArray stored(const QString& key) {
        store().sync();
        return store().value(key).toByteArray();
    }
};

TEST_F(AppStateThemes, WindowColoursFollowTheCustomThemeOnlyWhileInForceAndResetToDark) {
    AppState state;
    const CustomTheme custom = sampleTheme(u"mine"_s, 0.5);
    state.setTheme(EditorTheme::light);
    EXPECT_EQ(state.themeCursor(), builtInColor(EditorTheme::light, ThemeRole::cursorColor));

    state.setUseCustomTheme(true); // nothing selected yet
    EXPECT_EQ(state.themeBackground(), builtInColor(EditorTheme::light, ThemeRole::background));
    EXPECT_EQ(state.activeCustomTheme(), nullptr);

    state.setUseCustomTheme(false);
    state.setSelectedCustomTheme(custom); // selected but off
    EXPECT_EQ(state.themeText(), builtInColor(EditorTheme::light, ThemeRole::textColor));

    state.setUseCustomTheme(true);
    EXPECT_EQ(state.themeBackground(), custom.background.toRgba());
    EXPECT_EQ(state.themeText(), custom.textColor.toRgba());
    EXPECT_EQ(state.themeLineNumber(), custom.lineNumberColor.toRgba());
    EXPECT_EQ(state.themeSidebar(), custom.sidebarBackground.toRgba());
    EXPECT_EQ(state.themeCursor(), custom.cursorColor.toRgba());
    EXPECT_EQ(state.themeCursor().alpha, 0.5);

    state.setTheme(EditorTheme::dark); // no visible effect while the custom theme is on
    EXPECT_EQ(state.themeCursor(), custom.cursorColor.toRgba());
    state.selectBuiltInTheme(EditorTheme::dark);
    EXPECT_FALSE(state.useCustomTheme());
    EXPECT_FALSE(state.selectedCustomTheme());
    EXPECT_EQ(state.themeCursor(), Rgba(1, 1, 1, 1));

    state.setTheme(EditorTheme::githubDark);
    state.resetAll();
    EXPECT_EQ(state.theme(), EditorTheme::dark);
}

TEST_F(AppStateThemes, ThemesSurviveARestartButTheChoiceDoesNot) {
    const CustomTheme a = sampleTheme(u"a"_s);
    const CustomTheme b = sampleTheme(u"b"_s, 0.3);
    {
        AppState state;
        state.addCustomTheme(a);
        state.addCustomTheme(b);
        state.selectCustomTheme(b);
        state.setTheme(EditorTheme::nord);
    }
    EXPECT_EQ(decodeCustomThemes(stored(keyThemes)), (QList<CustomTheme>{a, b}));
    AppState state;
    EXPECT_EQ(state.customThemes(), (QList<CustomTheme>{a, b}));
    EXPECT_EQ(state.theme(), EditorTheme::dark);
    EXPECT_FALSE(state.useCustomTheme());
    EXPECT_FALSE(state.selectedCustomTheme());
}

// One damaged entry must not cost the user every stored theme at the next
// save.
TEST_F(AppStateThemes, UnreadableListIsKeptAsideBeforeAnySave) {
    QByteArray damaged = encodeCustomThemes({sampleTheme(u"old"_s)}).value();
    damaged.replace("\"alpha\"", "\"alfa\"");
    writeStored(keyThemes, damaged);
    {
        AppState state;
        EXPECT_TRUE(state.customThemes().isEmpty());
        EXPECT_EQ(stored(keyUnreadable), damaged);
        state.addCustomTheme(sampleTheme(u"new"_s));
    }
    EXPECT_EQ(decodeCustomThemes(stored(keyThemes))->first().name, u"new"_s);
    EXPECT_EQ(stored(keyUnreadable), damaged);
}

TEST_F(AppStateThemes, UpdateReplacesTheEntryAndTheSelection) {
    AppState state;
    CustomTheme theme = sampleTheme(u"a"_s);
    state.addCustomTheme(theme);
    state.addCustomTheme(sampleTheme(u"b"_s));
    state.selectCustomTheme(theme);
    QSignalSpy selectionSpy(&state, &AppState::selectedCustomThemeChanged);

    theme.name = u"a2"_s;
    theme.background.red = 0.9;
    state.updateCustomTheme(theme);
    EXPECT_EQ(state.customThemes().first(), theme);
    EXPECT_EQ(state.selectedCustomTheme(), theme);
    EXPECT_EQ(state.themeBackground().red, 0.9) << "colours in use change at once";
    EXPECT_EQ(selectionSpy.count(), 1);
    EXPECT_EQ(decodeCustomThemes(stored(keyThemes))->first(), theme);

    const QByteArray before = stored(keyThemes);
    state.updateCustomTheme(sampleTheme(u"stranger"_s));
    EXPECT_EQ(state.customThemes().size(), 2);
    EXPECT_EQ(stored(keyThemes), before);
}

TEST_F(AppStateThemes, DeletingTheSelectedThemeTurnsTheCustomThemeOff) {
    AppState state;
    const CustomTheme a = sampleTheme(u"a"_s);
    const CustomTheme b = sampleTheme(u"b"_s);
    state.addCustomTheme(a);
    state.addCustomTheme(b);
    state.selectCustomTheme(a);

    state.deleteCustomTheme(b.id);
    EXPECT_TRUE(state.useCustomTheme());
    EXPECT_EQ(state.selectedCustomTheme(), a);

    state.deleteCustomTheme(a.id);
    EXPECT_TRUE(state.customThemes().isEmpty());
    EXPECT_FALSE(state.useCustomTheme());
    EXPECT_FALSE(state.selectedCustomTheme());
    EXPECT_EQ(decodeCustomThemes(stored(keyThemes)), QList<CustomTheme>());
}

TEST_F(AppStateThemes, ImportAddsAndSavesWithoutSelecting) {
    AppState state;
    const CustomTheme original = sampleTheme(u"s"_s);
    state.addCustomTheme(original);
    EXPECT_EQ(state.importShareCode(makeShareCode(original)), std::nullopt);
    ASSERT_EQ(state.customThemes().size(), 2);
    EXPECT_FALSE(state.useCustomTheme());
    EXPECT_FALSE(state.selectedCustomTheme());
    EXPECT_EQ(decodeCustomThemes(stored(keyThemes))->size(), 2);

    const QByteArray before = stored(keyThemes);
    EXPECT_TRUE(state.importShareCode(u"PLUMETHEME:%%%"_s).has_value()) << "the failure is told";
    EXPECT_EQ(state.customThemes().size(), 2);
    EXPECT_EQ(stored(keyThemes), before);
}

} // namespace
