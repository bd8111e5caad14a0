#include "library/algorithm_templates.h"
#include "library/starter_code.h"
#include "support/files.h"
#include "support/printers.h"
#include "support/process_runner.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The library's folders and the drivers' folders (layout in
// data/templates/README.md) carry the same category and template names.
const QString libraryFolder = u":/library/templates"_s;
const QString driverFolder = QStringLiteral(CORVANTA_TEST_DATA_DIR "/templates");

QStringList subfolders(const QString& path) {
    return QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QString read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

struct Variant {
    const char* name;
    const char* suffix;
    ProgrammingLanguage language;
};

constexpr Variant variants[] = {{"Cpp", "cpp", ProgrammingLanguage::cpp},
                                {"C", "c", ProgrammingLanguage::c},
                                {"Python", "py", ProgrammingLanguage::python}};

struct DriverCase {
    QString category;
    QString algorithm;
    Variant variant;
};

void PrintTo(const DriverCase& driven, std::ostream* os) {
    *os << (driven.category + u'/' + driven.algorithm).toStdString() << ' ' << driven.variant.name;
}

std::vector<DriverCase> everyVariant() {
    std::vector<DriverCase> cases;
    for (const QString& category : subfolders(libraryFolder)) {
        for (const QString& algorithm : subfolders(libraryFolder + u'/' + category)) {
            for (const Variant& variant : variants)
                cases.push_back({category, algorithm, variant});
        }
    }
    return cases;
}

std::string caseName(const testing::TestParamInfo<DriverCase>& info) {
    QString name = info.param.category + u'_' + info.param.algorithm;
    name.replace(u'-', u'_');
    return name.toStdString() + '_' + info.param.variant.name;
}

// The names a fragment defines functions under, read off its unindented headers.
QStringList definedFunctions(const QString& fragment) {
    static const QRegularExpression header(u"^(?:def |\\w[^(\\n]*[ *])(\\w+)\\(.*[{:]$"_s,
                                           QRegularExpression::MultilineOption);
    QStringList names;
    for (const QRegularExpressionMatch& match : header.globalMatch(fragment))
        names << match.captured(1);
    return names;
}

// The language's registered starter text, the fragment after the two line
// feeds insertion puts before it, then the category's helpers and the driver.
// The starter's own (empty) main stays untouched, so the C and C++ drivers run
// before it: the C++ one from a namespace-scope initialiser, the C one as a
// constructor function. The C fragments may use MAX, which the user is
// expected to define beforehand.
QString programText(ProgrammingLanguage language, const QString& fragment, const QString& helpers,
                    const QString& driver) {
    const bool isC = language == ProgrammingLanguage::c;
    const QString text = corvanta::registeredDefaultTemplate(language) +
                         (isC ? u"\n\n#define MAX 1000\n"_s : u"\n\n"_s) + fragment + u"\n\n"_s;
    if (driver.isEmpty())
        return text;
    if (language == ProgrammingLanguage::python)
        return text + helpers + u'\n' + driver + u'\n';
    return text + helpers +
           (isC ? u"\n__attribute__((constructor)) static void runDriver(void) {\n"_s + driver +
                      u"\n}\n"_s
                : u"\n[[maybe_unused]] static const bool driverRan = [] {\n"_s + driver +
                      u"\n    return true;\n}();\n"_s);
}

// Warnings are errors: a fragment must compile cleanly under -Wall -Wextra.
ProcessOutcome buildAndRun(const Variant& variant, const QString& text) {
    QTemporaryDir dir;
    const QString program = dir.filePath(u"program"_s);
    const QString source = program + u'.' + QLatin1StringView(variant.suffix);
    writeFile(source, text.toUtf8());
    if (variant.language == ProgrammingLanguage::python)
        return runProcess(u"python3"_s, {source}, 20000);
    const QStringList flags = {u"-Wall"_s, u"-Wextra"_s, u"-Werror"_s, u"-o"_s, program, source};
    const ProcessOutcome compiled = variant.language == ProgrammingLanguage::cpp
                                        ? runProcess(u"g++"_s, QStringList{u"-std=c++17"_s} + flags)
                                        : runProcess(u"gcc"_s, flags);
    if (!compiled.succeeded())
        return {compiled.finished, compiled.exitCode, {}, u"compile failed:\n"_s + compiled.err};
    return runProcess(program, {}, 20000);
}

class TemplateDriver : public testing::TestWithParam<DriverCase> {};

// A missing driver means the variant only compiles and prints nothing (a
// fragment that is a comment); a template that calls others gets them pasted
// before it and must not carry its own copy of their functions.
TEST_P(TemplateDriver, CompilesAndPrintsWhatItsDriverExpects) {
    const auto& [category, algorithm, variant] = GetParam();
    const QString suffix = QLatin1StringView(variant.suffix);
    const QString library = libraryFolder + u'/' + category + u'/';
    const QString drivers = driverFolder + u'/' + category + u'/';
    ASSERT_TRUE(QDir(drivers + algorithm).exists()) << "no driver folder";

    const QString own = read(library + algorithm + u"/template."_s + suffix);
    QString fragment;
    for (const QString& used :
         read(drivers + algorithm + u"/uses.txt"_s).split(u'\n', Qt::SkipEmptyParts)) {
        const QString usedFragment = read(library + used + u"/template."_s + suffix);
        ASSERT_FALSE(usedFragment.isEmpty()) << used.toStdString();
        for (const QString& function : definedFunctions(usedFragment))
            EXPECT_FALSE(definedFunctions(own).contains(function)) << function.toStdString();
        fragment += usedFragment + u"\n\n"_s;
    }
    fragment += own;

    const QString driver = read(drivers + algorithm + u"/driver."_s + suffix);
    QString expected;
    if (!driver.isEmpty()) {
        const QString variantOwn = drivers + algorithm + u"/expected."_s + suffix + u".txt"_s;
        expected =
            read(QFile::exists(variantOwn) ? variantOwn : drivers + algorithm + u"/expected.txt"_s);
        ASSERT_FALSE(expected.isEmpty()) << "no expected output";
    }
    const QString text =
        programText(variant.language, fragment, read(drivers + u"helpers."_s + suffix), driver);
    const ProcessOutcome ran = buildAndRun(variant, text);
    ASSERT_TRUE(ran.finished) << "did not finish in time";
    EXPECT_EQ(ran.exitCode, 0) << ran.err.toStdString() << "\nprogram:\n" << text.toStdString();
    EXPECT_EQ(ran.err, QString()) << "program:\n" << text.toStdString();
    EXPECT_EQ(ran.out, expected) << "program:\n" << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Library, TemplateDriver, testing::ValuesIn(everyVariant()), caseName);

// The browser tells cards apart by name.
TEST(TemplateLibrary, EveryTemplateIsCompleteAndNamedOnce) {
    QSet<QString> names;
    for (AlgorithmCategory category : corvanta::allAlgorithmCategories()) {
        for (const AlgorithmTemplate& item : corvanta::templates(category)) {
            SCOPED_TRACE(item.name.toStdString());
            EXPECT_FALSE(item.name.isEmpty());
            EXPECT_FALSE(item.description.isEmpty());
            EXPECT_FALSE(item.timeComplexity.isEmpty());
            EXPECT_FALSE(names.contains(item.name));
            names.insert(item.name);
        }
    }
}

// No includes, tabs, final line feed, trailing blanks or std:: prefix in C++;
// indentation in steps of four.
TEST(TemplateLibrary, EveryFragmentFollowsThePasteRules) {
    static const QRegularExpression indentation(u"^( *)"_s);
    for (AlgorithmCategory category : corvanta::allAlgorithmCategories()) {
        for (const AlgorithmTemplate& item : corvanta::templates(category)) {
            for (const QString* code : {&item.cppCode, &item.cCode, &item.pythonCode}) {
                SCOPED_TRACE(item.name.toStdString());
                EXPECT_FALSE(code->isEmpty());
                EXPECT_FALSE(code->endsWith(u'\n'));
                EXPECT_FALSE(code->contains(u'\t'));
                EXPECT_FALSE(code->contains(u"#include"_s));
                if (code == &item.cppCode) {
                    EXPECT_FALSE(code->contains(u"std::"_s));
                }
                for (const QString& line : code->split(u'\n')) {
                    EXPECT_FALSE(line.endsWith(u' ')) << line.toStdString();
                    EXPECT_EQ(indentation.match(line).capturedLength(1) % 4, 0)
                        << line.toStdString();
                }
            }
        }
    }
}

} // namespace
