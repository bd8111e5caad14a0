#include "library/starter_code.h"
#include "support/printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// A missing or misnamed data file would leave a language without a starter;
// the runner compiles Java as Main.java and runs class Main.
TEST(StarterCode, EveryRunnableLanguageHasItsThreeTextsAndTextHasNone) {
    for (ProgrammingLanguage language : allLanguages()) {
        SCOPED_TRACE(rawValue(language).toStdString());
        const QString texts[] = {corvanta::registeredDefaultTemplate(language),
                                 corvanta::resetTemplate(language),
                                 corvanta::builtInStarterCode(language)};
        for (const QString& text : texts) {
            EXPECT_EQ(text.isEmpty(), !isRunnable(language));
            if (language == ProgrammingLanguage::java) {
                EXPECT_TRUE(text.contains(u"public class Main {"_s));
            }
        }
    }
}
