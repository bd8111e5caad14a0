#include "support/golden.h"
#include "support/printers.h"
#include "workspace/settings_store.h"
#include "workspace_fixture.h"

#include <functional>

using namespace Qt::StringLiterals;

namespace {

using SettingsStoreTest = WorkspaceTest;

// The keys, defaults and ranges as last reviewed: existing settings files
// depend on every key.
TEST(SettingsDefaults, AsReviewed) {
    expectCliMatchesGolden({u"settings"_s},
                           QStringLiteral(CORVANTA_TEST_DATA_DIR "/settings_defaults.json"));
}

TEST_F(SettingsStoreTest, SavingWritesOnlyChangedKeysAndAnnouncesTheNewValue) {
    SettingsStore store;
    QList<IndentationSettings> announced;
    QObject::connect(&store, &SettingsStore::indentationChanged,
                     [&](const IndentationSettings& value) { announced.append(value); });

    store.setIndentation({});
    store.setExecution({});
    EXPECT_TRUE(QSettings().allKeys().isEmpty()) << "defaults are never written";
    EXPECT_TRUE(announced.isEmpty());

    store.setIndentation({.tabSize = 8});
    store.setIndentation({.tabSize = 8});
    EXPECT_EQ(QSettings().allKeys(), QStringList{u"tabSize"_s});
    ASSERT_EQ(announced.size(), 1);
    EXPECT_EQ(announced[0], IndentationSettings{.tabSize = 8});

    // Out of range from code is clamped as on reading, and announced so.
    store.setIndentation({.tabSize = 40});
    EXPECT_EQ(announced.last().tabSize, 16);
    EXPECT_EQ(SettingsStore().indentation().tabSize, 16);

    // Once set, a default is stored: removing the key is what forgets it.
    store.setExecution({.executionTimeout = 0});
    EXPECT_EQ(SettingsStore().execution().executionTimeout, 0);
    store.setExecution({});
    EXPECT_EQ(QSettings().value(u"executionTimeout"_s), u"5"_s);
}

TEST_F(SettingsStoreTest, AHandEditedValueTheUserDidNotChangeIsKeptInTheFile) {
    QSettings().setValue(u"tabSize"_s, u"1e8"_s);
    SettingsStore store;
    IndentationSettings indentation = store.indentation();
    indentation.autoIndent = false;
    store.setIndentation(indentation);
    EXPECT_EQ(QSettings().value(u"tabSize"_s), u"1e8"_s);
    EXPECT_EQ(QSettings().value(u"autoIndent"_s), u"false"_s);
    EXPECT_EQ(store.indentation(), (IndentationSettings{.tabSize = 16, .autoIndent = false}));
}

TEST_F(SettingsStoreTest, ClearingAnnouncesOnlyTheGroupsItChanged) {
    SettingsStore store;
    store.setOnboarding({.hasSeenOnboarding = true});
    QList<OnboardingSettings> onboarding;
    int editorAnnouncements = 0;
    QObject::connect(&store, &SettingsStore::onboardingChanged,
                     [&](const OnboardingSettings& value) { onboarding.append(value); });
    QObject::connect(&store, &SettingsStore::editorChanged, [&] { ++editorAnnouncements; });
    store.clear();
    EXPECT_EQ(onboarding, QList<OnboardingSettings>{OnboardingSettings()});
    EXPECT_EQ(editorAnnouncements, 0);
}

// What a settings file holds once someone has edited it by hand (the file
// format reads every plain value back as text). An empty `expected` means the
// key's default: the value is not of the key's type.
struct StoredCase {
    QString key;
    QVariant stored;
    std::function<QVariant(const SettingsStore&)> read;
    QVariant expected;
};

QVariant tabSize(const SettingsStore& store) {
    return store.indentation().tabSize;
}
QVariant problemFontSize(const SettingsStore& store) {
    return store.problemTab().baekjoonFontSize;
}
QVariant timeout(const SettingsStore& store) {
    return store.execution().executionTimeout;
}
QVariant showLineNumbers(const SettingsStore& store) {
    return store.editor().showLineNumbers;
}
QVariant fontName(const SettingsStore& store) {
    return store.editor().fontName;
}

TEST_F(SettingsStoreTest, StoredValuesAreClampedToWhatTheProgramCanUse) {
    const StoredCase cases[] = {
        {u"tabSize"_s, u"2147483647"_s, tabSize, 16},
        {u"tabSize"_s, u"99999999999999999999"_s, tabSize, 16},
        {u"tabSize"_s, u"1e8"_s, tabSize, 16},
        {u"tabSize"_s, u"0"_s, tabSize, 1},
        {u"tabSize"_s, u"-2147483648"_s, tabSize, 1},
        {u"tabSize"_s, u"8"_s, tabSize, 8},
        {u"tabSize"_s, u"wide"_s, tabSize, {}},
        {u"tabSize"_s, u"2.5"_s, tabSize, {}},
        {u"tabSize"_s, u"nan"_s, tabSize, {}},
        {u"baekjoonFontSize"_s, u"1e300"_s, problemFontSize, 24.0},
        {u"baekjoonFontSize"_s, u"-1e300"_s, problemFontSize, 10.0},
        {u"baekjoonFontSize"_s, u"15.5"_s, problemFontSize, 15.5},
        {u"baekjoonFontSize"_s, u"inf"_s, problemFontSize, {}},
        {u"executionTimeout"_s, u"-1"_s, timeout, 0},
        {u"executionTimeout"_s, u"1e300"_s, timeout, std::numeric_limits<int>::max()},
        {u"executionTimeout"_s, u"30"_s, timeout, 30},
        {u"showLineNumbers"_s, u"false"_s, showLineNumbers, false},
        {u"showLineNumbers"_s, u"no"_s, showLineNumbers, {}},
        {u"showLineNumbers"_s, 0, showLineNumbers, {}},
        {u"fontName"_s, QStringList{u"Fira Code"_s, u"Hack"_s}, fontName, {}},
    };
    for (const StoredCase& c : cases) {
        QSettings().clear();
        const QVariant byDefault = c.read(SettingsStore());
        QSettings().setValue(c.key, c.stored);
        EXPECT_EQ(c.read(SettingsStore()), c.expected.isValid() ? c.expected : byDefault)
            << c.key.toStdString() << " = " << c.stored.toString().toStdString();
        EXPECT_EQ(QSettings().value(c.key), c.stored) << "the file keeps what it holds";
    }
}

} // namespace
