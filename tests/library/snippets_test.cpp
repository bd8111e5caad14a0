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

} // namespace
