#include "runner/compiler_messages.h"
#include "runner_test_support.h"
#include "support/printers.h"
#include "support/process_runner.h"

#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// A broken program, the tool that reads it, and where its first message must point.
struct Broken {
    const char* tool;
    QStringList arguments;
    QString fileName;
    QString source;
    // The first message: the marked text's line and the text it starts at.
    int line;
    QString markedAt;
    QString words; // of the error
};

// What the real tool prints about the program; the file lies in a fresh folder.
QString messagesOf(const Broken& broken, QTemporaryDir& folder) {
    writeFile(folder.filePath(broken.fileName), broken.source.toUtf8());
    const ProcessOutcome outcome =
        runProcess(QString::fromUtf8(broken.tool), broken.arguments, 120000, folder.path());
    EXPECT_TRUE(outcome.finished);
    EXPECT_NE(outcome.exitCode, 0) << "the broken program was accepted";
    return outcome.err + outcome.out;
}

int columnOf(const QString& source, int line, const QString& text) {
    return int(source.split(u'\n')[line - 1].indexOf(text)) + 1;
}

} // namespace

// Tabs and indentation are where the tools' columns part from the editor's.
TEST(CompilerMessagesTest, EachToolsRealMessagesPointAtTheLineAndColumn) {
    const Broken cases[] = {
        {"g++",
         {u"-std=c++17"_s, u"-Wall"_s, u"solution.cpp"_s},
         u"solution.cpp"_s,
         u"int main() {\n\tint x = \"a\";\n\treturn x;\n}\n"_s,
         2,
         u"\"a\""_s,
         u"invalid conversion"_s},
        {"javac",
         {u"-d"_s, u"classes"_s, u"Main.java"_s},
         u"Main.java"_s,
         u"public class Main {\n    public static void main(String[] a) {\n\t\tint x = "
         u"\"a\";\n    }\n}\n"_s,
         3,
         u"\"a\""_s,
         u"incompatible types"_s},
        {"mcs",
         {u"-out:solution.exe"_s, u"solution.cs"_s},
         u"solution.cs"_s,
         u"class P {\n\tstatic void Main() {\n\t\tint x = \"a\";\n\t}\n}\n"_s,
         3,
         u"\"a\""_s,
         u"CS0029"_s},
        {"python3",
         {u"solution.py"_s},
         u"solution.py"_s,
         u"if True:\n    print(\"a\"\n"_s,
         2,
         u"(\"a\""_s,
         u"SyntaxError"_s},
        // The exception is the message, at the deepest frame of the user's file.
        {"python3",
         {u"solution.py"_s},
         u"solution.py"_s,
         u"def f(a):\n\treturn 10 / a\n\nprint(f(0))\n"_s,
         2,
         u"10 / a"_s,
         u"ZeroDivisionError: division by zero"_s},
    };
    for (const Broken& broken : cases) {
        SCOPED_TRACE(broken.tool + (u" "_s + broken.source).toStdString());
        ASSERT_TRUE(toolInstalled(broken.tool));
        QTemporaryDir folder;
        const QString output = messagesOf(broken, folder);
        const MessageSource source{broken.fileName, broken.source};
        const QList<CompilerMessage> messages = parseCompilerMessages(output, source);
        ASSERT_FALSE(messages.isEmpty()) << output.toStdString();
        const CompilerMessage& first = messages.first();
        EXPECT_TRUE(isAboutSource(first, source)) << first.file.toStdString();
        EXPECT_EQ(first.line, broken.line);
        EXPECT_EQ(first.column, columnOf(broken.source, broken.line, broken.markedAt));
        EXPECT_EQ(first.severity, MessageSeverity::error);
        EXPECT_TRUE(first.text.contains(broken.words)) << first.text.toStdString();
        EXPECT_TRUE(output.contains(first.original)) << first.original.toStdString();
    }
}

TEST(CompilerMessagesTest, WarningsAndNotesKeepTheirSeverityAndTalliesAreLeftOut) {
    const QString output = QString::fromUtf8(
        readFile(QStringLiteral(CORVANTA_TEST_DATA_DIR "/compiler_warnings.txt")));
    const QList<CompilerMessage> messages = parseCompilerMessages(output);
    ASSERT_EQ(messages.size(), 4);
    EXPECT_EQ(messages[0].severity, MessageSeverity::warning);
    EXPECT_EQ(messages[0].length, 1);
    EXPECT_EQ(messages[1].severity, MessageSeverity::note);
    EXPECT_EQ(messages[2].column, 9);
    EXPECT_TRUE(messages[2].original.endsWith(u"List<E>"_s));
    EXPECT_EQ(messages[3].line, 7);
    EXPECT_EQ(messages[3].column, 13);
}
