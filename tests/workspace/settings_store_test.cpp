#include "base/starter_code.h"
#include "support/printers.h"
#include "workspace/settings_store.h"
#include "workspace_fixture.h"

using SettingsStoreTest = WorkspaceTest;

TEST_F(SettingsStoreTest, FirstStartReadsDefaultsAndStoresNothing) {
    SettingsStore store;
    EXPECT_EQ(store.tabSize(), 4);
    EXPECT_TRUE(store.useSpacesForTab());
    EXPECT_TRUE(store.autoIndent());
    EXPECT_TRUE(store.showLineNumbers());
    EXPECT_TRUE(store.highlightCurrentLine());
    EXPECT_FALSE(store.wordWrap());
    EXPECT_EQ(store.executionTimeout(), 5);
    EXPECT_TRUE(store.autoBracket());
    EXPECT_FALSE(store.snippetsEnabled());
    EXPECT_FALSE(store.typingRandomEnabled());
    EXPECT_EQ(store.fontName(), QStringLiteral("SF Mono"));
    EXPECT_EQ(store.baekjoonFontSize(), 13.0);
    EXPECT_FALSE(store.hasSeenOnboarding());
    EXPECT_TRUE(store.starterTemplate(ProgrammingLanguage::txt).isEmpty());
    EXPECT_TRUE(
        QSettings(QStringLiteral("Corvanta"), QStringLiteral("Corvanta")).allKeys().isEmpty());
}

TEST_F(SettingsStoreTest, ValuesPersistAndZeroTimeoutMeansZero) {
    {
        SettingsStore store;
        store.setExecutionTimeout(0);
        store.setFontName(QStringLiteral("Noto Sans Mono"));
    }
    SettingsStore store;
    EXPECT_EQ(store.executionTimeout(), 0);
    EXPECT_EQ(store.fontName(), QStringLiteral("Noto Sans Mono"));
    QSettings(QStringLiteral("Corvanta"), QStringLiteral("Corvanta"))
        .remove(QStringLiteral("executionTimeout"));
    EXPECT_EQ(store.executionTimeout(), 5);
}

TEST_F(SettingsStoreTest, AValueOfTheWrongTypeReadsTheDefault) {
    QSettings(QStringLiteral("Corvanta"), QStringLiteral("Corvanta"))
        .setValue(QStringLiteral("tabSize"), QStringLiteral("wide"));
    EXPECT_EQ(SettingsStore().tabSize(), 4);
}

TEST(StarterCode, FreshCppFileMatchesTheRegisteredDefault) {
    const QString cpp = registeredDefaultTemplate(ProgrammingLanguage::cpp);
    EXPECT_EQ(cpp.count(QStringLiteral("#include")), 13);
    EXPECT_TRUE(cpp.endsWith(QStringLiteral("using namespace std;\n\nint main() {\n\n}")));
    const QString python = registeredDefaultTemplate(ProgrammingLanguage::python);
    EXPECT_EQ(python.count(QLatin1Char('\n')), 8);
    EXPECT_TRUE(python.endsWith(QStringLiteral("lru_cache\n\n")));
}

TEST(StarterCode, ResetTextsDifferOnlyForJavaAndCSharp) {
    for (ProgrammingLanguage language : allLanguages()) {
        const bool differs =
            language == ProgrammingLanguage::java || language == ProgrammingLanguage::csharp;
        EXPECT_EQ(resetTemplate(language) != registeredDefaultTemplate(language), differs)
            << rawValue(language).toStdString();
    }
    EXPECT_TRUE(
        resetTemplate(ProgrammingLanguage::java).contains(QStringLiteral("BufferedReader br")));
    EXPECT_EQ(builtInStarterCode(ProgrammingLanguage::java),
              registeredDefaultTemplate(ProgrammingLanguage::java));
    EXPECT_TRUE(
        builtInStarterCode(ProgrammingLanguage::cpp).endsWith(QStringLiteral("return 0;\n}\n")));
}
