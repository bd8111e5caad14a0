#include "library/snippets.h"

#include "support/printers.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(Snippets, TablesHaveTheirSizeTagAndUniqueTriggers) {
    const std::tuple<const QList<CodeSnippet>&, qsizetype, QString> tables[] = {
        {cppSnippets(), 36, QStringLiteral("cpp")},
        {pythonSnippets(), 27, QStringLiteral("python")},
        {javaSnippets(), 8, QStringLiteral("java")},
    };
    for (const auto& [table, size, tag] : tables) {
        ASSERT_EQ(table.size(), size) << tag.toStdString();
        QSet<QString> triggers;
        QSet<QUuid> ids;
        for (const CodeSnippet& snippet : table) {
            EXPECT_EQ(snippet.language, tag);
            // Escapes must have become real characters, never a backslash pair.
            EXPECT_FALSE(snippet.code.contains(QLatin1Char('\\'))) << snippet.trigger.toStdString();
            triggers.insert(snippet.trigger);
            ids.insert(snippet.id);
        }
        EXPECT_EQ(triggers.size(), size);
        EXPECT_EQ(ids.size(), size);
        EXPECT_EQ(table.first().trigger, QStringLiteral("fori")) << "table order kept";
    }
    EXPECT_EQ(cppSnippets().first().id, cppSnippets().first().id) << "built once";
}

TEST(Snippets, LanguagesShareTables) {
    EXPECT_EQ(&snippets(ProgrammingLanguage::c), &cppSnippets());
    EXPECT_EQ(&snippets(ProgrammingLanguage::cpp), &cppSnippets());
    EXPECT_EQ(&snippets(ProgrammingLanguage::csharp), &cppSnippets());
    EXPECT_EQ(&snippets(ProgrammingLanguage::python), &pythonSnippets());
    EXPECT_EQ(&snippets(ProgrammingLanguage::java), &javaSnippets());
    EXPECT_TRUE(snippets(ProgrammingLanguage::txt).isEmpty());
}

TEST(Snippets, LookupMatchesWholeTriggersOnly) {
    using enum ProgrammingLanguage;
    const std::tuple<ProgrammingLanguage, const char16_t*, const char16_t*> cases[] = {
        {cpp, u"fori", u"for (int i = 0; i < n; i++) {\n\t\n}"},
        {python, u"fori", u"for i in range(n):\n\t"},
        {java, u"forin", u"for (int x : arr) {\n\t\n}"},
        {csharp, u"fast", u"ios::sync_with_stdio(false);\ncin.tie(nullptr);"},
        {c, u"endl", u" << endl;"},
        {cpp, u"dbg", u"cerr << \"DEBUG: \" <<  << endl;"},
        {python, u"inf", u"INF = float('inf')"},
        {python, u"dbg", u"print(f\"DEBUG: {}\")"},
        {cpp, u"Fori", nullptr},
        {cpp, u"for", nullptr},
        {java, u"cout", nullptr},
        {txt, u"fori", nullptr},
    };
    for (const auto& [language, trigger, code] : cases) {
        const std::optional<CodeSnippet> found = findSnippet(language, QString::fromUtf16(trigger));
        const std::string where =
            rawValue(language).toStdString() + " " + QString::fromUtf16(trigger).toStdString();
        ASSERT_EQ(found.has_value(), code != nullptr) << where;
        if (found) {
            EXPECT_EQ(found->code, QString::fromUtf16(code)) << where;
        }
    }
}

} // namespace
