#include "support/printers.h"
#include "support/test_support.h"
#include "theme_test_support.h"
#include "themes/share_code.h"
#include "themes/theme_selection.h"
#include "workspace/settings_store.h"

#include <QSettings>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString keyThemes = u"customThemes"_s;
const QString keyUnreadable = u"customThemesUnreadable"_s;

// Each test starts as a first start; the store is read back through a
// separate QSettings, as the next launch would.
class ThemeSelectionTest : public ::testing::Test {
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

TEST_F(ThemeSelectionTest, WindowColoursFollowTheCustomThemeOnlyWhileInForceAndResetToDark) {
    SettingsStore settings;
    ThemeSelection themes(settings);
    const CustomTheme custom = sampleTheme(u"mine"_s, 0.5);
    themes.setTheme(EditorTheme::light);
    EXPECT_EQ(themes.themeCursor(), builtInColor(EditorTheme::light, ThemeRole::cursorColor));

    themes.setUseCustomTheme(true); // nothing selected yet
    EXPECT_EQ(themes.themeBackground(), builtInColor(EditorTheme::light, ThemeRole::background));
    EXPECT_EQ(themes.activeCustomTheme(), nullptr);

    themes.setUseCustomTheme(false);
    themes.setSelectedCustomTheme(custom); // selected but off
    EXPECT_EQ(themes.themeText(), builtInColor(EditorTheme::light, ThemeRole::textColor));

    themes.setUseCustomTheme(true);
    EXPECT_EQ(themes.themeBackground(), custom.background.toRgba());
    EXPECT_EQ(themes.themeText(), custom.textColor.toRgba());
    EXPECT_EQ(themes.themeLineNumber(), custom.lineNumberColor.toRgba());
    EXPECT_EQ(themes.themeSidebar(), custom.sidebarBackground.toRgba());
    EXPECT_EQ(themes.themeCursor(), custom.cursorColor.toRgba());
    EXPECT_EQ(themes.themeCursor().alpha, 0.5);

    themes.setTheme(EditorTheme::dark); // no visible effect while the custom theme is on
    EXPECT_EQ(themes.themeCursor(), custom.cursorColor.toRgba());
    themes.selectBuiltInTheme(EditorTheme::dark);
    EXPECT_FALSE(themes.useCustomTheme());
    EXPECT_FALSE(themes.selectedCustomTheme());
    EXPECT_EQ(themes.themeCursor(), Rgba(1, 1, 1, 1));

    themes.setTheme(EditorTheme::githubDark);
    themes.reset();
    EXPECT_EQ(themes.theme(), EditorTheme::dark);
}

TEST_F(ThemeSelectionTest, ThemesSurviveARestartButTheChoiceDoesNot) {
    const CustomTheme a = sampleTheme(u"a"_s);
    const CustomTheme b = sampleTheme(u"b"_s, 0.3);
    {
        SettingsStore settings;
        ThemeSelection themes(settings);
        themes.addCustomTheme(a);
        themes.addCustomTheme(b);
        themes.selectCustomTheme(b);
        themes.setTheme(EditorTheme::nord);
    }
    EXPECT_EQ(decodeCustomThemes(stored(keyThemes)), (QList<CustomTheme>{a, b}));
    SettingsStore settings;
    ThemeSelection themes(settings);
    EXPECT_EQ(themes.customThemes(), (QList<CustomTheme>{a, b}));
    EXPECT_EQ(themes.theme(), EditorTheme::dark);
    EXPECT_FALSE(themes.useCustomTheme());
    EXPECT_FALSE(themes.selectedCustomTheme());
}

// One damaged entry must not cost the user every stored theme at the next
// save.
TEST_F(ThemeSelectionTest, UnreadableListIsKeptAsideBeforeAnySave) {
    QByteArray damaged = encodeCustomThemes({sampleTheme(u"old"_s)}).value();
    damaged.replace("\"alpha\"", "\"alfa\"");
    writeStored(keyThemes, damaged);
    {
        SettingsStore settings;
        ThemeSelection themes(settings);
        EXPECT_TRUE(themes.customThemes().isEmpty());
        EXPECT_EQ(stored(keyUnreadable), damaged);
        themes.addCustomTheme(sampleTheme(u"new"_s));
    }
    EXPECT_EQ(decodeCustomThemes(stored(keyThemes))->first().name, u"new"_s);
    EXPECT_EQ(stored(keyUnreadable), damaged);
}

TEST_F(ThemeSelectionTest, UpdateReplacesTheEntryAndTheSelection) {
    SettingsStore settings;
    ThemeSelection themes(settings);
    CustomTheme theme = sampleTheme(u"a"_s);
    themes.addCustomTheme(theme);
    themes.addCustomTheme(sampleTheme(u"b"_s));
    themes.selectCustomTheme(theme);
    QSignalSpy selectionSpy(&themes, &ThemeSelection::selectedCustomThemeChanged);

    theme.name = u"a2"_s;
    theme.background.red = 0.9;
    themes.updateCustomTheme(theme);
    EXPECT_EQ(themes.customThemes().first(), theme);
    EXPECT_EQ(themes.selectedCustomTheme(), theme);
    EXPECT_EQ(themes.themeBackground().red, 0.9) << "colours in use change at once";
    EXPECT_EQ(selectionSpy.count(), 1);
    EXPECT_EQ(decodeCustomThemes(stored(keyThemes))->first(), theme);

    const QByteArray before = stored(keyThemes);
    themes.updateCustomTheme(sampleTheme(u"stranger"_s));
    EXPECT_EQ(themes.customThemes().size(), 2);
    EXPECT_EQ(stored(keyThemes), before);
}

TEST_F(ThemeSelectionTest, DeletingTheSelectedThemeTurnsTheCustomThemeOff) {
    SettingsStore settings;
    ThemeSelection themes(settings);
    const CustomTheme a = sampleTheme(u"a"_s);
    const CustomTheme b = sampleTheme(u"b"_s);
    themes.addCustomTheme(a);
    themes.addCustomTheme(b);
    themes.selectCustomTheme(a);

    themes.deleteCustomTheme(b.id);
    EXPECT_TRUE(themes.useCustomTheme());
    EXPECT_EQ(themes.selectedCustomTheme(), a);

    themes.deleteCustomTheme(a.id);
    EXPECT_TRUE(themes.customThemes().isEmpty());
    EXPECT_FALSE(themes.useCustomTheme());
    EXPECT_FALSE(themes.selectedCustomTheme());
    EXPECT_EQ(decodeCustomThemes(stored(keyThemes)), QList<CustomTheme>());
}

TEST_F(ThemeSelectionTest, ImportAddsAndSavesWithoutSelecting) {
    SettingsStore settings;
    ThemeSelection themes(settings);
    const CustomTheme original = sampleTheme(u"s"_s);
    themes.addCustomTheme(original);
    EXPECT_EQ(themes.importShareCode(makeShareCode(original)), std::nullopt);
    ASSERT_EQ(themes.customThemes().size(), 2);
    EXPECT_FALSE(themes.useCustomTheme());
    EXPECT_FALSE(themes.selectedCustomTheme());
    EXPECT_EQ(decodeCustomThemes(stored(keyThemes))->size(), 2);

    const QByteArray before = stored(keyThemes);
    EXPECT_TRUE(themes.importShareCode(u"PLUMETHEME:%%%"_s).has_value()) << "the failure is told";
    EXPECT_EQ(themes.customThemes().size(), 2);
    EXPECT_EQ(stored(keyThemes), before);
}

} // namespace
