#include "library/snippets.h"

#include "support/printers.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Every row of each data file has its three texts; a repeated trigger would
// hide a row behind the first; escapes must have become real characters.
TEST(Snippets, EveryTableIsCompleteWithUniqueTriggersAndNoEscapes) {
    for (const QList<CodeSnippet>* table :
         {&corvanta::cppSnippets(), &corvanta::pythonSnippets(), &corvanta::javaSnippets()}) {
        EXPECT_FALSE(table->isEmpty());
        QSet<QString> triggers;
        QSet<QUuid> ids;
        for (const CodeSnippet& snippet : *table) {
            EXPECT_FALSE(snippet.trigger.isEmpty() || snippet.code.isEmpty() ||
                         snippet.description.isEmpty())
                << snippet.trigger.toStdString();
            EXPECT_FALSE(snippet.code.contains(u'\\')) << snippet.trigger.toStdString();
            triggers.insert(snippet.trigger);
            ids.insert(snippet.id);
        }
        EXPECT_EQ(triggers.size(), table->size());
        EXPECT_EQ(ids.size(), table->size());
    }
}

TEST(Snippets, LookupMatchesWholeTriggersOnly) {
    using enum ProgrammingLanguage;
    const std::tuple<ProgrammingLanguage, const char16_t*, const char16_t*> cases[] = {
        {python, u"fori", u"for i in range(n):\n\t"},
        {c, u"endl", u" << endl;"},
        {csharp, u"endl", u" << endl;"},
        {java, u"sout", u"System.out.println();"},
        {cpp, u"Fori", nullptr},
        {cpp, u"for", nullptr},
        {java, u"cout", nullptr},
        {txt, u"fori", nullptr},
    };
    for (const auto& [language, trigger, code] : cases) {
        const std::optional<CodeSnippet> found =
            corvanta::findSnippet(language, QString::fromUtf16(trigger));
        const std::string where =
            rawValue(language).toStdString() + " " + QString::fromUtf16(trigger).toStdString();
        ASSERT_EQ(found.has_value(), code != nullptr) << where;
        if (found) {
            EXPECT_EQ(found->code, QString::fromUtf16(code)) << where;
        }
    }
}

} // namespace
