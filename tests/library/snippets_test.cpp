#include "library/snippets.h"

#include "support/printers.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

struct TableCase {
    const char* name;
    const QList<CodeSnippet>& (*table)();
    qsizetype size;
    const char16_t* tag;
};

class SnippetTable : public ::testing::TestWithParam<TableCase> {};

TEST_P(SnippetTable, HasItsSizeTagAndUniqueTriggersAndIds) {
    const TableCase& param = GetParam();
    const QList<CodeSnippet>& table = param.table();
    ASSERT_EQ(table.size(), param.size);
    QSet<QString> triggers;
    QSet<QUuid> ids;
    for (const CodeSnippet& snippet : table) {
        EXPECT_EQ(snippet.language, QString::fromUtf16(param.tag)) << snippet.trigger.toStdString();
        EXPECT_FALSE(snippet.id.isNull());
        EXPECT_FALSE(snippet.code.isEmpty()) << snippet.trigger.toStdString();
        EXPECT_FALSE(snippet.description.isEmpty()) << snippet.trigger.toStdString();
        // Escapes must have become real characters, never a backslash pair.
        EXPECT_FALSE(snippet.code.contains(QStringLiteral("\\n"))) << snippet.trigger.toStdString();
        EXPECT_FALSE(snippet.code.contains(QStringLiteral("\\t"))) << snippet.trigger.toStdString();
        triggers.insert(snippet.trigger);
        ids.insert(snippet.id);
    }
    EXPECT_EQ(triggers.size(), table.size());
    EXPECT_EQ(ids.size(), table.size());
}

TEST_P(SnippetTable, IsBuiltOnceAndKept) {
    const QList<CodeSnippet>& first = GetParam().table();
    const QList<CodeSnippet>& second = GetParam().table();
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(first.first().id, second.first().id);
}

INSTANTIATE_TEST_SUITE_P(Tables, SnippetTable,
                         ::testing::Values(TableCase{"cpp", &cppSnippets, 36, u"cpp"},
                                           TableCase{"python", &pythonSnippets, 27, u"python"},
                                           TableCase{"java", &javaSnippets, 8, u"java"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SnippetLookup, LanguagesMapToTheirTables) {
    EXPECT_EQ(&snippets(ProgrammingLanguage::c), &cppSnippets());
    EXPECT_EQ(&snippets(ProgrammingLanguage::cpp), &cppSnippets());
    EXPECT_EQ(&snippets(ProgrammingLanguage::csharp), &cppSnippets());
    EXPECT_EQ(&snippets(ProgrammingLanguage::python), &pythonSnippets());
    EXPECT_EQ(&snippets(ProgrammingLanguage::java), &javaSnippets());
    EXPECT_TRUE(snippets(ProgrammingLanguage::txt).isEmpty());
}

TEST(SnippetLookup, FindsExactTriggersOnly) {
    struct Case {
        ProgrammingLanguage language;
        const char16_t* trigger;
        const char16_t* code; // nullptr: no snippet
    };
    const Case cases[] = {
        {ProgrammingLanguage::cpp, u"fori", u"for (int i = 0; i < n; i++) {\n\t\n}"},
        {ProgrammingLanguage::c, u"cout", u"cout << "},
        {ProgrammingLanguage::csharp, u"fast", u"ios::sync_with_stdio(false);\ncin.tie(nullptr);"},
        {ProgrammingLanguage::python, u"fori", u"for i in range(n):\n\t"},
        {ProgrammingLanguage::python, u"forin", u"for x in arr:\n\t"},
        {ProgrammingLanguage::cpp, u"forin", u"for (auto& x : arr) {\n\t\n}"},
        {ProgrammingLanguage::java, u"forin", u"for (int x : arr) {\n\t\n}"},
        {ProgrammingLanguage::cpp, u"endl", u" << endl;"},
        {ProgrammingLanguage::cpp, u"dbg", u"cerr << \"DEBUG: \" <<  << endl;"},
        {ProgrammingLanguage::python, u"dbg", u"print(f\"DEBUG: {}\")"},
        {ProgrammingLanguage::python, u"inf", u"INF = float('inf')"},
        {ProgrammingLanguage::python, u"forij", u"for i in range(n):\n\tfor j in range(m):\n\t\t"},
        {ProgrammingLanguage::cpp, u"while", u"while (조건) {\n\t\n}"},
        {ProgrammingLanguage::java, u"mod", u"final int MOD = (int)1e9 + 7;"},
        {ProgrammingLanguage::cpp, u"Fori", nullptr},
        {ProgrammingLanguage::cpp, u"for", nullptr},
        {ProgrammingLanguage::cpp, u"fori ", nullptr},
        {ProgrammingLanguage::cpp, u"", nullptr},
        {ProgrammingLanguage::java, u"cout", nullptr},
        {ProgrammingLanguage::python, u"sout", nullptr},
        {ProgrammingLanguage::txt, u"fori", nullptr},
    };
    for (const Case& c : cases) {
        const QString trigger = QString::fromUtf16(c.trigger);
        const std::optional<CodeSnippet> found = findSnippet(c.language, trigger);
        if (!c.code) {
            EXPECT_FALSE(found) << rawValue(c.language).toStdString() << " "
                                << trigger.toStdString();
            continue;
        }
        ASSERT_TRUE(found) << rawValue(c.language).toStdString() << " " << trigger.toStdString();
        EXPECT_EQ(found->trigger, trigger);
        EXPECT_EQ(found->code, QString::fromUtf16(c.code));
    }
}

TEST(SnippetLookup, TablesKeepTheirOrder) {
    auto triggers = [](const QList<CodeSnippet>& table) {
        QStringList list;
        for (const CodeSnippet& snippet : table)
            list.append(snippet.trigger);
        return list.join(QLatin1Char(' '));
    };
    EXPECT_EQ(triggers(javaSnippets()), QStringLiteral("fori forin sout br bw st mod inf"));
    EXPECT_EQ(cppSnippets().first().trigger, QStringLiteral("fori"));
    EXPECT_EQ(cppSnippets().last().trigger, QStringLiteral("dbg"));
    EXPECT_EQ(pythonSnippets().first().trigger, QStringLiteral("fori"));
    EXPECT_EQ(pythonSnippets().last().trigger, QStringLiteral("dbg"));
}

} // namespace
